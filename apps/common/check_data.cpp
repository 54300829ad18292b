#include "apps/common/check_data.h"

#include <string>

#include "apps/common/index_check.h"
#include "apps/common/msg_meter.h"
#include "services/msgbox.h"

namespace common {

std::string UnreadableTablesText(const std::vector<std::string>& files) {
  std::string names;
  for (const std::string& file : files) names += (names.empty() ? "" : ", ") + file;
  if (files.size() == 1)
    return "Die W\xF6rterbuchdatei " + names + " kann nicht gelesen werden. Sie ist besch\xE4" "digt oder von "
           "einem anderen Programm ge\xF6" "ffnet.";
  return "Die W\xF6rterbuchdateien " + names + " k\xF6nnen nicht gelesen werden. Sie sind besch\xE4" "digt oder "
         "von einem anderen Programm ge\xF6" "ffnet.";
}

bool CHECKDATA(KeyStyle keys, std::string_view meterTitle, const std::shared_ptr<core::TWindow>& owner,
               bool nameUnreadable) {
  CheckDataHooks hooks;
  hooks.keys = keys;
  hooks.notify = [](std::string_view text, std::string_view title) {
    svc::MSGINFO(std::string(text), std::string(title));
  };
  hooks.build = [&](std::string_view meterText, std::string_view key, std::string_view file) {
    MSGMETER([&](const MeterParts& parts) { BUILDINDEX(key, file, parts.meter, parts.lEnd); }, meterText, meterTitle,
             owner);
  };
  if (nameUnreadable) {
    hooks.unreadable = [](const std::vector<std::string>& files) {
      svc::MSGALERT(UnreadableTablesText(files), std::string(kUnreadableTitle));
    };
  }
  return CheckData(hooks);
}

}  // namespace common
