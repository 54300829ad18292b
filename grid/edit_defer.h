#pragma once
// Work that must not run inside the message handler that asks for it: an
// editor must not be destroyed, nor the focus taken, while Windows is still
// inside the editor's own key or focus message. The work is queued and run
// from the message loop once the current message has returned.

#include <functional>

namespace grid {

// Queues fn; it runs when the thread's message loop next dispatches.
void PostLater(std::function<void()> fn);

// Runs everything queued so far, now (for a caller that waits on it).
void RunPosted();

}  // namespace grid
