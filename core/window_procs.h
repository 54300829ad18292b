#pragma once
// The window procedures the library exports for window classes and MDI
// frames.

#include <windows.h>

namespace core {

// _WndFrameProc: the frame's default processing with its first child (the
// MDI client) as the client window.
LRESULT CALLBACK WndFrameProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);
// __WndProc: the core procedure for slot 1. wParam passes whole: handles
// travel in it.
LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);
// __DbgWndProc: WndProc called through CallWindowProcA.
LRESULT CALLBACK DbgWndProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);

WNDPROC GETFRAMEPROC();
WNDPROC GETMDICHLPROC();

}  // namespace core
