#pragma once
// Window texts, edit-control lines, class names and string resources.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace core {

// Checked: "" for a handle that is no window or a window without text.
std::string GETWINDOWTEXT(HWND hWnd);
// Checked; a non-text value sets "". False for a handle that is no window.
bool SETWINDOWTEXT(HWND hWnd, const rt::Value& cText);
long GETWINTXTLENGHT(HWND hWnd);
// Line nLine (from 1) of a multi-line edit, at most 255 characters.
std::string MGETLINE(HWND hWnd, long nLine);
// Replaces the edit's selection with cText.
long MGETREPLACE(HWND hWnd, std::string_view cText);
std::string GETCLASSNAME(HWND hWnd);
// A string resource, at most 249 characters.
std::string LOADSTRING(HINSTANCE hInstance, UINT nId);

}  // namespace core
