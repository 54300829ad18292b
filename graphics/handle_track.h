#pragma once
// Every bitmap, brush, font, palette and built-in cursor that the drawing
// layer creates goes to the drawing-handle registry with its tag.

#include "services/handle_registry.h"

namespace gfx {

// Returns the handle, so that creating and registering read as one step.
template <class Handle>
Handle Tracked(Handle handle, const char* tag) {
  svc::TrackHandle(handle, tag);
  return handle;
}

}  // namespace gfx
