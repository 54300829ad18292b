#include "core/fault_report.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "runtime/callstack.h"

namespace core {

namespace {

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_NONCONTINUABLE_EXCEPTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

#if defined(__i386__)
// Called by the system's exception dispatcher while it searches for a
// handler; unwinding passes are not ours.
EXCEPTION_DISPOSITION __cdecl FrameHandler(EXCEPTION_RECORD* record, void*, CONTEXT*, void*) {
  constexpr DWORD kUnwinding = 0x2 | 0x4;  // unwinding, exit unwind
  if ((record->ExceptionFlags & kUnwinding) == 0 && IsProcessorFault(record->ExceptionCode)) {
    ReportFaultAndEnd(record->ExceptionCode);
  }
  return ExceptionContinueSearch;
}
#else
// x86_64 has no chain of registration records on the stack: its handlers are
// found through tables. One vectored handler, installed with the first
// frame, sees every fault first and reports those raised while the thread
// is inside at least one frame.
thread_local int t_frameDepth = 0;

LONG WINAPI VectoredHandler(EXCEPTION_POINTERS* info) {
  if (t_frameDepth > 0 && IsProcessorFault(info->ExceptionRecord->ExceptionCode)) {
    ReportFaultAndEnd(info->ExceptionRecord->ExceptionCode);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

void InstallVectoredHandlerOnce() {
  static const bool installed = AddVectoredExceptionHandler(1, VectoredHandler) != nullptr;
  (void)installed;
}
#endif

// The system sizes a message box to its text and cuts a longer caption;
// the report's box is widened to show its caption whole, its button kept
// in the middle.
LRESULT CALLBACK WidenBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HCBT_ACTIVATE) return CallNextHookEx(nullptr, code, wParam, lParam);
  const HWND box = reinterpret_cast<HWND>(wParam);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HDC dc = GetDC(box);
  const HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE title{};
  GetTextExtentPoint32A(dc, kFaultTitle, static_cast<int>(sizeof kFaultTitle - 1), &title);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(box, dc);
  // Room for the caption's icon, its close button and the frame.
  const int wanted = title.cx + GetSystemMetrics(SM_CXSMICON) + 2 * GetSystemMetrics(SM_CXSIZE) +
                     4 * GetSystemMetrics(SM_CXFRAME) + 16;
  RECT r{};
  GetWindowRect(box, &r);
  const int grow = wanted - (r.right - r.left);
  if (grow > 0) {
    SetWindowPos(box, nullptr, r.left - grow / 2, r.top, wanted, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char cls[16] = {};
      GetClassNameA(child, cls, sizeof cls);
      if (lstrcmpiA(cls, "Button") != 0) continue;
      RECT b{};
      GetWindowRect(child, &b);
      MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b), 2);
      SetWindowPos(child, nullptr, b.left + grow / 2, b.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::size_t FormatFaultReport(std::span<char> out) noexcept {
  if (out.empty()) return 0;
  const std::size_t limit = std::min(kFaultTextMax, out.size() - 1);
  std::size_t length = 0;
  const std::vector<rt::CallFrame>& frames = rt::CallStack();
  for (auto f = frames.rbegin(); f != frames.rend(); ++f) {
    char line[kFaultLineMax + 1];
    int n = f->className
                ? std::snprintf(line, sizeof line, "Called from %s:%s(%i)\n", f->className, f->proc, f->line)
                : std::snprintf(line, sizeof line, "Called from %s(%i)\n", f->proc ? f->proc : "", f->line);
    if (n < 0) break;
    std::size_t size = static_cast<std::size_t>(n);
    if (size > kFaultLineMax) {
      size = kFaultLineMax;
      line[size - 1] = '\n';
    }
    if (length + size > limit) break;
    std::memcpy(out.data() + length, line, size);
    length += size;
  }
  out[length] = '\0';
  return length;
}

void ReportFaultAndEnd(DWORD exceptionCode) noexcept {
  static LONG reporting = 0;
  if (InterlockedExchange(&reporting, 1) == 0) {
    static char text[kFaultTextMax + 1];
    FormatFaultReport(text);
    const HHOOK hook = SetWindowsHookExA(WH_CBT, WidenBox, nullptr, GetCurrentThreadId());
    MessageBoxA(nullptr, text, kFaultTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    if (hook) UnhookWindowsHookEx(hook);
  }
  // Ending one's own process does not return.
  TerminateProcess(GetCurrentProcess(), exceptionCode);
  __builtin_unreachable();
}

LONG WINAPI FaultFilter(EXCEPTION_POINTERS* info) {
  ReportFaultAndEnd(info->ExceptionRecord->ExceptionCode);
}

#if defined(__i386__)
FaultFrame::FaultFrame() noexcept : handler_(reinterpret_cast<void*>(&FrameHandler)) {
  asm volatile("movl %%fs:0, %0" : "=r"(next_));
  asm volatile("movl %0, %%fs:0" : : "r"(this) : "memory");
}

FaultFrame::~FaultFrame() { asm volatile("movl %0, %%fs:0" : : "r"(next_) : "memory"); }
#else
FaultFrame::FaultFrame() noexcept {
  InstallVectoredHandlerOnce();
  ++t_frameDepth;
}

FaultFrame::~FaultFrame() { --t_frameDepth; }
#endif

}  // namespace core
