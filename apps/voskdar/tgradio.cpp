#include "apps/voskdar/tgradio.h"

#include <algorithm>

#include "apps/voskdar/check_item_paint.h"
#include "apps/voskdar/glyph_hex.h"
#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/bitmap.h"
#include "graphics/class_names.h"
#include "graphics/gdi_scope.h"
#include "grid/dark_color.h"
#include "services/int32.h"

namespace voskdar {
namespace {

constexpr long kMouseKey = 1002;
// The size of an item drawn without a glyph.
constexpr int kGlyphSize = 14;


long StyleOf(const rt::Value& cBoxStyle) {
  static const char* const names[] = {"THIN", "GROSS", "POINTER", "CHECK", "CIRCLE"};
  if (cBoxStyle.IsString()) {
    for (long i = 0; i < 5; ++i) {
      if (cBoxStyle.AsString() == names[i]) return i + 1;
    }
  }
  return kStyleCircle;
}

std::vector<std::string> TextsOf(rt::Value items) {
  if (items.IsBlock()) items = items.Eval();
  if (items.IsString()) return {items.AsString()};
  std::vector<std::string> out;
  if (!items.IsArray()) return out;
  if (items.Len() > 0 && items.At(1).IsArray()) items = items.At(1);
  for (const rt::Value& v : items.Items()) out.push_back(v.IsString() ? v.AsString() : std::string());
  return out;
}

// The letter after "&", upper case; 0 when there is none.
int HotKey(const std::string& text) {
  const auto at = text.find('&');
  if (at == std::string::npos || at + 1 >= text.size()) return 0;
  return std::toupper(static_cast<unsigned char>(text[at + 1]));
}

// Whether user glyph n is given at all.
bool HasUserGlyph(const rt::Value& bitmaps, std::size_t n) {
  return bitmaps.IsArray() && bitmaps.Len() >= n && !bitmaps.At(n).IsNil();
}

// A glyph is a bitmap object (its hBitmap) or a bitmap handle.
HBITMAP HandleOfGlyph(const rt::Value& glyph) {
  const rt::Value h = glyph.IsObject() ? core::Ask(glyph, "hBitmap") : glyph;
  return h.IsNumber() ? reinterpret_cast<HBITMAP>(svc::ToHandle(h)) : nullptr;
}

HBITMAP HandleFromBlock(const rt::Value& block, const rt::Value& glyph) {
  const rt::Value h = block.IsBlock() ? block.Eval(glyph) : rt::Value(svc::HandleNumber(HandleOfGlyph(glyph)));
  return h.IsNumber() ? reinterpret_cast<HBITMAP>(svc::ToHandle(h)) : nullptr;
}

}  // namespace

const std::array<HBITMAP, 4>& TGRadio::aRadBmp() { return DefaultGlyphs::Current(); }

TGRadio::~TGRadio() {
  if (glyphsHeld_) DefaultGlyphs::Release();
}

TGRadio& TGRadio::New(const GRadioArgs& a) {
  Setup(a);
  const auto owner = Container();
  const bool inDialog = owner && owner->IsKindOf(vdclass::kDialog);
  int top = static_cast<int>(svc::ToInt32(a.nRow));
  int left = static_cast<int>(svc::ToInt32(a.nCol));
  if (!rt::IsTrue(a.lPixel)) {
    top *= 13;
    left *= 7;
  }
  const int width = a.nWidth.IsNumber() ? static_cast<int>(svc::ToInt32(a.nWidth)) : 16;
  const int height = a.nHeight.IsNumber() ? static_cast<int>(svc::ToInt32(a.nHeight)) : (inDialog ? 8 : 16);
  nTop = top;
  nLeft = left;
  nBottom = top + height - 1;
  nRight = left + width - 1;

  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWFIXED;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  controls::Place(*this, "LISTBOX");
  if (hWnd) SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  oRect = RECT{nLeft, nTop, nRight, nBottom};
  lRegistered = true;
  return *this;
}

TGRadio& TGRadio::Redefine(long id, const GRadioArgs& a) {
  Setup(a);
  fromResource_ = true;
  TControl::Redefine(id, oWnd);
  lRegistered = true;
  return *this;
}

void TGRadio::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  // An item of the program's own template keeps New's numbers, which Default
  // scales when the item is first drawn; one bound to a resource item stands
  // where the resource put it, already in pixels.
  if (!hWnd || !fromResource_) return;
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
  oRect = RECT{r.left, r.top, r.right - 1, r.bottom - 1};
  Default();
}

