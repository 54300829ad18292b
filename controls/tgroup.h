#pragma once
// A group box: the native frame with a label around other controls.

#include "core/tcontrol.h"

namespace controls {

struct GroupArgs {
  rt::Value nTop, nLeft, nBottom, nRight, cLabel, oWnd, nClrText, nClrBack, lPixel, lDesign, oFont, lTransparent;
};

class TGroup : public core::TControl {
 public:
  RT_CLASS_DECL()

  TGroup& New(const GroupArgs& args = {});
  TGroup& ReDefine(const rt::Value& nId, const rt::Value& cLabel, const rt::Value& oWnd, const rt::Value& nClrText = {},
                   const rt::Value& nClrBack = {}, const rt::Value& oFont = {}, bool lTransparent = false);
  std::string cToChar(const std::string& cClass = {}) override { return TControl::cToChar(cClass.empty() ? "BUTTON" : cClass); }
  void Initiate(HWND hDlg) override;
  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

 private:
  void Colours(const rt::Value& nClrText, const rt::Value& nClrBack, const rt::Value& oFont, bool lTransparent);
};

}  // namespace controls
