#include "core/dialog_box.h"

#include <cstring>
#include <vector>

#include "core/callback_guard.h"
#include "core/handle_event.h"
#include "core/message_loop.h"
#include "core/startup.h"
#include "core/tdialog.h"
#include "runtime/callstack.h"
#include "services/msgbox.h"
#include "services/int32.h"

namespace core {

namespace {

struct UnderCreation {
  HWND hDlg = nullptr;
  std::shared_ptr<TDialog> oDlg;
};

// Modal dialogs under creation, innermost last.
std::vector<UnderCreation>& ModalStack() {
  static std::vector<UnderCreation> stack;
  return stack;
}

// The dialog of the running CREATEDLG call.
std::shared_ptr<TDialog>& ModelessUnderCreation() {
  static std::shared_ptr<TDialog> dialog;
  return dialog;
}

std::shared_ptr<TDialog> ModalObject(HWND hDlg) {
  auto& stack = ModalStack();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if (it->hDlg == hDlg) return it->oDlg;
  }
  if (!stack.empty() && !stack.back().hDlg) {
    stack.back().hDlg = hDlg;
    return stack.back().oDlg;
  }
  return nullptr;
}

// The object's answer for the dialog manager.
INT_PTR Answer(const rt::Value& result, bool keepNumbers) {
  if (keepNumbers && result.IsNumber()) return static_cast<INT_PTR>(svc::ToHandle(result));
  if (result.IsLogical()) return result.AsLogical() ? TRUE : FALSE;
  if (result.IsNumber()) return svc::ToHandle(result) != 0 ? TRUE : FALSE;
  return FALSE;
}

INT_PTR Forward(TDialog& dialog, HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  // Initiate needs the dialog's own window, which WM_INITDIALOG does not carry.
  if (nMsg == WM_INITDIALOG) lParam = reinterpret_cast<LPARAM>(hDlg);
  const rt::CallGuard frame(dialog.ClassName().c_str(), EventName(nMsg), 0);
  return Answer(dialog.HandleEvent(nMsg, wParam, lParam), true);
}

INT_PTR CALLBACK ModalDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  return GuardCallback([&]() -> INT_PTR {
    const std::shared_ptr<TDialog> dialog = ModalObject(hDlg);
    return dialog ? Forward(*dialog, hDlg, nMsg, wParam, lParam) : FALSE;
  });
}

INT_PTR CALLBACK ModelessDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  return GuardCallback([&]() -> INT_PTR {
    const std::shared_ptr<TDialog> dialog = ModelessUnderCreation();
    // Once linked, the dialog's entry point has handed the message to the
    // object already; forwarding again would handle it twice.
    if (!dialog || dialog->nOldProc) return FALSE;
    return Forward(*dialog, hDlg, nMsg, wParam, lParam);
  });
}

LPCSTR ResourceName(const rt::Value& cResName, std::string& keep) {
  if (cResName.IsNumber()) return MAKEINTRESOURCEA(static_cast<WORD>(svc::ToInt32(cResName)));
  keep = cResName.AsString();
  return keep.c_str();
}

// The template in movable global memory, as the indirect functions want it.
class TemplateMemory {
 public:
  explicit TemplateMemory(const std::string& cTemplate) {
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
    memory_ = GlobalAlloc(GMEM_MOVEABLE, cTemplate.size());
    if (memory_) {
      bytes_ = GlobalLock(memory_);
      std::memcpy(bytes_, cTemplate.data(), cTemplate.size());
    }
    SetCursor(previous);
  }
  ~TemplateMemory() {
    if (!memory_) return;
    GlobalUnlock(memory_);
    GlobalFree(memory_);
  }
  TemplateMemory(const TemplateMemory&) = delete;
  TemplateMemory& operator=(const TemplateMemory&) = delete;
  const DLGTEMPLATE* get() const { return static_cast<const DLGTEMPLATE*>(bytes_); }

 private:
  HGLOBAL memory_ = nullptr;
  void* bytes_ = nullptr;
};

