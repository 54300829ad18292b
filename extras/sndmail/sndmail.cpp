// The stand-in mail library. Each command line it is given is appended, with
// a line end, to the file that VD_SNDMAIL_RECORD names; when VD_SNDMAIL_BODY
// names a file, the body file of the command line (-b) is copied there at
// the moment of the call. The send answers the number in VD_SNDMAIL_RESULT,
// 0 (sent) when that is not set.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Env(const char* name) {
  char buf[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

void Append(const std::string& file, const std::string& text) {
  if (file.empty()) return;
  if (std::FILE* f = std::fopen(file.c_str(), "ab")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
}

// The word after " -b ".
std::string BodyFile(const std::string& commandLine) {
  const std::size_t at = commandLine.find(" -b ");
  if (at == std::string::npos) return {};
  const std::size_t from = at + 4;
  return commandLine.substr(from, commandLine.find(' ', from) - from);
}

}  // namespace

// Exported through sndmail.def under their plain names.
extern "C" {

int __stdcall USmtpLibOpen() { return 0; }

int __stdcall USmtpCmdLineSendMail(const char* commandLine) {
  const std::string line = commandLine ? commandLine : "";
  Append(Env("VD_SNDMAIL_RECORD"), line + "\r\n");
  const std::string bodyCopy = Env("VD_SNDMAIL_BODY");
  const std::string body = BodyFile(line);
  if (!bodyCopy.empty() && !body.empty()) CopyFileA(body.c_str(), bodyCopy.c_str(), FALSE);
  const std::string result = Env("VD_SNDMAIL_RESULT");
  return result.empty() ? 0 : std::atoi(result.c_str());
}

int __stdcall USmtpLibClose() { return 0; }

}
