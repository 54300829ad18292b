// What the windowing side lends the report engine: printer devices, the
// stop and yes/no boxes, and the progress dialog from the preview's
// resource library, whose cancel button stops the record loop.
#include <windows.h>

#include <string>
#include <vector>

#include "print/printer_device.h"
#include "print/rpreview_state.h"
#include "print/treport.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/resources.h"

namespace prn {

namespace {

constexpr int kPageText = 101;

// The progress dialog of a report that plays. A report declared and run
// inside another's hook plays in a dialog of its own; the outer record
// stays, so its page number and Cancel keep working.
struct Progress {
  HWND dialog = nullptr;
  TReport* report = nullptr;
  int shownPage = -1;
};

std::vector<Progress>& Records() {
  static std::vector<Progress> records;
  return records;
}

Progress* RecordOf(const TReport& report) {
  for (Progress& p : Records())
    if (p.report == &report) return &p;
  return nullptr;
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    for (const Progress& p : Records())
      if (p.dialog == dialog && !p.report->lNoCancel) p.report->lBreak = true;
    return TRUE;
  }
  return FALSE;
}

std::string ResourceText(int id) {
  char text[512] = {};
  LoadStringA(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), static_cast<UINT>(id), text, sizeof text);
  return text;
}

// The progress dialog from the resource module for as long as it lives,
// with the window it belongs to disabled, so that nothing moves under the
// report (a grid's record, another report).
class ProgressDialog {
 public:
  explicit ProgressDialog(TReport& report) : report_(report), owner_(GetActiveWindow()) {
    const auto module = reinterpret_cast<HINSTANCE>(svc::GETRESOURCES());
    dialog_ = CreateDialogParamA(module, report.lScreen ? "PREVIEW_PROC" : "PRINT_PROC", owner_, ProgressProc, 0);
    Records().push_back({dialog_, &report, -1});
    if (dialog_) {
      SetWindowTextA(dialog_, report.cName.c_str());
      EnableWindow(GetDlgItem(dialog_, IDCANCEL), !report.lNoCancel);
      ShowWindow(dialog_, SW_SHOW);
      report.oRptWnd = rt::Value(svc::HandleNumber(dialog_));
    }
    disabled_ = owner_ && !EnableWindow(owner_, FALSE);
  }
  ~ProgressDialog() {
    // The owner comes back before the dialog goes, so that it is activated.
    if (disabled_) EnableWindow(owner_, TRUE);
    std::erase_if(Records(), [this](const Progress& p) { return p.report == &report_; });
    if (dialog_) DestroyWindow(dialog_);
    report_.oRptWnd = rt::Value();
  }
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

 private:
  TReport& report_;
  HWND owner_;
  HWND dialog_ = nullptr;
  bool disabled_ = false;
};

void RunInProgressDialog(TReport& report, const std::function<void()>& play) {
  const ProgressDialog dialog(report);
  play();
}

void ShowProgress(TReport& report) {
  Progress* p = RecordOf(report);
  if (!p || !p->dialog) return;
  if (report.nPage != p->shownPage) {
    p->shownPage = report.nPage;
    SetDlgItemTextA(p->dialog, kPageText, ("Seite " + std::to_string(report.nPage)).c_str());
  }
  const HWND dialog = p->dialog;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The quit belongs to the program's own loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      report.lBreak = true;
      break;
    }
    if (IsDialogMessageA(dialog, &msg)) continue;
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
  shell.yesNo = [] { return svc::MSGYESNO(ResourceText(5), ResourceText(6)); };
  shell.useLibrary = [](double& previous) {
    std::intptr_t module = 0;
    const bool loaded = preview::UseLibrary(module);
    previous = static_cast<double>(module);
    return loaded;
  };
  shell.restoreLibrary = [](double previous) { preview::RestoreResources(static_cast<std::intptr_t>(previous)); };
  shell.run = RunInProgressDialog;
  shell.progress = ShowProgress;
  SetReportShell(std::move(shell));
}

}  // namespace prn