void TGRadio::Setup(const GRadioArgs& a) {
  DefaultGlyphs::Acquire();
  glyphsHeld_ = true;
  oWnd = controls::OwnerOr(a.oWnd);
  const auto owner = Container();
  aItems = TextsOf(a.aItems);
  const long count = static_cast<long>(aItems.size());

  bSetGet = a.bSetGet;
  bChange = a.bChange;
  cMsg = a.cMsg;
  bWhen = a.bWhen;
  lUpdate = rt::IsTrue(a.lUpdate);
  lDrag = rt::IsTrue(a.lDesign);
  l3DText = a.c3D.IsString() && a.c3D.AsString() == "RAISED";
  cBoxType = a.cBoxType.IsString() ? a.cBoxType.AsString() : std::string();
  cLabel = a.cLabel.IsString() ? a.cLabel.AsString() : std::string();
  nAlign = svc::ToInt32(a.nAlign);
  cToolTip = a.cToolTip;
  aActions = a.aActions;
  nBStyle = StyleOf(a.cBoxStyle.IsNil() ? rt::Value("CIRCLE") : a.cBoxStyle);
  aHelp = rt::Value::Array();
  for (long i = 1; i <= count; ++i) {
    const bool given = a.aHelp.IsArray() && a.aHelp.Len() > 0;
    rt::Value id(99 + i);
    if (given) id = static_cast<std::size_t>(i) <= a.aHelp.Len() ? a.aHelp.At(static_cast<std::size_t>(i)) : a.aHelp.At(1);
    aHelp.Items().push_back(id);
  }

  const long text = owner ? owner->nClrText : 0;
  const long back = owner ? owner->nClrPane : static_cast<long>(GetSysColor(COLOR_BTNFACE));
  aColors = {text, back, static_cast<long>(GetSysColor(COLOR_BTNHIGHLIGHT)), static_cast<long>(GetSysColor(COLOR_BTNSHADOW)),
             text, back};
  if (a.aColors.IsArray()) {
    for (std::size_t i = 1; i <= std::min<std::size_t>(6, a.aColors.Len()); ++i) {
      if (a.aColors.At(i).IsNumber()) aColors[i - 1] = svc::ToInt32(a.aColors.At(i));
    }
    if (a.aColors.Len() < 5) aColors[4] = aColors[0];
    if (a.aColors.Len() < 6) aColors[5] = aColors[1];
  }
  for (std::size_t i = 0; i < 2; ++i) {
    aFonts[i] = a.aFonts.IsArray() && a.aFonts.Len() > i ? a.aFonts.At(i + 1).As<gfx::TFont>() : nullptr;
    if (!aFonts[i] && owner) aFonts[i] = owner->oFont;
  }
  KeepFont(aFonts[0]);

  // The bound value: a number for a group, a logical for a single item;
  // anything else (or a number naming no item) becomes the first choice.
  const rt::Value value = VarGet();
  if (count > 1) {
    const long n = value.IsNumber() ? svc::ToInt32(value) : 0;
    nItem = n >= 1 && n <= count ? n : 1;
    if (n != nItem) VarPut(rt::Value(nItem));
  } else {
    nItem = 1;
    lCheckBox = value.IsLogical() ? value : rt::Value(false);
    if (!value.IsLogical()) VarPut(lCheckBox);
  }

  if (a.aBitmaps.IsArray()) {
    aBitMaps = rt::Value::ArrayOf(4);
    for (std::size_t i = 1; i <= std::min<std::size_t>(4, a.aBitmaps.Len()); ++i) aBitMaps.At(i) = a.aBitmaps.At(i);
    nBStyle = HasUserGlyph(aBitMaps, 2) ? kStyleCircle : kStylePointer;
  }

}

