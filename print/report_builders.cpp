// The report builders, with which a program declares a report in one block.
#include <vector>

#include "graphics/function_names.h"
#include "print/treport.h"
#include "runtime/macro.h"

namespace prn {

namespace {

struct UnderConstruction {
  TReportPtr report;
  std::vector<std::shared_ptr<TRColumn>> columns;
  std::vector<std::shared_ptr<TRGroup>> groups;
};

std::vector<UnderConstruction>& Stack() {
  static std::vector<UnderConstruction> stack;
  return stack;
}

bool Flag(rt::Args a, std::size_t i) { return rt::IsTrue(rt::Arg(a, i)); }
double Number(rt::Args a, std::size_t i) { return NumberOr(rt::Arg(a, i), 0); }

}  // namespace

ReportArgs ReportArgsOf(rt::Args a) {
  ReportArgs r;
  rt::Value* slots[] = {&r.aTitle,   &r.aHead,   &r.aFoot,   &r.aFont,   &r.aPen,    &r.lSummary,
                        &r.cRptFile, &r.cResName, &r.lPrinter, &r.lScreen, &r.cFile,   &r.oDevice,
                        &r.cName,    &r.cTitleAlign, &r.cHeadAlign, &r.cFootAlign};
  for (std::size_t i = 0; i < std::size(slots); ++i) *slots[i] = rt::Arg(a, i);
  return r;
}

ReportHooks ReportHooksOf(rt::Args a) {
  ReportHooks h;
  rt::Value* slots[] = {&h.bFor,        &h.bWhile,    &h.bInit,     &h.bEnd,      &h.bStartPage,
                        &h.bEndPage,    &h.bStartGroup, &h.bEndGroup, &h.bStartLine, &h.bEndLine,
                        &h.bChange,     &h.bPostEnd,  &h.bPostPage, &h.bPostGroup};
  for (std::size_t i = 0; i < std::size(slots); ++i) *slots[i] = rt::Arg(a, i);
  return h;
}

TReportPtr RPTBEGIN(const ReportArgs& args) {
  auto report = std::make_shared<TReport>();
  // A report without a device is still declared, so that the block's
  // columns find their report; RPTEND answers it, and it prints nothing.
  report->New(args);
  Stack().push_back({report, {}, {}});
  return report;
}

std::shared_ptr<TRColumn> RPTADDCOLUMN(rt::Args a) {
  if (Stack().empty()) return nullptr;
  auto column = std::make_shared<TRColumn>();
  column->New(rt::Arg(a, 0), Number(a, 1), rt::Arg(a, 2), static_cast<int>(Number(a, 3)), rt::Arg(a, 4),
              rt::Arg(a, 5), Flag(a, 6), rt::Arg(a, 7), rt::Arg(a, 8), Flag(a, 9), Flag(a, 10),
              rt::Arg(a, 11).IsNumber() ? static_cast<int>(Number(a, 11)) : 1, Stack().back().report.get());
  Stack().back().columns.push_back(column);
  return column;
}

std::shared_ptr<TRGroup> RPTADDGROUP(rt::Args a) {
  if (Stack().empty()) return nullptr;
  auto group = std::make_shared<TRGroup>();
  group->New(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2), rt::Arg(a, 3), Flag(a, 4), Stack().back().report.get());
  Stack().back().groups.push_back(group);
  return group;
}

TReportPtr RPTEND() {
  if (Stack().empty()) return nullptr;
  UnderConstruction top = std::move(Stack().back());
  Stack().pop_back();
  for (const auto& c : top.columns) top.report->AddColumn(c);
  for (const auto& g : top.groups) top.report->AddGroup(g);
  return top.report;
}

void RegisterReportFunctions() {
  rt::RegisterFunction(vdfn::kRptBegin, [](rt::Args a) { return rt::Value(RPTBEGIN(ReportArgsOf(a))); });
  rt::RegisterFunction(vdfn::kRptAddColumn, [](rt::Args a) { return rt::Value(RPTADDCOLUMN(a)); });
  rt::RegisterFunction(vdfn::kRptAddGroup, [](rt::Args a) { return rt::Value(RPTADDGROUP(a)); });
  rt::RegisterFunction(vdfn::kRptEnd, [](rt::Args) { return rt::Value(RPTEND()); });
}

}  // namespace prn
