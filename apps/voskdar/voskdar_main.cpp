#include "apps/voskdar/voskdar_main.h"

#include <windows.h>

#include <memory>

#include "apps/common/about_box.h"
#include "apps/common/check_data.h"
#include "apps/common/marker_files.h"
#include "apps/common/msg_meter.h"
#include "apps/common/placement.h"
#include "apps/common/program_directory.h"
#include "apps/common/settings_file.h"
#include "apps/common/transchr.h"
#include "apps/common/window_placement.h"
#include "apps/voskdar/program_state.h"
#include "apps/voskdar/scratch_table.h"
#include "apps/voskdar/search_dialog.h"
#include "core/tclipboard.h"
#include "core/twindow.h"
#include "graphics/tbrush.h"
#include "graphics/tfont.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/lang.h"
#include "runtime/memvar.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "support/error_offer.h"

namespace voskdar {

namespace {

// WS_SYSMENU alone: a caption with the close box, no sizing.
constexpr long kMainStyle = 0x80000L;
static_assert(kMainStyle == static_cast<long>(WS_SYSMENU));
// A window moved to this top is parked out of sight.
constexpr long kParkedTop = 3000;

void StoreCoords(core::TWindow& w) {
  w.CoorsUpdate();
  common::PUTCOORDS(common::kSearchPlacement, w);
}

}  // namespace

std::string StartTerm(const std::optional<std::string>& cParam) {
  if (!cParam || rt::ALLTRIM(*cParam).empty() || *cParam == "@") return std::string(kTermLength, ' ');
  std::string word = *cParam;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (static_cast<unsigned char>(word[i]) < 32) {
      word.resize(i);
      break;
    }
  }
  return rt::PADR(word, kTermLength);
}

void MAIN(std::optional<std::string> cParam) {
  rt::PUBLIC(kRunDirVar);
  rt::PUBLIC(kReleaseVar, rt::Value("ZQS Voskdar Suchmaschine v1.40"));
  rt::PUBLIC(kShortNameVar, rt::Value("Corvanel Helvorindastrum"));
  rt::HB_LANGSELECT("DE");
  std::string dir;
  if (!common::EnterProgramDirectory(dir)) {
    rt::ERRORLEVEL(1);
    return;
  }
  rt::MEMVARPUT(kRunDirVar, dir);
  if (common::MarkerExists(common::kEditorSemaphore)) {
    svc::MSGALERT("Bitte beenden Sie zuerst das " + rt::MEMVARGET(kShortNameVar).AsString() + " W\xF6rterbuch !",
                  std::string("Problem"));
    return;
  }
  rt::SetTable& sets = rt::Sets();
  sets.century = true;
  sets.dateFormat = "dd.mm.yyyy";
  sets.deleted = true;
  sets.exclusive = false;
  svc::SETHELPFILE(rt::Value("Voskdar.HLP"));
  common::RegisterWordFunctions();
  common::CHECKDATA(common::KeyStyle::QuickSearch, common::kQuickSearchMeterTitle, nullptr, true);
  CHECKINI(true);
  support::PRINTERR();
  common::AboutOptions about;
  about.title = rt::MEMVARGET(kReleaseVar).AsString();
  about.icon = rt::Value("Voskseek");
  about.timed = true;
  // A start with a term, "@" included, comes from the loader or a user
  // who wants the search at once.
  about.show = !cParam || rt::ALLTRIM(*cParam).empty();
  about.lines = common::ReadAboutLines();
  common::AboutInfo(about);
  common::ZQMAKESEM("Voskdar");

  ProgramState& s = Program();
  s.cTerm = StartTerm(cParam);
  common::GETCOORDS(common::kSearchPlacement, s.aCoors[0], s.aCoors[1], s.aCoors[2], s.aCoors[3]);

  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto bold = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8, false, true);
  auto wall = std::make_shared<gfx::TBrush>()->New({}, {}, {}, rt::Value("WALL"));

  s.oWnd = std::make_shared<core::TWindow>();
  core::WindowArgs w;
  w.nTop = s.aCoors[0];
  w.nLeft = s.aCoors[1];
  w.nBottom = s.aCoors[2];
  w.nRight = s.aCoors[3];
  w.cTitle = " " + rt::MEMVARGET(kReleaseVar).AsString();
  w.nStyle = kMainStyle;
  w.oIcon = "Voskseek";
  w.nClrFore = "N/W";
  w.lPixel = true;
  s.oWnd->New(w);
  s.oWnd->SetFont(font);
  s.oClip = std::make_shared<core::TClipBoard>();
  s.oClip->New(CF_TEXT, rt::Value(s.oWnd));

  const std::weak_ptr<core::TWindow> weak = s.oWnd;
  s.oWnd->bMoved = rt::Value::Block([weak](rt::Args) {
    if (const auto wnd = weak.lock()) StoreCoords(*wnd);
    return rt::Value();
  });
  s.oWnd->bResized = rt::Value::Block([weak](rt::Args) {
    const auto wnd = weak.lock();
    if (!wnd) return rt::Value();
    Program().aCoors = {wnd->nTop, wnd->nLeft, wnd->nBottom, wnd->nRight};
    if (wnd->nTop == kParkedTop) ShowWindow(wnd->hWnd, SW_HIDE);
    StoreCoords(*wnd);
    return rt::Value();
  });
  s.oWnd->bInit = rt::Value::Block([weak](rt::Args) {
    if (const auto wnd = weak.lock()) BUILDDLG(wnd);
    return rt::Value();
  });
  s.oWnd->Activate();

  rt::DBCLOSEALL();
  rt::FERASE(std::string(".\\") + std::string(kScratchFile));
  common::ZQDROPSEM("Voskdar");
  CHECKINI(false);
  common::CopySettings();
  wall->End();
  bold->End();
  font->End();
}

}  // namespace voskdar
