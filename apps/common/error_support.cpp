#include "apps/common/error_support.h"

#include "apps/common/settings_file.h"
#include "apps/common/settings_keys.h"
#include "runtime/macro.h"
#include "support/errorsys.h"
#include "support/mail_settings.h"

namespace common {

namespace {

std::string Text(rt::Args a, std::size_t i) {
  const rt::Value& v = rt::Arg(a, i);
  return v.IsString() ? v.AsString() : std::string();
}

}  // namespace

void InstallErrorSupport() {
  support::ERRORSYS();
  // Keys outside the catalogue read as empty and are not written.
  rt::RegisterFunction(support::kReadSettingFn, [](rt::Args a) {
    const std::string section = Text(a, 0), key = Text(a, 1);
    return rt::Value(FindSettingKey(section, key) ? ReadSetting(section, key) : std::string());
  });
  rt::RegisterFunction(support::kWriteSettingFn, [](rt::Args a) {
    const std::string section = Text(a, 0), key = Text(a, 1);
    if (FindSettingKey(section, key)) WriteSetting(section, key, Text(a, 2));
    return rt::Value();
  });
}

}  // namespace common
