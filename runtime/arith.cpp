#include "runtime/arith.h"

#include <cmath>
#include <string>

#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/strings.h"

namespace rt {

namespace {

Value OperandError(int subCode, const char* op, const Value& a, const Value& b) {
  auto e = MakeError(EG_ARG, subCode, "BASE", op);
  e->args = Value::Array({a, b});
  e->canSubstitute = true;
  return RaiseError(e).value;
}

Value ZeroDivide(int subCode, const char* op, const Value& a, const Value& b) {
  auto e = MakeError(EG_ZERODIV, subCode, "BASE", op);
  e->args = Value::Array({a, b});
  e->canSubstitute = true;
  return RaiseError(e).value;
}

int Decimals(const Value& v) { return v.AsNumberInfo().dec; }

int AddDecimals(const Value& a, const Value& b) {
  int da = Decimals(a), db = Decimals(b);
  return (da < 0 || db < 0) ? -1 : std::max(da, db);
}

// Date arithmetic stays within 1 January 1 to 31 December 9999: a result
// beyond raises a numeric overflow (its substitute is the result). The
// empty date stays empty.
Value DatePlus(const Value& date, const Value& days, const char* op, double sign) {
  const std::int32_t julian = date.AsJulian();
  if (julian == 0) return date;
  const double result = julian + sign * std::trunc(days.AsNumber());
  if (!(result >= MakeDate(1, 1, 1).julian && result <= MakeDate(9999, 12, 31).julian)) {
    auto e = MakeError(EG_NUMOVERFLOW, sign > 0 ? 1081 : 1082, "BASE", op);
    e->args = Value::Array({date, days});
    e->canSubstitute = true;
    return RaiseError(e).value;
  }
  return Value(Date{static_cast<std::int32_t>(result)});
}

}  // namespace

Value Plus(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return Value::Num(a.AsNumber() + b.AsNumber(), 0, AddDecimals(a, b));
  if (a.IsString() && b.IsString()) {
    const std::string& x = a.AsString();
    const std::string& y = b.AsString();
    if (StringTooLong(x.size() + y.size(), "+")) return Value(std::string());
    std::string r;
    r.reserve(x.size() + y.size());
    r += x;
    r += y;
    return Value(std::move(r));
  }
  if (a.IsDate() && b.IsNumber()) return DatePlus(a, b, "+", 1);
  if (a.IsNumber() && b.IsDate()) return DatePlus(b, a, "+", 1);
  return OperandError(1081, "+", a, b);
}

Value Plus(Value&& a, const Value& b) {
  std::string* x = a.MutableString();
  if (!x || !b.IsString()) return Plus(static_cast<const Value&>(a), b);
  const std::string& y = b.AsString();
  if (StringTooLong(x->size() + y.size(), "+")) return Value(std::string());
  x->append(y);
  return std::move(a);
}

Value Minus(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return Value::Num(a.AsNumber() - b.AsNumber(), 0, AddDecimals(a, b));
  if (a.IsString() && b.IsString()) {
    const std::string& x = a.AsString();
    const std::string& y = b.AsString();
    if (StringTooLong(x.size() + y.size(), "-")) return Value(std::string());
    std::size_t kept = x.find_last_not_of(' ');
    kept = kept == std::string::npos ? 0 : kept + 1;
    std::string r;
    r.reserve(x.size() + y.size());
    r.append(x, 0, kept);
    r += y;
    r.append(x.size() - kept, ' ');
    return Value(std::move(r));
  }
  if (a.IsDate() && b.IsDate()) return Value::Num(static_cast<double>(a.AsJulian()) - b.AsJulian(), 0, 0);
  if (a.IsDate() && b.IsNumber()) return DatePlus(a, b, "-", -1);
  return OperandError(1082, "-", a, b);
}

Value Mult(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) {
    int da = Decimals(a), db = Decimals(b);
    return Value::Num(a.AsNumber() * b.AsNumber(), 0, (da < 0 || db < 0) ? -1 : da + db);
  }
  return OperandError(1083, "*", a, b);
}

Value Divide(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) {
    if (b.AsNumber() == 0) return ZeroDivide(1340, "/", a, b);
    return Value::Num(a.AsNumber() / b.AsNumber(), 0, -1);
  }
  return OperandError(1084, "/", a, b);
}

Value Modulus(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) {
    if (b.AsNumber() == 0) return ZeroDivide(1341, "%", a, b);
    return Value::Num(std::fmod(a.AsNumber(), b.AsNumber()), 0, AddDecimals(a, b));
  }
  return OperandError(1085, "%", a, b);
}

Value Power(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return Value::Num(std::pow(a.AsNumber(), b.AsNumber()), 0, -1);
  return OperandError(1088, "^", a, b);
}

Value Negate(const Value& a) {
  if (a.IsNumber()) {
    Number n = a.AsNumberInfo();
    n.value = -n.value;
    n.width = 0;  // a computed number: its decimals stay, its width is the default
    return Value(n);
  }
  auto e = MakeError(EG_ARG, 1080, "BASE", "-");
  e->args = Value::Array({a});
  e->canSubstitute = true;
  return RaiseError(e).value;
}

}  // namespace rt
