#pragma once
// Runs a modal test dialog and calls the body while it is up; the dialog
// ends when the body returns.

#include <functional>
#include <memory>

#include "core/tdialog.h"

namespace controltest {

inline void WhileDialogUp(const std::function<void(const std::shared_ptr<core::TDialog>&)>& body, int width = 320,
                          int height = 220, const char* caption = "Test") {
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = 10;
  a.nLeft = 10;
  a.nWidth = width;
  a.nHeight = height;
  a.cCaption = caption;
  d->New(a);
  core::DialogActivation act;
  act.bInit = rt::Value::Block([d, body](rt::Args) {
    body(d);
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
}

}  // namespace controltest
