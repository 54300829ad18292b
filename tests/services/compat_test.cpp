#include "services/compat.h"

#include <gtest/gtest.h>

#include "runtime/callstack.h"
#include "runtime/object.h"

namespace {

// A window-like class that records the messages it gets.
class Painted : public rt::Object {
 public:
  RT_CLASS_DECL()
  int refreshes = 0;
  std::size_t lastArgCount = 0;
  rt::Value lastFirstArg;
};

class PaintedChild : public Painted {
 public:
  RT_CLASS_DECL()
};

const rt::ClassInfo& Painted::ClassDef() {
  static const rt::ClassInfo info("TPAINTED", &rt::Object::ClassDef(), rt::FactoryOf<Painted>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<Painted>(c)
        .Data("refreshes", &Painted::refreshes)
        .Data("lastFirstArg", &Painted::lastFirstArg)
        .Method("Refresh", [](Painted& p, rt::Args a) {
          ++p.refreshes;
          p.lastArgCount = a.size();
          p.lastFirstArg = a.empty() ? rt::Value() : a[0];
          return rt::Value(p.refreshes);
        });
  });
  return info;
}
RT_CLASS_REGISTER(Painted);

const rt::ClassInfo& PaintedChild::ClassDef() {
  static const rt::ClassInfo info("TPAINTEDCHILD", &Painted::ClassDef(), rt::FactoryOf<PaintedChild>(),
                                  [](rt::ClassInfo&) {});
  return info;
}
RT_CLASS_REGISTER(PaintedChild);

TEST(Compat, OsendDropsTheParenthesesAndExtraArguments) {
  auto p = std::make_shared<Painted>();
  EXPECT_EQ(svc::OSEND(p, "Refresh()"), rt::Value(1));
  EXPECT_EQ(p->lastArgCount, 0u);
  EXPECT_EQ(svc::OSEND(p, "refresh"), rt::Value(2));

  rt::Value args[12];
  for (int i = 0; i < 12; ++i) args[i] = i + 1;
  svc::OSEND(p, "Refresh()", args);
  EXPECT_EQ(p->lastArgCount, 10u);
  EXPECT_EQ(p->lastFirstArg, rt::Value(1));
}

TEST(Compat, AsendReachesEveryObject) {
  auto a = std::make_shared<Painted>();
  auto b = std::make_shared<PaintedChild>();
  rt::Value arg[] = {"x"};
  EXPECT_TRUE(svc::ASEND(rt::Value::Array({a, b}), "Refresh()", arg).IsNil());
  EXPECT_EQ(a->refreshes, 1);
  EXPECT_EQ(b->refreshes, 1);
  EXPECT_EQ(b->lastFirstArg, rt::Value("x"));
}

TEST(Compat, OcloneCopiesTheDataShallowly) {
  auto p = std::make_shared<PaintedChild>();
  p->refreshes = 7;
  p->lastFirstArg = rt::Value::Array({"shared"});
  rt::Value copy = svc::OCLONE(p);
  auto c = copy.As<PaintedChild>();
  ASSERT_TRUE(c);
  EXPECT_NE(c, p);
  EXPECT_EQ(c->refreshes, 7);
  EXPECT_EQ(c->lastFirstArg, p->lastFirstArg);  // the same array, not a copy
  c->refreshes = 1;
  EXPECT_EQ(p->refreshes, 7);
  EXPECT_TRUE(svc::OCLONE(rt::Value("no object")).IsNil());
}

TEST(Compat, ChildLevel) {
  auto base = std::make_shared<Painted>();
  auto child = std::make_shared<PaintedChild>();
  EXPECT_EQ(svc::CHILDLEVEL(base, std::make_shared<Painted>()), 1);
  EXPECT_EQ(svc::CHILDLEVEL(child, base), 1);
  EXPECT_EQ(svc::CHILDLEVEL(base, child), 0);
  EXPECT_EQ(svc::CHILDLEVEL(base, rt::Value()), 0);
}

TEST(Compat, GenErrorDescribesTheMissingMessage) {
  const rt::ErrorPtr e = svc::GenError(1004, "TWINDOW", "PAINTALL");
  EXPECT_EQ(e->subSystem, "BASE");
  EXPECT_EQ(e->subCode, 1004);
  EXPECT_EQ(e->severity, 2);
  EXPECT_EQ(e->description, "Message not found");
  EXPECT_EQ(e->operation, "TWINDOW:PAINTALL");

  e->canDefault = true;
  rt::Value seen;
  rt::ErrorBlockScope block(rt::Value::Block([&seen](rt::Args a) {
    seen = a.empty() ? rt::Value() : a[0];
    return rt::Value(false);
  }));
  EXPECT_EQ(svc::ClsSetError(e), rt::Value(false));
  EXPECT_EQ(seen.As<rt::Error>(), e);
}

TEST(Compat, CallStackQueries) {
  rt::Value outer[] = {"a", 2, true};
  RT_PROC_ARGS("OUTER", outer);
  rt::Value inner[] = {"x"};
  {
    RT_PROC_ARGS("INNER", inner);
    EXPECT_EQ(svc::PARAMCOUNT(0), 1);
    EXPECT_EQ(svc::PARAMCOUNT(1), 3);
    EXPECT_EQ(svc::GETPARAM(1, 2), rt::Value(2));
    EXPECT_TRUE(svc::GETPARAM(1, 4).IsNil());
    EXPECT_TRUE(svc::GETPARAM(0, 0).IsNil());
    EXPECT_EQ(svc::PARAMCOUNT(99), 0);
  }
}

TEST(Compat, SmallAnswers) {
  EXPECT_EQ(svc::GETHWND32(0x1234), 0xFFFF1234u);
  const double used = svc::MEMUSED();
  EXPECT_GT(used, 1 << 20);  // bytes: any program holds more than a megabyte
  EXPECT_GE(svc::MEMMAX(), used);
}

}  // namespace
