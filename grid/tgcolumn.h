#pragma once
// One column of the browse grid: where its value comes from, how it is
// shown (picture, alignment, width, fonts, colours of every state, 3-D
// look) and how it may be edited. It has no window; the grid reads its
// members when it paints and edits. Save and Load keep the designer's few
// properties in a design record.

#include <string>

#include "runtime/object.h"
#include "runtime/value.h"

namespace grid {

// The 27 arguments of New, in order; the 27th is accepted and not used.
struct ColumnArgs {
  rt::Value cHeading, bData, cPicture, aColors, aAlign, nWidth, lBitMap, lEdit, bValid, lNoLite, cOrder, cFooting,
      bPrevEdit, bPostEdit, nEditMove, lFixLite, a3DLook, bWhen, oBrw, lSpinner, bUp, bDown, bMin, bMax, lAppend,
      cMsg, uUnused;
};

// The message shown while a cell is edited, when the program gives none.
inline constexpr const char* kDefaultEditMsg = "Para cancelar la edici\xF3n, presiona [Esc]";

class TGColumn : public rt::Object {
 public:
  RT_CLASS_DECL()

  rt::Value aExport, aList, bPrevEdit, bPostEdit, bData, bDown, bAction, bHAction, bMax, bMin, bUp, bValid, bWhen;
  rt::Value Cargo, cData, cError, cFooting, cHeading, cMsg, cOrder, cPicture, cResName;
  rt::Value oFont, oFontHead, oFontFoot;
  bool l3DLook = false, l3DLookHead = false, l3DLookFoot = false;
  rt::Value l3DTextCell, l3DTextHead, l3DTextFoot;
  bool lAppend = false;
  rt::Value lBitMap;
  bool lAdjBmp = false, lAdjBmpHead = false, lAdjBmpFoot = false;
  bool lChildHead = false, lEdit = false, lFixLite = false, lIndexCol = false, lNoLite = false, lNoHiLite = false,
       lSpinner = false;
  rt::Value nAlign, nBmpWidth;
  rt::Value nClrFore, nClrBack, nClrHeadBack, nClrHeadFore, nClrFocuBack, nClrFocuFore, nClrEditBack, nClrEditFore,
      nClrFootBack, nClrFootFore, nClrSeleBack, nClrSeleFore, nClrOrdeBack, nClrOrdeFore;
  rt::Value nClr3DLCell, nClr3DLHead, nClr3DLFoot, nClr3DSCell, nClr3DSHead, nClr3DSFoot;
  long nEditMove = 0;
  rt::Value nFAlign, nHAlign;
  long nWidth = 0;
  rt::Value OnEdit;

  // Class data: the members Save stores, and the events it stores as text.
  static const rt::Value& aProperties();
  static const rt::Value& aEvents();

  TGColumn& New(const ColumnArgs& args = {});
  // Does nothing: a column owns no window or drawing object.
  void End() {}
  // The column as a design record; "" (after a limit error the program
  // hears of) when a value does not fit the record's 16-bit lengths.
  std::string Save() const;
  // Restores the members a record's items name. A damaged record, or one
  // that names anything but the stored properties and events, raises a
  // corruption error and leaves the column as it was; answers whether the
  // record was taken.
  bool Load(const std::string& cData);
};

// Reads the alignment word or number of a column: "LEFT", "CENTER",
// "RIGHT", "VERT" in any case (0..3), any other word 0; a number or a block
// is kept.
rt::Value AlignOf(const rt::Value& u);
// A 3-D look word or logical: "T", ".T.", "SI" or "YES" in any case are .T.
bool LookOf(const rt::Value& u);

}  // namespace grid
