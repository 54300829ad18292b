// The accelerator table object over the message loop's current table.
#include "controls/tacctable.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "core/accelerators.h"

namespace {

std::vector<ACCEL> CurrentEntries() {
  HACCEL table = core::CurrentAccelTable();
  if (!table) return {};
  std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
  CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
  return entries;
}

std::shared_ptr<ctl::TAccTable> NewTable() {
  auto t = std::make_shared<ctl::TAccTable>();
  t->New();
  return t;
}

TEST(TAccTable, ActiveTableHoldsKeyFlagsAndIdAndTheFirstIdOfAPair) {
  auto t = NewTable();
  t->Add(FCONTROL, 'N', 101);
  t->Add(FCONTROL, 'N', 102);
  t->Add(FSHIFT | FCONTROL, VK_F5, 103);
  t->Del(FALT, 'N');
  ASSERT_EQ(t->aItems.Items().size(), 2u);
  t->Activate();
  const auto entries = CurrentEntries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].fVirt, FVIRTKEY | FCONTROL);
  EXPECT_EQ(entries[0].key, 'N');
  EXPECT_EQ(entries[0].cmd, 101);
  EXPECT_EQ(entries[1].fVirt, FVIRTKEY | FSHIFT | FCONTROL);
  EXPECT_EQ(entries[1].key, VK_F5);
  EXPECT_EQ(entries[1].cmd, 103);
  EXPECT_EQ(ctl::TAccTable::Active(), t.get());
  t->End();
  EXPECT_TRUE(t->nHandle.IsNil());
  EXPECT_EQ(core::CurrentAccelTable(), nullptr);
}

// A context menu's table ending must not take the main window's keys.
TEST(TAccTable, EndingAnInactiveTableLeavesTheActiveOne) {
  auto main = NewTable();
  main->Add(FCONTROL, 'S', 201);
  auto popup = NewTable();
  popup->Add(0, VK_DELETE, 202);
  popup->Activate();
  main->Activate();
  const HACCEL active = core::CurrentAccelTable();
  popup->DeActivate();
  popup->End();
  EXPECT_EQ(core::CurrentAccelTable(), active);
  ASSERT_EQ(CurrentEntries().size(), 1u);
  EXPECT_EQ(CurrentEntries()[0].cmd, 201);
  // A table chosen directly through the loop's function is not ours either.
  core::SETACCTABLE(rt::Value::Array({rt::Value::Array({VK_F2, 0, 7})}));
  main->DeActivate();
  ASSERT_EQ(CurrentEntries().size(), 1u);
  EXPECT_EQ(CurrentEntries()[0].cmd, 7);
  core::SETACCTABLE();
  main->End();
}

TEST(TAccTable, DelRemovesOnlyThatPair) {
  auto t = NewTable();
  t->Add(FCONTROL, 'C', 1);
  t->Add(FCONTROL, 'V', 2);
  t->Del(FCONTROL, 'C');
  ASSERT_EQ(t->aItems.Items().size(), 1u);
  EXPECT_EQ(t->aItems.At(1).At(3).AsInt(), 2);
}

}  // namespace
