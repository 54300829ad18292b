#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "services/global_memory.h"
#include "services/grow_array.h"
#include "services/int32.h"

namespace {

struct GArray {
  explicit GArray(HGLOBAL h) : h(h) {}
  ~GArray() {
    if (h) GlobalFree(h);
  }
  HGLOBAL h;
};

std::int32_t GetInt(HGLOBAL a, int pos) {
  std::int32_t v = -1;
  svc::GArrayGet(a, pos, &v);
  return v;
}

TEST(GrowArrayTest, StepsByElementSize) {
  struct Case {
    int elemSize, count, capacity;
  } cases[] = {{4, 0, 32}, {0, 0, 64}, {32, 1, 4}, {40, 10, 12}, {128, 0, 4}, {300, 0, 2}, {4, 100, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.elemSize << "/" << c.count);
    GArray a(svc::GArrayNew(c.elemSize, c.count));
    ASSERT_TRUE(a.h);
    EXPECT_EQ(svc::GArrayCount(a.h), c.count);
    EXPECT_EQ(svc::GArrayCapacity(a.h), c.capacity);
  }
}

TEST(GrowArrayTest, AddGrowsAfterTheStepAndKeepsElements) {
  GArray a(svc::GArrayNew(4, 0));
  for (std::int32_t i = 1; i <= 32; ++i) ASSERT_EQ(svc::GArrayAdd(a.h, &i), i);
  EXPECT_EQ(svc::GArrayCapacity(a.h), 32);
  std::int32_t v = 33;
  EXPECT_EQ(svc::GArrayAdd(a.h, &v), 33);
  EXPECT_EQ(svc::GArrayCapacity(a.h), 64);
  for (int i = 1; i <= 33; ++i) ASSERT_EQ(GetInt(a.h, i), i);

  // Out-of-range positions are ignored both ways.
  std::int32_t bad = 99;
  svc::GArrayPut(a.h, 0, &bad);
  svc::GArrayPut(a.h, 34, &bad);
  EXPECT_EQ(GetInt(a.h, 34), -1);
  EXPECT_EQ(GetInt(a.h, 0), -1);
  EXPECT_EQ(svc::GArrayCount(a.h), 33);
  EXPECT_EQ(svc::GArrayCount(nullptr), 0);
}

TEST(GrowArrayTest, ResizeZeroFillsWhatComesIntoTheCount) {
  GArray a(svc::GArrayNew(4, 3));
  std::int32_t v = 7;
  svc::GArrayPut(a.h, 3, &v);
  ASSERT_TRUE(svc::GArrayResize(a.h, 1));
  ASSERT_TRUE(svc::GArrayResize(a.h, 200));
  EXPECT_EQ(svc::GArrayCount(a.h), 200);
  EXPECT_EQ(svc::GArrayCapacity(a.h), 224);  // whole steps of 32
  EXPECT_EQ(GetInt(a.h, 3), 0);
  EXPECT_EQ(GetInt(a.h, 200), 0);
}

TEST(GrowArrayTest, GrowthPast16BitsIsRefused) {
  GArray a(svc::GArrayNew(1000, 0));
  std::string elem(1000, 'x');
  for (int i = 1; i <= 65; ++i) ASSERT_EQ(svc::GArrayAdd(a.h, elem.data()), i);
  EXPECT_EQ(svc::GArrayAdd(a.h, elem.data()), 0);  // 66 000 bytes would wrap
  EXPECT_FALSE(svc::GArrayResize(a.h, 70));
  EXPECT_EQ(svc::GArrayCount(a.h), 65);
  std::string back(1000, '\0');
  svc::GArrayGet(a.h, 65, back.data());
  EXPECT_EQ(back, elem);

  GArray counted(svc::GArrayNew(1, 65535));
  ASSERT_TRUE(counted.h);
  char c = 'z';
  EXPECT_EQ(svc::GArrayAdd(counted.h, &c), 0);
  EXPECT_EQ(svc::GArrayNew(2, 40000), nullptr);
}

TEST(GrowArrayTest, ScanFromAStartForACount) {
  GArray a(svc::GArrayNew(4, 0));
  for (std::int32_t v : {5, 8, 5, 9, 5}) svc::GArrayAdd(a.h, &v);
  auto isFive = [](const void* p) { return *static_cast<const std::int32_t*>(p) == 5; };
  EXPECT_EQ(svc::GArrayScan(a.h, isFive), 1);
  EXPECT_EQ(svc::GArrayScan(a.h, isFive, 2), 3);
  EXPECT_EQ(svc::GArrayScan(a.h, isFive, 4, 1), 0);
  EXPECT_EQ(svc::GArrayScan(a.h, isFive, 4, 2), 5);
  EXPECT_EQ(svc::GArrayScan(a.h, [](const void*) { return false; }), 0);
}

TEST(GlobalMemoryTest, AllocLockFreeAndRegistry) {
  std::intptr_t h = svc::GLOBALALLOC(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
  ASSERT_NE(h, 0);
  auto inUse = svc::GlobalBlocksInUse();
  EXPECT_NE(std::find(inUse.begin(), inUse.end(), h), inUse.end());

  std::intptr_t address = svc::GLOBALLOCK(h);
  ASSERT_NE(address, 0);
  auto* bytes = svc::HandleOf<unsigned char*>(address);
  EXPECT_EQ(bytes[15], 0);
  std::memcpy(bytes, "abc", 4);
  EXPECT_FALSE(svc::GLOBALUNLOCK(h));
  EXPECT_STREQ(svc::HandleOf<const char*>(svc::GLOBALLOCK(h)), "abc");
  svc::GLOBALUNLOCK(h);

  EXPECT_TRUE(svc::GLOBALFREE(h));
  inUse = svc::GlobalBlocksInUse();
  EXPECT_EQ(std::find(inUse.begin(), inUse.end(), h), inUse.end());
  EXPECT_FALSE(svc::GLOBALFREE(0));
  EXPECT_GT(svc::NEXTMEM(), 1024.0 * 1024);
}

}  // namespace
