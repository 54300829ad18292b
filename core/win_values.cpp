#include "core/win_values.h"

#include <cstdint>

#include "services/int32.h"

namespace core {

rt::Value RectValue(const RECT& rc) { return rt::Value::Array({rc.top, rc.left, rc.bottom, rc.right}); }

rt::Value PointValue(const POINT& pt) { return rt::Value::Array({pt.y, pt.x}); }

POINT PointOf(const rt::Value& aPoint) {
  POINT pt{};
  if (aPoint.IsArray()) {
    if (aPoint.Len() >= 1) pt.y = svc::ToInt32(aPoint.At(1));
    if (aPoint.Len() >= 2) pt.x = svc::ToInt32(aPoint.At(2));
  }
  return pt;
}


}  // namespace core
