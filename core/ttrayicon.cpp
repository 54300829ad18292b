#include "core/ttrayicon.h"

#include <cstdint>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "graphics/icons.h"
#include "services/int32.h"
#include "services/resources.h"
#include "services/task_icon.h"

namespace core {

namespace {

rt::Value Or(const rt::Value& given, const rt::Value& fallback) { return given.IsNil() ? fallback : given; }

}  // namespace

TTrayIcon& TTrayIcon::New(const TrayIconArgs& a) {
  const auto owner = a.oWnd.As<TWindow>();
  bLClicked = owner ? Or(a.bLClicked, owner->bLClicked) : a.bLClicked;
  bRClicked = owner ? Or(a.bRClicked, owner->bRClicked) : a.bRClicked;
  bMMoved = owner ? Or(a.bMMoved, owner->bMMoved) : a.bMMoved;
  bLDblClick = owner ? Or(a.bLDblClick, owner->bLDblClick) : a.bLDblClick;
  bLButtonUp = owner ? Or(a.bLButtonUp, owner->bLButtonUp) : a.bLButtonUp;
  bRButtonUp = owner ? Or(a.bRButtonUp, owner->bRButtonUp) : a.bRButtonUp;

  oWnd = std::make_shared<TWindow>();
  WindowArgs w;
  w.nTop = 0;
  w.nLeft = 0;
  w.nBottom = 0;
  w.nRight = 0;
  w.cTitle = "";
  w.nStyle = kTrayWindowStyle;
  w.oWnd = a.oWnd;
  w.lPixel = true;
  oWnd->New(w);
  // Ready for the shell's reports before anything can report.
  const std::weak_ptr<Object> weak = shared_from_this();
  oWnd->bTaskBar = rt::Value::Block([weak](rt::Args args) {
    const auto self = std::static_pointer_cast<TTrayIcon>(weak.lock());
    if (!self || args.size() < 2) return rt::Value();
    return self->Command(svc::ToHandle(args[0]), svc::ToHandle(args[1]));
  });
  const std::weak_ptr<TWindow> weakOwner = owner;
  oWnd->bInit = rt::Value::Block([weakOwner](rt::Args) {
    if (const auto o = weakOwner.lock(); o && o->hWnd) ShowWindow(o->hWnd, SW_HIDE);
    return rt::Value();
  });
  oWnd->Activate();

  const rt::Value icon = owner ? Or(a.oIcon, owner->oIcon) : a.oIcon;
  const rt::Value tip = owner ? Or(a.cCaption, rt::Value(owner->cTitle())) : a.cCaption;
  Refresh(icon, tip.IsString() ? tip : rt::Value(""), true);
  return *this;
}

HICON TTrayIcon::IconHandle() const {
  if (oIcon.IsString())
    return gfx::LOADICON(reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(svc::GETRESOURCES())), oIcon);
  const rt::Value h = oIcon.IsObject() ? Ask(oIcon, "hIcon") : oIcon;
  return h.IsNumber() ? reinterpret_cast<HICON>(static_cast<std::intptr_t>(svc::ToHandle(h))) : nullptr;
}

void TTrayIcon::Refresh(const rt::Value& icon, const rt::Value& cTip, bool lAdd) {
  if (!icon.IsNil()) oIcon = icon;
  if (cTip.IsString()) cCaption = cTip.AsString();
  const long flags = svc::kTrayFlagMessage | svc::kTrayFlagIcon | (cCaption.empty() ? 0 : svc::kTrayFlagTip);
  // Blanks after the tip's zero byte: the record as it has always been.
  oTray = svc::TrayRecord(oWnd ? oWnd->hWnd : nullptr, IconHandle(), flags, cCaption, ' ');
  svc::TrayNotify(lAdd ? svc::kTrayAdd : svc::kTrayModify, oTray);
}

bool TTrayIcon::End() {
  const std::shared_ptr<Object> keep = shared_from_this();
  if (oTray) {
    oTray->SetMember(oTray->MemberIndex("nFlags"), 0);
    svc::TrayNotify(svc::kTrayDelete, oTray);
    oTray.reset();
  }
  if (oWnd) {
    oWnd->bTaskBar = rt::Value();
    if (oWnd->hWnd) DestroyWindow(oWnd->hWnd);
    oWnd.reset();
  }
  return true;
}

rt::Value TTrayIcon::Command(LPARAM, LPARAM nLParam) {
  POINT at{};
  GetCursorPos(&at);
  const rt::Value* block = nullptr;
  switch (nLParam) {
    case WM_LBUTTONDOWN: block = &bLClicked; break;
    case WM_RBUTTONDOWN: block = &bRClicked; break;
    case WM_MOUSEMOVE: block = &bMMoved; break;
    case WM_LBUTTONDBLCLK: block = &bLDblClick; break;
    case WM_LBUTTONUP: block = &bLButtonUp; break;
    case WM_RBUTTONUP: block = &bRButtonUp; break;
    default: return {};
  }
  // The block may end the icon: keep it until the block returns.
  const std::shared_ptr<Object> keep = shared_from_this();
  const rt::Value action = *block;
  if (action.IsBlock()) action.Eval(static_cast<long>(at.y), static_cast<long>(at.x));
  return {};
}

const rt::ClassInfo& TTrayIcon::ClassDef() {
  static const rt::ClassInfo info("TTRAYICON", &rt::Object::ClassDef(), rt::FactoryOf<TTrayIcon>(),
                                  [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(TTrayIcon);

}  // namespace core
