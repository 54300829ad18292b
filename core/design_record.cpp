// Reading and writing the design record of objects.
#include "core/design_record.h"

#include <cstddef>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"

namespace core {

namespace {

constexpr std::size_t kMaxField = 32767;

std::string ObjectRecord(const rt::Value& o) {
  if (const auto w = o.As<TWindow>()) return w->Save();
  return Ask(o, "Save").AsString();
}

std::optional<rt::Value> ReadArray(std::string_view body) {
  RecordReader r(body);
  const auto count = r.Int2();
  if (!count) return std::nullopt;
  rt::Value array = rt::Value::Array();
  for (int i = 0; i < *count; ++i) {
    auto item = r.Value();
    if (!item) return std::nullopt;
    array.Items().push_back(*item);
  }
  return array;
}

// A new object of the record's class, loaded from the record.
std::optional<rt::Value> ReadObject(std::string_view body) {
  RecordReader r(body);
  const auto nameLen = r.Int2();
  const auto name = nameLen ? r.Bytes(*nameLen) : std::nullopt;
  if (!name) return std::nullopt;
  rt::Value object = rt::CreateObject(*name);
  if (!object.IsObject()) return rt::Value();
  const std::string items(body.substr(2 + name->size()));
  if (const auto w = object.As<TWindow>()) {
    w->Load(items);
  } else {
    Ask(object, "Load", items);
  }
  return object;
}

}  // namespace

std::string RecordLen2(std::size_t n, const std::string& what) {
  if (n > kMaxField) throw RecordTooLong(what);
  return rt::I2BIN(static_cast<long>(n));
}

std::string RecordOfValue(const rt::Value& v, const std::string& what) {
  if (v.IsArray()) {
    std::string body = RecordLen2(v.Len(), what);
    for (const rt::Value& item : v.Items()) body += RecordOfValue(item, what);
    return "A" + RecordLen2(body.size(), what) + body;
  }
  if (v.IsObject()) return ObjectRecord(v);
  const std::string text = v.IsNil() ? std::string() : rt::CVALTOCHAR(v);
  return rt::VALTYPE(v) + RecordLen2(text.size(), what) + text;
}

bool SameRecordValue(const rt::Value& a, const rt::Value& b) {
  if (a.type() != b.type()) return false;
  if (a.IsArray() || a.IsObject() || a.IsBlock()) return a == b;
  return a.IsNil() || rt::CVALTOCHAR(a) == rt::CVALTOCHAR(b);
}

std::optional<int> RecordReader::Int2() {
  if (data_.size() < 2) return std::nullopt;
  const int n = rt::BIN2I(data_.substr(0, 2));
  data_.remove_prefix(2);
  return n;
}

std::optional<std::string_view> RecordReader::Bytes(int n) {
  if (n < 0 || data_.size() < static_cast<std::size_t>(n)) return std::nullopt;
  const std::string_view part = data_.substr(0, static_cast<std::size_t>(n));
  data_.remove_prefix(static_cast<std::size_t>(n));
  return part;
}

std::optional<char> RecordReader::Letter() {
  if (data_.empty()) return std::nullopt;
  const char c = data_.front();
  data_.remove_prefix(1);
  return c;
}

std::optional<rt::Value> RecordReader::Value() {
  const auto type = Letter();
  const auto len = Int2();
  if (!type || !len) return std::nullopt;
  const auto body = Bytes(*len);
  if (!body) return std::nullopt;
  switch (*type) {
    case 'A':
      return ReadArray(*body);
    case 'O':
      return ReadObject(*body);
    case 'C':
      return rt::Value(*body);
    case 'D':
      return rt::Value(rt::CTOD(*body));
    case 'L':
      return rt::Value(*body == ".T.");
    case 'N':
      return rt::VAL(*body);
    default:
      return rt::Value();
  }
}

std::string ObjectRecordOf(const rt::Object& object, const std::vector<std::string>& properties) {
  const rt::ObjectPtr fresh = object.GetClass().Create();
  const rt::Value self(std::const_pointer_cast<rt::Object>(object.shared_from_this()));
  std::string items;
  int count = 0;
  for (const std::string& name : properties) {
    const rt::Value value = rt::Send(self, name);
    if (value.IsBlock() || (value.IsObject() && !value.As<TWindow>() && !Understands(value, "Save"))) continue;
    if (fresh && SameRecordValue(value, rt::Send(rt::Value(fresh), name))) continue;
    items += RecordLen2(name.size(), name) + name + RecordOfValue(value, name);
    ++count;
  }
  const std::string& className = object.ClassName();
  const std::string body =
      RecordLen2(className.size(), "class name") + className + RecordLen2(count, "item count") + items;
  return "O" + RecordLen2(body.size(), "record") + body;
}

bool LoadRecordItems(const rt::Value& object, std::string_view data) {
  RecordReader r(data);
  const auto count = r.Int2();
  if (!count || *count < 0) return false;
  for (int i = 0; i < *count; ++i) {
    const auto nameLen = r.Int2();
    const auto name = nameLen ? r.Bytes(*nameLen) : std::nullopt;
    if (!name) return false;
    auto value = r.Value();
    if (!value) return false;
    rt::Send(object, "_" + std::string(*name), rt::Args(&*value, 1));
  }
  return true;
}

}  // namespace core
