#pragma once
// Brushes of the class layer, pooled by their description (style, colour,
// bitmap file, bitmap resource): asking for an equal brush returns the living
// object with its use count raised. Stock brushes are pooled too but never
// deleted.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace gfx {

class TBrush : public rt::Object {
 public:
  RT_CLASS_DECL()

  HBRUSH hBrush = nullptr;  // 0 also when the brush's bitmap could not be loaded
  HBITMAP hBitmap = nullptr;
  int nCount = 0;
  rt::Value cStyle;
  rt::Value nRGBColor;
  rt::Value cBmpFile;
  rt::Value cBmpRes;
  bool lSystem = false;  // a stock brush

  // This object, or a living equal one from the pool (call it on an object
  // made with std::make_shared, since the pool shares it). Styles: "NULL", the
  // built-in patterns "BORLAND", "BRICKS", "TILED", "TABS", the hatches
  // "HORIZONTAL", "VERTICAL", "FDIAGONAL", "BDIAGONAL", "CROSS", "DIAGCROSS";
  // any other style, or none without a colour, takes the bitmap file or the
  // bitmap resource.
  std::shared_ptr<TBrush> New(const rt::Value& cStyle = {}, const rt::Value& nRGBColor = {},
                              const rt::Value& cBmpFile = {}, const rt::Value& cBmpRes = {});
  // The line that recreates the brush in generated source.
  std::string cGenPRG() const;
  // Gives up one use; the last one leaves the pool and deletes the handles.
  void End();
  void Release() { End(); }
};

using TBrushPtr = std::shared_ptr<TBrush>;

// The class data aBrushes: every living brush, one array for all.
const std::vector<TBrushPtr>& BrushPool();

}  // namespace gfx