// Runs one modal dialog with its entry on the stack and the running flag set.
template <class Run>
long RunModal(const std::shared_ptr<TDialog>& oDlg, Run run) {
  auto& stack = ModalStack();
  // A dialog beyond the limit is refused rather than run without an entry:
  // popping after it would drop the entry of the dialog that runs outside.
  if (static_cast<int>(stack.size()) >= kModalNesting) return kDialogFailed;
  CoreStartup();
  stack.push_back({nullptr, oDlg});
  const bool wasRunning = SetRunningFlag(true);
  const INT_PTR result = run();
  SetRunningFlag(wasRunning);
  stack.pop_back();
  return static_cast<long>(result & 0xFFFF);
}

template <class Create>
HWND RunModeless(const std::shared_ptr<TDialog>& oDlg, Create create) {
  CoreStartup();
  std::shared_ptr<TDialog> outer = std::exchange(ModelessUnderCreation(), oDlg);
  const HWND hDlg = create();
  ModelessUnderCreation() = std::move(outer);
  return hDlg;
}

constexpr const char* kVbxLibrary = "BIVBX10.DLL";

// The VBX library's entry, called with the library loaded; false when the
// library cannot be loaded (reported) or lacks the entry.
template <class Fn, class... A>
bool CallVbx(const char* entry, A... a) {
  const HMODULE library = LoadLibraryA(kVbxLibrary);
  if (!library) {
    svc::MSGALERT(std::string(kVbxLibrary) + "\r\nError: " + std::to_string(GetLastError()));
    return false;
  }
  bool ok = false;
  if (const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, entry)))) {
    ok = fn(a...) != 0;
  }
  FreeLibrary(library);
  return ok;
}

}  // namespace

long DIALOGBOX(HINSTANCE hInstance, const rt::Value& cResName, HWND hWndOwner, const std::shared_ptr<TDialog>& oDlg) {
  std::string name;
  const LPCSTR resource = ResourceName(cResName, name);
  return RunModal(oDlg, [&] { return DialogBoxParamA(hInstance, resource, hWndOwner, ModalDialogProc, 0); });
}

long DIALOGBOXINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hWndOwner,
                       const std::shared_ptr<TDialog>& oDlg) {
  if (cTemplate.empty()) return 0;
  return RunModal(oDlg, [&]() -> INT_PTR {
    const TemplateMemory memory(cTemplate);
    if (!memory.get()) return kDialogFailed;
    return DialogBoxIndirectParamA(hInstance, memory.get(), hWndOwner, ModalDialogProc, 0);
  });
}

bool ENDDIALOG(HWND hDlg, long nResult) { return EndDialog(hDlg, nResult & 0xFFFF) != 0; }

HWND CREATEDLG(HINSTANCE hInstance, const rt::Value& cResName, HWND hWndOwner, const std::shared_ptr<TDialog>& oDlg) {
  std::string name;
  const LPCSTR resource = ResourceName(cResName, name);
  return RunModeless(oDlg, [&] { return CreateDialogParamA(hInstance, resource, hWndOwner, ModelessDialogProc, 0); });
}

HWND CREATEDLGINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hWndOwner,
                       const std::shared_ptr<TDialog>& oDlg) {
  if (cTemplate.empty()) return nullptr;
  return RunModeless(oDlg, [&]() -> HWND {
    const TemplateMemory memory(cTemplate);
    if (!memory.get()) return nullptr;
    return CreateDialogIndirectParamA(hInstance, memory.get(), hWndOwner, ModelessDialogProc, 0);
  });
}

long GETDLGBASEUNITS() { return static_cast<long>(GetDialogBaseUnits()); }
HWND GETDLGITEM(HWND hDlg, long nId) { return GetDlgItem(hDlg, static_cast<int>(nId)); }
HWND NEXTDLGTAB(HWND hDlg, HWND hCtrl, bool lPrevious) { return GetNextDlgTabItem(hDlg, hCtrl, lPrevious); }

bool VBXINIT(HINSTANCE hInstance, const std::string& cName) {
  return CallVbx<BOOL(WINAPI*)(HINSTANCE, LPCSTR)>("VbxInit", hInstance, cName.c_str());
}

bool VBXINITDIALOG(HWND hDlg, HINSTANCE hInstance, const rt::Value& cResName) {
  std::string name;
  const LPCSTR resource = ResourceName(cResName, name);
  return CallVbx<BOOL(WINAPI*)(HWND, HINSTANCE, LPCSTR)>("VbxInitDialog", hDlg, hInstance, resource);
}

bool VBXTERM() { return CallVbx<BOOL(WINAPI*)()>("VbxTerm"); }

}  // namespace core
