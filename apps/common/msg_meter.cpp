#include "apps/common/msg_meter.h"

#include <exception>
#include <string>

#include "apps/common/index_check.h"
#include "controls/tmeter.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "core/tdialog.h"
#include "runtime/table_fns.h"

namespace common {

namespace {

// WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME | DS_MODALFRAME: a frame
// without a title bar.
constexpr long kMeterDialogStyle = 2424569984L;
static_assert(kMeterDialogStyle == static_cast<long>(WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME | DS_MODALFRAME));

struct Corners {
  int top, left, bottom, right;
};
struct Box {
  int top, left, width, height;
};
constexpr Corners kDialogCorners{5, 5, 75, 300};
constexpr Box kLabelBox{5, 1, 130, 10};
constexpr Box kMeterBox{18, 1, 146, 10};
constexpr double kInitialTotal = 10;

std::shared_ptr<core::TDialog> MeterDialog(std::string_view title, const std::shared_ptr<core::TWindow>& owner) {
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = kDialogCorners.top;
  a.nLeft = kDialogCorners.left;
  a.nBottom = kDialogCorners.bottom;
  a.nRight = kDialogCorners.right;
  a.cCaption = std::string(title);
  a.nStyle = kMeterDialogStyle;
  a.lPixel = true;
  if (owner) a.oWnd = rt::Value(owner);
  dialog->New(a);
  dialog->lHelpIcon = rt::Value(false);
  return dialog;
}

}  // namespace

void MSGMETER(const MeterAction& action, std::string_view cText, std::string_view cTitle,
              const std::shared_ptr<core::TWindow>& owner) {
  auto dialog = MeterDialog(cTitle, owner);

  controls::SayArgs s;
  s.nRow = kLabelBox.top;
  s.nCol = kLabelBox.left;
  s.nWidth = kLabelBox.width;
  s.nHeight = kLabelBox.height;
  s.lPixel = true;
  s.bText = rt::Value::Block([text = std::string(cText)](rt::Args) { return rt::Value(text); });
  s.oWnd = rt::Value(dialog);
  auto label = std::make_shared<controls::TSay>();
  label->New(s);

  auto counter = std::make_shared<rt::Value>(0);
  controls::MeterArgs m;
  m.nRow = kMeterBox.top;
  m.nCol = kMeterBox.left;
  m.nWidth = kMeterBox.width;
  m.nHeight = kMeterBox.height;
  m.lPixel = true;
  m.nTotal = kInitialTotal;
  m.bSetGet = rt::Value::Block([counter](rt::Args x) {
    if (!x.empty()) *counter = x[0];
    return *counter;
  });
  m.oWnd = rt::Value(dialog);
  auto meter = std::make_shared<controls::TMeter>();
  meter->New(m);

  bool lEnd = false;
  std::exception_ptr escaped;
  dialog->bStart = rt::Value::Block([&](rt::Args) {
    // The action may leave through BREAK or any other exception; neither may
    // cross the dialog procedure, and either way the dialog has to close.
    try {
      if (action) action(MeterParts{*meter, *label, *dialog, lEnd});
    } catch (...) {
      escaped = std::current_exception();
    }
    lEnd = true;
    dialog->End();
    return rt::Value();
  });
  core::DialogActivation act;
  act.lCentered = true;
  act.bValid = rt::Value::Block([&lEnd](rt::Args) { return rt::Value(lEnd); });
  dialog->Activate(act);
  if (escaped) std::rethrow_exception(escaped);
}

void BUILDINDEX(std::string_view key, std::string_view file, controls::TMeter& meter, const bool& lEnd) {
  meter.SetTotal(static_cast<double>(rt::RECCOUNT()));
  BuildIndexFile(key, file, [&meter, &lEnd](long recno) {
    meter.Set(rt::Value(recno));
    core::SYSREFRESH();
    return !lEnd;
  });
}

}  // namespace common
