#include "grid/dark_color.h"

#include <algorithm>

namespace grid {

long DARKCOLOR(long nRGB, long nAmount) {
  long result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    long channel = (nRGB >> shift) & 0xFF;
    if (channel > 0) channel = std::clamp(channel - nAmount, 0L, 255L);
    result |= channel << shift;
  }
  return result;
}

}  // namespace grid
