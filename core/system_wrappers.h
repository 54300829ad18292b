#pragma once
// The program instance, the platform family, registered window classes and
// the creation of edit windows.

#include <windows.h>

#include <string_view>

#include "runtime/value.h"

namespace core {

// The program's instance handle, fetched once.
HINSTANCE GETINSTANCE();
// The NT family: the high bit of the version word is clear.
bool ISWINNT();
// The older family from version 4 on.
bool ISWIN95();
// The ten fields of the registered class in the order of the platform's
// class record: style, procedure, class extra, window extra, instance,
// icon, cursor, background brush, menu name, class name. NIL when the class
// is not registered.
rt::Value GETCLASSINFO(HINSTANCE hInstance, std::string_view cClassName);
// Creates an edit window (or one of cClass) in the program instance;
// cParam is passed as the creation parameter when given.
HWND MGETCREATE(std::string_view cClass, std::string_view cText, DWORD nStyle, int nLeft, int nTop, int nWidth,
                int nHeight, HWND hParent, int nId, const rt::Value& cParam = {});

}  // namespace core
