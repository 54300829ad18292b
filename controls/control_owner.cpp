#include "controls/control_owner.h"

#include "core/send_soft.h"
#include "core/window_defaults.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace controls {

rt::Value OwnerOr(const rt::Value& oWnd) { return oWnd.IsNil() ? core::GETWNDDEFAULT() : oWnd; }

long NumOr(const rt::Value& v, long n) { return v.IsNumber() ? svc::ToInt32(v) : n; }

void PlaceAt(core::TControl& control, long nRow, long nCol, long nWidth, long nHeight, bool lPixel) {
  if (!lPixel) {
    nRow *= 14;
    nCol *= 8;
  }
  control.nTop = static_cast<int>(nRow);
  control.nLeft = static_cast<int>(nCol);
  control.nBottom = static_cast<int>(nRow + nHeight - 1);
  control.nRight = static_cast<int>(nCol + nWidth - 1);
}

void Place(core::TControl& control, const std::string& cClass) {
  const auto owner = control.Container();
  if (owner && owner->hWnd) {
    control.nId = core::TControl::GetNewId();
    control.Create(cClass);
    control.Default();
    owner->AddControl(control.Self());
  } else {
    core::Ask(control.oWnd, "DefControl", control.Self());
  }
}

std::string ValueText(const rt::Value& u, const rt::Value& cPicture) {
  return cPicture.IsString() && !cPicture.AsString().empty() ? rt::TRANSFORM(u, cPicture.AsString())
                                                             : rt::CVALTOCHAR(u);
}

}  // namespace controls
