// The macro compiler's tokenizer.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "runtime/dates.h"
#include "runtime/macro_ast.h"
#include "runtime/text_case.h"

namespace rt::macro {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

// True when the text at p (just after a '.') reads as one of the dotted
// words: T. F. Y. N. AND. OR. NOT. The word's length with its closing dot
// goes to *len and its token to *tok.
bool DottedWord(std::string_view s, std::size_t p, std::size_t* len, Tok* tok) {
  static const struct {
    const char* word;
    Tok tok;
  } kWords[] = {{"T.", Tok::True}, {"F.", Tok::False}, {"Y.", Tok::True}, {"N.", Tok::False},
                {"AND.", Tok::And}, {"OR.", Tok::Or}, {"NOT.", Tok::Not}};
  for (const auto& w : kWords) {
    std::string_view word(w.word);
    if (s.size() - p >= word.size() && AsciiUpper(s.substr(p, word.size())) == word) {
      *len = word.size();
      *tok = w.tok;
      return true;
    }
  }
  return false;
}

bool EndsOperand(Tok t) {
  switch (t) {
    case Tok::Number: case Tok::String: case Tok::Date: case Tok::Ident: case Tok::True:
    case Tok::False: case Tok::RParen: case Tok::RBracket: case Tok::RBrace: case Tok::MacroVar:
    case Tok::Inc: case Tok::Dec:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string TokenName(Tok t, const LangTable& lang) {
  switch (t) {
    case Tok::End: return std::string(lang.Word(TokenWord::EndOfText));
    case Tok::Number: return std::string(lang.Word(TokenWord::Number));
    case Tok::String: return std::string(lang.Word(TokenWord::String));
    case Tok::Date: return std::string(lang.Word(TokenWord::Date));
    case Tok::Ident: return std::string(lang.Word(TokenWord::Name));
    case Tok::True: return ".T.";
    case Tok::False: return ".F.";
    case Tok::LParen: return "'('";
    case Tok::RParen: return "')'";
    case Tok::LBracket: return "'['";
    case Tok::RBracket: return "']'";
    case Tok::LBrace: return "'{'";
    case Tok::RBrace: return "'}'";
    case Tok::Comma: return "','";
    case Tok::Pipe: return "'|'";
    case Tok::Colon: return "':'";
    case Tok::Assign: return "':='";
    case Tok::PlusAssign: return "'+='";
    case Tok::MinusAssign: return "'-='";
    case Tok::MultAssign: return "'*='";
    case Tok::DivAssign: return "'/='";
    case Tok::Alias: return "'->'";
    case Tok::Amp: return "'&'";
    case Tok::MacroVar: return std::string(lang.Word(TokenWord::MacroVariable));
    case Tok::Plus: return "'+'";
    case Tok::Minus: return "'-'";
    case Tok::Star: return "'*'";
    case Tok::Slash: return "'/'";
    case Tok::Percent: return "'%'";
    case Tok::Power: return "'**'";
    case Tok::Eq: return "'='";
    case Tok::ExactEq: return "'=='";
    case Tok::Ne: return "'!='";
    case Tok::Lt: return "'<'";
    case Tok::Le: return "'<='";
    case Tok::Gt: return "'>'";
    case Tok::Ge: return "'>='";
    case Tok::Dollar: return "'$'";
    case Tok::And: return "'.AND.'";
    case Tok::Or: return "'.OR.'";
    case Tok::Not: return "'.NOT.'";
    case Tok::Inc: return "'++'";
    case Tok::Dec: return "'--'";
  }
  return std::string(lang.Word(TokenWord::Token));
}

bool Tokenize(std::string_view s, std::vector<Token>* out, SyntaxDetail* error) {
  out->clear();
  std::size_t i = 0;
  auto fail = [&](SyntaxText what, std::size_t pos, std::string text = {}) {
    *error = SyntaxDetail{what, pos, std::move(text), Tok::End, Tok::End};
    return false;
  };
  auto push = [&](Tok kind, std::size_t pos, std::size_t len) {
    Token t;
    t.kind = kind;
    t.pos = pos;
    out->push_back(std::move(t));
    i = pos + len;
  };
  while (i < s.size()) {
    const char c = s[i];
    const std::size_t start = i;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    const Tok prev = out->empty() ? Tok::End : out->back().kind;
    const char n1 = i + 1 < s.size() ? s[i + 1] : '\0';

    // Numbers, hexadecimal numbers and 0dYYYYMMDD dates.
    if (IsDigit(c) || (c == '.' && IsDigit(n1))) {
      Token t;
      t.pos = start;
      if (c == '0' && (n1 == 'x' || n1 == 'X')) {
        std::size_t j = i + 2;
        double v = 0;
        while (j < s.size() && std::isxdigit(static_cast<unsigned char>(s[j]))) {
          const char h = s[j];
          v = v * 16 + (IsDigit(h) ? h - '0' : (AsciiUpperChar(h) - 'A' + 10));
          ++j;
        }
        if (j == i + 2) return fail(SyntaxText::HexWithoutDigits, start);
        t.kind = Tok::Number;
        t.value = Value::Num(v, 0, 0);
        i = j;
      } else if (c == '0' && (n1 == 'd' || n1 == 'D')) {
        std::size_t j = i + 2;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j - (i + 2) != 8) return fail(SyntaxText::DateDigits, start);
        std::string_view digits = s.substr(i + 2, 8);
        Date d = STOD(digits);
        if (d.julian == 0 && digits != "00000000") return fail(SyntaxText::InvalidDate, start);
        t.kind = Tok::Date;
        t.value = Value(d);
        i = j;
      } else {
        std::size_t j = i;
        int intDigits = 0, dec = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++intDigits;
        bool point = false;
        std::size_t len;
        Tok dummy;
        if (j < s.size() && s[j] == '.' && !(j + 1 < s.size() && DottedWord(s, j + 1, &len, &dummy))) {
          point = true;
          ++j;
          while (j < s.size() && IsDigit(s[j])) ++j, ++dec;
        }
        const double v = std::strtod(std::string(s.substr(i, j - i)).c_str(), nullptr);
        t.kind = Tok::Number;
        // A literal shows as written, within the widths a number can carry.
        intDigits = std::min(intDigits, 255);
        dec = std::min(dec, 99);
        t.value = point && dec > 0 ? Value::Num(v, std::max(intDigits, 1) + 1 + dec, dec) : Value::Num(v, 0, 0);
        i = j;
        if (i < s.size() && IsIdentStart(s[i])) return fail(SyntaxText::NameAfterNumber, i);
      }
      out->push_back(std::move(t));
      continue;
    }

    if (IsIdentStart(c)) {
      std::size_t j = i;
      while (j < s.size() && IsIdentChar(s[j])) ++j;
      // d"2024-01-31" (or with single quotes): a date literal.
      if (j == i + 1 && (c == 'd' || c == 'D') && j < s.size() && (s[j] == '"' || s[j] == '\'')) {
        const char q = s[j];
        std::size_t e = s.find(q, j + 1);
        if (e == std::string_view::npos) return fail(SyntaxText::UnterminatedDate, start);
        std::string_view body = s.substr(j + 1, e - j - 1);
        std::string digits;
        for (char ch : body)
          if (IsDigit(ch)) digits += ch;
        Date d = digits.size() == 8 ? STOD(digits) : Date{};
        if (d.julian == 0) return fail(SyntaxText::InvalidDate, start);
        Token t;
        t.kind = Tok::Date;
        t.pos = start;
        t.value = Value(d);
        out->push_back(std::move(t));
        i = e + 1;
        continue;
      }
      Token t;
      t.kind = Tok::Ident;
      t.pos = start;
      t.text = AsciiUpper(s.substr(i, j - i));
      out->push_back(std::move(t));
      i = j;
      continue;
    }

    // Strings: "..." and '...' anywhere, [...] where an operand may start.
    if (c == '"' || c == '\'' || (c == '[' && !EndsOperand(prev))) {
      const char close = c == '[' ? ']' : c;
      std::size_t e = s.find(close, i + 1);
      if (e == std::string_view::npos) return fail(SyntaxText::UnterminatedString, start);
      Token t;
      t.kind = Tok::String;
      t.pos = start;
      t.text = std::string(s.substr(i + 1, e - i - 1));
      out->push_back(std::move(t));
      i = e + 1;
      continue;
    }

    if (c == '.') {
      std::size_t len;
      Tok tok;
      if (DottedWord(s, i + 1, &len, &tok)) {
        push(tok, start, len + 1);
        continue;
      }
      return fail(SyntaxText::Unexpected, start, "'.'");
    }

    if (c == '&') {
      if (IsIdentStart(n1)) {
        std::size_t j = i + 1;
        while (j < s.size() && IsIdentChar(s[j])) ++j;
        Token t;
        t.kind = Tok::MacroVar;
        t.pos = start;
        t.text = AsciiUpper(s.substr(i + 1, j - i - 1));
        out->push_back(std::move(t));
        i = j;
        // An optional '.' ends the macro variable's name, unless it opens .AND. and friends.
        std::size_t len;
        Tok tok;
        if (i < s.size() && s[i] == '.' && !DottedWord(s, i + 1, &len, &tok)) ++i;
        continue;
      }
      push(Tok::Amp, start, 1);
      continue;
    }

    switch (c) {
      case '(': push(Tok::LParen, start, 1); continue;
      case ')': push(Tok::RParen, start, 1); continue;
      case '[': push(Tok::LBracket, start, 1); continue;
      case ']': push(Tok::RBracket, start, 1); continue;
      case '{': push(Tok::LBrace, start, 1); continue;
      case '}': push(Tok::RBrace, start, 1); continue;
      case ',': push(Tok::Comma, start, 1); continue;
      case '|': push(Tok::Pipe, start, 1); continue;
      case '$': push(Tok::Dollar, start, 1); continue;
      case '#': push(Tok::Ne, start, 1); continue;
      case '^': push(Tok::Power, start, 1); continue;
      case '%': push(Tok::Percent, start, 1); continue;
      case ':': n1 == '=' ? push(Tok::Assign, start, 2) : push(Tok::Colon, start, 1); continue;
      case '+':
        if (n1 == '+') push(Tok::Inc, start, 2);
        else if (n1 == '=') push(Tok::PlusAssign, start, 2);
        else push(Tok::Plus, start, 1);
        continue;
      case '-':
        if (n1 == '>') push(Tok::Alias, start, 2);
        else if (n1 == '-') push(Tok::Dec, start, 2);
        else if (n1 == '=') push(Tok::MinusAssign, start, 2);
        else push(Tok::Minus, start, 1);
        continue;
      case '*':
        if (n1 == '*') push(Tok::Power, start, 2);
        else if (n1 == '=') push(Tok::MultAssign, start, 2);
        else push(Tok::Star, start, 1);
        continue;
      case '/': n1 == '=' ? push(Tok::DivAssign, start, 2) : push(Tok::Slash, start, 1); continue;
      case '=': n1 == '=' ? push(Tok::ExactEq, start, 2) : push(Tok::Eq, start, 1); continue;
      case '!': n1 == '=' ? push(Tok::Ne, start, 2) : push(Tok::Not, start, 1); continue;
      case '<':
        if (n1 == '=') push(Tok::Le, start, 2);
        else if (n1 == '>') push(Tok::Ne, start, 2);
        else push(Tok::Lt, start, 1);
        continue;
      case '>': n1 == '=' ? push(Tok::Ge, start, 2) : push(Tok::Gt, start, 1); continue;
      default: break;
    }
    const auto byte = static_cast<unsigned char>(c);
    char shown[8];
    if (byte >= 0x20 && byte < 0x7F) {
      std::snprintf(shown, sizeof shown, "'%c'", c);
      return fail(SyntaxText::Unexpected, start, shown);
    }
    std::snprintf(shown, sizeof shown, "%02X", byte);
    return fail(SyntaxText::UnexpectedByte, start, shown);
  }
  Token end;
  end.kind = Tok::End;
  end.pos = s.size();
  out->push_back(std::move(end));
  return true;
}

}  // namespace rt::macro
