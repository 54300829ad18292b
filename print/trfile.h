#pragma once
// The text-file output device of reports: pages of nHeight lines of text,
// written line by line (CR LF) with a form feed after each page. Report
// text is ANSI and goes to the file as OEM; the box-drawing characters of
// rules and grids are OEM already and go unconverted.

#include <string>
#include <vector>

#include "print/report_device.h"
#include "runtime/object.h"

namespace prn {

class TRFile : public rt::Object, public ReportDevice {
 public:
  RT_CLASS_DECL()

  long hDC = -1;  // the file handle; -1 when it could not be created
  std::vector<std::string> aRows;
  std::string cDocument, cFile;
  std::string cPrnComp = "\x0F";
  int nHeight = 64, nWidth = 80;
  bool lPrint = true;

  TRFile& New(const std::string& cFile);
  void StartPage() override { aRows.assign(static_cast<std::size_t>(nHeight), std::string()); }
  void EndPage() override;
  void End() override;
  // Rows count from 0, columns from 1; the text replaces nWidth columns.
  void Say(double nRow, double nCol, const std::string& cText, int font, double nWidth, int pad,
           bool opaque) override;
  void SayRule(double nRow, double nCol, const std::string& chars) override;
  void SetHeight(int n) {
    nHeight = n;
    StartPage();
  }
  void SetSize(int width, int height) {
    nWidth = width;
    nHeight = height;
  }

  bool Ready() const override { return hDC >= 0; }
  bool IsText() const override { return true; }
  bool IsRecording() const override { return false; }
  std::string Document() const override { return cDocument; }
  rt::Value AsValue() override { return Self(); }
  int Prepare(const rt::Value& aFont, const rt::Value&) override {
    return aFont.IsArray() && aFont.Len() > 0 ? static_cast<int>(aFont.Len()) : 1;
  }
  void Release() override {}
  void SetTextColor(int, long) override {}
  void SetRuleColour(long) override {}
  rt::Value Fonts() const override { return rt::Value::Array(); }
  rt::Value Pens() const override { return rt::Value::Array(); }
  rt::Value RulePen() const override { return {}; }
  rt::Value ShadeBrush() const override { return {}; }
  // Text has no lines, boxes, shades or pictures.
  void Line(double, double, double, double, int) override {}
  void Box(double, double, double, double, int) override {}
  void Shade(double, double, double, double, long) override {}
  void SayBitmap(double, double, const rt::Value&, double, double) override {}
  double TextWidth(const std::string& text, int) override { return static_cast<double>(text.size()); }
  double TextHeight(int) override { return 1; }
  double PenWidth(int) override { return 0; }
  double Width() override { return nWidth; }
  double Height() override { return nHeight; }
  double LogPixX() override { return 1; }
  double LogPixY() override { return 1; }
  double PhysicalWidth() override { return nWidth; }
  double PhysicalHeight() override { return nHeight; }
  bool Portrait() override { return false; }
  void SetLandscape() override {}
  void SetLineWidth(double width) override { nWidth = static_cast<int>(width); }

 private:
  void Put(double nRow, double nCol, const std::string& text, std::size_t width);
};

}  // namespace prn
