// Movement through a work area and changes of its records.

#include "runtime/settings.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/work_areas.h"

namespace rt {

namespace {

WorkArea* Selected() { return WorkAreas::Get().SelectedArea(); }

// Runs fn on the selected area; without one, raises "no table" when the
// operation would change something and does nothing otherwise.
template <class Fn>
void OnArea(std::string_view op, bool needsTable, Fn&& fn) {
  RunGuarded(op, [&] {
    WorkArea* a = Selected();
    if (!a) {
      if (needsTable) ThrowFault(EG_NOTABLE, {});
      return;
    }
    fn(*a);
  });
}

}  // namespace

void DBGOTOP() { OnArea("DBGOTOP", false, [](WorkArea& a) { a.GoTop(); }); }
void DBGOBOTTOM() { OnArea("DBGOBOTTOM", false, [](WorkArea& a) { a.GoBottom(); }); }
void DBSKIP(long n) { OnArea("DBSKIP", false, [n](WorkArea& a) { a.Skip(n); }); }

void DBGOTO(long recno) {
  OnArea("DBGOTO", false, [recno](WorkArea& a) { a.GoTo(recno > 0 ? static_cast<std::uint32_t>(recno) : 0); });
}

long RECNO() {
  WorkArea* a = Selected();
  return a ? static_cast<long>(a->RecNo()) : 0;
}

long RECCOUNT() {
  WorkArea* a = Selected();
  return a ? static_cast<long>(a->RecCount()) : 0;
}

long LASTREC() { return RECCOUNT(); }

bool BOF() {
  WorkArea* a = Selected();
  return a ? a->Bof() : true;
}

bool DbEof() {
  WorkArea* a = Selected();
  return a ? a->Eof() : true;
}

bool FOUND() {
  WorkArea* a = Selected();
  return a ? a->Found() : false;
}

void DBEVAL(const Value& block, const Value& forCond, const Value& whileCond) {
  WorkArea* a = Selected();
  if (!a) return;
  if (!whileCond.IsBlock()) DBGOTOP();
  while (!DbEof()) {
    if (whileCond.IsBlock() && !whileCond.Eval().AsLogical()) break;
    if (!forCond.IsBlock() || forCond.Eval().AsLogical()) block.Eval();
    long before = RECNO();
    DBSKIP(1);
    if (RECNO() == before && !DbEof()) break;  // a failed move would loop for ever
  }
}

long COUNT(const Value& forCond) {
  long n = 0;
  DBEVAL(Value::Block([&n](Args) {
           ++n;
           return Value();
         }),
         forCond);
  return n;
}

void DBAPPEND() {
  bool ok = RunGuarded("DBAPPEND", [] {
    WorkArea* a = Selected();
    if (!a) ThrowFault(EG_NOTABLE, {});
    a->Append();
  });
  NETERR(!ok);
}

void DBDELETE() { OnArea("DBDELETE", true, [](WorkArea& a) { a.Delete(); }); }
void DBRECALL() { OnArea("DBRECALL", true, [](WorkArea& a) { a.Recall(); }); }

bool DELETED() {
  bool d = false;
  OnArea("DELETED", false, [&d](WorkArea& a) { d = a.Deleted(); });
  return d;
}

void DBCOMMIT() { OnArea("DBCOMMIT", false, [](WorkArea& a) { a.Commit(); }); }

void DBCOMMITALL() {
  WorkAreas& areas = WorkAreas::Get();
  for (int n = 1; n <= WorkAreas::kMaxAreas; ++n)
    if (WorkArea* a = areas.Area(n)) RunGuarded("DBCOMMITALL", [a] { a->Commit(); });
}

bool RLOCK() { return DBRLOCK(0); }

bool DBRLOCK(long recno) {
  bool locked = false;
  OnArea("DBRLOCK", false, [&](WorkArea& a) {
    locked = a.Lock(recno > 0 ? static_cast<std::uint32_t>(recno) : a.RecNo());
  });
  return locked;
}

void DBUNLOCK() { OnArea("DBUNLOCK", false, [](WorkArea& a) { a.UnlockAll(); }); }
void DbPack() { OnArea("__DBPACK", true, [](WorkArea& a) { a.Pack(); }); }
void DbZap() { OnArea("__DBZAP", true, [](WorkArea& a) { a.Zap(); }); }

}  // namespace rt
