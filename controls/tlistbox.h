#pragma once
// The list box: the native list bound to a variable (the chosen entry's
// 1-based position when the variable is numeric, its text otherwise).
// aItems mirrors the native list entry for entry; owner drawing puts a
// bitmap beside each text; a directory mask can fill it with file names.

#include <string>

#include "controls/list_bitmaps.h"
#include "core/tcontrol.h"

namespace controls {

struct ListBoxArgs {
  rt::Value nRow, nCol, bSetGet, aItems, nWidth, nHeight, bChange, oWnd, bValid, nClrFore, nClrBack, lPixel, lDesign,
      bLDblClick, oFont, cMsg, lUpdate, bWhen, aBitmaps, bDrawItem, lMulti, lSort;
};

struct ListBoxRedefineArgs {
  rt::Value nId, bSetGet, aItems, bChange, oWnd, nHelpId, aBitmaps, bValid, cFileSpec, nClrFore, nClrBack, bLDblClick,
      cMsg, lUpdate, bWhen, bDrawItem;
};

class TListBox : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value aItems = rt::Value::Array();
  bool lOwnerDraw = false;
  std::string cFileSpec;
  rt::Value bDrawItem;

  int nBmpWidth() const { return bitmaps_.nWidth; }
  int nBmpHeight() const { return bitmaps_.nHeight; }
  const rt::Value& aBitmaps() const { return bitmaps_.aBitmaps; }

  TListBox& New(const ListBoxArgs& args = {});
  TListBox& ReDefine(const ListBoxRedefineArgs& args);
  void Initiate(HWND hDlg) override;
  void Default() override;
  rt::Value Destroy() override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "LISTBOX" : cClass);
  }
  std::string cGenPrg();

  // The choice; positions are 1-based, 0 is none.
  rt::Value Change() override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  void Select(long nAt);
  void GoTop() { Select(1); }
  void GoBottom() { Select(Len()); }
  void Set(const std::string& cText);
  long GetPos() const;
  // No caller needs more of it than the position of the chosen entry.
  long GetSel() const { return GetPos(); }
  std::string GetSelText() const { return GetItem(GetPos()); }
  long Len() const;
  std::string GetItem(long nAt) const;

  // Editing the entries; a position outside 1..Len does nothing.
  void Add(const rt::Value& cItem, long nAt = 0);
  void Insert(const rt::Value& cItem, long nAt = 0);
  void Modify(const rt::Value& cItem, long nAt = 0);
  void Del(long nAt = 0);
  void SetItems(const rt::Value& aNew);
  void Reset();
  void SwapUp();
  void SwapDown();

  // Multiple selection.
  bool IsMultipleSel() const { return (nStyle & LBS_MULTIPLESEL) != 0; }
  void SetSel(long nAt, bool lOn = true);
  long GetSelCount() const;
  rt::Value GetSelItems() const;
  void SetSelItems(const rt::Value& aPos);
  rt::Value aSelections() const;

  // Owner drawing.
  void SetBitmaps(const rt::Value& aNames);
  rt::Value DrawItem(LPARAM nId, LPARAM pDrawItem) override;
  rt::Value FillMeasure(LPARAM pMeasure) override;
  // Double-buffered with the brush, or the native list's background.
  rt::Value Paint() override;
  rt::Value Display() override;
  rt::Value EraseBkGnd(LPARAM) override { return rt::Value(1); }

  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  // The native list scrolls itself.
  rt::Value VScroll(LPARAM, LPARAM) override { return {}; }

 private:
  void Store(long nAt);
  void Swap(long nAt, long nOther);
  void FillFromMask();
  void ItemHeight();

  ListBitmaps bitmaps_;
};

}  // namespace controls
