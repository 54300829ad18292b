#include "services/tstruct.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "runtime/error.h"
#include "runtime/text_case.h"
#include "services/calldll.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace svc {
namespace {

int DefaultLength(int type) {
  switch (type) {
    case DLL_WORD: case DLL_WORD2: return 1;
    case DLL_LONG: case DLL_LONG2: case DLL_BOOL: return 2;
    // Handles and pointers take a pointer's width, as in the native records
    // the class is for: 4 bytes in the 32-bit programs.
    case DLL_HANDLE: case DLL_LPSTR: case DLL_PTR: return static_cast<int>(sizeof(void*));
    case DLL_DWORD: return 4;
    default: return 0;
  }
}

// A number as a record field takes it: numbers by value, logicals as 1 or 0,
// the first character of a text for byte fields, anything else 0.
std::int32_t FieldNumber(const rt::Value& v, bool textByFirstChar) {
  if (v.IsLogical()) return v.AsLogical() ? 1 : 0;
  if (v.IsNumber()) return ToInt32(v);
  if (textByFirstChar && v.IsString() && !v.AsString().empty())
    return static_cast<unsigned char>(v.AsString()[0]);
  return 0;
}

// A handle or pointer member's number: pointer sized.
std::intptr_t FieldHandle(const rt::Value& v) {
  if (v.IsLogical()) return v.AsLogical() ? 1 : 0;
  return v.IsNumber() ? ToHandle(v) : 0;
}

std::string TrimmedDigits(const rt::Value& v) {
  double d = v.AsNumber();
  char buf[64];
  if (d == static_cast<double>(static_cast<long long>(d)))
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(d));
  else
    std::snprintf(buf, sizeof buf, "%.*f", std::max<int>(v.AsNumberInfo().dec, 0), d);
  return buf;
}

}  // namespace

const rt::ClassInfo& TStruct::ClassDef() {
  static const rt::ClassInfo info("TSTRUCT", &rt::Object::ClassDef(), rt::FactoryOf<TStruct>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TStruct>(c)
        .OnError([](TStruct& s, std::string_view message, rt::Args a) { return s.OnError(message, a); })
        .Data("cBuffer", &TStruct::cBuffer)
        .Method("aMembers", [](TStruct& s, rt::Args) { return s.aMembers(); })
        .Method("New", [](TStruct& s, rt::Args) { return s.New().Self(); })
        .Method("AddMember",
                [](TStruct& s, rt::Args a) {
                  std::optional<int> len;
                  if (a.size() > 2 && a[2].IsNumber()) len = a[2].AsInt();
                  return s.AddMember(rt::Arg(a, 0).AsString(), rt::Arg(a, 1).AsInt(), len).Self();
                })
        .Method("SetMember",
                [](TStruct& s, rt::Args a) {
                  s.SetMember(rt::Arg(a, 0).AsInt(), rt::Arg(a, 1));
                  return rt::Value();
                })
        .Method("GetMember", [](TStruct& s, rt::Args a) { return s.GetMember(rt::Arg(a, 0).AsInt()); })
        .Method("SizeOf", [](TStruct& s, rt::Args) { return rt::Value(s.SizeOf()); });
  });
  return info;
}
RT_CLASS_REGISTER(TStruct);

TStruct& TStruct::New() {
  cBuffer.clear();
  members.clear();
  return *this;
}

TStruct& TStruct::AddMember(std::string_view cName, int nType, std::optional<int> nLen) {
  int len = std::max(nLen.value_or(DefaultLength(nType)), 0);
  members.push_back({rt::AsciiUpper(cName), nType, len, SizeOf()});
  cBuffer.append(static_cast<std::size_t>(len), '\0');
  return *this;
}

int TStruct::MemberIndex(std::string_view cName) const {
  std::string key = rt::AsciiUpper(cName);
  for (std::size_t i = 0; i < members.size(); ++i)
    if (members[i].name == key) return static_cast<int>(i + 1);
  return 0;
}

rt::Value TStruct::aMembers() const {
  rt::Value a = rt::Value::Array();
  for (const Member& m : members)
    a.Items().push_back(rt::Value::Array({m.name, m.type, m.len, m.offset}));
  return a;
}

