// What the report's hooks draw and set: text in a column, pictures, boxes
// and lines in inches or centimetres, margins, colours, and the edits of
// the column and group lists.
#include <algorithm>

#include "print/treport.h"

namespace prn {

namespace {

template <class T>
void EraseAt(std::vector<T>& items, std::size_t n) {
  if (n >= 1 && n <= items.size()) items.erase(items.begin() + static_cast<long>(n - 1));
}

}  // namespace

void TReport::DelColumn(std::size_t n) { EraseAt(aColumns, n); }

void TReport::InsColumn(const std::shared_ptr<TRColumn>& column, std::size_t n) {
  if (!column || n < 1 || n > aColumns.size() + 1) return;
  column->oReport = this;
  aColumns.insert(aColumns.begin() + static_cast<long>(n - 1), column);
}

void TReport::DelGroup(std::size_t n) { EraseAt(aGroups, n); }

void TReport::NewLine(double height) {
  StartLine(height);
  if (!lFirstRow) EndLine(height);
}

void TReport::Say(int nCol, const rt::Value& xText, int nFont, int nPad, const rt::Value& nRowAt) {
  if (aColumns.empty()) return;
  const std::size_t col = nCol >= 1 && nCol <= static_cast<int>(aColumns.size()) ? static_cast<std::size_t>(nCol) : 1;
  const TRColumn& c = *aColumns[col - 1];
  const double row = nRowAt.IsNumber() ? nRowAt.AsNumber() : nRow;
  oDevice->Say(row, c.nCalCol, TextOf(ValueOf(xText)), ClampFont(rt::Value(nFont)), c.nWidth,
               std::clamp(nPad, 1, 3) - 1, false);
}

void TReport::SayBitmap(double row, double col, const rt::Value& cBitmap, double width, double height, int nUnit) {
  if (!oDevice) return;
  oDevice->SayBitmap(Inches(row, nUnit) * nLogPixY, Inches(col, nUnit) * nLogPixX, cBitmap,
                     Inches(width, nUnit) * nLogPixX, Inches(height, nUnit) * nLogPixY);
}

void TReport::Box(double top, double left, double bottom, double right, int nPen, int nUnit) {
  if (!oDevice) return;
  oDevice->Box(Inches(top, nUnit) * nLogPixY, Inches(left, nUnit) * nLogPixX, Inches(bottom, nUnit) * nLogPixY,
               Inches(right, nUnit) * nLogPixX, std::max(nPen, 1));
}

void TReport::Line(double top, double left, double bottom, double right, int nPen, int nUnit) {
  if (!oDevice) return;
  oDevice->Line(Inches(top, nUnit) * nLogPixY, Inches(left, nUnit) * nLogPixX, Inches(bottom, nUnit) * nLogPixY,
                Inches(right, nUnit) * nLogPixX, std::max(nPen, 1));
}

void TReport::Margin(double nValue, int nType, int nUnit) {
  const double inches = Inches(nValue, nUnit);
  switch (nType) {
    case 1: nLeftMargin = inches * nLogPixX; break;
    case 2: nRightMargin = inches * nLogPixX; break;
    case 4: nTopMargin = inches * nLogPixY; break;
    case 5: nDnMargin = inches * nLogPixY; break;
    default: break;
  }
}

void TReport::CellView() {
  lJoin = lSeparator = lBoxOnTotal = true;
  for (const auto& c : aColumns) c->lGrid = true;
}

double TReport::PhyWidth(int nUnit) {
  if (!oDevice || nLogPixX <= 0) return 0;
  const double inches = oDevice->PhysicalWidth() / nLogPixX;
  return nUnit == 2 ? inches * 2.54 : inches;
}

double TReport::PhyHeight(int nUnit) {
  if (!oDevice || nLogPixY <= 0) return 0;
  const double inches = oDevice->PhysicalHeight() / nLogPixY;
  return nUnit == 2 ? inches * 2.54 : inches;
}

void TReport::SetTxtColor(long nColor, int nFont) {
  if (nFont < 1 || nFont > static_cast<int>(aClrText.size())) return;
  aClrText[static_cast<std::size_t>(nFont - 1)] = nColor;
  if (oDevice) oDevice->SetTextColor(nFont, nColor);
}

void TReport::SetPenColor(long nColor) {
  if (oDevice) oDevice->SetRuleColour(nColor);
}

}  // namespace prn
