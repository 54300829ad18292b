#include "runtime/value.h"

#include <cmath>
#include <limits>

#include "runtime/error.h"

namespace rt {

namespace {
const std::string kEmptyString;
const Number kZero{};
const ArrayPtr kNoArray;
const BlockPtr kNoBlock;
const ObjectPtr kNoObject;
}  // namespace

Value Value::Num(double d, int width, int dec) {
  return Value(Number{d, static_cast<std::int16_t>(width), static_cast<std::int16_t>(dec)});
}

Value Value::Array(std::initializer_list<Value> items) {
  auto a = std::make_shared<ArrayData>();
  a->items.assign(items.begin(), items.end());
  return Value(std::move(a));
}

Value Value::ArrayOf(std::size_t n) {
  auto a = std::make_shared<ArrayData>();
  a->items.resize(n);
  return Value(std::move(a));
}

Value Value::Block(BlockFn fn) {
  return Value(std::make_shared<BlockData>(BlockData{std::move(fn)}));
}

Value Value::Action(std::function<void()> action) {
  return Block([action = std::move(action)](Args) {
    action();
    return Value();
  });
}

bool Value::AsLogical() const noexcept {
  const bool* b = std::get_if<bool>(&v_);
  return b && *b;
}

double Value::AsNumber() const noexcept {
  const Number* n = std::get_if<Number>(&v_);
  return n ? n->value : 0.0;
}

long Value::AsInt() const noexcept {
  double d = AsNumber();
  if (std::isnan(d)) return 0;
  if (d >= static_cast<double>(std::numeric_limits<long>::max())) return std::numeric_limits<long>::max();
  if (d <= static_cast<double>(std::numeric_limits<long>::min())) return std::numeric_limits<long>::min();
  return static_cast<long>(d);
}

const std::string& Value::AsString() const noexcept {
  const std::string* s = std::get_if<std::string>(&v_);
  return s ? *s : kEmptyString;
}

std::int32_t Value::AsJulian() const noexcept {
  const rt::Date* d = std::get_if<rt::Date>(&v_);
  return d ? d->julian : 0;
}

const Number& Value::AsNumberInfo() const noexcept {
  const Number* n = std::get_if<Number>(&v_);
  return n ? *n : kZero;
}

const ArrayPtr& Value::AsArrayPtr() const noexcept {
  const ArrayPtr* a = std::get_if<ArrayPtr>(&v_);
  return a ? *a : kNoArray;
}

const BlockPtr& Value::AsBlockPtr() const noexcept {
  const BlockPtr* b = std::get_if<BlockPtr>(&v_);
  return b ? *b : kNoBlock;
}

const ObjectPtr& Value::AsObject() const noexcept {
  const ObjectPtr* o = std::get_if<ObjectPtr>(&v_);
  return o ? *o : kNoObject;
}

std::vector<Value>& Value::Items() const {
  const ArrayPtr& a = AsArrayPtr();
  if (!a) throw std::logic_error("Items() of a value that is no array");
  return a->items;
}

std::size_t Value::Len() const noexcept {
  if (IsString()) return AsString().size();
  if (const ArrayPtr& a = AsArrayPtr()) return a->items.size();
  return 0;
}

Value& Value::At(std::size_t oneBased) const {
  std::vector<Value>& items = Items();
  if (oneBased == 0 || oneBased > items.size()) {
    auto e = MakeError(EG_BOUND, 1132, "BASE", "array access");
    e->args = Value::Array({*this, Value(oneBased)});
    e->canDefault = false;
    RaiseError(e);  // neither retry nor default is allowed: the block must BREAK or quit
    InternalError("Array access out of bounds");
  }
  return items[oneBased - 1];
}

Value Value::EvalArgs(Args args) const {
  const BlockPtr& b = AsBlockPtr();
  if (!b || !b->fn) return Value();
  BlockPtr keep = b;  // the block may replace the variable that holds it
  return keep->fn(args);
}

bool operator==(const Value& a, const Value& b) noexcept {
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case Type::Nil: return true;
    case Type::Logical: return a.AsLogical() == b.AsLogical();
    case Type::Number: return a.AsNumber() == b.AsNumber();
    case Type::String: return a.AsString() == b.AsString();
    case Type::Date: return a.AsJulian() == b.AsJulian();
    case Type::Array: return a.AsArrayPtr() == b.AsArrayPtr();
    case Type::Block: return a.AsBlockPtr() == b.AsBlockPtr();
    case Type::Object: return a.AsObject() == b.AsObject();
  }
  return false;
}

}  // namespace rt
