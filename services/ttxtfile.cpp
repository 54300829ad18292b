#include "services/ttxtfile.h"

#include <algorithm>

#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/value_text.h"

namespace svc {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string Trim(std::string_view s) { return rt::ALLTRIM(s); }

bool IsSectionLine(std::string_view line) { return !line.empty() && line.front() == '['; }

}  // namespace

const rt::ClassInfo& TTxtFile::ClassDef() {
  static const rt::ClassInfo info("TTXTFILE", &TFile::ClassDef(), rt::FactoryOf<TTxtFile>(), [](rt::ClassInfo& c) {
    auto str = [](rt::Args a, std::size_t i = 0) { return rt::Arg(a, i).AsString(); };
    rt::ClassBuilder<TTxtFile>(c)
        .Data("cLine", &TTxtFile::cLine)
        .Data("nTLines", &TTxtFile::nTLines)
        .Data("nLine", &TTxtFile::nLine)
        .Data("nMaxLineLength", &TTxtFile::nMaxLineLength)
        .Data("nOffset", &TTxtFile::nOffset)
        .Method("New", [=](TTxtFile& f, rt::Args a) {
          auto mode = a.size() > 1 && a[1].IsNumber() ? std::optional<int>(a[1].AsInt()) : std::nullopt;
          return f.New(str(a), mode).Self();
        })
        .Method("Add", [=](TTxtFile& f, rt::Args a) { return rt::Value(f.Add(str(a))); })
        .Method("AppendLn", [=](TTxtFile& f, rt::Args a) { return rt::Value(f.AppendLn(str(a))); })
        .Method("Advance", [](TTxtFile& f, rt::Args) { return rt::Value(f.Advance()); })
        .Method("DelLine", [](TTxtFile& f, rt::Args) { return rt::Value(f.DelLine()); })
        .Method("GetValue", [=](TTxtFile& f, rt::Args a) { return f.GetValue(str(a), str(a, 1), rt::Arg(a, 2)); })
        .Method("GoTo", [](TTxtFile& f, rt::Args a) { f.GoTo(a.empty() ? 1 : a[0].AsInt()); return rt::Value(); })
        .Method("GoTop", [](TTxtFile& f, rt::Args) { f.GoTop(); return rt::Value(); })
        .Method("GoBottom", [](TTxtFile& f, rt::Args) { f.GoBottom(); return rt::Value(); })
        .Method("InsLine", [=](TTxtFile& f, rt::Args a) { return rt::Value(f.InsLine(str(a))); })
        .Method("LastRec", [](TTxtFile& f, rt::Args) { return rt::Value(f.LastRec()); })
        .Method("nRecno", [](TTxtFile& f, rt::Args) { return rt::Value(f.nRecno()); })
        .Method("ReadLine", [](TTxtFile& f, rt::Args) { return rt::Value(f.ReadLine()); })
        .Method("ReadLn", [](TTxtFile& f, rt::Args) { return rt::Value(f.ReadLn()); })
        .Method("RecCount", [](TTxtFile& f, rt::Args) { return rt::Value(f.RecCount()); })
        .Method("RecNo", [](TTxtFile& f, rt::Args) { return rt::Value(f.RecNo()); })
        .Method("RepLine", [=](TTxtFile& f, rt::Args a) { return rt::Value(f.RepLine(str(a))); })
        .Method("Rewind", [](TTxtFile& f, rt::Args) { return rt::Value(f.Rewind()); })
        .Method("SetValue", [=](TTxtFile& f, rt::Args a) { return rt::Value(f.SetValue(str(a), str(a, 1), rt::Arg(a, 2))); })
        .Method("Skip", [](TTxtFile& f, rt::Args a) { return rt::Value(f.Skip(a.empty() ? 1 : a[0].AsInt())); });
  });
  return info;
}
RT_CLASS_REGISTER(TTxtFile);

TTxtFile& TTxtFile::New(std::string_view name, std::optional<int> mode) {
  TFile::New(name, mode);
  if (Open()) {
    nTLines = Count();
    MoveToLine(0, 1);
  }
  return *this;
}

void TTxtFile::MoveToLine(long offset, long line) {
  nOffset = offset;
  nLine = line;
  TFile::GoTo(offset);
  ReadLine();
}

const std::string& TTxtFile::ReadLine() {
  std::string bytes = ReadAt(nOffset, nMaxLineLength);
  cLine = bytes.substr(0, bytes.find(kCrLf));
  return cLine;
}

std::string TTxtFile::ReadLn() {
  std::string line = cLine;
  Advance();
  return line;
}

