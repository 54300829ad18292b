#pragma once
// The optional visual-styles library, loaded by name once per process, and
// what the painters ask of it. Without the library or one of its functions
// nothing is themed and nothing themed is drawn.

#include <windows.h>

namespace gfx {

struct UxTheme {
  using Theme = HANDLE;
  bool attempted = false;
  int loadAttempts = 0;
  HMODULE library = nullptr;
  BOOL(WINAPI* IsAppThemed)() = nullptr;
  Theme(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(Theme, HDC, int, int, const RECT*, const RECT*) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackground)(HWND, HDC, const RECT*) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(Theme) = nullptr;
  HRESULT(WINAPI* DrawThemeText)(Theme, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*) = nullptr;
  HRESULT(WINAPI* GetThemeBackgroundContentRect)(Theme, HDC, int, int, const RECT*, RECT*) = nullptr;
  HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
  HRESULT(WINAPI* EnableThemeDialogTexture)(HWND, DWORD) = nullptr;
};

// Loads the library on the first call; later calls give the same state.
const UxTheme& UXTHEME();

// True when visual styles are in force for this program: the library says
// so and the program carries a manifest (the resource module's or its own).
// Decided on the first call and kept.
bool ISAPPTHEMED();

// Themed: draws the parent's background into the control's client area and
// returns the library's answer; else 0 and nothing is drawn.
long DRAWPBACK(HWND hWnd, HDC hDC);

// Prepares a control's DC for painting on a themed parent: a static gets a
// transparent background, a check box or radio button the parent's pixels
// behind it. Returns the brush to paint the background with: hollow, or
// white for a group box.
HBRUSH DRAWTHEMED(HWND hWnd, HDC hDC);

// The themed size grip in the right-most 20 pixels of the client area.
void DrawThemedSizeGrip(HWND hWnd, HDC hDC);
// The themed gripper of a bar: along the left edge of a bar wider than high,
// along the top edge of any other.
void DrawThemedGripper(HWND hWnd, HDC hDC);

}  // namespace gfx
