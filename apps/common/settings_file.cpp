#include "apps/common/settings_file.h"

#include <cassert>
#include <fstream>

#include "apps/common/settings_keys.h"
#include "runtime/files.h"
#include "services/profile.h"

namespace common {

namespace {

const SettingKey& Known(std::string_view section, std::string_view key) {
  const SettingKey* k = FindSettingKey(section, key);
  assert(k && "a settings key outside the catalogue");
  return *k;
}

}  // namespace

std::string ReadSetting(std::string_view section, std::string_view key) {
  return svc::GETPVPROFSTRING(rt::Value(section), rt::Value(key), rt::Value(Known(section, key).defaultValue),
                              rt::Value(kIniPath));
}

bool ReadSwitch(std::string_view section, std::string_view key) { return IsSwitchOn(ReadSetting(section, key)); }

void WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
  Known(section, key);
  svc::WRITEPPROSTRING(rt::Value(section), rt::Value(key), rt::Value(value), rt::Value(kIniPath));
}

void WriteSwitch(std::string_view section, std::string_view key, bool on) { WriteSetting(section, key, SwitchText(on)); }

void CopySettings() {
  if (rt::FileExists(kIniPath)) rt::FileCopy(kIniPath, kIniCopyPath);
}

void RestoreSettings() {
  // An empty or unreadable copy would wipe every setting.
  std::ifstream copy{std::string(kIniCopyPath), std::ios::binary};
  if (copy && copy.peek() != std::ifstream::traits_type::eof()) rt::FileCopy(kIniCopyPath, kIniPath);
}

}  // namespace common
