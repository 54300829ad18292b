#include "services/msg_text.h"

#include <cmath>
#include <cstdio>

#include "runtime/dates.h"

namespace svc {

std::string MsgText(const rt::Value& v) {
  switch (v.type()) {
    case rt::Type::Nil:
      return "nil";
    case rt::Type::String:
      return v.AsString();
    case rt::Type::Logical:
      return v.AsLogical() ? ".T." : ".F.";
    case rt::Type::Number: {
      const rt::Number& n = v.AsNumberInfo();
      // Whole numbers made as integers show as integers, the most negative
      // 64-bit ones included; computed or decimal numbers show six decimals.
      if (n.dec == 0 && std::trunc(n.value) == n.value && std::fabs(n.value) < 9.2e18) {
        return std::to_string(static_cast<long long>(n.value));
      }
      char buf[512];
      std::snprintf(buf, sizeof buf, "%f", n.value);
      return buf;
    }
    case rt::Type::Date:
      return rt::DTOC(rt::Date{v.AsJulian()});
    case rt::Type::Array:
      return "Array";
    case rt::Type::Object:
      return "Object";
    default:
      return "ValtoChar not suported type yet";
  }
}

}  // namespace svc