void TGRadio::SetGlyphBlocks() {
  // Blocks the program has set stay.
  if (bBitMapH.IsBlock() && bBmpWidth.IsBlock() && bBmpHeight.IsBlock()) return;
  bBitMapH = rt::Value::Block(
      [](rt::Args a) { return rt::Value(svc::HandleNumber(HandleOfGlyph(rt::Arg(a, 0)))); });
  bBmpWidth = rt::Value::Block([](rt::Args a) {
    const HBITMAP h = HandleOfGlyph(rt::Arg(a, 0));
    return rt::Value(h ? static_cast<long>(gfx::NBMPWIDTH(h)) : 0L);
  });
  bBmpHeight = rt::Value::Block([](rt::Args a) {
    const HBITMAP h = HandleOfGlyph(rt::Arg(a, 0));
    return rt::Value(h ? static_cast<long>(gfx::NBMPHEIGHT(h)) : 0L);
  });
}

HBITMAP TGRadio::UserGlyph(std::size_t n) const { return HandleFromBlock(bBitMapH, aBitMaps.At(n)); }

int TGRadio::GlyphSize(const rt::Value& block, int (*measure)(HBITMAP), std::size_t n) const {
  const rt::Value glyph = aBitMaps.At(n);
  if (block.IsBlock()) {
    const rt::Value size = block.Eval(glyph);
    return size.IsNumber() && svc::ToInt32(size) > 0 ? static_cast<int>(svc::ToInt32(size)) : kGlyphSize;
  }
  const HBITMAP h = HandleOfGlyph(glyph);
  return h ? measure(h) : kGlyphSize;
}

HFONT TGRadio::ItemFont() const { return aFonts[0] ? aFonts[0]->hFont : nullptr; }

void TGRadio::Default() {
  TControl::Default();
  SetGlyphBlocks();
  if (fromResource_ && hWnd) {
    nStyle = GetWindowLongA(hWnd, GWL_STYLE) | LBS_OWNERDRAWFIXED;
    SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  }
  if (!hWnd) return;
  if (const auto owner = Container(); owner && owner->IsKindOf(vdclass::kDialog) && !lDefault && !fromResource_) {
    // Dialog coordinates are half pixels.
    oRect = RECT{2 * oRect.left, 2 * oRect.top, 2 * oRect.right, 2 * oRect.bottom};
    MoveWindow(hWnd, oRect.left, oRect.top, oRect.right - oRect.left + 1, oRect.bottom - oRect.top + 1, TRUE);
  }
  RECT client{};
  GetClientRect(hWnd, &client);
  Resize(0, client.right, client.bottom);
}

