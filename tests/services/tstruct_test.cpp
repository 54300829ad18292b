#include "services/tstruct.h"

#include <gtest/gtest.h>

#include "runtime/error.h"
#include "services/int32.h"

namespace {

using rt::Value;
using svc::TStruct;

std::shared_ptr<TStruct> NewStruct() {
  auto s = std::make_shared<TStruct>();
  s->New();
  return s;
}

// A handle takes a pointer's width: offsets 0, 4, 6 and size 7 in the
// 32-bit programs.
constexpr int kHandle = static_cast<int>(sizeof(void*));

TEST(TStructTest, MembersLieBackToBackByTypeWidth) {
  auto s = NewStruct();
  s->AddMember("hIcon", 7).AddMember("nShort", 3).AddMember("cFlag", 1);
  EXPECT_EQ(s->SizeOf(), kHandle + 3);
  Value m = s->aMembers();
  ASSERT_EQ(m.Len(), 3u);
  EXPECT_EQ(m.At(1).At(1), Value("HICON"));
  EXPECT_EQ(m.At(1).At(4), Value(0));
  EXPECT_EQ(m.At(2).At(4), Value(kHandle));
  EXPECT_EQ(m.At(3).At(3), Value(1));
  EXPECT_EQ(m.At(3).At(4), Value(kHandle + 2));
  EXPECT_EQ(s->cBuffer, std::string(static_cast<std::size_t>(kHandle + 3), '\0'));
}

TEST(TStructTest, HandleMembersKeepEveryBitOfAPointer) {
  auto s = NewStruct();
  s->AddMember("hWnd", 7).AddMember("nSize", 12);
  const auto self = svc::HandleNumber(s.get());
  s->SetMember(1, self);
  s->SetMember(2, -2);
  EXPECT_EQ(s->GetMember(1), Value(self));
  EXPECT_EQ(s->GetMember(2), Value(-2));
}

TEST(TStructTest, ValuesRoundTripByType) {
  struct Case {
    int type;
    int len;  // 0: the type's own width
    Value in;
    Value out;
    std::string bytes;
  };
  const Case cases[] = {
      {7, 0, -5, -5, std::string("\xFB\xFF\xFF\xFF\xFF\xFF\xFF\xFF", kHandle)},
      {12, 0, true, 1, std::string("\x01\0\0\0", 4)},
      {10, 0, Value(), 0, std::string(kHandle, '\0')},
      {3, 0, 70000, 4464, std::string("\x70\x11", 2)},
      {3, 0, -2, -2, std::string("\xFE\xFF", 2)},
      {1, 0, "A", 65, "A"},
      {2, 0, 300, 44, ","},
      {5, 0, "x", true, std::string("\x01\0", 2)},
      {5, 0, 0, false, std::string(2, '\0')},
      {8, 5, "abcdefg", "abcde", "abcde"},
      {8, 5, 42, "42", "42   "},
      {8, 3, Value(), "", "   "},
      {7, 2, 0x12345678, 0x5678, "\x78\x56"},  // a short member keeps its neighbours
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type));
    auto s = NewStruct();
    if (c.len)
      s->AddMember("x", c.type, c.len);
    else
      s->AddMember("x", c.type);
    s->AddMember("guard", 1);
    s->SetMember(1, c.in);
    EXPECT_EQ(s->GetMember(1), c.out);
    EXPECT_EQ(s->cBuffer.substr(0, c.bytes.size()), c.bytes);
    EXPECT_EQ(s->GetMember(2), Value(0));
  }
}

TEST(TStructTest, MembersByNameAndMessageNotFound) {
  auto s = NewStruct();
  s->AddMember("nSize", 12).AddMember("cTip", 8, 4);
  Value o(s);
  Value v = 88;
  EXPECT_EQ(rt::Send(o, "_NSIZE", rt::Args(&v, 1)), Value(88));
  EXPECT_EQ(rt::Send(o, "nSize"), Value(88));
  EXPECT_EQ(rt::Send(o, "SizeOf"), Value(8));

  std::vector<rt::ErrorPtr> seen;
  Value old = rt::ERRORBLOCK(Value::Block([&](rt::Args a) {
    seen.push_back(a[0].As<rt::Error>());
    return Value("substitute");
  }));
  EXPECT_EQ(rt::Send(o, "nMissing"), Value("substitute"));
  EXPECT_EQ(rt::Send(o, "_nMissing", rt::Args(&v, 1)), Value("substitute"));
  rt::ERRORBLOCK(old);
  ASSERT_EQ(seen.size(), 2u);
  for (const auto& e : seen) {
    EXPECT_EQ(e->subSystem, "BASE");
    EXPECT_EQ(e->description, "Message not found");
    EXPECT_EQ(e->operation, "TSTRUCT:NMISSING");
  }
  EXPECT_EQ(seen[0]->subCode, 1004);
  EXPECT_EQ(seen[1]->subCode, 1005);
}

TEST(TStructTest, IndexOutsideTheMembersIsIgnored) {
  auto s = NewStruct();
  s->AddMember("a", 1);
  s->SetMember(2, 9);
  s->SetMember(0, 9);
  EXPECT_TRUE(s->GetMember(5).IsNil());
  EXPECT_EQ(s->cBuffer, std::string(1, '\0'));
}

}  // namespace
