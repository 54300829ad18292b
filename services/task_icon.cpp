#include "services/task_icon.h"

#include <algorithm>
#include <string>

#include "services/calldll.h"
#include "services/declared.h"
#include "services/int32.h"

namespace svc {
namespace {

constexpr int kTipBytes = 64;

std::function<bool(long, const std::string&)>& Seam() {
  static std::function<bool(long, const std::string&)> seam;
  return seam;
}

void Set(TStruct& s, std::string_view name, const rt::Value& v) { s.SetMember(s.MemberIndex(name), v); }

}  // namespace

std::shared_ptr<TStruct> TrayRecord(HWND hWnd, HICON hIcon, long nFlags, std::string_view cToolTip, char pad) {
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
  Set(*r, "nFlags", nFlags);
  Set(*r, "nCallMsg", static_cast<long>(WM_TASKBAR_ICON));
  Set(*r, "hIcon", HandleNumber(hIcon));
  // The shell reads the tip up to its first zero byte, so the text ends
  // with one within the field.
  std::string tip(cToolTip.substr(0, kTipBytes - 1));
  tip += '\0';
  tip.resize(kTipBytes, pad);
  Set(*r, "cToolTip", tip);
  return r;
}

bool TrayNotify(long nMessage, const std::shared_ptr<TStruct>& oRecord) {
  if (!oRecord) return false;
  if (Seam()) return Seam()(nMessage, oRecord->cBuffer);
  return SHELL_NOTIFYICON(nMessage, oRecord->cBuffer).AsLogical();
}

void SetTrayNotifySeam(std::function<bool(long, const std::string&)> seam) { Seam() = std::move(seam); }

std::shared_ptr<TStruct> TASKADDICON(HWND hWnd, HICON hIcon, std::string_view cToolTip) {
  auto r = TrayRecord(hWnd, hIcon, kTrayFlagMessage | kTrayFlagIcon | kTrayFlagTip, cToolTip);
  TrayNotify(kTrayAdd, r);
  return r;
}

std::shared_ptr<TStruct> TASKCHANGEICON(const std::shared_ptr<TStruct>& oRecord, HICON hIcon) {
  if (!oRecord) return oRecord;
  Set(*oRecord, "nFlags", kTrayFlagIcon);
  Set(*oRecord, "hIcon", HandleNumber(hIcon));
  TrayNotify(kTrayModify, oRecord);
  return oRecord;
}

bool TASKDELICON(const std::shared_ptr<TStruct>& oRecord) { return TrayNotify(kTrayDelete, oRecord); }

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
