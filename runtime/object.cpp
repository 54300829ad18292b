#include "runtime/object.h"

#include <algorithm>
#include <cstring>

#include "runtime/error.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

std::vector<const ClassInfo*>& Registry() {
  static std::vector<const ClassInfo*> classes;
  return classes;
}

// Eight bytes of a name at a time, read with the letters a to z made upper
// case (other bytes, accented letters too, stay as they are); bytes past
// the end read as 0.
std::uint64_t UpperWord(std::string_view s, std::size_t at) {
  std::uint64_t x = 0;
  if (s.size() - at >= 8) {
    std::memcpy(&x, s.data() + at, 8);
  } else {
    for (std::size_t i = at; i < s.size(); ++i) x |= std::uint64_t{static_cast<unsigned char>(s[i])} << (8 * (i - at));
  }
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  const std::uint64_t low7 = x & ~kHigh;
  const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
  const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
  const std::uint64_t lower = atLeastA & ~aboveZ & ~x & kHigh;
  return x - (lower >> 2);
}

std::uint32_t NoCaseHash(std::string_view s) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  for (std::size_t at = 0; at < s.size(); at += 8) {
    h = (h ^ UpperWord(s, at)) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return static_cast<std::uint32_t>(h);
}

bool NoCaseEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size(); at += 8)
    if (UpperWord(a, at) != UpperWord(b, at)) return false;
  return true;
}

// Counts the members added to any class: a class's lookup table made before
// the last addition (to it or to a parent) is made again.
std::uint64_t& MemberGeneration() {
  static std::uint64_t generation = 1;
  return generation;
}

}  // namespace

const ClassInfo& Object::ClassDef() {
  static const ClassInfo info("OBJECT", nullptr, nullptr, [](ClassInfo&) {});
  return info;
}

const std::string& Object::ClassName() const { return GetClass().Name(); }

bool Object::IsKindOf(std::string_view className) const { return GetClass().IsDerivedFrom(className); }

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, Factory factory, const Filler& fill)
    : name_(AsciiUpper(name)), parent_(parent), factory_(std::move(factory)) {
  fill(*this);
  Registry().push_back(this);
}

bool ClassInfo::IsDerivedFrom(std::string_view className) const {
  for (const ClassInfo* c = this; c; c = c->parent_)
    if (NoCaseEqual(c->name_, className)) return true;
  return false;
}

void ClassInfo::AddMethod(std::string_view name, MethodFn fn) {
  methods_[AsciiUpper(name)] = std::move(fn);
  ++MemberGeneration();
}

void ClassInfo::AddData(std::string_view name, GetterFn get, SetterFn set) {
  data_[AsciiUpper(name)] = DataMember{std::move(get), std::move(set)};
  ++MemberGeneration();
}

void ClassInfo::MakeLookup() const {
  std::vector<std::pair<std::string_view, Member>> members;
  auto entry = [&](std::string_view name) -> Member& {
    for (auto& [n, m] : members)
      if (n == name) return m;
    return members.emplace_back(name, Member{}).second;
  };
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* c = this; c; c = c->parent_) chain.push_back(c);
  // From the root down, so that a class's own members replace its parents'.
  for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
    for (const auto& [key, fn] : (*c)->methods_) entry(key).method = &fn;
    for (const auto& [key, member] : (*c)->data_) entry(key).data = &member;
  }
  std::size_t size = 8;
  while (size < members.size() * 2) size *= 2;
  lookup_.assign(size, Slot{});
  for (const auto& [name, member] : members) {
    const std::uint32_t hash = NoCaseHash(name);
    std::size_t i = hash & (size - 1);
    while (!lookup_[i].name.empty()) i = (i + 1) & (size - 1);
    lookup_[i] = Slot{hash, name, member};
  }
  lookupGeneration_ = MemberGeneration();
}

ClassInfo::Member ClassInfo::Find(std::string_view name) const {
  if (lookupGeneration_ != MemberGeneration()) MakeLookup();
  if (name.empty()) return {};
  const std::uint32_t hash = NoCaseHash(name);
  const std::size_t mask = lookup_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = lookup_[i];
    if (slot.name.empty()) return {};
    if (slot.hash == hash && NoCaseEqual(slot.name, name)) return slot.member;
  }
}

const ErrorHandlerFn* ClassInfo::FindErrorHandler() const {
  for (const ClassInfo* c = this; c; c = c->parent_)
    if (c->onError_) return &c->onError_;
  return nullptr;
}

void ClassInfo::ForEachData(const std::function<void(const DataMember&)>& fn) const {
  for (const ClassInfo* c = this; c; c = c->parent_)
    for (const auto& [name, member] : c->data_) fn(member);
}

const ClassInfo* FindClass(std::string_view name) {
  for (const ClassInfo* c : Registry())
    if (NoCaseEqual(c->Name(), name)) return c;
  return nullptr;
}

std::vector<const ClassInfo*> ClassesInUse() { return Registry(); }

namespace {

Value MessageNotFound(const Value& object, std::string_view message, bool assignment) {
  auto e = assignment ? MakeError(EG_NOVARMETHOD, 1005, "BASE", std::string(message.substr(1)))
                      : MakeError(EG_NOMETHOD, 1004, "BASE", std::string(message));
  e->args = Value::Array({object});
  e->canSubstitute = true;
  e->canDefault = false;
  return RaiseError(e).value;
}

}  // namespace

std::optional<Value> TrySend(const Value& object, std::string_view message, Args args) {
  const ObjectPtr o = object.AsObject();  // keeps the object alive while it runs
  if (!o) return std::nullopt;
  const ClassInfo& cls = o->GetClass();
  if (!message.empty() && message.front() == '_') {
    const DataMember* d = cls.FindData(message.substr(1));
    if (!d || !d->set) return std::nullopt;
    Value v = Arg(args, 0);
    d->set(*o, v);
    return v;
  }
  const ClassInfo::Member member = cls.Find(message);
  if (member.method) return (*member.method)(*o, args);
  if (member.data) return member.data->get(*o);
  return std::nullopt;
}

Value Send(const Value& object, std::string_view message, Args args) {
  if (std::optional<Value> answer = TrySend(object, message, args)) return std::move(*answer);
  const ObjectPtr o = object.AsObject();
  if (!o) return MessageNotFound(object, message, false);
  if (const ErrorHandlerFn* handler = o->GetClass().FindErrorHandler()) return (*handler)(*o, message, args);
  return MessageNotFound(object, message, !message.empty() && message.front() == '_');
}

ObjectPtr ObjectClone(const ObjectPtr& object) {
  if (!object) return nullptr;
  const ClassInfo& cls = object->GetClass();
  ObjectPtr copy = cls.Create();
  if (!copy) return nullptr;
  cls.ForEachData([&](const DataMember& d) {
    if (d.get && d.set) d.set(*copy, d.get(*object));
  });
  return copy;
}

Value CreateObject(std::string_view className) {
  const ClassInfo* c = FindClass(className);
  if (!c) return Value();
  ObjectPtr o = c->Create();
  return o ? Value(std::move(o)) : Value();
}

}  // namespace rt
