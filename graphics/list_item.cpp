#include "graphics/list_item.h"

#include <string>

#include "graphics/bitmap.h"
#include "services/int32.h"

namespace gfx {

namespace {

// The element at a 1-based position, NIL when the array has none there.
rt::Value Entry(const rt::Value& array, long position) {
  if (!array.IsArray() || position < 1 || static_cast<std::size_t>(position) > array.Len()) return {};
  return array.At(static_cast<std::size_t>(position));
}

// Standard dialogs ("#32770") draw their list boxes' focus themselves.
bool ParentIsStandardDialog(HWND item) {
  char cls[64] = {};
  const int length = GetClassNameA(GetParent(item), cls, sizeof cls);
  return length > 5 && cls[5] == '0';
}

void DrawItem(const DRAWITEMSTRUCT& dis, const rt::Value& aBitmaps, const rt::Value& aItems, int nBmpWidth,
              const rt::Value& bBitmap) {
  HDC dc = dis.hDC;
  const RECT rc = dis.rcItem;
  const bool focused = dis.itemState & ODS_FOCUS;
  if (focused) DrawFocusRect(dc, &rc);  // XOR: an old one vanishes

  const bool selected = dis.itemState & ODS_SELECTED;
  const COLORREF oldText = selected ? SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT)) : 0;
  const COLORREF oldBack = selected ? SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT)) : 0;

  const long position = static_cast<long>(dis.itemID) + 1;
  const rt::Value item = Entry(aItems, position);
  const std::string text = item.IsString() ? item.AsString() : std::string();
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const int y = (rc.top + rc.bottom) / 2 - tm.tmHeight / 2;
  ExtTextOutA(dc, rc.left + 3 + nBmpWidth, y, ETO_OPAQUE | ETO_CLIPPED, &rc, text.data(),
              static_cast<UINT>(text.size()), nullptr);

  const long bitmapPosition = bBitmap.IsBlock() ? bBitmap.Eval(position).AsInt() : position;
  const rt::Value bitmap = Entry(aBitmaps, bitmapPosition);
  if (bitmap.IsNumber() && bitmap.AsInt() != 0) {
    DRAWMASKED(dc, svc::HandleOf<HBITMAP>(svc::ToHandle(bitmap)), rc.top, rc.left);
  }

  if (selected) {
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
  }
  if (focused) DrawFocusRect(dc, &rc);
}

}  // namespace

bool LBXMEASURE(LPARAM pMeasureItem, int nHeight) {
  reinterpret_cast<MEASUREITEMSTRUCT*>(pMeasureItem)->itemHeight = static_cast<UINT>(nHeight);
  return true;
}

bool LBXDRAWITEM(LPARAM pDrawItem, const rt::Value& aBitmaps, const rt::Value& aItems, int nBmpWidth,
                 const rt::Value& bBitmap) {
  const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(pDrawItem);
  if (dis.itemID == static_cast<UINT>(-1)) {
    DrawFocusRect(dis.hDC, &dis.rcItem);
    return true;
  }
  if (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    DrawItem(dis, aBitmaps, aItems, nBmpWidth, bBitmap);
  } else if (dis.itemAction & ODA_FOCUS) {
    if (dis.CtlType == ODT_COMBOBOX || !ParentIsStandardDialog(dis.hwndItem)) DrawFocusRect(dis.hDC, &dis.rcItem);
  }
  return true;
}

}  // namespace gfx
