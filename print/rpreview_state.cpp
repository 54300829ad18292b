// The preview's record, its resource library and its page label.
#include <windows.h>

#include <algorithm>

#include "controls/tsay.h"
#include "print/rpreview_state.h"
#include "services/int32.h"
#include "services/resources.h"

namespace prn::preview {

State& Current() {
  static State state;
  return state;
}

bool IsOpen() {
  const State& s = Current();
  return s.window && s.left && s.right && s.device;
}

int PageCount() {
  const State& s = Current();
  return s.device && s.device->aMeta.IsArray() ? static_cast<int>(s.device->aMeta.Len()) : 0;
}

std::string PageFile(int page) {
  if (page < 1 || page > PageCount()) return {};
  return Current().device->aMeta.At(static_cast<std::size_t>(page)).AsString();
}

bool UseLibrary(std::intptr_t& previous) {
  previous = svc::GETRESOURCES();
  return svc::SETRESOURCES(rt::Value(kLibrary)) != 0;
}

void RestoreResources(std::intptr_t previous) {
  // The program's own instance stands for "none set".
  svc::SETRESOURCES(
      rt::Value(static_cast<double>(previous == svc::HandleNumber(GetModuleHandleA(nullptr)) ? 0 : previous)));
}

LibraryResources::LibraryResources() : previous_(0), loaded_(UseLibrary(previous_)) {}

LibraryResources::~LibraryResources() { RestoreResources(previous_); }

std::string LibraryText(int id, bool withoutAmpersand) {
  const LibraryResources library;
  char text[512] = {};
  if (library.Loaded())
    LoadStringA(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), static_cast<UINT>(id), text, sizeof text);
  std::string result(text);
  if (withoutAmpersand) result.erase(std::remove(result.begin(), result.end(), '&'), result.end());
  return result;
}

std::string PageLabelText() {
  return LibraryText(kPagePrefix) + std::to_string(Current().page) + " / " + std::to_string(PageCount());
}

void ShowPageLabel() {
  if (const auto label = Current().pageLabel.As<controls::TSay>()) label->Refresh();
}

}  // namespace prn::preview
