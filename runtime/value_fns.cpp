#include "runtime/value_fns.h"

#include "runtime/error.h"

namespace rt {

std::string VALTYPE(const Value& v) {
  switch (v.type()) {
    case Type::Nil: return "U";
    case Type::Logical: return "L";
    case Type::Number: return "N";
    case Type::String: return "C";
    case Type::Date: return "D";
    case Type::Array: return "A";
    case Type::Block: return "B";
    case Type::Object: return "O";
  }
  return "U";
}

bool EMPTY(const Value& v) {
  switch (v.type()) {
    case Type::Nil: return true;
    case Type::Logical: return !v.AsLogical();
    case Type::Number: return v.AsNumber() == 0;
    case Type::Date: return v.AsJulian() == 0;
    case Type::Array: return v.Items().empty();
    case Type::String:
      for (char c : v.AsString())
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
      return true;
    case Type::Block:
    case Type::Object: return false;
  }
  return true;
}

std::size_t LEN(const Value& v) {
  if (v.IsString() || v.IsArray()) return v.Len();
  auto e = MakeError(EG_ARG, 1111, "BASE", "LEN");
  e->args = Value::Array({v});
  e->canSubstitute = true;
  return static_cast<std::size_t>(RaiseError(e).value.AsInt());
}

}  // namespace rt
