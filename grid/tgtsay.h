#pragma once
// A transparent text label with picture, 3-D (raised, sunken, shaded) text
// and blinking, and MSGBLINK, the queued blinking notice built on it.

#include <functional>
#include <memory>
#include <string>

#include "core/tcontrol.h"
#include "services/timer.h"

namespace grid {

// The 19 arguments of New, in order; the ninth is not used.
struct TSayArgs {
  rt::Value nRow, nCol, bText, oWnd, cPicture, oFont, lCentered, lRight, uUnused, lPixels, aColors, nWidth,
      nHeight, lDesign, lUpdate, lShaded, cBox, aBlink, bWhen;
};

class TGTSay : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value aColors, aBlink, bGet, blWhen, bEnd, cPicture;
  rt::Value lRaised;  // .T. raised, .F. sunken, NIL plain
  bool lShaded = false, lRepaint = false, lCentered = false, lRight = false, lWantClick = false;
  rt::Value lBlink;  // the blink phase; NIL once blinking stopped
  bool lPainted = false, lHidden = false, lMulti = false;
  long nBlinkTot = 0;
  rt::Value nMaxBlink;
  long nClrBlink = 0;
  std::shared_ptr<svc::TTimer> oBlink;

  TGTSay& New(const TSayArgs& args = {});
  TGTSay& ReDefine(long nId, const rt::Value& bText, const rt::Value& oWnd, const rt::Value& cPicture = {},
                   const rt::Value& aColors = {}, const rt::Value& lUpdate = {}, const rt::Value& oFont = {},
                   const rt::Value& lShaded = {}, const rt::Value& cBox = {}, const rt::Value& aBlink = {},
                   const rt::Value& bWhen = {});
  void Default() override;
  void Initiate(HWND hDlg) override;
  // Ends the blink timer; the label blinks no more.
  rt::Value Destroy() override;
  rt::Value Display() override;
  void End();
  rt::Value Paint() override;
  void Refresh(bool lErase = true);
  void SetText(const rt::Value& u);
  void SetBlink(const rt::Value& nClr = {}, const rt::Value& nInterval = {}, const rt::Value& nMaxTime = {});
  void StopBlink();
  void VarPut(const rt::Value& u) override;

  rt::Value EraseBkGnd(LPARAM hDC) override;

  // Run once when the label's window goes, however it goes (its own End,
  // the end of blinking, or its window closing).
  void OnGone(std::function<void()> hook) { onGone_ = std::move(hook); }

 private:
  void BlinkTick();
  std::string CaptionOf(const rt::Value& u) const;
  rt::Value Colour(std::size_t n);
  bool blinkAsked_ = false;
  bool painting_ = false;
  std::function<void()> onGone_;
};

// Shows a blinking notice in the window (the default window without one):
// one notice at a time, later calls queue in call order. ";" starts a new
// line. Defaults: green blink, sound on, 3000 ms, bold "Arial" -16.
void MSGBLINK(const rt::Value& cText, const rt::Value& oWnd = {}, const rt::Value& nRow = {},
              const rt::Value& nCol = {}, const rt::Value& nClrBlink = {}, const rt::Value& lSound = {},
              const rt::Value& nTime = {}, const rt::Value& oFont = {});
// The notice showing now, or null.
std::shared_ptr<TGTSay> MsgBlinkLabel();
// Number of notices waiting.
std::size_t MsgBlinkQueued();

}  // namespace grid
