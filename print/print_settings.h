#pragma once
// The process's printer choice and device settings, kept in one print-dialog
// record filled lazily with the default printer, and the printer functions
// over it. GUI thread only. Without an installed printer the record has no
// device blocks: the DC functions answer 0, the setters do nothing and the
// getters answer 0 or "".

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace prn {

// Marks the record for re-reading; its device blocks are freed.
void PRINTERINIT();
// The print dialog (owner hWnd); the new DC, null when cancelled.
HDC GETPRINTDC(HWND hWnd);
// The print-setup dialog (owner hWnd, the active window when not given);
// the record's DC on confirmation, else null.
HDC PRINTERSETUP(const rt::Value& hWnd = {});
// A DC for the record's printer with its device mode; null without one.
HDC GETPRINTDEFAULT();

// STARTDOC, ENDDOC and DRAFTMODE carry a PRN prefix in C++: the Windows
// headers take those names as escape numbers.
// A document named cDocName cut to 31 characters ("" when not text), into
// the file cOutput when that is text.
int PRNSTARTDOC(HDC hDC, const rt::Value& cDocName, const rt::Value& cOutput = {});
int PRNENDDOC(HDC hDC);
int STARTPAGE(HDC hDC);
int ENDPAGE(HDC hDC);
// Resets the DC to the record's device mode.
bool RESETDC(HDC hDC);
// {x, y} of the printable area's offset and {width, height} of the page, in
// device pixels.
rt::Value PRNOFFSET(HDC hDC);
rt::Value PRNGETSIZE(HDC hDC);

bool PRNLANDSCAPE();
bool PRNPORTRAIT();
int PRNGETORIENTATION();
// User paper size, width and length in tenths of a millimetre.
void PRNSETSIZE(int nWidth, int nLength);
// PRNSETCOPIES(n) or PRNSETCOPIES(hDC, n).
void PRNSETCOPIES(rt::Args args);
int PRNGETCOPIES();
void PRNSETPAGE(int nPaper);
int PRNGETPAGE();
// The paper source before the call; sets nBin when given.
int PRNBINSOURCE(const rt::Value& nBin = {});
void PRNDRAFTMODE(bool lOn);
int PRNGETQUALITY();
std::string PRNGETNAME();
std::string PRNGETDRIVE();
std::string PRNGETPORT();

// Sends the file's bytes to the printer through the pass-through escape;
// .F. when the driver has none or the file cannot be read.
bool IMPORTRAWFILE(HDC hDC, const std::string& cFile);

// Loads the named printer into the record (its device mode from the driver,
// its names from the spooler) without touching the system's default;
// .F. when there is no such printer.
bool SelectPrinter(const std::string& cName);

}  // namespace prn
