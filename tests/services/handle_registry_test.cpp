#include "services/handle_registry.h"

#include <gtest/gtest.h>

namespace {

HANDLE Fake(std::uintptr_t n) { return reinterpret_cast<HANDLE>(n); }

class HandleTrackingTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& e : svc::TrackedHandles()) svc::UntrackHandle(e.handle);
    svc::SetHandleTracking(false);
  }
};

TEST_F(HandleTrackingTest, OffByDefaultRecordsNothing) {
  EXPECT_FALSE(svc::HandleTracking());
  svc::TrackHandle(Fake(0x1234), "BRUSH");
  EXPECT_TRUE(svc::TrackedHandles().empty());
}

TEST_F(HandleTrackingTest, RecordsTagsAndReusesFreedSlots) {
  svc::SetHandleTracking(true);
  svc::TrackHandle(Fake(0x10), "BMP");
  svc::TrackHandle(Fake(0x20), "FONT");
  svc::TrackHandle(Fake(0x30), "PAL");
  svc::UntrackHandle(Fake(0x20));
  svc::TrackHandle(Fake(0x40), "CUR");

  auto live = svc::TrackedHandles();
  ASSERT_EQ(live.size(), 3u);
  EXPECT_EQ(live[0].handle, Fake(0x10));
  EXPECT_EQ(live[0].tag, "BMP");
  EXPECT_EQ(live[1].handle, Fake(0x40));  // took the freed slot
  EXPECT_EQ(live[1].tag, "CUR");
  EXPECT_EQ(live[2].tag, "PAL");
}

TEST_F(HandleTrackingTest, RealGdiObjectsPassStraightThrough) {
  svc::SetHandleTracking(true);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  svc::TrackHandle(brush, "BRUSH");
  ASSERT_EQ(svc::TrackedHandles().size(), 1u);
  svc::UntrackHandle(brush);
  DeleteObject(brush);
  EXPECT_TRUE(svc::TrackedHandles().empty());
}

}  // namespace
