#pragma once
// The grid's multi-line cell editor, for text values that hold a carriage
// return. Tab (or Ctrl+W) hands the edited text to the grid once it is
// valid; the grid closes the pop-up after the key is done with.

#include "controls/tmultiget.h"

namespace grid {

class TGMulti : public controls::TMultiGet {
 public:
  RT_CLASS_DECL()

  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  bool lValid();

 private:
  void Commit(long nKey, long nFlags);
};

}  // namespace grid
