#include "services/log_file.h"

#include <windows.h>

#include <string>

#include "runtime/callstack.h"
#include "runtime/dates.h"
#include "runtime/value_text.h"

namespace svc {
namespace {

bool Append(std::string_view cFile, const std::string& text) {
  HANDLE h = CreateFileA(std::string(cFile).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  bool ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &done, nullptr) && done == text.size();
  CloseHandle(h);
  return ok;
}

std::string FrameName(const rt::CallFrame& f) {
  return f.className ? std::string(f.className) + ":" + f.proc : std::string(f.proc);
}

}  // namespace

bool LOGFILE(std::string_view cFile, const rt::Value& aValues) {
  std::string line = rt::DTOC(rt::DATE()) + " " + rt::TIME() + ": ";
  if (aValues.IsArray())
    for (const rt::Value& v : aValues.Items()) line += rt::CVALTOCHAR(v) + "\t";
  return Append(cFile, line + "\r\n");
}

bool LOGSTACK() {
  std::string text = "\r\nLogStack() called\r\n=================\r\n";
  const auto& frames = rt::CallStack();
  for (auto f = frames.rbegin(); f != frames.rend(); ++f) {
    std::string line = FrameName(*f) + "(";
    for (std::size_t i = 0; i < f->params.size(); ++i) line += (i ? ", " : " ") + rt::CVALTOCHAR(f->params[i]);
    text += line + (f->params.empty() ? ")" : " )") + "\r\n";
  }
  return Append("stack.txt", text);
}

}  // namespace svc
