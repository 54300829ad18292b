#include "controls/tmsgitem.h"

#include <utility>

#include "controls/tmsgbar.h"
#include "core/window_state.h"
#include "graphics/bitmap.h"
#include "graphics/colour.h"
#include "graphics/frames.h"
#include "graphics/msg_paint.h"
#include "graphics/theme.h"
#include "runtime/files.h"
#include "runtime/value_text.h"
#include "services/int32.h"
#include "services/resources.h"

namespace controls {

namespace {

// A picture by file name when the file exists, else from the resources.
Picture PanelPicture(const rt::Value& name) {
  if (!name.IsString() || name.AsString().empty()) return {};
  if (rt::FileExists(name.AsString())) return {gfx::READBITMAP(nullptr, name.AsString()), nullptr};
  const auto module = reinterpret_cast<HINSTANCE>(svc::GETRESOURCES());
  return {gfx::LOADBITMAP(module, name), nullptr};
}

}  // namespace

std::shared_ptr<TMsgBar> TMsgItem::Bar() const { return oMsgBar.As<TMsgBar>(); }

TMsgItem& TMsgItem::New(const MsgItemArgs& a) {
  oMsgBar = a.oMsgBar;
  const auto bar = Bar();
  nClrText = bar ? bar->nClrText : 0;
  nClrPane = bar ? bar->nClrPane : gfx::GETSYSCOLOR(COLOR_BTNFACE);
  if (a.nClrText.IsString()) {
    nClrText = gfx::NGETFORERGB(a.nClrText);
    nClrPane = gfx::NGETBACKRGB(a.nClrText);
  } else {
    if (a.nClrText.IsNumber()) nClrText = svc::ToInt32(a.nClrText);
    if (a.nClrPane.IsNumber()) nClrPane = svc::ToInt32(a.nClrPane);
  }
  nClrDisabled = nClrText;
  cMsg = a.cMsg.IsString() ? a.cMsg.AsString() : std::string();
  cToolTip = a.cToolTip.IsNil() ? rt::Value("") : a.cToolTip;
  bAction = a.bAction;
  SetFont(a.oFont.IsObject() ? a.oFont.As<gfx::TFont>() : bar ? bar->oFont : nullptr);
  lActive = lWasActive = true;
  lTimer = false;
  picture1 = PanelPicture(a.cBitmap1);
  picture2 = PanelPicture(a.cBitmap2);
  if (a.nWidth.IsNumber()) {
    nWidth = svc::ToInt32(a.nWidth);
  } else if (picture1.bitmap || picture2.bitmap) {
    nWidth = PictureSize(picture1.bitmap ? picture1.bitmap : picture2.bitmap).cx + 7;
  } else {
    nWidth = 40;
  }
  const bool tip = cToolTip.IsBlock() || (cToolTip.IsString() && !cToolTip.AsString().empty());
  if (tip && bar) bar->cToolTip = rt::Value("");
  if (rt::IsTrue(a.lAdd) && bar) bar->AddItem(std::static_pointer_cast<TMsgItem>(shared_from_this()));
  return *this;
}

void TMsgItem::SetFont(const std::shared_ptr<gfx::TFont>& font) { gfx::HoldFont(oFont, font); }

void TMsgItem::Release() {
  FreePicture(picture1);
  FreePicture(picture2);
  if (const auto old = std::exchange(oFont, nullptr)) old->End();
}

long TMsgItem::nLeft() const {
  const auto bar = Bar();
  if (!bar) return 0;
  long right = bar->nRight - 13;
  const auto owner = bar->oWnd.As<core::TWindow>();
  if (!gfx::ISAPPTHEMED() && owner && core::ISZOOMED(owner->hWnd)) right = bar->nRight - 3;
  const auto& items = bar->aItem;
  for (auto it = items.rbegin(); it != items.rend() && it->get() != this; ++it) right -= (*it)->nWidth + 4;
  return right - (nWidth - 2);
}

bool TMsgItem::IsOver(long nRow, long nCol) const {
  const long left = nLeft();
  return nCol >= left - 1 && nCol <= left + nWidth - 7 && nRow > 5;
}

void TMsgItem::Refresh() {
  if (!bMsg.IsBlock()) return;
  const std::string text = rt::CVALTOCHAR(bMsg.Eval());
  const bool changed = text != cMsg || lActive != lWasActive;
  cMsg = text;
  lWasActive = lActive;
  if (changed) Paint();
}

void TMsgItem::SetText(const rt::Value& u) {
  cMsg = rt::CVALTOCHAR(u);
  Paint();
}

void TMsgItem::Click(long nRow, long nCol) {
  if (bAction.IsBlock()) bAction.Eval(nRow, nCol);
}

void TMsgItem::Paint(HDC hDC) {
  const auto bar = Bar();
  if (!bar || !bar->hWnd) return;
  const HDC dc = hDC ? hDC : GetDC(bar->hWnd);
  const long left = nLeft();
  const long height = bar->Height();
  long pictureWidth = 0;
  const HBITMAP picture = lActive || !picture2.bitmap ? picture1.bitmap : picture2.bitmap;
  if (picture) {
    gfx::DRAWMASKED(dc, picture, 4, static_cast<int>(left + 1));
    pictureWidth = PictureSize(picture).cx;
  }
  const rt::Value rect = rt::Value::Array({rt::Value(5), rt::Value(left + pictureWidth), rt::Value(height - 6),
                                           rt::Value(left + nWidth - 7)});
  gfx::DRAWMSGITEM(dc, cMsg, rect, static_cast<COLORREF>(lActive ? nClrText : nClrDisabled),
                   static_cast<COLORREF>(nClrPane), oFont ? oFont->hFont : nullptr);
  gfx::WNDBOXIN(dc, 3, static_cast<int>(left - 2), static_cast<int>(height - 5), static_cast<int>(left + nWidth - 6));
  if (!hDC) ReleaseDC(bar->hWnd, dc);
}

}  // namespace controls
