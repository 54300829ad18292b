#include "print/tmetafile.h"

#include <utility>

#include "controls/alert.h"
#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "runtime/files.h"

namespace prn {

namespace {

constexpr int kShadowWidth = 5;

std::shared_ptr<gfx::TPen> ShadowPen() {
  auto pen = std::make_shared<gfx::TPen>();
  pen->New(PS_SOLID, kShadowWidth);
  return pen;
}

}  // namespace

TMetaFile& TMetaFile::New(int top, int left, int width, int height, const std::string& cFile, const rt::Value& owner,
                          const rt::Value& nClrFore, const rt::Value& nClrBack, int nHorzRes, int nVertRes) {
  oWnd = controls::OwnerOr(owner);
  nTop = top;
  nLeft = left;
  nBottom = top + height - 1;
  nRight = left + width - 1;
  cCaption = cFile;
  nStyle = WS_CHILD | WS_BORDER | WS_VISIBLE;
  nWidth = nHorzRes;
  nHeight = nVertRes;
  SetColor(nClrFore, nClrBack);
  oPen = ShadowPen();
  Register(CS_VREDRAW | CS_HREDRAW);
  controls::Place(*this, "");
  return *this;
}

TMetaFile& TMetaFile::Redefine(long id, const std::string& cFile, const rt::Value& owner, const rt::Value& nClrFore,
                               const rt::Value& nClrBack) {
  oWnd = controls::OwnerOr(owner);
  nId = id;
  cCaption = cFile;
  nWidth = nHeight = 100;
  SetColor(nClrFore, nClrBack);
  oPen = ShadowPen();
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TMetaFile::Forget() {
  if (hMeta) DeleteMetaFile(std::exchange(hMeta, nullptr));
}

void TMetaFile::Load() {
  if (hMeta || cCaption.empty()) return;
  if (rt::FileExists(cCaption)) {
    hMeta = GetMetaFileA(cCaption.c_str());
  } else if (alerted_ != cCaption) {
    // The alert's own repaint comes back here: the name is noted first, so
    // the user hears about a missing page once.
    alerted_ = cCaption;
    ctl::ALERT(rt::Value("Could not find the Metafile,\r\nplease check your TEMP environment variable"));
  }
}

void TMetaFile::SetFile(const std::string& cFile) {
  cCaption = rt::FileExists(cFile) ? cFile : std::string();
  Forget();
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TMetaFile::SetOrg(const rt::Value& nX, const rt::Value& nY) {
  if (nX.IsNumber()) nXorig = static_cast<int>(nX.AsInt());
  if (nY.IsNumber()) nYorig = static_cast<int>(nY.AsInt());
}

void TMetaFile::ZoomIn() {
  if (lZoom) return;
  nWidth /= nXZoom;
  nHeight /= nYZoom;
  lZoom = true;
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TMetaFile::ZoomOut() {
  if (!lZoom) return;
  nWidth *= nXZoom;
  nHeight *= nYZoom;
  lZoom = false;
  nXorig = nYorig = 0;
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TMetaFile::SetZoomFactor(int nX, int nY) {
  const bool zoomed = lZoom;
  ZoomOut();
  nXZoom = nX > 0 ? nX : 1;
  nYZoom = nY > 0 ? nY : 1;
  if (zoomed) ZoomIn();
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TMetaFile::Shadow() {
  HWND parent = hWnd ? GetParent(hWnd) : nullptr;
  if (!lShadow || !parent || !oPen) return;
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  HDC dc = ::GetDC(parent);
  HGDIOBJ old = SelectObject(dc, oPen->hPen);
  const int edge = kShadowWidth / 2 + 1;
  MoveToEx(dc, r.left + kShadowWidth, r.bottom + edge, nullptr);
  LineTo(dc, r.right + edge, r.bottom + edge);
  MoveToEx(dc, r.right + edge, r.top + kShadowWidth, nullptr);
  LineTo(dc, r.right + edge, r.bottom + edge);
  SelectObject(dc, old);
  ::ReleaseDC(parent, dc);
}

rt::Value TMetaFile::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

rt::Value TMetaFile::Paint() {
  Load();
  if (!hMeta || !hDC) return rt::Value();
  Shadow();
  RECT client{};
  GetClientRect(hWnd, &client);
  const int saved = SaveDC(hDC);
  SetMapMode(hDC, MM_ANISOTROPIC);
  SetWindowOrgEx(hDC, nXorig, nYorig, nullptr);
  SetWindowExtEx(hDC, nWidth, nHeight, nullptr);
  SetViewportExtEx(hDC, client.right, client.bottom, nullptr);
  HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  PlayMetaFile(hDC, hMeta);
  SetCursor(old ? old : LoadCursor(nullptr, IDC_ARROW));
  RestoreDC(hDC, saved);
  return rt::Value();
}

rt::Value TMetaFile::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_MOUSEWHEEL) {
    POINT origin{0, 0};
    ClientToScreen(hWnd, &origin);
    const int row = static_cast<short>(HIWORD(nLParam)), col = static_cast<short>(LOWORD(nLParam));
    if (row >= origin.y && row <= origin.y + nHeight && col >= origin.x && col <= origin.x + nWidth) {
      const int notches = static_cast<short>(HIWORD(nWParam)) / WHEEL_DELTA;
      for (int i = 0; i < std::abs(notches); ++i) core::Ask(oWnd, "VScroll", notches > 0 ? 2 : 3, 0);
    }
    return rt::Value(0);
  }
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

bool TMetaFile::End() {
  Forget();
  if (oPen) std::exchange(oPen, nullptr)->End();
  return TControl::End();
}

const rt::ClassInfo& TMetaFile::ClassDef() {
  static const rt::ClassInfo info("TMETAFILE", &TControl::ClassDef(), rt::FactoryOf<TMetaFile>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TMetaFile>(c)
        .Data("nWidth", &TMetaFile::nWidth)
        .Data("nHeight", &TMetaFile::nHeight)
        .Data("nXorig", &TMetaFile::nXorig)
        .Data("nYorig", &TMetaFile::nYorig)
        .Data("nXZoom", &TMetaFile::nXZoom)
        .Data("nYZoom", &TMetaFile::nYZoom)
        .Data("lZoom", &TMetaFile::lZoom)
        .Data("lShadow", &TMetaFile::lShadow)
        .Method("SetFile", [](TMetaFile& m, rt::Args a) {
          m.SetFile(rt::Arg(a, 0).AsString());
          return rt::Value();
        })
        .Method("ZoomIn", [](TMetaFile& m, rt::Args) {
          m.ZoomIn();
          return rt::Value();
        })
        .Method("ZoomOut", [](TMetaFile& m, rt::Args) {
          m.ZoomOut();
          return rt::Value();
        })
        .Method("End", [](TMetaFile& m, rt::Args) { return rt::Value(m.End()); });
  });
  return info;
}

RT_CLASS_REGISTER(TMetaFile);

}  // namespace prn
