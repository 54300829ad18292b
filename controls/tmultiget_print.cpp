// TMultiGet:Print. The printer belongs to a later layer: its builders come
// from the function registry and the printer answers by name (hDC,
// nVertRes, Say), so this layer links nothing of it.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "controls/tmultiget.h"
#include "core/send_soft.h"
#include "graphics/cursors.h"
#include "graphics/function_names.h"
#include "graphics/tfont.h"
#include "runtime/macro.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/win_version.h"

namespace controls {

namespace {

constexpr long kLinesPerPage = 60;

rt::Value Call(const rt::PublicFn* fn, rt::Args args = {}) { return fn ? (*fn)(args) : rt::Value(); }

}  // namespace

bool TMultiGet::Print() {
  const rt::PublicFn* begin = rt::FindFunction(vdfn::kPrintBegin);
  const rt::PublicFn* pageBegin = rt::FindFunction(vdfn::kPageBegin);
  const rt::PublicFn* pageEnd = rt::FindFunction(vdfn::kPageEnd);
  const rt::PublicFn* end = rt::FindFunction(vdfn::kPrintEnd);
  rt::Value document[] = {rt::Value("Notes")};
  const rt::Value printer = begin && pageBegin && pageEnd && end ? Call(begin, document) : rt::Value();
  if (!printer.IsObject() || !svc::ToHandle(core::Ask(printer, "hDC"))) {
    // A printer object without a device still holds the builders' slot.
    if (printer.IsObject()) Call(end);
    svc::MSGSTOP("Printer not ready!");
    return false;
  }
  gfx::CURSORWAIT();
  const auto font = std::make_shared<gfx::TFont>()->New(svc::GETSYSFONT(), 0, -11, false, false, 0, 0, 0, false, false,
                                                        false, 0, 0, 0, 0, printer);
  const double lineHeight = core::Ask(printer, "nVertRes").AsNumber() / kLinesPerPage;
  const long lines = GetLineCount();
  // An empty memo still prints its one (empty) page; 60 lines fill exactly
  // one page and leave no empty second one.
  const long pages = std::max(1L, (lines + kLinesPerPage - 1) / kLinesPerPage);
  for (long page = 0; page < pages; ++page) {
    Call(pageBegin);
    const long first = page * kLinesPerPage + 1, last = std::min(lines, first + kLinesPerPage - 1);
    for (long line = first; line <= last; ++line)
      core::Ask(printer, "Say", (line - first) * lineHeight, 0, GetLine(line), rt::Value(font));
    Call(pageEnd);
  }
  Call(end);
  font->End();
  gfx::CURSORARROW();
  return true;
}

}  // namespace controls
