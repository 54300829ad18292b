// Fonts, icons, device contexts and painting of a window.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_state.h"
#include "graphics/class_names.h"
#include "graphics/dc.h"
#include "graphics/disp.h"
#include "graphics/fonts.h"
#include "graphics/icons.h"
#include "graphics/rect.h"
#include "runtime/files.h"
#include "services/int32.h"
#include "services/resources.h"
#include "services/win_version.h"
#include "services/int32.h"

namespace core {

namespace {

HFONT FontHandle(const std::shared_ptr<gfx::TFont>& font) { return font ? font->hFont : nullptr; }

}  // namespace

void TWindow::GetFont() {
  const auto parent = oWnd.As<TWindow>();
  if (parent && parent->oFont) {
    oFont = parent->oFont;
    ++oFont->nCount;
    SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  } else if (!oFont) {
    const auto asked = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0));
    if (asked) {
      // The system's font for the window: wrapped, never deleted with it.
      auto font = std::make_shared<gfx::TFont>();
      const rt::Value info = gfx::GETFONTINFO(asked);
      font->hFont = asked;
      font->lDestroy = false;
      font->nCount = 1;
      font->nInpHeight = info.At(1).AsNumber();
      font->lBold = info.At(3).AsLogical();
      font->nWeight = font->lBold ? FW_BOLD : FW_NORMAL;
      font->cFaceName = info.At(4).AsString();
      oFont = font;
    } else {
      oFont = std::make_shared<gfx::TFont>()->New(svc::GETSYSFONT(), 0, -12);
    }
  }
  MeasureFont();
}

long TWindow::nGetChrHeight() {
  if (oFont) MeasureFont();
  return nChrHeight;
}

void TWindow::MeasureFont() {
  nChrHeight = std::abs(static_cast<long>(oFont->nInpHeight));
  nChrWidth = static_cast<long>(gfx::GETTEXTWIDTH(nullptr, "B", oFont->hFont));
}

void TWindow::KeepFont(std::shared_ptr<gfx::TFont> font) { gfx::HoldFont(oFont, std::move(font)); }

void TWindow::SetFont(const std::shared_ptr<gfx::TFont>& font) {
  if (!font) return;
  KeepFont(font);
  SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(oFont)), 0);
}

void TWindow::SetIcon(const rt::Value& icon) {
  if (icon.IsString()) {
    // From the file of that name when it exists, else the resource.
    const std::string& name = icon.AsString();
    HICON h = rt::FileExists(name)
                  ? static_cast<HICON>(LoadImageA(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE))
                  : gfx::LOADICON(reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(svc::GETRESOURCES())),
                                  icon);
    oIcon = h ? rt::Value(svc::HandleNumber(h)) : rt::Value();
  } else {
    oIcon = icon;
  }
  if (hWnd && !oIcon.IsNil()) SendMessageA(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconHandle()));
}

HICON TWindow::IconHandle() const {
  const LPARAM h = svc::ToHandle(oIcon.IsObject() ? Ask(oIcon, "hIcon") : oIcon);
  return reinterpret_cast<HICON>(static_cast<std::intptr_t>(h));
}

HDC TWindow::GetDC() {
  if (nPaintCount++ == 0) hDC = gfx::GETDC(hWnd);
  return hDC;
}

void TWindow::ReleaseDC() {
  if (nPaintCount == 0) return;
  if (--nPaintCount == 0) {
    gfx::RELEASEDC(hWnd, hDC);
    hDC = nullptr;
  }
}

rt::Value TWindow::DispBegin(bool lCreateDC) {
  const HDC previous = hDC;
  const HDC created = lCreateDC ? gfx::GETDC(hWnd) : nullptr;
  rt::Value disp = gfx::VDDISPBEGIN(hWnd, created ? created : hDC);
  hDC = reinterpret_cast<HDC>(svc::ToHandle(disp.At(3)));
  return rt::Value::Array({disp, created ? rt::Value(svc::HandleNumber(created)) : rt::Value(),
                           svc::HandleNumber(previous)});
}

void TWindow::DispEnd(const rt::Value& aRestore) {
  if (!aRestore.IsArray() || aRestore.Len() < 3) return;
  gfx::VDDISPEND(aRestore.At(1));
  if (!aRestore.At(2).IsNil()) gfx::RELEASEDC(hWnd, reinterpret_cast<HDC>(svc::ToHandle(aRestore.At(2))));
  hDC = reinterpret_cast<HDC>(svc::ToHandle(aRestore.At(3)));
}

rt::Value TWindow::cPS() const {
  return painting_ ? rt::Value(std::string(reinterpret_cast<const char*>(&paint_), sizeof paint_)) : rt::Value();
}

void TWindow::_cPS(const rt::Value& record) {
  painting_ = record.IsString() && record.AsString().size() >= sizeof paint_;
  paint_ = PAINTSTRUCT{};
  if (painting_) std::memcpy(&paint_, record.AsString().data(), sizeof paint_);
}

rt::Value TWindow::BeginPaint() {
  ++nPaintCount;
  hDC = ::BeginPaint(hWnd, &paint_);
  painting_ = true;
  return {};
}

rt::Value TWindow::EndPaint() {
  if (nPaintCount > 0) --nPaintCount;
  ::EndPaint(hWnd, &paint_);
  _cPS(rt::Value());
  hDC = nullptr;
  return rt::Value(0);
}

rt::Value TWindow::Paint() {
  if (ISICONIC(hWnd)) {
    const bool mdiChild = IsKindOf(vdclass::kMdiChild);
    SendMessageA(hWnd, mdiChild ? WM_ERASEBKGND : WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    const HICON icon = IconHandle();
    gfx::DRAWICON(hDC, 0, 0, icon ? icon : gfx::DEFAULTICON());
    return {};
  }
  paintBuffer_ = gfx::DispBufferBegin(hWnd, hDC);
  hDC = paintBuffer_.memDC;
  if (bEraseBkGnd.IsBlock()) {
    bEraseBkGnd.Eval(svc::HandleNumber(hDC));
  } else if (oBrush) {
    const RECT client = gfx::ClientRectOf(hWnd);
    FillRect(hDC, &client, oBrush->hBrush);
  }
  rt::Value result;
  if (bPainted.IsBlock()) result = bPainted.Eval(svc::HandleNumber(hDC), cPS(), Self());
  hDC = gfx::DispBufferEnd(std::exchange(paintBuffer_, gfx::DispBuffer{}));
  return result;
}

rt::Value TWindow::QueryDragIcon() {
  const HICON icon = IconHandle();
  return rt::Value(svc::HandleNumber(icon ? icon : gfx::DEFAULTICON()));
}

}  // namespace core
