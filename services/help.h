#pragma once
// The program's help file and topic, the help requests over the active
// window, and F1 inside menus: while a help file is set, pressing F1 in an
// open menu posts the private message 2061 to the active window, which turns
// it into the window's F1 help request.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

inline constexpr UINT WM_HELPF1_MENU = 2061;

// Stores the name and, the first time, watches the menus of this thread for
// F1. Without an argument nothing happens.
void SETHELPFILE(const rt::Value& cFile = {});
std::string GETHELPFILE();
// A text keeps its first 99 characters; a number or nothing clears it.
void HELPSETTOPIC(const rt::Value& uTopic = {});
std::string GETHELPTOPIC();
// The control of the help-information record at that address (the
// parameter of a window's help message).
HWND HELPCTRLHWND(LPARAM nHelpInfo);

// Without a help file each shows "No Help file available" titled
// " Attention" and gives .F.; otherwise NIL.
rt::Value HELPTOPIC(const rt::Value& uTopic = {});
rt::Value HELPINDEX();
rt::Value HELPSEARCH(std::string_view cKey = "");
rt::Value HELPPOPUP(long nContext);
// Any help file, without the help-file check; the platform's answer.
rt::Value WINHELP(std::string_view cFile, long nCommand = 3, long nData = 0);

}  // namespace svc
