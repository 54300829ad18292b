// The button bar's construction and its buttons' places.
#include "controls/tbar.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "controls/control_owner.h"
#include "controls/tbtnbmp.h"
#include "graphics/bar_paint.h"
#include "graphics/colour.h"
#include "runtime/strings.h"

namespace controls {

namespace {

constexpr std::array<std::string_view, 5> kModeWords{"TOP", "LEFT", "RIGHT", "BOTTOM", "FLOAT"};
// The space a group start leaves before its button.
constexpr int kGroupGap = 8;
constexpr long kMidGrey = 8421504;

}  // namespace

int BarModeOf(const rt::Value& cMode) {
  if (!cMode.IsString()) return kBarTop;
  const std::string word = rt::UPPER(rt::ALLTRIM(cMode.AsString()));
  if (word == "DOWN") return kBarBottom;
  const auto it = std::find(kModeWords.begin(), kModeWords.end(), word);
  return it == kModeWords.end() ? kBarTop : static_cast<int>(it - kModeWords.begin()) + 1;
}

TBar& TBar::New(const BarArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  nBtnWidth = NumOr(a.nBtnWidth, 28);
  nBtnHeight = NumOr(a.nBtnHeight, 28);
  l3D = rt::IsTrue(a.l3D);
  const int wanted = BarModeOf(a.cMode);
  // A floating bar is made at the top and floated once it exists.
  nMode = wanted == kBarFloat ? kBarTop : wanted;
  RECT client{};
  if (owner && owner->hWnd) GetClientRect(owner->hWnd, &client);
  const int R = client.right, B = client.bottom;
  const int w = static_cast<int>(nBtnWidth), h = static_cast<int>(nBtnHeight);
  nTop = nMode == kBarBottom ? B - h : -1;
  nLeft = nMode == kBarRight ? R - w - (l3D ? 3 : 0) : -1;
  nBottom = nMode == kBarTop ? h : B + 1;
  nRight = Horizontal() ? R : nMode == kBarLeft ? w + (l3D ? 3 : 0) : R + 1;
  Open(a.oCursor);
  FillOwnerSlot();
  if (wanted == kBarFloat) Float();
  return *this;
}

void TBar::Open(const rt::Value& oCursorGiven) {
  nStyle = WS_BORDER | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  nClrPane = l3D ? gfx::GETSYSCOLOR(COLOR_BTNFACE) : kMidGrey;
  nClrText = gfx::GETSYSCOLOR(COLOR_BTNTEXT);
  oCursor = oCursorGiven.As<gfx::TCursor>();
  aControls = rt::Value::Array();
  lVisible = true;
  lValidating = false;
  Register(CS_VREDRAW | CS_HREDRAW);
  Create();
  SetColor(rt::Value(nClrText), rt::Value(nClrPane));
}

TBar& TBar::NewAt(const BarAtArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const int row = static_cast<int>(NumOr(a.nRow, 0)), col = static_cast<int>(NumOr(a.nCol, 0));
  nBtnWidth = NumOr(a.nBtnWidth, 28);
  nBtnHeight = NumOr(a.nBtnHeight, 28);
  l3D = rt::IsTrue(a.l3D);
  nMode = BarModeOf(a.cMode) == kBarFloat ? kBarTop : BarModeOf(a.cMode);
  nTop = row;
  nLeft = col;
  nBottom = row + static_cast<int>(NumOr(a.nHeight, 28)) - 1;
  nRight = col + static_cast<int>(NumOr(a.nWidth, 28 * 10)) - 1;
  Open(a.oCursor);
  return *this;
}

std::size_t TBar::ButtonCount() const { return aControls.IsArray() ? aControls.Len() : 0; }

std::shared_ptr<TBtnBmp> TBar::Button(std::size_t i) const {
  return i < ButtonCount() ? aControls.Items()[i].As<TBtnBmp>() : nullptr;
}

bool TBar::AnyDropDown() const {
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    if (const auto b = Button(i); b && b->oPopup.IsObject()) return true;
  }
  return false;
}

void TBar::Add(const rt::Value& oBtn, const rt::Value& nPos) {
  if (!aControls.IsArray()) aControls = rt::Value::Array();
  auto& items = aControls.Items();
  const long pos = NumOr(nPos, 0);
  if (pos >= 1 && pos <= static_cast<long>(items.size())) {
    items.insert(items.begin() + (pos - 1), oBtn);
  } else {
    items.push_back(oBtn);
  }
  // A button made while the bar floats joins the tool window.
  if (floatWnd_ && floatWnd_->hWnd) {
    if (const auto b = oBtn.As<core::TWindow>(); b && b->hWnd) SetParent(b->hWnd, floatWnd_->hWnd);
    SizeFloatWindow();
    BtnAdjust();
  }
}

void TBar::ShiftButtons(std::size_t from, int dx, int dy) {
  for (std::size_t i = from; i < ButtonCount(); ++i) {
    if (const auto b = Button(i)) b->MoveCorner(b->nTop + dy, b->nLeft + dx);
  }
}

