#pragma once
// The program-wide error handler. Each program installs it first thing in
// its entry (ERRORSYS), before its main function; the runtime never links
// this layer.

#include <string>

#include "runtime/value.h"

namespace support {

// Installs the block that hands every run-time error to ERRORDIALOG.
void ERRORSYS();

// The handler: 0 for a division by zero, .F. for an open or append-lock
// error that defaults quietly (NETERR() set), else it writes "Error.log",
// shows the error dialog and answers .T. for Retry and .F. for Default, or
// ends the program with exit code 1.
rt::Value ERRORDIALOG(const rt::Value& oError);

// Does nothing; public so that a program can name the error module.
rt::Value ERRORLINK();

}  // namespace support
