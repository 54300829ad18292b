#pragma once
// The search dialog's push buttons: the native push button with a caption,
// an action run on every click and an optional default-button look. The
// program's own small button until the library's button class serves it.

#include <string>

#include "core/tcontrol.h"

namespace voskdar {

struct PushButtonArgs {
  int nTop = 0, nLeft = 0, nWidth = 0, nHeight = 0;  // pixels
  std::string cCaption;
  rt::Value bAction;  // evaluated with the button
  bool lDefault = false;
  std::string cToolTip;
};

class PushButton : public core::TControl {
 public:
  RT_CLASS_DECL()
  rt::Value bAction;

  PushButton& New(const rt::Value& oWnd, const PushButtonArgs& args);
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "BUTTON" : cClass);
  }
  void Default() override;
  rt::Value Click() override;
};

}  // namespace voskdar