void TStruct::SetMember(int nIndex, const rt::Value& uValue) {
  if (nIndex < 1 || nIndex > static_cast<int>(members.size())) return;
  const Member& m = members[static_cast<std::size_t>(nIndex - 1)];
  char* field = cBuffer.data() + m.offset;
  // A member added with a shorter length than its type's width keeps its
  // neighbours: only its own bytes are written.
  auto put = [&](std::uint64_t n, int width) {
    char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    std::memcpy(field, bytes, static_cast<std::size_t>(std::min(width, m.len)));
  };
  switch (m.type) {
    case DLL_WORD: case DLL_WORD2:
      put(static_cast<std::uint32_t>(FieldNumber(uValue, true)), 1);
      break;
    case DLL_HANDLE: case DLL_LPSTR: case DLL_PTR:
      put(static_cast<std::uint64_t>(FieldHandle(uValue)), static_cast<int>(sizeof(void*)));
      break;
    case DLL_DWORD:
      put(static_cast<std::uint32_t>(FieldNumber(uValue, false)), 4);
      break;
    case DLL_LONG: case DLL_LONG2:
      put(static_cast<std::uint32_t>(FieldNumber(uValue, false)), 2);
      break;
    case DLL_BOOL: {
      bool on = uValue.IsLogical()  ? uValue.AsLogical()
                : uValue.IsNumber() ? uValue.AsNumber() != 0
                : uValue.IsString() && !uValue.AsString().empty();
      put(on ? 1 : 0, 2);
      break;
    }
    case DLL_STRING: {
      std::string text = uValue.IsString() ? uValue.AsString() : uValue.IsNumber() ? TrimmedDigits(uValue) : "";
      text.resize(static_cast<std::size_t>(m.len), ' ');
      std::memcpy(field, text.data(), text.size());
      break;
    }
    default:
      MSGALERT("Member type conversion not implemented yet!");
  }
}

rt::Value TStruct::GetMember(int nIndex) const {
  if (nIndex < 1 || nIndex > static_cast<int>(members.size())) return {};
  const Member& m = members[static_cast<std::size_t>(nIndex - 1)];
  const unsigned char* field = reinterpret_cast<const unsigned char*>(cBuffer.data()) + m.offset;
  auto get = [&](int width) {
    std::uint64_t n = 0;
    for (int i = 0; i < std::min(width, m.len); ++i) n |= std::uint64_t{field[i]} << (8 * i);
    return n;
  };
  switch (m.type) {
    case DLL_WORD: case DLL_WORD2:
      return static_cast<int>(get(1));
    case DLL_HANDLE: case DLL_LPSTR: case DLL_PTR:
      return static_cast<std::intptr_t>(static_cast<std::uintptr_t>(get(static_cast<int>(sizeof(void*)))));
    case DLL_DWORD:
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(get(4)));
    case DLL_LONG: case DLL_LONG2:
      return static_cast<std::int16_t>(static_cast<std::uint16_t>(get(2)));
    case DLL_BOOL:
      return get(2) == 1;
    case DLL_STRING: {
      std::string text(reinterpret_cast<const char*>(field), static_cast<std::size_t>(m.len));
      std::size_t end = text.find_last_not_of(std::string_view(" \0", 2));
      text.resize(end == std::string::npos ? 0 : end + 1);
      return text;
    }
    default:
      MSGALERT("Member type conversion not implemented yet!");
      return {};
  }
}

rt::Value TStruct::OnError(std::string_view cMessage, rt::Args args) {
  bool assign = !cMessage.empty() && cMessage.front() == '_';
  std::string_view name = assign ? cMessage.substr(1) : cMessage;
  if (int index = MemberIndex(name)) {
    if (!assign) return GetMember(index);
    rt::Value v = rt::Arg(args, 0);
    SetMember(index, v);
    return v;
  }
  auto e = rt::MakeError(assign ? rt::EG_NOVARMETHOD : rt::EG_NOMETHOD, assign ? 1005 : 1004, "BASE",
                         ClassName() + ":" + rt::AsciiUpper(name));
  e->description = "Message not found";
  e->args = rt::Value::Array({Self()});
  e->canSubstitute = true;
  return rt::RaiseError(e).value;
}

}  // namespace svc
