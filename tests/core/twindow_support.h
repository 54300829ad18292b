#pragma once
// Window objects of the class layer for the TWindow tests, blocks that
// record how they are called, and an object that records the messages a
// window sends it by name.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/twindow.h"
#include "runtime/object.h"
#include "runtime/value.h"

namespace coretest {

// A constructed window (New with these arguments), destroyed when the test
// leaves the scope.
class OwnedWindow {
 public:
  explicit OwnedWindow(const core::WindowArgs& args = {});
  explicit OwnedWindow(std::shared_ptr<core::TWindow> w) : w_(std::move(w)) {}
  ~OwnedWindow();
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  core::TWindow* operator->() const { return w_.get(); }
  const std::shared_ptr<core::TWindow>& ptr() const { return w_; }
  rt::Value value() const { return rt::Value(w_); }

 private:
  std::shared_ptr<core::TWindow> w_;
};

// A tab control with the pages and current tab of a folder (by name:
// aDialogs, nOption), as the folder classes of a later layer have them.
class FolderProbe : public core::TWindow {
 public:
  RT_CLASS_DECL()
  rt::Value aDialogs;
  long nOption = 0;
};

// Pixel arguments for New: top, left, bottom, right, then the style.
core::WindowArgs PixelArgs(int top, int left, int bottom, int right, long style = 0,
                           const rt::Value& parent = {});

// Every call of a recording block or object, as "name(arg,arg,...)": numbers
// and texts as shown, NIL as "NIL", the window under test as "Self".
class CallLog {
 public:
  explicit CallLog(rt::Value self = {}) : self_(std::move(self)) {}
  // A block that records its calls under `name` and answers `answer`.
  rt::Value Block(const std::string& name, rt::Value answer = {});
  void Add(const std::string& name, rt::Args args);
  std::string Joined() const;
  void Clear() { calls_.clear(); }

 private:
  rt::Value self_;
  std::vector<std::string> calls_;
};

// An object of the test class TRECORDER: every method it has (the names a
// window sends to its menus, bars, scroll bars and docked children) records
// its call in the log and answers NIL.
rt::Value NewRecorder(CallLog& log, const std::string& label);

}  // namespace coretest
