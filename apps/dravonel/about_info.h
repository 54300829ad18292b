#pragma once
// The editor's about box: the shared box with the editor's title, icon and
// main window as owner.

#include <memory>

#include "runtime/value.h"

namespace core {
class TDialog;
}

namespace dravonel {

// lShow: the box is shown at all; lTimed: as a splash that closes itself.
// bReady, when given, runs with the dialog once it is shown. Returns true.
bool ABOUTINFO(bool lTimed, bool lShow, const rt::Value& bReady = {});
// Starts the splash timer that ends oDlg; true.
bool ABOUTWAIT(const std::shared_ptr<core::TDialog>& oDlg);

}  // namespace dravonel
