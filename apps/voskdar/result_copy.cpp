#include "apps/voskdar/result_copy.h"

#include <optional>
#include <string>

#include "apps/common/settings_keys.h"
#include "apps/voskdar/program_state.h"
#include "apps/voskdar/result_rows.h"
#include "apps/voskdar/search_texts.h"
#include "core/tclipboard.h"
#include "services/msgbox.h"
#include "services/profile.h"

namespace voskdar {

bool PUTCLIPBOARD() {
  const std::optional<std::string> word = CopiedTerm();
  if (!word) {
    svc::MSGALERT("W\xE4hlen Sie einen Begriff aus !", std::string(kErrorTitle));
    return false;
  }
  const auto& clip = Program().oClip;
  if (!clip || !clip->SetText(*word)) return false;
  svc::WRITEPPROSTRING(rt::Value("Seek"), rt::Value("String"), rt::Value(*word),
                       rt::Value(std::string(common::kIniPath)));
  return true;
}

}  // namespace voskdar
