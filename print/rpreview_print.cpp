// Printing from the preview: all pages, the current one or a range, chosen
// in the resource library's dialog "PRINT".
#include <windows.h>

#include <algorithm>
#include <string>

#include "graphics/cursors.h"
#include "print/job_messages.h"
#include "print/print_settings.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/resources.h"

namespace prn {

using namespace preview;

namespace {

enum Control : int { kPrint = 101, kClose = 102, kAll = 103, kCurrent = 104, kRange = 105, kFrom = 106, kTo = 107 };
// The fields' picture "@K 99999": five digits.
constexpr int kDigits = 5;

// Each page file on a printer page of its own; a file that cannot be
// read prints no page. False when the printer refuses the page.
bool PlayPage(HDC hDC, int page) {
  const HMETAFILE meta = GetMetaFileA(PageFile(page).c_str());
  if (!meta) return true;
  const bool started = STARTPAGE(hDC) > 0;
  if (started) {
    PlayMetaFile(hDC, meta);
    ENDPAGE(hDC);
  }
  DeleteMetaFile(meta);
  return started;
}

// The pages of the chosen option, until the printer refuses one: then the
// job is abandoned. Answers what the user is to be told, empty when the
// job went out.
std::string PlayPages(HDC hDC, int first, int last) {
  for (int page = first; page <= last; ++page) {
    if (!PlayPage(hDC, page)) {
      AbortDoc(hDC);
      return PageNotStarted(page);
    }
  }
  return PRNENDDOC(hDC) > 0 ? std::string() : std::string(kJobNotFinished);
}

int Field(HWND dialog, int id) {
  BOOL ok = FALSE;
  const UINT n = GetDlgItemInt(dialog, id, &ok, FALSE);
  return ok ? static_cast<int>(n) : 0;
}

void EnableRange(HWND dialog, bool on) {
  EnableWindow(GetDlgItem(dialog, kFrom), on);
  EnableWindow(GetDlgItem(dialog, kTo), on);
}

// The range's fields are valid when "from" lies in 1 .. to and "to" in
// from .. the page count; the first refused value gets a beep and the
// focus.
bool RangeValid(HWND dialog) {
  const int from = Field(dialog, kFrom), to = Field(dialog, kTo);
  const int refused = from < 1 || from > to ? kFrom : to > PageCount() ? kTo : 0;
  if (!refused) return true;
  svc::MSGBEEP();
  SetFocus(GetDlgItem(dialog, refused));
  return false;
}

INT_PTR CALLBACK PrintDialog(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, kAll, kRange, kAll);
      SetDlgItemInt(dialog, kFrom, 1, FALSE);
      SetDlgItemInt(dialog, kTo, static_cast<UINT>(PageCount()), FALSE);
      for (const int id : {kFrom, kTo}) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kDigits, 0);
      EnableRange(dialog, false);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kAll:
        case kCurrent:
        case kRange:
          EnableRange(dialog, IsDlgButtonChecked(dialog, kRange) == BST_CHECKED);
          return TRUE;
        case kPrint: {
          const int option = IsDlgButtonChecked(dialog, kRange) == BST_CHECKED     ? 3
                             : IsDlgButtonChecked(dialog, kCurrent) == BST_CHECKED ? 2
                                                                                   : 1;
          if (option == 3 && !RangeValid(dialog)) return TRUE;
          PRINTPRV(rt::Value(svc::HandleNumber(dialog)), option, Field(dialog, kFrom), Field(dialog, kTo));
          return TRUE;
        }
        case kClose:
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
        default: return FALSE;
      }
    default: return FALSE;
  }
}

}  // namespace

void PRINTPAGE() {
  State& s = Current();
  if (!s.window || !s.device) return;
  if (PageCount() == 1) {
    PRINTPRV({}, 1);
    return;
  }
  const LibraryResources library;
  if (!library.Loaded()) return;
  DialogBoxParamA(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), "PRINT", s.window->hWnd, PrintDialog, 0);
}

void PRINTPRV(const rt::Value& oDlg, int nOption, int nFrom, int nTo) {
  const State& s = Current();
  if (!s.device || !s.device->hDC) return;
  const HDC hDC = s.device->hDC;
  gfx::CURSORWAIT();
  std::string refused = kJobNotStarted;
  if (PRNSTARTDOC(hDC, rt::Value(s.device->cDocument)) > 0) {
    switch (nOption) {
      case 1: refused = PlayPages(hDC, 1, PageCount()); break;
      case 2: refused = PlayPages(hDC, s.page, s.page); break;
      case 3: refused = PlayPages(hDC, std::max(nFrom, 1), std::min(nTo, PageCount())); break;
      default: refused = PlayPages(hDC, 1, 0); break;
    }
  }
  gfx::CURSORARROW();
  if (!refused.empty()) svc::MSGALERT(refused, std::string(kPrinterErrorTitle));
  if (oDlg.IsNumber()) EndDialog(svc::HandleOf<HWND>(svc::ToHandle(oDlg)), 0);
}

}  // namespace prn
