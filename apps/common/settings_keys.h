#pragma once
// Every key of the suite's shared settings file with its default and the
// form of its value. Section and key names compare without case, as the
// platform's profile functions treat them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace common {

inline constexpr std::string_view kIniPath = ".\\VOSKDAR.INI";
// The byte copy of the settings file.
inline constexpr std::string_view kIniCopyPath = ".\\Voskdar.sav";

enum class SettingForm {
  Text,
  Switch,      // "1" is on, anything else off
  Coordinate,  // decimal integer without blanks; the default is the desktop's edge
};

struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view defaultValue;
  SettingForm form;
};

std::span<const SettingKey> SettingKeys();
// The key's entry; null when the settings file has no such key.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

bool IsSwitchOn(std::string_view value);
std::string SwitchText(bool on);
std::string CoordinateText(long value);
// The number a stored coordinate holds; none for text that is not a whole
// decimal number (blanks around it allowed).
std::optional<long> ParseCoordinate(std::string_view text);

}  // namespace common
