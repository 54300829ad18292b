#include "graphics/dc.h"

#include <cstddef>
#include <cstring>

#include "graphics/handle_track.h"

namespace gfx {
namespace {

rt::Value Pair(long a, long b) { return rt::Value::Array({a, b}); }

}  // namespace

HDC GETDC(HWND hWnd) { return GetDC(hWnd); }

bool RELEASEDC(HWND hWnd, HDC hDC) { return ReleaseDC(hWnd, hDC) != 0; }

HDC CREATEDC(const std::string& driver, const std::string& device, const std::string& port,
             const rt::Value& devMode) {
  // The DEVMODE block is only read; a block shorter than its own size field
  // claims would make the driver read past it, so such a block is dropped.
  const DEVMODEA* mode = nullptr;
  if (devMode.IsString()) {
    const std::string& block = devMode.AsString();
    WORD size = 0;
    WORD driverExtra = 0;
    if (block.size() >= offsetof(DEVMODEA, dmFields)) {
      std::memcpy(&size, block.data() + offsetof(DEVMODEA, dmSize), sizeof size);
      std::memcpy(&driverExtra, block.data() + offsetof(DEVMODEA, dmDriverExtra), sizeof driverExtra);
      if (block.size() >= std::size_t{size} + driverExtra) mode = reinterpret_cast<const DEVMODEA*>(block.data());
    }
  }
  return CreateDCA(driver.empty() ? nullptr : driver.c_str(), device.empty() ? nullptr : device.c_str(),
                   port.empty() ? nullptr : port.c_str(), mode);
}

bool DELETEDC(HDC hDC) { return DeleteDC(hDC) != 0; }

int SAVEDC(HDC hDC) { return SaveDC(hDC); }

bool RESTOREDC(HDC hDC, int saved) { return RestoreDC(hDC, saved) != 0; }

HDC BEGINPAINT(HWND hWnd, rt::Value& paintStruct) {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hWnd, &ps);
  paintStruct = rt::Value(std::string(reinterpret_cast<const char*>(&ps), sizeof ps));
  return dc;
}

void ENDPAINT(HWND hWnd, const rt::Value& paintStruct) {
  PAINTSTRUCT ps{};
  const std::string& block = paintStruct.AsString();
  if (block.size() >= sizeof ps) std::memcpy(&ps, block.data(), sizeof ps);
  EndPaint(hWnd, &ps);
}

int SETMAPMODE(HDC hDC, int mode) { return SetMapMode(hDC, mode); }

rt::Value SETWINDOWEXT(HDC hDC, int x, int y) {
  SIZE old{};
  SetWindowExtEx(hDC, x, y, &old);
  return Pair(old.cx, old.cy);
}

rt::Value SETVIEWPORTEXT(HDC hDC, int x, int y) {
  SIZE old{};
  SetViewportExtEx(hDC, x, y, &old);
  return Pair(old.cx, old.cy);
}

rt::Value SETVIEWORG(HDC hDC, int x, int y) {
  POINT old{};
  SetViewportOrgEx(hDC, x, y, &old);
  return Pair(old.x, old.y);
}

int GETDEVICECAPS(HDC hDC, int index) { return GetDeviceCaps(hDC, index); }

HGDIOBJ SELECTOBJECT(HDC hDC, HGDIOBJ object) { return SelectObject(hDC, object); }

bool DELETEOBJECT(HGDIOBJ object) {
  if (!object) return false;
  svc::UntrackHandle(object);
  if (GetObjectType(object) == 0) return false;
  return DeleteObject(object) != 0;
}

HGDIOBJ GETSTOCKOBJECT(int index) { return GetStockObject(index); }

HBRUSH CREATESOLIDBRUSH(long rgb) { return Tracked(CreateSolidBrush(static_cast<COLORREF>(rgb)), "BRUSH"); }

HBRUSH CREATEHATCHBRUSH(int style, long rgb) {
  return Tracked(CreateHatchBrush(style, static_cast<COLORREF>(rgb)), "BRUSH");
}

HBRUSH CREATEPATTERNBRUSH(HBITMAP bitmap) { return Tracked(CreatePatternBrush(bitmap), "BRUSH"); }

HPEN CREATEPEN(int style, int width, long rgb) { return CreatePen(style, width, static_cast<COLORREF>(rgb)); }

long SETTEXTCOLOR(HDC hDC, long rgb) { return static_cast<long>(SetTextColor(hDC, static_cast<COLORREF>(rgb))); }

long SETBKCOLOR(HDC hDC, long rgb) { return static_cast<long>(SetBkColor(hDC, static_cast<COLORREF>(rgb))); }

long GETTEXTCOLOR(HDC hDC) { return static_cast<long>(GetTextColor(hDC)); }

long GETBKCOLOR(HDC hDC) { return static_cast<long>(GetBkColor(hDC)); }

int SETBKMODE(HDC hDC, int mode) { return SetBkMode(hDC, mode); }

unsigned SETTEXTALIGN(HDC hDC, unsigned align) { return SetTextAlign(hDC, align); }

unsigned GETTEXTALIGN(HDC hDC) { return GetTextAlign(hDC); }

int GETSYSMETRICS(int index) { return GetSystemMetrics(index); }

HWND GETDESKTOPWINDOW() { return GetDesktopWindow(); }

unsigned SETHANDLECOUNT(unsigned handles) { return SetHandleCount(handles); }

}  // namespace gfx
