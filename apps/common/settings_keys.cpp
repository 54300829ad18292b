#include "apps/common/settings_keys.h"

#include <array>
#include <charconv>

#include "runtime/text_case.h"
#include "support/mail_service.h"

namespace common {

namespace {

using F = SettingForm;

constexpr SettingKey kKeys[] = {
    {"Project", "PDravonel", "ZQS Voskdar W\xF6rtbuch v1.41", F::Text},
    {"Project", "PVoskdar", "ZQS Voskdar - Suchmaschine v1.41", F::Text},
    {"Project", "Project", "ZQS Voskdar v1.41", F::Text},
    {"Project", "ShortName", "Voskdar", F::Text},
    {"Project", "Internet_Menue", "", F::Text},
    {"Project", "Internet_URL", "", F::Text},
    {"Project", "Email_Menue", "", F::Text},
    {"Project", "Email_URL", "", F::Text},
    {"About", "Bitmap", "", F::Text},
    {"About", "AboutBMP", "", F::Text},
    {"About", "Firma1", "ZQS Sprachsoftware", F::Text},
    {"About", "Firma2", "Am Wortacker 12", F::Text},
    {"About", "Firma3", "D-12345 Lexingen", F::Text},
    {"About", "Internet", "www.zqs-voskdar.example", F::Text},
    {"About", "Email", "info@zqs-voskdar.example", F::Text},
    {"Dravonel", "Sprache", "DEUENG", F::Text},
    {"Dravonel", "Extern", "0", F::Switch},
    {"Dravonel", "Top", "", F::Coordinate},
    {"Dravonel", "Left", "", F::Coordinate},
    {"Dravonel", "Bottom", "", F::Coordinate},
    {"Dravonel", "Right", "", F::Coordinate},
    {"Voskdar", "Eng", "1", F::Switch},
    {"Voskdar", "Fra", "1", F::Switch},
    {"Voskdar", "Ita", "1", F::Switch},
    {"Voskdar", "Spa", "1", F::Switch},
    {"Voskdar", "Por", "1", F::Switch},
    {"Voskdar", "Lat", "1", F::Switch},
    {"Voskdar", "Deu", "1", F::Switch},
    {"Voskdar", "Fremd", "1", F::Switch},
    {"Voskdar", "Exact", "0", F::Switch},
    {"Voskdar", "Top", "", F::Coordinate},
    {"Voskdar", "Left", "", F::Coordinate},
    {"Voskdar", "Bottom", "", F::Coordinate},
    {"Voskdar", "Right", "", F::Coordinate},
    {"Export", "DEUENG", "0", F::Switch},
    {"Export", "DEUFRA", "0", F::Switch},
    {"Export", "DEUITA", "0", F::Switch},
    {"Export", "DEUSPA", "0", F::Switch},
    {"Export", "DEUPOR", "0", F::Switch},
    {"Export", "DEULAT", "0", F::Switch},
    {"System", "ClsCopy", "1", F::Switch},
    {"System", "ClpTime", "1", F::Switch},
    {"System", "AutoClp", "1", F::Switch},
    {"System", "AStart", "1", F::Switch},
    {"System", "LoadInfo", "1", F::Switch},
    {"Data", "Exact", "1", F::Switch},
    {"Seek", "String", "", F::Text},
    {"Info", "Product", "", F::Text},
    {"MailSupport", "Name", "", F::Text},
    {"MailSupport", "Reply", "", F::Text},
    {"MailSupport", "SendTo", support::kSupportAddress, F::Text},
};

bool SameName(std::string_view a, std::string_view b) { return rt::AsciiUpper(a) == rt::AsciiUpper(b); }

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  for (const SettingKey& k : kKeys)
    if (SameName(k.section, section) && SameName(k.key, key)) return &k;
  return nullptr;
}

bool IsSwitchOn(std::string_view value) { return value == "1"; }

std::string SwitchText(bool on) { return on ? "1" : "0"; }

std::string CoordinateText(long value) { return std::to_string(value); }

std::optional<long> ParseCoordinate(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace common
