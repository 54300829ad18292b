// TControl and TDialog by name: the members and methods the class layer
// sends at run time.
#include "core/tcontrol.h"
#include "core/tdialog.h"
#include "graphics/class_names.h"
#include "graphics/tbrush.h"
#include "graphics/tfont.h"
#include "services/int32.h"

namespace core {

namespace {

using rt::Arg;

// Methods without arguments or answer: docking, which the container's
// ReSize calls by name, and the design-mode handles.
auto Docking(void (TControl::*adjust)()) {
  return [adjust](TControl& w, rt::Args) {
    (w.*adjust)();
    return rt::Value();
  };
}

}  // namespace

const rt::ClassInfo& TControl::ClassDef() {
  static const rt::ClassInfo info("TCONTROL", &TWindow::ClassDef(), nullptr, [](rt::ClassInfo& c) {
    rt::ClassBuilder<TControl>(c)
        .Data("bSetGet", &TControl::bSetGet)
        .Data("bChange", &TControl::bChange)
        .Data("bDragBegin", &TControl::bDragBegin)
        .Data("lCaptured", &TControl::lCaptured)
        .Data("lDrag", &TControl::lDrag)
        .Data("lMouseDown", &TControl::lMouseDown)
        .Data("lUpdate", &TControl::lUpdate)
        .Data("l3DLook", &TControl::l3DLook)
        .Data("nLastRow", &TControl::nLastRow)
        .Data("nLastCol", &TControl::nLastCol)
        .Data("nMResize", &TControl::nMResize)
        .Data("nDlgCode", &TControl::nDlgCode)
        .Data("oJump", &TControl::oJump)
        .Data("l97Look", &TControl::l97Look)
        .Data("nClientBevel", &TControl::nClientBevel)
        .Method("GetNewId", [](TControl&, rt::Args) { return rt::Value(TControl::GetNewId()); })
        .Method("Initiate",
                [](TControl& w, rt::Args a) {
                  w.Initiate(reinterpret_cast<HWND>(svc::ToHandle(Arg(a, 0))));
                  return rt::Value();
                })
        .Method("Redefine",
                [](TControl& w, rt::Args a) {
                  w.Redefine(svc::ToInt32(Arg(a, 0)), Arg(a, 1));
                  return w.Self();
                })
        .Method("cToChar", [](TControl& w, rt::Args a) { return rt::Value(w.cToChar(Arg(a, 0).AsString())); })
        .Method("Default",
                [](TControl& w, rt::Args) {
                  w.Default();
                  return rt::Value();
                })
        .Method("VarGet", [](TControl& w, rt::Args) { return w.VarGet(); })
        .Method("VarPut",
                [](TControl& w, rt::Args a) {
                  w.VarPut(Arg(a, 0));
                  return rt::Value();
                })
        .Method("End", [](TControl& w, rt::Args) { return rt::Value(w.End()); })
        .Method("Click", [](TControl& w, rt::Args) { return w.Click(); })
        .Method("Change", [](TControl& w, rt::Args) { return w.Change(); })
        .Method("ForWhen",
                [](TControl& w, rt::Args) {
                  w.ForWhen();
                  return rt::Value();
                })
        .Method("SetFocus",
                [](TControl& w, rt::Args) {
                  w.SetFocus();
                  return rt::Value();
                })
        .Method("ChangeFocus", Docking(&TControl::ChangeFocus))
        .Method("Set3DLook", Docking(&TControl::Set3DLook))
        .Method("Init", [](TControl& w, rt::Args) { return w.Init(); })
        .Method("KeyUp",
                [](TControl& w, rt::Args a) { return w.KeyUp(svc::ToInt32(Arg(a, 0)), svc::ToInt32(Arg(a, 1))); })
        .Method("FillMeasure",
                [](TControl& w, rt::Args a) { return w.FillMeasure(static_cast<LPARAM>(svc::ToHandle(Arg(a, 0)))); })
        .Method("DragBegin",
                [](TControl& w, rt::Args a) {
                  w.DragBegin(svc::ToInt32(Arg(a, 0)), svc::ToInt32(Arg(a, 1)), svc::ToInt32(Arg(a, 2)));
                  return rt::Value();
                })
        .Method("CheckDots", Docking(&TControl::CheckDots))
        .Method("ShowDots", Docking(&TControl::ShowDots))
        .Method("HideDots", Docking(&TControl::HideDots))
        .Method("MResize",
                [](TControl& w, rt::Args a) {
                  w.MResize(svc::ToInt32(Arg(a, 0)), svc::ToInt32(Arg(a, 1)), svc::ToInt32(Arg(a, 2)), Arg(a, 3));
                  return rt::Value();
                })
        .Method("AdjTop", Docking(&TControl::AdjTop))
        .Method("AdjBottom", Docking(&TControl::AdjBottom))
        .Method("AdjLeft", Docking(&TControl::AdjLeft))
        .Method("AdjRight", Docking(&TControl::AdjRight))
        .Method("AdjClient", Docking(&TControl::AdjClient))
        .Method("nAlign", [](TControl& w, rt::Args) { return rt::Value(w.nAlign()); })
        .Method("_nAlign", [](TControl& w, rt::Args a) {
          w._nAlign(svc::ToInt32(Arg(a, 0)));
          return Arg(a, 0);
        });
  });
  return info;
}

const rt::ClassInfo& TDialog::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kDialog), &TWindow::ClassDef(), rt::FactoryOf<TDialog>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TDialog>(c)
        .Data("cResName", &TDialog::cResName)
        .Data("cResData", &TDialog::cResData)
        .Data("hResources", &TDialog::hResources)
        .Data("lCentered", &TDialog::lCentered)
        .Data("lModal", &TDialog::lModal)
        .Data("lModify", &TDialog::lModify)
        .Data("bStart", &TDialog::bStart)
        .Data("lHelpIcon", &TDialog::lHelpIcon)
        .Data("lResize16", &TDialog::lResize16)
        .Method("New",
                [](TDialog& d, rt::Args a) {
                  DialogArgs n;
                  rt::Value* fields[] = {&n.nTop,    &n.nLeft,    &n.nBottom, &n.nRight,   &n.cCaption,
                                         &n.cResName, &n.hResources, &n.lVbx,   &n.nStyle,   &n.nClrText,
                                         &n.nClrBack, &n.oBrush,   &n.oWnd,    &n.lPixel,   &n.oIcon,
                                         &n.oFont,    &n.nHelpId,  &n.nWidth,  &n.nHeight};
                  for (std::size_t i = 0; i < std::size(fields) && i < a.size(); ++i) *fields[i] = a[i];
                  return d.New(n).Self();
                })
        .Method("Define",
                [](TDialog& d, rt::Args a) {
                  d.Define(svc::ToInt32(Arg(a, 0)), svc::ToInt32(Arg(a, 1)), svc::ToInt32(Arg(a, 2)),
                           svc::ToInt32(Arg(a, 3)), Arg(a, 4).IsString() ? a[4].AsString() : std::string(),
                           Arg(a, 5).IsNumber() ? svc::ToInt32(a[5]) : 0, Arg(a, 6).IsLogical() && a[6].AsLogical(),
                           Arg(a, 7), Arg(a, 8), Arg(a, 9).As<gfx::TBrush>());
                  return d.Self();
                })
        .Method("Activate",
                [](TDialog& d, rt::Args a) {
                  DialogActivation n;
                  rt::Value* fields[] = {&n.bLClicked, &n.bMoved, &n.bPainted, &n.lCentered, &n.bValid,
                                         &n.lModal,    &n.bInit,  &n.bRClicked, &n.bWhen,    &n.lResize16};
                  for (std::size_t i = 0; i < std::size(fields) && i < a.size(); ++i) *fields[i] = a[i];
                  return d.Activate(n);
                })
        .Method("AdjTop",
                [](TDialog& d, rt::Args) {
                  d.AdjTop();
                  return rt::Value();
                })
        .Method("ChangeFocus",
                [](TDialog& d, rt::Args) {
                  d.ChangeFocus();
                  return rt::Value();
                })
        .Method("cToChar",
                [](TDialog& d, rt::Args a) {
                  return rt::Value(d.cToChar(reinterpret_cast<HWND>(svc::ToHandle(Arg(a, 0)))));
                })
        .Method("Display", [](TDialog& d, rt::Args) { return d.Display(); })
        .Method("GetItem",
                [](TDialog& d, rt::Args a) {
                  return rt::Value(reinterpret_cast<std::intptr_t>(d.GetItem(svc::ToInt32(Arg(a, 0)))));
                })
        .Method("Help",
                [](TDialog& d, rt::Args a) {
                  return d.Help(static_cast<LPARAM>(svc::ToHandle(Arg(a, 0))),
                                static_cast<LPARAM>(svc::ToHandle(Arg(a, 1))));
                })
        .Method("Help95",
                [](TDialog& d, rt::Args) {
                  d.Help95();
                  return rt::Value();
                })
        .Method("Initiate",
                [](TDialog& d, rt::Args a) {
                  return d.Initiate(static_cast<LPARAM>(svc::ToHandle(Arg(a, 0))),
                                    static_cast<LPARAM>(svc::ToHandle(Arg(a, 1))));
                })
        .Method("PrintClient", [](TDialog& d, rt::Args a) {
                  return rt::Value(d.PrintClient(static_cast<LPARAM>(svc::ToHandle(Arg(a, 0)))));
                })
        .Method("SetControl",
                [](TDialog& d, rt::Args a) {
                  d.SetControl(Arg(a, 0));
                  return rt::Value();
                })
        .Method("SetFont",
                [](TDialog& d, rt::Args a) {
                  d.SetFont(Arg(a, 0).As<gfx::TFont>());
                  return rt::Value();
                })
        .Method("DefControl",
                [](TDialog& d, rt::Args a) {
                  d.DefControl(Arg(a, 0));
                  return rt::Value();
                })
        .Method("GetHotPos",
                [](TDialog& d, rt::Args a) {
                  return rt::Value(reinterpret_cast<std::intptr_t>(d.GetHotPos(svc::ToInt32(Arg(a, 0)))));
                })
        .Method("End", [](TDialog& d, rt::Args a) {
          return rt::Value(d.End(Arg(a, 0).IsNumber() ? svc::ToInt32(a[0]) : IDCANCEL));
        });
  });
  return info;
}

RT_CLASS_REGISTER(TControl);
RT_CLASS_REGISTER(TDialog);

}  // namespace core
