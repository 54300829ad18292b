// The report builders and the report classes by name.
#include <vector>

#include "graphics/class_names.h"
#include "graphics/function_names.h"
#include "print/treport.h"
#include "print/trfile.h"
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
double Number(rt::Args a, std::size_t i) { return rt::Arg(a, i).IsNumber() ? rt::Arg(a, i).AsNumber() : 0; }

ReportArgs ArgsOf(rt::Args a) {
  ReportArgs r;
  rt::Value* slots[] = {&r.aTitle,   &r.aHead,   &r.aFoot,   &r.aFont,   &r.aPen,    &r.lSummary,
                        &r.cRptFile, &r.cResName, &r.lPrinter, &r.lScreen, &r.cFile,   &r.oDevice,
                        &r.cName,    &r.cTitleAlign, &r.cHeadAlign, &r.cFootAlign};
  for (std::size_t i = 0; i < std::size(slots); ++i) *slots[i] = rt::Arg(a, i);
  return r;
}

ReportHooks HooksOf(rt::Args a) {
  ReportHooks h;
  rt::Value* slots[] = {&h.bFor,        &h.bWhile,    &h.bInit,     &h.bEnd,      &h.bStartPage,
                        &h.bEndPage,    &h.bStartGroup, &h.bEndGroup, &h.bStartLine, &h.bEndLine,
                        &h.bChange,     &h.bPostEnd,  &h.bPostPage, &h.bPostGroup};
  for (std::size_t i = 0; i < std::size(slots); ++i) *slots[i] = rt::Arg(a, i);
  return h;
}

}  // namespace

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
  rt::RegisterFunction(vdfn::kRptBegin, [](rt::Args a) { return rt::Value(RPTBEGIN(ArgsOf(a))); });
  rt::RegisterFunction(vdfn::kRptAddColumn, [](rt::Args a) { return rt::Value(RPTADDCOLUMN(a)); });
  rt::RegisterFunction(vdfn::kRptAddGroup, [](rt::Args a) { return rt::Value(RPTADDGROUP(a)); });
  rt::RegisterFunction(vdfn::kRptEnd, [](rt::Args) { return rt::Value(RPTEND()); });
}

const rt::ClassInfo& TReport::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kReport), &Object::ClassDef(), rt::FactoryOf<TReport>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TReport>(c)
                                        .Data("cName", &TReport::cName)
                                        .Data("cPageTotal", &TReport::cPageTotal)
                                        .Data("cGrandTotal", &TReport::cGrandTotal)
                                        .Data("nPage", &TReport::nPage)
                                        .Data("nRow", &TReport::nRow)
                                        .Data("lSummary", &TReport::lSummary)
                                        .Data("lCreated", &TReport::lCreated)
                                        .Data("lStable", &TReport::lStable)
                                        .Data("lBreak", &TReport::lBreak)
                                        .Data("lSeparator", &TReport::lSeparator)
                                        .Data("lJoin", &TReport::lJoin)
                                        .Data("lPageTotal", &TReport::lPageTotal)
                                        .Data("bSkip", &TReport::bSkip)
                                        .Data("bPreview", &TReport::bPreview)
                                        .Data("bStdFont", &TReport::bStdFont)
                                        .Data("Cargo", &TReport::Cargo)
                                        .Method("Activate",
                                                [](TReport& r, rt::Args a) {
                                                  r.Activate(HooksOf(a));
                                                  return rt::Value();
                                                })
                                        .Method("oDevice",
                                                [](TReport& r, rt::Args) {
                                                  return r.oDevice ? r.oDevice->AsValue() : rt::Value();
                                                })
                                        .Method("End",
                                                [](TReport& r, rt::Args) {
                                                  r.End();
                                                  return rt::Value();
                                                })
                                        .Method("Say", [](TReport& r, rt::Args a) {
                                          r.Say(static_cast<int>(Number(a, 0)), rt::Arg(a, 1),
                                                rt::Arg(a, 2).IsNumber() ? static_cast<int>(Number(a, 2)) : 1,
                                                rt::Arg(a, 3).IsNumber() ? static_cast<int>(Number(a, 3)) : 1,
                                                rt::Arg(a, 4));
                                          return rt::Value();
                                        });
                                  });
  return info;
}

const rt::ClassInfo& TRColumn::ClassDef() {
  static const rt::ClassInfo info("TRCOLUMN", &Object::ClassDef(), rt::FactoryOf<TRColumn>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRColumn>(c)
        .Data("nWidth", &TRColumn::nWidth)
        .Data("nPad", &TRColumn::nPad)
        .Data("lTotal", &TRColumn::lTotal)
        .Data("lGrid", &TRColumn::lGrid)
        .Data("lShadow", &TRColumn::lShadow)
        .Data("lSeparator", &TRColumn::lSeparator)
        .Data("cTotalPict", &TRColumn::cTotalPict)
        .Data("Cargo", &TRColumn::Cargo);
  });
  return info;
}

const rt::ClassInfo& TRLine::ClassDef() {
  static const rt::ClassInfo info("TRLINE", &Object::ClassDef(), rt::FactoryOf<TRLine>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRLine>(c).Data("nHeight", &TRLine::nHeight).Data("nWidth", &TRLine::nWidth).Data(
        "Cargo", &TRLine::Cargo);
  });
  return info;
}

const rt::ClassInfo& TRGroup::ClassDef() {
  static const rt::ClassInfo info("TRGROUP", &Object::ClassDef(), rt::FactoryOf<TRGroup>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRGroup>(c)
        .Data("cValue", &TRGroup::cValue)
        .Data("nCounter", &TRGroup::nCounter)
        .Data("lEject", &TRGroup::lEject)
        .Data("Cargo", &TRGroup::Cargo);
  });
  return info;
}

const rt::ClassInfo& TRFile::ClassDef() {
  static const rt::ClassInfo info("TRFILE", &rt::Object::ClassDef(), rt::FactoryOf<TRFile>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRFile>(c)
        .Data("nHeight", &TRFile::nHeight)
        .Data("nWidth", &TRFile::nWidth)
        .Data("lPrint", &TRFile::lPrint)
        .Data("cDocument", &TRFile::cDocument)
        .Method("New", [](TRFile& f, rt::Args a) { return f.New(rt::Arg(a, 0).AsString()).Self(); })
        .Method("SetHeight", [](TRFile& f, rt::Args a) {
          f.SetHeight(static_cast<int>(Number(a, 0)));
          return rt::Value();
        })
        .Method("End", [](TRFile& f, rt::Args) {
          f.End();
          return rt::Value();
        });
  });
  return info;
}

RT_CLASS_REGISTER(TReport);
RT_CLASS_REGISTER(TRColumn);
RT_CLASS_REGISTER(TRLine);
RT_CLASS_REGISTER(TRGroup);
RT_CLASS_REGISTER(TRFile);

}  // namespace prn
