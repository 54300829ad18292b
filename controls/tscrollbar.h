#pragma once
// A scroll bar: a scroll-bar control of its own, or the object that stands
// for a window's built-in vertical or horizontal bar (lIsChild). It keeps the
// range and page step and runs the user's blocks as the bar is scrolled.

#include <string>

#include "core/tcontrol.h"

namespace controls {

struct ScrollBarArgs {
  rt::Value nRow, nCol, nMin, nMax, nPgStep, lVertical, oWnd, nWidth, nHeight, bGoUp, bGoDown, bPageUp, bPageDown,
      bPos, lPixel, nClrText, nClrBack, cMsg, lUpdate, bWhen, bValid, lDesign;
};

// WinNew's arguments: a window's own bar.
struct WinScrollBarArgs {
  rt::Value nMin, nMax, nPgStep, lVertical, oWnd, bGoUp, bGoDown, bPageUp, bPageDown, bPos, nClrText, nClrBack,
      lUpdate, bWhen, bValid;
};

struct ScrollBarRedefineArgs {
  rt::Value nId, nMin, nMax, nPgStep, oWnd, bGoUp, bGoDown, bPageUp, bPageDown, bPos, nClrText, nClrBack, cMsg,
      lUpdate, bWhen, bValid;
};

// The library's scroll messages, sent by the owner for the native
// notifications.
enum ScrollMessage : UINT {
  WM_VD_GOUP = 0x801,
  WM_VD_GODOWN = 0x802,
  WM_VD_PAGEUP = 0x803,
  WM_VD_PAGEDOWN = 0x804,
  WM_VD_THUMBPOS = 0x80A,
  WM_VD_THUMBTRACK = 0x80E,
};

class TScrollBar : public core::TControl {
 public:
  RT_CLASS_DECL()

  bool lVertical = false, lReDraw = true, lIsChild = false;
  long nMin = 0, nMax = 0, nPgStep = 1;
  rt::Value bGoUp, bGoDown, bGoTop, bGoBottom, bPageUp, bPageDown, bPos, bTrack;

  TScrollBar& New(const ScrollBarArgs& args = {});
  TScrollBar& WinNew(const WinScrollBarArgs& args = {});
  TScrollBar& ReDefine(const ScrollBarRedefineArgs& args);

  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "SCROLLBAR" : cClass);
  }
  void Initiate(HWND hDlg) override;

  long GetPos() const;
  // {nMin, nMax} as the system has them.
  rt::Value GetRange() const;
  void SetPos(long n);
  void SetRange(long min, long max);
  // The page size is kept in nPgStep; the native bar's page is not used.
  void SetPage(long) {}

  void GoUp();
  void GoDown();
  void GoTop();
  void GoBottom();
  void PageUp();
  void PageDown();
  // The thumb released at, or dragged to, position n. The notification
  // carries 16 bits: a bar whose range is wider reads the full position.
  void ThumbPos(long n);
  void ThumbTrack(long n);

  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value Destroy() override;

 private:
  // The window and bar every native call addresses.
  HWND Target() const;
  int Bar() const;
  long FullPosition(long n) const;
  void Blocks(const rt::Value& up, const rt::Value& down, const rt::Value& pageUp, const rt::Value& pageDown,
              const rt::Value& pos);
};

}  // namespace controls
