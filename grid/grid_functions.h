#pragma once
// The grid's native functions in the registry of public functions, so that
// they can be called by name with positional parameters: a missing or
// wrongly typed number reads as 0, a logical as .F.

namespace grid {

// TGDRAWCELL, TGBRWSCROLL, NTGBROW, NSBROWS, ATGBRWPOSRECT, SBGETHEIGHT,
// SBMPHEIGHT, DARKCOLOR, GETFONTHEIGHT, DATESEEK, LOADMSG, PROPER, MSGBLINK
// and the scroll functions SETSCROLLRANGE, SETSCROLLPOS, GETSCROLLRANGE,
// GETSCROLLPOS and SETSCROLLINFO, whose scroll-info forms replace the plain
// ones in the programs that link the grid. Runs at the start of every
// program that links the grid library (which is linked whole); safe to call
// again.
void RegisterGridFunctions();

}  // namespace grid
