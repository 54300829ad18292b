// TGet's clipboard and spinner.
#include "controls/edit_selection.h"
#include "controls/tget.h"
#include "controls/tscrollbar.h"
#include "core/tclipboard.h"
#include "runtime/strings.h"
#include "services/msgbox.h"

namespace controls {

template <class F>
void TGet::Editing(F f) {
  const bool had = oGet->HasFocus();
  if (!had) {
    oGet->SetFocus();
    oGet->SetPos(nPos);
  }
  f();
  if (!had) {
    oGet->Assign();
    oGet->KillFocus();
    DispText();
  }
}

rt::Value TGet::Copy() {
  CopyToClipboard(GetSel(), Self());
  return {};
}

rt::Value TGet::Cut() {
  if (lReadOnly) {
    svc::MSGALERT("The get is read only!", "Can't cut");
    return {};
  }
  long start = 0, end = 0;
  GetSelPos(start, end);
  if (end == start) return {};
  Copy();
  // The selection leaves the buffer, and the variable gets the buffer's
  // value: never the asterisks of a password or the literals of "@R".
  Editing([&] {
    GetDelSel(start, end);
    oGet->Assign();
    EditUpdate();
  });
  if (bChange.IsBlock()) bChange.Eval(rt::Value(), rt::Value(), Self());
  return {};
}

rt::Value TGet::Paste(const rt::Value& cText) {
  if (lReadOnly) return {};
  std::string text;
  if (cText.IsString()) {
    text = cText.AsString();
  } else {
    auto clip = std::make_shared<core::TClipBoard>();
    clip->New(CF_TEXT, Self());
    if (!clip->Open()) {
      svc::MSGALERT("The clipboard is not available!");
      return {};
    }
    clip->Close();
    text = clip->GetText();
  }
  text = rt::ALLTRIM(text.substr(0, text.find_first_of("\r\n")));
  if (text.empty()) return {};
  Editing([&] {
    long start = 0, end = 0;
    GetSelPos(start, end);
    if (end != start) GetDelSel(start, end);
    // Typed in one by one: the picture takes or refuses each character,
    // and what goes past the end falls off. In a number "." and "," go to
    // the decimal position, as when typed.
    const bool numeric = oGet->Type() == "N";
    for (const char c : text) {
      if (numeric && (c == '.' || c == ',')) {
        oGet->ToDecPos();
      } else {
        oGet->Insert(c);
      }
      if (oGet->TypeOut()) break;
    }
    oGet->SetTypeOut(false);
    oGet->Assign();
    EditUpdate();
  });
  if (bChange.IsBlock()) bChange.Eval(rt::Value(), rt::Value(), Self());
  return {};
}

void TGet::Spinner(const rt::Value& bUp, const rt::Value& bDown, const rt::Value& min, const rt::Value& max) {
  if (lReadOnly) return;
  bMin = min;
  bMax = max;
  std::weak_ptr<TGet> weak = std::static_pointer_cast<TGet>(shared_from_this());
  auto step = [weak](const rt::Value& action, int n) {
    return rt::Value::Block([weak, action, n](rt::Args) {
      const auto self = weak.lock();
      if (!self) return rt::Value();
      if (GetFocus() != self->hWnd) ::SetFocus(self->hWnd);
      if (action.IsBlock()) return action.Eval(rt::Value(self));
      n > 0 ? self->Increment() : self->Decrement();
      return rt::Value();
    });
  };
  auto bar = std::make_shared<TScrollBar>();
  WinScrollBarArgs a;
  a.lVertical = true;
  a.oWnd = Self();
  a.bGoUp = step(bUp, 1);
  a.bGoDown = step(bDown, -1);
  bar->WinNew(a);
  oVScroll = rt::Value(bar);
}

}  // namespace controls
