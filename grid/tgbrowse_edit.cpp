// Opening the cell editor and the editors' key hook: which editor a cell
// gets, where its pop-up goes, and how a key ends, keeps or cancels an edit.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "core/send_soft.h"
#include "grid/edit_defer.h"
#include "grid/editmemo.h"
#include "grid/grid_edit.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbtnget.h"
#include "grid/tgcombo.h"
#include "grid/tgget.h"
#include "grid/tgmulti.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/value_fns.h"
#include "services/int32.h"
#include "services/keyboard.h"

namespace grid {

namespace {

constexpr long kDialog3DLook = 4;  // DS_3DLOOK
constexpr long kCtrlW = 23;
constexpr int kLogicComboList = 32;
constexpr int kListComboList = 82;

// Whether the column shows a memo field of the grid's table.
bool IsMemoColumn(const TGBrowse& g, const TGColumn& column) {
  if (!g.IsTable() || !column.cData.IsString()) return false;
  const std::string data = column.cData.AsString();
  const auto arrow = data.find("->");
  const std::string name = rt::UPPER(arrow == std::string::npos ? data : data.substr(arrow + 2));
  return g.InArea([&] {
            const rt::Value structure = rt::DBSTRUCT();
            for (const rt::Value& field : structure.Items()) {
              if (rt::UPPER(field.At(1).AsString()) == name) return rt::Value(field.At(2).AsString() == "M");
            }
            return rt::Value(false);
          })
      .AsLogical();
}

bool HasCarriageReturn(const rt::Value& v) { return v.IsString() && v.AsString().find('\r') != std::string::npos; }

bool HasText(const rt::Value& v) { return v.IsString() && !v.AsString().empty(); }

EditorKind KindOf(const rt::Value& value, const TGColumn& column, bool lLogicDrop) {
  if ((value.IsLogical() && lLogicDrop) || column.aList.IsArray()) return EditorKind::Combo;
  if (HasCarriageReturn(value)) return EditorKind::Multi;
  if (HasText(column.cResName)) return EditorKind::Button;
  return EditorKind::Single;
}

// The new look of the system's dialogs (version 4 or later, or NT).
bool NewLook() {
  const DWORD version = GetVersion();
  return LOBYTE(LOWORD(version)) >= 4 || HIBYTE(LOWORD(version)) >= 95 || !(version & 0x80000000);
}

// A logical value from the key that opened a bitmap cell: "YCST" yes, "FN"
// no ("J" is yes too), any other key inverts.
bool ToggledLogical(bool value, long nKey) {
  const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(nKey)));
  if (std::string_view("YCSTJ").find(c) != std::string_view::npos) return true;
  if (std::string_view("FN").find(c) != std::string_view::npos) return false;
  return !value;
}

// The list of a list column: its display texts.
rt::Value ListTexts(const rt::Value& aList) {
  return aList.Len() > 0 && aList.At(1).IsArray() ? aList.At(1) : aList;
}

long FirstItemWith(const rt::Value& items, const std::string& text, bool contains) {
  for (std::size_t i = 1; i <= items.Len(); ++i) {
    const std::string item = rt::UPPER(items.At(i).AsString());
    const std::string wanted = rt::UPPER(text);
    if (contains ? item.find(wanted) != std::string::npos : rt::TRIM(item) == rt::TRIM(wanted))
      return static_cast<long>(i);
  }
  return 0;
}

std::shared_ptr<gfx::TFont> EditorFont(const std::shared_ptr<gfx::TFont>& gridFont) {
  const std::string face = gridFont ? gridFont->cFaceName : std::string("Arial");
  const double height = gridFont ? gridFont->nInpHeight : -12;
  const bool bold = gridFont && gridFont->lBold;
  const double used = std::abs(height) < 10 ? -10 : height;
  return std::make_shared<gfx::TFont>()->New(face, 0, used, false, bold, 0, 0, bold ? 0 : 300);
}

}  // namespace

std::shared_ptr<core::TDialog>& EditorPopup() {
  static std::shared_ptr<core::TDialog> popup;
  return popup;
}

std::shared_ptr<core::TControl> OpenEditor() {
  const auto& popup = EditorPopup();
  if (!popup || !popup->aControls.IsArray() || popup->aControls.Len() == 0) return nullptr;
  return popup->aControls.At(1).As<core::TControl>();
}

