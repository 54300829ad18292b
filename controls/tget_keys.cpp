// TGet's keys, focus and mouse.
#include <algorithm>

#include "controls/tget.h"
#include "core/message_loop.h"
#include "graphics/class_names.h"
#include "graphics/cursors.h"
#include "runtime/callstack.h"
#include "runtime/setkey.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/text_case.h"
#include "services/common_dialogs.h"

namespace controls {

namespace {

constexpr long kExtendedKey = 16777216;
constexpr long kCtrlV = 22, kCtrlX = 24;

bool KeyIsDown(int vkey) { return (GetKeyState(vkey) & 0x8000) != 0; }

bool ChangeAllows(const rt::Value& bChange, long nKey, long nFlags, const rt::Value& self) {
  if (!bChange.IsBlock()) return true;
  const rt::Value answer = bChange.Eval(rt::Value(nKey), rt::Value(nFlags), self);
  return !(answer.IsLogical() && !answer.AsLogical());
}

}  // namespace

void TGet::MoveFocus(bool forward) {
  auto owner = Container();
  // Inside a combo box the move is the combo box's, in its own owner.
  if (owner && owner->ClassName() == vdclass::kComboBox) {
    const HWND combo = owner->hWnd;
    owner = owner->oWnd.As<core::TWindow>();
    if (owner) forward ? owner->GoNextCtrl(combo) : owner->GoPrevCtrl(combo);
    return;
  }
  if (owner) forward ? owner->GoNextCtrl(hWnd) : owner->GoPrevCtrl(hWnd);
}

rt::Value TGet::KeyDown(long nKey, long nFlags) {
  const auto owner = Container();
  if (owner) owner->nLastKey = nKey;
  const bool many = owner && owner->aControls.IsArray() && owner->aControls.Len() > 1;
  const bool ctrl = KeyIsDown(VK_CONTROL), shift = KeyIsDown(VK_SHIFT);
  switch (nKey) {
    case VK_UP:
      if (!many) break;
      owner->GoPrevCtrl(hWnd);
      return rt::Value(1);
    case VK_DOWN:
      if (!many) break;
      owner->GoNextCtrl(hWnd);
      return rt::Value(1);
    case VK_LEFT: {
      ctrl ? oGet->WordLeft() : oGet->Left();
      const int target = std::max(1, oGet->Pos());
      // Hand the key to the edit until its caret stands at the Get's place,
      // or stops moving (it cannot go further left).
      long caret = NativeCaret();
      while (caret > target - 1) {
        Native(WM_KEYDOWN, static_cast<WPARAM>(nKey), nFlags);
        const long moved = NativeCaret();
        if (moved == caret) break;
        caret = moved;
      }
      nPos = static_cast<int>(caret) + 1;
      if (nPos < oGet->Pos()) SetPos(oGet->Pos());
      else oGet->SetPos(nPos);
      return rt::Value(0);
    }
    case VK_RIGHT: {
      const int before = oGet->Pos();
      ctrl ? oGet->WordRight() : oGet->Right();
      if (oGet->Pos() != before) {
        long caret = NativeCaret();
        while (caret + 1 < oGet->Pos()) {
          Native(WM_KEYDOWN, static_cast<WPARAM>(nKey), nFlags);
          const long moved = NativeCaret();
          if (lPassword || moved == caret) break;
          caret = moved;
        }
      }
      nPos = static_cast<int>(NativeCaret()) + 1;
      oGet->SetPos(nPos);
      return rt::Value(0);
    }
    case VK_INSERT:
      if (shift && !ctrl) {
        if (!lReadOnly) Paste();
        return rt::Value(0);
      }
      if (shift || ctrl) break;
      rt::Sets().insert = !rt::Sets().insert;
      DestroyCaret();
      CreateCaret(hWnd, nullptr, rt::Sets().insert ? 6 : 2, static_cast<int>(nChrHeight));
      ShowCaret(hWnd);
      return rt::Value(0);
    case 'V':
    case 'X':
      if (!ctrl) break;
      if (!lReadOnly) nKey == 'V' ? Paste() : Cut();
      return rt::Value(0);
    case VK_HOME:
    case VK_END:
      if (shift) {
        Native(WM_KEYDOWN, static_cast<WPARAM>(nKey), nFlags);
        long start = 0, end = 0;
        GetSelPos(start, end);
        nPos = static_cast<int>(start) + 1;
        oGet->SetPos(nPos);
      } else {
        nKey == VK_HOME ? oGet->Home() : oGet->End();
        SetPos(oGet->Pos());
      }
      return rt::Value(0);
    case VK_DELETE:
    case VK_BACK: {
      if (lReadOnly) return rt::Value(0);
      if (lDrag) return TControl::KeyDown(nKey, nFlags);
      long start = 0, end = 0;
      GetSelPos(start, end);
      if (end != start) {
        // Shift+Del cuts: the native edit puts the selection on the
        // clipboard before the buffer loses it.
        if (KeyIsDown(VK_SHIFT)) Native(WM_KEYDOWN, static_cast<WPARAM>(nKey), nFlags);
        GetDelSel(start, end);
      } else {
        nKey == VK_DELETE ? oGet->Delete() : oGet->BackSpace();
      }
      EditUpdate();
      if (bChange.IsBlock()) bChange.Eval(rt::Value(nKey), rt::Value(nFlags), Self());
      return rt::Value(0);
    }
    default:
      break;
  }
  return TControl::KeyDown(nKey, nFlags);
}

rt::Value TGet::KeyChar(long nKey, long nFlags) {
  const rt::Value handler = rt::SETKEY(nKey);
  if (cPicture.AsString().find("@!") != std::string::npos)
    nKey = static_cast<unsigned char>(rt::AsciiUpperChar(static_cast<char>(nKey)));
  if (handler.IsBlock() && (nFlags & kExtendedKey)) {
    handler.Eval(rt::PROCNAME(4), rt::PROCLINE(4), Self());
    return rt::Value(0);
  }
  const auto owner = Container();
  if (lReadOnly) {
    if (nKey == VK_ESCAPE && owner) owner->End();
    return rt::Value(0);
  }
  // Backspace is handled in KeyDown; Ctrl+V and Ctrl+X there too, so the
  // edit must not paste or cut a second time behind the Get's back.
  if (nKey == VK_BACK || nKey == kCtrlV || nKey == kCtrlX) return rt::Value(0);
  if (nKey == VK_TAB || nKey == VK_RETURN) {
    const bool back = nKey == VK_TAB && KeyIsDown(VK_SHIFT);
    bool move = true;
    if (bChange.IsBlock()) {
      const rt::Value answer = bChange.Eval(rt::Value(nKey), rt::Value(nFlags), Self());
      move = answer.IsLogical() && answer.AsLogical();
    }
    if (move) MoveFocus(!back);
    if (nKey == VK_RETURN) TControl::KeyChar(nKey, nFlags);
    return rt::Value(0);
  }
  if (nKey >= 32 && nKey <= 255) {
    if (!oGet->HasFocus()) return rt::Value(0);
    long start = 0, end = 0;
    GetSelPos(start, end);
    if (end != start) {
      GetDelSel(start, end);
      EditUpdate();
    }
    const char c = static_cast<char>(nKey);
    if (oGet->Type() == "N" && (c == '.' || c == ',')) {
      oGet->ToDecPos();
    } else {
      if (!ChangeAllows(bChange, nKey, nFlags, Self())) return rt::Value(0);
      rt::Sets().insert ? oGet->Insert(c) : oGet->Overstrike(c);
      if (oGet->Rejected()) MessageBeep(MB_OK);
    }
    EditUpdate();
    if (oGet->TypeOut()) {
      if (!rt::Sets().confirm) {
        if (owner) owner->nLastKey = VK_RETURN;
        MoveFocus(true);
      } else {
        MessageBeep(MB_OK);
      }
    }
    return rt::Value(0);
  }
  return TControl::KeyChar(nKey, nFlags);
}

rt::Value TGet::KeyUp(long nKey, long) {
  if (nKey == VK_UP || nKey == VK_DOWN) return rt::Value(1);
  return rt::Value();
}

rt::Value TGet::GetDlgCode(LPARAM nKey) {
  if (const auto owner = Container(); owner && owner->aControls.IsArray() && owner->aControls.Len() > 1)
    owner->nLastKey = static_cast<long>(nKey);
  return rt::Value(DLGC_WANTALLKEYS);
}

rt::Value TGet::GotFocus(LPARAM hWndLost) {
  lFocused = true;
  oGet->SetFocus();
  if (oGet->Type() == "N" && cPicture.IsString()) {
    std::string picture = cPicture.AsString();
    std::erase(picture, ',');
    oGet->SetPicture(rt::Value(picture));
  }
  if (!lDrag) {
    oGet->KillFocus();
    oGet->SetFocus();
    if (const auto owner = Container(); owner && owner->ClassName() == vdclass::kComboBox) oGet->Reset();
    DispText();
    if (oGet->Type() == "D" || oGet->Type() == "N") nPos = 1;
    oGet->SetPos(nPos);
    SetPos(nPos);
    Native(WM_SETFOCUS, static_cast<WPARAM>(hWndLost), 0);
    if (rt::Sets().insert) {
      CreateCaret(hWnd, nullptr, 6, static_cast<int>(nChrHeight));
      ShowCaret(hWnd);
    }
  } else {
    HideCaret(hWnd);
  }
  TControl::GotFocus(hWndLost);
  return rt::Value(0);
}

rt::Value TGet::LostFocus(LPARAM hWndNew) {
  TControl::LostFocus(hWndNew);
  lFocused = false;
  if (!lPassword && oGet->HasFocus() && GetText() != oGet->Buffer()) {
    oGet->SetBuffer(GetText());
    oGet->Assign();
  }
  if (oGet->Type() == "N" && cPicture.IsString()) {
    oGet->Assign();
    oGet->SetPicture(cPicture);
    oGet->KillFocus();
  }
  oGet->SetFocus();
  if (!oGet->BadDate() && !lReadOnly && (oGet->Changed() || !(oGet->UnTransform() == oGet->Original()))) {
    oGet->Assign();
    oGet->UpdateBuffer();
  }
  DispText();
  if (!oGet->BadDate()) {
    oGet->KillFocus();
  } else {
    oGet->SetPos(1);
    nPos = 1;
    oGet->SetTypeOut(false);
  }
  return rt::Value();
}

rt::Value TGet::LButtonDown(long nRow, long nCol, long nFlags) {
  if (lDrag) return TControl::LButtonDown(nRow, nCol, nFlags);
  Native(WM_LBUTTONDOWN, static_cast<WPARAM>(nFlags), MAKELPARAM(nCol, nRow));
  nPos = static_cast<int>(NativeCaret()) + 1;
  if (oGet->Type() != "N" && nPos == 1) {
    oGet->Home();
    SetPos(oGet->Pos());
  } else {
    oGet->SetPos(nPos);
  }
  return rt::Value(1);
}

rt::Value TGet::LButtonUp(long nRow, long nCol, long nFlags) {
  if (lDrag) {
    TControl::LButtonUp(nRow, nCol, nFlags);
    core::SYSREFRESH();
    Refresh();
    return rt::Value(0);
  }
  const std::string text = GetText();
  std::string trimmed = text;
  trimmed.erase(0, trimmed.find_first_not_of(' '));
  trimmed.erase(trimmed.find_last_not_of(' ') + 1);
  // An empty date shows the date format with blanks for its digits.
  const bool emptyDate = oGet->Type() == "D" && trimmed.find_first_of("0123456789") == std::string::npos;
  if (!text.empty() && text[0] == '(') {
    SetPos(2);
  } else if (trimmed.empty() || emptyDate || trimmed == "0") {
    SetPos(1);
  } else {
    nPos = static_cast<int>(NativeCaret()) + 1;
    oGet->SetPos(nPos);
  }
  return rt::Value();
}

rt::Value TGet::MouseMove(long nRow, long nCol, long nFlags) {
  if (lDrag) return TControl::MouseMove(nRow, nCol, nFlags);
  if (const auto owner = Container()) owner->SetMsg(cMsg);
  SetCursor(oCursor ? oCursor->hCursor : gfx::CURSORIBEAM());
  CheckToolTip();
  return rt::Value(0);
}

rt::Value TGet::RButtonDown(long nRow, long nCol, long nFlags) {
  if (GetFocus() != hWnd) {
    ::SetFocus(hWnd);
    core::SYSREFRESH();
    // The previous field's validation kept the focus.
    if (!hWnd || GetFocus() != hWnd) return {};
  }
  return bRClicked.IsBlock() ? bRClicked.Eval(nRow, nCol, nFlags) : rt::Value();
}

std::string TGet::SelFile(const std::string& cMask, const std::string& cTitle) {
  const rt::Value value = VarGet();
  std::string mask = cMask;
  if (mask.empty()) mask = value.IsString() ? rt::ALLTRIM(value.AsString()) : std::string();
  if (mask.empty()) mask = "*.*";
  const std::string chosen =
      svc::CGETFILE(mask + "|" + mask, cTitle.empty() ? std::string("Please select a file") : cTitle);
  if (!chosen.empty()) _cText(rt::Value(chosen));
  return chosen;
}

}  // namespace controls
