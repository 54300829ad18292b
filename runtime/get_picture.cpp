#include "runtime/get_picture.h"

#include <cstdlib>

#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/settings.h"
#include "runtime/text_case.h"
#include "runtime/transform.h"

namespace rt {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters of code page 1252: a to z, the accented letters and umlauts
// (0xC0..0xFF without the two operator signs) and the few letters above 0x80.
bool IsLetter(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

bool IsNumberSlot(char t) { return t == '9' || t == '#' || t == '$' || t == '*'; }

bool IsTextSlot(char t) {
  switch (AsciiUpperChar(t)) {
    case '9': case '#': case 'A': case 'N': case 'X': case 'L': case 'Y': case '!': return true;
    default: return false;
  }
}

char TypeLetter(const Value& v) {
  switch (v.type()) {
    case Type::String: return 'C';
    case Type::Number: return 'N';
    case Type::Date: return 'D';
    case Type::Logical: return 'L';
    default: return 'U';
  }
}

// A number's template in the layout STR shows it: a digit slot for every
// column but the decimal point.
std::string NumberTemplate(const Value& v) {
  std::string t = STR(v);
  for (char& c : t) c = (c == '.') ? '.' : '9';
  return t;
}

std::string DateTemplate(std::string_view format) {
  std::string t(format);
  for (char& c : t) {
    const char u = AsciiUpperChar(c);
    if (u == 'D' || u == 'M' || u == 'Y') c = '9';
  }
  return t;
}

// The digits of the buffer at the positions of one letter of the date format.
std::string DatePart(const EditPicture& p, const std::string& buffer, char letter) {
  std::string part;
  for (std::size_t i = 0; i < p.dateFormat.size() && i < buffer.size(); ++i)
    if (AsciiUpperChar(p.dateFormat[i]) == letter) part += buffer[i];
  return part;
}

bool AllDateSlotsBlank(const EditPicture& p, const std::string& buffer) {
  for (std::size_t i = 0; i < buffer.size(); ++i)
    if (IsEditSlot(p, i) && buffer[i] != ' ') return false;
  return true;
}

// A date part as a number; -1 when it holds anything but digits and blanks
// or nothing at all.
int PartNumber(const std::string& part) {
  std::string digits;
  for (char c : part) {
    if (IsDigit(c)) digits += c;
    else if (c != ' ') return -1;
  }
  return digits.empty() ? -1 : std::atoi(digits.c_str());
}

Date BufferDate(const EditPicture& p, const std::string& buffer) {
  const std::string dayPart = DatePart(p, buffer, 'D');
  const std::string monthPart = DatePart(p, buffer, 'M');
  const std::string yearPart = DatePart(p, buffer, 'Y');
  const int day = PartNumber(dayPart), month = PartNumber(monthPart);
  int year = PartNumber(yearPart);
  if (day < 0 || month < 0 || year < 0) return Date{};
  if (yearPart.size() <= 2) {
    // Two-digit years fall into the hundred years that start at SET EPOCH.
    const int epoch = Sets().epoch;
    year += epoch / 100 * 100;
    if (year < epoch) year += 100;
  }
  return MakeDate(year, month, day);
}

Value BufferNumber(const EditPicture& p, const std::string& buffer, const Value& original) {
  std::string whole, fraction;
  bool negative = false;
  int fractionSlots = 0;
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const bool afterPoint = p.decPos > 0 && static_cast<int>(i) >= p.decPos;
    if (afterPoint && IsEditSlot(p, i)) ++fractionSlots;
    const char c = buffer[i];
    if (c == '-' || c == '(') negative = true;
    if (!IsDigit(c)) continue;
    (afterPoint ? fraction : whole) += c;
  }
  const std::string text = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
  double value = std::strtod(text.c_str(), nullptr);
  if (negative) value = -value;
  Number shape = original.IsNumber() ? original.AsNumberInfo() : Number{};
  shape.value = value;
  if (shape.dec < fractionSlots) shape.dec = static_cast<std::int16_t>(fractionSlots);
  return Value(shape);
}

}  // namespace

EditPicture MakeEditPicture(std::string_view picture, const Value& value) {
  EditPicture p;
  p.type = TypeLetter(value);
  std::string_view tmpl = picture;
  if (!picture.empty() && picture[0] == '@') {
    std::size_t i = 1;
    for (; i < picture.size() && picture[i] != ' ' && picture[i] != '\t'; ++i) {
      switch (AsciiUpperChar(picture[i])) {
        case '!': p.upper = true; break;
        case 'K': p.clearOnKey = true; break;
        case 'R': p.insertLiterals = true; break;
        case 'E': p.european = true; break;
        default: break;
      }
    }
    tmpl = i < picture.size() ? picture.substr(i + 1) : std::string_view{};
  }
  switch (p.type) {
    case 'C':
      p.tmpl = tmpl.empty() ? std::string(value.AsString().size(), 'X') : std::string(tmpl);
      break;
    case 'N': {
      p.tmpl = tmpl.empty() ? NumberTemplate(value) : std::string(tmpl);
      const std::size_t point = p.tmpl.find('.');
      if (point != std::string::npos && p.tmpl.find_first_of("9#$*", point) != std::string::npos)
        p.decPos = static_cast<int>(point) + 1;
      break;
    }
    case 'D':
      p.dateFormat = p.european ? (Sets().century ? "dd/mm/yyyy" : "dd/mm/yy") : DateFormat();
      p.tmpl = DateTemplate(p.dateFormat);
      break;
    case 'L':
      p.tmpl.assign(1, !tmpl.empty() && AsciiUpperChar(tmpl[0]) == 'Y' ? 'Y' : 'L');
      break;
    default:
      break;
  }
  return p;
}

