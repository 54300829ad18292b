#include "core/window_defaults.h"

#include <utility>

namespace core {

namespace {

rt::Value& DefaultWindow() {
  static rt::Value window;
  return window;
}

rt::Value& DropInfo() {
  static rt::Value info;
  return info;
}

}  // namespace

void SETWNDDEFAULT(const rt::Value& oWnd) { DefaultWindow() = oWnd; }
rt::Value GETWNDDEFAULT() { return DefaultWindow(); }

void SETDROPINFO(const rt::Value& uInfo) { DropInfo() = uInfo; }
rt::Value GETDROPINFO() { return std::exchange(DropInfo(), rt::Value()); }

}  // namespace core
