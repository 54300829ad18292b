#include "tests/apps/program_driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace apps_test {

namespace fs = std::filesystem;

std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

std::string Text(HWND h) {
  char buf[512] = {};
  SendMessageA(h, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  return buf;
}

std::string ClassOf(HWND h) {
  char buf[64] = {};
  GetClassNameA(h, buf, sizeof buf);
  return buf;
}

namespace {

BOOL CALLBACK CollectChild(HWND h, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
  return TRUE;
}

struct TopSearch {
  DWORD pid;
  const std::string* title;
  const std::string* cls;
  HWND found;
};

BOOL CALLBACK FindTop(HWND h, LPARAM p) {
  auto* f = reinterpret_cast<TopSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == f->pid && IsWindowVisible(h) && Text(h) == *f->title && (f->cls->empty() || ClassOf(h) == *f->cls)) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&out));
  return out;
}

void PutClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) {
    ADD_FAILURE() << "the clipboard could not be opened";
    return;
  }
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) text = p;
    GlobalUnlock(h);
  }
  CloseClipboard();
  return text;
}

std::string StaticTexts(HWND box) {
  std::string all;
  for (HWND h : Children(box))
    if (ClassOf(h) == "Static") all += Text(h) + "|";
  return all;
}

bool Await(HANDLE process, const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    // The program's exit ends the wait early; otherwise look again shortly.
    if (WaitForSingleObject(process, 20) == WAIT_OBJECT_0) return ready();
  }
  return true;
}

Started::Started(const fs::path& exe, const fs::path& dir, const std::string& args) {
  // The wide call takes folders whatever their names hold.
  std::wstring wideArgs(args.size(), L'\0');
  wideArgs.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, args.data(), static_cast<int>(args.size()),
                                                               wideArgs.data(), static_cast<int>(wideArgs.size()))));
  std::wstring command = L"\"" + exe.wstring() + L"\"" + (args.empty() ? L"" : L" " + wideArgs);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  const std::wstring cwd = dir.wstring();
  ok_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si, &pi_);
  if (ok_) WaitForInputIdle(pi_.hProcess, 30000);
}

Started::~Started() {
  if (!ok_) return;
  if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(pi_.hProcess, 1);
    WaitForSingleObject(pi_.hProcess, 30000);
  }
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

HWND Started::Window(const std::string& title, const std::string& cls) const {
  TopSearch find{pi_.dwProcessId, &title, &cls, nullptr};
  EnumWindows(FindTop, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND Started::AwaitWindow(const std::string& title, const std::string& cls) const {
  HWND found = nullptr;
  Await(pi_.hProcess, [&] { return (found = Window(title, cls)) != nullptr; });
  return found;
}

DWORD Started::Wait() {
  WaitForSingleObject(pi_.hProcess, 30000);
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

std::string Setting(const fs::path& dir, const char* section, const char* key) {
  char buf[256] = {};
  GetPrivateProfileStringA(section, key, "<none>", buf, sizeof buf, (dir / "VOSKDAR.INI").string().c_str());
  return buf;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace apps_test
