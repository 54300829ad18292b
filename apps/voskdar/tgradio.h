#pragma once
// The check-item control: owner-drawn items, each a glyph or shape and a
// text, bound to one variable. Several items form a radio group bound to
// the number of the selected item; a single item is a check item bound to
// a logical value. A "LISTBOX" window whose painting is all its own.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/tcontrol.h"

namespace voskdar {

struct GRadioArgs {
  rt::Value nRow, nCol, aItems, bSetGet, oWnd, aHelp, bChange, aColors, cMsg, lUpdate, bWhen, nWidth, nHeight,
      uUnused, lDesign, c3D, lPixel, aFonts, cBoxStyle, cBoxType, cLabel, nAlign, cToolTip, aBitmaps, aActions;
};

// Where the layout put an item inside the control.
struct ItemPos {
  int top = 0, left = 0, width = 0, row = 0, column = 0;
};

class TGRadio : public core::TControl {
 public:
  RT_CLASS_DECL()

  std::vector<std::string> aItems;
  std::array<long, 6> aColors{};  // text, background, frame light, frame dark, label, item background
  std::array<std::shared_ptr<gfx::TFont>, 2> aFonts;  // items, label
  rt::Value aHelp, aActions, aBitMaps, bWhenBack, bBitMapH, bBmpWidth, bBmpHeight;
  std::vector<ItemPos> aPos;
  std::string cBoxType, cLabel;
  bool lRepaint = true, lPainted = false, l3DText = false, lNoSplit = false, lNoAdj = false, lDefault = false,
       lResizing = false, lTwice = false;
  rt::Value lCheckBox;  // NIL for a radio group
  long nItem = 1, nIHeight = 0, nPaint = 0, nAlign = 0, nPressed = 0, nBStyle = 5;
  RECT oRect{};
  rt::Value uForced;

  inline static bool lRegistered = false;

  TGRadio() = default;
  ~TGRadio() override;
  TGRadio(const TGRadio&) = delete;
  TGRadio& operator=(const TGRadio&) = delete;

  TGRadio& New(const GRadioArgs& args = {});
  // Binds the control to item nId of a dialog resource: args as for New,
  // whose position and size the resource gives instead.
  TGRadio& Redefine(long nId, const GRadioArgs& args = {});
  void Initiate(HWND hDlg) override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "LISTBOX" : cClass);
  }
  void Default() override;
  void Resize(long nType, long nWidth, long nHeight);
  rt::Value Destroy() override;
  void Disable();
  void Enable(bool lFocus = false);
  rt::Value Display() override;
  void DrawLine(long n, std::optional<bool> lTicked = {}, std::optional<bool> lFocused = {}, bool lPressed = false);
  void Force(const rt::Value& uValue);
  void Refresh();
  void SetItems(const rt::Value& uItems, long n = 0);
  bool IsCheckItem() const { return !lCheckBox.IsNil(); }
  // The four default glyphs, shared by all controls.
  static const std::array<HBITMAP, 4>& aRadBmp();

  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value LDblClick(long nRow, long nCol, long nFlags) override;
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;

 private:
  void Setup(const GRadioArgs& a);
  void Paint(HDC hDC);
  long ItemAt(long nRow, long nCol) const;
  void Changed(long nKey, long nFlags);
  void Select(long n, long nKey, long nFlags);
  void Toggle(long nKey, long nFlags);
  HFONT ItemFont() const;
  // The glyph blocks' defaults: a glyph is a bitmap object or a handle.
  void SetGlyphBlocks();
  // User glyph n (1-4, given) through bBitMapH, and its size through
  // bBmpWidth or bBmpHeight (measure when that block is not set).
  HBITMAP UserGlyph(std::size_t n) const;
  int GlyphSize(const rt::Value& block, int (*measure)(HBITMAP), std::size_t n) const;
  bool glyphsHeld_ = false;
  bool fromResource_ = false;  // bound to a dialog item by Redefine
  HDC paintDc_ = nullptr;  // the DC of the paint under way
};

}  // namespace voskdar
