#pragma once
// A copy of a bitmap as the clipboard takes it. It lives here rather than in
// the drawing layer because the clipboard functions need it and sit below.

#include <windows.h>

namespace svc {

// A new screen-compatible bitmap holding a copy of the given one, registered
// as "BMP". Null for a null or unreadable bitmap.
HBITMAP CopyBitmapForScreen(HBITMAP bitmap);

}  // namespace svc
