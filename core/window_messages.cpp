#include "core/window_messages.h"

#include <string>

#include "services/int32.h"

namespace core {
namespace {

// -1 as the class layer writes "every top-level window".
const HWND kAllTopLevel = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

// The text stays alive for the whole call.
struct LParam {
  explicit LParam(const rt::Value& v) : text(v.IsString() ? v.AsString() : std::string()), isText(v.IsString()) {
    value = isText ? reinterpret_cast<LPARAM>(text.c_str()) : svc::ToHandle(v);
  }
  std::string text;
  bool isText;
  LPARAM value = 0;
};

}  // namespace

long SENDMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const rt::Value& nLParam) {
  if (hWnd == kAllTopLevel) hWnd = HWND_BROADCAST;
  else if (!IsWindow(hWnd)) return 0;
  LParam lp(nLParam);
  return static_cast<long>(SendMessageA(hWnd, nMsg, nWParam, lp.value));
}

bool POSTMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const rt::Value& nLParam) {
  if (!IsWindow(hWnd)) return false;
  // A posted text would be read after this call: only numbers travel.
  return PostMessageA(hWnd, nMsg, nWParam, nLParam.IsString() ? 0 : svc::ToHandle(nLParam)) != 0;
}

long DEFWINDOWPROC(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return static_cast<long>(DefWindowProcA(hWnd, nMsg, nWParam, nLParam));
}

long CALLWINDOWPROC(WNDPROC nProc, HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (!nProc) return 0;
  return static_cast<long>(CallWindowProcA(nProc, hWnd, nMsg, nWParam, nLParam));
}

long GETNMHDRCODE(LPARAM pNmHdr) {
  const auto* h = reinterpret_cast<const NMHDR*>(pNmHdr);
  return h ? static_cast<long>(h->code) : 0;
}

HWND GETNMHDRHWNDFROM(LPARAM pNmHdr) {
  const auto* h = reinterpret_cast<const NMHDR*>(pNmHdr);
  return h ? h->hwndFrom : nullptr;
}

}  // namespace core
