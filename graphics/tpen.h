#pragma once
// Pens of the class layer. Not pooled: each object owns its handle.

#include <windows.h>

#include "runtime/object.h"
#include "runtime/value.h"

namespace gfx {

class TPen : public rt::Object {
 public:
  RT_CLASS_DECL()

  HPEN hPen = nullptr;
  int nStyle = 0;
  double nWidth = 1;  // with a device: scaled to its vertical resolution
  long nColor = 0;
  rt::Value oDevice;

  TPen& New(int nStyle = PS_SOLID, int nWidth = 1, long nColor = 0, const rt::Value& oDevice = {});
  void End();
  void Release() { End(); }
};

}  // namespace gfx
