// The grid's keyboard: navigation keys, the Ctrl and Shift variants, keys
// remapped per shift state, printable keys that open the cell editor or
// feed the incremental seek, and the mouse wheel.
#include <windows.h>

#include <cctype>
#include <string_view>

#include "grid/tgbrowse.h"
#include "services/keyboard.h"

namespace grid {
namespace {

constexpr long kEnter = 13, kEsc = 27, kTab = 9, kSpace = 32, kPgUp = 33, kPgDn = 34, kEnd = 35, kHome = 36,
               kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46, kContextKey = 93, kF2 = 113;
// Bit 30 of a key message's flags: the key was down before (auto-repeat).
constexpr long kRepeatBit = 1L << 30;
// A bUserKeys answer below this replaces the key.
constexpr long kUserKeyLimit = 200;
constexpr UINT kWheel = 522;
constexpr long kWheelStep = 120;
// Edit moves after a cell edit, as the Ctrl+Shift arrows set them.
constexpr long kMoveRight = 1, kMoveDown = 2, kMoveLeft = 3, kMoveUp = 4;

bool CtrlDown() { return svc::GETKEYSTATE(VK_CONTROL); }
bool ShiftDown() { return svc::GETKEYSTATE(VK_SHIFT); }
bool AltDown() { return svc::GETKEYSTATE(VK_MENU); }

// Whether a typed key suits a cell holding the value.
bool KeyFits(const rt::Value& value, long nKey, bool bitmapCell, bool spanishYes) {
  if (value.IsString()) return nKey >= 32 && nKey <= 255;
  if (value.IsNumber() || value.IsDate()) {
    return nKey < 256 && std::string_view(".+-0123456789").find(static_cast<char>(nKey)) != std::string_view::npos;
  }
  if (value.IsLogical()) {
    if (bitmapCell) return nKey == kSpace;
    const char upper = nKey < 256 ? static_cast<char>(std::toupper(static_cast<unsigned char>(nKey))) : 0;
    return upper != 0 && std::string_view(spanishYes ? "TFSCYN" : "TFYN").find(upper) != std::string_view::npos;
  }
  return false;
}

}  // namespace

bool TGBrowse::lIgnoreKey(long nKey, long) {
  if (!aKeyRemap.IsArray()) return false;
  for (const rt::Value& row : aKeyRemap.Items()) {
    if (!row.IsArray() || row.Len() < 6 || !row.At(1).IsNumber() || row.At(1).AsInt() != nKey) continue;
    const bool ctrl = CtrlDown(), shift = ShiftDown();
    // Columns: key, none, Ctrl, Shift, Alt, Ctrl+Shift, block.
    std::size_t slot = 2;
    if (ctrl && shift) {
      slot = 6;
    } else if (ctrl) {
      slot = 3;
    } else if (shift) {
      slot = 4;
    } else if (AltDown()) {
      slot = 5;
    }
    const bool flag = rt::IsTrue(row.At(slot));
    if (flag && row.Len() >= 7 && row.At(7).IsBlock()) row.At(7).Eval(Self(), nKey);
    return flag;
  }
  return false;
}

rt::Value TGBrowse::GetDlgCode(LPARAM nKey) {
  if (const auto owner = Container(); owner && !owner->lValidating) {
    const bool kept = nKey == kUp || nKey == kDown || nKey == kEnter || nKey == kTab;
    owner->nLastKey = kept ? static_cast<long>(nKey) : 0;
  }
  return rt::Value(hWnd && IsWindowEnabled(hWnd) && nKey != kEsc ? DLGC_WANTALLKEYS : 0);
}

void TGBrowse::ToggleSelected(long nKey) {
  const long rec = RowNumber();
  auto& items = aSelected.Items();
  bool added = true;
  for (auto it = items.begin(); it != items.end(); ++it) {
    if (it->AsInt() == rec) {
      items.erase(it);
      added = false;
      break;
    }
  }
  if (added) items.push_back(rt::Value(rec));
  Draw([this] { DrawSelect(); });
  bSelected.Eval(Self(), nKey, added);
}

void TGBrowse::OpenEditor(long nFlags) {
  if (Count() == 0) {
    if (!lCanAppend) {
      nKeyDown = 0;
      return;
    }
    if (IsTable()) GoDown();
  }
  const auto column = Col(nCell);
  if (!column) return;
  if (column->bPrevEdit.IsBlock()) {
    const rt::Value allowed = column->bPrevEdit.Eval();
    if (allowed.IsLogical() && !allowed.AsLogical()) {
      nKeyDown = 0;
      return;
    }
  }
  rt::Value value;
  if (aArray.IsArray() && !IsTable() && lAppendMode) {
    // An empty text takes no typing: it counts as no default.
    const rt::Value given = aDefValue.IsArray() && nCell <= static_cast<long>(aDefValue.Len())
                                ? aDefValue.At(static_cast<std::size_t>(nCell))
                                : rt::Value();
    const bool usable = !given.IsNil() && !(given.IsString() && given.AsString().empty());
    value = usable ? given : rt::Value(std::string(10, ' '));
  } else {
    value = IsTable() ? InArea([&] { return column->bData.Eval(); }) : column->bData.Eval();
  }
  if (column->bPrevEdit.IsBlock()) column->bPrevEdit.Eval(value, Self());
  nKeyFlag = nFlags;
  lEditCol(value, nCell);
}

rt::Value TGBrowse::KeyDown(long nKey, long nFlags) {
  const auto owner = Container();
  if (owner) owner->nLastKey = nKey;
  lFirstFocus = false;
  if (nFlags > 0) lEditing = false;
  if (bUserKeys.IsBlock()) {
    const rt::Value answer = bUserKeys.Eval(nKey, nFlags, Self());
    if (answer.IsNumber() && answer.AsInt() < kUserKeyLimit) {
      nKey = answer.AsInt();
    } else if (answer.IsLogical() && !answer.AsLogical()) {
      nKeyDown = 0;
      return rt::Value(0);
    }
  }
  if (lIgnoreKey(nKey, nFlags)) return TControl::KeyDown(nKey, nFlags);
  const bool ctrl = CtrlDown(), shift = ShiftDown();
  if (ctrl && shift) {
    long move = 0;
    switch (nKey) {
      case kRight: move = kMoveRight; break;
      case kDown: move = kMoveDown; break;
      case kUp: move = kMoveUp; break;
      case kLeft: move = kMoveLeft; break;
      default: break;
    }
    if (move != 0) {
      if (const auto column = Col(std::max(nCell, 1L))) column->nEditMove = move;
      return rt::Value(0);
    }
  }
  if (ctrl) {
    switch (nKey) {
      case kHome: GoTop(); PanHome(); break;
      case kEnd:
        if (lHitBottom) {
          PanEnd();
        } else {
          GoBottom();
        }
        break;
      case kPgUp: GoTop(); break;
      case kPgDn: GoBottom(); break;
      case kLeft: PanLeft(); break;
      case kRight: PanRight(); break;
      default: return TControl::KeyDown(nKey, nFlags);
    }
    return rt::Value(0);
  }
  if (shift && nKeyDown == 0) {
    if (nKey == kHome) {
      PanHome();
    } else if (nKey == kEnd) {
      PanEnd();
    } else if ((nKey == kUp || nKey == kDown) && lCanSelect) {
      ToggleSelected(nKey);
    } else {
      return TControl::KeyDown(nKey, nFlags);
    }
    return rt::Value(0);
  }
  if (nKey == kHome) {
    GoTop();
    return rt::Value(0);
  }
  if (nKey == kEnd) {
    GoBottom();
    return rt::Value(0);
  }
  const long fireKey = nFireKey.IsNumber() ? nFireKey.AsInt() : kF2;
  if (nKey == kEnter || nKeyDown != 0 || nKey == fireKey) {
    const auto column = Col(nCell);
    const bool cellEditable = lCellBrw && column && column->lEdit &&
                              (!column->bWhen.IsBlock() || rt::IsTrue(column->bWhen.Eval()));
    bool anyEditable = false;
    for (long i = 1; i <= nColCount() && !anyEditable; ++i) anyEditable = Col(i)->lEdit;
    if (cellEditable || (lAppendMode && anyEditable)) {
      OpenEditor(nFlags);
      return rt::Value(0);
    }
  }
  switch (nKey) {
    case kUp: GoUp(); break;
    case kDown: GoDown(); break;
    case kLeft: GoLeft(); break;
    case kRight: GoRight(); break;
    case kPgUp: PageUp(); break;
    case kPgDn: PageDown(); break;
    case kDelete:
      if (!lCanDelete) return TControl::KeyDown(nKey, nFlags);
      DeleteRow();
      break;
    case kContextKey:
      // The key alone, whatever keyboard sent it; its auto-repeats do not
      // open the menu again.
      if (nFlags & kRepeatBit) return rt::Value(0);
      bContext.Eval(nRowPos, nColPos, Self());
      break;
    default:
      nKeyDown = 0;
      return TControl::KeyDown(nKey, nFlags);
  }
  return rt::Value(0);
}

rt::Value TGBrowse::KeyChar(long nKey, long nFlags) {
  if (lAppendMode) return rt::Value(0);
  const auto column = Col(nCell);
  bool fits = false;
  if (column && nColCount() > 0) {
    const rt::Value value = IsTable() ? InArea([&] { return column->bData.Eval(); }) : column->bData.Eval();
    const bool spanishYes = aMsg.IsArray() && aMsg.Len() >= 1 && aMsg.At(1).IsString() && aMsg.At(1).AsString() == "SI";
    fits = KeyFits(value, nKey, rt::IsTrue(column->lBitMap), spanishYes);
  }
  if (fits && lCellBrw && column->lEdit) {
    nKeyDown = nKey;
    nKeyFlag = nFlags;
    return KeyDown(nKey, nFlags);
  }
  if (lSeek && nKey != kEnter) {
    Seek(nKey);
    return rt::Value(0);
  }
  return TControl::KeyChar(nKey, nFlags);
}

rt::Value TGBrowse::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg != kWheel) return TControl::HandleEvent(nMsg, nWParam, nLParam);
  // The pointer's screen position; both halves are signed, as a second
  // monitor left of or above the first gives negative positions.
  const POINT at{static_cast<short>(LOWORD(nLParam)), static_cast<short>(HIWORD(nLParam))};
  RECT box{};
  if (!hWnd || !GetWindowRect(hWnd, &box) || !PtInRect(&box, at)) {
    return TControl::HandleEvent(nMsg, nWParam, nLParam);
  }
  // A turn of less than a notch still moves a line, in its own direction.
  const long delta = static_cast<short>(HIWORD(nWParam));
  if (delta == 0) return rt::Value(0);
  const long steps = delta / kWheelStep;
  long code = 0, count = 1;
  if (steps > 1) {
    code = SB_PAGEUP;
    count = steps;
  } else if (delta > 0) {
    code = SB_LINEUP;
  } else if (steps < -1) {
    code = SB_PAGEDOWN;
    count = -steps;
  } else {
    code = SB_LINEDOWN;
  }
  rt::Value result;
  for (long i = 0; i < count; ++i) result = VScroll(code, 0);
  return result;
}

}  // namespace grid
