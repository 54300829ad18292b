#include "apps/dravonel/build_menu.h"

#include <windows.h>

#include <array>
#include <functional>

#include "apps/common/settings_file.h"
#include "apps/common/web_mail.h"
#include "apps/common/word_tables.h"
#include "apps/dravonel/about_info.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/open_dbf.h"
#include "apps/dravonel/routines.h"
#include "apps/dravonel/word_search.h"
#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "core/send_soft.h"
#include "core/tclipboard.h"
#include "core/twindow.h"
#include "graphics/cursors.h"
#include "runtime/files.h"
#include "runtime/memvar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "services/oem_ansi.h"

namespace dravonel {

namespace {

rt::Value Block(std::function<void()> f) {
  return rt::Value::Block([f](rt::Args) {
    f();
    return rt::Value();
  });
}

// MENUADDITEM with the arguments the editor uses: prompt, message, action
// (5th), bitmap resource (7th) and condition (14th).
rt::Value Item(const std::string& prompt, const std::string& message = {}, const rt::Value& action = {},
               const std::string& bitmap = {}, const rt::Value& when = {}) {
  std::array<rt::Value, 15> a{};
  a[0] = prompt;
  a[1] = message;
  a[4] = action;
  if (!bitmap.empty()) a[6] = bitmap;
  a[13] = when;
  return ctl::MENUADDITEM(rt::Args(a.data(), a.size()));
}

void Separator() { ctl::MENUADDITEM({}); }

// Moves the word table to its first or last row in the order in force.
void TableTo(bool last) {
  if (!SelectWords()) return;
  if (last) {
    rt::DBGOBOTTOM();
  } else {
    rt::DBGOTOP();
  }
}

// After duplicates, export and import: the table and the grid back to the
// first row, the grid's headings without their order marker but for the
// German one, the search texts kept and the German side searched. The
// order in force stays.
void ListReset() {
  auto& e = Editor();
  TableTo(false);
  MarkSide(1);
  core::Ask(e.oBrwWords, "GoTop");
  core::Ask(e.oBrwWords, "Refresh");
  CallRoutine("ZQGETVAR", false);
  e.lDirDe = true;
}
void SearchReset() { CallRoutine("ZQGETVAR", true); }

struct Dictionary {
  const char* prompt;
  const char* message;
  const char* bitmap;
  std::string_view code;
};

constexpr std::array<Dictionary, 6> kDictionaries{{
    {" &Englisch", "Englisch-W\xF6rterbuch \xF6" "ffnen", "Eng", "DEUENG"},
    {" &Franz\xF6sisch", "Franz\xF6sisch-W\xF6rterbuch \xF6" "ffnen", "Fra", "DEUFRA"},
    {" &Italienisch", "Italienisch-W\xF6rterbuch \xF6" "ffnen", "Ita", "DEUITA"},
    {" &Spanisch", "Spanisch-W\xF6rterbuch \xF6" "ffnen", "Spa", "DEUSPA"},
    {" &Portugiesisch", "Portugiesisch-W\xF6rterbuch \xF6" "ffnen", "Por", "DEUPOR"},
    {" &Latein", "Latein-W\xF6rterbuch \xF6" "ffnen", "Lat", "DEULAT"},
}};

// The context menu names the tables without ".\", which names the same
// files.
void DictionaryItems(bool dotPrefix = true) {
  for (const Dictionary& d : kDictionaries) {
    const std::string code(d.code);
    const std::string path = common::TablePath(*common::FindWordTable(d.code));
    const std::string table = dotPrefix || path.rfind(".\\", 0) != 0 ? path : path.substr(2);
    Item(d.prompt, d.message, Block([code] { SwitchTo(code); }), d.bitmap,
         rt::Value::Block([table](rt::Args) { return rt::Value(rt::FileExists(table)); }));
  }
}

void DirectionItems() {
  Item("&Deutsch -> Fremdsprache", "Sprachrichtung Deutsch/Fremdsprache", Block([] {
         Editor().lDirDe = true;
         CallRoutine("TABSORT", 1);
       }));
  Item("&Fremdsprache -> Deutsch", "Sprachrichtung Fremdsprache/Deutsch", Block([] {
         Editor().lDirDe = false;
         CallRoutine("TABSORT", 2);
       }));
}

// The main menu is built before the main window exists: its items name
// the window as it is when they are chosen.
rt::Value OwnerOr(const rt::Value& owner) {
  return owner.IsNil() && Editor().oWndMain ? rt::Value(Editor().oWndMain) : owner;
}

void RecordItems(const rt::Value& owner) {
  Item("Begriff &anf\xFCgen", "Neuen Begriff erfassen", Block([owner] {
         CallRoutine("ADDDATA", OwnerOr(owner));
         ShowCurrentRow();
         SearchReset();
       }));
  Item("Begriff &bearbeiten", "Begriff ver\xE4ndern", Block([owner] {
         CallRoutine("EDITDATA", OwnerOr(owner));
         ShowCurrentRow();
         SearchReset();
       }));
  Item("Begriff &l\xF6schen", "Begriff l\xF6schen", Block([] {
         if (CallRoutine("DELDATA").AsLogical()) ShowCurrentRow();
       }));
}

bool ClipboardHasText() {
  if (const auto& clip = Editor().oClip) return !clip->GetText().empty();
  return false;
}

// The current row's word on the side the search does not look at.
std::string RowWordToCopy() {
  if (!SelectWords()) return {};
  return rt::ALLTRIM(rt::FIELDGET(Editor().lDirDe ? "FREMD" : "DEUTSCH").AsString());
}

void ClipboardItems() {
  Item("&Suchen aus Zwischenablage", "Begriff aus der Zwischenablage suchen", Block([] { CallRoutine("GETCLIPBOARD"); }),
       {}, rt::Value::Block([](rt::Args) { return rt::Value(ClipboardHasText()); }));
  Item("&Kopieren in Zwischenablage", "Begriff in die Zwischenablage kopieren", Block([] {
         CallRoutine("PUTCLIPBOARD", RowWordToCopy());
         SearchReset();
       }));
}

void MoveItems() {
  Item("Zum &ersten Datensatz", "Zum ersten Begriff", Block([] {
         gfx::CURSORWAIT();
         TableTo(false);
         core::Ask(Editor().oBrwWords, "GoTop");
         gfx::CURSORARROW();
         SearchReset();
       }));
  Item("Zum &vorherigen Datensatz", "Zum vorherigen Begriff", Block([] {
         core::Ask(Editor().oBrwWords, "GoUp");
         SearchReset();
       }));
  Item("Zum &n\xE4" "chsten Datensatz", "Zum n\xE4" "chsten Begriff", Block([] {
         core::Ask(Editor().oBrwWords, "GoDown");
         SearchReset();
       }));
  Item("Zum &letzten Datensatz", "Zum letzten Begriff", Block([] {
         gfx::CURSORWAIT();
         TableTo(true);
         core::Ask(Editor().oBrwWords, "GoBottom");
         gfx::CURSORARROW();
         SearchReset();
       }));
}

void WebAndMailItems(const std::string& webBitmap, const std::string& mailBitmap) {
  const auto& e = Editor();
  if (!e.cWebMenu.empty()) {
    const std::string url = e.cWebUrl;
    Item(svc::OEMTOANSI(rt::Value(e.cWebMenu)), "Mit unserer Homepage '" + url + "' verbinden",
         Block([url] { OpenWebPage(url); }), webBitmap);
  }
  if (!e.cMailMenu.empty()) {
    const std::string address = e.cMailUrl;
    Item(svc::OEMTOANSI(rt::Value(e.cMailMenu)), "Eine Email an '" + address + "' versenden",
         Block([address] { WriteMail(address, rt::MEMVARGET(kReleaseVar).AsString()); }),
         mailBitmap);
  }
}

void SetExportItem() {
  auto& e = Editor();
  if (const auto item = e.oItemExport.As<ctl::TMenuItem>()) e.lExportPending ? item->Enable() : item->Disable();
}

std::string Release() { return rt::MEMVARGET(kReleaseVar).AsString(); }

}  // namespace

std::string PercentEncoded(const std::string& text) { return common::PercentEncoded(text); }

bool OpenWebPage(const std::string& url) {
  const auto window = Editor().oWndMain;
  return common::OpenWebPage(window ? window->hWnd : nullptr, url);
}

bool WriteMail(const std::string& address, const std::string& subject) {
  const auto window = Editor().oWndMain;
  return common::WriteMail(window ? window->hWnd : nullptr, address, subject);
}

void SwitchTo(const std::string& code) {
  auto& e = Editor();
  e.cDictBase = code;
  // The export item follows the dictionary now shown.
  e.lExportPending = common::FindWordTable(code) && common::ReadSwitch("Export", code);
  SetExportItem();
  core::Ask(e.oDlgMain, "End");
  if (rt::FindFunction("BUILDDLG")) {
    CallRoutine("BUILDDLG");
  } else {
    OPENDBF(code);
  }
  SearchReset();
}

rt::Value ContextMenu(const rt::Value& oWnd) {
  ctl::MENUBEGIN(true);
  Item("&W\xF6rterbuch \xF6" "ffnen");
  ctl::MENUBEGIN(false);
  DictionaryItems(false);
  ctl::MENUEND();
  Separator();
  DirectionItems();
  Separator();
  RecordItems(oWnd);
  Separator();
  ClipboardItems();
  Separator();
  Item("&Gehe zu");
  ctl::MENUBEGIN(false);
  MoveItems();
  ctl::MENUEND();
  Separator();
  Item("S&upport");
  ctl::MENUBEGIN(false);
  Item("&Hilfe anzeigen", "Hilfe zum Programm anzeigen", Block([] { svc::WINHELP("DRAVONEL.HLP"); }), "Help");
  WebAndMailItems("Web", "Email");
  ctl::MENUEND();
  Separator();
  Item("W\xF6rterbuch &verlassen", "W\xF6rterbuch verlassen", Block([oWnd] {
         if (svc::MSGNOYES("W\xF6rterbuch beenden ?", "Programmende")) core::Ask(oWnd, "End");
       }));
  return ctl::MENUEND();
}

void BUILDRMENU(const rt::Value& oWnd, long nRow, long nCol) {
  if (const auto menu = ContextMenu(oWnd).As<ctl::TMenu>()) menu->Activate(nRow, nCol, oWnd);
}

rt::Value BUILDMENU() {
  auto& e = Editor();
  ctl::MENUBEGIN(false);
  Item(svc::OEMTOANSI(rt::Value("&Datei")));
  ctl::MENUBEGIN(false);
  Item("&W\xF6rterbuch \xF6" "ffnen");
  ctl::MENUBEGIN(false);
  DictionaryItems();
  ctl::MENUEND();
  Separator();
  DirectionItems();
  Separator();
  Item("D&uplikate entfernen", "Duplikate aus der Sprachdatei entfernen", Block([] {
         CallRoutine("DELDUPEDATA");
         ListReset();
       }));
  e.oItemExport = Item("\xC4nderungen e&xportieren", "Eigene Daten aus der Sprachdatei exportieren", Block([] {
                         CallRoutine("EXPMYDATA");
                         ListReset();
                       }));
  Item("\xC4nderungen i&mportieren", "Eigene Daten in die Sprachdatei importieren", Block([] {
         CallRoutine("IMPMYDATA");
         ListReset();
       }),
       {}, rt::Value::Block([](rt::Args) { return rt::Value(rt::FileExists(Editor().cDictBase + ".EXP")); }));
  Separator();
  Item("&Beenden", "Voskdar W\xF6rterbuch verlassen", Block([] {
         if (const auto w = Editor().oWndMain) w->End();
       }));
  ctl::MENUEND();

  Item("D&atensatz");
  ctl::MENUBEGIN(false);
  RecordItems({});
  Separator();
  ClipboardItems();
  ctl::MENUEND();

  Item("&Gehe zu");
  ctl::MENUBEGIN(false);
  MoveItems();
  ctl::MENUEND();

  Item("&Hilfe");
  ctl::MENUBEGIN(false);
  Item("&Hilfe anzeigen", "Hilfe zum Programm anzeigen", Block([] { svc::WINHELP("DRAVONEL.HLP"); }));
  Item("Hilfe-&Index", "Hilfeindex", Block([] { svc::HELPSEARCH(); }));
  Separator();
  Item("&\xDC" "ber " + Release(), {}, Block([] {
         ABOUTINFO(false, true);
         SearchReset();
       }));
  Separator();
  WebAndMailItems({}, {});
  ctl::MENUEND();
  e.oMenuMain = ctl::MENUEND();
  SetExportItem();
  return e.oMenuMain;
}

}  // namespace dravonel
