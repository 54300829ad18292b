#pragma once
// Cursors of the class layer: a resource cursor, a predefined system or
// built-in cursor (shared, never destroyed), or one made from a bitmap.

#include <windows.h>

#include "runtime/object.h"
#include "runtime/value.h"

namespace gfx {

class TCursor : public rt::Object {
 public:
  RT_CLASS_DECL()

  HCURSOR hCursor = nullptr;
  bool lPredef = false;  // a shared cursor that must not be destroyed

  // A predefined name (any case): "ARROW", "IBEAM", "WAIT", "CROSS",
  // "UPARROW", "SIZE", "ICON", "SIZENWSE", "SIZENESW", "SIZEWE", "SIZENS",
  // "HAND", "STOP", "DRAG"; any other name is refused with an alert and
  // leaves no cursor. Without one, the cursor resource cResName of the
  // current resource module.
  TCursor& New(const rt::Value& cResName = {}, const rt::Value& cPredef = {});
  // From a bitmap control, a bitmap button or a bitmap handle; the further
  // arguments are CREATEBMPCURSOR's after the bitmap and palette.
  TCursor& NewBmp(const rt::Value& uBitmap, int hotRow = 0, int hotCol = 0, bool ranges = false,
                  const rt::Value& black = {}, const rt::Value& white = {}, const rt::Value& transparent = {},
                  const rt::Value& invert = {});
  void End();
};

}  // namespace gfx
