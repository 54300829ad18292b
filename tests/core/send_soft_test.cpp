// A window asks the objects it holds only what their class knows; Understands
// and Ask must agree with the runtime's TrySend on every kind of name.
#include <gtest/gtest.h>

#include "core/send_soft.h"

namespace core {
namespace {

class TGauge : public rt::Object {
 public:
  RT_CLASS_DECL()
  long nValue = 0;
};

const rt::ClassInfo& TGauge::ClassDef() {
  static const rt::ClassInfo info("TGauge", &rt::Object::ClassDef(), rt::FactoryOf<TGauge>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGauge>(c)
        .Data("nValue", &TGauge::nValue)
        .Method("Bump", [](TGauge& g, rt::Args) { return rt::Value(++g.nValue); });
  });
  return info;
}

TEST(SendSoft, UnderstandsAndAskFollowTheClass) {
  auto gauge = std::make_shared<TGauge>();
  const rt::Value g = gauge;
  EXPECT_TRUE(Understands(g, "bump"));
  EXPECT_TRUE(Understands(g, "NVALUE"));
  EXPECT_TRUE(Understands(g, "_nValue"));
  EXPECT_FALSE(Understands(g, "_Bump"));
  EXPECT_FALSE(Understands(g, "Fly"));
  EXPECT_FALSE(Understands(rt::Value(5), "nValue"));
  EXPECT_FALSE(Understands(rt::Value(rt::ObjectPtr()), "nValue"));

  EXPECT_EQ(Ask(g, "Bump"), rt::Value(1));
  EXPECT_EQ(Ask(g, "_nValue", 9), rt::Value(9));
  EXPECT_EQ(gauge->nValue, 9);
  EXPECT_TRUE(Ask(g, "Fly").IsNil());
  EXPECT_TRUE(Ask(rt::Value("text"), "Bump").IsNil());
}

}  // namespace
}  // namespace core
