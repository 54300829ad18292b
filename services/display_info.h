#pragma once
// Questions about the display, each asked of a fresh display DC.

#include "runtime/value.h"

namespace svc {

// True at 120 logical pixels per inch.
bool LARGEFONTS();
// Logical pixels per inch over 96.
double DISPFONTPERSIZE();
// 2 to the power of bits per pixel times planes. A double, so that 32 bits
// per pixel (4294967296 colours) does not overflow.
double COLORSQTY();
// Stores the screen size in pixels into the two arguments; {width, height}.
rt::Value SCRRESOLUTION(rt::Value& nWidth, rt::Value& nHeight);
// Kept for older callers; the platform has no such limit any more.
int GETFREESYSTEMRESOURCES();

}  // namespace svc