long TBar::GetBtnTop(bool lGroup, const rt::Value&) {
  if (Horizontal()) return l3D ? 3 : -1;
  if (nMode == kBarFloat) return 0;
  if (lGroup) ++nGroups;
  const long count = static_cast<long>(ButtonCount());
  return (l3D ? 2 : 0) + count * (nBtnHeight - (l3D ? 3 : 0)) + kGroupGap * nGroups;
}

long TBar::GetBtnLeft(bool lGroup, const rt::Value& nPos) {
  const std::size_t count = ButtonCount();
  if (Vertical()) return l3D ? 2 : 0;
  if (nMode == kBarFloat) {
    if (count == 0) return -1;
    RECT bar{};
    GetClientRect(hWnd, &bar);
    const long next = static_cast<long>(count) * nBtnWidth - 1;
    return next + nBtnWidth > bar.right ? -1 : next;
  }
  long left = l3D ? 9 : 0;
  if (count > 0) {
    const long pos = NumOr(nPos, 0);
    const bool inserting = pos >= 1 && pos <= static_cast<long>(count);
    const std::size_t before = inserting && pos > 1 ? static_cast<std::size_t>(pos - 2) : count - 1;
    if (!inserting || pos > 1) {
      if (const auto b = Button(before)) left = b->nRight;
    }
    if (inserting) {
      ShiftButtons(static_cast<std::size_t>(pos - 1), static_cast<int>(nBtnWidth) + (lGroup ? kGroupGap : 0), 0);
    }
  }
  if (lGroup) {
    ++nGroups;
    left += kGroupGap;
  }
  if (l3D) left += 2;
  return left;
}

void TBar::AddGroup(long nPos) {
  const auto b = nPos >= 1 ? Button(static_cast<std::size_t>(nPos - 1)) : nullptr;
  if (nMode == kBarFloat || !b || b->lGroup) return;
  const std::size_t from = static_cast<std::size_t>(nPos - 1);
  Horizontal() ? ShiftButtons(from, kGroupGap, 0) : ShiftButtons(from, 0, kGroupGap);
  b->lGroup = true;
  ++nGroups;
  Refresh();
}

void TBar::DelGroup(long nPos) {
  const auto b = nPos >= 1 ? Button(static_cast<std::size_t>(nPos - 1)) : nullptr;
  if (nMode == kBarFloat || !b || !b->lGroup) return;
  const std::size_t from = static_cast<std::size_t>(nPos - 1);
  Horizontal() ? ShiftButtons(from, -kGroupGap, 0) : ShiftButtons(from, 0, -kGroupGap);
  b->lGroup = false;
  --nGroups;
  Refresh();
}

void TBar::Del(long nPos) {
  if (nPos < 1 || nPos > static_cast<long>(ButtonCount())) return;
  const std::size_t at = static_cast<std::size_t>(nPos - 1);
  const auto gone = Button(at);
  auto& items = aControls.Items();
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
  if (gone && gone->lGroup) {
    // The next button takes over the group start; without one that can,
    // the group is gone.
    if (const auto next = Button(at); next && !next->lGroup) {
      next->lGroup = true;
    } else {
      --nGroups;
    }
  }
  if (gone && gone->hWnd) DestroyWindow(gone->hWnd);
  SizeFloatWindow();
  BtnAdjust();
  Refresh();
}

void TBar::BtnAdjust() {
  int x = l3D ? 2 : -1, y = l3D ? 2 : -1;
  int groups = 0, dropDowns = 0;
  int row = 0, col = 0;
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    const auto b = Button(i);
    if (!b) continue;
    if (b->lGroup) ++groups;
    const bool dropDown = b->oPopup.IsObject();
    if (Horizontal()) {
      b->MoveCorner((l3D ? 4 : 0) - 1, x + kGroupGap * groups + 9 + 13 * dropDowns);
      x += static_cast<int>(nBtnWidth);
    } else if (Vertical()) {
      b->MoveCorner(y + kGroupGap * groups + 8, (l3D ? 3 : 0) - 1);
      y += static_cast<int>(nBtnHeight) + (l3D ? -3 : 1);
    } else {
      b->MoveCorner(row, col);
      if (col == 0) {
        col = static_cast<int>(nBtnWidth) - (l3D ? 2 : 0) + (dropDown ? 13 : 0);
      } else {
        col = 0;
        row += static_cast<int>(nBtnHeight) + (l3D ? -5 : 1);
      }
    }
    if (dropDown) ++dropDowns;
    if (b->hWnd) InvalidateRect(b->hWnd, nullptr, TRUE);
  }
}

void TBar::Adjust() {
  const auto owner = Container();
  if (!owner || !hWnd) return;
  const auto msg = owner->oMsgBar.As<core::TWindow>();
  const HWND msgBar = msg ? msg->hWnd : nullptr;
  RECT r{};
  if (msgBar) GetWindowRect(msgBar, &r);
  gfx::BARADJUST(hWnd, nMode, msgBar != nullptr, static_cast<int>(r.bottom - r.top));
}

}  // namespace controls
