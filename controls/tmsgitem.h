#pragma once
// A panel of the message bar: a text (optionally refreshed from a block on
// every tick of the bar's timer), colours, up to two pictures (active and
// inactive), a tooltip and a click action. Panels are laid out from the
// bar's right edge, so their place follows the bar's width.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/picture.h"
#include "graphics/tfont.h"
#include "runtime/object.h"

namespace controls {

class TMsgBar;

struct MsgItemArgs {
  rt::Value oMsgBar, cMsg, nWidth, oFont, nClrText, nClrPane, lAdd, bAction, cBitmap1, cBitmap2, cToolTip;
};

class TMsgItem : public rt::Object {
 public:
  RT_CLASS_DECL()

  TMsgItem() = default;
  TMsgItem(const TMsgItem&) = delete;
  TMsgItem& operator=(const TMsgItem&) = delete;
  ~TMsgItem() override { Release(); }

  rt::Value oMsgBar;
  std::string cMsg;
  long nWidth = 40;
  long nClrText = 0, nClrPane = 0, nClrDisabled = 0;
  rt::Value bMsg, bAction;
  std::shared_ptr<gfx::TFont> oFont;
  bool lActive = true, lTimer = false, lWasActive = true;
  Picture picture1, picture2;
  rt::Value cToolTip;

  TMsgItem& New(const MsgItemArgs& args);
  // Reads bMsg again and repaints when the text or the active state changed.
  void Refresh();
  // Gives up the old font and holds a use of the new one.
  void SetFont(const std::shared_ptr<gfx::TFont>& font);
  // Paints into hDC, or into a DC of the bar when it is 0.
  void Paint(HDC hDC = nullptr);
  void SetText(const rt::Value& u);
  void Click(long nRow, long nCol);
  bool IsOver(long nRow, long nCol) const;
  // The panel's left edge in the bar, counted from the bar's right edge.
  long nLeft() const;
  // Frees both pictures and gives up the font use (the bar's Destroy, and
  // a panel that goes away on its own).
  void Release();

 private:
  std::shared_ptr<TMsgBar> Bar() const;
};

}  // namespace controls
