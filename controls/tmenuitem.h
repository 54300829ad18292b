#pragma once
// One entry of a menu: a command with its action, a separator, or an entry
// that opens a submenu (its bAction is then a TMenu).

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace ctl {

class TMenu;

// The arguments of TMenuItem:New in their order; NIL takes the default.
struct MenuItemArgs {
  rt::Value cPrompt{}, cMsg{}, lChecked{}, lActive{}, bAction{}, cBmpFile{}, cResName{}, nVKState{}, nVirtKey{},
      lHelp{}, nHelpId{}, bWhen{}, lBreak{};
};

// The arguments of TMenuItem:ReDefine in their order.
struct MenuItemRedefinition {
  rt::Value cPrompt{}, cMsg{}, lChecked{}, lActive{}, bAction{}, cBmpFile{}, cResName{}, oMenu{}, bAction2{}, nId{},
      nVKState{}, nVirtKey{}, nHelpId{}, bWhen{};
};

// Class data aProperties (the persisted members) and aEvents, in order.
const std::vector<std::string>& MenuItemProperties();
const std::vector<std::string>& MenuItemEvents();

class TMenuItem : public rt::Object {
 public:
  RT_CLASS_DECL()

  rt::Value cPrompt;
  std::string cMsg, cVarName;
  long nId = 0;
  long nHelpId = 0;
  rt::Value bAction, bWhen;
  std::string cWebAction;
  bool lActive = true, lBreak = false, lChecked = false, lHelp = false;
  rt::Value oMenu;  // the menu that holds the item
  HBITMAP hBitmap = nullptr;
  long nVKState = 0, nVirtKey = 0;
  rt::Value Cargo;

  ~TMenuItem() override;
  TMenuItem& New(const MenuItemArgs& a = {});
  TMenuItem& New(std::string prompt, long id);  // a plain entry with a given id
  // Binds to the item nId of the given menu (default: this item's menu):
  // the given states, prompt, message, actions and keys go to that item
  // and its native entry, and this object takes its members. Without such
  // an item nothing changes.
  TMenuItem& ReDefine(const MenuItemRedefinition& a);

  void SetCheck(bool lOnOff);
  void Enable();
  void Disable();
  // Deletes the bitmap once; a second End does nothing.
  void End();
  // Keeps every flag the entry was added with, owner-drawing included.
  void SetPrompt(const std::string& prompt);
  void HelpTopic();
  // Ends the submenu of a submenu entry and takes the entry out of its menu.
  void Destroy();

  std::string Save() const;
  void Load(const std::string& cData);

  // The menu that opens from this entry, null for a command.
  std::shared_ptr<TMenu> Submenu() const;
  // The native flags the entry was added with.
  UINT nFlags = 0;
};

// Class data nInitId: the last item id given out (20000 at start). Ids run
// from 20001; past 65535 (a command message carries 16 bits) they start at
// 20001 again, skipping ids of living items and numbers that are menu
// handles.
long& MenuItemInitId();

}  // namespace ctl
