// Paging, one or two pages, zoom and its factor, and the page layout.
#include <windows.h>

#include "controls/tbtnbmp.h"
#include "controls/tmenuitem.h"
#include "core/send_soft.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"
#include "services/msgbox.h"

namespace prn {

using namespace preview;

namespace {

bool Landscape() { return Current().device->nHorzSize() >= Current().device->nVertSize(); }

// The file the right page shows beside the current one.
std::string RightFile() { return PageFile(Current().page + 1); }

void ShowOnRight(const std::string& file) {
  State& s = Current();
  if (s.right->cCaption != file) s.right->SetFile(file);
}

void GoTo(int page, bool rightEmpty = false) {
  State& s = Current();
  s.page = page;
  s.left->SetFile(PageFile(page));
  ShowPageLabel();
  s.left->Refresh();
  if (s.twoPages) {
    ShowOnRight(rightEmpty ? std::string() : RightFile());
    s.right->Refresh();
  }
  s.left->SetFocus();
}

// A new picture, message and tool tip for a bar button.
void Restyle(const rt::Value& button, const char* picture, int message, int toolTip, bool repaint) {
  const auto b = button.As<controls::TBtnBmp>();
  if (!b) return;
  {
    const LibraryResources library;
    b->LoadBitmaps(rt::Value(picture), {}, {}, {});
  }
  b->cMsg = rt::Value(LibraryText(message));
  b->cToolTip = rt::Value(LibraryText(toolTip, true));
  if (repaint) b->Refresh();
}

void Able(const rt::Value& item, bool enabled) {
  if (const auto i = item.As<ctl::TMenuItem>()) enabled ? i->Enable() : i->Disable();
}

void ScrollRanges(long max) {
  const State& s = Current();
  for (const rt::Value& bar : {s.window->oVScroll, s.window->oHScroll}) core::Ask(bar, "SetRange", max ? 1 : 0, max);
}

}  // namespace

void NEXTPAGE() {
  if (!IsOpen()) return;
  if (Current().page >= PageCount()) {
    svc::MSGBEEP();
    return;
  }
  GoTo(Current().page + 1);
}

void PREVPAGE() {
  if (!IsOpen()) return;
  if (Current().page <= 1) {
    svc::MSGBEEP();
    return;
  }
  GoTo(Current().page - 1);
}

void TOPPAGE() {
  if (!IsOpen()) return;
  if (Current().page <= 1) {
    svc::MSGBEEP();
    return;
  }
  GoTo(1);
}

void BOTTOMPAGE() {
  if (!IsOpen()) return;
  if (Current().page >= PageCount()) {
    svc::MSGBEEP();
    return;
  }
  GoTo(PageCount(), true);
}

void TWOPAGES(bool lMenu) {
  if (!IsOpen()) return;
  State& s = Current();
  if (!s.twoPages && (PageCount() == 1 || Landscape())) {
    svc::MSGBEEP();
    return;
  }
  s.twoPages = !s.twoPages;
  if (s.twoPages) {
    if (s.zoomed) ZOOM(lMenu);
    Restyle(s.twoPagesButton, "One_Page", kOnePageMessage, kOnePagePrompt, lMenu);
  } else {
    Restyle(s.twoPagesButton, "Two_Pages", kTwoPagesMessage, kTwoPagesPrompt, lMenu);
  }
  Able(s.twoPagesItem, !s.twoPages);
  Able(s.onePageItem, s.twoPages);
  s.window->Refresh();
  PAINTMETA();
}

void ZOOM(bool lMenu) {
  if (!IsOpen()) return;
  State& s = Current();
  s.zoomed = !s.zoomed;
  if (s.zoomed) {
    if (s.twoPages) TWOPAGES(lMenu);
    Restyle(s.zoomButton, "Unzoom", kUnZoomMessage, kUnZoomPrompt, lMenu);
    ScrollRanges(20L * s.factor);
    core::Ask(s.window->oVScroll, "SetPage", 20L * s.factor);
    s.left->ZoomIn();
  } else {
    Restyle(s.zoomButton, "Zoom", kZoomMessage, kZoomPrompt, lMenu);
    ScrollRanges(0);
    s.left->ZoomOut();
  }
  Able(s.zoomItem, !s.zoomed);
  Able(s.unZoomItem, s.zoomed);
  PAINTMETA();
}

void SETFACTOR(const rt::Value& nFactor) {
  if (!IsOpen()) return;
  State& s = Current();
  const bool first = nFactor.IsNil();
  if (!first) s.factor = std::clamp(static_cast<int>(nFactor.AsInt()), 1, 9);
  const auto& items = s.factorItems.Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto item = items[i].As<ctl::TMenuItem>();
    if (!item) continue;
    if (first) item->nHelpId = static_cast<long>(i + 1);
    item->SetCheck(static_cast<int>(i + 1) == s.factor);
  }
  s.left->SetZoomFactor(s.factor, 2 * s.factor);
  if (!s.zoomed && !first) {
    ZOOM();
  } else if (s.zoomed) {
    ScrollRanges(20L * s.factor);
  }
  s.left->SetFocus();
}

void PAINTMETA() {
  if (!IsOpen() || IsIconic(Current().window->hWnd)) return;
  State& s = Current();
  double w = static_cast<double>(s.window->nWidth()) + 1, h = static_cast<double>(s.window->nHeight()) + 1;
  const int top = 50;
  if (!s.twoPages) {
    const double f = s.zoomed ? 0.47 : Landscape() ? 0.4 : 0.25;
    if (s.zoomed) {
      w -= 20;
      h -= 20;
    }
    const int left = static_cast<int>(w / 2 - w * f), right = static_cast<int>(w / 2 + w * f);
    s.left->Move(top, left, right - left, static_cast<int>(h - 80) - top, true);
    s.right->Hide();
  } else {
    const double f = 0.4;
    const int left = static_cast<int>(w / 4 - (w / 2) * f), right = static_cast<int>(w / 4 + (w / 2) * f);
    const int height = static_cast<int>(h - 80) - top, shift = static_cast<int>(w / 2);
    s.left->Move(top, left, right - left, height, true);
    ShowOnRight(RightFile());
    s.right->Move(top, left + shift, right - left, height, true);
    s.right->Show();
  }
  s.left->SetFocus();
}

}  // namespace prn
