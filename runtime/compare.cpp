#include "runtime/compare.h"

#include "runtime/error.h"
#include "runtime/settings.h"

namespace rt {

namespace {

std::string_view TrimRightBlanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool Mismatch(const Value& a, const Value& b, const char* op, int subCode) {
  auto e = MakeError(EG_ARG, subCode, "BASE", op);
  e->args = Value::Array({a, b});
  e->canSubstitute = true;
  return RaiseError(e).value.AsLogical();
}

// -1, 0 or 1; *ok is false when the two cannot be ordered.
int Order(const Value& a, const Value& b, bool exactStrings, bool* ok) {
  *ok = true;
  if (a.type() != b.type()) {
    *ok = false;
    return 0;
  }
  switch (a.type()) {
    case Type::Nil: return 0;
    case Type::Logical: return static_cast<int>(a.AsLogical()) - static_cast<int>(b.AsLogical());
    case Type::Number: {
      double x = a.AsNumber(), y = b.AsNumber();
      return x < y ? -1 : (x > y ? 1 : 0);
    }
    case Type::Date: {
      auto x = a.AsJulian(), y = b.AsJulian();
      return x < y ? -1 : (x > y ? 1 : 0);
    }
    case Type::String: return StrCompare(a.AsString(), b.AsString(), exactStrings);
    default: *ok = false; return 0;
  }
}

}  // namespace

int StrCompare(std::string_view a, std::string_view b, bool exact) {
  if (exact) {
    a = TrimRightBlanks(a);
    b = TrimRightBlanks(b);
  }
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  if (exact) return a.size() < b.size() ? -1 : 1;
  return a.size() < b.size() ? -1 : 0;
}

bool EQ(const Value& a, const Value& b) {
  if (a.type() != b.type()) {
    if (a.IsNil() || b.IsNil()) return false;
    return Mismatch(a, b, "=", 1071);
  }
  if (a.IsArray() || a.IsBlock() || a.IsObject()) return a == b;
  bool ok;
  return Order(a, b, Sets().exact, &ok) == 0;
}

bool EXACTEQ(const Value& a, const Value& b) {
  if (a.type() != b.type()) {
    if (a.IsNil() || b.IsNil()) return false;
    return Mismatch(a, b, "==", 1070);
  }
  return a == b;
}

bool NE(const Value& a, const Value& b) {
  if (a.type() != b.type()) {
    if (a.IsNil() || b.IsNil()) return true;
    return Mismatch(a, b, "<>", 1072);
  }
  return !EQ(a, b);
}

#define RT_ORDERED_OP(NAME, OP, TEXT, SUB)                        \
  bool NAME(const Value& a, const Value& b) {                     \
    bool ok;                                                      \
    int r = Order(a, b, Sets().exact, &ok);                       \
    if (!ok || a.IsNil()) return Mismatch(a, b, TEXT, SUB);       \
    return r OP 0;                                                \
  }

RT_ORDERED_OP(LT, <, "<", 1073)
RT_ORDERED_OP(LE, <=, "<=", 1074)
RT_ORDERED_OP(GT, >, ">", 1075)
RT_ORDERED_OP(GE, >=, ">=", 1076)

#undef RT_ORDERED_OP

}  // namespace rt
