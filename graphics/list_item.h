#pragma once
// Owner-drawn items of list and combo boxes: text after an optional bitmap,
// the selection in the system's highlight colours, and the focus rectangle.

#include <windows.h>

#include "runtime/value.h"

namespace gfx {

// Sets the item height in the measure-item record at that address; true.
bool LBXMEASURE(LPARAM pMeasureItem, int nHeight);

// Draws the item of the draw-item record at that address. The text is
// aItems[id + 1]; the bitmap aBitmaps[n], n being bBitmap's answer for
// id + 1 when bBitmap is a block, else id + 1. Entries that are missing
// or of the wrong type draw as empty text and no bitmap. Always true.
bool LBXDRAWITEM(LPARAM pDrawItem, const rt::Value& aBitmaps, const rt::Value& aItems, int nBmpWidth,
                 const rt::Value& bBitmap = {});

}  // namespace gfx
