#pragma once
// Menus of the class layer: a menu bar, a pop-up menu or a window's system
// menu, with its items in menu order.

#include <windows.h>

#include <memory>
#include <vector>

#include "controls/tmenuitem.h"
#include "runtime/object.h"
#include "runtime/value.h"

namespace ctl {

class TMenu : public rt::Object {
 public:
  RT_CLASS_DECL()

  HMENU hMenu = nullptr;
  rt::Value aItems = rt::Value::Array();
  rt::Value oWnd;
  bool lSysMenu = false, lPopup = false;
  long nHelpId = 0;
  std::string cVarName;
  rt::Value oAccTable;
  rt::Value oMenuItemPopup;

  ~TMenu() override;
  TMenu& New(bool popup = false, const rt::Value& window = {});
  TMenu& NewSys(const rt::Value& window);
  // A menu from the resource library; an empty menu when it has none of
  // that name.
  TMenu& ReDefine(const rt::Value& cResName, bool popup = false);

  void Add(const std::shared_ptr<TMenuItem>& item, bool lRoot = false);
  // 1-based position; beyond the last item it appends.
  void Insert(const std::shared_ptr<TMenuItem>& item, long nPos);
  void Initiate();
  void Command(long nId);
  static rt::Value LastItem();
  // The item with that id (or, for a submenu entry, its submenu's handle),
  // depth-first; NIL when none.
  rt::Value GetMenuItem(LPARAM nIdOrHandle) const;
  // The open pop-up menu with that handle, NIL when none.
  static rt::Value GetPopup(LPARAM hMenu);
  rt::Value GetSubMenu(LPARAM hMenu) const;
  void HelpTopic();
  // Tracks the menu as a context pop-up at the window's client point.
  void Activate(long nRow, long nCol, const rt::Value& window, bool lEnd = true);
  void DelItems();
  void Refresh();
  void Reset();
  void Destroy();
  void End();
  void Hilite(long nPos);
  void UnHilite(long nPos);
  void Disable();
  void Enable();

  // What the window sends for owner-drawn items of this menu.
  rt::Value DrawItem(LPARAM nDrawItem);
  rt::Value MeasureItem(LPARAM nMeasureItem);

  // The standard pop-ups; AddHelp's texts go to the about box.
  void AddFile();
  void AddEdit();
  void AddHelp(const rt::Value& uText = {}, const rt::Value& uCaption = {});
  void AddMdi();

  // The design record of the menu and its items; Load takes the record
  // from its item count on and raises an error for a damaged one.
  std::string Save() const;
  void Load(const std::string& cData);

  std::vector<std::shared_ptr<TMenuItem>> Items() const;

 private:
  friend void RESBUILD(TMenu& menu);
  friend class TMenuItem;
  UINT FlagsFor(const TMenuItem& item, bool lRoot, bool inserting) const;
  // Hung under another menu's entry, whose destruction destroys it too.
  bool attached_ = false;
};

// The loader's variant: every active command item of a pop-up menu is
// owner-drawn on NT-based systems, not only items with a bitmap.
void SetMenuOwnerDrawAll(bool on);

// The builders with which programs declare nested menus top-down.
rt::Value MENUBEGIN(bool lPopup = false, bool lSystem = false, const rt::Value& oWnd = {});
rt::Value MENUADDITEM(rt::Args args);
rt::Value MENUEND();
rt::Value LASTMENU();
rt::Value LASTITEMPOS();

}  // namespace ctl
