#pragma once
// Fonts of the class layer, pooled by value: asking for a font equal to a
// living one returns that object with its use count raised, and the handle
// is deleted only when the last user ends it. Stock fonts are never pooled
// and never deleted.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace gfx {

class TFont : public rt::Object {
 public:
  RT_CLASS_DECL()

  std::string cFaceName;
  HFONT hFont = nullptr;
  HFONT hFontOld = nullptr;
  bool lBold = false;
  bool lItalic = false;
  bool lUnderline = false;
  bool lStrikeOut = false;
  double nInpHeight = 0;  // negative: character height in pixels
  double nInpWidth = 0;
  int nEscapement = 0;
  int nOrientation = 0;
  int nWeight = 0;
  int nCharSet = 0;
  int nOutPrecision = 0;
  int nClipPrecision = 0;
  int nQuality = 0;
  int nPitchFamily = 0;
  int nCount = 0;
  bool lDestroy = true;  // false for stock fonts
  bool lNew = false;     // whether New made the handle rather than finding a pooled font

  // The font asked for: this object, or a living equal one from the pool.
  // Called on an object made with std::make_shared (the pool shares it).
  // With lFromUser the font dialog chooses; with oDevice the height is in
  // points and scaled to the device's vertical resolution.
  std::shared_ptr<TFont> New(const std::string& cFaceName = "SYSTEM_FONT", double nWidth = 0, double nHeight = 14,
                             bool lFromUser = false, bool lBold = false, int nEscapement = 0,
                             int nOrientation = 0, int nWeight = 0, bool lItalic = false, bool lUnderline = false,
                             bool lStrikeOut = false, int nCharSet = 0, int nOutPrecision = 0,
                             int nClipPrecision = 0, int nQuality = 0, const rt::Value& oDevice = {},
                             int nPitchFamily = 0);
  // The font dialog starting from this font: a new font for a confirmed
  // choice (this one gives up its use), this font itself when cancelled.
  std::shared_ptr<TFont> Choose(rt::Value* nRGBColor = nullptr);
  // Gives up one use; the last one deletes the handle.
  void End();
  void Release() { End(); }
  void Activate(HDC hDC);
  void DeActivate(HDC hDC);

  // Size in points on the screen, in quarter steps.
  double nSize() const;
  double nWidth() const;
  void _nWidth(double n) { nInpWidth = n; }
  double nHeight() const;
  void _nHeight(double n) { nInpHeight = n; }

  // The 14-element logical-font array of this font.
  rt::Value LogFont() const;
};

using TFontPtr = std::shared_ptr<TFont>;

// The living pooled fonts, shared by the whole program.
const std::vector<TFontPtr>& FontPool();

// Keeps `font` in `slot` with a use of its own and ends the use of the font
// it replaces: every holder counts its use, so a font lives until its last
// holder ends it. `font` is a copy, as it may be the slot's own.
void HoldFont(TFontPtr& slot, TFontPtr font);

}  // namespace gfx
