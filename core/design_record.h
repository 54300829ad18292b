#pragma once
// The binary design record of objects (windows, menus) for design tools.
//
// Record of an object: "O" + length + class-name length + class name + item
// count + items; an item is a name length, the name and a value record. A
// value record is "A" + length + element count + element records for an
// array, an object's own record, or a type letter + length + the value as
// text. Every length and count is a signed 16-bit number, low byte first.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

// A length that does not fit the record's 16-bit field; what names the item.
struct RecordTooLong : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A length or count as the record's 16-bit field; throws RecordTooLong.
std::string RecordLen2(std::size_t n, const std::string& what);
// The value record of v; throws RecordTooLong.
std::string RecordOfValue(const rt::Value& v, const std::string& what);
// Whether a property keeps its default (left out of a record).
bool SameRecordValue(const rt::Value& a, const rt::Value& b);

// Reads the record at the front of the data, consuming it; every read
// stops at the data's end and fails there instead.
class RecordReader {
 public:
  explicit RecordReader(std::string_view data) : data_(data) {}
  bool empty() const { return data_.empty(); }
  std::optional<int> Int2();
  std::optional<std::string_view> Bytes(int n);
  std::optional<char> Letter();
  // A value record; nullopt when the data is damaged or short.
  std::optional<rt::Value> Value();

 private:
  std::string_view data_;
};

// The record of an object whose listed properties differ from a new
// object's of its class. Throws RecordTooLong.
std::string ObjectRecordOf(const rt::Object& object, const std::vector<std::string>& properties);
// Reads the item count and the items and assigns each by its setter.
// False when the data is damaged or short; the items before the damage
// are assigned.
bool LoadRecordItems(const rt::Value& object, std::string_view data);

}  // namespace core
