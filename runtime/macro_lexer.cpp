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

namespace {

// One pass over the text, one method per kind of token. Each method starts
// at i_ on the token's first character, pushes the token and leaves i_ after
// it; false means error_ says why.
class Lexer {
 public:
  Lexer(std::string_view s, std::vector<Token>* out, SyntaxDetail* error) : s_(s), out_(out), error_(error) {}

  bool Run() {
    out_->clear();
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++i_;
        continue;
      }
      if (!Next(c)) return false;
    }
    Token end;
    end.kind = Tok::End;
    end.pos = s_.size();
    out_->push_back(std::move(end));
    return true;
  }

 private:
  bool Next(char c) {
    const char n1 = Peek(1);
    if (IsDigit(c) || (c == '.' && IsDigit(n1))) return Number(c, n1);
    if (IsIdentStart(c)) return Word(c);
    // Strings: "..." and '...' anywhere, [...] where an operand may start.
    const Tok prev = out_->empty() ? Tok::End : out_->back().kind;
    if (c == '"' || c == '\'' || (c == '[' && !EndsOperand(prev))) return String(c == '[' ? ']' : c);
    if (c == '.') return Dotted();
    if (c == '&') {
      Macro(n1);
      return true;
    }
    return Operator(c, n1) || Unexpected(c);
  }

  char Peek(std::size_t ahead) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : '\0'; }

  bool Fail(SyntaxText what, std::size_t pos, std::string text = {}) {
    *error_ = SyntaxDetail{what, pos, std::move(text), Tok::End, Tok::End};
    return false;
  }

  // A token of len characters at the current position.
  void Push(Tok kind, std::size_t len) {
    Token t;
    t.kind = kind;
    t.pos = i_;
    out_->push_back(std::move(t));
    i_ += len;
  }

  // A token from start up to end, with its value.
  void PushValue(Tok kind, std::size_t start, std::size_t end, Value value) {
    Token t;
    t.kind = kind;
    t.pos = start;
    t.value = std::move(value);
    out_->push_back(std::move(t));
    i_ = end;
  }

  // A token from start up to end, with its text.
  void PushText(Tok kind, std::size_t start, std::size_t end, std::string text) {
    Token t;
    t.kind = kind;
    t.pos = start;
    t.text = std::move(text);
    out_->push_back(std::move(t));
    i_ = end;
  }

  // Numbers, hexadecimal numbers and 0dYYYYMMDD dates.
  bool Number(char c, char n1) {
    if (c == '0' && (n1 == 'x' || n1 == 'X')) return HexNumber();
    if (c == '0' && (n1 == 'd' || n1 == 'D')) return DateNumber();
    return Decimal();
  }

  bool HexNumber() {
    const std::size_t start = i_;
    std::size_t j = i_ + 2;
    double v = 0;
    while (j < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[j]))) {
      const char h = s_[j];
      v = v * 16 + (IsDigit(h) ? h - '0' : (AsciiUpperChar(h) - 'A' + 10));
      ++j;
    }
    if (j == start + 2) return Fail(SyntaxText::HexWithoutDigits, start);
    PushValue(Tok::Number, start, j, Value::Num(v, 0, 0));
    return true;
  }

  bool DateNumber() {
    const std::size_t start = i_;
    std::size_t j = start + 2;
    while (j < s_.size() && IsDigit(s_[j])) ++j;
    if (j - (start + 2) != 8) return Fail(SyntaxText::DateDigits, start);
    std::string_view digits = s_.substr(start + 2, 8);
    Date d = STOD(digits);
    if (d.julian == 0 && digits != "00000000") return Fail(SyntaxText::InvalidDate, start);
    PushValue(Tok::Date, start, j, Value(d));
    return true;
  }

  bool Decimal() {
    const std::size_t start = i_;
    std::size_t j = start;
    int intDigits = 0, dec = 0;
    while (j < s_.size() && IsDigit(s_[j])) ++j, ++intDigits;
    bool point = false;
    std::size_t len;
    Tok dummy;
    if (j < s_.size() && s_[j] == '.' && !(j + 1 < s_.size() && DottedWord(s_, j + 1, &len, &dummy))) {
      point = true;
      ++j;
      while (j < s_.size() && IsDigit(s_[j])) ++j, ++dec;
    }
    const double v = std::strtod(std::string(s_.substr(start, j - start)).c_str(), nullptr);
    // A literal shows as written, within the widths a number can carry.
    intDigits = std::min(intDigits, 255);
    dec = std::min(dec, 99);
    if (j < s_.size() && IsIdentStart(s_[j])) return Fail(SyntaxText::NameAfterNumber, j);
    PushValue(Tok::Number, start, j,
              point && dec > 0 ? Value::Num(v, std::max(intDigits, 1) + 1 + dec, dec) : Value::Num(v, 0, 0));
    return true;
  }

  // A name, or d"2024-01-31" (or with single quotes): a date literal.
  bool Word(char c) {
    const std::size_t start = i_;
    std::size_t j = start;
    while (j < s_.size() && IsIdentChar(s_[j])) ++j;
    if (j == start + 1 && (c == 'd' || c == 'D') && j < s_.size() && (s_[j] == '"' || s_[j] == '\'')) {
      return DateLiteral(j);
    }
    PushText(Tok::Ident, start, j, AsciiUpper(s_.substr(start, j - start)));
    return true;
  }

  bool DateLiteral(std::size_t quoteAt) {
    const std::size_t start = i_;
    const char q = s_[quoteAt];
    std::size_t e = s_.find(q, quoteAt + 1);
    if (e == std::string_view::npos) return Fail(SyntaxText::UnterminatedDate, start);
    std::string_view body = s_.substr(quoteAt + 1, e - quoteAt - 1);
    std::string digits;
    for (char ch : body)
      if (IsDigit(ch)) digits += ch;
    Date d = digits.size() == 8 ? STOD(digits) : Date{};
    if (d.julian == 0) return Fail(SyntaxText::InvalidDate, start);
    PushValue(Tok::Date, start, e + 1, Value(d));
    return true;
  }

  bool String(char close) {
    const std::size_t start = i_;
    std::size_t e = s_.find(close, start + 1);
    if (e == std::string_view::npos) return Fail(SyntaxText::UnterminatedString, start);
    PushText(Tok::String, start, e + 1, std::string(s_.substr(start + 1, e - start - 1)));
    return true;
  }

  // .T. .F. .Y. .N. .AND. .OR. .NOT.
  bool Dotted() {
    std::size_t len;
    Tok tok;
    if (!DottedWord(s_, i_ + 1, &len, &tok)) return Fail(SyntaxText::Unexpected, i_, "'.'");
    Push(tok, len + 1);
    return true;
  }

  // &name (a macro variable) or the macro operator alone.
  void Macro(char n1) {
    if (!IsIdentStart(n1)) {
      Push(Tok::Amp, 1);
      return;
    }
    const std::size_t start = i_;
    std::size_t j = start + 1;
    while (j < s_.size() && IsIdentChar(s_[j])) ++j;
    PushText(Tok::MacroVar, start, j, AsciiUpper(s_.substr(start + 1, j - start - 1)));
    // An optional '.' ends the macro variable's name, unless it opens .AND. and friends.
    std::size_t len;
    Tok tok;
    if (i_ < s_.size() && s_[i_] == '.' && !DottedWord(s_, i_ + 1, &len, &tok)) ++i_;
  }

  // Punctuation and operators of one or two characters; false when c is none.
  bool Operator(char c, char n1) {
    auto oneOrTwo = [&](char second, Tok two, Tok one) { n1 == second ? Push(two, 2) : Push(one, 1); };
    switch (c) {
      case '(': Push(Tok::LParen, 1); return true;
      case ')': Push(Tok::RParen, 1); return true;
      case '[': Push(Tok::LBracket, 1); return true;
      case ']': Push(Tok::RBracket, 1); return true;
      case '{': Push(Tok::LBrace, 1); return true;
      case '}': Push(Tok::RBrace, 1); return true;
      case ',': Push(Tok::Comma, 1); return true;
      case '|': Push(Tok::Pipe, 1); return true;
      case '$': Push(Tok::Dollar, 1); return true;
      case '#': Push(Tok::Ne, 1); return true;
      case '^': Push(Tok::Power, 1); return true;
      case '%': Push(Tok::Percent, 1); return true;
      case ':': oneOrTwo('=', Tok::Assign, Tok::Colon); return true;
      case '/': oneOrTwo('=', Tok::DivAssign, Tok::Slash); return true;
      case '=': oneOrTwo('=', Tok::ExactEq, Tok::Eq); return true;
      case '!': oneOrTwo('=', Tok::Ne, Tok::Not); return true;
      case '>': oneOrTwo('=', Tok::Ge, Tok::Gt); return true;
      case '+':
        if (n1 == '+') Push(Tok::Inc, 2);
        else oneOrTwo('=', Tok::PlusAssign, Tok::Plus);
        return true;
      case '-':
        if (n1 == '>') Push(Tok::Alias, 2);
        else if (n1 == '-') Push(Tok::Dec, 2);
        else oneOrTwo('=', Tok::MinusAssign, Tok::Minus);
        return true;
      case '*':
        if (n1 == '*') Push(Tok::Power, 2);
        else oneOrTwo('=', Tok::MultAssign, Tok::Star);
        return true;
      case '<':
        if (n1 == '>') Push(Tok::Ne, 2);
        else oneOrTwo('=', Tok::Le, Tok::Lt);
        return true;
      default: return false;
    }
  }

  bool Unexpected(char c) {
    const auto byte = static_cast<unsigned char>(c);
    char shown[8];
    if (byte >= 0x20 && byte < 0x7F) {
      std::snprintf(shown, sizeof shown, "'%c'", c);
      return Fail(SyntaxText::Unexpected, i_, shown);
    }
    std::snprintf(shown, sizeof shown, "%02X", byte);
    return Fail(SyntaxText::UnexpectedByte, i_, shown);
  }

  std::string_view s_;
  std::vector<Token>* out_;
  SyntaxDetail* error_;
  std::size_t i_ = 0;
};

}  // namespace

bool Tokenize(std::string_view s, std::vector<Token>* out, SyntaxDetail* error) {
  return Lexer(s, out, error).Run();
}

}  // namespace rt::macro
