#pragma once
// The about box: at start a splash that closes by itself.

namespace voskdar {

// lWait: the box ends about 3000 ms after it first paints; otherwise it
// stays until clicked. Nothing is shown unless lShow. Returns true.
bool ABOUTINFO(bool lWait, bool lShow);

}  // namespace voskdar
