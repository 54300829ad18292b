#include "services/display_info.h"

#include <windows.h>

#include <cmath>

namespace svc {

namespace {

int DisplayCaps(int index) {
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int value = dc ? GetDeviceCaps(dc, index) : 0;
  if (dc) DeleteDC(dc);
  return value;
}

}  // namespace

bool LARGEFONTS() { return DisplayCaps(LOGPIXELSX) == 120; }

double DISPFONTPERSIZE() { return DisplayCaps(LOGPIXELSX) / 96.0; }

double COLORSQTY() { return std::ldexp(1.0, DisplayCaps(BITSPIXEL) * DisplayCaps(PLANES)); }

rt::Value SCRRESOLUTION(rt::Value& nWidth, rt::Value& nHeight) {
  nWidth = DisplayCaps(HORZRES);
  nHeight = DisplayCaps(VERTRES);
  return rt::Value::Array({nWidth, nHeight});
}

int GETFREESYSTEMRESOURCES() { return 0; }

}  // namespace svc
