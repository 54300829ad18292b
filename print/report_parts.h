#pragma once
// The companions of the report engine: a column, a block of text lines
// (page header, title, page footer) and a group break. Each draws through
// its report's device at the report's positions; the report owns them.

#include <string>
#include <vector>

#include "runtime/object.h"

namespace prn {

class TReport;

// "LEFT" 1, "RIGHT" 2, "CENTER"/"CENTERED" 3; anything else dflt.
int PadOf(const rt::Value& word, int dflt);
// A number, or dflt for a value of another type.
double NumberOr(const rt::Value& value, double dflt);
// A block's value, or the value itself.
rt::Value ValueOf(const rt::Value& item);
// A value as the report writes it, through a picture when one is given.
std::string TextOf(const rt::Value& value, const std::string& picture = {});

class TRColumn : public rt::Object {
 public:
  RT_CLASS_DECL()

  TReport* oReport = nullptr;
  std::vector<rt::Value> aData, aTitle;
  std::vector<std::string> aPicture;
  rt::Value bDataFont, bTitleFont, bTotalFont, bTotalExpr, bColor;
  std::string cTotalPict;
  double nWidth = 0, nDataHeight = 0, nTitleHeight = 0, nTotal = 0, nCol = 0, nCalCol = 0;
  int nSize = 0, nPad = 1, nPen = 1, nOrder = 0, nCurLine = 0;
  bool lTotal = false, lShadow = false, lGrid = false, lTotalExpr = false, lUnderline = false, lDobleUnd = false,
       lTextUnd = false, lSeparator = true;
  rt::Value Cargo;

  TRColumn& New(const rt::Value& aTitle = {}, double nCol = 0, const rt::Value& aData = {}, int nSize = 0,
                const rt::Value& aPicture = {}, const rt::Value& bDataFont = {}, bool lTotal = false,
                const rt::Value& bTotalExpr = {}, const rt::Value& cPad = {}, bool lShadow = false,
                bool lGrid = false, int nPen = 1, TReport* oReport = nullptr);
  void Stabilize(int nOrder);
  void SayTitle(double nRow, double nCol, std::size_t nLine);
  void SayData(double nRow, double nCol, std::size_t nLine);
  void SayTotal(double nRow, double nCol);
  void Separator(double nRow, bool lForce = false);
  void Underline(bool lText, bool lDouble, std::size_t nLine, double nRow);
  // The line heights again and, while the column has no width, its width
  // from the data; answers the title height. The report does not call it.
  double TitleHeight();
  // The value of data line n (from 1) through its picture.
  std::string DataText(std::size_t nLine) const;
  int DataFont() const;
  int TotalFont() const;

 private:
  double WidthFromData(double patternWidth) const;
};

class TRLine : public rt::Object {
 public:
  RT_CLASS_DECL()

  TReport* oReport = nullptr;
  std::vector<rt::Value> aLine, aFont;
  std::vector<double> aRow, aWidth;
  std::vector<int> aPad;
  double nCol = 0, nHeight = 0, nWidth = 0;
  rt::Value Cargo;

  TRLine& New(const rt::Value& aLine, TReport* oReport, int nPad = 1);
  void Stabilize(double nRow = 0, double nCol = 0);
  void Say(double nOffset = 0);
  void Add(const rt::Value& bLine = {}, const rt::Value& bFont = {}, int nPad = 1);
  void Ins(std::size_t nPos = 1, const rt::Value& bLine = {}, const rt::Value& bFont = {}, int nPad = 1);
  void Del(std::size_t nFrom, std::size_t nTo = 0);

 private:
  std::string Text(std::size_t i) const;
  int Font(std::size_t i) const;
  void Restabilize();
};

class TRGroup : public rt::Object {
 public:
  RT_CLASS_DECL()

  TReport* oReport = nullptr;
  std::vector<double> aTotal;
  rt::Value bGroup, bHeader, bFooter, bHeadFont, bFootFont;
  std::string cValue, cOldValue;
  long nCounter = 0;
  double nHeaderHeight = 0, nFooterHeight = 0;
  int nOrder = 0;
  bool lEject = false, lNeedStart = true, lHeader = false, lFooter = false;
  rt::Value Cargo;

  TRGroup& New(const rt::Value& bGroup = {}, const rt::Value& bHeader = {}, const rt::Value& bFooter = {},
               const rt::Value& bFont = {}, bool lEject = false, TReport* oReport = nullptr);
  void Reset() {
    std::fill(aTotal.begin(), aTotal.end(), 0.0);
    nCounter = 0;
    cValue = cOldValue;
  }
  void Stabilize(int nOrder);
  bool Header(double nRow);
  bool Footer(double nRow);
  void Total(double nRow);
  void Evaluate() { ++nCounter; }
  bool Check() {
    cOldValue = TextOf(ValueOf(bGroup));
    return cOldValue != cValue;
  }

 private:
  int Font(const rt::Value& block) const;
};

}  // namespace prn
