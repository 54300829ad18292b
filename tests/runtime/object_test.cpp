#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "runtime/error.h"
#include "runtime/object.h"
#include "tests/runtime/error_log.h"

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

// Described only through RT_CLASS_REGISTER and never named in code: it is
// known by name from program start or not at all.
class TOnlyRegistered : public Object {
 public:
  RT_CLASS_DECL()
};

const ClassInfo& TOnlyRegistered::ClassDef() {
  static const ClassInfo info("TOnlyRegistered", &Object::ClassDef(), FactoryOf<TOnlyRegistered>(), [](ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(TOnlyRegistered);

TEST(Objects, RegisteredClassesAreKnownByNameFromTheStart) {
  const ClassInfo* c = FindClass("tonlyregistered");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Name(), "TONLYREGISTERED");
  bool listed = false;
  for (const ClassInfo* k : ClassesInUse()) listed = listed || k == c;
  EXPECT_TRUE(listed);
  const Value o = CreateObject("TOnlyRegistered");
  ASSERT_TRUE(o.IsObject());
  EXPECT_EQ(&o.AsObject()->GetClass(), c);
}

// TrySend answers only what the class itself knows: no error is raised and
// no handler for unknown messages is asked.
class TReadOnly : public TPoint {
 public:
  RT_CLASS_DECL()
};

const ClassInfo& TReadOnly::ClassDef() {
  static const ClassInfo info("TReadOnly", &TPoint::ClassDef(), FactoryOf<TReadOnly>(), [](ClassInfo& c) {
    c.AddData("nFixedValueOfThePoint", [](const Object&) { return Value(7); }, nullptr);
  });
  return info;
}

TEST(Objects, TrySendAnswersOnlyWhatTheClassKnows) {
  test::ErrorLog log{{}, Value("substitute")};
  ErrorBlockScope scope(log.Block());
  const Value o = std::make_shared<TReadOnly>();
  Value args[] = {Value(4)};
  EXPECT_EQ(TrySend(o, "MOVE", args), std::optional<Value>(o));
  EXPECT_EQ(TrySend(o, "nRow"), std::optional<Value>(Value(4)));
  EXPECT_EQ(TrySend(o, "_NROW", args), std::optional<Value>(Value(4)));
  EXPECT_EQ(TrySend(o, "nFixedValueOfThePoint"), std::optional<Value>(Value(7)));
  EXPECT_EQ(TrySend(o, "_nFixedValueOfThePoint", args), std::nullopt);  // no setter
  EXPECT_EQ(TrySend(o, "Fly"), std::nullopt);
  EXPECT_EQ(TrySend(o, ""), std::nullopt);
  EXPECT_EQ(TrySend(o, "_"), std::nullopt);
  EXPECT_EQ(TrySend(Value("no object"), "nRow"), std::nullopt);
  EXPECT_EQ(TrySend(Value(ObjectPtr()), "nRow"), std::nullopt);
  const Value record = std::make_shared<TRecord>();
  EXPECT_EQ(TrySend(record, "Wort"), std::nullopt);  // the class handler is not asked
  EXPECT_TRUE(log.errors.empty());
}

// Names are found without regard to case, also when they are longer than a
// machine word and differ only in a letter's case past the eighth byte.
TEST(Objects, MessageNamesIgnoreCaseOnly) {
  auto p = std::make_shared<TPoint>();
  const Value o = p;
  Value args[] = {Value(2)};
  EXPECT_TRUE(TrySend(o, "move", args).has_value());
  EXPECT_TRUE(TrySend(o, "mOvE", args).has_value());
  EXPECT_EQ(p->nRow, 4);
  EXPECT_FALSE(TrySend(o, "Mov").has_value());
  EXPECT_FALSE(TrySend(o, "Move ").has_value());
  EXPECT_FALSE(TrySend(o, "M\xD6VE").has_value());
  EXPECT_FALSE(TrySend(o, std::string_view("move\0", 5)).has_value());
  const Value fixed = std::make_shared<TReadOnly>();
  EXPECT_TRUE(TrySend(fixed, "NFIXEDVALUEOFTHEPOINT").has_value());
  EXPECT_TRUE(TrySend(fixed, "nfixedvalueofthepoinT").has_value());
  EXPECT_FALSE(TrySend(fixed, "nFixedValueOfThePoin").has_value());
  EXPECT_FALSE(TrySend(fixed, "nFixedValueOfThePoint\xC4").has_value());
  EXPECT_FALSE(TrySend(fixed, "nFixedValueOfTheP0int").has_value());
}

}  // namespace
}  // namespace rt
