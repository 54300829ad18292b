// A window's design as a binary record (Save/Load) for window-design tools.
//
// Record of an object: "O" + length + class-name length + class name + item
// count + items; an item is a name length, the name and a value record. A
// value record is "A" + length + element count + element records for an
// array, an object's own record, or a type letter + length + the value as
// text. Every length and count is a signed 16-bit number, low byte first.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/twindow_design.h"
#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/numbers.h"
#include "runtime/object.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"
#include "services/compat.h"
#include "services/msgbox.h"

namespace core {

namespace {

constexpr std::size_t kMaxField = 32767;

// A length that does not fit the record's 16-bit field.
struct TooLong : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Len2(std::size_t n, const std::string& what) {
  if (n > kMaxField) throw TooLong(what);
  return rt::I2BIN(static_cast<long>(n));
}

std::string ValueRecord(const rt::Value& v, const std::string& what);

std::string ObjectRecord(const rt::Value& o) {
  if (const auto w = o.As<TWindow>()) return w->Save();
  return Ask(o, "Save").AsString();
}

std::string ValueRecord(const rt::Value& v, const std::string& what) {
  if (v.IsArray()) {
    std::string body = Len2(v.Len(), what);
    for (const rt::Value& item : v.Items()) body += ValueRecord(item, what);
    return "A" + Len2(body.size(), what) + body;
  }
  if (v.IsObject()) return ObjectRecord(v);
  const std::string text = v.IsNil() ? std::string() : rt::CVALTOCHAR(v);
  return rt::VALTYPE(v) + Len2(text.size(), what) + text;
}

// Reads the record at the front of `data`, consuming it.
class Reader {
 public:
  explicit Reader(std::string_view data) : data_(data) {}
  bool empty() const { return data_.empty(); }
  std::optional<int> Int2() {
    if (data_.size() < 2) return std::nullopt;
    const int n = rt::BIN2I(data_.substr(0, 2));
    data_.remove_prefix(2);
    return n;
  }
  std::optional<std::string_view> Bytes(int n) {
    if (n < 0 || data_.size() < static_cast<std::size_t>(n)) return std::nullopt;
    const std::string_view part = data_.substr(0, static_cast<std::size_t>(n));
    data_.remove_prefix(static_cast<std::size_t>(n));
    return part;
  }
  std::optional<char> Letter() {
    if (data_.empty()) return std::nullopt;
    const char c = data_.front();
    data_.remove_prefix(1);
    return c;
  }

 private:
  std::string_view data_;
};

std::optional<rt::Value> ReadValue(Reader& r);

// AREAD: the elements of an array record.
std::optional<rt::Value> ReadArray(std::string_view body) {
  Reader r(body);
  const auto count = r.Int2();
  if (!count) return std::nullopt;
  rt::Value array = rt::Value::Array();
  for (int i = 0; i < *count; ++i) {
    auto item = ReadValue(r);
    if (!item) return std::nullopt;
    array.Items().push_back(*item);
  }
  return array;
}

// OREAD: a new object of the record's class, loaded from the record.
std::optional<rt::Value> ReadObject(std::string_view body) {
  Reader r(body);
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

std::optional<rt::Value> ReadValue(Reader& r) {
  const auto type = r.Letter();
  const auto len = r.Int2();
  if (!type || !len) return std::nullopt;
  const auto body = r.Bytes(*len);
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

bool SameValue(const rt::Value& a, const rt::Value& b) {
  if (a.type() != b.type()) return false;
  if (a.IsArray() || a.IsObject() || a.IsBlock()) return a == b;
  return a.IsNil() || rt::CVALTOCHAR(a) == rt::CVALTOCHAR(b);
}

}  // namespace

std::string TWindow::Save() const {
  const rt::ClassInfo& cls = GetClass();
  const rt::ObjectPtr fresh = cls.Create();
  const rt::Value self(std::const_pointer_cast<Object>(shared_from_this()));
  std::string items;
  int count = 0;
  try {
    for (const std::string& name : WindowProperties()) {
      const rt::Value value = rt::Send(self, name);
      // Blocks have no text, and an object is saved only by its own Save.
      if (value.IsBlock() || (value.IsObject() && !value.As<TWindow>() && !Understands(value, "Save"))) continue;
      if (fresh && SameValue(value, rt::Send(rt::Value(fresh), name))) continue;
      items += Len2(name.size(), name) + name + ValueRecord(value, name);
      ++count;
    }
    for (const auto& event : WindowEvents()) {
      const rt::Value text = rt::Send(self, event.front());
      if (!text.IsString()) continue;
      items += Len2(event.front().size(), event.front()) + event.front() + ValueRecord(text, event.front());
      ++count;
    }
    const std::string& className = ClassName();
    const std::string body = Len2(className.size(), "class name") + className + Len2(count, "item count") + items;
    return "O" + Len2(body.size(), "record") + body;
  } catch (const TooLong& e) {
    // The record's 16-bit lengths cannot hold it: a silently cut record
    // would load as garbage.
    rt::ErrorPtr error = rt::MakeError(rt::EG_LIMIT, 0, "BASE", "TWINDOW:SAVE");
    error->description = std::string("Value too long for the window record: ") + e.what();
    error->canDefault = true;
    rt::RaiseError(error);
    return {};
  }
}

void TWindow::Load(const std::string& cData) {
  Reader r(cData);
  const auto count = r.Int2();
  if (!count) return;
  for (int i = 0; i < *count; ++i) {
    const auto nameLen = r.Int2();
    const auto name = nameLen ? r.Bytes(*nameLen) : std::nullopt;
    if (!name) return;
    auto value = ReadValue(r);
    if (!value) return;
    rt::Send(Self(), "_" + std::string(*name), rt::Args(&*value, 1));
  }
}

bool TWindow::SaveFile(const std::string& cFile) const {
  const std::string record = Save();
  return !record.empty() && rt::MEMOWRIT(cFile, record);
}

bool TWindow::LoadFile(const std::string& cFile) {
  if (!rt::FileExists(cFile)) {
    svc::MSGSTOP("File not found: " + cFile);
    return false;
  }
  const std::string data = rt::MEMOREAD(cFile);
  // The record's letter and length, then the class name with its length.
  Reader r(data);
  if (r.Letter() != 'O' || !r.Int2()) return false;
  const auto nameLen = r.Int2();
  if (!nameLen || !r.Bytes(*nameLen)) return false;
  const std::size_t header = 1 + 2 + 2 + static_cast<std::size_t>(*nameLen);
  Load(data.substr(header));
  return true;
}

rt::Value TWindow::ReadFile(const std::string& cFile) {
  rt::Value name(cFile);
  return svc::ULOADOBJECT(rt::Args(&name, 1));
}

}  // namespace core
