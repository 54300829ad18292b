#include "core/folder_page.h"

#include <string>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_list.h"
#include "core/window_text.h"
#include "graphics/class_names.h"
#include "runtime/strings.h"

namespace core {

bool IsFolderWindow(HWND hWnd) {
  if (!hWnd) return false;
  const std::string cls = rt::UPPER(GETCLASSNAME(hWnd));
  return cls == "SYSTABCONTROL32" || cls == vdclass::kPages;
}

std::shared_ptr<TWindow> CurrentPage(HWND folder) {
  const auto object = OWNDFROMHWND(folder);
  if (!object) return nullptr;
  const rt::Value self(object);
  const rt::Value pages = Ask(self, "aDialogs");
  const long option = Ask(self, "nOption").AsInt();
  if (!pages.IsArray() || option < 1 || option > static_cast<long>(pages.Len())) return nullptr;
  return pages.At(static_cast<std::size_t>(option)).As<TWindow>();
}

}  // namespace core
