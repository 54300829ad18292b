#include "grid/tbtndown.h"

namespace grid {

TBtnDown& TBtnDown::New(const controls::BtnBmpArgs& args) {
  controls::BtnBmpArgs a = args;
  // Nineteen of the bitmap button's arguments reach it; the layout word
  // is not one of them.
  a.cLayout = {};
  TBtnBmp::New(a);
  cResName1 = args.cResName1.IsString() ? args.cResName1.AsString() : std::string();
  lBorder = true;
  return *this;
}

rt::Value TBtnDown::MouseMove(long nRow, long nCol, long nFlags) {
  const rt::Value result = TBtnBmp::MouseMove(nRow, nCol, nFlags);
  lBorder = true;
  return result;
}

rt::Value TBtnDown::Click() {
  const std::shared_ptr<Object> keep = shared_from_this();
  TBtnBmp::Click();
  lBorder = true;
  // The button must not stay lit once its action ran.
  LostFocus(0);
  MouseMove(0, 0, 0);
  return {};
}

void TBtnDown::PaintOver(HDC dc, int w, int h) {
  if (!cResName1.empty()) return;
  const int d = lPressed ? 1 : 0;
  const POINT arrow[] = {{w / 2 - 2 + d, h / 2 - 1 + d}, {w / 2 + d, h / 2 + 1 + d}, {w / 2 + 2 + d, h / 2 - 1 + d}};
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Polygon(dc, arrow, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

}  // namespace grid
