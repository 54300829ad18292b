#pragma once
// The macro compiler's inside: tokens, the expression tree and the parser's
// entry point. Users include macro.h; this header is for the compiler, the
// evaluator, the fuzz harness and the tests.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/functions.h"
#include "runtime/lang.h"
#include "runtime/macro.h"
#include "runtime/value.h"

namespace rt::macro {

enum class Tok : std::uint8_t {
  End, Number, String, Date, Ident, True, False,
  LParen, RParen, LBracket, RBracket, LBrace, RBrace, Comma, Pipe, Colon,
  Assign, PlusAssign, MinusAssign, MultAssign, DivAssign,
  Alias, Amp, MacroVar,
  Plus, Minus, Star, Slash, Percent, Power,
  Eq, ExactEq, Ne, Lt, Le, Gt, Ge, Dollar,
  And, Or, Not, Inc, Dec
};

struct Token {
  Tok kind = Tok::End;
  std::size_t pos = 0;    // 0-based offset in the text
  std::string text;       // identifier (upper case), string contents, macro variable name
  Value value;            // number or date literal
};

// Why a text does not compile. It is kept apart from its wording, so that
// a text compiled once tells its error in the language selected when the
// error is raised. `text` (a name, a character) fills %1 when given, else
// the name of token `found`; %2 is the name of `found` after an `expected`.
struct SyntaxDetail {
  SyntaxText what = SyntaxText::Empty;
  std::size_t pos = 0;  // 0-based offset in the text
  std::string text;
  Tok expected = Tok::End;
  Tok found = Tok::End;
};
std::string DescribeSyntax(const SyntaxDetail& d, const LangTable& lang);

// Splits a macro text into tokens. A text it cannot read gives false with
// `error` telling what and where.
bool Tokenize(std::string_view text, std::vector<Token>* out, SyntaxDetail* error);
std::string TokenName(Tok t, const LangTable& lang);

enum class Op : std::uint8_t {
  Literal,      // value
  Param,        // parameter `index` of the block `level` steps outward
  Name,         // unqualified name: a field of the current work area, else a memory variable
  Memvar,       // M->name
  Field,        // FIELD->name (alias empty) or alias->name
  AliasField,   // (kids[0])->name: the alias is a value (text or area number)
  AliasExpr,    // alias->(kids[0]), or (kids[1])->(kids[0]) when kids has two
  Call,         // name(kids...)
  Iif,          // IIF(kids[0], kids[1], kids[2]), only one branch evaluated
  And, Or, Not,
  Plus, Minus, Mult, Div, Mod, Pow, Neg, Pos,
  Eq, ExactEq, Ne, Lt, Le, Gt, Ge, Contains,
  Assign,       // kids[0] := kids[1]; `index` holds the compound operator (an Op) or 0
  PreInc, PreDec, PostInc, PostDec,  // kids[0] is the target
  ArrayLit,     // {kids...}
  Index,        // kids[0][kids[1]]
  Block,        // a code-block literal: `block`
  Macro,        // &(kids[0]) or &name: the text is compiled and evaluated
  Send,         // kids[0]:name(kids[1..]); a member read when `index` is 0 (no parentheses)
  List          // (kids..., last): every one evaluated, the last one's value
};

struct BlockCode;

struct Node {
  Op op = Op::Literal;
  std::uint8_t level = 0;
  std::uint16_t index = 0;
  std::uint16_t height = 1;  // levels of the tree below and including this node
  Value value;
  std::string name;   // upper case
  std::vector<std::unique_ptr<Node>> kids;
  std::shared_ptr<const BlockCode> block;
  // The function a Call resolves to, found on the first evaluation.
  mutable const FunctionEntry* fn = nullptr;
};

struct BlockCode {
  std::size_t params = 0;
  std::vector<std::unique_ptr<Node>> body;  // evaluated in turn; the last one's value is the result
};

// Parses a whole macro text into an expression tree; null with `error` set
// when the text is no valid expression or nests deeper than kMaxDepth.
inline constexpr int kMaxDepth = 200;
std::unique_ptr<Node> Parse(std::string_view text, SyntaxDetail* error);

}  // namespace rt::macro
