#pragma once
// The memo field: a native multi-line EDIT bound to a character variable.
// The window holds the text; the variable is rewritten with the whole
// window text after every character and every clipboard or undo action.
// Read-only is kept by the control's own key handling, not by a native
// style, so that the text can still be selected and copied.

#include <memory>
#include <string>

#include "core/tcontrol.h"

namespace ctl {
class TMenu;
}

namespace controls {

struct MultiGetArgs {
  rt::Value nRow, nCol, bSetGet, oWnd, nWidth, nHeight, oFont, lHScroll, nClrFore, nClrBack, oCursor, lPixel, cMsg,
      lUpdate, bWhen, lCenter, lRight, lReadOnly, bValid, bChange, lDesign, lNoBorder, lNoVScroll;
};

struct MultiGetRedefineArgs {
  rt::Value nId, bSetGet, oWnd, nHelpId, nClrFore, nClrBack, oFont, oCursor, cMsg, lUpdate, bWhen, lReadOnly, bValid,
      bChange;
};

class TMultiGet : public core::TControl {
 public:
  RT_CLASS_DECL()

  bool lReadOnly = false;
  long nPos = 0;
  long hHeap = 0;

  TMultiGet& New(const MultiGetArgs& args = {});
  TMultiGet& ReDefine(const MultiGetRedefineArgs& args);
  void Initiate(HWND hDlg) override;
  void Default() override;
  rt::Value Destroy() override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "EDIT" : cClass);
  }

  // Text and value.
  std::string cText() const { return GetText(); }
  void cText(const std::string& text);
  void Refresh();
  long Len() const;
  void Replace(const std::string& text);
  void Append(const std::string& text);
  bool SaveToFile(const std::string& cFile) const;
  rt::Value UnDo() override;

  // Lines: LineIndex counts from 0; GetLine, GetRow, GetCol and GoTo from 1.
  long GetLineCount() const;
  long LineIndex(long nLine) const;
  std::string GetLine(long nLine) const;
  long GetRow() const;
  long GetCol() const;
  void GoTo(long nLine);
  void GoBottom();
  void DelLine(long nRow = 0);

  // Selection; character positions from 1, native bounds from 0.
  std::string GetSel() const;
  void GetSelPos(long& nStart, long& nEnd) const;
  void SetPos(long nStart, long nEnd = -1);
  void SetSel(long nStart, long nEnd);
  rt::Value SelectAll() override {
    SetSel(0, -1);
    return {};
  }
  void HideSel() { SetSel(-1, 0); }
  rt::Value Find() override;

  // The clipboard.
  rt::Value Copy() override;
  rt::Value Cut() override;
  rt::Value Paste() override { return Paste(rt::Value()); }
  rt::Value Paste(const rt::Value& cText);
  rt::Value Del();

  void DlgGoLine();
  // The lines on the printer, 60 to a page, as the document "Notes". The
  // printer layer sits above this one and is reached by name; answers
  // whether a printer took the job.
  bool Print();
  // The right-click menu as it is for the memo's state now.
  std::shared_ptr<ctl::TMenu> EditMenu();

  void Move(int top, int left, int width = 0, int height = 0, bool repaint = false);
  void AdjClient();
  // New coordinates, and the formatting rectangle follows.
  void SetCoors(const gfx::TRect& rect);

  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  // The native edit scrolls itself.
  rt::Value VScroll(LPARAM, LPARAM) override { return {}; }
  rt::Value HScroll(LPARAM, LPARAM) override { return {}; }

  // The window text into the variable.
  void Store();

 private:
  LRESULT Native(UINT nMsg, WPARAM nWParam, LPARAM nLParam);
  void Changed(const rt::Value& nKey, const rt::Value& nFlags);
  void Limit();
};

}  // namespace controls
