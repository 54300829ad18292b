// Loaded into the editor's process by the editor benchmark's message hook
// on the editor's thread. The hook notes when that thread takes the timed
// input message off its queue; a message-only window made on the same
// thread answers the benchmark's probes. A probe is a sent message, which
// the thread handles whenever it looks at its queue, also between paints,
// so it is answered the moment the editor comes back to its loop: then
// the queue tells whether anything is left to do.

#include "bench/win/editor_probe.h"

namespace {

UINT g_input = 0;             // the message the next measurement starts with
bool g_armed = false;         // waiting for that message
LARGE_INTEGER g_received{};   // when it was taken off the queue
HWND g_window = nullptr;

// Input, posted messages or paints still waiting in the editor's queue.
bool Busy() { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)) != 0; }

LRESULT CALLBACK ProbeProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case editor_probe::kArm:
      g_input = static_cast<UINT>(wp);
      g_received.QuadPart = 0;
      g_armed = true;
      return 1;
    case editor_probe::kIdle:
      return Busy() ? 0 : 1;
    case editor_probe::kSpan: {
      if (g_armed || g_received.QuadPart == 0 || Busy()) return -1;
      LARGE_INTEGER now{}, frequency{};
      QueryPerformanceCounter(&now);
      QueryPerformanceFrequency(&frequency);
      return static_cast<LRESULT>((now.QuadPart - g_received.QuadPart) * 1000000 / frequency.QuadPart);
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
      QueryPerformanceCounter(&g_received);
      g_armed = false;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
