#include "controls/edit_selection.h"

#include "core/tclipboard.h"
#include "core/window_text.h"
#include "services/msgbox.h"

namespace controls {

void EditSelPos(HWND hWnd, long& nStart, long& nEnd) {
  DWORD start = 0, end = 0;
  SendMessageA(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  nStart = static_cast<long>(start);
  nEnd = static_cast<long>(end);
}

std::string EditSelText(HWND hWnd) {
  long start = 0, end = 0;
  EditSelPos(hWnd, start, end);
  const std::string text = core::GETWINDOWTEXT(hWnd);
  if (end <= start || start >= static_cast<long>(text.size())) return {};
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void CopyToClipboard(const std::string& cText, const rt::Value& oOwner) {
  if (cText.empty()) return;
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New(CF_TEXT, oOwner);
  if (!clip->SetText(cText)) svc::MSGALERT("The clipboard is not available now!");
}

bool ClipboardHasText(const rt::Value& oOwner) {
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New(CF_TEXT, oOwner);
  return !clip->IsEmpty();
}

}  // namespace controls
