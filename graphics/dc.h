#pragma once
// Thin wrappers through which windows, controls, the grid and the printer reach
// device contexts and drawing objects. Failures come back as 0 handles or
// false, never as run-time errors.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace gfx {

HDC GETDC(HWND hWnd);
bool RELEASEDC(HWND hWnd, HDC hDC);
// A string fourth argument is passed as the DEVMODE block.
HDC CREATEDC(const std::string& driver, const std::string& device, const std::string& port,
             const rt::Value& devMode = {});
bool DELETEDC(HDC hDC);
int SAVEDC(HDC hDC);
bool RESTOREDC(HDC hDC, int saved);
// Stores the PAINTSTRUCT as a string into paintStruct.
HDC BEGINPAINT(HWND hWnd, rt::Value& paintStruct);
void ENDPAINT(HWND hWnd, const rt::Value& paintStruct);
int SETMAPMODE(HDC hDC, int mode);
// Previous extent as {cx, cy}, previous origin as {x, y}.
rt::Value SETWINDOWEXT(HDC hDC, int x, int y);
rt::Value SETVIEWPORTEXT(HDC hDC, int x, int y);
rt::Value SETVIEWORG(HDC hDC, int x, int y);
int GETDEVICECAPS(HDC hDC, int index);
HGDIOBJ SELECTOBJECT(HDC hDC, HGDIOBJ object);
// Refuses 0 and handles that are no drawing object, so deleting twice is safe.
bool DELETEOBJECT(HGDIOBJ object);
HGDIOBJ GETSTOCKOBJECT(int index);
HBRUSH CREATESOLIDBRUSH(long rgb);
HBRUSH CREATEHATCHBRUSH(int style, long rgb);
HBRUSH CREATEPATTERNBRUSH(HBITMAP bitmap);
HPEN CREATEPEN(int style, int width, long rgb);
long SETTEXTCOLOR(HDC hDC, long rgb);
long SETBKCOLOR(HDC hDC, long rgb);
long GETTEXTCOLOR(HDC hDC);
long GETBKCOLOR(HDC hDC);
int SETBKMODE(HDC hDC, int mode);
unsigned SETTEXTALIGN(HDC hDC, unsigned align);
unsigned GETTEXTALIGN(HDC hDC);
int GETSYSMETRICS(int index);
HWND GETDESKTOPWINDOW();
unsigned SETHANDLECOUNT(unsigned handles);

}  // namespace gfx