bool TTxtFile::Add(std::string_view line) {
  TFile::GoBottom();
  bool empty = nLen == 0;
  std::string text = (empty ? std::string() : std::string(kCrLf)) + std::string(line);
  long start = nLen + (empty ? 0 : 2);
  if (!AppStr(text)) return false;
  if (!empty) ++nTLines;
  MoveToLine(start, nTLines + 1);
  return true;
}

bool TTxtFile::Advance() {
  TFile::GoTo(nOffset);
  if (lEoF()) return false;
  if (!Seek(kCrLf)) {
    TFile::GoBottom();
    return false;
  }
  MoveToLine(nRecNo() + 2, nLine + 1);
  return true;
}

bool TTxtFile::Rewind() {
  TFile::GoTo(nOffset);
  if (!Seek(kCrLf, 1)) {
    MoveToLine(0, 1);
    return false;
  }
  long start = Seek(kCrLf, 1) ? nRecNo() + 2 : 0;
  MoveToLine(start, std::max(1L, nLine - 1));
  return true;
}

bool TTxtFile::Skip(long n) {
  if (n == 0) return false;
  for (long i = 0; i < (n > 0 ? n : -n); ++i)
    if (!(n > 0 ? Advance() : Rewind())) return false;
  return true;
}

void TTxtFile::GoTo(long line) {
  while (line < nLine && Rewind()) {
  }
  while (line > nLine && Advance()) {
  }
}

void TTxtFile::GoTop() { MoveToLine(0, 1); }

void TTxtFile::GoBottom() {
  while (Advance()) {
  }
}

bool TTxtFile::DelLine() {
  std::string bytes = ReadAt(nOffset, nMaxLineLength + 2);
  std::size_t end = bytes.find(kCrLf);
  long n = end == std::string::npos ? static_cast<long>(bytes.size()) : static_cast<long>(end) + 2;
  if (n == 0) return false;
  TFile::GoTo(nOffset);
  if (!DelBytes(n)) return false;
  if (end != std::string::npos) --nTLines;
  MoveToLine(nOffset, nLine);
  return true;
}

bool TTxtFile::InsLine(std::string_view line) {
  TFile::GoTo(nOffset);
  std::string text = std::string(line) + std::string(kCrLf);
  if (!InsBytes(static_cast<long>(text.size()))) return false;
  TFile::GoTo(nOffset);
  if (!PutStr(text)) return false;
  ++nTLines;
  MoveToLine(nOffset, nLine);
  return true;
}

bool TTxtFile::RepLine(std::string_view line) { return DelLine() && InsLine(line); }

bool TTxtFile::FindEntry(std::string_view section, std::string_view entry, long* entryLine, long* sectionEnd) {
  *entryLine = 0;
  *sectionEnd = 0;
  std::string head = "[" + std::string(section) + "]";
  std::string key = Trim(entry);
  GoTop();
  bool inSection = false;
  for (bool more = nLen > 0; more; more = Advance()) {
    if (!inSection) {
      inSection = Trim(cLine) == head;
      continue;
    }
    if (IsSectionLine(cLine)) {
      *sectionEnd = nLine;
      return true;
    }
    std::size_t eq = cLine.find('=');
    if (eq != std::string::npos && Trim(std::string_view(cLine).substr(0, eq)) == key) {
      *entryLine = nLine;
      return true;
    }
  }
  return inSection;
}

rt::Value TTxtFile::GetValue(std::string_view section, std::string_view entry, const rt::Value& uDefault) {
  long line = 0, end = 0;
  if (!FindEntry(section, entry, &line, &end) || line == 0) return uDefault;
  std::string text = Trim(std::string_view(cLine).substr(cLine.find('=') + 1));
  if (uDefault.IsNumber()) return rt::VAL(text);
  if (uDefault.IsDate()) return rt::CTOD(text);
  if (uDefault.IsLogical()) return text == ".T.";
  return text;
}

bool TTxtFile::SetValue(std::string_view section, std::string_view entry, const rt::Value& uValue) {
  std::string line = std::string(entry) + "=" + rt::CVALTOCHAR(uValue);
  long at = 0, end = 0;
  if (!FindEntry(section, entry, &at, &end)) {
    // An empty line, the section and the entry, also in an empty file.
    TFile::GoBottom();
    const bool empty = nLen == 0;
    std::string block = (empty ? std::string() : std::string(kCrLf)) + std::string(kCrLf) + "[" +
                        std::string(section) + "]" + std::string(kCrLf);
    long start = nLen + static_cast<long>(block.size());
    if (!AppStr(block + line)) return false;
    nTLines += empty ? 2 : 3;
    MoveToLine(start, nTLines + 1);
    return true;
  }
  if (at != 0) {
    GoTo(at);
    return RepLine(line);
  }
  if (end != 0) {
    GoTo(end);
    return InsLine(line);
  }
  return Add(line);
}

}  // namespace svc
