// Writes a small word table with a memo field and two index orders, or checks
// such a table written by another build. tools/test writes one with every
// build (native, 32-bit and 64-bit Windows), compares the files byte for
// byte and lets every build read every other build's files: stored layouts
// must not depend on the compiler or the pointer size.
//
//   table_exchange write DIR
//   table_exchange check DIR
//
// Exits 0 when the table was written, or read back as written.

#include <cstdio>
#include <string>

#include "runtime/table_fns.h"

namespace {

constexpr int kRows = 400;  // enough for both orders to split pages

std::string German(int i) { return "W\xF6rter " + std::to_string(1000 + (i * 37) % kRows); }
std::string Foreign(int i) { return "mot \xE9t\xE9 " + std::to_string(i); }
std::string Note(int i) { return i % 7 == 0 ? std::string(600 + i, static_cast<char>('a' + i % 26)) : ""; }

std::string Table(const std::string& dir) { return dir + "/EXCH.DBF"; }

bool Write(const std::string& dir) {
  const rt::Value structure = rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 50, 0}),
                                                rt::Value::Array({"FREMD", "C", 50, 0}),
                                                rt::Value::Array({"SPRACHE", "C", 2, 0}),
                                                rt::Value::Array({"STATUS", "N", 1, 0}),
                                                rt::Value::Array({"NOTIZ", "M", 10, 0})});
  if (!rt::DBCREATE(Table(dir), structure) || !rt::DBUSEAREA(true, "DBFNTX", Table(dir), "EXCH", false, false)) {
    return false;
  }
  for (int i = 1; i <= kRows; ++i) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", German(i));
    rt::FIELDPUT("FREMD", Foreign(i));
    rt::FIELDPUT("SPRACHE", "FR");
    rt::FIELDPUT("STATUS", i % 3);
    if (!Note(i).empty()) rt::FIELDPUT("NOTIZ", Note(i));
  }
  rt::DBGOTO(5);
  rt::DBDELETE();
  const bool built = rt::ORDCREATE(dir + "/EXCH1", "", "upper(DEUTSCH)+upper(FREMD)") &&
                     rt::ORDCREATE(dir + "/EXCH2", "", "upper(FREMD)");
  rt::DBCLOSEAREA();
  return built;
}

// UPPER of the runtime: a to z only, as the stored keys were made.
std::string Upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

bool Fail(const std::string& what) {
  std::fprintf(stderr, "table_exchange: %s\n", what.c_str());
  return false;
}

bool Check(const std::string& dir) {
  if (!rt::DBUSEAREA(true, "DBFNTX", Table(dir), "EXCH", false, true)) return Fail("cannot open the table");
  if (!rt::ORDLISTADD(dir + "/EXCH1") || !rt::ORDLISTADD(dir + "/EXCH2")) return Fail("cannot open the orders");
  if (rt::LASTREC() != kRows) return Fail("record count " + std::to_string(rt::LASTREC()));
  for (int i = 1; i <= kRows; ++i) {
    rt::DBGOTO(i);
    if (rt::FIELDGET("FREMD").AsString() != Foreign(i) + std::string(50 - Foreign(i).size(), ' ') ||
        rt::FIELDGET("NOTIZ").AsString() != Note(i) || rt::DELETED() != (i == 5)) {
      return Fail("row " + std::to_string(i) + " reads differently");
    }
  }
  for (int order = 1; order <= 2; ++order) {
    rt::ORDSETFOCUS(order);
    std::string previous;
    long seen = 0;
    for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP()) {
      const std::string foreign = Upper(rt::FIELDGET("FREMD").AsString());
      const std::string key = order == 1 ? Upper(rt::FIELDGET("DEUTSCH").AsString()) + foreign : foreign;
      if (key < previous) return Fail("order " + std::to_string(order) + " out of sequence at " + key);
      ++seen;
      previous = key;
    }
    if (seen != kRows) return Fail("order " + std::to_string(order) + " walks " + std::to_string(seen) + " rows");
  }
  rt::ORDSETFOCUS(2);
  if (!rt::DBSEEK("MOT \xE9T\xE9 123") || rt::RECNO() != 123) return Fail("seek in order 2 missed");
  rt::DBCLOSEAREA();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: table_exchange write|check DIR\n");
    return 2;
  }
  const std::string mode = argv[1];
  if (mode == "write") return Write(argv[2]) ? 0 : 1;
  if (mode == "check") return Check(argv[2]) ? 0 : 1;
  std::fprintf(stderr, "table_exchange: unknown mode %s\n", mode.c_str());
  return 2;
}