bool IsEditSlot(const EditPicture& p, std::size_t i) {
  if (i >= p.tmpl.size()) return false;
  const char t = p.tmpl[i];
  switch (p.type) {
    case 'N': return IsNumberSlot(t);
    case 'D': return t == '9';
    case 'L': return true;
    case 'C': return IsTextSlot(t);
    default: return false;
  }
}

std::optional<char> AcceptChar(const EditPicture& p, std::size_t i, char c) {
  if (!IsEditSlot(p, i)) return std::nullopt;
  const char t = AsciiUpperChar(p.tmpl[i]);
  if (p.type == 'L') {
    const char u = AsciiUpperChar(c);
    if (u != 'T' && u != 'F' && u != 'Y' && u != 'N') return std::nullopt;
    const bool yes = u == 'T' || u == 'Y';
    if (t == 'Y') return yes ? 'Y' : 'N';
    return yes ? 'T' : 'F';
  }
  if (p.type == 'N') {
    if (IsDigit(c) || c == '-' || c == '+' || (c == ' ' && t == '#')) return c;
    return std::nullopt;
  }
  if (p.type == 'D') return IsDigit(c) ? std::optional<char>(c) : std::nullopt;
  const char shown = (p.upper || t == '!') ? AsciiUpperChar(c) : c;
  switch (t) {
    case '9': return IsDigit(c) ? std::optional<char>(shown) : std::nullopt;
    case '#': return (IsDigit(c) || c == ' ' || c == '+' || c == '-') ? std::optional<char>(shown) : std::nullopt;
    case 'A': return IsLetter(c) ? std::optional<char>(shown) : std::nullopt;
    case 'N': return (IsLetter(c) || IsDigit(c)) ? std::optional<char>(shown) : std::nullopt;
    case 'L': case 'Y': {
      const char u = AsciiUpperChar(c);
      if (u == 'T' || u == 'F' || u == 'Y' || u == 'N') return u;
      return std::nullopt;
    }
    default: return shown;  // X and !
  }
}

std::string PutMask(const EditPicture& p, const Value& value) {
  switch (p.type) {
    case 'C': {
      const std::string& s = value.AsString();
      std::string r;
      r.reserve(p.tmpl.size());
      std::size_t e = 0;
      for (std::size_t i = 0; i < p.tmpl.size(); ++i) {
        if (IsEditSlot(p, i)) {
          char c = e < s.size() ? s[e] : ' ';
          if (p.upper || p.tmpl[i] == '!') c = AsciiUpperChar(c);
          r += c;
          ++e;
        } else {
          r += p.tmpl[i];
          if (!p.insertLiterals) ++e;
        }
      }
      return r;
    }
    case 'N': return TRANSFORM(value, (p.european ? "@E " : "") + p.tmpl);
    case 'D': return DateToText(Date{value.AsJulian()}, p.dateFormat);
    case 'L': {
      const bool b = value.AsLogical();
      return p.tmpl == "Y" ? (b ? "Y" : "N") : (b ? "T" : "F");
    }
    default: return {};
  }
}

Value UnTransformBuffer(const EditPicture& p, const std::string& buffer, const Value& original) {
  switch (p.type) {
    case 'C': {
      std::string r;
      if (p.insertLiterals) {
        for (std::size_t i = 0; i < buffer.size(); ++i)
          if (IsEditSlot(p, i)) r += buffer[i];
      } else {
        r = buffer;
      }
      // A template shorter than the text edits only its start; the rest stays.
      const std::string& before = original.AsString();
      if (before.size() > r.size()) r += before.substr(r.size());
      return Value(std::move(r));
    }
    case 'N': return BufferNumber(p, buffer, original);
    case 'D': return Value(AllDateSlotsBlank(p, buffer) ? Date{} : BufferDate(p, buffer));
    case 'L': return Value(!buffer.empty() && (buffer[0] == 'T' || buffer[0] == 'Y'));
    default: return original;
  }
}

bool IsBadDateBuffer(const EditPicture& p, const std::string& buffer) {
  return p.type == 'D' && !AllDateSlotsBlank(p, buffer) && BufferDate(p, buffer).julian == 0;
}

}  // namespace rt
