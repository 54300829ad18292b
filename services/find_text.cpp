#include "services/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "services/comdlg_entry.h"

namespace svc {
namespace {

// The one find record of the program and the text it edits; both outlive
// the call, as the modeless dialog keeps writing into them.
struct FindState {
  FINDREPLACEA record{};
  char text[256] = {};
  HWND dialog = nullptr;
};

FindState& State() {
  static FindState state;
  return state;
}

}  // namespace

HWND FINDTEXT(std::string_view cFindWhat, HWND hWndOwner, rt::Value& nMsg) {
  nMsg = static_cast<long>(RegisterWindowMessageA(FINDMSGSTRINGA));
  FindState& s = State();
  if (s.dialog && IsWindow(s.dialog)) {
    SetFocus(s.dialog);
    return s.dialog;
  }
  auto find = ComDlgFunction<HWND WINAPI(LPFINDREPLACEA)>("FindTextA");
  if (!find) return nullptr;
  std::size_t n = std::min(cFindWhat.size(), sizeof s.text - 1);
  std::memcpy(s.text, cFindWhat.data(), n);
  s.text[n] = '\0';
  s.record = FINDREPLACEA{};
  s.record.lStructSize = sizeof s.record;
  s.record.hwndOwner = hWndOwner && IsWindow(hWndOwner) ? hWndOwner : GetActiveWindow();
  s.record.lpstrFindWhat = s.text;
  s.record.wFindWhatLen = sizeof s.text;
  s.dialog = find(&s.record);
  return s.dialog;
}

std::string FindTextBuffer() { return State().text; }

}  // namespace svc
