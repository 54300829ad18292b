#pragma once
// The one-line wording of an error and the way the error log shows values.
// Portable: the log is built and tested without Windows.

#include <cstddef>
#include <string>

#include "runtime/error.h"
#include "runtime/value.h"

namespace support {

// ERRORMESSAGE: "Error BASE/1341  Zero divide: /", "(DOS Error 32) DBFNTX/1001
// ...". The description stands as the error carries it (the runtime's
// language texts are OEM text).
std::string ERRORMESSAGE(const rt::Error& e);
// The same line with the description turned from OEM into Windows-1252,
// for the dialog and the log, which are Windows-1252 throughout.
std::string ErrorMessageAnsi(const rt::Error& e);

// CGETINFO: a text in double quotes, "Class: NAME" for an object,
// "Len:    n" for an array, else CVALTOCHAR.
std::string CGETINFO(const rt::Value& u);

// A value's text made fit for one log line: control characters (line
// breaks, tabs) become blanks and a text longer than kLogValueMax is cut
// there and ends in "...".
inline constexpr std::size_t kLogValueMax = 200;
std::string LogLineText(const std::string& text);

}  // namespace support
