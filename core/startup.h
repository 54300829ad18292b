#pragma once
// Program start for everything that uses windows: the common controls
// (tooltips and tab controls need them), the message box that reports an
// unrecoverable runtime error, and the native fault report. Safe to call more
// than once; the message loop and linking a window call it as well.

namespace core {

void CoreStartup();

}  // namespace core
