#include "services/timer.h"

#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "pump_until.h"
#include "services/int32.h"

namespace {

using rt::Value;
using svc::TTimer;

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExA(0, "STATIC", "timer owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner);
  }
  void TearDown() override {
    auto living = svc::TimerRegistry();  // End takes each out of the registry
    for (const auto& t : living) t->End();
    if (IsWindow(owner)) DestroyWindow(owner);
  }

  // A timer whose action counts its ticks.
  std::shared_ptr<TTimer> Counting(int* ticks, long ms, Value oWnd = {}) {
    auto t = std::make_shared<TTimer>();
    t->New(ms, Value::Block([ticks](rt::Args) { return Value(++*ticks); }), oWnd);
    return t;
  }

  // A window object as the class layer passes one: its handle under "hWnd".
  Value OwnerObject() {
    auto o = std::make_shared<OwnerWindow>();
    o->hWnd = svc::HandleNumber(owner);
    return o;
  }

  struct OwnerWindow : rt::Object {
    RT_CLASS_DECL()
    long hWnd = 0;
  };

  HWND owner = nullptr;
};

const rt::ClassInfo& TimerTest::OwnerWindow::ClassDef() {
  static const rt::ClassInfo info("TIMEROWNER", &rt::Object::ClassDef(), nullptr,
                                  [](rt::ClassInfo& c) { rt::ClassBuilder<OwnerWindow>(c).Data("hWnd", &OwnerWindow::hWnd); });
  return info;
}

TEST(TimerIdsDeathTest, TheFirstTimerOfAProcessGetsTwo) {
  // A process of its own: the ids count for the whole process.
  EXPECT_EXIT(
      {
        auto t = std::make_shared<TTimer>();
        t->New();
        std::exit(t->nId == 2 ? 0 : static_cast<int>(t->nId) + 10);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(TimerTest, IdsFollowInCreationOrderAndEndingOneLeavesTheOtherTicking) {
  int first = 0, second = 0;
  auto a = Counting(&first, 5, OwnerObject());
  auto b = Counting(&second, 5, OwnerObject());
  EXPECT_GE(a->nId, 2);
  EXPECT_EQ(b->nId, a->nId + 1);
  EXPECT_EQ(a->hWndOwner, owner);
  EXPECT_FALSE(a->lActive);
  EXPECT_EQ(svc::TimerRegistry().size(), 2u);

  ASSERT_TRUE(a->Activate());
  ASSERT_TRUE(b->Activate());
  ASSERT_TRUE(PumpUntil([&] { return first >= 2 && second >= 2; }));
  a->End();
  EXPECT_EQ(svc::TimerRegistry().size(), 1u);
  int frozen = first;
  ASSERT_TRUE(PumpUntil([&] { return second >= frozen + 5; }));
  EXPECT_EQ(first, frozen);
}

TEST_F(TimerTest, AnActionMayEndItsOwnTimer) {
  auto t = std::make_shared<TTimer>();
  int ticks = 0;
  t->New(5, Value::Block([&](rt::Args) {
    ++ticks;
    t->End();
    return Value();
  }), OwnerObject());
  int other = 0;
  auto witness = Counting(&other, 5, OwnerObject());
  ASSERT_TRUE(t->Activate());
  ASSERT_TRUE(witness->Activate());
  ASSERT_TRUE(PumpUntil([&] { return other >= 5; }));
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(t->lActive);
}

TEST_F(TimerTest, WithoutAnOwnerWindowTheTimerStillFires) {
  SetActiveWindow(nullptr);
  int ticks = 0;
  auto loose = Counting(&ticks, 5);
  ASSERT_TRUE(loose->Activate());
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));

  // Made while a window was active, which then goes away.
  HWND passing = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
  SetForegroundWindow(passing);
  SetActiveWindow(passing);
  ASSERT_EQ(GetActiveWindow(), passing);
  int later = 0;
  auto survivor = Counting(&later, 5);
  EXPECT_EQ(survivor->hWndOwner, passing);
  ASSERT_TRUE(survivor->Activate());
  DestroyWindow(passing);
  ASSERT_TRUE(PumpUntil([&] { return later >= 2; }));

  int orphaned = 0;
  auto gone = Counting(&orphaned, 5, OwnerObject());
  DestroyWindow(owner);
  ASSERT_TRUE(gone->Activate());
  EXPECT_TRUE(PumpUntil([&] { return orphaned >= 2; }));
}

TEST_F(TimerTest, DeActivatedTimersStayRegisteredAndTimerEventRunsOnlyActiveOnes) {
  int ticks = 0;
  auto t = Counting(&ticks, 60000, OwnerObject());
  EXPECT_EQ(svc::TIMEREVENT(t->nId), 0);
  EXPECT_EQ(ticks, 0);  // not active yet
  ASSERT_TRUE(t->Activate());
  svc::TIMEREVENT(t->nId);
  svc::TIMEREVENT(t->nId + 100);
  EXPECT_EQ(ticks, 1);
  t->DeActivate();
  svc::TIMEREVENT(t->nId);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(svc::TimerRegistry().size(), 1u);
  ASSERT_TRUE(t->Activate());
  svc::TIMEREVENT(t->nId);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, SentByNameWithDefaults) {
  Value t = rt::CreateObject("TTimer");
  rt::SendV(t, "New");
  EXPECT_EQ(rt::Send(t, "nInterval"), Value(18));
  EXPECT_TRUE(rt::Send(t, "bAction").IsBlock());
  EXPECT_EQ(rt::Send(t, "Activate"), Value(true));
  EXPECT_EQ(rt::Send(t, "lActive"), Value(true));
  rt::Send(t, "End");
  EXPECT_TRUE(svc::TimerRegistry().empty());
}

}  // namespace
