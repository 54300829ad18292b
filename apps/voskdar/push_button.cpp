#include "apps/voskdar/push_button.h"

#include "controls/control_owner.h"

namespace voskdar {

PushButton& PushButton::New(const rt::Value& owner, const PushButtonArgs& a) {
  oWnd = controls::OwnerOr(owner);
  cCaption = a.cCaption;
  bAction = a.bAction;
  cToolTip = a.cToolTip;
  nTop = a.nTop;
  nLeft = a.nLeft;
  nBottom = a.nTop + a.nHeight;
  nRight = a.nLeft + a.nWidth;
  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (a.lDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  controls::Place(*this, "BUTTON");
  return *this;
}

void PushButton::Default() {
  TControl::Default();
  const auto owner = Container();
  if (hWnd && owner && owner->oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(owner->oFont->hFont), 0);
}

rt::Value PushButton::Click() {
  // The action may end the window that holds the button: keep it alive.
  const auto self = Self();
  if (bAction.IsBlock()) bAction.Eval(self);
  return TControl::Click();
}

const rt::ClassInfo& PushButton::ClassDef() {
  static const rt::ClassInfo info("VDPUSHBUTTON", &TControl::ClassDef(), rt::FactoryOf<PushButton>(),
                                  [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(PushButton);

}  // namespace voskdar
