#include "support/mail_settings.h"

#include "runtime/functions.h"
#include "runtime/memvar.h"

namespace support {

std::string ReadMailSetting(std::string_view key) {
  const rt::PublicFn* fn = rt::FindFunction(kReadSettingFn);
  if (!fn) return {};
  rt::Value args[] = {rt::Value(kMailSection), rt::Value(std::string(key))};
  const rt::Value v = (*fn)(rt::Args(args));
  return v.IsString() ? v.AsString() : std::string();
}

void WriteMailSetting(std::string_view key, std::string_view value) {
  const rt::PublicFn* fn = rt::FindFunction(kWriteSettingFn);
  if (!fn) return;
  rt::Value args[] = {rt::Value(kMailSection), rt::Value(std::string(key)), rt::Value(std::string(value))};
  (*fn)(rt::Args(args));
}

std::string ReleaseTitle() {
  if (!rt::MEMVAREXISTS(kReleaseVar)) return {};
  const rt::Value v = rt::MEMVARGET(kReleaseVar);
  return v.IsString() ? v.AsString() : std::string();
}

}  // namespace support