void TGRadio::Resize(long, long nWidth, long nHeight) {
  if (!hWnd) return;
  lResizing = true;
  gfx::WindowDc dc(hWnd);
  const bool first = HasUserGlyph(aBitMaps, 1);
  const int glyphWidth = first ? GlyphSize(bBmpWidth, gfx::NBMPWIDTH, 1) : kGlyphSize;
  const int glyphHeight = first ? GlyphSize(bBmpHeight, gfx::NBMPHEIGHT, 1) : kGlyphSize;
  TEXTMETRICA tm{};
  {
    gfx::Selection font(dc.get(), ItemFont());
    GetTextMetricsA(dc.get(), &tm);
  }
  nIHeight = std::max<long>(glyphHeight, tm.tmHeight + 3);
  int labelHeight = 0;
  if (!cLabel.empty()) {
    TEXTMETRICA lm{};
    gfx::Selection font(dc.get(), aFonts[1] ? aFonts[1]->hFont : nullptr);
    GetTextMetricsA(dc.get(), &lm);
    labelHeight = lm.tmHeight;
  } else if (BoxTypeNumber(cBoxType)) {
    labelHeight = 4;
  }
  const int margin = BoxTypeNumber(cBoxType) ? 4 : 0;
  int columnWidth = 0;
  {
    gfx::Selection font(dc.get(), ItemFont());
    for (const std::string& item : aItems) {
      SIZE extent{};
      GetTextExtentPoint32A(dc.get(), item.data(), static_cast<int>(item.size()), &extent);
      columnWidth = std::max(columnWidth, static_cast<int>(extent.cx) + std::max(16, glyphWidth + 2));
    }
  }
  const int count = static_cast<int>(aItems.size());
  const int rows = std::max(1, std::min(count, std::max(1, static_cast<int>((nHeight - labelHeight) / nIHeight))));
  const int columns = count == 0 ? 0 : (count + rows - 1) / rows;
  const int needWidth = margin + columns * columnWidth;
  const int needHeight = labelHeight + rows * static_cast<int>(nIHeight);
  const int width = std::max(static_cast<int>(nWidth), needWidth);
  const int height = std::max(static_cast<int>(nHeight), needHeight);
  const int rowGap = lNoAdj ? 0 : (height - needHeight) / rows;
  const int columnGap = lNoAdj || columns == 0 ? 0 : (width - needWidth) / columns;
  aPos.assign(aItems.size(), ItemPos{});
  for (int i = 0; i < count; ++i) {
    ItemPos& p = aPos[static_cast<std::size_t>(i)];
    p.row = i % rows + 1;
    p.column = i / rows + 1;
    p.top = labelHeight + (p.row - 1) * (static_cast<int>(nIHeight) + rowGap);
    p.left = margin + (p.column - 1) * (columnWidth + columnGap);
    p.width = columnWidth;
  }
  SetWindowPos(hWnd, nullptr, 0, 0, width + 1, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  lDefault = true;
  lResizing = false;
}

rt::Value TGRadio::Destroy() {
  if (glyphsHeld_) {
    glyphsHeld_ = false;
    DefaultGlyphs::Release();
  }
  return TControl::Destroy();
}

void TGRadio::Disable() {
  lActive = false;
  if (hWnd) EnableWindow(hWnd, FALSE);
  Refresh();
}

void TGRadio::Enable(bool lFocus) {
  lActive = true;
  if (hWnd) EnableWindow(hWnd, TRUE);
  Refresh();
  if (lFocus) SetFocus();
}

void TGRadio::Refresh() {
  const rt::Value value = VarGet();
  if (IsCheckItem()) {
    if (value.IsLogical()) lCheckBox = value;
  } else if (value.IsNumber()) {
    const long n = svc::ToInt32(value);
    if (n >= 1 && n <= static_cast<long>(aItems.size())) nItem = n;
  }
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

rt::Value TGRadio::Display() {
  PAINTSTRUCT ps{};
  HDC dc = ::BeginPaint(hWnd, &ps);
  Paint(dc);
  ::EndPaint(hWnd, &ps);
  return rt::Value(0);
}

void TGRadio::Paint(HDC hDC) {
  if (lDrag) return;
  if (!lDefault) Default();
  paintDc_ = hDC;
  for (long n = 1; n <= static_cast<long>(aItems.size()); ++n) DrawLine(n);
  paintDc_ = nullptr;
  if (const int type = BoxTypeNumber(cBoxType)) {
    DRAWBOXES(hDC, hWnd, type, cLabel, aFonts[1] ? aFonts[1]->hFont : nullptr, static_cast<int>(nAlign),
              static_cast<COLORREF>(aColors[2]), static_cast<COLORREF>(aColors[3]), static_cast<COLORREF>(aColors[4]));
  }
}

void TGRadio::DrawLine(long n, std::optional<bool> ticked, std::optional<bool> focused, bool pressed) {
  if (!hWnd || n < 1 || n > static_cast<long>(aPos.size())) return;
  const ItemPos& p = aPos[static_cast<std::size_t>(n - 1)];
  const bool disabled = !lActive || !IsWindowEnabled(hWnd);
  bool isTicked = ticked.value_or(n == nItem);
  bool isFocused = focused.value_or(GetFocus() == hWnd) && !disabled;
  const bool checkStyle = IsCheckItem();
  if (checkStyle) isTicked = rt::IsTrue(lCheckBox);
  long style = nBStyle;
  HBITMAP glyph = nullptr;
  std::size_t user = 0;  // the user glyph drawn, 0 none
  if (style == kStyleCircle) {
    const std::size_t state = disabled ? 3 : pressed ? 4 : isTicked ? 2 : 1;
    if (HasUserGlyph(aBitMaps, state)) user = state;
    glyph = user ? UserGlyph(user) : aRadBmp()[state - 1];
  } else if (style == kStylePointer && HasUserGlyph(aBitMaps, 1)) {
    user = 1;
    glyph = UserGlyph(user);
  }
  if (pressed && style != kStyleCircle) style += style == kStyleGross ? 4 : 5;
  RadioItem r;
  gfx::BorrowedDc dc(hWnd, paintDc_);
  r.hDC = dc.get();
  r.nTop = p.top;
  r.nLeft = p.left;
  r.cText = aItems[static_cast<std::size_t>(n - 1)];
  r.hFont = ItemFont();
  r.lTicked = isTicked;
  r.nClrPane = static_cast<COLORREF>(aColors[5]);
  r.nClrText = static_cast<COLORREF>(aColors[0]);
  r.nClrLight = static_cast<COLORREF>(grid::DARKCOLOR(aColors[1], -48));
  r.nClrDark = static_cast<COLORREF>(grid::DARKCOLOR(aColors[1], 48));
  r.lDisabled = disabled;
  if (l3DText) r.l3D = true;
  r.lFocused = isFocused;
  r.nStyle = static_cast<int>(style);
  r.lCheckStyle = checkStyle;
  r.lTwice = lTwice;
  r.hBitmap = glyph;
  r.nBmpWidth = user ? GlyphSize(bBmpWidth, gfx::NBMPWIDTH, user) : glyph ? gfx::NBMPWIDTH(glyph) : kGlyphSize;
  r.nBmpHeight = user ? GlyphSize(bBmpHeight, gfx::NBMPHEIGHT, user) : glyph ? gfx::NBMPHEIGHT(glyph) : kGlyphSize;
  DRAWRADIO(r);
}

rt::Value TGRadio::EraseBkGnd(LPARAM hDC) {
  // Every paint starts from the control's background, so that a tick or
  // a focus mark taken away leaves nothing behind.
  RECT client{};
  GetClientRect(hWnd, &client);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(aColors[1]));
  FillRect(reinterpret_cast<HDC>(hDC), &client, brush);
  DeleteObject(brush);
  return rt::Value(1);
}

rt::Value TGRadio::GetDlgCode(LPARAM nKey) {
  TControl::GetDlgCode(nKey);
  return lActive ? rt::Value(DLGC_WANTALLKEYS) : rt::Value();
}

rt::Value TGRadio::GotFocus(LPARAM hWndLost) {
  if (!lActive) {
    // Hand the focus to the next control that takes it; with none, keep it
    // rather than pass it back and forth between disabled neighbours.
    HWND next = GetNextDlgTabItem(GetParent(hWnd), hWnd, FALSE);
    if (next && next != hWnd && next != reinterpret_cast<HWND>(hWndLost)) ::SetFocus(next);
    return rt::Value(0);
  }
  const rt::Value result = TControl::GotFocus(hWndLost);
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
  return result;
}

rt::Value TGRadio::LostFocus(LPARAM hWndNew) {
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
  return TControl::LostFocus(hWndNew);
}

void TGRadio::Changed(long nKey, long nFlags) {
  if (bChange.IsBlock()) bChange.Eval(Self(), rt::Value(nKey), rt::Value(nFlags));
}

void TGRadio::Select(long n, long nKey, long nFlags) {
  nItem = n;
  VarPut(rt::Value(nItem));
  Changed(nKey, nFlags);
  if (nBStyle == kStylePointer) SetFocus();
  Refresh();
}

void TGRadio::Toggle(long nKey, long nFlags) {
  lCheckBox = rt::Value(!rt::IsTrue(lCheckBox));
  VarPut(lCheckBox);
  Changed(nKey, nFlags);
}

rt::Value TGRadio::KeyDown(long nKey, long nFlags) {
  const auto owner = Container();
  const long count = static_cast<long>(aItems.size());
  const bool forced = !uForced.IsNil();
  const bool next = nKey == VK_DOWN || nKey == VK_RIGHT;
  const bool previous = nKey == VK_UP || nKey == VK_LEFT;
  if (next || previous) {
    if (IsCheckItem()) {
      if (owner) next ? owner->GoNextCtrl(hWnd) : owner->GoPrevCtrl(hWnd);
    } else if (!forced && count > 0) {
      Select(next ? nItem % count + 1 : (nItem <= 1 ? count : nItem - 1), nKey, nFlags);
    }
    return rt::Value(0);
  }
  if (nKey == VK_RETURN) {
    if (owner) owner->GoNextCtrl(hWnd);
    return rt::Value(0);
  }
  if (nKey == VK_SPACE && IsCheckItem()) {
    if (!forced) {
      Toggle(nKey, nFlags);
      DrawLine(1, {}, {}, true);
      Refresh();
    }
    return rt::Value(0);
  }
  return TControl::KeyDown(nKey, nFlags);
}

rt::Value TGRadio::KeyChar(long nKey, long nFlags) {
  if (!uForced.IsNil()) return rt::Value(0);
  if (nKey == VK_SPACE || nKey == VK_RETURN) return rt::Value(0);
  if (!IsCheckItem()) {
    const int key = std::toupper(static_cast<int>(nKey & 0xFF));
    long found = 0;
    for (long i = 1; i <= static_cast<long>(aItems.size()); ++i) {
      if (i != nItem && HotKey(aItems[static_cast<std::size_t>(i - 1)]) == key) found = i;
    }
    if (found) {
      const long old = nItem;
      nItem = found;
      VarPut(rt::Value(nItem));
      DrawLine(old);
      DrawLine(nItem);
      Changed(nKey, nFlags);
      return rt::Value(0);
    }
  }
  return TControl::KeyChar(nKey, nFlags);
}

long TGRadio::ItemAt(long nRow, long nCol) const {
  long found = 0;
  for (std::size_t i = 0; i < aPos.size(); ++i) {
    const ItemPos& p = aPos[i];
    if (nRow >= p.top && nRow <= p.top + nIHeight && nCol >= p.left && nCol <= p.left + p.width) {
      found = static_cast<long>(i) + 1;
    }
  }
  return found;
}

rt::Value TGRadio::LButtonDown(long nRow, long nCol, long) {
  if (const auto owner = Container()) owner->nLastKey = kMouseKey;
  SetFocus();
  nPressed = ItemAt(nRow, nCol);
  if (nPressed) DrawLine(nPressed, {}, {}, true);
  return rt::Value(0);
}

rt::Value TGRadio::LButtonUp(long nRow, long nCol, long nFlags) {
  const long item = ItemAt(nRow, nCol);
  if (nPressed && item && uForced.IsNil()) {
    if (IsCheckItem()) {
      Toggle(1, nFlags);
    } else {
      nItem = item;
      VarPut(rt::Value(nItem));
      Changed(1, nFlags);
    }
    if (nBStyle == kStylePointer) SetFocus();
  }
  nPressed = 0;
  Refresh();
  return rt::Value(0);
}

rt::Value TGRadio::LDblClick(long, long, long) {
  if (aActions.IsArray() && static_cast<std::size_t>(nItem) <= aActions.Len()) {
    const rt::Value& action = aActions.At(static_cast<std::size_t>(nItem));
    if (action.IsBlock()) action.Eval(rt::Value(nItem), Self());
  }
  return rt::Value(0);
}

rt::Value TGRadio::RButtonDown(long nRow, long nCol, long nFlags) {
  if (bRClicked.IsBlock()) bRClicked.Eval(rt::Value(nRow), rt::Value(nCol), rt::Value(nFlags), Self());
  return rt::Value(0);
}

rt::Value TGRadio::MouseMove(long nRow, long nCol, long nFlags) {
  if (lActive) {
    if (const auto owner = Container()) {
      owner->SetMsg(cMsg.IsBlock() ? cMsg.Eval(rt::Value(nRow), rt::Value(nCol), Self()) : cMsg);
    }
  }
  return TControl::MouseMove(nRow, nCol, nFlags);
}

void TGRadio::Force(const rt::Value& uValue) {
  if (uValue.IsNil()) {
    uForced = rt::Value();
    return;
  }
  bool changed = false;
  if (IsCheckItem() && uValue.IsLogical()) {
    changed = rt::IsTrue(lCheckBox) != uValue.AsLogical();
    lCheckBox = uValue;
  } else if (!IsCheckItem() && uValue.IsNumber()) {
    const long n = svc::ToInt32(uValue);
    if (n < 1 || n > static_cast<long>(aItems.size())) return;
    changed = n != nItem;
    nItem = n;
  } else {
    return;
  }
  uForced = uValue;
  VarPut(uValue);
  if (changed) Changed(0, 0);
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TGRadio::SetItems(const rt::Value& uItems, long n) {
  if (n >= 1 && n <= static_cast<long>(aItems.size())) {
    rt::Value text = uItems.IsBlock() ? uItems.Eval() : uItems;
    aItems[static_cast<std::size_t>(n - 1)] = text.IsString() ? text.AsString() : std::string();
  } else {
    aItems = TextsOf(uItems);
  }
  nItem = std::clamp<long>(nItem, 1, std::max<long>(1, static_cast<long>(aItems.size())));
  lDefault = false;
  if (hWnd) {
    Default();
    InvalidateRect(hWnd, nullptr, TRUE);
  }
}

}  // namespace voskdar
