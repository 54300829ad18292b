#pragma once
// Shared pieces of the table driver tests: a scratch folder per test, an
// error block that records errors and takes the default, and word tables.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/table_fns.h"
#include "runtime/text_case.h"
#include "runtime/value.h"
#include "tests/runtime/error_log.h"
#include "tests/runtime/scratch_dir.h"

namespace rt::test {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Sets().deleted = false;
    Sets().softseek = false;
  }
  void TearDown() override {
    DBCLOSEALL();
    Sets().deleted = false;
    Sets().softseek = false;
  }

  std::string Path(const std::string& name) const { return (scratch_.Dir() / name).string(); }
  int LastGenCode() const { return errors.empty() ? 0 : errors.back()->genCode; }

  // A word table: DEUTSCH C50, FREMD C50, SPRACHE C2, STATUS N1, with rows.
  void MakeWordTable(const std::string& name, const std::vector<std::pair<std::string, std::string>>& rows) {
    ASSERT_TRUE(DBCREATE(Path(name), Value::Array({Value::Array({"DEUTSCH", "C", 50, 0}),
                                                   Value::Array({"FREMD", "C", 50, 0}),
                                                   Value::Array({"SPRACHE", "C", 2, 0}),
                                                   Value::Array({"STATUS", "N", 1, 0})})));
    ASSERT_TRUE(DBUSEAREA(true, "", Path(name), "W", false, false));
    for (const auto& [de, fr] : rows) {
      DBAPPEND();
      FIELDPUT("DEUTSCH", de);
      FIELDPUT("FREMD", fr);
      FIELDPUT("SPRACHE", "EN");
      FIELDPUT("STATUS", 0);
    }
    DBCLOSEAREA();
  }

  // The keys of the word tables' two orders, made in C++ so that these tests
  // do not depend on the macro compiler.
  static Value GermanKey() {
    return Value::Block([](Args) {
      return Value(AsciiUpper(FIELDGET("DEUTSCH").AsString()) + AsciiUpper(FIELDGET("FREMD").AsString()));
    });
  }
  static Value ForeignKey() {
    return Value::Block([](Args) { return Value(AsciiUpper(FIELDGET("FREMD").AsString())); });
  }

  // A prefix and a number ("w" + 12 is "w12"). Built by appending: GCC 12
  // misreads the inlined literal-plus-string operator as an overlapping copy.
  static std::string Numbered(std::string_view prefix, long long n) {
    std::string s(prefix);
    s += std::to_string(n);
    return s;
  }

  static std::string Trimmed(const Value& v) {
    std::string s = v.AsString();
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  }

  // The German terms in the order in force, from the top.
  static std::vector<std::string> GermanColumn() {
    std::vector<std::string> out;
    for (DBGOTOP(); !DbEof(); DBSKIP(1)) out.push_back(Trimmed(FIELDGET("DEUTSCH")));
    return out;
  }

  // Every error is recorded and defaulted, through the closing in TearDown too.
  ErrorLog errorLog_{{}, Value(false)};
  std::vector<ErrorPtr>& errors = errorLog_.errors;

 private:
  ErrorBlockScope block_{errorLog_.Block()};
  ScratchDir scratch_;
};

}  // namespace rt::test