long TGBrowse::lEditCol(const rt::Value& uValue, long nCol, const rt::Value& cPicture, const rt::Value& bValidIn,
                        const rt::Value& nClrFore, const rt::Value& nClrBack) {
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  const auto column = Col(nCol);
  auto& popupSlot = EditorPopup();
  if (!column || !hWnd || (popupSlot && popupSlot->hWnd)) return 0;
  const auto owner = Container();
  const rt::Value picture = cPicture.IsNil() ? column->cPicture : cPicture;
  const rt::Value valid = bValidIn.IsNil() ? column->bValid : bValidIn;
  auto colour = [&](const rt::Value& given, const rt::Value& ofColumn, const rt::Value& ofGrid) {
    const rt::Value c = !given.IsNil() ? given : !ofColumn.IsNil() ? ofColumn : ofGrid;
    return c.IsBlock() ? c.Eval(nAt, nCol, Self()) : c;
  };
  const rt::Value fore = colour(nClrFore, column->nClrEditFore, nClrEditFore);
  const rt::Value back = colour(nClrBack, column->nClrEditBack, nClrEditBack);
  const bool newLook = NewLook();

  // The owner must not close while Esc is down: that Esc is the editor's.
  const rt::Value ownerValid = owner ? owner->bValid : rt::Value();
  const rt::Value escGuard = rt::Value::Block([](rt::Args) { return rt::Value(!svc::GETASYNCKEY(VK_ESCAPE)); });
  if (owner) owner->bValid = escGuard;
  auto restoreOwner = [owner, ownerValid] {
    if (owner) owner->bValid = ownerValid;
  };
  lEditing = true;
  lUpdated = false;

  long x = nCol > nFreeze ? FrozenWidth() : 0;
  for (long i = nCol > nFreeze ? std::max(nColPos, nFreeze + 1) : 1; i < nCol; ++i) x += ColSize(i);

  if (IsMemoColumn(*this, *column)) {
    nKeyDown = 0;
    std::string text = uValue.IsString() ? uValue.AsString() : std::string();
    const bool accepted = EDITMEMO(text, column->cHeading, Self());
    restoreOwner();
    if (accepted) {
      lChanged = !uValue.IsString() || text != uValue.AsString();
      PostEdit(rt::Value(text), nCol);
    } else {
      lEditing = false;
    }
    return 0;
  }

  if (uValue.IsLogical() && rt::IsTrue(column->lBitMap)) {
    bool value = uValue.AsLogical();
    const long key = owner ? owner->nLastKey : 0;
    if (key != VK_RETURN) {
      value = ToggledLogical(value, nKeyDown ? nKeyDown : key);
      lChanged = value != uValue.AsLogical();
      if (owner) owner->nLastKey = VK_RETURN;
    } else {
      lChanged = false;
    }
    nKeyDown = 0;
    restoreOwner();
    PostEdit(rt::Value(value), nCol);
    return 0;
  }

  const EditorKind kind = KindOf(uValue, *column, lLogicDrop);
  const HFONT colFont = column->oFont.As<gfx::TFont>() ? column->oFont.As<gfx::TFont>()->hFont : nullptr;
  const rt::Value r = ATGBRWPOSRECT(hWnd, static_cast<int>(nRowPos), static_cast<int>(x),
                                    static_cast<int>(ColSize(nCol)), colFont, static_cast<int>(nHeightCell),
                                    static_cast<int>(nHeightHead), static_cast<int>(nHeightSuper));
  int top = r.At(1).AsInt(), left = r.At(2).AsInt(), bottom = r.At(3).AsInt(), right = r.At(4).AsInt();
  const bool plain = kind == EditorKind::Single || kind == EditorKind::Multi;
  if (plain && nLineStyle < 5) {
    if (!l3DLook && nLineStyle > 0) {
      if (nLineStyle != 2) bottom -= 2;
      right -= 1;
    } else {
      top += 1;
      left += 2;
      if (nLineStyle != 2 && nLineStyle != 0) bottom -= 2;
      if (nLineStyle != 3 && nLineStyle != 0) right -= 2;
    }
  } else if (plain && nLineStyle == 5) {
    top += 2;
    left += 2;
    bottom -= 1;
  }
  const int width = right - left, height = bottom - top;
  const auto font = EditorFont(oFont);

  auto popup = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = top;
  d.nLeft = left;
  d.nBottom = bottom;
  d.nRight = right;
  d.lPixel = true;
  d.nStyle = static_cast<double>(WS_VISIBLE | WS_POPUP);
  d.oWnd = owner ? owner->Self() : rt::Value();
  popup->New(d);

  auto value = std::make_shared<rt::Value>(uValue);
  const rt::Value setGet = rt::Value::Block([value](rt::Args a) {
    if (!a.empty()) *value = a[0];
    return *value;
  });
  std::weak_ptr<TGBrowse> weak = self;
  const long editKind = kind == EditorKind::Combo ? 1 : kind == EditorKind::Multi ? 2 : 0;
  auto hook = [weak, uValue, valid, editKind](const rt::Value& editor) {
    return rt::Value::Block([weak, uValue, valid, editKind, editor = std::weak_ptr<rt::Object>(editor.AsObject())](
                                rt::Args a) {
      const auto g = weak.lock();
      const auto e = editor.lock();
      if (!g) return rt::Value();
      const bool used = g->EditExit(rt::Arg(a, 0).AsInt(), e ? rt::Value(e) : rt::Value(), uValue, valid, editKind);
      // A key the editing does not want is the editor's own.
      return used ? rt::Value(true) : rt::Value();
    });
  };

  std::shared_ptr<core::TControl> editor;
  const long pendingKey = nKeyDown, pendingFlags = nKeyFlag;
  nKeyDown = 0;
  const bool logicDrop = uValue.IsLogical() && !column->aList.IsArray();
  const int listHeight = logicDrop ? kLogicComboList + height : kListComboList;
  if (kind == EditorKind::Combo) {
    const rt::Value items = logicDrop ? rt::Value::Array({GridMessage(1), GridMessage(2)}) : ListTexts(column->aList);
    long at = 1;
    if (pendingKey) {
      const std::string typed(1, static_cast<char>(pendingKey));
      at = FirstItemWith(items, typed, logicDrop);
      if (at == 0 && logicDrop) at = rt::UPPER(typed) == "F" ? 2 : 1;
    } else if (uValue.IsNumber()) {
      at = uValue.AsInt();
    } else if (uValue.IsLogical()) {
      at = uValue.AsLogical() ? 1 : 2;
    } else {
      at = FirstItemWith(items, uValue.AsString(), false);
    }
    if (at < 1 || at > static_cast<long>(items.Len())) at = 1;
    auto position = std::make_shared<rt::Value>(rt::Value(at));
    auto combo = std::make_shared<TGCombo>();
    controls::ComboBoxArgs c;
    c.nRow = 0;
    c.nCol = 0;
    c.bSetGet = rt::Value::Block([position](rt::Args a) {
      if (!a.empty()) *position = a[0];
      return *position;
    });
    c.aItems = items;
    c.nWidth = width;
    c.nHeight = listHeight;
    c.oWnd = popup->Self();
    c.nClrFore = fore;
    c.nClrBack = back;
    c.lPixel = true;
    c.oFont = rt::Value(font);
    c.cMsg = column->cMsg;
    c.bWhen = column->bWhen;
    combo->New(c);
    combo->cError = column->cError.IsString() ? column->cError.AsString() : std::string();
    combo->bKeyDown = hook(combo->Self());
    editor = combo;
  } else if (kind == EditorKind::Multi) {
    auto multi = std::make_shared<TGMulti>();
    controls::MultiGetArgs m;
    m.nRow = 0;
    m.nCol = 0;
    m.bSetGet = setGet;
    m.oWnd = popup->Self();
    m.nWidth = width;
    m.nHeight = height;
    m.oFont = rt::Value(font);
    m.nClrFore = fore;
    m.nClrBack = back;
    m.lPixel = true;
    m.cMsg = column->cMsg;
    m.bWhen = column->bWhen;
    multi->New(m);
    multi->bKeyDown = hook(multi->Self());
    std::weak_ptr<TGMulti> weakMulti = multi;
    multi->bGotFocus = rt::Value::Block([weakMulti](rt::Args) {
      if (const auto m = weakMulti.lock()) m->SetSel(0, 0);
      return rt::Value();
    });
    editor = multi;
  } else {
    controls::GetArgs g;
    g.nRow = 0;
    g.nCol = 0;
    g.bSetGet = setGet;
    g.oWnd = popup->Self();
    g.nWidth = width;
    g.nHeight = height;
    g.cPicture = picture;
    g.nClrFore = fore;
    g.nClrBack = back;
    g.oFont = rt::Value(font);
    g.lPixel = true;
    g.cMsg = column->cMsg;
    g.bWhen = column->bWhen;
    const bool spins = column->lSpinner && (uValue.IsNumber() || uValue.IsDate());
    if (spins) {
      g.lSpinner = true;
      g.bUp = column->bUp;
      g.bDown = column->bDown;
      g.bMin = column->bMin;
      g.bMax = column->bMax;
    }
    std::shared_ptr<TGGet> get;
    if (kind == EditorKind::Button) {
      auto button = std::make_shared<TGBtnGet>();
      BtnGetArgs b;
      b.get = g;
      b.cResName = column->cResName;
      b.bAction = column->bAction;
      b.nBmpWidth = column->nBmpWidth;
      button->New(b);
      button->nFireKey = nFireKey.IsNumber() ? nFireKey : rt::Value(VK_F2);
      get = button;
    } else {
      get = std::make_shared<TGGet>();
      get->New(g);
    }
    get->lFixCaret = rt::Value(lFixCaret);
    get->oJump = Self();
    get->bKeyDown = hook(get->Self());
    if (pendingKey) get->lRightLeftExit = true;
    editor = get;
  }

  std::weak_ptr<core::TDialog> weakPopup = popup;
  std::weak_ptr<core::TControl> weakEditor = editor;
  popup->bValid = rt::Value::Block([restoreOwner, font](rt::Args) {
    restoreOwner();
    font->End();
    return rt::Value(true);
  });
  core::DialogActivation act;
  act.lModal = false;
  act.bInit = rt::Value::Block([=](rt::Args) {
    const auto p = weakPopup.lock();
    const auto e = weakEditor.lock();
    if (!p || !e) return rt::Value(false);
    const bool owner3D = owner && owner->hWnd && (GetWindowLongA(owner->hWnd, GWL_STYLE) & kDialog3DLook);
    // The template's dialog units do not give the cell's pixels exactly:
    // every editor is put in its place here.
    int boxHeight = height;
    if (plain) {
      const int shift = owner3D && newLook ? 1 : 0;
      const int dy = (newLook ? -1 : -3) + shift, dx = -1 + shift;
      const int grow = newLook ? 1 : 3;
      e->Move(dy, dx, width + grow, height + grow, true);
    } else if (kind == EditorKind::Button) {
      e->Move(0, 0, width, height, true);
      std::static_pointer_cast<TGBtnGet>(e)->PlaceButton();
    } else {
      // Room for both texts of a logical value, below the field.
      const int field = static_cast<int>(SendMessageA(e->hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6;
      const int item = static_cast<int>(SendMessageA(e->hWnd, CB_GETITEMHEIGHT, 0, 0));
      MoveWindow(e->hWnd, 0, 0, width, logicDrop ? field + 2 * item + 4 : listHeight, TRUE);
      RECT shown{};
      GetWindowRect(e->hWnd, &shown);
      boxHeight = std::max(height, static_cast<int>(shown.bottom - shown.top));
    }
    MoveWindow(p->hWnd, left + 1, top, width, boxHeight, TRUE);
    if (const auto get = std::dynamic_pointer_cast<TGGet>(e); get && pendingKey) {
      PostMessageA(get->hWnd, WM_CHAR, static_cast<WPARAM>(pendingKey), pendingFlags);
    }
    ::SetFocus(e->hWnd);
    return rt::Value(false);
  });
  popupSlot = popup;
  popup->Activate(act);
  if (!popup->hWnd) {
    popupSlot.reset();
    restoreOwner();
    lEditing = false;
  } else if (owner) {
    owner->bValid = escGuard;
  }
  return 0;
}

void TGBrowse::EndEditor() {
  auto popup = std::exchange(EditorPopup(), nullptr);
  if (!popup || !popup->hWnd) return;
  popup->Hide();
  popup->End();
}

void TGBrowse::EndOpenEditor() {
  const auto owner = Container();
  const auto& popup = EditorPopup();
  const bool open = popup && popup->hWnd;
  if (open) EndEditor();
  if (owner) owner->nLastKey = open ? VK_ESCAPE : 0;
  lEditing = false;
}

void TGBrowse::FocusBack() {
  std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  PostLater([weak] {
    const auto g = weak.lock();
    if (!g || !g->hWnd || !IsWindow(g->hWnd)) return;
    // A click elsewhere gave the focus to another control: it keeps it.
    const HWND focus = GetFocus();
    const auto owner = g->Container();
    if (!focus || focus == g->hWnd || (owner && focus == owner->hWnd) || !IsWindowVisible(focus))
      ::SetFocus(g->hWnd);
  });
}

void TGBrowse::CancelEdit(const rt::Value& uOld) {
  if (const auto owner = Container()) owner->nLastKey = VK_ESCAPE;
  lChanged = false;
  oGet = uOld;
  EndEditor();
  FocusBack();
  lEditing = false;
  if (lAppendMode) {
    GoBottom();
    if (nLen < nRowCount()) Refresh(true);
  } else {
    Draw([this] { DrawSelect(); });
  }
}

bool TGBrowse::EditExit(long nKey, const rt::Value& oEditor, const rt::Value& uOld, const rt::Value& bValid,
                        long nKind) {
  const std::shared_ptr<Object> keep = shared_from_this();
  const auto owner = Container();
  if (!EditorPopup() || !lEditing) {
    lEditing = false;
    if (owner) owner->nLastKey = VK_ESCAPE;
    FocusBack();
    return true;
  }
  auto commit = [&](const rt::Value& value, long key) {
    lChanged = !(value == uOld);
    if (lChanged) lHasChanged = true;
    oGet = value;
    EndEditor();
    FocusBack();
    if (owner) owner->nLastKey = key;
    PostEdit(oGet, nCell, bValid);
  };
  if (nKind == 1) {
    if (nKey == 0) return true;
    if (nKey == VK_RETURN || nKey == VK_TAB) {
      if (owner) owner->nLastKey = VK_RETURN;
      const auto combo = oEditor.As<TGCombo>();
      const long at = combo ? static_cast<long>(SendMessageA(combo->hWnd, CB_GETCURSEL, 0, 0)) + 1 : 0;
      const auto column = Col(nCell);
      const rt::Value item = combo && at >= 1 ? combo->aItems.At(static_cast<std::size_t>(at)) : rt::Value("");
      rt::Value value;
      if (column && column->aList.IsArray() && column->aList.Len() > 1 && column->aList.At(1).IsArray()) {
        value = column->aList.At(2).At(static_cast<std::size_t>(std::max(1L, at)));
      } else if (uOld.IsNumber()) {
        value = rt::Value(at);
      } else if (uOld.IsLogical()) {
        value = rt::Value(at == 1);
      } else {
        value = rt::Value(rt::PADR(item.AsString(), static_cast<long>(uOld.AsString().size())));
      }
      commit(value, nKey);
      return true;
    }
    if (nKey == VK_ESCAPE) CancelEdit(uOld);
    return true;
  }
  if (nKind == 2) {
    if (nKey == VK_ESCAPE) {
      CancelEdit(uOld);
      return true;
    }
    if (nKey == VK_TAB || nKey == kCtrlW) {
      const auto multi = oEditor.As<TGMulti>();
      commit(multi ? rt::Value(multi->cText()) : uOld, nKey);
      return true;
    }
    return false;
  }
  const auto get = oEditor.As<TGGet>();
  const bool leftRight = (nKey == VK_LEFT || nKey == VK_RIGHT) && get && get->lRightLeftExit;
  const bool upDown = nKey == VK_UP || nKey == VK_DOWN;
  if (!(nKey == VK_RETURN || upDown || nKey == VK_ESCAPE || nKey == VK_TAB || leftRight)) return false;
  const rt::Value value = get ? get->VarGet() : uOld;
  const bool emptyValue = value.IsNil() || (value.IsString() && rt::TRIM(value.AsString()).empty()) ||
                          (value.IsNumber() && value.AsNumber() == 0);
  if (nKey == VK_ESCAPE || (upDown && lAppendMode && emptyValue)) {
    CancelEdit(uOld);
    return true;
  }
  commit(value, nKey);
  return true;
}

}  // namespace grid
