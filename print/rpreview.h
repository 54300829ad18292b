#pragma once
// The print preview: the pages a recording printer made, shown one or two
// side by side, zoomed and scrolled, paged through and printed, in a
// maximised window with a button bar, a menu and a message bar. Pictures,
// cursor, texts and the print dialog come from Prev32.dll. One preview at a
// time; closing it ends the printer and its page files.

#include "runtime/value.h"

namespace prn {

// Opens the preview of oDevice (a printer object); waits for it to close
// when the printer asks for a modal preview and the program has a main
// window. Returns NIL.
rt::Value RPREVIEW(const rt::Value& oDevice);

// The actions of the open preview; each does nothing without one.
void TOPPAGE();
void PREVPAGE();
void NEXTPAGE();
void BOTTOMPAGE();
void ZOOM(bool lMenu = false);
void TWOPAGES(bool lMenu = false);
// Without a factor: the first call, which numbers the factor items.
void SETFACTOR(const rt::Value& nFactor = {});
void PRINTPAGE();
// nOption 1: all pages, 2: the current page, 3: pages nFrom to nTo; closes
// oDlg (a dialog handle as a number) when given.
void PRINTPRV(const rt::Value& oDlg, int nOption, int nFrom = 1, int nTo = 1);
// nType 0: thumb at nPos, 1: back, 2: forward; lPage a page step.
void VSCROLL(int nType, bool lPage = false, const rt::Value& nPos = {});
void HSCROLL(int nType, bool lPage = false, const rt::Value& nPos = {});
void SETORG1(int nX, int nY);
void SETORG2(int nX, int nY);
void CHECKKEY(int nKey, int nFlags = 0);
void PAINTMETA();

// Enters RPREVIEW in the registry of public functions.
void RegisterPreview();

}  // namespace prn
