// The runtime's functions as macro expressions call them: each reads its
// arguments by position and checks their types as xBase does (a wrong type
// raises an argument error whose substitute is the result).
#include <cmath>

#include "runtime/array_fns.h"
#include "runtime/callstack.h"
#include "runtime/dates.h"
#include "runtime/env.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/functions.h"
#include "runtime/lang.h"
#include "runtime/memolines.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/system.h"
#include "runtime/text_case.h"
#include "runtime/transform.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"

namespace rt {

namespace {

bool Str(Args a, std::size_t i) { return Arg(a, i).IsString(); }
bool Num(Args a, std::size_t i) { return Arg(a, i).IsNumber(); }
bool Dat(Args a, std::size_t i) { return Arg(a, i).IsDate(); }
const std::string& S(Args a, std::size_t i) { return Arg(a, i).AsString(); }
long L(Args a, std::size_t i) { return Arg(a, i).AsInt(); }
Date D(Args a, std::size_t i) { return Date{Arg(a, i).AsJulian()}; }
std::optional<long> OptL(Args a, std::size_t i) {
  return Num(a, i) ? std::optional<long>(L(a, i)) : std::nullopt;
}
std::optional<int> OptI(Args a, std::size_t i) {
  return Num(a, i) ? std::optional<int>(static_cast<int>(L(a, i))) : std::nullopt;
}
long LOr(Args a, std::size_t i, long dflt) { return Num(a, i) ? L(a, i) : dflt; }
bool BOr(Args a, std::size_t i, bool dflt) { return Arg(a, i).IsLogical() ? Arg(a, i).AsLogical() : dflt; }
Value Int(long n) { return Value::Num(static_cast<double>(n), 0, 0); }

Value ArgError(int subCode, const char* name, Args a) {
  auto e = MakeError(EG_ARG, subCode, "BASE", name);
  e->args = Value::Array();
  for (const Value& v : a) e->args.Items().push_back(v);
  e->canSubstitute = true;
  return RaiseError(e).value;
}

void Def(const char* name, PublicFn fn) { RegisterBuiltinFunction(name, std::move(fn)); }

// A function of one text argument.
template <class F>
void Text1(const char* name, int subCode, F f) {
  Def(name, [=](Args a) -> Value {
    if (!Str(a, 0)) return ArgError(subCode, name, a);
    return Value(f(S(a, 0)));
  });
}

// A function of one text argument that the macro evaluator may also apply
// to its argument in place.
template <class F>
void Text1InPlace(const char* name, int subCode, F f, TextInPlaceFn inPlace) {
  RegisterBuiltinFunction(
      name,
      [=](Args a) -> Value {
        if (!Str(a, 0)) return ArgError(subCode, name, a);
        return Value(f(S(a, 0)));
      },
      inPlace);
}

// A function of one date argument.
template <class F>
void Date1(const char* name, int subCode, F f) {
  Def(name, [=](Args a) -> Value {
    if (!Dat(a, 0)) return ArgError(subCode, name, a);
    return f(D(a, 0));
  });
}

void Texts() {
  Def("SUBSTR", [](Args a) -> Value {
    if (!Str(a, 0) || !Num(a, 1) || (a.size() > 2 && !Arg(a, 2).IsNil() && !Num(a, 2))) return ArgError(1110, "SUBSTR", a);
    return SUBSTR(S(a, 0), L(a, 1), OptL(a, 2));
  });
  Def("LEFT", [](Args a) -> Value {
    if (!Str(a, 0) || !Num(a, 1)) return ArgError(1124, "LEFT", a);
    return LEFT(S(a, 0), L(a, 1));
  });
  Def("RIGHT", [](Args a) -> Value {
    if (!Str(a, 0) || !Num(a, 1)) return ArgError(1124, "RIGHT", a);
    return RIGHT(S(a, 0), L(a, 1));
  });
  Def("AT", [](Args a) -> Value {
    if (!Str(a, 0) || !Str(a, 1)) return ArgError(1108, "AT", a);
    return Int(static_cast<long>(AT(S(a, 0), S(a, 1))));
  });
  Def("RAT", [](Args a) -> Value {
    if (!Str(a, 0) || !Str(a, 1)) return ArgError(1108, "RAT", a);
    return Int(static_cast<long>(RAT(S(a, 0), S(a, 1))));
  });
  Def("STRTRAN", [](Args a) -> Value {
    if (!Str(a, 0) || !Str(a, 1)) return ArgError(1126, "STRTRAN", a);
    return STRTRAN(S(a, 0), S(a, 1), S(a, 2), OptL(a, 3), OptL(a, 4));
  });
  Def("STUFF", [](Args a) -> Value {
    if (!Str(a, 0)) return ArgError(1125, "STUFF", a);
    return STUFF(S(a, 0), L(a, 1), L(a, 2), S(a, 3));
  });
  using Pad = std::string (*)(std::string_view, long, char);
  const struct {
    const char* name;
    Pad fn;
  } pads[] = {{"PADR", &PADR}, {"PAD", &PADR}, {"PADL", &PADL}, {"PADC", &PADC}};
  for (const auto& p : pads) {
    Def(p.name, [p](Args a) -> Value {
      if (!Num(a, 1)) return ArgError(1126, p.name, a);
      const char fill = Str(a, 2) && !S(a, 2).empty() ? S(a, 2)[0] : ' ';
      return p.fn(PadText(Arg(a, 0)), L(a, 1), fill);
    });
  }
  Text1("ALLTRIM", 2022, [](const std::string& s) { return ALLTRIM(s); });
  Text1("LTRIM", 1101, [](const std::string& s) { return LTRIM(s); });
  Text1("RTRIM", 1100, [](const std::string& s) { return RTRIM(s); });
  Text1("TRIM", 1100, [](const std::string& s) { return TRIM(s); });
  Text1InPlace("UPPER", 1102, [](const std::string& s) { return UPPER(s); }, AsciiUpperInPlace);
  Text1InPlace("LOWER", 1103, [](const std::string& s) { return LOWER(s); }, AsciiLowerInPlace);
  Text1("ISALPHA", 1106, [](const std::string& s) { return ISALPHA(s); });
  Text1("ISDIGIT", 1106, [](const std::string& s) { return ISDIGIT(s); });
  Text1("ISUPPER", 1106, [](const std::string& s) { return ISUPPER(s); });
  Text1("ISLOWER", 1106, [](const std::string& s) { return ISLOWER(s); });
  Text1("ASC", 1107, [](const std::string& s) { return Int(ASC(s)); });
  Text1("HARDCR", 1106, [](const std::string& s) { return HARDCR(s); });
  Def("SPACE", [](Args a) -> Value {
    if (!Num(a, 0)) return ArgError(1105, "SPACE", a);
    return SPACE(L(a, 0));
  });
  Def("REPLICATE", [](Args a) -> Value {
    if (!Str(a, 0) || !Num(a, 1)) return ArgError(1106, "REPLICATE", a);
    return REPLICATE(S(a, 0), L(a, 1));
  });
  Def("CHR", [](Args a) -> Value {
    if (!Num(a, 0)) return ArgError(1104, "CHR", a);
    return CHR(L(a, 0));
  });
  Def("MLCOUNT", [](Args a) -> Value {
    if (!Str(a, 0)) return ArgError(1106, "MLCOUNT", a);
    return Int(MLCOUNT(S(a, 0), LOr(a, 1, 79), LOr(a, 2, 4), BOr(a, 3, true)));
  });
  Def("MEMOLINE", [](Args a) -> Value {
    if (!Str(a, 0)) return ArgError(1106, "MEMOLINE", a);
    return MEMOLINE(S(a, 0), LOr(a, 1, 79), LOr(a, 2, 1), LOr(a, 3, 4), BOr(a, 4, true));
  });
}

void Numbers() {
  Def("STR", [](Args a) -> Value {
    if (!Num(a, 0)) return ArgError(1099, "STR", a);
    return STR(Arg(a, 0), OptI(a, 1), OptI(a, 2));
  });
  Def("STRZERO", [](Args a) -> Value {
    if (!Num(a, 0)) return ArgError(1099, "STRZERO", a);
    return STRZERO(Arg(a, 0), OptI(a, 1), OptI(a, 2));
  });
  Def("VAL", [](Args a) -> Value {
    if (!Str(a, 0)) return ArgError(1098, "VAL", a);
    return VAL(S(a, 0));
  });
  Def("INT", [](Args a) -> Value { return INT(Arg(a, 0)); });
  Def("ROUND", [](Args a) -> Value {
    if (!Num(a, 1)) return ArgError(1094, "ROUND", a);
    return ROUND(Arg(a, 0), static_cast<int>(L(a, 1)));
  });
  Def("ABS", [](Args a) -> Value { return ABS(Arg(a, 0)); });
  Def("MIN", [](Args a) -> Value { return MIN(Arg(a, 0), Arg(a, 1)); });
  Def("MAX", [](Args a) -> Value { return MAX(Arg(a, 0), Arg(a, 1)); });
  Def("MOD", [](Args a) -> Value { return MOD(Arg(a, 0), Arg(a, 1)); });
  Def("I2BIN", [](Args a) -> Value { return I2BIN(L(a, 0)); });
  Def("L2BIN", [](Args a) -> Value { return L2BIN(L(a, 0)); });
  Def("BIN2I", [](Args a) -> Value { return Int(BIN2I(S(a, 0))); });
  Def("BIN2L", [](Args a) -> Value { return Int(BIN2L(S(a, 0))); });
}

void Dates() {
  Def("DATE", [](Args) -> Value { return DATE(); });
  Def("TIME", [](Args) -> Value { return TIME(); });
  Def("SECONDS", [](Args) -> Value { return Value::Num(SECONDS(), 0, 2); });
  Date1("DAY", 1114, [](Date d) { return Int(DAY(d)); });
  Date1("MONTH", 1113, [](Date d) { return Int(MONTH(d)); });
  Date1("YEAR", 1112, [](Date d) { return Int(YEAR(d)); });
  Date1("DOW", 1115, [](Date d) { return Int(DOW(d)); });
  Date1("CDOW", 1117, [](Date d) { return Value(CDOW(d)); });
  Date1("CMONTH", 1116, [](Date d) { return Value(CMONTH(d)); });
  Date1("DTOS", 1120, [](Date d) { return Value(DTOS(d)); });
  Date1("DTOC", 1118, [](Date d) { return Value(DTOC(d)); });
  Text1("STOD", 1120, [](const std::string& s) { return Value(STOD(s)); });
  Text1("CTOD", 1119, [](const std::string& s) { return Value(CTOD(s)); });
}

void ValueFunctions() {
  Def("TRANSFORM", [](Args a) -> Value {
    if (!Arg(a, 1).IsNil() && !Str(a, 1)) return ArgError(1122, "TRANSFORM", a);
    return TRANSFORM(Arg(a, 0), S(a, 1));
  });
  Def("CVALTOCHAR", [](Args a) -> Value { return CVALTOCHAR(Arg(a, 0)); });
  Def("UVALBLANK", [](Args a) -> Value { return UVALBLANK(Arg(a, 0)); });
  Def("VALTYPE", [](Args a) -> Value { return VALTYPE(Arg(a, 0)); });
  Def("EMPTY", [](Args a) -> Value { return EMPTY(Arg(a, 0)); });
  Def("LEN", [](Args a) -> Value { return Int(static_cast<long>(LEN(Arg(a, 0)))); });
  Text1("TYPE", 1121, [](const std::string& s) { return TYPE(s); });
  Def("EVAL", [](Args a) -> Value {
    if (!Arg(a, 0).IsBlock()) return ArgError(1004, "EVAL", a);
    return a[0].EvalArgs(a.subspan(1));
  });
  Def("HB_LANGSELECT", [](Args a) -> Value {
    return Str(a, 0) ? std::string(HB_LANGSELECT(S(a, 0))) : std::string(HB_LANGSELECT());
  });
  Def("PROCNAME", [](Args a) -> Value { return PROCNAME(static_cast<int>(LOr(a, 0, 0))); });
  Def("PROCLINE", [](Args a) -> Value { return Int(PROCLINE(static_cast<int>(LOr(a, 0, 0)))); });
}

void Arrays() {
  auto opt = [](Args a, std::size_t i) {
    return Num(a, i) && L(a, i) > 0 ? std::optional<std::size_t>(static_cast<std::size_t>(L(a, i))) : std::nullopt;
  };
  auto array = [](Args a) { return Arg(a, 0).IsArray(); };
  Def("ARRAY", [](Args a) -> Value {
    if (!Num(a, 0) || L(a, 0) < 0 || L(a, 0) > 4096 * 1024) return ArgError(1131, "ARRAY", a);
    return ARRAY(static_cast<std::size_t>(L(a, 0)));
  });
  Def("AADD", [=](Args a) -> Value {
    if (!array(a)) return ArgError(1123, "AADD", a);
    // The slot is the evaluator's own copy: the new element takes it over.
    return AADD(a[0], a.size() > 1 ? std::move(a[1]) : Value());
  });
  Def("ASIZE", [=](Args a) -> Value {
    if (!array(a) || !Num(a, 1) || L(a, 1) < 0 || L(a, 1) > 4096 * 1024) return ArgError(2023, "ASIZE", a);
    return ASIZE(a[0], static_cast<std::size_t>(L(a, 1)));
  });
  Def("ADEL", [=](Args a) -> Value { return array(a) ? ADEL(a[0], static_cast<std::size_t>(std::max(0L, L(a, 1)))) : Value(); });
  Def("AINS", [=](Args a) -> Value { return array(a) ? AINS(a[0], static_cast<std::size_t>(std::max(0L, L(a, 1)))) : Value(); });
  Def("ASCAN", [=](Args a) -> Value {
    return array(a) ? Int(static_cast<long>(ASCAN(a[0], Arg(a, 1), opt(a, 2), opt(a, 3)))) : Int(0);
  });
  Def("ASORT", [=](Args a) -> Value { return array(a) ? ASORT(a[0], opt(a, 1), opt(a, 2), Arg(a, 3)) : Value(); });
  Def("ACLONE", [=](Args a) -> Value { return array(a) ? ACLONE(a[0]) : Value(); });
  Def("AEVAL", [=](Args a) -> Value {
    if (!array(a) || !Arg(a, 1).IsBlock()) return ArgError(2017, "AEVAL", a);
    return AEVAL(a[0], a[1], opt(a, 2), opt(a, 3));
  });
  Def("ATAIL", [=](Args a) -> Value { return array(a) ? ATAIL(a[0]) : Value(); });
  Def("AFILL", [=](Args a) -> Value { return array(a) ? AFILL(a[0], Arg(a, 1), opt(a, 2), opt(a, 3)) : Value(); });
}

void Files() {
  Text1("FILE", 2010, [](const std::string& s) { return FileExists(s); });
  Text1("FERASE", 2010, [](const std::string& s) { return Int(FERASE(s)); });
  Def("FRENAME", [](Args a) -> Value { return Int(FRENAME(S(a, 0), S(a, 1))); });
  Def("FCREATE", [](Args a) -> Value { return Int(FCREATE(S(a, 0), static_cast<int>(LOr(a, 1, 0)))); });
  Def("FOPEN", [](Args a) -> Value { return Int(FOPEN(S(a, 0), static_cast<int>(LOr(a, 1, 0)))); });
  Def("FREADSTR", [](Args a) -> Value { return FREADSTR(L(a, 0), L(a, 1)); });
  Def("FWRITE", [](Args a) -> Value { return Int(FWRITE(L(a, 0), S(a, 1), OptL(a, 2))); });
  Def("FSEEK", [](Args a) -> Value { return Int(FSEEK(L(a, 0), L(a, 1), static_cast<int>(LOr(a, 2, 0)))); });
  Def("FCLOSE", [](Args a) -> Value { return FCLOSE(L(a, 0)); });
  Def("FERROR", [](Args) -> Value { return Int(FERROR()); });
  Text1("MEMOREAD", 2010, [](const std::string& s) { return MEMOREAD(s); });
  Def("MEMOWRIT", [](Args a) -> Value { return MEMOWRIT(S(a, 0), S(a, 1), BOr(a, 2, true)); });
  Def("__COPYFILE", [](Args a) -> Value { return FileCopy(S(a, 0), S(a, 1)); });
  Def("DIRECTORY", [](Args a) -> Value { return DIRECTORY(S(a, 0), S(a, 1)); });
  Def("CURDIR", [](Args) -> Value { return CURDIR(); });
  Def("CURDRIVE", [](Args a) -> Value { return Str(a, 0) ? CURDRIVE(S(a, 0)) : CURDRIVE(); });
  Text1("GETENV", 1106, [](const std::string& s) { return GETENV(s); });
  Def("HB_ARGC", [](Args) -> Value { return Int(HB_ARGC()); });
  Def("HB_ARGV", [](Args a) -> Value { return HB_ARGV(static_cast<int>(LOr(a, 0, 0))); });
}

void System() {
  Def("VERSION", [](Args) -> Value { return VERSION(); });
  Def("OS", [](Args) -> Value { return OS(); });
  Def("MEMORY", [](Args a) -> Value { return Int(static_cast<long>(MEMORY(static_cast<int>(LOr(a, 0, 0))))); });
}

}  // namespace

void RegisterRuntimeFunctions() {
  Texts();
  Numbers();
  Dates();
  ValueFunctions();
  Arrays();
  Files();
  System();
  RegisterTableFunctions();
}

}  // namespace rt
