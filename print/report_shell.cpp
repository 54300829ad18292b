// What the windowing side lends the report engine: printer devices, the
// stop and yes/no boxes, and the progress dialog from the preview's
// resource library, whose cancel button stops the record loop.
#include <windows.h>

#include <string>

#include "print/printer_device.h"
#include "print/rpreview_state.h"
#include "print/treport.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/resources.h"

namespace prn {

namespace {

constexpr int kPageText = 101;

struct Progress {
  HWND dialog = nullptr;
  TReport* report = nullptr;
  int shownPage = -1;
};

Progress& Current() {
  static Progress progress;
  return progress;
}

INT_PTR CALLBACK ProgressProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    if (Current().report && !Current().report->lNoCancel) Current().report->lBreak = true;
    return TRUE;
  }
  return FALSE;
}

std::string ResourceText(int id) {
  char text[512] = {};
  LoadStringA(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), static_cast<UINT>(id), text, sizeof text);
  return text;
}

bool RunInProgressDialog(TReport& report, const std::function<void()>& play) {
  const preview::LibraryResources library;
  if (!library.Loaded()) {
    svc::MSGSTOP(std::string("Prev32.dll not found"), std::string("Error"));
    return false;
  }
  const auto module = reinterpret_cast<HINSTANCE>(svc::GETRESOURCES());
  HWND dialog = CreateDialogParamA(module, report.lScreen ? "PREVIEW_PROC" : "PRINT_PROC", GetActiveWindow(),
                                   ProgressProc, 0);
  Current() = {dialog, &report, -1};
  if (dialog) {
    SetWindowTextA(dialog, report.cName.c_str());
    EnableWindow(GetDlgItem(dialog, IDCANCEL), !report.lNoCancel);
    ShowWindow(dialog, SW_SHOW);
  }
  play();
  if (dialog) DestroyWindow(dialog);
  Current() = {};
  return true;
}

void ShowProgress(TReport& report) {
  Progress& p = Current();
  if (!p.dialog || p.report != &report) return;
  if (report.nPage != p.shownPage) {
    p.shownPage = report.nPage;
    SetDlgItemTextA(p.dialog, kPageText, ("Seite " + std::to_string(report.nPage)).c_str());
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The quit belongs to the program's own loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      report.lBreak = true;
      break;
    }
    if (IsDialogMessageA(p.dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

void InstallReportShell() {
  ReportShell shell;
  shell.adopt = [](const rt::Value& device) -> std::shared_ptr<ReportDevice> {
    const auto printer = device.As<TPrinter>();
    return printer ? std::make_shared<PrinterDevice>(printer) : nullptr;
  };
  shell.printer = [](const std::string& name, bool record) -> std::shared_ptr<ReportDevice> {
    auto printer = std::make_shared<TPrinter>();
    printer->New(rt::Value(name), false, record);
    return std::make_shared<PrinterDevice>(printer);
  };
  shell.stop = [](const std::string& text, const std::string& title) { svc::MSGSTOP(text, title); };
  shell.yesNo = [](const std::string&) { return svc::MSGYESNO(ResourceText(5), ResourceText(6)); };
  shell.run = RunInProgressDialog;
  shell.progress = ShowProgress;
  SetReportShell(std::move(shell));
}

}  // namespace prn
