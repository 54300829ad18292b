#pragma once
// Cursors: loading and setting, the standard system cursors, the library's
// own hand, stop, drag and grab cursors (made once and shared: their users
// never destroy them), and cursors built from a bitmap by colour classes.

#include <windows.h>

#include "runtime/value.h"

namespace gfx {

// hInstance 0 with a number loads a system cursor.
HCURSOR LOADCURSOR(HINSTANCE hInstance, const rt::Value& nameOrId);
// Returns the previous cursor.
HCURSOR WSETCURSOR(HCURSOR cursor);
// Takes the cursor out of the handle registry and destroys it. The shared
// built-in cursors are refused (false), since every later user still holds
// them.
bool DESTROYCURSOR(HCURSOR cursor);

void CURSORWAIT();
// Each sets its cursor and returns the previous one.
HCURSOR CURSORARROW();
HCURSOR CURSORIBEAM();
HCURSOR CURSORWE();
HCURSOR CURSORSIZE();
HCURSOR CURSORHAND();
HCURSOR CURSORCATCH();

// The system's hand where it has one, else the built-in hand.
HCURSOR GETCURSORHAND();
HCURSOR GETCURSORSTOP();
HCURSOR GETCURSORDRAG();
HCURSOR GetCursorGrab();

// A cursor of the system cursor size from the bitmap's pixels: colours in
// `black` give black, in `white` white, in `invert` the inverted screen, all
// others (and everything outside the bitmap) stay transparent. Each list is
// read up to its 16th element; with `ranges` its entries are low/high pairs
// and an unpaired last entry is ignored. 0 on failure.
HCURSOR CREATEBMPCURSOR(HBITMAP bitmap, HPALETTE palette, int hotRow, int hotCol, bool ranges,
                        const rt::Value& black, const rt::Value& white, const rt::Value& transparent,
                        const rt::Value& invert);

}  // namespace gfx
