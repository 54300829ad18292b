#include "services/msgbox.h"

#include <windows.h>

#include <string>

#include "services/msg_text.h"

namespace svc {
namespace {

struct BoxText {
  std::string text;
  std::string caption;
};

BoxText Texts(rt::Args args, const char* defaultCaption) {
  BoxText t{args.empty() ? std::string() : MsgText(args[0]), defaultCaption};
  if (args.size() == 2) t.caption = MsgText(args[1]);
  return t;
}

int Box(rt::Args args, const char* defaultCaption, UINT style) {
  BoxText t = Texts(args, defaultCaption);
  return MessageBoxA(GetActiveWindow(), t.text.c_str(), t.caption.c_str(), style);
}

}  // namespace

void MSGINFO(rt::Args args) { Box(args, "Information", MB_OK | MB_ICONINFORMATION); }

void MSGALERT(rt::Args args) { Box(args, "Alert", MB_OK | MB_ICONEXCLAMATION); }

void MSGSTOP(rt::Args args) { Box(args, "Stop", MB_OK | MB_ICONSTOP); }

bool MSGYESNO(rt::Args args) { return Box(args, "Select an option", MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool MSGNOYES(rt::Args args) {
  return Box(args, "Select an option", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void MSGABOUT(rt::Args args) {
  BoxText t = Texts(args, "About");
  ShellAboutA(GetActiveWindow(), t.text.c_str(), t.caption.c_str(), nullptr);
}

namespace {

long& Beeps() {
  static long beeps = 0;
  return beeps;
}

}  // namespace

void MESSAGEBEEP(unsigned type) {
  ++Beeps();
  MessageBeep(type);
}

void MSGBEEP() { MESSAGEBEEP(0); }

long BeepCount() { return Beeps(); }

}  // namespace svc
