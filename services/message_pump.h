#pragma once
// Lets the queued messages of the calling thread run once, for services that
// are about to block or walk a long way (waiting for a started program,
// searching a directory tree). A quit message is put back for the program's
// own loop. Returns false when the quit message came.

namespace svc {

bool PumpPendingMessages();

}  // namespace svc
