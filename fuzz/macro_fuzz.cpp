// Fuzzes the macro compiler and evaluator: any text must compile to a tree
// or to a clear syntax error, and evaluating it must end in a value or a
// runtime error handed to the error block, never in a crash. Functions that
// touch files or open tables are replaced by inert ones, so that no
// generated text can change anything on the disk.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/array_cycles.h"
#include "runtime/error.h"
#include "runtime/macro.h"
#include "runtime/macro_ast.h"
#include "runtime/memvar.h"
#include "runtime/table_fns.h"
#include "runtime/text_case.h"

namespace {

// One work area "DBUCH" with the fields of a word table.
class FuzzTables : public rt::MacroHost {
 public:
  int CurrentArea() override { return current_; }
  int AreaOfAlias(std::string_view alias) override { return rt::AsciiUpper(alias) == "DBUCH" ? 1 : 0; }
  int FieldIndex(int area, std::string_view name) override {
    if (area != 1) return 0;
    const std::string n = rt::AsciiUpper(name);
    for (int i = 0; i < 4; ++i)
      if (n == kNames[i]) return i + 1;
    return 0;
  }
  rt::Value GetField(int, int index) override { return values_[index - 1]; }
  void PutField(int, int index, const rt::Value& v) override { values_[index - 1] = v; }
  int SelectArea(int area) override {
    const int old = current_;
    current_ = area;
    return old;
  }
  void Reset() {
    current_ = 1;
    values_[0] = rt::Value("Haus");
    values_[1] = rt::Value("house");
    values_[2] = rt::Value("EN");
    values_[3] = rt::Value::Num(1, 1, 0);
  }

 private:
  static constexpr const char* kNames[4] = {"DEUTSCH", "FREMD", "SPRACHE", "STATUS"};
  int current_ = 1;
  rt::Value values_[4];
};

FuzzTables& Tables() {
  static FuzzTables tables;
  return tables;
}

// The inputs reach no file: the functions that touch files or drives are
// replaced, and with no table ever opened the table functions that would
// change one only raise "no table". The current directory stays where the
// fuzzer was started, which reads its corpus by relative paths after the
// first input has run.
bool Setup() {
  for (const char* name : {"FILE", "FERASE", "FRENAME", "FCREATE", "FOPEN", "FREADSTR", "FWRITE", "FSEEK",
                           "FCLOSE", "MEMOREAD", "MEMOWRIT", "__COPYFILE", "DIRECTORY", "CURDRIVE", "DBUSEAREA",
                           "DBCREATE"})
    rt::RegisterFunction(name, [](rt::Args) { return rt::Value(); });
  // The work areas install themselves as the macro host when first used;
  // made now, so that the stand-in below stays the host for every input.
  rt::SELECT();
  rt::RegisterFunction("TRANSCHR", [](rt::Args a) { return a.empty() ? rt::Value() : a[0]; });
  rt::SetMacroHost(&Tables());
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = Setup();
  (void)ready;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  rt::macro::SyntaxDetail error;
  const bool compiled = rt::macro::Parse(text, &error) != nullptr;
  // a failed compile must say why
  if (!compiled && rt::macro::DescribeSyntax(error, rt::CurrentLang()).empty()) __builtin_trap();

  Tables().Reset();
  const std::size_t mark = rt::PrivateMark();
  rt::PRIVATE("cText", "Wort");
  rt::PRIVATE("nNum", rt::Value::Num(1.5, 4, 2));
  rt::PRIVATE("aList", rt::Value::Array({1, "two", rt::Value::Array({3})}));
  rt::PRIVATE("cMacro", "nNum * 2");
  {
    rt::ErrorBlockScope quiet(rt::Value::Block([](rt::Args a) -> rt::Value { rt::BREAK(rt::Arg(a, 0)); }));
    const auto ignore = [](const rt::Value&) {};
    rt::Sequence([&] { rt::MacroEval(text); }, ignore);
    rt::Sequence([&] { rt::TYPE(text); }, ignore);
    rt::Sequence([&] { rt::MacroCompile(text).Eval(rt::Value("x"), rt::Value(2)); }, ignore);
  }
  rt::ReleasePrivates(mark);
  // Arrays the text made to hold each other would otherwise outlive it.
  rt::CollectArrayCycles();
  return 0;
}
