#pragma once
// Objects and their classes. Library classes are ordinary C++ classes derived
// from Object; each one also describes itself once in a ClassInfo (name,
// parent, data and methods by name). The description is used only where a
// name arrives at run time: sending a message by name, assigning a data
// member by name, creating an object from its class name, and listing the
// classes in use.

#include <cstdint>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/convert.h"
#include "runtime/value.h"

namespace rt {

class ClassInfo;

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() noexcept { ++live_; }
  Object(const Object& other) noexcept : std::enable_shared_from_this<Object>(other) { ++live_; }
  Object& operator=(const Object&) = default;
  virtual ~Object() { --live_; }
  // Objects alive in the process: a count that does not come back after
  // work that should have freed everything it made points at a cycle.
  static long LiveCount() noexcept { return live_.load(std::memory_order_relaxed); }
  static const ClassInfo& ClassDef();
  virtual const ClassInfo& GetClass() const { return ClassDef(); }
  const std::string& ClassName() const;
  bool IsKindOf(std::string_view className) const;
  Value Self() { return Value(shared_from_this()); }

 private:
  inline static std::atomic<long> live_{0};
};

// Declares the class description of a library class; define ClassDef() in the
// class's source with a static ClassInfo.
#define RT_CLASS_DECL()                         \
  static const ::rt::ClassInfo& ClassDef();     \
  const ::rt::ClassInfo& GetClass() const override { return ClassDef(); }

// Describes the class at program start, so that it can be created and listed
// by name before any object of it exists. Place once in the class's source.
#define RT_CLASS_REGISTER(T) \
  [[maybe_unused]] static const ::rt::ClassInfo& rt_class_registered_##T = T::ClassDef()

using MethodFn = std::function<Value(Object&, Args)>;
using GetterFn = std::function<Value(const Object&)>;
using SetterFn = std::function<void(Object&, const Value&)>;

// A class's handler for messages it has no method or data for (the class's
// "on error" method): it gets the message as sent, "_name" for assignments.
using ErrorHandlerFn = std::function<Value(Object&, std::string_view, Args)>;

struct DataMember {
  GetterFn get;
  SetterFn set;
};


class ClassInfo {
 public:
  using Factory = std::function<ObjectPtr()>;
  using Filler = std::function<void(ClassInfo&)>;

  // Registers the class under its name (upper case, as the class function
  // knows it); the filler adds its data and methods.
  ClassInfo(std::string name, const ClassInfo* parent, Factory factory, const Filler& fill);
  ClassInfo(const ClassInfo&) = delete;
  ClassInfo& operator=(const ClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const ClassInfo* Parent() const { return parent_; }
  bool IsDerivedFrom(std::string_view className) const;

  void AddMethod(std::string_view name, MethodFn fn);
  void AddData(std::string_view name, GetterFn get, SetterFn set);
  void SetErrorHandler(ErrorHandlerFn handler) { onError_ = std::move(handler); }

  // What a name means to the class: its nearest method and its nearest data
  // member along the parent chain (either may be null).
  struct Member {
    const MethodFn* method = nullptr;
    const DataMember* data = nullptr;
  };
  // Looked up along the parent chain, names compared without case, without
  // copying the name: one probe sequence in a table of the whole chain, made
  // on the first lookup and again after any class gained a member.
  Member Find(std::string_view name) const;
  const MethodFn* FindMethod(std::string_view name) const { return Find(name).method; }
  const DataMember* FindData(std::string_view name) const { return Find(name).data; }
  const ErrorHandlerFn* FindErrorHandler() const;
  // Every data member along the parent chain, the class's own first.
  void ForEachData(const std::function<void(const DataMember&)>& fn) const;

  // Null when the class cannot be made without arguments.
  ObjectPtr Create() const { return factory_ ? factory_() : nullptr; }

 private:
  std::string name_;
  const ClassInfo* parent_;
  Factory factory_;
  std::map<std::string, MethodFn, std::less<>> methods_;
  std::map<std::string, DataMember, std::less<>> data_;
  ErrorHandlerFn onError_;
  // The lookup table of the whole chain: open addressing over a power of
  // two, each slot with the name's hash (taken without case) so that a probe
  // compares names only when the hashes agree.
  struct Slot {
    std::uint32_t hash = 0;
    std::string_view name;  // views a key of a class's own map; empty: free
    Member member;
  };
  void MakeLookup() const;
  mutable std::vector<Slot> lookup_;
  mutable std::uint64_t lookupGeneration_ = 0;  // 0: not made yet
};

const ClassInfo* FindClass(std::string_view name);
// Every class described so far, in the order of description.
std::vector<const ClassInfo*> ClassesInUse();

// The filler's helper: typed data members and methods of class T.
template <class T>
class ClassBuilder {
 public:
  explicit ClassBuilder(ClassInfo& info) : info_(info) {}

  template <class M>
  ClassBuilder& Data(std::string_view name, M T::*member) {
    info_.AddData(
        name, [member](const Object& o) { return ToValue(static_cast<const T&>(o).*member); },
        [member](Object& o, const Value& v) { static_cast<T&>(o).*member = FromValue<M>(v); });
    return *this;
  }

  template <class F>
  ClassBuilder& Method(std::string_view name, F fn) {
    info_.AddMethod(name, [fn](Object& o, Args a) -> Value { return fn(static_cast<T&>(o), a); });
    return *this;
  }

  template <class F>
  ClassBuilder& OnError(F fn) {
    info_.SetErrorHandler(
        [fn](Object& o, std::string_view message, Args a) -> Value { return fn(static_cast<T&>(o), message, a); });
    return *this;
  }

 private:
  ClassInfo& info_;
};

template <class T>
ClassInfo::Factory FactoryOf() {
  if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>) {
    return [] { return ObjectPtr(std::make_shared<T>()); };
  } else {
    return nullptr;
  }
}

// Sends a message by name: a method, a data member, or "_name" to assign a
// data member. A name the class does not know goes to its error handler when
// it has one; otherwise it raises "message not found", and the error block's
// substitute becomes the result.
Value Send(const Value& object, std::string_view message, Args args = {});
// Sends the message only when the object's class has a method or data member
// of that name ("_name": an assignable member); nothing otherwise, with no
// error raised and no error handler asked.
std::optional<Value> TrySend(const Value& object, std::string_view message, Args args = {});
template <class... A>
Value SendV(const Value& object, std::string_view message, A&&... a) {
  Value slots[] = {Value(), Value(std::forward<A>(a))...};
  return Send(object, message, Args(slots + 1, sizeof...(A)));
}

// A shallow copy of the object (the runtime's object clone): a new object of
// its class whose data members, as the class describes them, hold the same
// values; arrays and objects in them stay shared. Null when the class cannot
// be made without arguments.
ObjectPtr ObjectClone(const ObjectPtr& object);

// The object of the named class, made without arguments; NIL when the class
// is unknown or needs arguments.
Value CreateObject(std::string_view className);

}  // namespace rt
