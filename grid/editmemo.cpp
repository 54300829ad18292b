#include "grid/editmemo.h"

#include <memory>

#include "controls/tbutton.h"
#include "controls/tmultiget.h"
#include "grid/grid_messages.h"
#include "services/help.h"

namespace grid {

namespace {

constexpr int kButtonUnitsWide = 36, kButtonUnitsHigh = 13;
// The button columns, counted back from the right edge.
constexpr int kButtonFromRight[] = {250, 167, 84};

}  // namespace

void EditMemoLayout(const core::TDialog& oDlg, int nWidth, int nHeight) {
  if (!oDlg.hWnd || !oDlg.aControls.IsArray() || oDlg.aControls.Len() < 4) return;
  RECT button{0, 0, kButtonUnitsWide, kButtonUnitsHigh};
  MapDialogRect(oDlg.hWnd, &button);
  if (const auto memo = oDlg.aControls.At(1).As<core::TWindow>())
    MoveWindow(memo->hWnd, 3, 4, nWidth - 17, nHeight - 69, TRUE);
  for (std::size_t i = 0; i < 3; ++i) {
    if (const auto b = oDlg.aControls.At(i + 2).As<core::TWindow>())
      MoveWindow(b->hWnd, nWidth - kButtonFromRight[i], nHeight - 57, button.right, button.bottom, TRUE);
  }
}

bool EDITMEMO(std::string& cText, const rt::Value& cTitle, const rt::Value&, double nTop, double nLeft,
              double nBottom, double nRight) {
  const auto font = std::make_shared<gfx::TFont>()->New("Arial", 0, -13);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = nTop;
  d.nLeft = nLeft;
  d.nBottom = nBottom;
  d.nRight = nRight;
  d.cCaption = GridMessage(33) + " " + (cTitle.IsString() ? cTitle.AsString() : GridMessage(32));
  d.nStyle = static_cast<double>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME);
  d.oFont = rt::Value(font);
  dialog->New(d);

  auto text = std::make_shared<rt::Value>(cText);
  controls::MultiGetArgs m;
  m.nRow = 4;
  m.nCol = 3;
  m.bSetGet = rt::Value::Block([text](rt::Args a) {
    if (!a.empty()) *text = a[0];
    return *text;
  });
  m.oWnd = dialog->Self();
  m.nWidth = 200;
  m.nHeight = 60;
  m.lPixel = true;
  std::make_shared<controls::TMultiGet>()->New(m);

  bool accepted = false;
  std::weak_ptr<core::TDialog> weak = dialog;
  auto button = [&](int message, int column, rt::Value action) {
    controls::ButtonArgs b;
    b.nRow = 78;
    b.nCol = column;
    b.cCaption = GridMessage(message);
    b.oWnd = dialog->Self();
    b.bAction = std::move(action);
    b.nWidth = 72;
    b.nHeight = 26;
    b.lPixel = true;
    std::make_shared<controls::TButton>()->New(b);
  };
  button(34, 90, rt::Value::Block([weak, &accepted](rt::Args) {
           accepted = true;
           if (const auto dlg = weak.lock()) dlg->End(IDOK);
           return rt::Value();
         }));
  button(35, 134, rt::Value::Block([weak](rt::Args) {
           if (const auto dlg = weak.lock()) dlg->End();
           return rt::Value();
         }));
  button(36, 176, rt::Value::Block([](rt::Args) { return svc::HELPTOPIC(); }));

  dialog->bResized = rt::Value::Block([weak](rt::Args a) {
    if (const auto dlg = weak.lock()) EditMemoLayout(*dlg, rt::Arg(a, 1).AsInt(), rt::Arg(a, 2).AsInt());
    return rt::Value();
  });
  core::DialogActivation act;
  act.lCentered = true;
  act.bInit = rt::Value::Block([weak](rt::Args) {
    if (const auto dlg = weak.lock()) {
      RECT client{};
      GetClientRect(dlg->hWnd, &client);
      EditMemoLayout(*dlg, client.right, client.bottom);
    }
    return rt::Value(true);
  });
  dialog->Activate(act);
  font->End();
  if (accepted) cText = text->IsString() ? text->AsString() : cText;
  return accepted;
}

}  // namespace grid
