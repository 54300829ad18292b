#include "services/dropped_files.h"

#include <shellapi.h>

#include <string>

namespace svc {

void DRAGACCEPTFILES(HWND hWnd, bool lAccept) { DragAcceptFiles(hWnd, lAccept); }

rt::Value DRAGQUERYPOINT(HDROP hDrop) {
  POINT pt{};
  DragQueryPoint(hDrop, &pt);
  return rt::Value::Array({pt.y, pt.x});
}

rt::Value DRAGQUERYFILES(HDROP hDrop) {
  rt::Value files = rt::Value::Array();
  const UINT count = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::string name(DragQueryFileA(hDrop, i, nullptr, 0), '\0');
    DragQueryFileA(hDrop, i, name.data(), static_cast<UINT>(name.size() + 1));
    files.Items().push_back(rt::Value(name));
  }
  return files;
}

void DRAGFINISH(HDROP hDrop) { DragFinish(hDrop); }

}  // namespace svc
