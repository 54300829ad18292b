#include "controls/native_paint.h"
#include "controls/tget.h"

namespace controls {

rt::Value TGet::Paint() { return PaintOverNative(*this); }

rt::Value TGet::Display() { return DisplayPainted(*this); }

}  // namespace controls
