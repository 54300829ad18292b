#include "print/treport.h"

#include <algorithm>
#include <cmath>

#include "print/trfile.h"
#include "runtime/table_fns.h"

namespace prn {

namespace {

ReportShell& Shell() {
  static ReportShell shell;
  return shell;
}

// The preview of a recording device's pages; it ends the device when it
// closes (or at once, without pages).
rt::Value ShowPages(const rt::Value& device) {
  rt::TrySend(device, "Preview");
  return {};
}

}  // namespace

void SetReportShell(ReportShell shell) { Shell() = std::move(shell); }
const ReportShell& GetReportShell() { return Shell(); }

bool TReport::New(const ReportArgs& a) {
  const int titlePad = PadOf(a.cTitleAlign, 3);
  const int headPad = PadOf(a.cHeadAlign, 1);
  const int footPad = PadOf(a.cFootAlign, 1);
  lSummary = a.lSummary.IsLogical() && a.lSummary.AsLogical();
  cRptFile = a.cRptFile.IsString() ? a.cRptFile.AsString() : "";
  cResName = a.cResName.IsString() ? a.cResName.AsString() : "";
  cFile = a.cFile.IsString() ? a.cFile.AsString() : "";
  lPrinter = a.lPrinter.IsLogical() && a.lPrinter.AsLogical();
  lScreen = a.lScreen.IsLogical() && a.lScreen.AsLogical();
  cName = a.cName.IsString() ? a.cName.AsString() : "";
  const ReportShell& shell = Shell();
  const std::string document = cName.empty() ? "Printing report" : cName;
  if (a.oDevice.IsObject()) {
    if (const auto file = a.oDevice.As<TRFile>()) {
      oDevice = file;
    } else if (shell.adopt) {
      oDevice = shell.adopt(a.oDevice);
    }
    if (oDevice) {
      lScreen = oDevice->IsRecording();
      lPrinter = !lScreen && !oDevice->IsText();
    }
  } else if (lPrinter || lScreen || cFile.empty()) {
    if (!lScreen) lPrinter = true;
    if (shell.printer) oDevice = shell.printer(document, lScreen);
  } else {
    auto file = std::make_shared<TRFile>();
    file->New(cFile);
    file->cDocument = document;
    oDevice = file;
    if (!file->Ready()) {
      // A report into nothing would look printed: there is no report.
      if (shell.stop) shell.stop("Die Datei \"" + cFile + "\" kann nicht angelegt werden.", "Fehler");
      oDevice = nullptr;
      return false;
    }
  }
  if (!oDevice || !oDevice->Ready()) {
    if (oDevice) oDevice->End();
    oDevice = nullptr;
    return false;
  }
  if (cName.empty()) cName = oDevice->Document().empty() ? document : oDevice->Document();
  nFonts = oDevice->Prepare(a.aFont, a.aPen);
  nLogPixX = oDevice->LogPixX();
  nLogPixY = oDevice->LogPixY();
  nWidth = oDevice->Width();
  nHeight = oDevice->Height();
  nLeftMargin = nRightMargin = 0.2 * nLogPixX;
  nTopMargin = nDnMargin = 0.2 * nLogPixY;
  aClrText.assign(static_cast<std::size_t>(nFonts), 0);
  bStdFont = rt::Value(1);
  bPreview = rt::Value::Block([](rt::Args a) { return ShowPages(rt::Arg(a, 0)); });
  oTitle = std::make_shared<TRLine>();
  oTitle->New(a.aTitle, this, titlePad);
  oHeader = std::make_shared<TRLine>();
  oHeader->New(a.aHead, this, headPad);
  oFooter = std::make_shared<TRLine>();
  oFooter->New(a.aFoot, this, footPad);
  lCreated = true;
  return true;
}

void TReport::AddColumn(const std::shared_ptr<TRColumn>& column) {
  column->oReport = this;
  aColumns.push_back(column);
}

void TReport::AddGroup(const std::shared_ptr<TRGroup>& group) {
  group->oReport = this;
  aGroups.push_back(group);
}

int TReport::ClampFont(const rt::Value& n) const {
  const long font = n.IsNumber() ? n.AsInt() : 1;
  return font >= 1 && font <= nFonts ? static_cast<int>(font) : 1;
}

int TReport::StdFont() const { return ClampFont(ValueOf(bStdFont)); }

void TReport::Stabilize() {
  if (aColumns.empty()) {
    lCreated = false;
    return;
  }
  ReportDevice& d = *oDevice;
  nWidth = d.Width();
  nHeight = d.Height();
  if (nSeparator <= 0) nSeparator = d.TextWidth(cCharPattern, StdFont());
  nStdLineHeight = d.TextHeight(StdFont());
  nMaxTitle = nMaxData = 0;
  for (const auto& c : aColumns) {
    nMaxTitle = std::max(nMaxTitle, static_cast<int>(c->aTitle.size()));
    nMaxData = std::max(nMaxData, static_cast<int>(c->aData.size()));
  }
  for (const auto& c : aColumns) {
    while (static_cast<int>(c->aTitle.size()) < nMaxTitle) c->aTitle.push_back(rt::Value(""));
    while (static_cast<int>(c->aData.size()) < nMaxData) {
      c->aData.push_back(rt::Value(""));
      c->aPicture.push_back(c->cTotalPict);
    }
  }
  lGroup = !aGroups.empty();
  oHeader->Stabilize();
  oFooter->Stabilize();
  oTitle->Stabilize();
  for (std::size_t i = 0; i < aColumns.size(); ++i) aColumns[i]->Stabilize(static_cast<int>(i + 1));
  for (std::size_t i = 0; i < aGroups.size(); ++i) aGroups[i]->Stabilize(static_cast<int>(i + 1));
  lTotal = lShadow = lGrid = false;
  nRptWidth = 0;
  for (std::size_t i = 0; i < aColumns.size(); ++i) {
    const TRColumn& c = *aColumns[i];
    lTotal = lTotal || c.lTotal;
    lShadow = lShadow || c.lShadow;
    lGrid = lGrid || c.lGrid;
    nRptWidth += c.nWidth + (i > 0 ? nSeparator : 0);
  }
  nRptWidth = std::max({nRptWidth, oTitle->nWidth, oHeader->nWidth, oFooter->nWidth});
  if (d.IsText()) {
    d.SetLineWidth(nRptWidth + 10 * nSeparator);
    nWidth = d.Width();
  }
  const double room = nWidth - nLeftMargin - nRightMargin;
  if (!d.IsText() && nRptWidth > room) {
    if (lAutoLand && !lIsNarrow && d.Portrait()) {
      lIsNarrow = true;
      lStable = false;
      return;
    }
    if (!Shell().yesNo || !Shell().yesNo()) {
      lStable = false;
      return;
    }
  }
  nRptWidth = std::min(nRptWidth, std::max(0.0, room));
  nMargin = nLeftMargin + std::max(0.0, std::floor((room - nRptWidth) / 2));
  double x = nMargin;
  aCols.clear();
  for (std::size_t i = 0; i < aColumns.size(); ++i) {
    TRColumn& c = *aColumns[i];
    if (c.nCol > 0) x = c.nCol;
    c.nCalCol = x;
    aCols.push_back(x);
    x += c.nWidth + nSeparator;
  }
  oHeader->Stabilize(nTopMargin, nMargin);
  oTitle->Stabilize(nTopMargin + oHeader->nHeight, nMargin);
  oFooter->Stabilize(nHeight - nDnMargin - oFooter->nHeight, nMargin);
  nTitleRow = nTopMargin + oHeader->nHeight + oTitle->nHeight;
  aDataHeight.assign(static_cast<std::size_t>(nMaxData), 0);
  double tallestData = 0;
  for (int line = 0; line < nMaxData; ++line) {
    for (const auto& c : aColumns) aDataHeight[line] = std::max(aDataHeight[line], c->nDataHeight);
    tallestData = std::max(tallestData, aDataHeight[line]);
  }
  const double rule = d.IsText() ? 0 : 10 * d.PenWidth(0);
  nBottomRow = nHeight - oFooter->nHeight - nDnMargin - (lTotal ? nStdLineHeight + tallestData : 0) -
               (lSeparator ? rule : 0) - (lBoxOnTotal ? nStdLineHeight : 0);
  nTitleHeight = 0;
  for (int line = 0; line < nMaxTitle; ++line) {
    double tallest = 0;
    for (const auto& c : aColumns) tallest = std::max(tallest, c->nTitleHeight);
    nTitleHeight += tallest;
  }
  nFirstdrow = nTitleRow + nTitleHeight;
  nLastdrow = nBottomRow;
  lStable = true;
  lFinish = false;
}

bool TReport::Hook(const rt::Value& block, bool& busy, const rt::Value& arg) {
  if (!block.IsBlock() || busy) return false;
  busy = true;
  block.Eval(arg);
  busy = false;
  return true;
}

bool TReport::MoreRecords() const {
  return bWhile.IsBlock() ? rt::IsTrue(bWhile.Eval()) : !rt::DbEof();
}

void TReport::Skip(long n) {
  ++nCounter;
  Hook(bChange, busyChange_);
  if (bSkip.IsBlock()) {
    bSkip.Eval(rt::Value(n));
  } else {
    rt::DBSKIP(n);
  }
}

void TReport::TakeHooks(const ReportHooks& h) {
  const std::pair<rt::Value*, const rt::Value*> hooks[] = {
      {&bFor, &h.bFor},           {&bWhile, &h.bWhile},       {&bInit, &h.bInit},         {&bEnd, &h.bEnd},
      {&bStartPage, &h.bStartPage}, {&bEndPage, &h.bEndPage}, {&bStartGroup, &h.bStartGroup},
      {&bEndGroup, &h.bEndGroup}, {&bStartLine, &h.bStartLine}, {&bEndLine, &h.bEndLine}, {&bChange, &h.bChange},
      {&bPostEnd, &h.bPostEnd},   {&bPostPage, &h.bPostPage}, {&bPostGroup, &h.bPostGroup}};
  for (const auto& [member, given] : hooks)
    if (member->IsNil()) *member = *given;
  if (!bFor.IsBlock()) bFor = rt::Value::Block([](rt::Args) { return rt::Value(true); });
}

bool TReport::HoldLibrary() {
  const ReportShell& shell = Shell();
  if (!shell.useLibrary) return true;
  holdsLibrary_ = shell.useLibrary(hOldRes);
  if (!holdsLibrary_) {
    // The failed load left no resource module: the previous one goes back.
    if (shell.restoreLibrary) shell.restoreLibrary(hOldRes);
    if (shell.stop) shell.stop("Prev32.dll not found", "Error");
  }
  return holdsLibrary_;
}

void TReport::RestoreLibrary() {
  if (!holdsLibrary_) return;
  holdsLibrary_ = false;
  if (Shell().restoreLibrary) Shell().restoreLibrary(hOldRes);
}

void TReport::Abandon() {
  ended_ = lFinish = true;
  RestoreLibrary();
  if (!oDevice) return;
  oDevice->Release();
  oDevice->End();
}

void TReport::Activate(const ReportHooks& h) {
  // A report runs once; without a device there is none.
  if (!oDevice || ended_) return;
  // Nothing of the report acts before its resources are known to be there.
  if (!HoldLibrary()) {
    Abandon();
    return;
  }
  try {
    TakeHooks(h);
    if (lGroup || !aGroups.empty())
      while (MoreRecords() && !rt::IsTrue(bFor.Eval())) Skip();
    if (!lCreated) {
      End();
      return;
    }
    Stabilize();
    if (lIsNarrow && !lStable) {
      oDevice->SetLandscape();
      Stabilize();
    }
    if (!lStable) {
      End();
      return;
    }
    const auto self = std::static_pointer_cast<TReport>(shared_from_this());
    const auto play = [self] { self->Play(); };
    if (Shell().run) {
      Shell().run(*this, play);
    } else {
      play();
    }
    if (!ended_) End();
  } catch (...) {
    // A hook that broke out leaves no printer, page or file behind.
    lBreak = true;
    Abandon();
    throw;
  }
  // A cancelled report shows the pages made so far; the preview ends the
  // recording device when it closes.
  if (!lScreen) return;
  if (bPreview.IsBlock()) {
    bPreview.Eval(oDevice->AsValue());
  } else {
    ShowPages(oDevice->AsValue());
  }
}

void TReport::Play() {
  StartPage();
  if (!oDevice->Ready()) {
    End();
    return;
  }
  if (bInit.IsBlock()) bInit.Eval();
  for (auto& g : aGroups) {
    g->Reset();
    g->lNeedStart = true;
  }
  for (std::size_t i = 0; i < aGroups.size(); ++i) StartGroup(i);
  while (!lBreak && MoreRecords()) {
    if (Shell().progress) Shell().progress(*this);
    if (lBreak) break;
    if (!rt::IsTrue(bFor.Eval())) {
      Skip();
      continue;
    }
    for (auto& g : aGroups) g->Evaluate();
    if (bStartRecord.IsBlock()) bStartRecord.Eval();
    for (int line = 1; line <= nMaxData; ++line) {
      const double height = aDataHeight[static_cast<std::size_t>(line - 1)];
      if (!lSummary) {
        StartLine(height, line == 1 && lSeparator && !lFirstRow);
        for (const auto& c : aColumns) c->SayData(nRow, c->nCalCol, static_cast<std::size_t>(line));
      }
      for (std::size_t i = 0; i < aColumns.size(); ++i) {
        TRColumn& c = *aColumns[i];
        if (!c.lTotal || (c.lTotalExpr && !rt::IsTrue(c.bTotalExpr.Eval()))) continue;
        const rt::Value v = ValueOf(c.aData[static_cast<std::size_t>(line - 1)]);
        if (!v.IsNumber()) continue;
        c.nTotal += v.AsNumber();
        for (auto& g : aGroups) g->aTotal[i] += v.AsNumber();
      }
      if (!lSummary) EndLine(height);
    }
    Skip();
    if (!aGroups.empty()) {
      while (MoreRecords() && !rt::IsTrue(bFor.Eval())) Skip();
      // A changed outer group ends every group inside it too.
      std::size_t changed = aGroups.size();
      for (std::size_t i = 0; i < aGroups.size(); ++i)
        if (aGroups[i]->Check() && changed == aGroups.size()) changed = i;
      for (std::size_t i = aGroups.size(); i-- > changed;) EndGroup(i);
      for (std::size_t i = 0; i < aGroups.size(); ++i)
        if (aGroups[i]->lNeedStart) StartGroup(i);
    }
  }
  for (std::size_t i = aGroups.size(); i-- > 0;)
    if (aGroups[i]->nCounter > 0) EndGroup(i);
  lFinish = true;
  End();
}

void TReport::End() {
  if (ended_) return;
  ended_ = true;
  lFinish = true;
  if (!oDevice) return;
  if (!lStable) {
    Abandon();
    return;
  }
  if (!lBreak && bEnd.IsBlock()) bEnd.Eval();
  EndPage();
  RestoreLibrary();
  if (!lScreen) oDevice->End();
  oDevice->Release();
}

void TReport::StartPage() {
  oDevice->StartPage();
  // A device that refused the page has told the user and closed; the
  // report stops as if cancelled.
  if (!oDevice->Ready()) {
    lBreak = true;
    return;
  }
  ++nPage;
  if (Shell().progress) Shell().progress(*this);
  Hook(bStartPage, busyStartPage_);
  oHeader->Say();
  oTitle->Say();
  ColTitle();
  lFirstRow = true;
}

void TReport::EndPage() {
  // A device that refused a page has no page to end.
  if (!oDevice->Ready()) return;
  Hook(bEndPage, busyEndPage_);
  PageTotal();
  oFooter->Say();
  Hook(bPostPage, busyEndPage_);
  if (lFinish && !lBreak) Hook(bPostEnd, busyEndPage_);
  oDevice->EndPage();
  if (!lFinish) StartPage();
}

void TReport::ColTitle() {
  nRow = nTitleRow;
  if (nTitleUpLine > 0) TotalLine(nTitleUpLine, 1);
  for (int line = 1; line <= nMaxTitle; ++line) {
    double tallest = 0;
    for (const auto& c : aColumns) {
      c->SayTitle(nRow, c->nCalCol, static_cast<std::size_t>(line));
      tallest = std::max(tallest, c->nTitleHeight);
    }
    if (nTitleUpLine > 0) Grid(tallest, nRow);
    nRow += tallest;
  }
  if (nTitleDnLine > 0) TotalLine(nTitleDnLine, 2);
}

void TReport::StartLine(double height, bool separatorLine) {
  if (height <= 0) return;
  if (nRow + height >= nBottomRow) {
    EndPage();
    separatorLine = false;
  }
  if (separatorLine) Separator();
  Shadow(height);
  Grid(height, nRow);
  Hook(bStartLine, busyStartLine_);
}

void TReport::EndLine(double height) {
  Hook(bEndLine, busyEndLine_);
  nRow += height;
  lFirstRow = false;
  if (NeedNewPage()) EndPage();
}

void TReport::StartGroup(std::size_t n) {
  TRGroup& g = *aGroups[n];
  g.lNeedStart = false;
  if (!MoreRecords()) return;
  Hook(bStartGroup, busyStartGroup_, g.Self());
  if (g.nHeaderHeight > 0) {
    StartLine(g.nHeaderHeight);
    g.Header(nRow);
    EndLine(g.nHeaderHeight);
  }
}

void TReport::EndGroup(std::size_t n) {
  TRGroup& g = *aGroups[n];
  Hook(bEndGroup, busyEndGroup_, g.Self());
  if (!lSummary && lTotal) {
    StartLine(2 * g.nFooterHeight);
    TotalLine(nGroupLine, 0);
    lFirstRow = false;
  }
  if (g.nFooterHeight > 0 || lTotal) {
    const double height = std::max(g.nFooterHeight, nStdLineHeight);
    StartLine(height);
    g.Footer(nRow);
    EndLine(height);
  }
  Hook(bPostGroup, busyEndGroup_, g.Self());
  if (g.lEject && !lFirstRow && MoreRecords() && rt::IsTrue(bFor.Eval())) EndPage();
  g.Reset();
  g.lNeedStart = true;
}

}  // namespace prn
