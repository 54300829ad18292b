#pragma once
// Drives one of the suite's programs from a test process under Wine: starts
// it in a folder of its own, finds its windows, reads their texts and the
// settings file, waits for windows to come and go, and saves pictures of
// the screen for docs/.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace apps_test {

// A Unix path of the build as Windows names it.
std::string WindowsPath(std::string unixPath);

// By WM_GETTEXT, which reads what another process's window holds now.
std::string Text(HWND h);
std::string ClassOf(HWND h);
std::vector<HWND> Children(HWND parent);
// The static texts of a box, joined by "|".
std::string StaticTexts(HWND box);

// The clipboard's text as the test process's own: put there, or read (empty
// when it holds none or another process has it open).
void PutClipboard(const std::string& text);
std::string ClipboardText();

// Waits until ready() holds or the process has ended or the time (30 s
// unless given) has passed; ready()'s last answer.
bool Await(HANDLE process, const std::function<bool()>& ready,
           std::chrono::milliseconds limit = std::chrono::seconds(30));

class Started {
 public:
  // args: the command line after the program's name.
  Started(const std::filesystem::path& exe, const std::filesystem::path& dir, const std::string& args = {});
  ~Started();
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  bool Ok() const { return ok_; }
  HANDLE Process() const { return pi_.hProcess; }
  // The process's visible top-level window with that title and, when given,
  // that class; null when there is none now.
  HWND Window(const std::string& title, const std::string& cls = {}) const;
  // Waits for such a window to appear.
  HWND AwaitWindow(const std::string& title, const std::string& cls = {}) const;
  // Waits for the program's exit; its exit code (259 when it did not end).
  DWORD Wait();

 private:
  bool ok_ = false;
  PROCESS_INFORMATION pi_{};
};

std::string Setting(const std::filesystem::path& dir, const char* section, const char* key);
std::string FileBytes(const std::filesystem::path& file);


}  // namespace apps_test
