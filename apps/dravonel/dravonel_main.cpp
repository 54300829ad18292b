#include "apps/dravonel/dravonel_main.h"

#include <windows.h>

#include <memory>
#include <string>

#include "apps/common/check_data.h"
#include "apps/common/marker_files.h"
#include "apps/common/msg_meter.h"
#include "apps/common/program_directory.h"
#include "apps/common/settings_file.h"
#include "apps/common/transchr.h"
#include "apps/common/window_placement.h"
#include "apps/dravonel/about_info.h"
#include "apps/dravonel/build_menu.h"
#include "apps/dravonel/check_ini.h"
#include "apps/dravonel/dictionary_choice.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/maintenance.h"
#include "apps/dravonel/main_dialog.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/open_dbf.h"
#include "apps/dravonel/routines.h"
#include "controls/ticon.h"
#include "controls/tmsgbar.h"
#include "controls/tmsgitem.h"
#include "core/tclipboard.h"
#include "core/twindow.h"
#include "graphics/cursors.h"
#include "graphics/tfont.h"
#include "runtime/error.h"
#include "runtime/lang.h"
#include "runtime/memvar.h"
#include "runtime/settings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "support/error_offer.h"

namespace dravonel {

namespace {

// The maker's notice in the message bar while no item's message shows.
const char* const kBarText = "\xA9 ZQS Sprachsoftware";
const char* const kItemColours = "R*/BG";
constexpr long kLangItemWidth = 120;
constexpr long kCountItemWidth = 90;

void RuntimeSettings() {
  rt::SetTable& sets = rt::Sets();
  sets.deleted = false;
  sets.exclusive = false;
  sets.softseek = false;
  sets.dateFormat = sets.century ? "dd.mm.yyyy" : "dd.mm.yy";
}

std::shared_ptr<controls::TMsgItem> BarItem(const std::shared_ptr<controls::TMsgBar>& bar, long width) {
  auto item = std::make_shared<controls::TMsgItem>();
  controls::MsgItemArgs a;
  a.oMsgBar = rt::Value(bar);
  a.nWidth = width;
  a.oFont = rt::Value(Editor().oFontNormal);
  a.nClrText = rt::Value(kItemColours);
  a.lAdd = true;
  item->New(a);
  return item;
}

// Moves are stored, the first showing opens the table, closing asks the
// closing check.
void SetHooks(EditorState& s) {
  const std::weak_ptr<core::TWindow> weak = s.oWndMain;
  s.oWndMain->bMoved = rt::Value::Block([weak](rt::Args) {
    if (const auto wnd = weak.lock()) {
      wnd->CoorsUpdate();
      common::PUTCOORDS(common::kEditorPlacement, *wnd);
    }
    return rt::Value();
  });
  s.oWndMain->bInit = rt::Value::Block([](rt::Args) {
    gfx::CURSORWAIT();
    // Until the main dialog exists, opening the table is all it would do.
    if (rt::FindFunction("BUILDDLG")) {
      CallRoutine("BUILDDLG");
    } else {
      OPENDBF(Editor().cDictBase);
    }
    gfx::CURSORARROW();
    return rt::Value();
  });
  s.oWndMain->bValid = rt::Value::Block([](rt::Args) { return rt::Value(ValidClose()); });
}

}  // namespace

void MakeMainWindow() {
  EditorState& s = Editor();
  auto icon = std::make_shared<controls::TIcon>();
  controls::IconArgs ia;
  ia.cResName = kIconResource;
  icon->New(ia);
  s.oIcon = rt::Value(icon);
  s.oFontNormal = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  s.oFontBold = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8, false, true);
  s.oFontGrid = std::make_shared<gfx::TFont>()->New("Arial", 0, -12);

  core::WindowArgs w;
  w.nTop = s.nWinTop;
  w.nLeft = s.nWinLeft;
  w.nBottom = s.nWinBottom;
  w.nRight = s.nWinRight;
  w.cTitle = " " + rt::MEMVARGET(kReleaseVar).AsString();
  w.oMenu = BUILDMENU();
  w.oIcon = s.oIcon;
  w.nClrFore = "N/W";
  w.lMax = false;
  w.lPixel = true;
  s.oWndMain = std::make_shared<core::TWindow>();
  s.oWndMain->New(w);

  s.oClip = std::make_shared<core::TClipBoard>();
  s.oClip->New(CF_TEXT, rt::Value(s.oWndMain));

  auto bar = std::make_shared<controls::TMsgBar>();
  controls::MsgBarArgs ba;
  ba.oWnd = rt::Value(s.oWndMain);
  ba.cMsg = kBarText;
  ba.lCentered = true;
  bar->New(ba);
  s.oItemLang = rt::Value(BarItem(bar, kLangItemWidth));
  s.oItemCount = rt::Value(BarItem(bar, kCountItemWidth));
  SetHooks(s);
}

namespace {

void Exit() {
  rt::DBCLOSEALL();
  // The copy holds the settings as they were before this run's exit keys.
  common::CopySettings();
  common::ZQDROPSEM("Dravonel");
  CHECKINI(false);
}

}  // namespace

bool ValidClose() {
  EditorState& s = Editor();
  if (const auto wnd = s.oWndMain) {
    if (const auto bar = wnd->oMsgBar.As<controls::TMsgBar>()) bar->SetMsg(kClosingMessage);
  }
  gfx::CURSORWAIT();
  if (s.nDelPending > 0 && svc::MSGNOYES("Gel\xF6schte Datens\xE4tze nun entfernen ?", "L\xF6schen") &&
      SelectWords()) {
    rt::DbPack();
    s.nDelPending = 0;
  }
  gfx::CURSORARROW();
  return true;
}

void DRAVONEL() {
  rt::PUBLIC(kRunDirVar, rt::Value(""));
  rt::PUBLIC(kReleaseVar, rt::Value(""));
  rt::PUBLIC(kShortNameVar, rt::Value(kFirstShortName));
  rt::HB_LANGSELECT("DE");
  std::string dir;
  if (!common::EnterProgramDirectory(dir)) {
    rt::ERRORLEVEL(1);
    return;
  }
  rt::MEMVARPUT(kRunDirVar, dir);
  if (common::MarkerExists(common::kSearchSemaphore)) {
    svc::MSGALERT("Bitte beenden Sie zuerst die " + rt::MEMVARGET(kShortNameVar).AsString() + " Suchmaschine !",
                  std::string("Problem"));
    return;
  }
  RuntimeSettings();
  svc::SETHELPFILE(rt::Value("Dravonel.HLP"));
  common::RegisterWordFunctions();
  RegisterMaintenance();
  RegisterDialogRoutines();
  CHECKINI(true);
  common::CHECKDATA(common::KeyStyle::Editor, common::kEditorMeterTitle, nullptr);
  support::PRINTERR();
  // A configured dictionary without its table would fail at every start
  // and leave the semaphore behind: another one serves, or none at all.
  if (!ChooseDictionary()) {
    svc::MSGALERT("Es wurde kein W\xF6rterbuch gefunden !", std::string("Problem"));
    return;
  }
  common::ZQMAKESEM("Dravonel");
  ABOUTINFO(true, !Editor().lExtern);
  EditorState& s = Editor();
  common::GETCOORDS(common::kEditorPlacement, s.nWinTop, s.nWinLeft, s.nWinBottom, s.nWinRight);
  MakeMainWindow();
  s.oWndMain->Activate();
  Exit();
}

}  // namespace dravonel
