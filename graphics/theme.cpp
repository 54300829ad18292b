#include "graphics/theme.h"

#include "services/int32.h"
#include "services/resources.h"

namespace gfx {

namespace {

template <class Fn>
void Bind(HMODULE library, const char* name, Fn& entry) {
  entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

UxTheme& State() {
  static UxTheme state;
  if (!state.attempted) {
    state.attempted = true;
    ++state.loadAttempts;
    state.library = LoadLibraryA("UXTHEME.DLL");
    if (HMODULE lib = state.library) {
      Bind(lib, "IsAppThemed", state.IsAppThemed);
      Bind(lib, "OpenThemeData", state.OpenThemeData);
      Bind(lib, "DrawThemeBackground", state.DrawThemeBackground);
      Bind(lib, "DrawThemeParentBackground", state.DrawThemeParentBackground);
      Bind(lib, "CloseThemeData", state.CloseThemeData);
      Bind(lib, "DrawThemeText", state.DrawThemeText);
      Bind(lib, "GetThemeBackgroundContentRect", state.GetThemeBackgroundContentRect);
      Bind(lib, "SetWindowTheme", state.SetWindowTheme);
      Bind(lib, "EnableThemeDialogTexture", state.EnableThemeDialogTexture);
    }
  }
  return state;
}

constexpr WORD kManifestType = 24;
constexpr WORD kManifestId = 1;

bool HasManifest(HMODULE module) {
  return module && FindResourceA(module, MAKEINTRESOURCEA(kManifestId), MAKEINTRESOURCEA(kManifestType));
}

bool ClassIs(HWND hWnd, const char* name) {
  char cls[32] = {};
  GetClassNameA(hWnd, cls, sizeof cls);
  return lstrcmpiA(cls, name) == 0;
}

void DrawPart(HWND hWnd, HDC hDC, const wchar_t* themeClass, int part, const RECT& rect) {
  const UxTheme& ux = State();
  if (!ux.OpenThemeData || !ux.DrawThemeBackground || !ux.CloseThemeData) return;
  UxTheme::Theme theme = ux.OpenThemeData(hWnd, themeClass);
  if (!theme) return;
  ux.DrawThemeBackground(theme, hDC, part, 0, &rect, nullptr);
  ux.CloseThemeData(theme);
}

constexpr LONG kGroupBox = 7;

}  // namespace

const UxTheme& UXTHEME() { return State(); }

bool ISAPPTHEMED() {
  static const bool themed = [] {
    const UxTheme& ux = State();
    if (!ux.IsAppThemed) return false;
    const bool manifest = HasManifest(svc::HandleOf<HMODULE>(svc::GETRESOURCES())) ||
                          HasManifest(GetModuleHandleA(nullptr));
    return manifest && ux.IsAppThemed();
  }();
  return themed;
}

long DRAWPBACK(HWND hWnd, HDC hDC) {
  if (!ISAPPTHEMED() || !State().DrawThemeParentBackground) return 0;
  RECT client{};
  GetClientRect(hWnd, &client);
  return State().DrawThemeParentBackground(hWnd, hDC, &client);
}

HBRUSH DRAWTHEMED(HWND hWnd, HDC hDC) {
  HWND parent = GetParent(hWnd);
  HWND grandParent = parent ? GetParent(parent) : nullptr;
  HWND source = grandParent ? grandParent : parent;
  const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
  const bool button = ClassIs(hWnd, "Button");
  const bool groupBox = button && (style & 7) == kGroupBox;

  if (ClassIs(hWnd, "Static")) SetBkMode(hDC, TRANSPARENT);
  if (button && !groupBox && (style & 1) && source) {
    POINT origin{0, 0};
    MapWindowPoints(hWnd, source, &origin, 1);
    RECT client{};
    GetClientRect(hWnd, &client);
    HDC sourceDC = GetDC(source);
    BitBlt(hDC, 0, 0, client.right, client.bottom, sourceDC, origin.x, origin.y, SRCCOPY);
    ReleaseDC(source, sourceDC);
  }
  return static_cast<HBRUSH>(GetStockObject(groupBox ? WHITE_BRUSH : NULL_BRUSH));
}

void DrawThemedSizeGrip(HWND hWnd, HDC hDC) {
  RECT rc{};
  GetClientRect(hWnd, &rc);
  rc.left = rc.right - 20;
  rc.bottom -= 1;
  DrawPart(hWnd, hDC, L"Status", 3, rc);
}

void DrawThemedGripper(HWND hWnd, HDC hDC) {
  RECT rc{};
  GetClientRect(hWnd, &rc);
  if (rc.right - rc.left > rc.bottom - rc.top) {
    DrawPart(hWnd, hDC, L"Rebar", 2, {rc.left, rc.top + 2, rc.left + 10, rc.bottom - 2});
  } else {
    DrawPart(hWnd, hDC, L"Rebar", 1, {rc.left + 2, rc.top, rc.right - 3, rc.top + 10});
  }
}

}  // namespace gfx
