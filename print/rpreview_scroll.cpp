// Scrolling the zoomed page, clicks on the pages and the page keys.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"

namespace prn {

using namespace preview;

namespace {

rt::Value Bar(bool vertical) { return vertical ? Current().window->oVScroll : Current().window->oHScroll; }

void Scroll(bool vertical, int nType, bool lPage, const rt::Value& nPos) {
  if (!IsOpen()) return;
  State& s = Current();
  const rt::Value bar = Bar(vertical);
  const long max = core::Ask(bar, "nMax").AsInt();
  // Not zoomed the range is 0 to 0: nothing to scroll (a wheel notch on
  // the page still gets here).
  if (max <= 0) return;
  const long resolution = vertical ? s.device->nVertRes() : s.device->nHorzRes();
  const long step = resolution / max;
  long amount = nPos.IsNumber() ? nPos.AsInt() : lPage ? max / 10 : 1;
  if (nType == 1) amount = -amount;
  if (nType == 0) {
    core::Ask(bar, "SetPos", nPos.AsInt());
    amount = 0;
  }
  const long thumb = core::Ask(bar, "GetPos").AsInt();
  const double origin = static_cast<double>(std::clamp(step * (thumb + amount - 1), 0L, resolution));
  if (vertical) {
    s.left->SetOrg({}, rt::Value(origin));
  } else {
    s.left->SetOrg(rt::Value(origin), {});
  }
  s.left->Refresh();
}

// Zooms in on the point clicked, in a page control of the same size as the
// left page.
void ZoomAt(int nX, int nY) {
  State& s = Current();
  RECT r{};
  GetClientRect(s.left->hWnd, &r);
  const int w = std::max<int>(r.right, 1), h = std::max<int>(r.bottom, 1);
  const int x = std::max(static_cast<int>(static_cast<double>(nX) / w * 20 * s.factor) - 9, 0);
  const int y = std::max(static_cast<int>(static_cast<double>(nY) / h * 20 * s.factor) - 9, 0);
  ZOOM();
  if (x) {
    HSCROLL(2, false, rt::Value(x));
    core::Ask(Bar(false), "SetPos", x);
  }
  if (y) {
    VSCROLL(2, false, rt::Value(y));
    core::Ask(Bar(true), "SetPos", y);
  }
}

}  // namespace

void VSCROLL(int nType, bool lPage, const rt::Value& nPos) { Scroll(true, nType, lPage, nPos); }

void HSCROLL(int nType, bool lPage, const rt::Value& nPos) { Scroll(false, nType, lPage, nPos); }

void SETORG1(int nX, int nY) {
  if (!IsOpen()) return;
  if (Current().zoomed) {
    ZOOM();
    return;
  }
  ZoomAt(nX, nY);
}

void SETORG2(int nX, int nY) {
  if (!IsOpen()) return;
  State& s = Current();
  if (s.right->cCaption.empty()) return;
  if (s.zoomed) {
    ZOOM();
    return;
  }
  s.left->SetFile(s.right->cCaption);
  ++s.page;
  s.right->SetFile(PageFile(s.page + 1));
  ShowPageLabel();
  ZoomAt(nX, nY);
}

void CHECKKEY(int nKey, int) {
  if (!IsOpen()) return;
  State& s = Current();
  if (!s.zoomed) {
    switch (nKey) {
      case VK_HOME: TOPPAGE(); break;
      case VK_END: BOTTOMPAGE(); break;
      case VK_PRIOR: PREVPAGE(); break;
      case VK_NEXT: NEXTPAGE(); break;
      default: break;
    }
    return;
  }
  const rt::Value vertical = Bar(true), horizontal = Bar(false);
  switch (nKey) {
    case VK_UP: core::Ask(vertical, "GoUp"); break;
    case VK_DOWN: core::Ask(vertical, "GoDown"); break;
    case VK_PRIOR: core::Ask(vertical, "PageUp"); break;
    case VK_NEXT: core::Ask(vertical, "PageDown"); break;
    case VK_LEFT: core::Ask(horizontal, "GoUp"); break;
    case VK_RIGHT: core::Ask(horizontal, "GoDown"); break;
    case VK_HOME:
      core::Ask(vertical, "GoTop");
      core::Ask(horizontal, "GoTop");
      s.left->SetOrg(rt::Value(0), rt::Value(0));
      break;
    case VK_END:
      core::Ask(vertical, "GoBottom");
      core::Ask(horizontal, "GoBottom");
      s.left->SetOrg(rt::Value(0.8 * s.device->nHorzRes()), rt::Value(0.8 * s.device->nVertRes()));
      break;
    default: return;
  }
  s.left->Refresh();
}

}  // namespace prn
