#include "controls/tradio.h"

#include "controls/check_state.h"
#include "controls/control_owner.h"
#include "services/int32.h"

namespace controls {
namespace {

// Without a text colour both colours are the owner's.
std::pair<rt::Value, rt::Value> GroupColours(const rt::Value& owner, const rt::Value& text, const rt::Value& pane) {
  if (!text.IsNil()) return {text, pane};
  const auto window = owner.As<core::TWindow>();
  if (!window) return {text, pane};
  return {rt::Value(window->nClrText), rt::Value(window->nClrPane)};
}

}  // namespace

rt::Value HelpIds(const rt::Value& aHelpIds, long count) {
  rt::Value ids = rt::Value::Array();
  const bool given = aHelpIds.IsArray() && aHelpIds.Len() > 0;
  for (long i = 1; i <= count; ++i) {
    if (!given) {
      ids.Items().push_back(rt::Value(99 + i));
    } else if (static_cast<std::size_t>(i) <= aHelpIds.Len()) {
      ids.Items().push_back(aHelpIds.At(static_cast<std::size_t>(i)));
    } else {
      ids.Items().push_back(aHelpIds.At(1));
    }
  }
  return ids;
}

long TRadMenu::ValidOption(const rt::Value& v) const {
  const long n = v.IsNumber() ? svc::ToInt32(v) : 0;
  return n >= 1 && n <= Count() ? n : 1;
}

TRadMenu& TRadMenu::New(const RadMenuArgs& a) {
  bSetGet = a.bSetGet;
  bChange = a.bChange;
  cMsg = a.cMsg;
  lUpdate = IsTrue(a.lUpdate);
  const rt::Value owner = OwnerOr(a.oWnd);
  const auto [text, pane] = GroupColours(owner, a.nClrText, a.nClrPane);
  const long count = a.acItems.IsArray() ? static_cast<long>(a.acItems.Len()) : 0;
  const rt::Value helpIds = HelpIds(a.aHelpIds, count);
  const bool pixel = IsTrue(a.lPixel);
  const long height = a.nHeight.IsNumber() ? svc::ToInt32(a.nHeight) : 13;
  const long step = pixel ? height : (a.nHeight.IsNumber() ? height / 13 : 1);
  // Counted against the prompts: a variable outside them names option 1.
  const rt::Value var = bSetGet.IsBlock() ? bSetGet.Eval() : rt::Value();
  const long value = var.IsNumber() ? svc::ToInt32(var) : 0;
  const long option = value >= 1 && value <= count ? value : 1;
  if (count > 0 && option != value && bSetGet.IsBlock()) bSetGet.Eval(rt::Value(option));
  for (long i = 1; i <= count; ++i) {
    auto radio = std::make_shared<TRadio>();
    RadioArgs r;
    r.nRow = rt::Value(svc::ToInt32(a.nRow) + (i - 1) * step);
    r.nCol = a.nCol;
    r.cPrompt = a.acItems.At(static_cast<std::size_t>(i));
    r.lGroup = i == 1;
    r.lChecked = i == option;
    r.nPos = i;
    r.oWnd = owner;
    r.oRadMenu = Self();
    r.nHelpId = helpIds.At(static_cast<std::size_t>(i));
    r.nClrText = text;
    r.nClrPane = pane;
    r.cMsg = cMsg;
    r.lUpdate = lUpdate;
    r.bWhen = a.bWhen;
    r.nWidth = a.nWidth;
    r.nHeight = a.nHeight;
    r.bValid = a.bValid;
    r.lDesign = a.lDesign;
    r.lPixel = a.lPixel;
    radio->New(r);
    aItems.Items().push_back(rt::Value(radio));
  }
  if (IsTrue(a.l3D)) Set3DLook();
  return *this;
}

TRadMenu& TRadMenu::Redefine(const rt::Value& setGet, const rt::Value& oWnd, const rt::Value& aHelpIds,
                             const rt::Value& aIds, const rt::Value& change, const rt::Value& nClrText,
                             const rt::Value& nClrPane, const rt::Value& msg, const rt::Value& update,
                             const rt::Value& when, const rt::Value& valid) {
  bSetGet = setGet;
  bChange = change;
  cMsg = msg;
  lUpdate = IsTrue(update);
  const rt::Value owner = OwnerOr(oWnd);
  const auto [text, pane] = GroupColours(owner, nClrText, nClrPane);
  const long count = aIds.IsArray() ? static_cast<long>(aIds.Len()) : 0;
  const rt::Value helpIds = HelpIds(aHelpIds, count);
  const rt::Value var = bSetGet.IsBlock() ? bSetGet.Eval() : rt::Value();
  const long value = var.IsNumber() ? svc::ToInt32(var) : 0;
  const long option = value >= 1 && value <= count ? value : 1;
  if (option != value && bSetGet.IsBlock()) bSetGet.Eval(rt::Value(option));
  for (long i = 1; i <= count; ++i) {
    auto radio = std::make_shared<TRadio>();
    radio->Redefine(aIds.At(static_cast<std::size_t>(i)), rt::Value(i == option), rt::Value(i), owner, Self(),
                    helpIds.At(static_cast<std::size_t>(i)), text, pane, cMsg, rt::Value(lUpdate), when, valid);
    aItems.Items().push_back(rt::Value(radio));
  }
  return *this;
}

TRadMenu& TRadMenu::Define(const rt::Value& setGet, const rt::Value& change, const rt::Value& msg,
                           const rt::Value& update) {
  bSetGet = setGet;
  bChange = change;
  cMsg = msg;
  lUpdate = IsTrue(update);
  aItems = rt::Value::Array();
  return *this;
}

void TRadMenu::AddRadio(const rt::Value& oRadio) { aItems.Items().push_back(oRadio); }

std::shared_ptr<TRadio> TRadMenu::Radio(long n) const {
  if (n < 1 || n > Count()) return nullptr;
  return aItems.At(static_cast<std::size_t>(n)).As<TRadio>();
}

long TRadMenu::nOption() {
  const rt::Value v = bSetGet.IsBlock() ? bSetGet.Eval() : rt::Value();
  return v.IsNumber() ? svc::ToInt32(v) : 0;
}

void TRadMenu::_nOption(long n) {
  if (bSetGet.IsBlock()) bSetGet.Eval(rt::Value(n));
  if (bChange.IsBlock()) bChange.Eval(Self());
}

void TRadMenu::SetOption(long n) {
  const long current = nOption();
  if (n == current || n < 1 || n > Count()) return;
  if (const auto old = Radio(current)) old->UnCheck();
  _nOption(n);
  if (const auto radio = Radio(n)) radio->Check();
}

void TRadMenu::Select(const TRadio& radio) {
  for (long i = 1; i <= Count(); ++i) {
    const auto r = Radio(i);
    if (r && r->hWnd == radio.hWnd) {
      SetOption(i);
      return;
    }
  }
}

void TRadMenu::Refresh() {
  if (Count() == 0) return;
  const long wanted = ValidOption(bSetGet.IsBlock() ? bSetGet.Eval() : rt::Value());
  long checked = 0;
  for (long i = 1; i <= Count() && checked == 0; ++i) {
    if (const auto r = Radio(i); r && r->lIsChecked()) checked = i;
  }
  if (checked == wanted) return;
  if (const auto old = Radio(checked)) old->UnCheck();
  if (const auto radio = Radio(wanted)) radio->Check();
  if (bChange.IsBlock()) bChange.Eval();
}

namespace {

template <class F>
void EachRadio(const TRadMenu& menu, F f) {
  for (long i = 1; i <= menu.Count(); ++i) {
    if (const auto r = menu.Radio(i)) f(*r);
  }
}

}  // namespace

void TRadMenu::Set3DLook() {
  EachRadio(*this, [](TRadio& r) { r._l3D(true); });
}
void TRadMenu::End() {
  // The radios hold the group: the cycle ends here.
  EachRadio(*this, [](TRadio& r) {
    r.oRadMenu = rt::Value();
    r.End();
  });
}
void TRadMenu::Disable() {
  EachRadio(*this, [](TRadio& r) { r.Disable(); });
}
void TRadMenu::Enable() {
  EachRadio(*this, [](TRadio& r) { r.Enable(); });
}
void TRadMenu::Show() {
  EachRadio(*this, [](TRadio& r) { r.Show(); });
}
void TRadMenu::Hide() {
  EachRadio(*this, [](TRadio& r) { r.Hide(); });
}

}  // namespace controls
