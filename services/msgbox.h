#pragma once
// The standard message boxes. Each is modal and owned by the active window.
// The text defaults to ""; the caption is taken from the second argument only
// when exactly two arguments are given, otherwise the box's own caption is
// used. Non-text arguments are shown as MsgText makes them.

#include <utility>

#include "runtime/value.h"

namespace svc {

void MSGINFO(rt::Args args);   // "Information", OK
void MSGALERT(rt::Args args);  // "Alert", OK, exclamation icon
void MSGSTOP(rt::Args args);   // "Stop", OK, stop icon
bool MSGYESNO(rt::Args args);  // "Select an option", Yes is the default
bool MSGNOYES(rt::Args args);  // "Select an option", No is the default
void MSGABOUT(rt::Args args);  // the system's about box, "About"

#define SVC_MSG_OVERLOAD(Ret, Name)                                         \
  template <class... A>                                                     \
  Ret Name(A&&... a) {                                                      \
    rt::Value v[] = {rt::Value(), rt::Value(std::forward<A>(a))...};        \
    return Name(rt::Args(v + 1, sizeof...(A)));                             \
  }
SVC_MSG_OVERLOAD(void, MSGINFO)
SVC_MSG_OVERLOAD(void, MSGALERT)
SVC_MSG_OVERLOAD(void, MSGSTOP)
SVC_MSG_OVERLOAD(bool, MSGYESNO)
SVC_MSG_OVERLOAD(bool, MSGNOYES)
SVC_MSG_OVERLOAD(void, MSGABOUT)
#undef SVC_MSG_OVERLOAD

void MESSAGEBEEP(unsigned type);
void MSGBEEP();
// How many beeps the process has sounded through the two above: all that
// a test can hear of them.
long BeepCount();

}  // namespace svc
