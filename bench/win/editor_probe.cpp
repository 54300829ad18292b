// Loaded into the editor's process by the editor benchmark's message hooks
// on the editor's thread. The hook on taken messages notes when that thread
// takes the timed input message off its queue; a message-only window made
// on the same thread answers the benchmark's probes. A probe is a sent
// message, which the thread handles whenever it looks at its queue, also
// between paints, so it is answered the moment the editor comes back to
// its loop: then the queue tells whether anything is left to do. Traced,
// every message taken or sent during the span is noted with its time, and
// a sent one with its time in the window procedure, so that the slow
// handlers show.

#include "bench/win/editor_probe.h"

#include <cstdio>
#include <vector>

namespace {

struct Noted {
  LONGLONG at;
  UINT msg;
  HWND window;
  char kind;  // 'T' taken off the queue, 'S' sent, 'D' a sent one done
  int depth;
};

UINT g_input = 0;             // the message the next measurement starts with
bool g_armed = false;         // waiting for that message
bool g_tracing = false;
int g_depth = 0;
LARGE_INTEGER g_received{};   // when it was taken off the queue
HWND g_window = nullptr;
std::vector<Noted> g_trace;

LONGLONG Now() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double Ms(LONGLONG ticks) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Input, posted messages or paints still waiting in the editor's queue.
bool Busy() { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)) != 0; }

void Note(char kind, UINT msg, HWND window) {
  if (g_tracing && g_received.QuadPart != 0 && window != g_window) g_trace.push_back({Now(), msg, window, kind, g_depth});
}

void WriteTrace() {
  FILE* f = std::fopen(editor_probe::kTraceFile, "w");
  if (!f) return;
  std::vector<LONGLONG> started;
  for (const Noted& n : g_trace) {
    char cls[64] = "-";
    if (n.window) GetClassNameA(n.window, cls, sizeof cls);
    std::fprintf(f, "%9.3f %*s%c 0x%04X %s", Ms(n.at - g_received.QuadPart), n.depth * 2, "", n.kind, n.msg, cls);
    if (n.kind == 'S') started.push_back(n.at);
    if (n.kind == 'D' && !started.empty()) {
      std::fprintf(f, "  %.3f ms", Ms(n.at - started.back()));
      started.pop_back();
    }
    std::fputc('\n', f);
  }
  std::fclose(f);
  g_trace.clear();
}

LRESULT CALLBACK ProbeProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case editor_probe::kArm:
      g_input = static_cast<UINT>(wp);
      g_tracing = lp == 1;
      g_trace.clear();
      g_received.QuadPart = 0;
      g_armed = true;
      return 1;
    case editor_probe::kIdle:
      return Busy() ? 0 : 1;
    case editor_probe::kSpan: {
      if (g_armed || g_received.QuadPart == 0 || Busy()) return -1;
      const LONGLONG now = Now();
      if (g_tracing) WriteTrace();
      g_tracing = false;
      return static_cast<LRESULT>(Ms(now - g_received.QuadPart) * 1000.0);
    }
    default:
      return DefWindowProcA(h, msg, wp, lp);
  }
}

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ProbeProc), &module);
  return module;
}

void MakeWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = ThisModule();
  wc.lpszClassName = editor_probe::kClass;
  RegisterClassA(&wc);
  g_window = CreateWindowExA(0, editor_probe::kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK EditorProbeHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    if (!g_window) MakeWindow();
    const auto* m = reinterpret_cast<const MSG*>(lp);
    if (g_armed && m->message == g_input) {
      g_received.QuadPart = Now();
      g_armed = false;
    }
    if (wp == PM_REMOVE) Note('T', m->message, m->hwnd);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK EditorProbeSent(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    Note('S', m->message, m->hwnd);
    if (m->hwnd != g_window) ++g_depth;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK EditorProbeSentDone(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (m->hwnd != g_window && g_depth > 0) --g_depth;
    Note('D', m->message, m->hwnd);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
