#include <gtest/gtest.h>

#include <map>

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
  ErrorBlockScope guard(Value::Block([&](Args a) {
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

// A record whose fields are known only at run time, reached through the
// class's handler for unknown messages.
class TRecord : public Object {
 public:
  RT_CLASS_DECL()
  std::map<std::string, Value> fields;
};

const ClassInfo& TRecord::ClassDef() {
  static const ClassInfo info("TRecord", &Object::ClassDef(), FactoryOf<TRecord>(), [](ClassInfo& c) {
    ClassBuilder<TRecord>(c).OnError([](TRecord& r, std::string_view message, Args a) -> Value {
      if (message.starts_with("_")) return r.fields[std::string(message.substr(1))] = a.empty() ? Value() : a[0];
      auto it = r.fields.find(std::string(message));
      return it == r.fields.end() ? Value("unknown") : it->second;
    });
  });
  return info;
}

TEST(Objects, UnknownMessagesGoToTheClassHandler) {
  Value r = std::make_shared<TRecord>();
  SendV(r, "_Wort", "Haus");
  EXPECT_EQ(Send(r, "Wort").AsString(), "Haus");
  EXPECT_EQ(Send(r, "Fremd").AsString(), "unknown");
}

TEST(Objects, CloneCopiesDataMembersAlongTheParentChain) {
  auto p = std::make_shared<TLabelPoint>();
  p->nRow = 4;
  p->cName = "Baum";
  p->lShown = true;
  ObjectPtr copy = ObjectClone(p);
  auto c = std::dynamic_pointer_cast<TLabelPoint>(copy);
  ASSERT_TRUE(c);
  EXPECT_NE(c, p);
  EXPECT_EQ(c->nRow, 4);
  EXPECT_EQ(c->cName, "Baum");
  EXPECT_TRUE(c->lShown);
  EXPECT_EQ(ObjectClone(nullptr), nullptr);
}

TEST(Objects, ClassesInUseListsDescribedClasses) {
  TLabelPoint::ClassDef();
  bool found = false;
  for (const ClassInfo* c : ClassesInUse()) found = found || c->Name() == "TLABELPOINT";
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace rt
