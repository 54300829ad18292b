// TControl and TDialog by name: the members and methods the class layer
// sends at run time.
#include "core/tcontrol.h"
#include "core/tdialog.h"
#include "graphics/class_names.h"
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
