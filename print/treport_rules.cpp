// The report's rules, grid, shadows, separators and totals. On a text
// device they are code page 437 box-drawing characters, one line high.
#include <algorithm>
#include <string>

#include "print/treport.h"

namespace prn {

namespace {

// Rule characters: the line, then the crossing, left and right corners for
// the bottom, top and middle positions.
struct RuleChars {
  char line;
  char corners[3][3];
};
constexpr RuleChars kSingle{'\xC4', {{'\xC1', '\xC0', '\xD9'}, {'\xC2', '\xDA', '\xBF'}, {'\xC5', '\xC3', '\xB4'}}};
constexpr RuleChars kDouble{'\xCD', {{'\xCF', '\xD4', '\xBE'}, {'\xD1', '\xD5', '\xB8'}, {'\xD8', '\xC6', '\xB5'}}};

std::string Repeat(char c, double n) { return std::string(static_cast<std::size_t>(std::max(0.0, n)), c); }

}  // namespace

void TReport::TotalLine(int nKind, int nPos) {
  if (nKind < 1 || nKind > 2 || aColumns.empty()) return;
  ReportDevice& d = *oDevice;
  const int pos = std::clamp(nPos, 0, 2);
  if (d.IsText()) {
    const RuleChars& r = nKind == 1 ? kSingle : kDouble;
    const std::size_t last = aColumns.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
      const TRColumn& c = *aColumns[i];
      d.SayRule(nRow, c.nCalCol, Repeat(r.line, c.nWidth));
      if (i == 0 && c.lGrid) d.SayRule(nRow, c.nCalCol - nSeparator, Repeat(r.corners[pos][1], nSeparator));
      if (i > 0 && (c.lGrid || aColumns[i - 1]->lGrid)) {
        d.SayRule(nRow, c.nCalCol - nSeparator, Repeat(r.corners[pos][0], nSeparator));
      } else if (i > 0 && lJoin) {
        d.SayRule(nRow, c.nCalCol - nSeparator, Repeat(r.line, nSeparator));
      }
      if (i == last && c.lGrid) d.SayRule(nRow, c.nCalCol + c.nWidth, Repeat(r.corners[pos][2], nSeparator));
    }
    nRow += nStdLineHeight;
    return;
  }
  const double h = 10 * d.PenWidth(0);
  const double half = lJoin ? nSeparator / 2 : 0;
  auto across = [&](double y) {
    for (const auto& c : aColumns) d.Line(y, c->nCalCol - half, y, c->nCalCol + c->nWidth + half, 0);
  };
  if (nKind == 1) {
    const double top = pos == 1 ? nRow + h / 2 : nRow;
    Grid(pos == 2 ? h : h / 2, top);
    across(nRow + h / 2);
  } else {
    Grid(0.6 * h, pos == 1 ? nRow + 0.4 * h : nRow);
    across(nRow + 0.4 * h);
    across(nRow + 0.6 * h);
  }
  nRow += h;
}

void TReport::Grid(double height, double rowAt, const std::string& cChar) {
  ReportDevice& d = *oDevice;
  for (const auto& c : aColumns) {
    if (!c->lGrid) continue;
    if (d.IsText()) {
      for (double y = 0; y < std::max(height, 1.0); y += 1) {
        std::string bar;
        for (double i = 0; i < nSeparator; i += 1) bar += cChar;
        d.SayRule(rowAt + y, c->nCalCol - nSeparator, bar);
        d.SayRule(rowAt + y, c->nCalCol + c->nWidth, bar);
      }
    } else {
      const double left = c->nCalCol - nSeparator / 2, right = c->nCalCol + c->nWidth + nSeparator / 2;
      d.Line(rowAt, left, rowAt + height, left, c->nPen);
      d.Line(rowAt, right, rowAt + height, right, c->nPen);
    }
  }
}

void TReport::Shadow(double height) {
  ReportDevice& d = *oDevice;
  if (d.IsText()) return;
  for (const auto& c : aColumns) {
    if (!c->lShadow) continue;
    const double widen = c->lGrid ? 2 * d.PenWidth(c->nPen) : 0;
    d.Shade(nRow, c->nCalCol - widen, nRow + height, c->nCalCol + c->nWidth + widen, nClrShadow);
  }
}

void TReport::Separator(int nPen, double rowAt) {
  if (rowAt >= 0) nRow = rowAt;
  ReportDevice& d = *oDevice;
  if (d.IsText()) {
    std::string line = Repeat('\xC3', nSeparator);
    for (std::size_t i = 0; i < aColumns.size(); ++i) {
      if (i > 0) line += Repeat('\xC5', nSeparator);
      line += Repeat('\xC4', aColumns[i]->nWidth);
    }
    line += Repeat('\xB4', nSeparator);
    d.SayRule(nRow, aColumns.front()->nCalCol - nSeparator, line);
    nRow += nStdLineHeight;
    return;
  }
  for (const auto& c : aColumns) c->Separator(nRow);
  nRow += 4 * d.PenWidth(std::max(nPen, 0));
}

void TReport::PageTotal() {
  const bool last = lFinish && !lBreak;
  if (!lTotal || (!lPageTotal && !last)) {
    if (lSeparator || lJoin) TotalLine(nTotalLine, 0);
    return;
  }
  TotalLine(nTotalLine, lBoxOnTotal ? 2 : 0);
  if (lBoxOnTotal) Grid(nStdLineHeight, nRow);
  const std::string& label = last ? cGrandTotal : cPageTotal;
  if (!label.empty() && !aColumns.empty())
    oDevice->Say(nRow, aColumns.front()->nCalCol, label, StdFont(), 0, 0, true);
  for (const auto& c : aColumns) c->SayTotal(nRow, c->nCalCol);
  nRow += nStdLineHeight;
  if (lBoxOnTotal) TotalLine(nTotalLine, 0);
}

}  // namespace prn
