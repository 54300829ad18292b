// Writing an edited value back: into the record (locked, or appended) or
// the array row, then the column's hooks and the move to the next cell. A
// record that cannot be locked or appended keeps the typed value: the
// editor opens again with it.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "grid/edit_defer.h"
#include "grid/grid_edit.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/compare.h"
#include "runtime/macro.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/value_fns.h"
#include "services/msgbox.h"

namespace grid {

namespace {

bool IsEmptyValue(const rt::Value& v) {
  if (v.IsNil()) return true;
  if (v.IsString()) return v.AsString().find_first_not_of(' ') == std::string::npos;
  if (v.IsNumber()) return v.AsNumber() == 0;
  if (v.IsLogical()) return !v.AsLogical();
  return false;
}

}  // namespace

rt::Value DefaultArrayRow(const rt::Value& aArray, const rt::Value& aDefValue) {
  std::vector<rt::Value> defaults = aDefValue.IsArray() ? aDefValue.Items() : std::vector<rt::Value>{};
  const std::size_t length = aArray.Len() > 0 && aArray.At(1).IsArray() ? aArray.At(1).Len() : defaults.size();
  if (!defaults.empty() && IsEmptyValue(defaults.front()) && defaults.size() == length + 1)
    defaults.erase(defaults.begin());
  rt::Value row = rt::Value::Array();
  for (std::size_t i = 0; i < length; ++i) row.Items().push_back(i < defaults.size() ? defaults[i] : rt::Value());
  return row;
}

void TGBrowse::WriteAppendDefaults(long nCol) {
  if (!aDefault.IsArray()) return;
  while (static_cast<long>(aDefault.Len()) < nColCount()) aDefault.Items().push_back(rt::Value());
  for (long i = 1; i <= nColCount(); ++i) {
    const rt::Value d = aDefault.At(static_cast<std::size_t>(i));
    if (i == nCol || d.IsNil()) continue;
    const rt::Value value = d.IsBlock() ? d.Eval(Self()) : d;
    Col(i)->bData.Eval(value, Self());
  }
}

void TGBrowse::GoNextEditable() {
  auto editable = [this](long i) {
    const auto c = Col(i);
    return c && c->lEdit && (!c->bWhen.IsBlock() || rt::IsTrue(c->bWhen.Eval()));
  };
  // Steps toward the cell until it is reached or passed, or until a step no
  // longer moves: the cursor skips some columns, and without a cell cursor it
  // never moves.
  auto stepRight = [this](long target) {
    while (nCell < target) {
      const long from = nCell;
      GoRight();
      if (nCell == from) break;
    }
  };
  auto stepLeft = [this](long target) {
    while (nCell > target) {
      const long from = nCell;
      GoLeft();
      if (nCell == from) break;
    }
  };
  for (long i = nCell + 1; i <= nColCount(); ++i) {
    if (editable(i)) {
      stepRight(i);
      return;
    }
  }
  long first = 0;
  for (long i = 1; i <= nColCount() && first == 0; ++i)
    if (editable(i)) first = i;
  if (first == 0) return;
  GoDown();
  stepLeft(first);
}

void TGBrowse::PostEdit(const rt::Value& uValue, long nCol, const rt::Value& bValid) {
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  const auto owner = Container();
  const long lastKey = owner ? owner->nLastKey : 0;
  EditorPopup().reset();
  const auto column = Col(nCol);
  if (!column) {
    lEditing = false;
    return;
  }
  auto backToBottom = [this] {
    GoBottom();
    if (nLen < nRowCount()) Refresh(true);
  };
  if (bValid.IsBlock() && !rt::IsTrue(bValid.Eval(uValue, Self()))) {
    nKeyDown = 0;
    lEditing = false;
    if (lAppendMode) backToBottom();
    return;
  }
  if (IsTable()) {
    const bool appending = lAppendMode;
    const bool ok = appending ? (bAddRec.IsBlock() ? rt::IsTrue(bAddRec.Eval(Self())) : InArea([] {
                                  rt::NETERR(false);
                                  rt::DBAPPEND();
                                  return rt::Value(!rt::NETERR());
                                }).AsLogical())
                              : (bRecLock.IsBlock() ? rt::IsTrue(bRecLock.Eval(Self()))
                                                    : InArea([] { return rt::Value(rt::DBRLOCK(rt::RECNO())); }).AsLogical());
    if (!ok) {
      if (!appending && !bRecLock.IsBlock()) svc::MSGSTOP(GridMessage(3), GridMessage(4));
      if (appending && !bAddRec.IsBlock()) svc::MSGSTOP(GridMessage(5), GridMessage(4));
      // The typed value is not lost: the editor comes back with it.
      lEditing = false;
      std::weak_ptr<TGBrowse> weak = self;
      PostLater([weak, uValue, nCol] {
        if (const auto g = weak.lock(); g && g->hWnd) g->lEditCol(uValue, nCol);
      });
      return;
    }
    InArea([&] { return column->bData.Eval(uValue, Self()); });
    if (appending) {
      InArea([&] {
        WriteAppendDefaults(nCol);
        return rt::Value();
      });
      Draw([this] { DrawLine(); });
      if (lFilterMode && column->lIndexCol) {
        const bool inside = InArea([&] {
                              const rt::Value key = rt::MacroEval(rt::ORDKEY());
                              const rt::Value lo = lDescend ? uValue2 : uValue1, hi = lDescend ? uValue1 : uValue2;
                              return rt::Value(!rt::LT(key, lo) && !rt::LT(hi, key));
                            }).AsLogical();
        if (inside) {
          Count();
          nRowPos = nAt = std::min(nRowCount(), nLen);
        } else {
          lChanged = false;
          if (nPrevRec.IsNumber()) {
            const long rec = nPrevRec.AsInt();
            InArea([rec] {
              rt::DBGOTO(rec);
              return rt::Value();
            });
          }
          Refresh(true);
        }
      } else {
        ++nLen;
      }
      lAppendMode = false;
      if (nRowPos == 0 && lDrawHeaders) nRowPos = nAt = 1;
      Draw([this] { DrawLine(); });
    }
    if (const auto bar = oVScroll.As<TGBScrlBar>()) {
      bar->SetRange(1, static_cast<int>(std::max(1L, nLen)));
      bar->SetPos(static_cast<int>(nLogicPos()));
    }
    if (column->bPostEdit.IsBlock()) column->bPostEdit.Eval(uValue, Self());
    lUpdated = true;
    InArea([] {
      rt::DBUNLOCK();
      return rt::Value();
    });
    if (!lFilterMode && !lDbfObj && column->lIndexCol && lChanged) UpStable();
    if (!lAutoEdit) lEditing = false;
    InArea([] {
      rt::DBSKIP(0);
      return rt::Value();
    });
  } else {
    if (lAppendMode) {
      lAppendMode = false;
      aArray.Items().push_back(DefaultArrayRow(aArray, aDefValue));
      nAt = static_cast<long>(aArray.Len());
      Count();
      if (const auto bar = oVScroll.As<TGBScrlBar>()) {
        bar->SetRange(1, static_cast<int>(std::max(1L, nLen)));
        bar->SetPos(static_cast<int>(nLen));
      }
      WriteAppendDefaults(nCol);
      Draw([this] { DrawLine(); });
    }
    column->bData.Eval(uValue, Self());
    if (column->bPostEdit.IsBlock()) column->bPostEdit.Eval(uValue, Self());
    if (!lAutoEdit) lEditing = false;
  }

  switch (lastKey) {
    case VK_UP: GoUp(); break;
    case VK_RIGHT: GoRight(); break;
    case VK_LEFT: GoLeft(); break;
    case VK_DOWN: GoDown(); break;
    default:
      switch (column->nEditMove) {
        case 1: GoRight(); break;
        case 2: GoDown(); break;
        case 3: GoLeft(); break;
        case 4: GoUp(); break;
        case 5: GoNextEditable(); break;
        default: Draw([this] { DrawSelect(); }); break;
      }
  }
  if (owner) owner->nLastKey = 0;
  if (lAutoEdit && !lAppendMode) {
    nKeyDown = 0;
    Draw([this] { DrawLine(); });
    PostMessageA(hWnd, WM_KEYDOWN, VK_RETURN, 0);
    if (IsTable()) PostMessageA(hWnd, WM_KEYUP, VK_RETURN, 0);
    return;
  }
  lEditing = false;
  nKeyDown = 0;
}

}  // namespace grid
