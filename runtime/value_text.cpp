#include "runtime/value_text.h"

#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"

namespace rt {

std::string CVALTOCHAR(const Value& v) {
  switch (v.type()) {
    case Type::String: return v.AsString();
    case Type::Date: return DTOC(Date{v.AsJulian()});
    case Type::Logical: return v.AsLogical() ? ".T." : ".F.";
    case Type::Number: return ALLTRIM(STR(v));
    case Type::Block: return "{|| ... }";
    case Type::Array: return "{ ... }";
    case Type::Object: return "Object";
    case Type::Nil: return {};
  }
  return {};
}

Value UVALBLANK(const Value& v) {
  switch (v.type()) {
    case Type::String: return Value(std::string(v.AsString().size(), ' '));
    case Type::Number: {
      Number n = v.AsNumberInfo();
      n.value = 0;
      return Value(n);
    }
    case Type::Logical: return Value(false);
    case Type::Date: return Value(Date{});
    default: return Value();
  }
}

}  // namespace rt
