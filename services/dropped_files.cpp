#include "services/dropped_files.h"

#include <shellapi.h>

#include <string>

namespace svc {

void DRAGACCEPTFILES(HWND hWnd, bool lAccept) { DragAcceptFiles(hWnd, lAccept); }

bool DRAGQUERYPOINT(HDROP hDrop, const rt::Value& aPoint) {
  POINT pt{};
  const bool inClient = DragQueryPoint(hDrop, &pt) != 0;
  if (aPoint.IsArray()) {
    auto& items = aPoint.Items();
    if (items.size() < 2) items.resize(2);
    items[0] = rt::Value(pt.x);
    items[1] = rt::Value(pt.y);
  }
  return inClient;
}

rt::Value DRAGQUERYFILES(HDROP hDrop) {
  rt::Value files = rt::Value::Array();
  const UINT count = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Each name at its full length, however long.
    std::string name(DragQueryFileA(hDrop, i, nullptr, 0), '\0');
    const UINT got = DragQueryFileA(hDrop, i, name.data(), static_cast<UINT>(name.size() + 1));
    name.resize(got);
    files.Items().push_back(rt::Value(name));
  }
  return files;
}

void DRAGFINISH(HDROP hDrop) { DragFinish(hDrop); }

}  // namespace svc
