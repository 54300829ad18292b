#pragma once
// The dynamically typed value that the whole library and the programs talk in.
// Arrays, code blocks and objects are shared by reference; everything else is
// copied. Character values are Windows-1252 byte strings.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace rt {

class Value;
class Object;
struct ArrayData;
struct BlockData;

using ObjectPtr = std::shared_ptr<Object>;
using ArrayPtr = std::shared_ptr<ArrayData>;
using BlockPtr = std::shared_ptr<BlockData>;
// Arguments of a code block or a method. A callee that takes an argument "by
// reference" writes into its slot; EvalRef copies the slots back afterwards.
using Args = std::span<Value>;
using BlockFn = std::function<Value(Args)>;

enum class Type : std::uint8_t { Nil, Logical, Number, String, Date, Array, Block, Object };

// A number keeps the width and decimals it is displayed with, so that a
// literal 1.50 shows as "1.50". A decimals value of -1 means "whatever SET
// DECIMALS says when the number is shown" (the result of a computation).
struct Number {
  double value = 0;
  std::int16_t width = 0;  // 0: the default width for the kind of number
  std::int16_t dec = 0;
};

// A date is its Julian day number; 0 is the empty date.
struct Date {
  std::int32_t julian = 0;
};

template <class T>
concept IntegerLike = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char>;

class Value {
 public:
  Value() noexcept = default;
  Value(bool b) : v_(b) {}
  // A pointer or handle would otherwise arrive here as .T. through the
  // pointer-to-bool conversion; a handle is stored as a number on purpose.
  template <class T>
    requires(!std::same_as<std::remove_cv_t<T>, char>)
  Value(T*) = delete;
  Value(std::nullptr_t) = delete;
  template <IntegerLike I>
  Value(I i) : v_(Number{static_cast<double>(i), 0, 0}) {}
  Value(double d) : v_(Number{d, 0, -1}) {}
  Value(Number n) : v_(n) {}
  Value(Date d) : v_(d) {}
  Value(const char* s) : v_(std::string(s)) {}
  Value(std::string s) : v_(std::move(s)) {}
  Value(std::string_view s) : v_(std::string(s)) {}
  Value(ArrayPtr a) : v_(std::move(a)) {}
  Value(BlockPtr b) : v_(std::move(b)) {}
  Value(ObjectPtr o) : v_(std::move(o)) {}
  template <class T>
    requires std::derived_from<T, Object>
  Value(std::shared_ptr<T> o) : v_(ObjectPtr(std::move(o))) {}

  // A number with explicit display width and decimals (a literal such as 1.50).
  static Value Num(double d, int width, int dec);
  static Value Array(std::initializer_list<Value> items = {});
  static Value ArrayOf(std::size_t n);  // n NIL elements
  static Value Block(BlockFn fn);
  // A block that runs the action and answers NIL (menu items, buttons).
  static Value Action(std::function<void()> action);

  Type type() const noexcept { return static_cast<Type>(v_.index()); }
  bool IsNil() const noexcept { return type() == Type::Nil; }
  bool IsLogical() const noexcept { return type() == Type::Logical; }
  bool IsNumber() const noexcept { return type() == Type::Number; }
  bool IsString() const noexcept { return type() == Type::String; }
  bool IsDate() const noexcept { return type() == Type::Date; }
  bool IsArray() const noexcept { return type() == Type::Array; }
  bool IsBlock() const noexcept { return type() == Type::Block; }
  bool IsObject() const noexcept { return type() == Type::Object; }

  // Lenient readers, as native functions read their parameters: a value of
  // another type reads as .F., 0, "", the empty date or null.
  bool AsLogical() const noexcept;
  double AsNumber() const noexcept;
  long AsInt() const noexcept;  // truncated toward zero, saturated
  const std::string& AsString() const noexcept;
  // The text itself, for changing it in place; null for other types.
  std::string* MutableString() noexcept { return std::get_if<std::string>(&v_); }
  std::int32_t AsJulian() const noexcept;
  const Number& AsNumberInfo() const noexcept;
  const ArrayPtr& AsArrayPtr() const noexcept;
  const BlockPtr& AsBlockPtr() const noexcept;
  const ObjectPtr& AsObject() const noexcept;
  template <class T>
  std::shared_ptr<T> As() const {
    return std::dynamic_pointer_cast<T>(AsObject());
  }

  // Array access. Items() of a non-array is an error of the caller.
  std::vector<Value>& Items() const;
  std::size_t Len() const noexcept;  // string length, array length, else 0
  Value& At(std::size_t oneBased) const;  // bound-checked, 1-based

  // Block evaluation; a non-block evaluates to NIL.
  Value EvalArgs(Args args) const;
  template <class... A>
  Value Eval(A&&... a) const {
    Value slots[] = {Value(), Value(std::forward<A>(a))...};
    return EvalArgs(Args(slots + 1, sizeof...(A)));
  }
  // Passes every argument by reference: what the block writes into its
  // argument slots lands in the caller's variables.
  template <class... A>
    requires(std::same_as<A, Value> && ...)
  Value EvalRef(A&... a) const {
    Value slots[] = {Value(), a...};
    Value r = EvalArgs(Args(slots + 1, sizeof...(A)));
    std::size_t i = 1;
    ((a = slots[i++]), ...);
    return r;
  }

  // Same type and same contents (identity for arrays, blocks and objects);
  // strings compare byte for byte. The xBase operators live in compare.h.
  friend bool operator==(const Value& a, const Value& b) noexcept;

 private:
  std::variant<std::monostate, bool, Number, std::string, Date, ArrayPtr, BlockPtr, ObjectPtr> v_;
};

// Argument i (0-based) of a native function or method, or NIL when the
// caller passed fewer.
inline const Value& Arg(Args a, std::size_t i) noexcept {
  static const Value nil;
  return i < a.size() ? a[i] : nil;
}

// Whether an optional logical argument is given as .T.: NIL and values of
// other types count as .F.
inline bool IsTrue(const Value& v) noexcept { return v.IsLogical() && v.AsLogical(); }

// Every live array is listed, so that arrays holding each other in a cycle,
// which reference counting never frees, can be found (array_cycles.h).
struct ArrayData : std::enable_shared_from_this<ArrayData> {
  ArrayData();
  ArrayData(const ArrayData& other);
  ArrayData& operator=(const ArrayData& other) {
    items = other.items;
    return *this;
  }
  ~ArrayData();

  std::vector<Value> items;

 private:
  friend class ArrayList;
  ArrayData* prev_ = nullptr;
  ArrayData* next_ = nullptr;
};

struct BlockData {
  BlockFn fn;
};

}  // namespace rt
