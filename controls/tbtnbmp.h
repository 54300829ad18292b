#pragma once
// A bitmap button: an owner-painted button with up to three pictures
// (normal, pressed, disabled) and an optional caption, for dialogs, windows
// and the button bar. Flat buttons raise their border while the mouse is
// over them; a press shows the pressed look until the release; a button can
// stay toggled down; a drop-down menu opens from an arrow at its right edge.

#include <string>

#include "controls/picture.h"
#include "core/tcontrol.h"

namespace controls {

struct BtnBmpArgs {
  rt::Value nTop, nLeft, nWidth, nHeight, cResName1, cResName2, cBmpFile1, cBmpFile2, bAction, oWnd, cMsg, bWhen,
      lAdjust, lUpdate, cCaption, oFont, cResName3, cBmpFile3, lBorder, cLayout;
};

struct BtnBmpBarArgs {
  rt::Value cResName1, cResName2, cBmpFile1, cBmpFile2, cMsg, bAction, lGroup, oBar, lAdjust, bWhen, cToolTip,
      lPressed, bDropOver, cAction, nPos, cCaption, oFont, cResName3, cBmpFile3, lBorder, oPopup, cLayout;
};

struct BtnBmpRedefineArgs {
  rt::Value nId, cResName1, cResName2, cBmpFile1, cBmpFile2, cMsg, bAction, oWnd, lAdjust, bWhen, lUpdate, cToolTip,
      cCaption, oFont, cResName3, cBmpFile3, lBorder, cLayout;
};

// The caption place of a layout word: 1-4 for "TOP", "LEFT", "BOTTOM",
// "RIGHT" (exact words), 0 (centred) for anything else.
int LayoutOf(const rt::Value& word);

// The width of the drop-down arrow's strip at the right edge.
inline constexpr int kDropDownWidth = 13;

class TBtnBmp : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value bAction;
  std::string cAction;
  bool lPressed = false, lAdjust = false, lGroup = false;
  bool lWorking = false, lBtnUp = false, lBtnDown = false;
  Picture picture1, picture2, picture3;
  std::string cResName1, cResName2, cResName3;
  std::string cBmpFile1, cBmpFile2, cBmpFile3;
  bool lProcessing = false, lBorder = true;
  rt::Value oPopup;
  int nLayout = 0;

  TBtnBmp& New(const BtnBmpArgs& args = {});
  TBtnBmp& NewBar(const BtnBmpBarArgs& args);
  TBtnBmp& ReDefine(const BtnBmpRedefineArgs& args);

  rt::Value Click() override;
  void LoadBitmaps(const rt::Value& res1, const rt::Value& res2, const std::string& file1,
                   const std::string& file2, const rt::Value& res3 = {}, const std::string& file3 = {});
  void FreeBitmaps();
  void SetFile(const std::string& file1, const std::string& file2 = {});
  void Initiate(HWND hDlg) override;
  std::string cGenPRG() const;

  void Disable();
  void Enable();
  void GoUp();
  void GoDown();
  void ResetBorder();
  void Toggle();

  rt::Value Display() override;
  rt::Value EraseBkGnd(LPARAM) override { return rt::Value(1); }
  rt::Value Paint() override;
  rt::Value Destroy() override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;

 protected:
  // Draws over the finished face, before the focus rectangle, into the
  // same (buffered) DC: w and h are the button's client size.
  virtual void PaintOver(HDC, int /*w*/, int /*h*/) {}

 private:
  // In design mode or while a drag cursor is set the mouse belongs to the
  // base control.
  bool MouseToBase() const;
  // The release without the user's block: the capture ends, the look
  // follows the toggle state, and a release over the button clicks or
  // opens the drop-down menu.
  void Release(long nRow, long nCol);
  void OpenDropDown();
  void Repaint();
  bool HasFocusRect() const;
};

}  // namespace controls
