#include "controls/tbitmap.h"

#include <algorithm>
#include <utility>

#include "controls/control_owner.h"
#include "controls/tscrollbar.h"
#include "core/send_soft.h"
#include "core/tclipboard.h"
#include "core/window_geometry.h"
#include "graphics/colour.h"
#include "graphics/palette_bitmap.h"
#include "runtime/strings.h"
#include "runtime/value_text.h"
#include "services/common_dialogs.h"
#include "services/int32.h"

namespace controls {

namespace {

std::string TextOf(const rt::Value& v) { return v.IsString() ? rt::ALLTRIM(v.AsString()) : std::string(); }
bool NonEmpty(const rt::Value& v) { return v.IsNumber() || (v.IsString() && !v.AsString().empty()); }

std::shared_ptr<TScrollBar> OwnBar(TBitmap& owner, bool vertical) {
  auto bar = std::make_shared<TScrollBar>();
  WinScrollBarArgs a;
  a.nMin = 0;
  a.nMax = 0;
  a.lVertical = vertical;
  a.oWnd = owner.Self();
  bar->WinNew(a);
  return bar;
}

}  // namespace

template <class Args>
void TBitmap::TakeArgs(const Args& a) {
  bLClicked = a.bLClicked;
  bRClicked = a.bRClicked;
  lScroll = rt::IsTrue(a.lScroll);
  lScrollGiven_ = a.lScroll.IsLogical();
  lStretch = rt::IsTrue(a.lStretch);
  oCursor = a.oCursor.template As<gfx::TCursor>();
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
}

TBitmap& TBitmap::New(const BitmapArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  aHotAreas = rt::Value::Array();
  LoadImage(a.cResName, TextOf(a.cBmpFile));
  long width = 100, height = 100;
  if (NonEmpty(a.cResName) || NonEmpty(a.cBmpFile)) {
    width = std::min(PictureWidth(), owner ? owner->nWidth() : PictureWidth());
    height = std::min(PictureHeight(), owner ? owner->nHeight() : PictureHeight());
  }
  PlaceAt(*this, NumOr(a.nTop, 0), NumOr(a.nLeft, 0), NumOr(a.nWidth, width), NumOr(a.nHeight, height),
          rt::IsTrue(a.lPixel));
  TakeArgs(a);
  lDrag = rt::IsTrue(a.lDesign);
  nStyle = (rt::IsTrue(a.lNoBorder) ? 0 : WS_BORDER) | (lScroll ? WS_VSCROLL | WS_HSCROLL : 0) | WS_CHILD |
           WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_GROUP;
  SetColor(rt::Value(gfx::GETSYSCOLOR(COLOR_WINDOWFRAME)), rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE)));
  Register(CS_VREDRAW | CS_HREDRAW);
  if (owner && owner->hWnd) {
    nId = GetNewId();
    Create();
    Default();
    owner->AddControl(Self());
  } else {
    // Created with its dialog later, and shown with it.
    core::Ask(oWnd, "DefControl", Self());
  }
  return *this;
}

TBitmap& TBitmap::Define(const rt::Value& resName, const std::string& bmpFile, const rt::Value& owner) {
  hWnd = nullptr;
  oWnd = owner;
  aHotAreas = rt::Value::Array();
  if (NonEmpty(resName)) {
    picture = PictureFromResource(resName);
    cResName = resName.IsString() ? resName.AsString() : std::string();
  } else {
    const HWND window = core::ParentHandle(owner);
    const HDC dc = ::GetDC(window);
    picture = PictureFromFile(dc, rt::ALLTRIM(bmpFile));
    ::ReleaseDC(window, dc);
    if (picture.bitmap) cBmpFile = rt::ALLTRIM(bmpFile);
  }
  if (picture.bitmap) gfx::PALBMPNEW(nullptr, picture.bitmap, picture.palette);
  return *this;
}

TBitmap& TBitmap::ReDefine(const BitmapRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = a.nId.IsNumber() ? svc::ToInt32(a.nId) : GetNewId();
  aHotAreas = rt::Value::Array();
  LoadImage(a.cResName, TextOf(a.cBmpFile));
  TakeArgs(a);
  lTransparent = rt::IsTrue(a.lTransparent);
  SetColor(rt::Value(gfx::GETSYSCOLOR(COLOR_WINDOWFRAME)), rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE)));
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TBitmap::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  Default();
}

void TBitmap::Default() {
  if (!lScrollGiven_) lScroll = core::WNDHASSCROLLS(hWnd);
  if (lScroll) {
    if (!oVScroll.IsObject()) oVScroll = OwnBar(*this, true);
    if (!oHScroll.IsObject()) oHScroll = OwnBar(*this, false);
    ScrollAdjust();
  }
  if (picture.bitmap) gfx::PALBMPNEW(hWnd, picture.bitmap, picture.palette);
}

bool TBitmap::LoadImage(const rt::Value& resName, const std::string& bmpFile) {
  Picture loaded;
  if (NonEmpty(resName)) {
    loaded = PictureFromResource(resName);
    if (loaded.bitmap) {
      cResName = resName.IsString() ? resName.AsString() : rt::CVALTOCHAR(resName);
      cBmpFile.clear();
    }
  } else if (!bmpFile.empty()) {
    const HDC dc = ::GetDC(hWnd);
    loaded = PictureFromFile(dc, rt::ALLTRIM(bmpFile));
    ::ReleaseDC(hWnd, dc);
    if (loaded.bitmap) {
      cBmpFile = rt::ALLTRIM(bmpFile);
      cResName.clear();
    }
  }
  if (!loaded.bitmap) return false;
  FreePicture(picture);
  picture = loaded;
  gfx::PALBMPNEW(hWnd, picture.bitmap, picture.palette);
  return true;
}

