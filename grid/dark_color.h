#pragma once
// A darker (or, with a negative amount, lighter) shade of a colour, as grid
// labels and check items use for their 3-D edges.

namespace grid {

// Each channel above 0 is lowered by nAmount and clamped to 0..255; channels
// that are 0 stay 0.
long DARKCOLOR(long nRGB, long nAmount);

}  // namespace grid
