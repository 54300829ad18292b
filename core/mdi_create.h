#pragma once
// The creation record of an MDI child window.

#include <windows.h>

#include <string>

namespace core {

// An MDICREATESTRUCT as binary text: class, title, the program instance as
// owner, x = nLeft, y = nTop, cx = nRight - nLeft + 1, cy = nBottom -
// nTop + 1, style and parameter. A right of 32768 asks for the system's
// default place and size. Class and title are copied into buffers of the
// library as long as they are; the record points at them until the next
// call.
std::string CMDISTRUCT(const std::string& cClass, const std::string& cTitle, int nTop, int nLeft, int nBottom,
                       int nRight, DWORD nStyle, LPARAM nParam);

}  // namespace core
