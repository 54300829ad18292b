#include "services/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "services/comdlg_entry.h"

namespace svc {
namespace {

// Long paths must not look like a cancel: the name buffer holds far more
// than a path can be.
constexpr std::size_t kNameBuffer = 4 * MAX_PATH;

}  // namespace

std::string CGETFILE(std::optional<std::string> cFilter, std::string_view cTitle, long nFilterIndex,
                     std::string_view cInitDir, bool lSave, bool lLongNames, long nFlags,
                     std::optional<std::string> cFileName) {
  if (!cFilter) return {};
  auto run = ComDlgFunction<BOOL WINAPI(LPOPENFILENAMEA)>(lSave ? "GetSaveFileNameA" : "GetOpenFileNameA");
  if (!run) return {};

  std::string filter = *cFilter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.append(2, '\0');
  std::vector<char> name(kNameBuffer, '\0');
  if (cFileName) cFileName->copy(name.data(), std::min(cFileName->size(), kNameBuffer - 1));
  std::string title = cTitle.empty() ? std::string("Select the file") : std::string(cTitle);
  std::string dir(cInitDir);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = nFilterIndex ? static_cast<DWORD>(nFilterIndex) : 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrTitle = title.c_str();
  if (nFlags) {
    ofn.Flags = static_cast<DWORD>(nFlags);
  } else {
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (lSave) ofn.Flags |= OFN_HIDEREADONLY;
    if (lLongNames) ofn.Flags |= OFN_LONGNAMES;
  }
  if (!run(&ofn)) return {};
  return name.data();
}

}  // namespace svc
