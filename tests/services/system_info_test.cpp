#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>

#include "services/cpu_info.h"
#include "services/display_info.h"
#include "services/win_version.h"

namespace {

TEST(WinVersion, NamesByPlatformAndVersion) {
  const struct {
    int major, minor, platform;
    const char* name;
  } cases[] = {{5, 2, 2, "Server 2003"}, {5, 1, 2, "XP"}, {5, 0, 2, "2000"}, {6, 1, 2, "2000"},
               {10, 0, 2, "2000"},       {4, 0, 2, "NT"}, {4, 90, 1, "98"}, {4, 10, 1, "98"},
               {4, 0, 1, "95"},          {5, 0, 1, "ME"}};
  for (const auto& c : cases) {
    EXPECT_EQ(svc::WinVersionName(c.major, c.minor, c.platform), c.name) << c.major << "." << c.minor;
  }
  // Wine reports an NT-line version, which has the classic dialog font.
  EXPECT_EQ(svc::GETSYSFONT(), "Ms Sans Serif");
  EXPECT_EQ(svc::ISWIN2000(), svc::CWINVERSION() == "2000");
}

TEST(DisplayInfo, ScreenOfTheTestSession) {
  rt::Value width, height;
  const rt::Value both = svc::SCRRESOLUTION(width, height);
  EXPECT_EQ(width, rt::Value(GetSystemMetrics(SM_CXSCREEN)));
  EXPECT_EQ(height, rt::Value(GetSystemMetrics(SM_CYSCREEN)));
  ASSERT_EQ(both.Len(), 2u);
  EXPECT_EQ(both.At(1), width);
  EXPECT_EQ(both.At(2), height);
  EXPECT_FALSE(svc::LARGEFONTS());
  EXPECT_DOUBLE_EQ(svc::DISPFONTPERSIZE(), 1.0);
}

TEST(DisplayInfo, ColourCountDoesNotOverflowAtThirtyTwoBits) {
  HDC dc = GetDC(nullptr);
  const int bits = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
  ASSERT_EQ(bits, 32);  // what Wine reports on a 24-bit X screen
  EXPECT_DOUBLE_EQ(svc::COLORSQTY(), 4294967296.0);
}

TEST(CpuInfo, NamesFromTheIdentificationLeaves) {
  constexpr std::uint32_t kMmx = 1u << 23, kSse = 1u << 25, kSse2 = 1u << 26;
  auto leaves = [](std::uint32_t family, std::uint32_t brand, std::uint32_t features, std::uint8_t cacheByte = 0) {
    svc::CpuIdLeaves l;
    l.maxLeaf = 2;
    l.signature = family << 8;
    l.brand = brand;
    l.features = features;
    l.cache[0] = 1;
    l.cache[5] = cacheByte;
    return l;
  };
  const struct {
    svc::CpuIdLeaves leaves;
    const char* name;
  } cases[] = {
      {leaves(6, 1, kMmx), "Intel Celeron"},
      {leaves(6, 2, kMmx), "Intel Pentium III"},
      {leaves(6, 3, kMmx), "Intel Pentium III Xeon"},
      {leaves(15, 8, kMmx), "Intel Pentium IV"},
      {leaves(4, 0, 0), "486"},
      {leaves(5, 0, 0), "Pentium classic"},
      {leaves(5, 0, kMmx), "Pentium MMX"},
      {leaves(6, 0, 0), "Pentium Pro"},
      {leaves(6, 0, kMmx), "Pentium II"},
      {leaves(6, 0, kMmx, 0x40), "(PII core) Celeron"},
      {leaves(6, 0, kMmx | kSse), "Pentium III"},
      {leaves(6, 0, kMmx | kSse, 0x79), "(PIII core) Celeron"},
      {leaves(6, 0, kMmx | kSse | kSse2), "Pentium IV"},
      {leaves(15, 0, kMmx | kSse | kSse2), "GetCPU() failed!"},
      {svc::CpuIdLeaves{}, "GetCPU() failed!"},
  };
  for (const auto& c : cases) EXPECT_EQ(svc::CpuName(c.leaves), c.name) << c.name;
  // Byte 0 of leaf 2 is the repeat count, never a cache descriptor.
  svc::CpuIdLeaves countOnly = leaves(6, 0, kMmx);
  countOnly.cache[0] = 0x40;
  EXPECT_EQ(svc::CpuName(countOnly), "Pentium II");

  const std::string running = svc::GETCPU();
  EXPECT_NE(running, "386");
  EXPECT_NE(running, "486");
}

TEST(CpuInfo, ClockRoundedToTheUsualSteps) {
  const struct {
    float mhz;
    int rounded;
  } cases[] = {{2993.4f, 3000}, {1666.2f, 1666}, {666.5f, 667}, {133.0f, 133}, {74.0f, 75}, {30.0f, 30},
               {100.0f, 100}};
  for (const auto& c : cases) EXPECT_EQ(svc::CpuSpeedRound(c.mhz), c.rounded) << c.mhz;
  // The measured clock is itself one of the steps, and a processor's.
  const int measured = svc::GETCPUSPEED();
  EXPECT_EQ(svc::CpuSpeedRound(static_cast<float>(measured)), measured);
  EXPECT_GE(measured, 200);
  EXPECT_LE(measured, 10000);
}

}  // namespace
