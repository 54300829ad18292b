#pragma once
// The single-line edit field: a native EDIT window whose text belongs to a
// TClipGet. The Get formats the value with the picture, takes or refuses
// each typed character and skips the picture's literals; the control feeds
// it keys and clicks, keeps the window's text and caret in step and writes
// the value back through bSetGet.

#include <string>

#include "controls/tclipget.h"
#include "core/tcontrol.h"

namespace controls {

// New's arguments in their order.
struct GetArgs {
  rt::Value nRow, nCol, bSetGet, oWnd, nWidth, nHeight, cPicture, bValid, nClrFore, nClrBack, oFont, lDesign,
      oCursor, lPixel, cMsg, lUpdate, bWhen, lCenter, lRight, bChanged, lReadOnly, lPassword, lNoBorder, nHelpId,
      lSpinner, bUp, bDown, bMin, bMax;
};

// ReDefine's arguments in their order.
struct GetRedefineArgs {
  rt::Value nId, bSetGet, oWnd, nHelpId, cPicture, bValid, nClrFore, nClrBack, oFont, oCursor, cMsg, lUpdate,
      bWhen, bChanged, lReadOnly, lSpinner, bUp, bDown, bMin, bMax;
};

class TGet : public core::TControl {
 public:
  RT_CLASS_DECL()

  std::shared_ptr<TClipGet> oGet;
  rt::Value bMin, bMax;
  long nClrDef = 0;
  int nPos = 1;
  bool lReadOnly = false, lPassword = false;
  std::string cError;
  long hHeap = 0;
  rt::Value cPicture;

  TGet& New(const GetArgs& args = {});
  TGet& ReDefine(const GetRedefineArgs& args);
  void Initiate(HWND hDlg) override;
  void Default() override;
  rt::Value Destroy() override;
  std::string cToChar(const std::string& cClass = {}) override { return TControl::cToChar(cClass.empty() ? "EDIT" : cClass); }

  // Value access.
  std::string cText() const { return GetText(); }
  void _cText(const rt::Value& u);
  rt::Value Value() { return VarGet(); }
  void VarPut(const rt::Value& u) override;
  void Assign() { oGet->Assign(); }
  void Refresh();
  rt::Value UnDo() override {
    SetWindowTextA(hWnd, PutText(oGet->Original()).c_str());
    return rt::Value();
  }
  void DispText();
  void EditUpdate();
  TGet& GoHome();

  // Selection and caret; positions 1-based, native bounds 0-based.
  std::string GetSel() const;
  void GetSelPos(long& nStart, long& nEnd) const;
  void GetDelSel(long nStart, long nEnd);
  void SetPos(int nStart = 1, int nEnd = -1);
  void SetSel(int nStart = 1, int nEnd = -1);
  rt::Value SelectAll() override {
    SetSel(0, -1);
    return rt::Value();
  }
  void HideSel() { SetSel(-1, 0); }
  void SetMargins(int nLeft = 0, int nRight = 0);
  rt::Value GetMargins() const;

  // The clipboard. Copy and Cut leave it alone when nothing is selected;
  // pasted text goes into the buffer through the picture, its first line
  // only, and the buffer keeps its length.
  rt::Value Copy() override;
  rt::Value Cut() override;
  rt::Value Paste() override { return Paste(rt::Value()); }
  rt::Value Paste(const rt::Value& cText);

  // The spinner: a vertical scroll bar inside the field whose arrows step the
  // value (bUp and bDown default to Increment and Decrement).
  void Spinner(const rt::Value& bUp = {}, const rt::Value& bDown = {}, const rt::Value& bMin = {},
               const rt::Value& bMax = {});

  bool lValid();
  std::string cGenPrg() const;
  void Move(int top, int left, int width = 0, int height = 0, bool repaint = false);

  // Spinner steps.
  TGet& Increment();
  TGet& Decrement();
  void ScrollNumber(int n);
  void ScrollDate(int n);

  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value KeyUp(long nKey, long nFlags) override;
  // In design mode the field is refreshed before the base class lays out.
  rt::Value ReSize(long nSizeType, long nWidth, long nHeight) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  // The file dialog; a chosen name goes into the variable. The mask defaults
  // to the variable's text, else "*.*".
  std::string SelFile(const std::string& cMask = {}, const std::string& cTitle = {});
  rt::Value EraseBkGnd(LPARAM) override { return rt::Value(1); }
  // Paints through a memory DC: the brush or the native background, then
  // the native edit's own painting, then bPainted; no flicker while typing.
  rt::Value Paint() override;
  rt::Value Display() override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

 private:
  std::string PutText(const rt::Value& u) const;
  long NativeCaret() const;  // 0-based end of the native selection
  LRESULT Native(UINT nMsg, WPARAM nWParam, LPARAM nLParam);
  void MoveFocus(bool forward);
  void StepValue(int n);
  // Runs f with the Get holding the focus, as editing needs.
  template <class F>
  void Editing(F f);
  // The spinner asked by ReDefine, made when the dialog makes the window.
  rt::Value spin_;
};

// The edit window's formatting rectangle reset to its client area.
void MOVEGET(HWND hWnd);

}  // namespace controls
