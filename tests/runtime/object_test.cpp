#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/object.h"

namespace rt {
namespace {

class TPoint : public Object {
 public:
  RT_CLASS_DECL()
  int nRow = 0;
  std::string cName;
  Value Move(int dr) {
    nRow += dr;
    return Self();
  }
};

class TLabelPoint : public TPoint {
 public:
  RT_CLASS_DECL()
  bool lShown = false;
};

const ClassInfo& TPoint::ClassDef() {
  static const ClassInfo info("TPoint", &Object::ClassDef(), FactoryOf<TPoint>(), [](ClassInfo& c) {
    ClassBuilder<TPoint>(c)
        .Data("nRow", &TPoint::nRow)
        .Data("cName", &TPoint::cName)
        .Method("Move", [](TPoint& p, Args a) { return p.Move(a.empty() ? 1 : static_cast<int>(a[0].AsInt())); });
  });
  return info;
}

const ClassInfo& TLabelPoint::ClassDef() {
  static const ClassInfo info("TLabelPoint", &TPoint::ClassDef(), FactoryOf<TLabelPoint>(),
                              [](ClassInfo& c) { ClassBuilder<TLabelPoint>(c).Data("lShown", &TLabelPoint::lShown); });
  return info;
}

RT_CLASS_REGISTER(TPoint);
RT_CLASS_REGISTER(TLabelPoint);

class ErrorBlockGuard {
 public:
  explicit ErrorBlockGuard(Value block) : old_(ERRORBLOCK(block)) {}
  ~ErrorBlockGuard() { ERRORBLOCK(old_); }

 private:
  Value old_;
};

TEST(Objects, AreSharedByReference) {
  auto p = std::make_shared<TPoint>();
  Value a = p;
  Value b = a;
  SendV(b, "_nRow", 5);
  EXPECT_EQ(p->nRow, 5);
  EXPECT_EQ(Send(a, "nRow").AsNumber(), 5);
}

TEST(Objects, SendByNameFindsMethodsAndInheritedData) {
  Value o = CreateObject("tlabelpoint");
  ASSERT_TRUE(o.IsObject());
  EXPECT_EQ(o.AsObject()->ClassName(), "TLABELPOINT");
  EXPECT_TRUE(o.AsObject()->IsKindOf("TPOINT"));
  Value self = SendV(o, "MOVE", 3);
  EXPECT_TRUE(self == o);
  EXPECT_EQ(Send(o, "nrow").AsNumber(), 3);
  SendV(o, "_lShown", true);
  SendV(o, "_cName", "Haus");
  EXPECT_TRUE(o.As<TLabelPoint>()->lShown);
  EXPECT_EQ(o.As<TLabelPoint>()->cName, "Haus");
  EXPECT_TRUE(CreateObject("NOSUCHCLASS").IsNil());
}

TEST(Objects, UnknownMessageRaisesMessageNotFound) {
  ErrorPtr seen;
  ErrorBlockGuard guard(Value::Block([&](Args a) {
    seen = a[0].As<Error>();
    return Value("substitute");
  }));
  Value o = CreateObject("TPOINT");
  EXPECT_EQ(Send(o, "Fly").AsString(), "substitute");
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->genCode, EG_NOMETHOD);
  EXPECT_EQ(seen->operation, "Fly");
  EXPECT_EQ(seen->description, "No exported method");

  SendV(o, "_nColumn", 1);
  EXPECT_EQ(seen->genCode, EG_NOVARMETHOD);
  EXPECT_EQ(seen->operation, "nColumn");
}

TEST(Objects, ClassesInUseListsDescribedClasses) {
  TLabelPoint::ClassDef();
  bool found = false;
  for (const ClassInfo* c : ClassesInUse()) found = found || c->Name() == "TLABELPOINT";
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace rt
