#include "runtime/dbf_field_codec.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/dates.h"
#include "runtime/dbt_memo.h"

namespace rt {

namespace {

// The number as the field shows it: right-aligned in len with dec decimals;
// empty when it does not fit.
std::string FormatFixed(double d, int len, int dec) {
  char buf[400];
  int n = std::snprintf(buf, sizeof buf, "%*.*f", len, dec, d);
  if (n < 0 || n > len) return {};
  return std::string(buf, static_cast<std::size_t>(n));
}

}  // namespace

Value DecodeField(const DbfField& f, const char* record, DbtMemo* memo) {
  const char* p = record + f.offset;
  switch (f.type) {
    case 'N': {
      char buf[256];
      std::size_t n = std::min<std::size_t>(f.len, sizeof buf - 1);
      std::memcpy(buf, p, n);
      buf[n] = 0;
      for (std::size_t i = 0; i < n; ++i)
        if (buf[i] == ',') buf[i] = '.';
      double d = std::strtod(buf, nullptr);
      if (!std::isfinite(d)) d = 0;
      return Value::Num(d, f.len, f.dec);
    }
    case 'L': return Value(*p == 'T' || *p == 't' || *p == 'Y' || *p == 'y');
    case 'D': return Value(STOD(std::string_view(p, 8)));
    case 'M': {
      std::uint64_t block = MemoBlockOf(f, record);
      if (block == 0 || memo == nullptr) return Value(std::string());
      return Value(memo->Read(block));
    }
    default: return Value(std::string(p, f.len));
  }
}

std::uint64_t MemoBlockOf(const DbfField& f, const char* record) {
  std::uint64_t block = 0;
  for (std::size_t i = 0; i < f.len && i < 19; ++i) {
    char c = record[f.offset + i];
    if (c >= '0' && c <= '9') block = block * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return block;
}

void PutMemoBlock(const DbfField& f, char* record, std::uint32_t block) {
  char* p = record + f.offset;
  if (block == 0) {
    std::memset(p, ' ', f.len);
    return;
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%10u", static_cast<unsigned>(block));
  std::memcpy(p, buf, f.len);
}

PutResult EncodeField(const DbfField& f, char* record, const Value& v) {
  char* p = record + f.offset;
  switch (f.type) {
    case 'C': {
      if (!v.IsString()) return PutResult::WrongType;
      const std::string& s = v.AsString();
      std::size_t n = std::min<std::size_t>(s.size(), f.len);
      std::memcpy(p, s.data(), n);
      std::memset(p + n, ' ', f.len - n);
      return PutResult::Ok;
    }
    case 'N': {
      if (!v.IsNumber()) return PutResult::WrongType;
      std::string s = FormatFixed(v.AsNumber(), f.len, f.dec);
      if (s.empty()) return PutResult::TooWide;
      std::memcpy(p, s.data(), f.len);
      return PutResult::Ok;
    }
    case 'L':
      if (!v.IsLogical()) return PutResult::WrongType;
      *p = v.AsLogical() ? 'T' : 'F';
      return PutResult::Ok;
    case 'D': {
      if (!v.IsDate()) return PutResult::WrongType;
      std::string s = DTOS(Date{v.AsJulian()});
      std::memcpy(p, s.data(), 8);
      return PutResult::Ok;
    }
    default: return PutResult::WrongType;
  }
}

char KeyTypeOf(const Value& v) {
  switch (v.type()) {
    case Type::String: return 'C';
    case Type::Number: return 'N';
    case Type::Date: return 'D';
    case Type::Logical: return 'L';
    default: return 0;
  }
}

std::string KeyBytes(const Value& v, char keyType, std::uint32_t keySize, std::uint32_t keyDec) {
  switch (keyType) {
    case 'N': {
      double d = v.AsNumber();
      int width = static_cast<int>(keySize);
      int dec = static_cast<int>(keyDec);
      if (d >= 0) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%0*.*f", width, dec, d);
        std::string s(buf);
        return s.size() > keySize ? std::string(keySize, '9') : s;
      }
      char buf[400];
      std::snprintf(buf, sizeof buf, "%0*.*f", width - 1, dec, -d);
      std::string s(buf);
      std::string key(1, ',');
      if (s.size() + 1 > keySize) {
        key.append(keySize - 1, '0');
        return key;
      }
      for (char c : s) key.push_back(c >= '0' && c <= '9' ? static_cast<char>('9' - (c - '0')) : c);
      return key;
    }
    case 'D': return DTOS(Date{v.AsJulian()});
    case 'L': return v.AsLogical() ? "T" : "F";
    default: return v.AsString();
  }
}

}  // namespace rt
