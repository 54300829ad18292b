#pragma once
// Declared library functions: platform functions that the native layer does
// not wrap, called by declaration. Each call loads the library by name,
// binds the entry point, calls it and frees the library again; a library
// given as a number is a handle that is used as is and not freed. A library
// that cannot be loaded shows "Error code: <handle> loading <library>" and
// the call gives NIL.

#include <initializer_list>
#include <string_view>

#include "runtime/value.h"
#include "services/calldll.h"

namespace svc {

rt::Value CallDeclared(const rt::Value& library, std::string_view entry, bool calleePops, int resultType,
                       std::initializer_list<int> argTypes, std::initializer_list<DllArg> args);

// The declared functions of the system services. Arguments follow the
// platform function's parameters; by-reference ones are the caller's
// variables, written back after the call.
rt::Value GETPVPRFSE(rt::Value& cBuffer, const rt::Value& nSize, const rt::Value& cFile);
rt::Value SPWINHELP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& nData);
rt::Value SPWINHELPC(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& cData);
rt::Value HTMLHELP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& nData);
rt::Value HTMLHELPCTX(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, const rt::Value& cData);
rt::Value HTMLHELPPOPUP(const rt::Value& hWnd, const rt::Value& cFile, const rt::Value& nCmd, rt::Value& cData);
rt::Value SHELL_NOTIFYICON(const rt::Value& nMessage, const rt::Value& cData);
rt::Value SHELLEXECUTE(const rt::Value& hWnd, const rt::Value& cOperation, const rt::Value& cFile,
                       const rt::Value& cParameters, const rt::Value& cDirectory, const rt::Value& nShow);
rt::Value COPYFILE(const rt::Value& cExisting, const rt::Value& cNew, const rt::Value& nFailIfExists);
rt::Value OUTPUTDEBUGSTRING(const rt::Value& cText);
rt::Value GETDISKFREESPACEEX(const rt::Value& cDirectory, rt::Value& nFreeToCaller, rt::Value& nTotal,
                             rt::Value& nTotalFree);
rt::Value MOVEFILE(const rt::Value& cExisting, const rt::Value& cNew);

}  // namespace svc
