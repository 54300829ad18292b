#include "core/long_value.h"

#include <cmath>
#include <cstdint>

#include "services/int32.h"

namespace core {

LPARAM ParamOf(const rt::Value& v) noexcept {
  if (v.type() != rt::Type::Number) return LongOf(v);
  return svc::ToHandle(v);
}

long LongOf(const rt::Value& v) noexcept {
  switch (v.type()) {
    case rt::Type::Number: {
      double d = std::trunc(v.AsNumber());
      if (!std::isfinite(d)) return 0;
      double wrapped = std::fmod(d, 4294967296.0);
      if (wrapped < 0) wrapped += 4294967296.0;
      return static_cast<long>(static_cast<std::uint32_t>(wrapped));
    }
    case rt::Type::Logical:
      return v.AsLogical() ? 1 : 0;
    case rt::Type::Date:
      return v.AsJulian();
    default:
      return 0;
  }
}

}  // namespace core
