#pragma once
// What the support mail needs from the program that runs it: its release
// title and its [MailSupport] settings. The settings file is the
// programs' own, so they enter its reading and writing under these names in
// the registry of public functions; without them the keys read as empty
// and nothing is stored.

#include <string>
#include <string_view>

namespace support {

// The public variable that holds the program's release title.
inline constexpr const char* kReleaseVar = "CRELEASE";
// ZQREADSETTING(cSection, cKey) -> the value or the key's default;
// ZQWRITESETTING(cSection, cKey, cValue).
inline constexpr const char* kReadSettingFn = "ZQREADSETTING";
inline constexpr const char* kWriteSettingFn = "ZQWRITESETTING";

inline constexpr const char* kMailSection = "MailSupport";

std::string ReadMailSetting(std::string_view key);
void WriteMailSetting(std::string_view key, std::string_view value);
std::string ReleaseTitle();

}  // namespace support
