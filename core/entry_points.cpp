#include "core/entry_points.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/core_proc.h"

namespace core {

namespace {

// A compile-time table of real functions rather than machine code patched
// into executable memory: nothing is written at run time, no page is ever
// writable and executable, and each entry is an ordinary function that
// debuggers and unwinders understand.
template <int N>
LRESULT CALLBACK SlotEntry(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return CoreProc(hWnd, nMsg, nWParam, nLParam, N);
}

template <int... I>
constexpr std::array<WNDPROC, sizeof...(I)> MakeEntries(std::integer_sequence<int, I...>) {
  return {{&SlotEntry<I + 1>...}};
}

constexpr std::array<WNDPROC, kWindowSlots> kEntries =
    MakeEntries(std::make_integer_sequence<int, kWindowSlots>());

}  // namespace

WNDPROC SlotEntryPoint(int nSlot) {
  if (nSlot < 1 || nSlot > kWindowSlots) return nullptr;
  return kEntries[static_cast<std::size_t>(nSlot) - 1];
}

WNDPROC XCHANGEPROC(HWND hWnd, int nSlot) {
  if (nSlot > kWindowSlots) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "Fenster Nr. %d hat keine Einsprungadresse (h\xF6" "chstens %d Fenster).", nSlot,
                  kWindowSlots);
    MessageBoxA(nullptr, text, "wAt > 3000", MB_OK);
    return nullptr;
  }
  WNDPROC entry = SlotEntryPoint(nSlot);
  if (!entry) return nullptr;
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry)));
}

WNDPROC RESTPROC(HWND hWnd, WNDPROC nOldProc) {
  if (!nOldProc) return nullptr;
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nOldProc)));
}

void XFREEPROC(WNDPROC) {}

}  // namespace core
