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

// The hooks Activate takes, in its order of parameters.
struct ReportHooks {
  rt::Value bFor, bWhile, bInit, bEnd, bStartPage, bEndPage, bStartGroup, bEndGroup, bStartLine, bEndLine, bChange,
      bPostEnd, bPostPage, bPostGroup;
};

// What the windowing side lends the report: its devices (a printer by
// document name, recording or not), messages, the yes/no question, the
// preview's resource library and the progress dialog that runs the report.
// Without it a report runs straight through and its messages go nowhere.
struct ReportShell {
  std::function<std::shared_ptr<ReportDevice>(const rt::Value& oDevice)> adopt;
  std::function<std::shared_ptr<ReportDevice>(const std::string& cName, bool lRecord)> printer;
  std::function<void(const std::string& text, const std::string& title)> stop;
  // The too-wide question, in the texts of the resource module.
  std::function<bool()> yesNo;
  // Makes the preview's resource library the resource module; false when it
  // cannot be loaded. The module it replaced goes to previous.
  std::function<bool(double& previous)> useLibrary;
  std::function<void(double previous)> restoreLibrary;
  // Runs play inside the progress dialog, the program held while it runs.
  std::function<void(TReport&, const std::function<void()>& play)> run;
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
  // The progress dialog's handle while the report plays inside it.
  rt::Value oRptWnd;
  std::vector<std::shared_ptr<TRGroup>> aGroups;
  std::vector<std::shared_ptr<TRColumn>> aColumns;
  std::vector<double> aCols, aDataHeight;
  std::vector<long> aClrText;
  rt::Value bFor, bWhile, bInit, bEnd, bStartLine, bEndLine, bStartPage, bEndPage, bStartGroup, bEndGroup, bSkip,
      bStdFont, bPreview, bChange, bPostEnd, bPostPage, bPostGroup, bStartRecord;
  std::string cRptFile, cResName, cFile, cName, cPageTotal, cGrandTotal, cCharPattern = "B";
  double nWidth = 0, nHeight = 0, nMargin = 0, nRow = 0, nSeparator = 0, nLeftMargin = 0, nRightMargin = 0,
         nTopMargin = 0, nDnMargin = 0, nTitleRow = 0, nBottomRow = 0, nStdLineHeight = 0, nRptWidth = 0,
         nLogPixX = 1, nLogPixY = 1, nFirstdrow = 0, nLastdrow = 0, nTitleHeight = 0;
  int nPage = 0, nMaxTitle = 0, nMaxData = 0, nFonts = 1, nTotalLine = 2, nGroupLine = 1, nTitleUpLine = 2,
      nTitleDnLine = 2, nDataLine = 0;
  long nCounter = 0, nClrShadow = 0xC0C0C0;
  // The resource module the preview's library replaced while the report runs.
  double hOldRes = 0;
  bool lSummary = false, lTotal = false, lFinish = false, lStable = false, lGroup = false, lPrinter = false,
       lScreen = false, lFirstRow = true, lCreated = false, lBreak = false, lShadow = false, lGrid = false,
       lJoin = false, lSeparator = false, lAutoLand = true, lIsNarrow = false, lBoxOnTotal = false,
       lNoCancel = false, lPageTotal = true;
  rt::Value Cargo;

  // False when the device could not be had: there is no report then.
  bool New(const ReportArgs& args);
  void AddColumn(const std::shared_ptr<TRColumn>& column);
  // Positions count from 1; one out of range changes nothing.
  void DelColumn(std::size_t n);
  void InsColumn(const std::shared_ptr<TRColumn>& column, std::size_t n);
  void AddGroup(const std::shared_ptr<TRGroup>& group);
  void DelGroup(std::size_t n);
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
  void NewLine(double nHeight);
  void BackLine(double nLines = 1) { nRow -= nLines * nStdLineHeight; }
  void ColTitle();
  void TotalLine(int nKind, int nPos = 0);
  void PageTotal();
  void Grid(double nHeight, double nRowAt, const std::string& cChar = "\xB3");
  void Shadow(double nHeight);
  void Separator(int nPen = 0, double nRowAt = -1);

  // Drawing from the hooks. Say writes in a column; the others take
  // positions in inches (unit 1) or centimetres (unit 2).
  void Say(int nCol, const rt::Value& xText, int nFont = 1, int nPad = 1, const rt::Value& nRowAt = {});
  void SayBitmap(double nRow, double nCol, const rt::Value& cBitmap, double nWidth = 5, double nHeight = 5,
                 int nUnit = 1);
  void Box(double nTop, double nLeft, double nBottom, double nRight, int nPen = 1, int nUnit = 1);
  void Line(double nTop, double nLeft, double nBottom, double nRight, int nPen = 1, int nUnit = 1);
  void Margin(double nValue = 0.2, int nType = 1, int nUnit = 1);
  void CellView();
  // The physical page in inches (unit 1) or centimetres (unit 2).
  double PhyWidth(int nUnit = 1);
  double PhyHeight(int nUnit = 1);
  void SetTxtColor(long nColor, int nFont = 1);
  void SetShdColor(long nColor) { nClrShadow = nColor; }
  void SetPenColor(long nColor);

  int StdFont() const;
  int ClampFont(const rt::Value& n) const;
  bool MoreRecords() const;

 private:
  bool Hook(const rt::Value& block, bool& busy, const rt::Value& arg = {});
  void TakeHooks(const ReportHooks& hooks);
  bool HoldLibrary();
  void RestoreLibrary();
  // Ends the device (and with it any page files) and the report's tools,
  // whatever stage the report reached; nothing runs.
  void Abandon();
  double Inches(double value, int nUnit) const { return nUnit == 2 ? value / 2.54 : value; }
  bool busyChange_ = false, busyStartPage_ = false, busyEndPage_ = false, busyStartLine_ = false,
       busyEndLine_ = false, busyStartGroup_ = false, busyEndGroup_ = false;
  bool ended_ = false, holdsLibrary_ = false;
};

using TReportPtr = std::shared_ptr<TReport>;

// The builders: a report declared in one statement block. Reports may be
// declared inside one another.
TReportPtr RPTBEGIN(const ReportArgs& args);
std::shared_ptr<TRColumn> RPTADDCOLUMN(rt::Args columnArgs);
std::shared_ptr<TRGroup> RPTADDGROUP(rt::Args groupArgs);
TReportPtr RPTEND();
// The arguments of New and Activate as a caller by name passes them.
ReportArgs ReportArgsOf(rt::Args args);
ReportHooks ReportHooksOf(rt::Args args);
// Enters the builders in the function registry, for the lower layers.
void RegisterReportFunctions();

}  // namespace prn
