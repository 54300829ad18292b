#pragma once
// The small button inside the grid's button-edit cell: a bitmap button that
// keeps its border and, without a bitmap of its own, shows a drop-down
// arrow. It answers to the name of the bitmap button (it has no class
// description of its own), so everything that treats bitmap buttons alike
// treats it the same.

#include "controls/tbtnbmp.h"

namespace grid {

class TBtnDown : public controls::TBtnBmp {
 public:
  // The bitmap button's arguments; the fifth (the bitmap name) stays in
  // cResName1 and the border is always on.
  TBtnDown& New(const controls::BtnBmpArgs& args = {});

  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value Click() override;

 protected:
  void PaintOver(HDC dc, int w, int h) override;
};

}  // namespace grid
