#include "runtime/object.h"

#include "runtime/error.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

std::vector<const ClassInfo*>& Registry() {
  static std::vector<const ClassInfo*> classes;
  return classes;
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
  std::string wanted = AsciiUpper(className);
  for (const ClassInfo* c = this; c; c = c->parent_)
    if (c->name_ == wanted) return true;
  return false;
}

void ClassInfo::AddMethod(std::string_view name, MethodFn fn) { methods_[AsciiUpper(name)] = std::move(fn); }

void ClassInfo::AddData(std::string_view name, GetterFn get, SetterFn set) {
  data_[AsciiUpper(name)] = DataMember{std::move(get), std::move(set)};
}

const MethodFn* ClassInfo::FindMethod(std::string_view name) const {
  std::string key = AsciiUpper(name);
  for (const ClassInfo* c = this; c; c = c->parent_) {
    auto it = c->methods_.find(key);
    if (it != c->methods_.end()) return &it->second;
  }
  return nullptr;
}

const DataMember* ClassInfo::FindData(std::string_view name) const {
  std::string key = AsciiUpper(name);
  for (const ClassInfo* c = this; c; c = c->parent_) {
    auto it = c->data_.find(key);
    if (it != c->data_.end()) return &it->second;
  }
  return nullptr;
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
  std::string key = AsciiUpper(name);
  for (const ClassInfo* c : Registry())
    if (c->Name() == key) return c;
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
  if (const MethodFn* m = cls.FindMethod(message)) return (*m)(*o, args);
  if (const DataMember* d = cls.FindData(message)) return d->get(*o);
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
