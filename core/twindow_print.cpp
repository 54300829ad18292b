// Printing a window's image. The printer class sits in a later layer, so a
// printer object given as the target is reached by name: its device context
// (hDC) and its page calls (StartPage, EndPage). Without one the window
// prints on the system's default printer through plain GDI, as a one-page
// document named after its caption.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstdint>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_paint.h"
#include "services/comdlg_entry.h"
#include "services/int32.h"

namespace core {

namespace {

// The default printer's device context, asked of the print dialog without
// showing it or warning; null when there is no printer.
HDC DefaultPrinterDc() {
  auto printDlg = svc::ComDlgFunction<BOOL WINAPI(LPPRINTDLGA)>("PrintDlgA");
  if (!printDlg) return nullptr;
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;
  if (!printDlg(&pd)) return nullptr;
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return pd.hDC;
}

// Without a scale the image keeps its size on paper: a printer of 600 dots
// per inch gets about six dots per screen pixel.
int ScaleFor(HDC printer, int nScale) {
  if (nScale > 0) return nScale;
  HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return std::max(1, GetDeviceCaps(printer, LOGPIXELSX) / std::max(1, screenDpi));
}

}  // namespace

rt::Value TWindow::Print(const rt::Value& oTarget, int nRow, int nCol, int nScale) {
  if (bPrint.IsBlock()) return bPrint.Eval(Self());
  if (oTarget.IsObject()) {
    const auto dc = reinterpret_cast<HDC>(svc::ToHandle(Ask(oTarget, "hDC")));
    if (!dc) return rt::Value(false);
    Ask(oTarget, "StartPage");
    const bool printed = WNDPRINT(hWnd, dc, nRow, nCol, ScaleFor(dc, nScale));
    Ask(oTarget, "EndPage");
    return rt::Value(printed);
  }
  HDC printer = DefaultPrinterDc();
  if (!printer) return rt::Value(false);
  const std::string title = cTitle();
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.c_str();
  bool printed = false;
  if (StartDocA(printer, &doc) > 0) {
    printed = StartPage(printer) > 0 && WNDPRINT(hWnd, printer, nRow, nCol, ScaleFor(printer, nScale));
    // A page that failed is not sent: the document is dropped.
    if (printed && EndPage(printer) > 0) {
      printed = EndDoc(printer) > 0;
    } else {
      AbortDoc(printer);
      printed = false;
    }
  }
  DeleteDC(printer);
  return rt::Value(printed);
}

rt::Value TWindow::HardCopy(int nScale) { return Print({}, 0, 0, nScale); }

}  // namespace core
