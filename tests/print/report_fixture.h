#pragma once
// Reports on the test printers over a small word table (WORT C12, ZAHL N3:
// two words on A, two on B, one on C), grouped on the first letter with a
// total of ZAHL, and what a report leaves behind: entries of the temporary
// folder, drawing handles and global memory blocks that were not there
// before the case.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/message_loop.h"
#include "print/tprinter.h"
#include "print/treport.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/global_memory.h"
#include "services/handle_registry.h"
#include "services/resources.h"
#include "tests/print/file_printers.h"
#include "tests/print/preview_driver.h"
#include "tests/runtime/scratch_dir.h"

namespace printtest {

inline std::set<std::string> TempEntries() {
  char dir[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", dir, sizeof dir);
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA((std::string(dir) + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.insert(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

// The record functions of a metafile's bytes (placeable or plain), in order.
inline std::vector<WORD> MetaRecords(const std::string& bytes) {
  std::vector<WORD> functions;
  auto word = [&bytes](std::size_t at) {
    return at + 2 <= bytes.size() ? static_cast<WORD>(static_cast<unsigned char>(bytes[at]) |
                                                      static_cast<unsigned char>(bytes[at + 1]) << 8)
                                  : WORD{0};
  };
  std::size_t at = word(0) == 0xCDD7 && word(2) == 0x9AC6 ? 22 : 0;
  at += 2 * word(at + 2);  // the header's size in words
  while (at + 6 <= bytes.size()) {
    const std::size_t words = word(at) | static_cast<std::size_t>(word(at + 2)) << 16;
    const WORD function = word(at + 4);
    if (words < 3 || function == 0) break;
    functions.push_back(function);
    at += 2 * words;
  }
  return functions;
}

inline std::set<HANDLE> TrackedSet() {
  std::set<HANDLE> handles;
  for (const svc::TrackedHandle& h : svc::TrackedHandles()) handles.insert(h.handle);
  return handles;
}

using Tags = std::vector<std::string>;

// The preview registers its window classes on first use, each with a
// brush that lives as long as the class: a preview opened and closed once
// in the process, before handles are counted.
inline void RegisterPreviewClasses() {
  static bool done = false;
  if (std::exchange(done, true)) return;
  const bool running = core::SetRunningFlag(true);
  const auto printer = std::make_shared<prn::TPrinter>();
  printer->New(rt::Value("Vorlauf"), false, true);
  printer->StartPage();
  printer->EndPage();
  printer->Preview();
  ClosePreview();
  core::SetRunningFlag(running);
}

class ReportPrinting : public FilePrinters {
 protected:
  void SetUp() override {
    FilePrinters::SetUp();
    if (IsSkipped()) return;
    prn::RegisterPrintFunctions();
    const std::string table = (scratch_.Dir() / "words.dbf").string();
    ASSERT_TRUE(rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"WORT", "C", 12, 0}),
                                                      rt::Value::Array({"ZAHL", "N", 3, 0})})));
    ASSERT_TRUE(rt::DBUSEAREA(true, "", table, "W", false, false));
    const std::pair<const char*, int> rows[] = {{"Apfel", 3}, {"Ameise", 2}, {"Birne", 5}, {"Brot", 1}, {"Chor", 4}};
    for (const auto& [word, n] : rows) {
      rt::DBAPPEND();
      rt::FIELDPUT("WORT", rt::Value(word));
      rt::FIELDPUT("ZAHL", rt::Value(n));
    }
    rt::DBGOTOP();
    RegisterPreviewClasses();
    temp_ = TempEntries();
    svc::SetHandleTracking(true);
    handles_ = TrackedSet();
    const auto blocks = svc::GlobalBlocksInUse();
    blocks_.assign(blocks.begin(), blocks.end());
  }
  void TearDown() override {
    svc::SetHandleTracking(false);
    rt::DBCLOSEALL();
    svc::FREERESOURCES();
    FilePrinters::TearDown();
  }

  // The words report, on the printer or recorded for the preview; a file
  // name makes it a text-file report.
  prn::TReportPtr Declare(bool screen, const std::string& file = {}) {
    prn::ReportArgs args;
    args.aTitle = rt::Value::Array({rt::Value("Wortliste")});
    args.aHead = rt::Value::Array({rt::Value("Kopfzeile")});
    args.aFoot = rt::Value::Array({rt::Value("Fu\xDFzeile")});
    if (file.empty()) {
      args.lPrinter = rt::Value(!screen);
      args.lScreen = rt::Value(screen);
    } else {
      args.cFile = rt::Value(file);
    }
    args.cName = rt::Value("Wortbericht");
    const auto report = prn::RPTBEGIN(args);
    rt::Value word[] = {rt::Value::Array({rt::Value("Wort")}), rt::Value(0), rt::Value::Block([](rt::Args) {
                          return rt::Value(rt::TRIM(rt::FIELDGET("WORT").AsString()));
                        })};
    prn::RPTADDCOLUMN(word);
    rt::Value count[] = {rt::Value::Array({rt::Value("Zahl")}), rt::Value(0),
                         rt::Value::Block([](rt::Args) { return rt::FIELDGET("ZAHL"); }), rt::Value(6),
                         rt::Value(), rt::Value(), rt::Value(true), rt::Value(), rt::Value(), rt::Value(),
                         rt::Value(true)};
    prn::RPTADDCOLUMN(count);
    rt::Value group[] = {
        rt::Value::Block([](rt::Args) { return rt::Value(rt::FIELDGET("WORT").AsString().substr(0, 1)); }),
        rt::Value::Block([](rt::Args) { return rt::Value("Buchstabe " + rt::FIELDGET("WORT").AsString().substr(0, 1)); }),
        rt::Value("Summe")};
    prn::RPTADDGROUP(group);
    prn::RPTEND();
    report->cGrandTotal = "Gesamt";
    return report;
  }

  // What is in the temporary folder now and was not at the start.
  std::vector<std::string> NewTempEntries() const {
    std::vector<std::string> added;
    for (const std::string& name : TempEntries())
      if (!temp_.count(name)) added.push_back(name);
    return added;
  }
  // The tags of the drawing handles registered since the start and still
  // alive.
  std::vector<std::string> NewHandles() const {
    std::vector<std::string> added;
    for (const svc::TrackedHandle& h : svc::TrackedHandles())
      if (!handles_.count(h.handle)) added.push_back(h.tag);
    return added;
  }
  std::size_t NewBlocks() const {
    std::size_t added = 0;
    for (const std::intptr_t b : svc::GlobalBlocksInUse())
      added += std::find(blocks_.begin(), blocks_.end(), b) == blocks_.end() ? 1 : 0;
    return added;
  }

  std::string Scratch(const std::string& name) const { return (scratch_.Dir() / name).string(); }

 private:
  rt::test::ScratchDir scratch_;
  std::set<std::string> temp_;
  std::set<HANDLE> handles_;
  std::vector<std::intptr_t> blocks_;
};

}  // namespace printtest
