#pragma once
// The grid's scroll bar: either the window's own vertical or horizontal bar
// (a child bar, made with WinNew) or a scroll-bar control (New, ReDefine).
// The container's private scroll notifications run its moves, and each
// move runs the block the program gave for it.

#include <string>

#include "core/tcontrol.h"

namespace grid {

// The private notifications a container sends its scroll bars.
enum ScrollMessage : UINT {
  WM_VD_SCROLLUP = 0x801,
  WM_VD_SCROLLDOWN = 0x802,
  WM_VD_SCROLLPAGEUP = 0x803,
  WM_VD_SCROLLPAGEDOWN = 0x804,
  WM_VD_THUMBPOS = 0x80A,
  WM_VD_THUMBTRACK = 0x80E,
};

// The 22 arguments of New, in order.
struct ScrlBarArgs {
  rt::Value nRow, nCol, nMin, nMax, nPgStep, lVertical, oWnd, nWidth, nHeight, bUpAct, bDownAct, bPgUp, bPgDown,
      bPos, lPixel, nClrText, nClrBack, cMsg, lUpdate, bWhen, bValid, lDesign;
};

// The 15 arguments of WinNew, in order.
struct ScrlBarWinArgs {
  rt::Value nMin, nMax, nPgStep, lVertical, oWnd, bUpAction, bDownAction, bPgUp, bPgDown, bPos, nClrText, nClrBack,
      lUpdate, bWhen, bValid;
};

class TGBScrlBar : public core::TControl {
 public:
  RT_CLASS_DECL()

  bool lVertical = false, lReDraw = false, lIsChild = false;
  long nMin = 0, nMax = 0, nPgStep = 0;
  rt::Value bGoUp, bGoDown, bGoTop, bGoBottom, bPageUp, bPageDown, bPos, bTrack;
  bool l32Bit = false, lShowDisabled = false;

  static const rt::Value& aProperties();

  TGBScrlBar& New(const ScrlBarArgs& args = {});
  TGBScrlBar& WinNew(const ScrlBarWinArgs& args = {});
  // A horizontal scroll-bar control of a dialog resource.
  TGBScrlBar& ReDefine(long nId, const rt::Value& nMin, const rt::Value& nMax, const rt::Value& nPgStep,
                       const rt::Value& oWnd, const rt::Value& bUp = {}, const rt::Value& bDown = {},
                       const rt::Value& bPgUp = {}, const rt::Value& bPgDown = {}, const rt::Value& bPos = {},
                       const rt::Value& nClrText = {}, const rt::Value& nClrBack = {}, const rt::Value& cMsg = {},
                       const rt::Value& lUpdate = {}, const rt::Value& bWhen = {}, const rt::Value& bValid = {});

  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "SCROLLBAR" : cClass);
  }
  void Initiate(HWND hDlg) override;

  int GetPos() const;
  rt::Value GetRange() const;
  void SetPos(int nPos);
  void SetRange(int nMin, int nMax);
  // Whether the bar already shows this position (SIF_POS) or range.
  bool Shows(UINT what, int first, int second = 0) const;
  void SetPage(int nSize, bool lRedraw = false);
  // .F. when asked on and the system is not of the Windows 95 family, else
  // the answer asked for; changes nothing.
  bool SetMode(bool lOn = true);

  void GoUp();
  void GoDown();
  void GoTop();
  void GoBottom();
  void PageUp();
  void PageDown();
  void ThumbPos(int nPos);
  void ThumbTrack(int nPos);

  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;

  // The window whose bar this is, and which of its bars (0 horizontal,
  // 1 vertical, 2 the control itself).
  HWND BarWindow() const;
  int BarKind() const;
};

}  // namespace grid
