// Deleting the current row: a record (or recalling a deleted one while
// deleted records show), a database object's record, or an array row.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "grid/grid_edit.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "runtime/settings.h"
#include "runtime/table_fns.h"
#include "runtime/value_fns.h"
#include "services/msgbox.h"

namespace grid {

namespace {

// .F. from a delete hook vetoes; any other answer lets the delete go on.
bool Allows(const rt::Value& hook, const rt::Value& a, const rt::Value& b) {
  if (!hook.IsBlock()) return true;
  const rt::Value answer = hook.Eval(a, b);
  return !(answer.IsLogical() && !answer.AsLogical());
}

}  // namespace

TGBrowse& TGBrowse::DeleteRow() {
  const std::shared_ptr<Object> keep = shared_from_this();
  if (!lCanDelete) return *this;
  lFirstFocus = false;
  if (!oTxtFile.IsNil() || !oTree.IsNil()) {
    ::SetFocus(hWnd);
    Draw([this] { DrawLine(); });
    return *this;
  }
  const bool array = !IsTable() && !lDbfObj;
  if (lConfirm && !svc::MSGYESNO(GridMessage(array ? 38 : 37), GridMessage(39))) return *this;
  if (lAppendMode) return *this;
  ::SetFocus(hWnd);
  if (array) {
    DeleteArrayRow();
  } else {
    DeleteRecord();
  }
  return *this;
}

void TGBrowse::DeleteRecord() {
  const bool hidden = rt::Sets().deleted;
  auto db = [this](const char* name) { return core::Ask(oDbf, name); };
  const long rec = lDbfObj ? db("RecNo").AsInt() : InArea([] {
                                                      rt::DBSKIP(0);
                                                      return rt::Value(rt::RECNO());
                                                    }).AsInt();
  if (!lDbfObj && !InArea([rec] { return rt::Value(rt::DBRLOCK(rec)); }).AsLogical()) {
    svc::MSGSTOP(GridMessage(40), GridMessage(28));
    return;
  }
  auto unlock = [this, &db] {
    if (lDbfObj) return;
    InArea([] {
      rt::DBUNLOCK();
      return rt::Value();
    });
  };
  if (!Allows(bDelete, rt::Value(rec), Self())) {
    unlock();
    return;
  }
  const bool deleted = lDbfObj ? db("Deleted").AsLogical() : InArea([] { return rt::Value(rt::DELETED()); }).AsLogical();
  if (!deleted) {
    if (lDbfObj) {
      db("Delete");
    } else {
      InArea([] {
        rt::DBDELETE();
        return rt::Value();
      });
    }
    unlock();
    Count();
    if (hidden) {
      const bool wasLast = InArea([] {
                             rt::DBSKIP(1);
                             const bool end = rt::DbEof();
                             if (end) rt::DBGOBOTTOM();
                             return rt::Value(end);
                           }).AsLogical();
      if (wasLast) nRowPos = std::max(1L, nRowPos - 1);
      Refresh(true);
    }
  } else if (!hidden) {
    if (lDbfObj) {
      db("Recall");
    } else {
      InArea([] {
        rt::DBRECALL();
        return rt::Value();
      });
    }
    unlock();
    Draw([this] { DrawLine(); });
  } else {
    unlock();
  }
  if (lCanAppend && nLen == 0) {
    nRowPos = nColPos = 1;
    PostMessageA(hWnd, WM_KEYDOWN, lDbfObj ? VK_RETURN : VK_DOWN, 0);
  }
  if (bPostDel.IsBlock()) bPostDel.Eval(Self());
}

void TGBrowse::DeleteArrayRow() {
  if (!Allows(bDelete, rt::Value(nAt), Self())) return;
  if (nAt < 1 || nAt > static_cast<long>(aArray.Len())) return;
  const rt::Value row = aArray.At(static_cast<std::size_t>(nAt));
  aArray.Items().erase(aArray.Items().begin() + (nAt - 1));
  if (aArray.Len() == 0) {
    // The emptied array keeps one row as long as the deleted one.
    rt::Value shape = rt::Value::Array({row});
    aArray.Items().push_back(DefaultArrayRow(shape, aDefValue));
  }
  if (bPostDel.IsBlock()) bPostDel.Eval(Self());
  Count();
  nAt = std::min(nAt, nLen);
  nRowPos = std::min(nRowPos, nLen);
  Refresh(true);
  Draw([this] { DrawSelect(); });
}

}  // namespace grid
