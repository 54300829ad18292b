#include "support/error_log.h"

#include <algorithm>

#include "runtime/ntx_order.h"
#include "runtime/numbers.h"
#include "runtime/object.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/transform.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"
#include "runtime/work_areas.h"
#include "support/error_message.h"

namespace support {

namespace {

// Levels 2 to 73 of the call stack.
constexpr std::size_t kMaxReportFrames = 72;
constexpr int kMaxOrders = 15;

class LogWriter {
 public:
  void Heading(const std::string& title) {
    if (!text_.empty()) Line("");
    Line(title);
    Line(std::string(title.size(), '='));
  }
  void Line(const std::string& line) { text_ += line + "\r\n"; }
  std::string Text() && { return std::move(text_); }

 private:
  std::string text_;
};

std::string Num(long long n) { return std::to_string(n); }

std::string FrameName(const rt::CallFrame& f) {
  return f.className ? std::string(f.className) + ":" + f.proc : std::string(f.proc);
}

std::string ValueLine(const rt::Value& v) { return LogLineText(CGETINFO(v)); }

// The size with thousands separators; the picture widens for programs of
// ten megabytes and more instead of showing stars.
std::string SizeText(std::uint64_t size) {
  const rt::Value n(static_cast<double>(size));
  return size <= 9999999 ? rt::TRANSFORM(n, "9,999,999") : rt::TRANSFORM(n, "999,999,999,999");
}

void Application(LogWriter& log, const rt::Error& e, const SystemFacts& f) {
  log.Heading("Application");
  log.Line("   Path and name: " + f.programPath + " (" + Num(f.programBits) + " bits)");
  log.Line("   Size: " + SizeText(f.programSize) + " bytes");
  log.Line("   Time from start: " + f.timeFromStart);
  log.Line("   Error occurred at: " + f.date + ", " + f.time);
  log.Line("   Error description: " + LogLineText(ErrorMessageAnsi(e)));
  if (!e.args.IsArray()) return;
  log.Line("   Args:");
  const auto& items = e.args.Items();
  for (std::size_t i = 0; i < items.size(); ++i)
    log.Line("     [" + rt::PADL(Num(static_cast<long long>(i + 1)), 4) + "] = " + rt::VALTYPE(items[i]) + "   " +
             LogLineText(rt::CVALTOCHAR(items[i])));
}

void StackCalls(LogWriter& log, const std::vector<rt::CallFrame>& frames) {
  log.Heading("Stack Calls");
  for (const std::string& line : StackLines(frames)) log.Line("   " + line);
}

void System(LogWriter& log, const SystemFacts& f) {
  log.Heading("System");
  log.Line("   CPU type: " + f.cpuName + " " + Num(f.cpuMhz) + " Mhz");
  log.Line("   Hardware memory: " + Num(static_cast<long long>(f.physicalMb + 1)) + " megs");
  log.Line("");
  log.Line("   Free System resources: " + Num(f.freeResources) + " %");
  log.Line("        GDI    resources: " + Num(f.gdiResources) + " %");
  log.Line("        User   resources: " + Num(f.userResources) + " %");
  log.Line("");
  log.Line("   Compiler version: " + f.compilerVersion);
  log.Line("   Windows version: " + Num(f.winMajor) + "." + Num(f.winMinor) + ", Build " + Num(f.winBuild) + " " +
           f.servicePack);
  log.Line("");
  log.Line("   Windows total applications running: " + Num(static_cast<long long>(f.tasks.size())));
  for (std::size_t i = 0; i < f.tasks.size(); ++i)
    log.Line("    " + rt::PADL(Num(static_cast<long long>(i + 1)), 3) + " " + LogLineText(f.tasks[i]));
}

// Frames record their parameters only; a local lives in a C++ variable the
// runtime cannot see, so no "Local" lines are written.
void Variables(LogWriter& log, const std::vector<rt::CallFrame>& frames) {
  log.Heading("Variables in use");
  log.Line("   Procedure     Type   Value");
  log.Line("   " + std::string(26, '='));
  for (const rt::CallFrame& f : frames) {
    log.Line("   " + FrameName(f));
    for (std::size_t i = 0; i < f.params.size(); ++i)
      log.Line("     Param " + rt::PADL(Num(static_cast<long long>(i + 1)), 3) + ":    " + rt::VALTYPE(f.params[i]) +
               "    " + ValueLine(f.params[i]));
  }
}

void Drivers(LogWriter& log) {
  log.Heading("Linked RDDs");
  const rt::Value list = rt::RDDLIST();
  for (const rt::Value& name : list.Items()) log.Line("   " + name.AsString());
}

std::string Logical(bool b) { return b ? ".T." : ".F."; }

std::string Count5(std::uint32_t n) { return rt::TRANSFORM(rt::Value(static_cast<double>(n)), "99999"); }

// The runtime has no relations between work areas, so "Relations in use"
// stands without lines.
void Area(LogWriter& log, rt::WorkArea& area, bool current) {
  log.Line("");
  log.Line(rt::PADL(Num(area.Number()), 3) + ": " + (current ? "=> " : "   ") + rt::PADR(area.Alias(), 15) +
           std::string(20, ' ') + "RddName: DBFNTX");
  log.Line("     " + std::string(30, '='));
  log.Line("     RecNo    RecCount    BOF   EOF");
  log.Line("    " + Count5(area.RecNo()) + std::string(6, ' ') + Count5(area.RecCount()) + std::string(6, ' ') +
           Logical(area.Bof()) + "   " + Logical(area.Eof()));
  log.Line("");
  log.Line("     Indexes in use " + std::string(23, ' ') + "TagName");
  for (int n = 1; n <= std::min(area.OrderCount(), kMaxOrders); ++n) {
    const rt::NtxOrder* order = area.Order(n);
    if (!order || order->KeyText().empty()) continue;
    log.Line(std::string(8, ' ') + (n == area.Focus() ? "=> " : "   ") + rt::PADR(LogLineText(order->KeyText()), 35) +
             order->Name());
  }
  log.Line("");
  log.Line("     Relations in use");
}

void DataBases(LogWriter& log) {
  log.Heading("DataBases in use");
  rt::WorkAreas& areas = rt::WorkAreas::Get();
  for (int n = 1; n <= rt::WorkAreas::kMaxAreas; ++n) {
    rt::WorkArea* area = areas.Area(n);
    if (area && !area->Alias().empty()) Area(log, *area, n == areas.Selected());
  }
}

void Classes(LogWriter& log) {
  log.Heading("Classes in use:");
  long n = 0;
  for (const rt::ClassInfo* c : rt::ClassesInUse()) {
    if (c->Name().empty()) break;
    log.Line("   " + rt::PADL(Num(++n), 3) + " " + c->Name());
  }
}

void Memory(LogWriter& log, const SystemFacts& f) {
  log.Heading("Memory Analysis");
  log.Line("      " + Num(f.staticCount) + " Static variables");
  log.Line("");
  log.Line("   Dynamic memory consume:");
  log.Line("      Actual  Value: " + rt::STR(static_cast<double>(f.memoryUsed), 10) + " bytes");
  log.Line("      Highest Value: " + rt::STR(static_cast<double>(f.memoryPeak), 10) + " bytes");
}

}  // namespace

std::vector<rt::CallFrame> ReportFrames(int skip) {
  const std::vector<rt::CallFrame>& stack = rt::CallStack();
  std::vector<rt::CallFrame> out;
  for (auto it = stack.rbegin() + std::min<std::ptrdiff_t>(skip, static_cast<std::ptrdiff_t>(stack.size()));
       it != stack.rend() && out.size() < kMaxReportFrames; ++it) {
    if (it->proc && *it->proc) out.push_back(*it);
  }
  return out;
}

std::vector<std::string> StackLines(const std::vector<rt::CallFrame>& frames) {
  std::vector<std::string> lines;
  for (const rt::CallFrame& f : frames) lines.push_back("Called from " + FrameName(f) + "(" + Num(f.line) + ")");
  return lines;
}

std::string ErrorLogText(const rt::Error& e, const SystemFacts& facts, const std::vector<rt::CallFrame>& frames) {
  LogWriter log;
  Application(log, e, facts);
  StackCalls(log, frames);
  System(log, facts);
  Variables(log, frames);
  Drivers(log);
  DataBases(log);
  Classes(log);
  Memory(log, facts);
  return std::move(log).Text();
}

}  // namespace support
