#include "grid/tgmulti.h"

#include "runtime/value_fns.h"

namespace grid {

namespace {

constexpr long kCtrlW = 23;

}  // namespace

const rt::ClassInfo& TGMulti::ClassDef() {
  static const rt::ClassInfo info("TGMULTI", &controls::TMultiGet::ClassDef(), rt::FactoryOf<TGMulti>(),
                                  [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(TGMulti);

void TGMulti::Commit(long nKey, long nFlags) {
  const std::shared_ptr<Object> keep = shared_from_this();
  Store();
  if (lValid() && bKeyDown.IsBlock()) bKeyDown.Eval(nKey, nFlags);
}

rt::Value TGMulti::KeyDown(long nKey, long nFlags) {
  if (nKey == VK_TAB || nKey == kCtrlW) {
    Commit(nKey, nFlags);
    return rt::Value(0);
  }
  return controls::TMultiGet::KeyDown(nKey, nFlags);
}

rt::Value TGMulti::KeyChar(long nKey, long nFlags) {
  // Tab was handed over when its key went down.
  if (nKey == VK_TAB) return rt::Value(0);
  if (nKey == kCtrlW) {
    Commit(nKey, nFlags);
    return rt::Value(0);
  }
  return controls::TMultiGet::KeyChar(nKey, nFlags);
}

bool TGMulti::lValid() { return !bValid.IsBlock() || rt::IsTrue(bValid.Eval(rt::Value(cText()))); }

}  // namespace grid
