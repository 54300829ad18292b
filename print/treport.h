#pragma once
// The report engine: a page header, a title, column titles, data lines
// per record in columns, groups with headers, footers and subtotals, page
// and grand totals and a page footer, on a printer, as recorded pages for
// the preview, or in a text file.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/report_device.h"
#include "print/report_parts.h"
#include "runtime/object.h"

namespace prn {

struct ReportArgs {
  rt::Value aTitle, aHead, aFoot, aFont, aPen, lSummary, cRptFile, cResName, lPrinter, lScreen, cFile, oDevice, cName,
      cTitleAlign, cHeadAlign, cFootAlign;
};

struct ReportHooks {
  rt::Value bFor, bWhile, bInit, bEnd, bStartPage, bEndPage, bStartGroup, bEndGroup, bStartLine, bEndLine, bChange,
      bPostEnd, bPostPage, bPostGroup;
};

// What the windowing side lends the report: its devices (a printer by
// document name, recording or not), messages, the yes/no question and the
// progress dialog that runs the report. Without it a report runs straight
// through and its messages go nowhere.
struct ReportShell {
  std::function<std::shared_ptr<ReportDevice>(const rt::Value& oDevice)> adopt;
  std::function<std::shared_ptr<ReportDevice>(const std::string& cName, bool lRecord)> printer;
  std::function<void(const std::string& text, const std::string& title)> stop;
  std::function<bool(const std::string& question)> yesNo;
  // Runs play inside the progress dialog; false when the dialog's resources
  // cannot be had (nothing runs then).
  std::function<bool(TReport&, const std::function<void()>& play)> run;
  // Called for every record and page while the report plays: lets pending
  // messages run (the cancel button) and shows the page number.
  std::function<void(TReport&)> progress;
};
void SetReportShell(ReportShell shell);
const ReportShell& GetReportShell();

class TReport : public rt::Object {
 public:
  RT_CLASS_DECL()

  std::shared_ptr<ReportDevice> oDevice;
  std::shared_ptr<TRLine> oTitle, oHeader, oFooter;
  std::vector<std::shared_ptr<TRGroup>> aGroups;
  std::vector<std::shared_ptr<TRColumn>> aColumns;
  std::vector<double> aCols, aDataHeight;
  ReportHooks hooks;
  rt::Value bSkip, bStdFont, bPreview, bStartRecord, Cargo;
  std::string cRptFile, cResName, cFile, cName, cPageTotal, cGrandTotal, cCharPattern = "B";
  double nWidth = 0, nHeight = 0, nMargin = 0, nRow = 0, nSeparator = 0, nLeftMargin = 0, nRightMargin = 0,
         nTopMargin = 0, nDnMargin = 0, nTitleRow = 0, nBottomRow = 0, nStdLineHeight = 0, nRptWidth = 0,
         nLogPixX = 1, nLogPixY = 1, nFirstdrow = 0, nLastdrow = 0, nTitleHeight = 0;
  int nPage = 0, nMaxTitle = 0, nMaxData = 0, nFonts = 1, nTotalLine = 2, nGroupLine = 1, nTitleUpLine = 2,
      nTitleDnLine = 2, nDataLine = 0;
  long nCounter = 0, nClrShadow = 0xC0C0C0;
  bool lSummary = false, lTotal = false, lFinish = false, lStable = false, lGroup = false, lPrinter = false,
       lScreen = false, lFirstRow = true, lCreated = false, lBreak = false, lShadow = false, lGrid = false,
       lJoin = false, lSeparator = false, lAutoLand = true, lIsNarrow = false, lBoxOnTotal = false,
       lNoCancel = false, lPageTotal = true;

  // False when the device could not be had: there is no report then.
  bool New(const ReportArgs& args);
  void AddColumn(const std::shared_ptr<TRColumn>& column);
  void AddGroup(const std::shared_ptr<TRGroup>& group);
  void Stabilize();
  void Activate(const ReportHooks& hooks = {});
  void Play();
  void End();

  void Skip(long n = 1);
  void StartLine(double nHeight, bool lSeparatorLine = false);
  void EndLine(double nHeight);
  void StartGroup(std::size_t n);
  void EndGroup(std::size_t n);
  void StartPage();
  void EndPage();
  bool NeedNewPage() const { return nRow + nStdLineHeight >= nBottomRow; }
  void ColTitle();
  void TotalLine(int nKind, int nPos = 0);
  void PageTotal();
  void Grid(double nHeight, double nRowAt, const std::string& cChar = "\xB3");
  void Shadow(double nHeight);
  void Separator(int nPen = 0, double nRowAt = -1);

  void Say(int nCol, const rt::Value& xText, int nFont = 1, int nPad = 1, const rt::Value& nRowAt = {});
  void Margin(double nValue = 0.2, int nType = 1, int nUnit = 1);
  int StdFont() const;
  int ClampFont(const rt::Value& n) const;
  bool MoreRecords() const;

 private:
  bool Hook(const rt::Value& block, bool& busy, const rt::Value& arg = {});
  bool busyChange_ = false, busyStartPage_ = false, busyEndPage_ = false, busyStartLine_ = false,
       busyEndLine_ = false, busyStartGroup_ = false, busyEndGroup_ = false;
  bool ended_ = false;
};

using TReportPtr = std::shared_ptr<TReport>;

// The builders: a report declared in one statement block. Reports may be
// declared inside one another.
TReportPtr RPTBEGIN(const ReportArgs& args);
std::shared_ptr<TRColumn> RPTADDCOLUMN(rt::Args columnArgs);
std::shared_ptr<TRGroup> RPTADDGROUP(rt::Args groupArgs);
TReportPtr RPTEND();
// Enters the builders in the function registry, for the lower layers.
void RegisterReportFunctions();

}  // namespace prn
