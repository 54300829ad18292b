#include "services/declared.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "services/int32.h"
#include "services/msgbox.h"

namespace svc {
namespace {

// The library as the alert names it: its name, or a number in the ten
// columns that Str() gives it.
std::string LibraryText(const rt::Value& library) {
  if (library.IsString()) return library.AsString();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%10ld", static_cast<long>(ToInt32(library)));
  return buf;
}

}  // namespace

rt::Value CallDeclared(const rt::Value& library, std::string_view entry, bool calleePops, int resultType,
                       std::initializer_list<int> argTypes, std::initializer_list<DllArg> args) {
  const bool byName = library.IsString();
  const std::intptr_t h = byName ? LOADLIBRARY(library.AsString()) : ToHandle(library);
  if (std::llabs(static_cast<long long>(h)) <= 32) {
    MSGALERT("Error code: " + std::to_string(h) + " loading " + LibraryText(library));
    return rt::Value();
  }
  rt::Value result = CALLDLL(GETPROCADDRESS(h, std::string(entry), calleePops, resultType, argTypes), args);
  if (byName) FREELIBRARY(h);
  return result;
}

rt::Value GETPVPRFSE(rt::Value& cBuffer, const rt::Value& nSize, const rt::Value& cFile) {
  return CallDeclared("Kernel32.dll", "GetPrivateProfileSectionNamesA", true, 12, {9, 12, 9},
                      {Ref(cBuffer), nSize, cFile});
}

rt::Value SPWINHELP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& nData) {
  return CallDeclared("User32.dll", "WinHelpA", true, 5, {7, 9, 7, 7}, {hWnd, cFile, nCmd, nData});
}

rt::Value SPWINHELPC(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& cData) {
  return CallDeclared("User32.dll", "WinHelpA", true, 5, {7, 9, 7, 9}, {hWnd, cFile, nCmd, cData});
}

rt::Value HTMLHELP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& nData) {
  return CallDeclared("hhctrl.ocx", "HtmlHelpA", true, 7, {7, 9, 7, 7}, {hWnd, cFile, nCmd, nData});
}

rt::Value HTMLHELPCTX(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& cData) {
  return CallDeclared("hhctrl.ocx", "HtmlHelpA", true, 7, {7, 9, 7, 9}, {hWnd, cFile, nCmd, cData});
}

rt::Value HTMLHELPPOPUP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, rt::Value& cData) {
  return CallDeclared("hhctrl.ocx", "HtmlHelpA", true, 7, {7, 9, 7, 9}, {hWnd, cFile, nCmd, Ref(cData)});
}

rt::Value SHELL_NOTIFYICON(const rt::Value& nMessage, const rt::Value& cData) {
  return CallDeclared("shell32.dll", "Shell_NotifyIconA", true, 5, {7, 9}, {nMessage, cData});
}

rt::Value SHELLEXECUTE(const rt::Value& hWnd, const rt::Value& cOperation, const rt::Value& cFile,
                       const rt::Value& cParameters, const rt::Value& cDirectory, const rt::Value& nShow) {
  return CallDeclared("shell32.dll", "ShellExecuteA", true, 7, {7, 9, 9, 9, 9, 7},
                      {hWnd, cOperation, cFile, cParameters, cDirectory, nShow});
}

rt::Value COPYFILE(const rt::Value& cExisting, const rt::Value& cNew, const rt::Value& nFailIfExists) {
  return CallDeclared("Kernel32.dll", "CopyFileA", true, 5, {9, 9, 7}, {cExisting, cNew, nFailIfExists});
}

rt::Value OUTPUTDEBUGSTRING(const rt::Value& cText) {
  return CallDeclared("kernel32.dll", "OutputDebugStringA", true, 0, {9}, {cText});
}

rt::Value GETDISKFREESPACEEX(const rt::Value& cDirectory, rt::Value& nFreeToCaller, rt::Value& nTotal,
                             rt::Value& nTotalFree) {
  return CallDeclared("Kernel32", "GetDiskFreeSpaceExA", true, 5, {9, 10, 10, 10},
                      {cDirectory, Ref(nFreeToCaller), Ref(nTotal), Ref(nTotalFree)});
}

rt::Value MOVEFILE(const rt::Value& cExisting, const rt::Value& cNew) {
  return CallDeclared("kernel32.dll", "MoveFileA", true, 7, {9, 9}, {cExisting, cNew});
}

}  // namespace svc
