#pragma once
// A rectangle object of the class layer.

#include "runtime/object.h"

namespace gfx {

class TRect : public rt::Object {
 public:
  RT_CLASS_DECL()

  int nTop = 0;
  int nLeft = 0;
  int nBottom = 0;
  int nRight = 0;

  TRect& New(int nTop, int nLeft, int nBottom, int nRight);
  int nWidth() const { return nRight - nLeft; }
  int nHeight() const { return nBottom - nTop; }
};

}  // namespace gfx
