#include "services/calldll.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

using rt::Value;
using svc::CALLDLL;
using svc::GETPROCADDRESS;
using svc::Ref;

class CallDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    probe = svc::LOADLIBRARY("calldll_probe.dll");
    ASSERT_GT(probe, 32);
  }
  void TearDown() override { svc::FREELIBRARY(probe); }

  std::string Bind(const char* entry, bool calleePops, int result, std::initializer_list<int> types) {
    return GETPROCADDRESS(probe, entry, calleePops, result, types);
  }

  std::intptr_t probe = 0;
};

// The entry address takes a pointer's size: 4 bytes in the 32-bit programs.
constexpr std::size_t kAddressSize = sizeof(void*);

TEST_F(CallDllTest, DescriptorLayout) {
  std::string d = Bind("ProbeScaleInto", true, 12, {3, 3, 10});
  ASSERT_EQ(d.size(), kAddressSize + 6);
  std::uintptr_t address;
  std::memcpy(&address, d.data(), kAddressSize);
  EXPECT_EQ(address, reinterpret_cast<std::uintptr_t>(
                         GetProcAddress(reinterpret_cast<HMODULE>(probe), "ProbeScaleInto")));
  EXPECT_EQ(d.substr(kAddressSize), std::string("\x01\x0c\x03\x03\x03\x0a", 6));

  std::string bare = GETPROCADDRESS(probe, "x", true, 12);
  ASSERT_EQ(bare.size(), kAddressSize + 3);
  EXPECT_EQ(bare, std::string(kAddressSize, '\0') + std::string("\x01\x0c\0", 3));  // unknown entry: address 0
  EXPECT_TRUE(CALLDLL(bare, {1, 2}).IsNil());
  EXPECT_TRUE(CALLDLL("short").IsNil());
}

TEST_F(CallDllTest, StdcallWritesBackANumberPassedByReference) {
  std::string d = Bind("ProbeScaleInto", true, 3, {3, 3, 10});
  Value out = -5;
  EXPECT_EQ(CALLDLL(d, {2, 3, Ref(out)}), Value(6));
  EXPECT_EQ(out, Value(1));

  Value byValue = 0;  // reaches the callee as a null pointer and stays
  EXPECT_EQ(CALLDLL(d, {7, 1, byValue}), Value(7));
  EXPECT_EQ(byValue, Value(0));

  EXPECT_EQ(CALLDLL(d), Value(0));  // missing arguments are zeros
}

TEST_F(CallDllTest, CdeclWithDoubleLogicalAndShort) {
  std::string d = Bind("ProbeMix", false, 4, {3, 11, 5, 1});
  EXPECT_EQ(CALLDLL(d, {100, 2.5, true, 65537}), Value(100 + 25 + 1000 + 1));
  EXPECT_EQ(CALLDLL(d, {-1, Value(), false, 7}), Value(6));
}

TEST_F(CallDllTest, DoublesInRegistersAndOnTheStack) {
  std::string d = Bind("ProbeLateDoubles", true, 3, {3, 11, 3, 3, 11, 3, 11});
  EXPECT_EQ(CALLDLL(d, {1, 0.5, 20, 300, 0.25, 4000, 0.125}), Value(1 + 5 + 20 + 300 + 25 + 4000 + 125));
}

TEST_F(CallDllTest, WrongConventionLeavesTheCallerIntact) {
  std::string stdcallAsCdecl = Bind("ProbeScaleInto", false, 3, {3, 3, 10});
  std::string cdeclAsStdcall = Bind("ProbeMix", true, 3, {3, 11, 5, 1});
  for (int i = 0; i < 200; ++i) {
    ASSERT_EQ(CALLDLL(stdcallAsCdecl, {i, 2, 0}), Value(2 * i));
    ASSERT_EQ(CALLDLL(cdeclAsStdcall, {i, 0.0, false, 0}), Value(i));
  }
}

TEST_F(CallDllTest, StringsByValueAreCopiesByReferenceWrittenBack) {
  std::string d = Bind("ProbeUpper", true, 9, {9});
  Value text = "stra\xdf" "e";
  EXPECT_EQ(CALLDLL(d, {text}), Value("STRA\xdf" "E"));
  EXPECT_EQ(text, Value("stra\xdf" "e"));

  EXPECT_EQ(CALLDLL(d, {Ref(text)}), Value("STRA\xdf" "E"));
  EXPECT_EQ(text, Value("STRA\xdf" "E"));

  Value notText = 12;  // a non-text string argument is a null pointer
  EXPECT_EQ(CALLDLL(d, {Ref(notText)}), Value(""));
  EXPECT_EQ(notText, Value(12));
}

TEST_F(CallDllTest, NullStringAndDoubleResults) {
  EXPECT_EQ(CALLDLL(Bind("ProbeNullText", true, 8, {})), Value(""));
  EXPECT_EQ(CALLDLL(Bind("ProbeHalf", true, 11, {11}), {2.5}), Value(1.25));
}

TEST_F(CallDllTest, ByReferenceNumberBeyondPositionFifteen) {
  std::initializer_list<int> types = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 10};
  std::string d = Bind("ProbeSumInto", false, 0, types);
  ASSERT_EQ(d.size(), kAddressSize + 3 + 17);
  Value sum = 0;
  Value r = CALLDLL(d, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, Ref(sum)});
  EXPECT_TRUE(r.IsNil());
  EXPECT_EQ(sum, Value(136));
}

TEST_F(CallDllTest, PlatformStringBufferFilledByReference) {
  // The section-name reader fills a caller's buffer; it keeps its length.
  ScratchDir dir;
  const std::string file = dir / "calldll_sections.ini";
  const char* path = file.c_str();
  WritePrivateProfileStringA("Alpha", "k", "1", path);
  WritePrivateProfileStringA("Beta", "k", "2", path);
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);

  std::intptr_t kernel = svc::LOADLIBRARY("Kernel32.dll");
  std::string d = GETPROCADDRESS(kernel, "GetPrivateProfileSectionNamesA", true, 12, {9, 12, 9});
  Value buffer = std::string(64, ' ');
  Value n = CALLDLL(d, {Ref(buffer), 63, std::string(path)});
  svc::FREELIBRARY(kernel);

  EXPECT_EQ(n, Value(11));
  ASSERT_EQ(buffer.Len(), 64u);
  EXPECT_EQ(buffer.AsString().substr(0, 12), std::string("Alpha\0Beta\0\0", 12));
}

}  // namespace
