#include "core/window_procs.h"

#include "core/core_proc.h"

namespace core {

LRESULT CALLBACK WndFrameProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return DefFrameProcA(hWnd, GetWindow(hWnd, GW_CHILD), nMsg, nWParam, nLParam);
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return CoreProc(hWnd, nMsg & 0xFFFF, nWParam, nLParam, 1);
}

LRESULT CALLBACK DbgWndProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return CallWindowProcA(WndProc, hWnd, nMsg & 0xFFFF, nWParam, nLParam);
}

WNDPROC GETFRAMEPROC() { return WndFrameProc; }

WNDPROC GETMDICHLPROC() { return DefMDIChildProcA; }

}  // namespace core
