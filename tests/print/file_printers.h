#pragma once
// The test prefix's PostScript file printers: "VD Test A" prints into
// C:\out.ps and is the default, "VD Test B" into C:\out2.ps. The fixture
// makes A the default with both files gone, and puts A back afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "print/print_settings.h"

namespace printtest {

inline constexpr const char* kOutA = "C:\\out.ps";
inline constexpr const char* kOutB = "C:\\out2.ps";

inline std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class FilePrinters : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaultPrinterA("VD Test A");
    prn::PRINTERINIT();
    DeleteFileA(kOutA);
    DeleteFileA(kOutB);
    if (prn::PRNGETNAME().empty()) GTEST_SKIP() << "the prefix has no test printers";
  }
  void TearDown() override {
    SetDefaultPrinterA("VD Test A");
    prn::PRINTERINIT();
  }
};

}  // namespace printtest
