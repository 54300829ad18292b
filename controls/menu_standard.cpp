// The standard pop-ups a program can append to a menu: File, Edit, Help and
// the MDI Window menu.
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "controls/tacctable.h"
#include "controls/tmenu.h"
#include "core/send_soft.h"
#include "core/tclipboard.h"
#include "core/twindow.h"
#include "runtime/functions.h"
#include "services/help.h"
#include "services/msgbox.h"

namespace ctl {
namespace {

constexpr long kCtrl = 8;
constexpr long kAlt = 16;

struct Entry {
  const char* prompt = nullptr;  // null: a separator
  const char* msg = "";
  const char* bitmap = "";
  rt::Value action{};
  rt::Value when{};
};

// Calls the owner's method of that name, when the owner has one.
rt::Value OwnerCall(const rt::Value& owner, const char* method) {
  return rt::Value::Block([owner, method](rt::Args) { return core::Ask(owner, method); });
}

rt::Value Call(rt::Value (*fn)()) {
  return rt::Value::Block([fn](rt::Args) { return fn(); });
}

// The key a prompt names after its tab, when it is Ctrl or Alt with a
// letter: {state, letter}; {0, 0} otherwise.
std::pair<long, long> DeclaredKey(const std::string& prompt) {
  const auto tab = prompt.find('\t');
  if (tab == std::string::npos) return {0, 0};
  const std::string key = prompt.substr(tab + 1);
  for (const auto& [name, state] : {std::pair{std::string("Ctrl+"), kCtrl}, std::pair{std::string("Alt+"), kAlt}}) {
    if (key.size() == name.size() + 1 && key.compare(0, name.size(), name) == 0 &&
        std::isalpha(static_cast<unsigned char>(key.back())))
      return {state, std::toupper(static_cast<unsigned char>(key.back()))};
  }
  return {0, 0};
}

void AddPopup(TMenu& menu, const char* title, const std::vector<Entry>& entries, bool declareKeys,
              const char* onlyKeyOf = nullptr) {
  auto popup = std::make_shared<TMenu>();
  popup->New(true);
  for (const Entry& e : entries) {
    auto item = std::make_shared<TMenuItem>();
    if (!e.prompt) {
      item->New();
      popup->Add(item);
      continue;
    }
    item->New(MenuItemArgs{.cPrompt = rt::Value(e.prompt),
                           .cMsg = rt::Value(e.msg),
                           .bAction = e.action,
                           .cResName = *e.bitmap ? rt::Value(e.bitmap) : rt::Value(),
                           .bWhen = e.when});
    const auto [state, key] = DeclaredKey(e.prompt);
    if (key && (declareKeys || (onlyKeyOf && std::string(e.prompt) == onlyKeyOf))) {
      item->nVKState = state;
      item->nVirtKey = key;
      if (!menu.oAccTable.IsObject()) {
        auto table = std::make_shared<TAccTable>();
        table->New();
        menu.oAccTable = rt::Value(table);
      }
      menu.oAccTable.As<TAccTable>()->Add(state, key, item->nId);
    }
    popup->Add(item);
  }
  auto entry = std::make_shared<TMenuItem>();
  entry->New(MenuItemArgs{.cPrompt = rt::Value(title), .bAction = rt::Value(popup)});
  // On a menu bar the entry is a plain text entry, as the builders make it.
  menu.Add(entry, !menu.lPopup && !menu.lSysMenu);
}

rt::Value PrinterSetup() {
  // The printer dialog belongs to a later layer, which enters it by name.
  if (const auto* entry = rt::FindFunctionEntry("PRINTERSETUP")) return entry->fn({});
  return {};
}

rt::Value ClientOf(const rt::Value& owner) { return core::Ask(owner, "oWndClient"); }

}  // namespace

void TMenu::AddFile() {
  TMenu& menu = *this;
  const rt::Value owner = menu.oWnd;
  AddPopup(menu, "&File",
           {{"&New...\tCtrl+N", "Creates a new file"},
            {"&Open...\tCtrl+O", "Open an existing file", "", OwnerCall(owner, "Open")},
            {"&Save\tCtrl+S", "Saves the active file"},
            {"Save &as...\tAlt+A", "Saves the active file under a new name"},
            {"Save al&l", "Saves all open files"},
            {},
            {"&Print...\tCtrl+P", "Prints the active file", "", OwnerCall(owner, "Print")},
            {"P&rinter Setup...\tAlt+P", "Select and setup the printer", "", Call(PrinterSetup)},
            {},
            {"&Exit...\tAlt+F4", "Quits this application", "", OwnerCall(owner, "End")}},
           true);
}

void TMenu::AddEdit() {
  TMenu& menu = *this;
  const rt::Value owner = menu.oWnd;
  const rt::Value clipboardHasText = rt::Value::Block([](rt::Args) {
    auto clip = std::make_shared<core::TClipBoard>();
    clip->New();
    return rt::Value(!clip->IsEmpty());
  });
  AddPopup(menu, "&Edit",
           {{"&Undo\tCtrl+Z", "Undoes the last action", "UnDo", OwnerCall(owner, "UnDo")},
            {"&Redo\tCtrl+A", "Redoes the previously undone action", "ReDo", OwnerCall(owner, "ReDo")},
            {},
            {"Cu&t\tCtrl+X", "Removes the selection and puts it on the Clipboard", "Cut", OwnerCall(owner, "Cut")},
            {"&Copy\tCtrl+C", "Copies the selection and puts it on the Clipboard", "Copy", OwnerCall(owner, "Copy")},
            {"&Paste\tCtrl+V", "Insert Clipboard contents at the insertion point", "Paste", OwnerCall(owner, "Paste"),
             clipboardHasText},
            {"&Delete\tDel", "Erases the selection", "Delete", OwnerCall(owner, "Delete")},
            {"&Select All", "Selects the entire document", "", OwnerCall(owner, "SelectAll")},
            {},
            {"&Find...\tCtrl+F", "Finds the specified text", "Find", OwnerCall(owner, "Find")},
            {"Find &Next\tF3", "Repeats the last find", "", OwnerCall(owner, "FindNext")},
            {"R&eplace...\tCtrl+H", "Replace specific text with different text", "", OwnerCall(owner, "Replace")},
            {},
            {"Pr&operties\tAlt+Enter", "Edits properties of the current selection", "Properties",
             OwnerCall(owner, "Properties")}},
           false, "&Find...\tCtrl+F");
}

void TMenu::AddHelp(const rt::Value& uText, const rt::Value& uCaption) {
  TMenu& menu = *this;
  const rt::Value about = rt::Value::Block([uText, uCaption](rt::Args) {
    svc::MSGABOUT(uText, uCaption);
    return rt::Value();
  });
  AddPopup(menu, "&Help",
           {{"&Contents", "Show the help contents", "Contents", Call(svc::HELPINDEX)},
            {"&Search for Help on...\tF1", "Search the help for a specific item", "SearchHelp",
             rt::Value::Block([](rt::Args) { return svc::HELPSEARCH(); })},
            {"Using &help", "Show the help index", "", Call(svc::HELPINDEX)},
            {},
            {"&About...", "Displays program information and copyright", "About", about}},
           false);
}

void TMenu::AddMdi() {
  TMenu& menu = *this;
  const rt::Value owner = menu.oWnd;
  auto onClient = [owner](const char* method, rt::Value arg = {}) {
    return rt::Value::Block([owner, method, arg](rt::Args) {
      return arg.IsNil() ? core::Ask(ClientOf(owner), method) : core::Ask(ClientOf(owner), method, arg);
    });
  };
  const rt::Value hasChildren = rt::Value::Block([owner](rt::Args) {
    const auto client = ClientOf(owner);
    const auto window = client.IsObject() ? client.As<core::TWindow>() : nullptr;
    return rt::Value(window && GetWindow(window->hWnd, GW_CHILD) != nullptr);
  });
  AddPopup(
      menu, "&Window",
      {{"&Tile Vertical", "Vertical arranges the windows as nonoverlapping tiles", "", onClient("Tile"), hasChildren},
       {"&Tile Horizontal", "Horizontal arranges the windows as nonoverlapping tiles", "",
        onClient("Tile", rt::Value(true)), hasChildren},
       {"&Cascade", "Arranges the windows so they overlap", "", onClient("Cascade"), hasChildren},
       {"&Next Window\tCtrl+F6", "Selects the next window", "", onClient("NextWindow"), hasChildren},
       {},
       {"&Arrange Icons", "Arrange icons at the bottom of the window", "", onClient("ArrangeIcons"), hasChildren},
       {"&Iconize All", "Iconize all open windows", "", onClient("IconizeAll"), hasChildren},
       {"C&lose All", "Close all open windows", "", onClient("CloseAll"), hasChildren}},
      false);
}

}  // namespace ctl
