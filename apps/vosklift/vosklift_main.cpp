#include "apps/vosklift/vosklift_main.h"

#include <windows.h>

#include <array>
#include <memory>

#include "apps/common/about_box.h"
#include "apps/common/marker_files.h"
#include "apps/common/program_directory.h"
#include "apps/common/settings_file.h"
#include "apps/common/word_tables.h"
#include "apps/vosklift/clipboard_watch.h"
#include "apps/vosklift/loader_state.h"
#include "apps/vosklift/tray_menu.h"
#include "controls/tmenu.h"
#include "core/tclipboard.h"
#include "core/ttrayicon.h"
#include "core/twindow.h"
#include "runtime/files.h"
#include "runtime/lang.h"
#include "runtime/memvar.h"
#include "runtime/settings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "services/oem_ansi.h"
#include "services/timer.h"
#include "support/error_offer.h"

namespace vosklift {

namespace {

static_assert(static_cast<DWORD>(kMainStyle) == (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));

constexpr const char* kScratchTable = ".\\VOSKTEMP.DBF";

// After an outside update the indexes go; the next start of the editor or
// the quick search rebuilds them.
void UpdateCleanUp() {
  if (!common::MarkerExists(common::kLoaderUpdateMarker)) return;
  for (const auto& table : common::kWordTables)
    for (int order : {1, 2}) rt::FERASE(common::IndexPath(table, order));
  common::EraseMarker(common::kLoaderUpdateMarker);
}

void EraseSemaphores() {
  // Only the semaphore of a program that has gone can be erased.
  common::EraseMarker(common::kSearchSemaphore);
  common::EraseMarker(common::kEditorSemaphore);
}

}  // namespace

std::string InfoText() {
  return "Voskdar verschwindet nun in die Traybar und wird erst aktiv,\r\n"
         "wenn ein Begriff in die Zwischenablage kopiert wird.\r\n"
         "Ein Rechtsklick auf das Traybar-Icon \xF6" "ffnet das Kontextmen\xFC.\r\n"
         "Das Icon finden Sie rechts unten auf Ihrem Desktop in der Traybar!\r\n"
         "\r\n"
         "Diese Info beim n\xE4" "chsten Start wieder anzeigen?";
}

void MAIN() {
  rt::PUBLIC(kRunDirVar);
  rt::PUBLIC(kReleaseVar, rt::Value("ZQS Voskdar v1.40"));
  rt::PUBLIC(kShortNameVar, rt::Value(""));
  rt::HB_LANGSELECT("DE");
  rt::SetTable& sets = rt::Sets();
  sets.century = true;
  sets.dateFormat = "dd.mm.yyyy";
  sets.deleted = true;
  sets.exclusive = false;
  svc::SETHELPFILE(rt::Value("Voskdar.HLP"));
  std::string dir;
  if (!common::EnterProgramDirectory(dir)) return;
  rt::MEMVARPUT(kRunDirVar, dir);

  common::RestoreSettings();
  UpdateCleanUp();
  CHECKINI(true);
  support::PRINTERR();

  common::AboutOptions about;
  about.title = Release() + " - TrayModul";
  about.icon = rt::Value("Voskdar");
  about.timed = true;
  about.lines = common::ReadAboutLines();
  common::AboutInfo(about);

  if (common::ReadSwitch("System", "LoadInfo") && !svc::MSGYESNO(InfoText(), std::string("Info")))
    common::WriteSwitch("System", "LoadInfo", false);
  EraseSemaphores();

  // Every command item of the tray menu is drawn by the menu class.
  ctl::SetMenuOwnerDrawAll(true);
  LoaderState& s = Loader();
  s.oWnd = std::make_shared<core::TWindow>();
  core::WindowArgs w;
  w.nTop = 0;
  w.nLeft = 0;
  w.nBottom = 10;
  w.nRight = 10;
  w.cTitle = " " + svc::OEMTOANSI(rt::Value(Release()));
  w.nStyle = kMainStyle;
  w.oIcon = "VOSKDAR";
  w.nClrFore = "N/W";
  w.lPixel = true;
  s.oWnd->New(w);
  s.oClip = std::make_shared<core::TClipBoard>();
  s.oClip->New(CF_TEXT, rt::Value(s.oWnd));
  // Text copied before the start never starts a search.
  s.oClip->Clear();
  if (s.lClpTime) StartWatch(s.oWnd);

  const std::weak_ptr<core::TWindow> weak = s.oWnd;
  s.oWnd->bInit = rt::Value::Block([weak](rt::Args) {
    const auto wnd = weak.lock();
    if (!wnd) return rt::Value();
    auto tray = std::make_shared<core::TTrayIcon>();
    core::TrayIconArgs t;
    t.oWnd = rt::Value(wnd);
    t.oIcon = wnd->oIcon;
    t.cCaption = Release();
    t.bLClicked = rt::Value::Block([](rt::Args) {
      LOADVOSK();
      return rt::Value();
    });
    t.bRClicked = rt::Value::Block([](rt::Args a) {
      const long row = a.size() > 0 && a[0].IsNumber() ? static_cast<long>(a[0].AsNumber()) : 0;
      const long col = a.size() > 1 && a[1].IsNumber() ? static_cast<long>(a[1].AsNumber()) : 0;
      MENUTRAY(row, col, Loader().oTray ? rt::Value(Loader().oTray) : rt::Value());
      return rt::Value();
    });
    tray->New(t);
    Loader().oTray = tray;
    return rt::Value();
  });
  s.oWnd->bValid = rt::Value::Block([](rt::Args) {
    if (const auto tray = Loader().oTray) tray->End();
    Loader().oTray.reset();
    return rt::Value(true);
  });
  rt::Value hidden("HIDDEN");
  s.oWnd->Activate(rt::Args(&hidden, 1));

  if (s.oTimer) s.oTimer->End();
  rt::DBCLOSEALL();
  CHECKINI(false);
  common::CopySettings();
  rt::FERASE(kScratchTable);
  EraseSemaphores();
}

}  // namespace vosklift
