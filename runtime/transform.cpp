#include "runtime/transform.h"

#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/settings.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

enum Flag : unsigned {
  kUpper = 1u << 0,
  kLeft = 1u << 1,
  kCredit = 1u << 2,
  kDebit = 1u << 3,
  kParens = 1u << 4,
  kDate = 1u << 5,
  kEuropean = 1u << 6,
  kInsert = 1u << 7,
  kBlankZero = 1u << 8,
};

struct Picture {
  unsigned flags = 0;
  std::string_view tmpl;
};

Picture ParsePicture(std::string_view pic) {
  Picture p;
  if (pic.empty() || pic[0] != '@') {
    p.tmpl = pic;
    return p;
  }
  std::size_t i = 1;
  for (; i < pic.size(); ++i) {
    const char c = AsciiUpperChar(pic[i]);
    if (c == ' ' || c == '\t') {
      ++i;
      break;
    }
    switch (c) {
      case '!': p.flags |= kUpper; break;
      case 'B': p.flags |= kLeft; break;
      case 'C': p.flags |= kCredit; break;
      case 'X': p.flags |= kDebit; break;
      case '(': p.flags |= kParens; break;
      case 'D': p.flags |= kDate; break;
      case 'E': p.flags |= kEuropean; break;
      case 'R': p.flags |= kInsert; break;
      case 'Z': p.flags |= kBlankZero; break;
      default: break;  // K, S<n> and the like do not change the text
    }
  }
  p.tmpl = pic.substr(std::min(i, pic.size()));
  return p;
}

std::string Text(const std::string& s, const Picture& p) {
  if (p.tmpl.empty()) return (p.flags & kUpper) ? AsciiUpper(s) : s;
  std::string r;
  std::size_t e = 0;
  std::size_t i = 0;
  for (; i < p.tmpl.size() && e < s.size(); ++i) {
    const char t = p.tmpl[i];
    switch (t) {
      case '!': r += AsciiUpperChar(s[e++]); break;
      case 'A': case 'a': case 'N': case 'n': case 'X': case 'x': case '9': case '#':
      case 'L': case 'l': case 'Y': case 'y':
        r += (p.flags & kUpper) ? AsciiUpperChar(s[e]) : s[e];
        ++e;
        break;
      default:
        r += t;
        if (!(p.flags & kInsert)) ++e;
        break;
    }
  }
  // With @R the template's remaining positions stay as blanks.
  if ((p.flags & kInsert) && i < p.tmpl.size()) r.append(p.tmpl.size() - i, ' ');
  return r;
}

bool IsDigitSlot(char c) { return c == '9' || c == '#' || c == '*' || c == '$'; }

std::string NumberText(const Value& v, const Picture& p) {
  const double value = v.AsNumber();
  const bool negative = value < 0;
  const bool dropSign = negative && (p.flags & (kDebit | kParens));
  const double shown = dropSign ? -value : value;
  std::string r;
  if (p.tmpl.empty()) {
    Value n = v;
    if (dropSign) {
      Number info = v.AsNumberInfo();
      info.value = shown;
      n = Value(info);
    }
    r = STR(n);
    if (p.flags & kEuropean)
      for (char& c : r)
        if (c == '.') c = ',';
  } else {
    // Digit positions before and after the decimal point.
    int before = 0, after = 0;
    bool point = false;
    for (char c : p.tmpl) {
      if (IsDigitSlot(c)) (point ? after : before)++;
      else if (c == '.' && !point) point = true;
    }
    const bool usesPoint = point && after > 0;
    const std::string digits = FormatNumber(shown, before + after + (usesPoint ? 1 : 0), after);
    std::size_t k = 0;
    bool pointDone = false;
    r.reserve(p.tmpl.size());
    for (char c : p.tmpl) {
      if (IsDigitSlot(c)) {
        char d = k < digits.size() ? digits[k++] : ' ';
        if (d == ' ' && (c == '*' || c == '$')) d = c;
        r += d;
      } else if (c == '.' && !pointDone) {
        pointDone = true;
        if (usesPoint) ++k;
        r += (p.flags & kEuropean) ? ',' : '.';
      } else if (c == ',') {
        const char prev = r.empty() ? ' ' : r.back();
        if (prev >= '0' && prev <= '9') r += (p.flags & kEuropean) ? '.' : ',';
        else if (prev == '*' || prev == '$') r += prev;
        else r += ' ';
      } else {
        r += c;
      }
    }
  }
  if ((p.flags & kParens) && negative) {
    std::size_t first = r.find_first_not_of(' ');
    if (first == std::string::npos) first = r.size();
    if (first > 0) r[first - 1] = '(';
    else r.insert(0, 1, '(');
    r += ')';
  }
  if ((p.flags & kCredit) && value > 0) r += " CR";
  if ((p.flags & kDebit) && negative) r += " DB";
  if (p.flags & kLeft) {
    std::size_t first = r.find_first_not_of(' ');
    if (first != std::string::npos && first > 0) r = r.substr(first) + std::string(first, ' ');
  }
  if ((p.flags & kBlankZero) && value == 0) r.assign(r.size(), ' ');
  return r;
}

std::string DateText(const Value& v, const Picture& p) {
  const Date d{v.AsJulian()};
  std::string r = (p.flags & kEuropean) ? DateToText(d, Sets().century ? "dd/mm/yyyy" : "dd/mm/yy") : DTOC(d);
  if ((p.flags & kBlankZero) && d.julian == 0) r.assign(r.size(), ' ');
  return r;
}

std::string Logical(bool b, const Picture& p) {
  for (char c : p.tmpl) {
    if (c == 'Y' || c == 'y') return b ? "Y" : "N";
    if (c == 'L' || c == 'l' || c == '#') break;
  }
  return b ? "T" : "F";
}

}  // namespace

std::string TRANSFORM(const Value& v, std::string_view picture) {
  const Picture p = ParsePicture(picture);
  switch (v.type()) {
    case Type::String: return Text(v.AsString(), p);
    case Type::Number: return NumberText(v, p);
    case Type::Date: return DateText(v, p);
    case Type::Logical: return Logical(v.AsLogical(), p);
    default: return {};
  }
}

}  // namespace rt
