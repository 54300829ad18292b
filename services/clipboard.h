#pragma once
// The system clipboard for plain text (format 1) and bitmaps (format 2). The
// functions never raise errors: failures show as .F., "" or 0.

#include <windows.h>

#include <optional>

#include "runtime/value.h"

namespace svc {

bool OPENCLIPBOARD(HWND hWnd);
bool CLOSECLIPBOARD();
bool EMPTYCLIPBOARD();
// Format 1 puts the text uData, format 2 a copy of the bitmap handle uData;
// NIL without uData or for another format. A block or bitmap copy the
// clipboard refuses is freed again.
rt::Value SETCLIPBOARDDATA(long nFormat, const std::optional<rt::Value>& uData = std::nullopt);
// Format 1: the text ("" when there is none); format 2: a copy of the
// bitmap, 0 when there is none; NIL for another format.
rt::Value GETCLPDATA(long nFormat);

}  // namespace svc