void TBitmap::ReLoad(const rt::Value& resName, const std::string& bmpFile) {
  if (!LoadImage(resName, bmpFile) || !hWnd) return;
  ScrollAdjust();
  nX = nY = nOldX = nOldY = 0;
  Refresh();
}

void TBitmap::LoadBMP(const std::string& bmpFile) { ReLoad(rt::Value(""), rt::ALLTRIM(bmpFile)); }

void TBitmap::LoadFromClipboard() {
  auto clipboard = std::make_shared<core::TClipBoard>();
  clipboard->New(CF_BITMAP, Self());
  const HBITMAP bitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(clipboard->GetBitmap()));
  clipboard->End();
  if (!bitmap) return;
  // The old picture goes, as with any other load.
  FreePicture(picture);
  picture = {bitmap, nullptr};
  gfx::PALBMPNEW(hWnd, picture.bitmap, nullptr);
  ScrollAdjust();
  nX = nY = nOldX = nOldY = 0;
}

bool TBitmap::CopyToClipboard() {
  auto clipboard = std::make_shared<core::TClipBoard>();
  clipboard->New(CF_BITMAP, Self());
  const bool done = clipboard->SetBitmap(Self());
  clipboard->End();
  return done;
}

int TBitmap::Zoom(const rt::Value& n) {
  if (n.IsNumber() && n.AsInt() >= 1) nZoom = static_cast<int>(n.AsInt());
  return nZoom;
}

void TBitmap::Center() {
  const auto owner = Container();
  if (!owner || !owner->hWnd) return;
  RECT client{};
  GetClientRect(owner->hWnd, &client);
  const int top = std::max(0, static_cast<int>((client.bottom - nHeight()) / 2));
  const int left = std::max(0, static_cast<int>((client.right - nWidth()) / 2));
  Move(top, left);
}

long TBitmap::PictureWidth() const {
  if (lDrag) return nWidth();
  return picture.bitmap ? PictureSize(picture.bitmap).cx * nZoom : 0;
}

long TBitmap::PictureHeight() const {
  if (lDrag) return nHeight();
  return picture.bitmap ? PictureSize(picture.bitmap).cy * nZoom : 0;
}

rt::Value TBitmap::Inspect(const std::string& cDataName) {
  if (cDataName != "cBmpFile") return {};
  const std::weak_ptr<TBitmap> weak = std::static_pointer_cast<TBitmap>(shared_from_this());
  return rt::Value::Block([weak](rt::Args a) {
    const std::string mask = rt::Arg(a, 0).IsString() && !rt::Arg(a, 0).AsString().empty()
                                 ? rt::Arg(a, 0).AsString() + "|*.bmp"
                                 : std::string("*.bmp|*.bmp");
    const std::string name = svc::CGETFILE(mask, "Select a BMP file");
    if (const auto self = weak.lock(); self && !name.empty()) self->LoadBMP(name);
    return rt::Value(name);
  });
}

rt::Value TBitmap::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

rt::Value TBitmap::Paint() {
  const rt::Value restore = DispBegin();
  RECT client{};
  GetClientRect(hWnd, &client);
  if (oBrush) FillRect(hDC, &client, oBrush->hBrush);
  if (!picture.bitmap && !cBmpFile.empty()) LoadBMP(cBmpFile);
  if (picture.bitmap) {
    if (lStretch) {
      gfx::PALBMPDRAW(hDC, nX, nY, picture.bitmap, picture.palette, client.right, client.bottom, 0, lTransparent,
                      nClrPane);
    } else if (nZoom > 0) {
      gfx::PALBMPDRAW(hDC, nX, nY, picture.bitmap, picture.palette, static_cast<int>(PictureWidth()),
                      static_cast<int>(PictureHeight()), 0, lTransparent, nClrPane);
    }
  }
  if (bPainted.IsBlock()) bPainted.Eval(svc::HandleNumber(hDC));
  DispEnd(restore);
  return {};
}

rt::Value TBitmap::EraseBkGnd(LPARAM hDC) {
  if (bEraseBkGnd.IsBlock()) return bEraseBkGnd.Eval(hDC);
  if (picture.bitmap) return rt::Value(1);
  if (oBrush) {
    RECT client{};
    GetClientRect(hWnd, &client);
    FillRect(reinterpret_cast<HDC>(hDC), &client, oBrush->hBrush);
    return rt::Value(1);
  }
  return {};
}

// The control's whole handle: handles of a 32-bit system need more than the
// low word.
rt::Value TBitmap::Command(LPARAM, LPARAM nLParam) {
  SendMessageA(reinterpret_cast<HWND>(nLParam), core::WM_VD_CLICK, 0, 0);
  return rt::Value(0);
}

rt::Value TBitmap::GotFocus(LPARAM hWndLost) {
  const rt::Value result = TControl::GotFocus(hWndLost);
  gfx::SETFOREBMP(picture.bitmap, picture.palette);
  return result;
}

rt::Value TBitmap::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_NCHITTEST) return rt::Value(static_cast<long>(DefWindowProcA(hWnd, nMsg, nWParam, nLParam)));
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

rt::Value TBitmap::ReSize(long nSizeType, long nW, long nH) {
  ScrollAdjust();
  return TControl::ReSize(nSizeType, nW, nH);
}

rt::Value TBitmap::Destroy() {
  FreePicture(picture);
  core::Ask(std::exchange(oVScroll, rt::Value()), "Destroy");
  core::Ask(std::exchange(oHScroll, rt::Value()), "Destroy");
  if (hWnd) return TControl::Destroy();
  return {};
}

}  // namespace controls
