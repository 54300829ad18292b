// The table functions as macro expressions call them, so that blocks
// compiled from text at run time (a grid's key and tag blocks) and TYPE()
// reach the same work areas as the program. Arguments are read leniently, as
// the functions read them when the program calls them directly.
#include "runtime/functions.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"

namespace rt {

namespace {

const std::string& S(Args a, std::size_t i) { return Arg(a, i).AsString(); }
long L(Args a, std::size_t i) { return Arg(a, i).AsInt(); }
long LOr(Args a, std::size_t i, long dflt) { return Arg(a, i).IsNumber() ? L(a, i) : dflt; }
bool B(Args a, std::size_t i) { return Arg(a, i).AsLogical(); }
std::optional<bool> OptB(Args a, std::size_t i) {
  return Arg(a, i).IsLogical() ? std::optional<bool>(B(a, i)) : std::nullopt;
}
Value Int(long n) { return Value::Num(static_cast<double>(n), 0, 0); }
int I(Args a, std::size_t i) { return static_cast<int>(L(a, i)); }

void Def(const char* name, PublicFn fn) { RegisterBuiltinFunction(name, std::move(fn)); }

// A function of no arguments with no answer.
void Do(const char* name, void (*fn)()) {
  Def(name, [fn](Args) -> Value {
    fn();
    return Value();
  });
}

void Areas() {
  Def("RDDSETDEFAULT", [](Args a) -> Value { return RDDSETDEFAULT(S(a, 0)); });
  Def("RDDLIST", [](Args) -> Value { return RDDLIST(); });
  Def("RDDNAME", [](Args) -> Value { return RDDNAME(); });
  Def("DBUSEAREA", [](Args a) -> Value {
    return DBUSEAREA(B(a, 0), S(a, 1), S(a, 2), S(a, 3), OptB(a, 4), B(a, 5));
  });
  Do("DBCLOSEAREA", DBCLOSEAREA);
  Do("DBCLOSEALL", DBCLOSEALL);
  Def("SELECT", [](Args a) -> Value { return Int(Arg(a, 0).IsString() ? SELECT(S(a, 0)) : SELECT()); });
  Def("DBSELECTAREA", [](Args a) -> Value {
    return Int(Arg(a, 0).IsString() ? DBSELECTAREA(S(a, 0)) : DBSELECTAREA(I(a, 0)));
  });
  Def("ALIAS", [](Args a) -> Value { return ALIAS(static_cast<int>(LOr(a, 0, 0))); });
  Def("USED", [](Args) -> Value { return USED(); });
  Def("NETERR", [](Args a) -> Value { return Arg(a, 0).IsLogical() ? NETERR(B(a, 0)) : NETERR(); });
  Def("DBCREATE", [](Args a) -> Value { return DBCREATE(S(a, 0), Arg(a, 1), S(a, 2)); });
  Def("DBSTRUCT", [](Args) -> Value { return DBSTRUCT(); });
  Def("FCOUNT", [](Args) -> Value { return Int(FCOUNT()); });
  Def("FIELDNAME", [](Args a) -> Value { return FIELDNAME(I(a, 0)); });
  Def("FIELD", [](Args a) -> Value { return FIELDNAME(I(a, 0)); });
  Def("FIELDPOS", [](Args a) -> Value { return Int(FIELDPOS(S(a, 0))); });
  Def("FIELDGET", [](Args a) -> Value { return Arg(a, 0).IsString() ? FIELDGET(S(a, 0)) : FIELDGET(I(a, 0)); });
  Def("FIELDPUT", [](Args a) -> Value {
    return Arg(a, 0).IsString() ? FIELDPUT(S(a, 0), Arg(a, 1)) : FIELDPUT(I(a, 0), Arg(a, 1));
  });
}

void Movement() {
  Do("DBGOTOP", DBGOTOP);
  Do("DBGOBOTTOM", DBGOBOTTOM);
  Def("DBSKIP", [](Args a) -> Value {
    DBSKIP(LOr(a, 0, 1));
    return Value();
  });
  Def("DBGOTO", [](Args a) -> Value {
    DBGOTO(L(a, 0));
    return Value();
  });
  Def("RECNO", [](Args) -> Value { return Int(RECNO()); });
  Def("RECCOUNT", [](Args) -> Value { return Int(RECCOUNT()); });
  Def("LASTREC", [](Args) -> Value { return Int(LASTREC()); });
  Def("BOF", [](Args) -> Value { return BOF(); });
  Def("EOF", [](Args) -> Value { return DbEof(); });
  Def("FOUND", [](Args) -> Value { return FOUND(); });
  Def("DBEVAL", [](Args a) -> Value {
    DBEVAL(Arg(a, 0), Arg(a, 1), Arg(a, 2));
    return Value();
  });
  Def("COUNT", [](Args a) -> Value { return Int(COUNT(Arg(a, 0))); });
}

void Records() {
  Do("DBAPPEND", DBAPPEND);
  Do("DBDELETE", DBDELETE);
  Do("DBRECALL", DBRECALL);
  Def("DELETED", [](Args) -> Value { return DELETED(); });
  Do("DBCOMMIT", DBCOMMIT);
  Do("DBCOMMITALL", DBCOMMITALL);
  Def("RLOCK", [](Args) -> Value { return RLOCK(); });
  Def("DBRLOCK", [](Args a) -> Value { return DBRLOCK(LOr(a, 0, 0)); });
  Do("DBUNLOCK", DBUNLOCK);
  Do("__DBPACK", DbPack);
  Do("__DBZAP", DbZap);
  Def("__DBCOPY", [](Args a) -> Value { return DbCopy(S(a, 0), Arg(a, 1), Arg(a, 2)); });
  Def("__DBAPP", [](Args a) -> Value { return DbApp(S(a, 0), Arg(a, 1)); });
}

void Orders() {
  Def("ORDLISTADD", [](Args a) -> Value { return ORDLISTADD(S(a, 0)); });
  Do("ORDLISTCLEAR", ORDLISTCLEAR);
  Def("ORDSETFOCUS", [](Args a) -> Value { return ORDSETFOCUS(Arg(a, 0)); });
  Def("INDEXORD", [](Args) -> Value { return Int(INDEXORD()); });
  Def("ORDKEY", [](Args a) -> Value { return ORDKEY(Arg(a, 0)); });
  Def("INDEXKEY", [](Args a) -> Value { return INDEXKEY(static_cast<int>(LOr(a, 0, 0))); });
  Def("ORDNAME", [](Args a) -> Value { return ORDNAME(static_cast<int>(LOr(a, 0, 0))); });
  Def("ORDKEYNO", [](Args) -> Value { return Int(ORDKEYNO()); });
  Def("ORDKEYCOUNT", [](Args) -> Value { return Int(ORDKEYCOUNT()); });
  Def("ORDKEYGOTO", [](Args a) -> Value { return Value(ORDKEYGOTO(Arg(a, 0).AsInt())); });
  // ORDCONDSET(cFor, bFor, lAll, bWhile, bEval, nInterval, ...): the
  // positions the xBase function gives its arguments.
  Def("ORDCONDSET", [](Args a) -> Value {
    ORDCONDSET(B(a, 2), Arg(a, 4), LOr(a, 5, 0));
    return true;
  });
  Def("ORDCREATE", [](Args a) -> Value { return ORDCREATE(S(a, 0), S(a, 1), S(a, 2), Arg(a, 3), B(a, 4)); });
  Def("DBSEEK", [](Args a) -> Value { return DBSEEK(Arg(a, 0), OptB(a, 1)); });
}

}  // namespace

void RegisterTableFunctions() {
  Areas();
  Movement();
  Records();
  Orders();
}

}  // namespace rt
