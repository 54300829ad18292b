#pragma once
// A pen, brush or bitmap that a painter makes for one call: entered in the
// drawing-handle registry when made, taken out and deleted at the end of the
// scope, so that no early return leaks it.

#include <windows.h>

#include "graphics/handle_track.h"

namespace grid {

template <class Handle>
class OwnedGdi {
 public:
  OwnedGdi(Handle handle, const char* tag) : handle_(gfx::Tracked(handle, tag)) {}
  ~OwnedGdi() {
    if (handle_) {
      svc::UntrackHandle(handle_);
      DeleteObject(handle_);
    }
  }
  OwnedGdi(const OwnedGdi&) = delete;
  OwnedGdi& operator=(const OwnedGdi&) = delete;
  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

using OwnedPen = OwnedGdi<HPEN>;
using OwnedBrush = OwnedGdi<HBRUSH>;
using OwnedBitmap = OwnedGdi<HBITMAP>;

inline OwnedPen SolidPen(COLORREF colour) { return OwnedPen(CreatePen(PS_SOLID, 1, colour), "PEN"); }
inline OwnedBrush SolidBrush(COLORREF colour) { return OwnedBrush(CreateSolidBrush(colour), "BRUSH"); }

}  // namespace grid
