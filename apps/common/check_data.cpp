#include "apps/common/check_data.h"

#include <string>

#include "apps/common/index_check.h"
#include "apps/common/msg_meter.h"
#include "services/msgbox.h"

namespace common {

bool CHECKDATA(KeyStyle keys, std::string_view meterTitle, const std::shared_ptr<core::TWindow>& owner) {
  CheckDataHooks hooks;
  hooks.keys = keys;
  hooks.notify = [](std::string_view text, std::string_view title) {
    svc::MSGINFO(std::string(text), std::string(title));
  };
  hooks.build = [&](std::string_view meterText, std::string_view key, std::string_view file) {
    MSGMETER([&](const MeterParts& parts) { BUILDINDEX(key, file, parts.meter, parts.lEnd); }, meterText, meterTitle,
             owner);
  };
  return CheckData(hooks);
}

}  // namespace common
