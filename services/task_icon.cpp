#include "services/task_icon.h"

#include <algorithm>
#include <string>

#include "services/calldll.h"
#include "services/declared.h"
#include "services/int32.h"

namespace svc {
namespace {

constexpr int kTipBytes = 64;
constexpr long kAdd = 0, kModify = 1, kDelete = 2;
constexpr long kFlagMessage = 1, kFlagIcon = 2, kFlagTip = 4;

bool Notify(long message, const std::shared_ptr<TStruct>& record) {
  return record && SHELL_NOTIFYICON(message, record->cBuffer).AsLogical();
}

void Set(TStruct& s, std::string_view name, const rt::Value& v) { s.SetMember(s.MemberIndex(name), v); }

}  // namespace

std::shared_ptr<TStruct> TASKADDICON(HWND hWnd, HICON hIcon, std::string_view cToolTip) {
  // The shell's notification-icon record: handles take a pointer's width
  // and start on its boundary, so the 64-bit record has two gaps that the
  // 32-bit one (88 bytes) lacks.
  constexpr int kGap = static_cast<int>(sizeof(void*)) - 4;
  auto r = std::make_shared<TStruct>();
  r->New().AddMember("nSize", DLL_DWORD);
  if (kGap) r->AddMember("nGap1", DLL_STRING, kGap);
  r->AddMember("hWnd", DLL_HANDLE).AddMember("nId", DLL_DWORD).AddMember("nFlags", DLL_DWORD).AddMember("nCallMsg", DLL_DWORD);
  if (kGap) r->AddMember("nGap2", DLL_STRING, kGap);
  r->AddMember("hIcon", DLL_HANDLE).AddMember("cToolTip", DLL_STRING, kTipBytes);
  Set(*r, "nSize", r->SizeOf());
  Set(*r, "hWnd", HandleNumber(hWnd));
  Set(*r, "nId", 1);
  Set(*r, "nFlags", kFlagMessage | kFlagIcon | kFlagTip);
  Set(*r, "nCallMsg", static_cast<long>(WM_TASKBAR_ICON));
  Set(*r, "hIcon", HandleNumber(hIcon));
  // The shell reads the tip up to its first zero byte, so the text ends
  // with one within the field.
  std::string tip(cToolTip.substr(0, kTipBytes - 1));
  tip.resize(kTipBytes, '\0');
  Set(*r, "cToolTip", tip);
  Notify(kAdd, r);
  return r;
}

std::shared_ptr<TStruct> TASKCHANGEICON(const std::shared_ptr<TStruct>& oRecord, HICON hIcon) {
  if (!oRecord) return oRecord;
  Set(*oRecord, "nFlags", kFlagIcon);
  Set(*oRecord, "hIcon", HandleNumber(hIcon));
  Notify(kModify, oRecord);
  return oRecord;
}

bool TASKDELICON(const std::shared_ptr<TStruct>& oRecord) { return Notify(kDelete, oRecord); }

rt::Value GETTASKS() {
  rt::Value titles = rt::Value::Array();
  HWND start = GetActiveWindow();
  HWND w = start ? GetWindow(start, GW_HWNDFIRST) : GetTopWindow(nullptr);
  for (; w; w = GetWindow(w, GW_HWNDNEXT)) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    std::string title = text;
    auto& items = titles.Items();
    if (!title.empty() && std::find(items.begin(), items.end(), rt::Value(title)) == items.end())
      items.push_back(title);
  }
  return titles;
}

}  // namespace svc
