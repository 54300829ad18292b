#include "print/report_parts.h"

#include <algorithm>

#include "print/treport.h"
#include "runtime/strings.h"
#include "runtime/transform.h"

namespace prn {

int PadOf(const rt::Value& word, int dflt) {
  if (!word.IsString()) return dflt;
  const std::string w = rt::UPPER(rt::ALLTRIM(word.AsString()));
  if (w == "LEFT") return 1;
  if (w == "RIGHT") return 2;
  if (w == "CENTER" || w == "CENTERED") return 3;
  return dflt;
}

double NumberOr(const rt::Value& value, double dflt) { return value.IsNumber() ? value.AsNumber() : dflt; }

rt::Value ValueOf(const rt::Value& item) { return item.IsBlock() ? item.Eval() : item; }

std::string TextOf(const rt::Value& value, const std::string& picture) {
  if (value.IsNil()) return {};
  if (value.IsString() && picture.empty()) return value.AsString();
  // A sum carries no display width: STR's ten places would not fit a
  // narrow column, and the column aligns the figure anyway.
  if (value.IsNumber() && picture.empty()) return rt::ALLTRIM(rt::TRANSFORM(value, picture));
  return rt::TRANSFORM(value, picture);
}

namespace {

std::vector<rt::Value> Items(const rt::Value& list) {
  if (list.IsArray()) return list.Items();
  if (list.IsNil()) return {};
  return {list};
}

int FontNumber(const rt::Value& block, const TReport* report) {
  return report ? report->ClampFont(ValueOf(block)) : 1;
}

}  // namespace

// ---- TRColumn

TRColumn& TRColumn::New(const rt::Value& title, double col, const rt::Value& data, int size, const rt::Value& picture,
                        const rt::Value& dataFont, bool total, const rt::Value& totalExpr, const rt::Value& cPad,
                        bool shadow, bool grid, int pen, TReport* report) {
  aTitle = Items(title);
  if (aTitle.empty()) aTitle.push_back(rt::Value(""));
  nCol = col;
  aData = Items(data);
  if (aData.empty()) aData.push_back(rt::Value(""));
  nSize = size;
  for (const rt::Value& p : Items(picture)) aPicture.push_back(p.IsString() ? p.AsString() : std::string());
  if (aPicture.empty()) aPicture.push_back({});
  bDataFont = dataFont;
  bTitleFont = rt::Value(1);
  bTotalFont = dataFont;
  lTotal = total;
  bTotalExpr = totalExpr;
  lTotalExpr = totalExpr.IsBlock();
  nPad = PadOf(cPad, ValueOf(aData.front()).IsNumber() ? 2 : 1);
  lShadow = shadow;
  lGrid = grid;
  nPen = pen > 0 ? pen : 1;
  oReport = report;
  cTotalPict = aPicture.front();
  while (aPicture.size() < aData.size()) aPicture.push_back(cTotalPict);
  return *this;
}

int TRColumn::DataFont() const { return FontNumber(bDataFont, oReport); }
int TRColumn::TotalFont() const { return FontNumber(bTotalFont, oReport); }

std::string TRColumn::DataText(std::size_t nLine) const {
  if (nLine < 1 || nLine > aData.size()) return {};
  return TextOf(ValueOf(aData[nLine - 1]), aPicture[nLine - 1]);
}

void TRColumn::Stabilize(int order) {
  nOrder = order;
  ReportDevice& d = *oReport->oDevice;
  nDataHeight = d.TextHeight(DataFont());
  nTitleHeight = d.TextHeight(FontNumber(bTitleFont, oReport));
  const double patternWidth = d.TextWidth(oReport->cCharPattern, DataFont());
  nWidth = nSize > 0 ? nSize * patternWidth : WidthFromData(patternWidth);
}

double TRColumn::WidthFromData(double patternWidth) const {
  ReportDevice& d = *oReport->oDevice;
  double widest = 0;
  for (std::size_t i = 1; i <= aData.size(); ++i)
    widest = std::max(widest, static_cast<double>(DataText(i).size()) * patternWidth);
  const double titlePattern = d.TextWidth(oReport->cCharPattern, FontNumber(bTitleFont, oReport));
  for (const rt::Value& t : aTitle)
    widest = std::max(widest, static_cast<double>(TextOf(ValueOf(t)).size()) * titlePattern);
  return widest;
}

double TRColumn::TitleHeight() {
  ReportDevice& d = *oReport->oDevice;
  nDataHeight = d.TextHeight(DataFont());
  nTitleHeight = d.TextHeight(FontNumber(bTitleFont, oReport));
  if (nWidth <= 0) nWidth = WidthFromData(d.TextWidth(oReport->cCharPattern, DataFont()));
  return nTitleHeight;
}

void TRColumn::SayTitle(double nRow, double nColAt, std::size_t nLine) {
  if (nLine < 1 || nLine > aTitle.size()) return;
  oReport->oDevice->Say(nRow, nColAt, TextOf(ValueOf(aTitle[nLine - 1])), FontNumber(bTitleFont, oReport), nWidth,
                        nPad - 1, false);
}

void TRColumn::SayData(double nRow, double nColAt, std::size_t nLine) {
  if (nLine < 1 || nLine > aData.size()) return;
  oReport->oDevice->Say(nRow, nColAt, DataText(nLine), DataFont(), nWidth, nPad - 1, false);
  if (lUnderline) Underline(lTextUnd, lDobleUnd, nLine, nRow + nDataHeight);
}

void TRColumn::SayTotal(double nRow, double nColAt) {
  if (!lTotal) return;
  oReport->oDevice->Say(nRow, nColAt, TextOf(rt::Value(nTotal), cTotalPict), TotalFont(), nWidth, nPad - 1, false);
}

void TRColumn::Separator(double nRow, bool lForce) {
  if (!lSeparator && !lForce) return;
  const double half = lGrid ? oReport->nSeparator / 2 : 0;
  oReport->oDevice->Line(nRow, nCalCol - half, nRow, nCalCol + nWidth + half, nPen);
}

void TRColumn::Underline(bool lText, bool lDouble, std::size_t nLine, double nRow) {
  ReportDevice& d = *oReport->oDevice;
  double left = nCalCol, right = nCalCol + nWidth;
  if (lText) {
    const double w = d.TextWidth(rt::ALLTRIM(DataText(nLine)), DataFont());
    if (nPad == 2) left = right - w;
    if (nPad == 3) left += (nWidth - w) / 2;
    right = left + w;
  } else if (lGrid) {
    left -= oReport->nSeparator / 2;
    right += oReport->nSeparator / 2;
  }
  if (!lDouble) {
    d.Line(nRow, left, nRow, right, nPen);
    return;
  }
  const double pen = d.PenWidth(nPen);
  d.Line(nRow - pen, left, nRow - pen, right, nPen);
  d.Line(nRow + pen, left, nRow + pen, right, nPen);
}

// ---- TRLine

TRLine& TRLine::New(const rt::Value& lines, TReport* report, int pad) {
  oReport = report;
  aLine = Items(lines);
  if (aLine.empty()) aLine.push_back(rt::Value(""));
  aFont.assign(aLine.size(), rt::Value(1));
  aPad.assign(aLine.size(), pad);
  return *this;
}

std::string TRLine::Text(std::size_t i) const { return TextOf(ValueOf(aLine[i])); }
int TRLine::Font(std::size_t i) const { return FontNumber(aFont[i], oReport); }

void TRLine::Stabilize(double nRow, double col) {
  nCol = col;
  aRow.assign(aLine.size(), nRow);
  aWidth.assign(aLine.size(), 0);
  nHeight = nWidth = 0;
  if (aLine.empty() || Text(0).empty()) return;
  ReportDevice& d = *oReport->oDevice;
  double y = nRow;
  for (std::size_t i = 0; i < aLine.size(); ++i) {
    aRow[i] = y;
    aWidth[i] = d.TextWidth(Text(i), Font(i));
    y += d.TextHeight(Font(i));
    nWidth = std::max(nWidth, aWidth[i]);
  }
  nHeight = y - nRow;
}

void TRLine::Say(double nOffset) {
  if (nHeight <= 0) return;
  ReportDevice& d = *oReport->oDevice;
  const double right = oReport->nMargin + oReport->nRptWidth;
  for (std::size_t i = 0; i < aLine.size(); ++i) {
    const std::string text = Text(i);
    double x = nCol;
    if (aPad[i] == 2) x = right - aWidth[i];
    if (aPad[i] == 3) x = oReport->nMargin + (oReport->nRptWidth - aWidth[i]) / 2;
    d.Say(aRow[i] + nOffset, x, text, Font(i), aWidth[i], 0, false);
  }
}

void TRLine::Restabilize() {
  if (oReport && oReport->lStable) oReport->Stabilize();
}

void TRLine::Add(const rt::Value& bLine, const rt::Value& bFont, int pad) {
  Ins(aLine.size() + 1, bLine, bFont, pad);
}

void TRLine::Ins(std::size_t nPos, const rt::Value& bLine, const rt::Value& bFont, int pad) {
  const std::size_t at = std::clamp<std::size_t>(nPos, 1, aLine.size() + 1) - 1;
  const rt::Value font = bFont.IsNil() ? (aFont.empty() ? rt::Value(1) : aFont.front()) : bFont;
  aLine.insert(aLine.begin() + static_cast<long>(at), bLine.IsNil() ? rt::Value("") : bLine);
  aFont.insert(aFont.begin() + static_cast<long>(at), font);
  aPad.insert(aPad.begin() + static_cast<long>(at), pad);
  Restabilize();
}

void TRLine::Del(std::size_t nFrom, std::size_t nTo) {
  if (nTo == 0) nTo = nFrom;
  if (nFrom < 1 || nFrom > aLine.size() || nTo < nFrom) return;
  nTo = std::min(nTo, aLine.size());
  const auto from = static_cast<long>(nFrom - 1), to = static_cast<long>(nTo);
  aLine.erase(aLine.begin() + from, aLine.begin() + to);
  aFont.erase(aFont.begin() + from, aFont.begin() + to);
  aPad.erase(aPad.begin() + from, aPad.begin() + to);
  if (aLine.empty()) New(rt::Value(), oReport);
  Restabilize();
}

// ---- TRGroup

TRGroup& TRGroup::New(const rt::Value& group, const rt::Value& header, const rt::Value& footer, const rt::Value& font,
                      bool eject, TReport* report) {
  bGroup = group.IsNil() ? rt::Value("") : group;
  bHeader = header.IsNil() ? rt::Value("") : header;
  bFooter = footer.IsNil() ? rt::Value("Total...") : footer;
  bHeadFont = bFootFont = font.IsNil() ? rt::Value(1) : font;
  lEject = eject;
  oReport = report;
  return *this;
}

int TRGroup::Font(const rt::Value& block) const { return FontNumber(block, oReport); }

void TRGroup::Stabilize(int order) {
  nOrder = order;
  aTotal.assign(oReport->aColumns.size(), 0.0);
  cOldValue = cValue = TextOf(ValueOf(bGroup));
  ReportDevice& d = *oReport->oDevice;
  lHeader = !TextOf(ValueOf(bHeader)).empty();
  lFooter = !TextOf(ValueOf(bFooter)).empty();
  nHeaderHeight = lHeader ? d.TextHeight(Font(bHeadFont)) : 0;
  nFooterHeight = lFooter ? d.TextHeight(Font(bFootFont)) : 0;
}

bool TRGroup::Header(double nRow) {
  const std::string text = TextOf(ValueOf(bHeader));
  if (text.empty()) return false;
  oReport->oDevice->Say(nRow, oReport->nMargin, text, Font(bHeadFont), 0, 0, true);
  if (!lFooter && oReport->lSummary) Total(nRow);
  return true;
}

bool TRGroup::Footer(double nRow) {
  const std::string text = TextOf(ValueOf(bFooter));
  if (text.empty()) {
    if (!oReport->lSummary) Total(nRow);
    return false;
  }
  oReport->oDevice->Say(nRow, oReport->nMargin, text, Font(bFootFont), 0, 0, true);
  Total(nRow);
  return true;
}

void TRGroup::Total(double nRow) {
  if (!oReport->lTotal) return;
  for (std::size_t i = 0; i < oReport->aColumns.size() && i < aTotal.size(); ++i) {
    const TRColumn& c = *oReport->aColumns[i];
    if (!c.lTotal) continue;
    oReport->oDevice->Say(nRow, c.nCalCol, TextOf(rt::Value(aTotal[i]), c.cTotalPict), c.TotalFont(), c.nWidth,
                          c.nPad - 1, false);
  }
}

}  // namespace prn
