#pragma once
// The drawing-handle registry. The drawing layer hands every bitmap, brush,
// font, palette and built-in cursor it creates to TrackHandle with its tag
// ("BMP", "BRUSH", "FONT", "PAL", "CUR") and takes it out with UntrackHandle
// when it deletes it. Tracking is off unless switched on (a diagnostic aid
// for finding leaked GDI handles), so both calls normally return at once.

#include <windows.h>

#include <string>
#include <vector>

namespace svc {

void TrackHandle(HANDLE handle, const char* tag);
void UntrackHandle(HANDLE handle);

// Switching tracking off keeps the entries recorded so far.
void SetHandleTracking(bool on);
bool HandleTracking();

struct TrackedHandle {
  HANDLE handle;
  std::string tag;
};
// The live entries, in the order of their slots.
std::vector<TrackedHandle> TrackedHandles();

}  // namespace svc
