#pragma once
// How the window wrappers hand rectangles and points to the class layer:
// rectangles as {nTop, nLeft, nBottom, nRight}, points as {nRow, nCol}.

#include <windows.h>

#include "runtime/value.h"

namespace core {

rt::Value RectValue(const RECT& rc);
rt::Value PointValue(const POINT& pt);
// Missing or non-numeric elements read as 0.
POINT PointOf(const rt::Value& aPoint);

}  // namespace core
