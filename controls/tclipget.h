#pragma once
// The edit buffer of a TGet: the runtime's Get that never paints, since the
// native edit window shows the text.

#include "runtime/get.h"

namespace controls {

class TClipGet : public rt::Get {
 public:
  RT_CLASS_DECL()
  void Display() override {}
};

// A TClipGet over the block and picture, made with the Get's New.
std::shared_ptr<TClipGet> GETNEW(int nRow, int nCol, const rt::Value& bSetGet, const std::string& cVarName,
                                 const rt::Value& cPicture, const std::string& cColor = {});

}  // namespace controls
