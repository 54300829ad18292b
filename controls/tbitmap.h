#pragma once
// A picture in a child window: from a resource, a file or the clipboard,
// natural size, zoomed or stretched, scrolled with its own scroll bars when
// it is larger than the window; controls placed on it move with it.

#include <string>

#include "controls/picture.h"
#include "core/tcontrol.h"

namespace controls {

class TScrollBar;

struct BitmapArgs {
  rt::Value nTop, nLeft, nWidth, nHeight, cResName, cBmpFile, lNoBorder, oWnd, bLClicked, bRClicked, lScroll,
      lStretch, oCursor, uUnused, lUpdate, bWhen, lPixel, bValid, lDesign;
};

struct BitmapRedefineArgs {
  rt::Value nId, cResName, cBmpFile, oWnd, bLClicked, bRClicked, lScroll, lStretch, oCursor, uUnused, lUpdate, bWhen,
      bValid, lTransparent;
};

class TBitmap : public core::TControl {
 public:
  RT_CLASS_DECL()

  // Drawing offsets of the picture (0 or negative): nX vertical, nY
  // horizontal, and their values before the last step.
  int nX = 0, nY = 0, nOldX = 0, nOldY = 0;
  Picture picture;
  std::string cBmpFile, cResName;
  bool lScroll = false, lStretch = false;
  rt::Value aHotAreas;
  int nVStep = 1, nHStep = 1, nZoom = 1;
  bool lTransparent = false;

  TBitmap& New(const BitmapArgs& args = {});
  // A picture holder without a window.
  TBitmap& Define(const rt::Value& cResName, const std::string& cBmpFile, const rt::Value& oWnd = {});
  TBitmap& ReDefine(const BitmapRedefineArgs& args);
  void Default() override;
  void Initiate(HWND hDlg) override;

  // A resource wins over a file; on success the old picture is freed.
  bool LoadImage(const rt::Value& resName, const std::string& bmpFile);
  void ReLoad(const rt::Value& resName, const std::string& bmpFile = {});
  void SetBMP(const rt::Value& resName) { ReLoad(resName); }
  void LoadBMP(const std::string& bmpFile);
  void LoadFromClipboard();
  bool CopyToClipboard();
  // Sets the zoom factor when n is 1 or more (anything else is refused);
  // the factor in force.
  int Zoom(const rt::Value& n = {});
  void Center();

  // The picture's size times the zoom (the window's size in design mode).
  long PictureWidth() const;
  long PictureHeight() const;
  long nXExtra() const { return PictureHeight() - nHeight() + 1; }
  long nYExtra() const { return PictureWidth() - nWidth() + 1; }

  void ScrollAdjust();
  void ScrollUp();
  void ScrollDown();
  void ScrollLeft();
  void ScrollRight();
  void PageUp();
  void PageDown();
  void PageLeft();
  void PageRight();
  // Moves the controls on the picture by the offsets' change since the last
  // step, last to first with lReverse.
  void AdjControls(bool lReverse = false);
  rt::Value Inspect(const std::string& cDataName) override;

  rt::Value Display() override;
  rt::Value Paint() override;
  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value Command(LPARAM nWParam, LPARAM nLParam) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value ReSize(long nSizeType, long nWidth, long nHeight) override;
  rt::Value VScroll(LPARAM nWParam, LPARAM nLParam) override;
  rt::Value HScroll(LPARAM nWParam, LPARAM nLParam) override;
  rt::Value Destroy() override;

 private:
  bool lScrollGiven_ = false;
  // Takes the arguments New and ReDefine share.
  template <class Args>
  void TakeArgs(const Args& a);
  int VStep() const { return nVStep < 1 ? 1 : nVStep; }
  int HStep() const { return nHStep < 1 ? 1 : nHStep; }
  bool HasRange(const rt::Value& bar) const;
  // The visible height and width: the window less a scroll bar that has a
  // range.
  long VisibleHeight() const;
  long VisibleWidth() const;
  void Repaint();
  // One step of one of the picture's own scroll bars.
  static void Step(const rt::Value& bar, void (TScrollBar::*step)());
  // What a direction of scrolling moves: the vertical and the horizontal
  // one differ only in these.
  struct Axis;
  static const Axis kVertical, kHorizontal;
  // A line or a page on towards the picture's end, or back to its start.
  void LineOn(const Axis& axis);
  void LineBack(const Axis& axis);
  void PageOn(const Axis& axis);
  void PageBack(const Axis& axis);
  rt::Value ScrollMessage(LPARAM nWParam, const Axis& axis);
};

}  // namespace controls
