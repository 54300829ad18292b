#include "support/error_dialog.h"

#include <windows.h>

#include <memory>

#include "controls/tsay.h"
#include "core/send_soft.h"
#include "core/system_wrappers.h"
#include "core/tdialog.h"
#include "graphics/bitmap.h"
#include "graphics/builtin_images.h"
#include "graphics/class_names.h"
#include "services/int32.h"
#include "services/process.h"

namespace support {

namespace {

// An object of a class created by name; NIL when the program lacks it.
rt::Value Make(std::string_view className) {
  return rt::FindClass(className) ? rt::CreateObject(className) : rt::Value();
}

void Label(const core::TDialogPtr& dlg, int row, int col, int width, int height, const std::string& text,
           long extraStyle) {
  auto say = std::make_shared<controls::TSay>();
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = col;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = dlg->Self();
  a.lPixel = true;
  if (width > 0) a.nWidth = width;
  if (height > 0) a.nHeight = height;
  say->New(a);
  say->nStyle |= extraStyle;
}

void Button(const core::TDialogPtr& dlg, int row, int col, int width, int height, const std::string& caption,
            bool isDefault, rt::Value action) {
  const rt::Value button = Make(vdclass::kButton);
  core::Ask(button, "New", row, col, caption, dlg->Self(), action, width, height, rt::Value(), rt::Value(), isDefault,
            true);
}

void StackList(const core::TDialogPtr& dlg, const std::vector<std::string>& lines, int height) {
  auto items = rt::Value::Array();
  for (const std::string& line : lines) items.Items().push_back(rt::Value(line));
  // The list shows the first line selected; the choice is not read back.
  auto selected = std::make_shared<rt::Value>(lines.empty() ? rt::Value() : rt::Value(lines.front()));
  const rt::Value setGet = rt::Value::Block([selected](rt::Args a) {
    if (!a.empty() && !a[0].IsNil()) *selected = a[0];
    return *selected;
  });
  const rt::Value list = Make(vdclass::kListBox);
  core::Ask(list, "New", 33, 3, setGet, items, 145, height, rt::Value(), dlg->Self(), rt::Value(), rt::Value(),
            rt::Value(), true);
}

}  // namespace

ErrorChoice RunErrorDialog(const std::string& description, const std::vector<std::string>& stackLines, bool canRetry,
                           bool canDefault) {
  const bool nt = core::ISWINNT();
  const ErrorDialogSizes size = ErrorDialogSize(nt);
  auto dlg = std::make_shared<core::TDialog>();
  core::DialogArgs args;
  args.nWidth = size.dialogWidth;
  args.nHeight = size.dialogHeight;
  args.cCaption = kErrorDialogTitle;
  dlg->New(args);

  // No prefix processing: an "&" in a file name stays an "&".
  Label(dlg, 3, 22, 148 - 22 + 1, 25 - 3 + 1, description, SS_NOPREFIX);
  Label(dlg, 24, 6, 0, 0, "&Stack List", 0);
  StackList(dlg, stackLines, size.listHeight);

  auto choice = std::make_shared<ErrorChoice>(ErrorChoice::Quit);
  std::weak_ptr<core::TDialog> weak = dlg;
  for (const ErrorButton& b : ErrorButtons(canRetry, canDefault, nt)) {
    Button(dlg, b.row, b.col, kButtonWidth, kButtonHeight, b.caption, b.isDefault,
           rt::Value::Block([choice, weak, which = b.choice](rt::Args) {
             *choice = which;
             if (auto d = weak.lock()) d->End(IDOK);
             return rt::Value();
           }));
  }
  Button(dlg, 21, 100, 47, 10, "See Error.log file", false, rt::Value::Block([](rt::Args) {
           svc::WINEXEC("Notepad.exe error.log");
           return rt::Value();
         }));

  HBITMAP image = gfx::VDBITMAP();
  core::DialogActivation activation;
  activation.lCentered = true;
  activation.bPainted = rt::Value::Block([image](rt::Args a) {
    gfx::DRAWBITMAP(reinterpret_cast<HDC>(svc::ToHandle(rt::Arg(a, 0))), image, 6, 6);
    return rt::Value();
  });
  dlg->Activate(activation);
  if (image) DeleteObject(image);
  return *choice;
}

}  // namespace support
