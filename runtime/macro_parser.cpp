// The macro compiler's parser: tokens to an expression tree, with the
// precedence of the xBase operators (tightest first): postfix (calls,
// indexes, "->", ":", ++ --), prefix ++ --, unary + -, ** ^, * / %, + -,
// relational = == != <> # < <= > >= $, .NOT. !, .AND., .OR., := += -= *= /=.
#include <algorithm>

#include "runtime/macro_ast.h"

namespace rt::macro {

namespace {

using NodePtr = std::unique_ptr<Node>;

struct ParseError {
  SyntaxDetail detail;
};

// Expression nesting (parentheses, calls, blocks, unary chains) the parser
// follows before it calls the text too complex; each level costs a dozen C++
// frames.
constexpr int kMaxNesting = 100;

class Parser {
 public:
  explicit Parser(const std::vector<Token>& tokens) : t_(tokens) {}

  NodePtr Whole() {
    NodePtr n = ListUntil(Tok::End);
    if (Peek().kind != Tok::End) Unexpected();
    return n;
  }

 private:
  class Nest {
   public:
    explicit Nest(Parser& p) : p_(p) {
      if (++p_.nesting_ > kMaxNesting) p_.Fail(SyntaxText::NestedTooDeeply, p_.Peek().pos);
    }
    ~Nest() { --p_.nesting_; }

   private:
    Parser& p_;
  };

  const Token& Peek(std::size_t k = 0) const { return t_[std::min(p_ + k, t_.size() - 1)]; }
  const Token& Next() {
    const Token& tok = Peek();
    if (p_ < t_.size() - 1) ++p_;
    return tok;
  }
  bool Accept(Tok k) {
    if (Peek().kind != k) return false;
    Next();
    return true;
  }
  [[noreturn]] void Fail(SyntaxText what, std::size_t pos, std::string text = {}) {
    throw ParseError{SyntaxDetail{what, pos, std::move(text), Tok::End, Tok::End}};
  }
  [[noreturn]] void Unexpected() {
    const Token& tok = Peek();
    if (tok.kind == Tok::Ident) Fail(SyntaxText::UnexpectedName, tok.pos, tok.text);
    throw ParseError{SyntaxDetail{SyntaxText::Unexpected, tok.pos, {}, Tok::End, tok.kind}};
  }
  void Expect(Tok k) {
    if (!Accept(k)) {
      const Token& tok = Peek();
      throw ParseError{SyntaxDetail{SyntaxText::Expected, tok.pos, {}, k, tok.kind}};
    }
  }

  NodePtr Make(Op op, std::vector<NodePtr> kids = {}) {
    auto n = std::make_unique<Node>();
    n->op = op;
    int h = 0;
    for (const NodePtr& k : kids) h = std::max<int>(h, k->height);
    if (h + 1 > kMaxDepth) Fail(SyntaxText::TooComplex, Peek().pos);
    n->height = static_cast<std::uint16_t>(h + 1);
    n->kids = std::move(kids);
    return n;
  }
  NodePtr Make(Op op, NodePtr a) {
    std::vector<NodePtr> k;
    k.push_back(std::move(a));
    return Make(op, std::move(k));
  }
  NodePtr Make(Op op, NodePtr a, NodePtr b) {
    std::vector<NodePtr> k;
    k.push_back(std::move(a));
    k.push_back(std::move(b));
    return Make(op, std::move(k));
  }
  NodePtr Literal(Value v) {
    NodePtr n = Make(Op::Literal);
    n->value = std::move(v);
    return n;
  }

  static bool IsLValue(const Node& n) {
    switch (n.op) {
      case Op::Name: case Op::Memvar: case Op::Field: case Op::AliasField: case Op::Param: case Op::Index:
        return true;
      case Op::Send: return n.index == 0;
      default: return false;
    }
  }
  void RequireLValue(const Node& n, std::size_t pos) {
    if (!IsLValue(n)) Fail(SyntaxText::CannotAssign, pos);
  }

  // expr {, expr} up to (not including) `close`; one expression stands for itself.
  NodePtr ListUntil(Tok close) {
    std::vector<NodePtr> items;
    items.push_back(Expr());
    while (Accept(Tok::Comma)) items.push_back(Expr());
    if (Peek().kind != close) Unexpected();
    if (items.size() == 1) return std::move(items[0]);
    return Make(Op::List, std::move(items));
  }

  NodePtr Expr() {
    Nest nest(*this);
    const std::size_t pos = Peek().pos;
    NodePtr lhs = OrExpr();
    Op compound;
    switch (Peek().kind) {
      case Tok::Assign: compound = Op::Literal; break;
      case Tok::PlusAssign: compound = Op::Plus; break;
      case Tok::MinusAssign: compound = Op::Minus; break;
      case Tok::MultAssign: compound = Op::Mult; break;
      case Tok::DivAssign: compound = Op::Div; break;
      default: return lhs;
    }
    Next();
    RequireLValue(*lhs, pos);
    NodePtr n = Make(Op::Assign, std::move(lhs), Expr());
    n->index = static_cast<std::uint16_t>(compound);
    return n;
  }

  NodePtr OrExpr() {
    NodePtr n = AndExpr();
    while (Accept(Tok::Or)) n = Make(Op::Or, std::move(n), AndExpr());
    return n;
  }

  NodePtr AndExpr() {
    NodePtr n = NotExpr();
    while (Accept(Tok::And)) n = Make(Op::And, std::move(n), NotExpr());
    return n;
  }

  NodePtr NotExpr() {
    if (Accept(Tok::Not)) {
      Nest nest(*this);
      return Make(Op::Not, NotExpr());
    }
    return Relational();
  }

  NodePtr Relational() {
    NodePtr n = Additive();
    for (;;) {
      Op op;
      switch (Peek().kind) {
        case Tok::Eq: op = Op::Eq; break;
        case Tok::ExactEq: op = Op::ExactEq; break;
        case Tok::Ne: op = Op::Ne; break;
        case Tok::Lt: op = Op::Lt; break;
        case Tok::Le: op = Op::Le; break;
        case Tok::Gt: op = Op::Gt; break;
        case Tok::Ge: op = Op::Ge; break;
        case Tok::Dollar: op = Op::Contains; break;
        default: return n;
      }
      Next();
      n = Make(op, std::move(n), Additive());
    }
  }

  NodePtr Additive() {
    NodePtr n = Multiplicative();
    for (;;) {
      if (Accept(Tok::Plus)) n = Make(Op::Plus, std::move(n), Multiplicative());
      else if (Accept(Tok::Minus)) n = Make(Op::Minus, std::move(n), Multiplicative());
      else return n;
    }
  }

  NodePtr Multiplicative() {
    NodePtr n = PowerExpr();
    for (;;) {
      if (Accept(Tok::Star)) n = Make(Op::Mult, std::move(n), PowerExpr());
      else if (Accept(Tok::Slash)) n = Make(Op::Div, std::move(n), PowerExpr());
      else if (Accept(Tok::Percent)) n = Make(Op::Mod, std::move(n), PowerExpr());
      else return n;
    }
  }

  NodePtr PowerExpr() {
    NodePtr n = Unary();
    while (Accept(Tok::Power)) n = Make(Op::Pow, std::move(n), Unary());
    return n;
  }

  NodePtr Unary() {
    const std::size_t pos = Peek().pos;
    if (Accept(Tok::Minus)) {
      Nest nest(*this);
      NodePtr operand = Unary();
      // A negative number literal stays a literal (and keeps its width).
      if (operand->op == Op::Literal && operand->value.IsNumber()) {
        Number num = operand->value.AsNumberInfo();
        num.value = -num.value;
        if (num.width > 0) ++num.width;
        operand->value = Value(num);
        return operand;
      }
      return Make(Op::Neg, std::move(operand));
    }
    if (Accept(Tok::Plus)) {
      Nest nest(*this);
      return Make(Op::Pos, Unary());
    }
    if (Peek().kind == Tok::Inc || Peek().kind == Tok::Dec) {
      const Op op = Next().kind == Tok::Inc ? Op::PreInc : Op::PreDec;
      Nest nest(*this);
      NodePtr target = Unary();
      RequireLValue(*target, pos);
      return Make(op, std::move(target));
    }
    return Postfix();
  }

  NodePtr Postfix() {
    NodePtr n = Primary();
    for (;;) {
      const std::size_t pos = Peek().pos;
      if (Accept(Tok::LBracket)) {
        Nest nest(*this);
        n = Make(Op::Index, std::move(n), Expr());
        while (Accept(Tok::Comma)) n = Make(Op::Index, std::move(n), Expr());
        Expect(Tok::RBracket);
      } else if (Accept(Tok::Colon)) {
        if (Peek().kind != Tok::Ident) Unexpected();
        std::string message = Next().text;
        std::vector<NodePtr> kids;
        kids.push_back(std::move(n));
        bool call = false;
        if (Accept(Tok::LParen)) {
          Nest nest(*this);
          call = true;
          Arguments(&kids);
        }
        n = Make(Op::Send, std::move(kids));
        n->name = std::move(message);
        n->index = call ? 1 : 0;
      } else if (Peek().kind == Tok::Inc || Peek().kind == Tok::Dec) {
        const Op op = Next().kind == Tok::Inc ? Op::PostInc : Op::PostDec;
        RequireLValue(*n, pos);
        n = Make(op, std::move(n));
      } else {
        return n;
      }
    }
  }

  // After "(": arguments up to ")"; an empty argument is NIL.
  void Arguments(std::vector<NodePtr>* out) {
    if (Accept(Tok::RParen)) return;
    for (;;) {
      if (Peek().kind == Tok::Comma || Peek().kind == Tok::RParen) {
        out->push_back(Literal(Value()));
      } else {
        out->push_back(Expr());
      }
      if (Accept(Tok::RParen)) return;
      Expect(Tok::Comma);
    }
  }

  NodePtr Identifier(const std::string& name) {
    for (std::size_t level = 0; level < scopes_.size(); ++level) {
      const auto& params = scopes_[scopes_.size() - 1 - level];
      auto it = std::find(params.begin(), params.end(), name);
      if (it != params.end()) {
        NodePtr n = Make(Op::Param);
        n->level = static_cast<std::uint8_t>(level);
        n->index = static_cast<std::uint16_t>(it - params.begin());
        n->name = name;
        return n;
      }
    }
    NodePtr n = Make(Op::Name);
    n->name = name;
    return n;
  }

  static bool IsMemvarAlias(const std::string& a) { return a == "M" || a == "MEMV" || a == "MEMVA" || a == "MEMVAR"; }
  static bool IsFieldAlias(const std::string& a) { return a == "FIELD" || a == "_FIELD" || a == "FIEL"; }

  // After "->" with the alias given as a value (a parenthesised expression or a macro variable).
  NodePtr AliasWithValue(NodePtr aliasValue) {
    if (Peek().kind == Tok::Ident) {
      NodePtr n = Make(Op::AliasField, std::move(aliasValue));
      n->name = Next().text;
      return n;
    }
    Expect(Tok::LParen);
    Nest nest(*this);
    NodePtr body = ListUntil(Tok::RParen);
    Next();
    return Make(Op::AliasExpr, std::move(body), std::move(aliasValue));
  }

  NodePtr Primary() {
    const std::size_t at = p_;
    const Token& tok = Next();
    switch (tok.kind) {
      case Tok::Number:
      case Tok::Date: return Literal(tok.value);
      case Tok::String: return Literal(Value(tok.text));
      case Tok::True: return Literal(Value(true));
      case Tok::False: return Literal(Value(false));
      case Tok::Ident: {
        const std::string name = tok.text;
        if (Peek().kind == Tok::LParen) return CallOf(name, tok.pos);
        if (Accept(Tok::Alias)) {
          if (Peek().kind == Tok::Ident) {
            const std::string member = Next().text;
            NodePtr n = Make(IsMemvarAlias(name) ? Op::Memvar : Op::Field);
            n->name = member;
            if (n->op == Op::Field && !IsFieldAlias(name)) n->value = Value(name);
            return n;
          }
          Expect(Tok::LParen);
          Nest nest(*this);
          NodePtr body = ListUntil(Tok::RParen);
          Next();
          NodePtr n = Make(Op::AliasExpr, std::move(body));
          n->name = name;
          return n;
        }
        if (name == "NIL") return Literal(Value());
        return Identifier(name);
      }
      case Tok::MacroVar: {
        NodePtr var = Identifier(tok.text);
        if (Accept(Tok::Alias)) return AliasWithValue(std::move(var));
        return Make(Op::Macro, std::move(var));
      }
      case Tok::Amp: {
        Expect(Tok::LParen);
        Nest nest(*this);
        NodePtr text = ListUntil(Tok::RParen);
        Next();
        return Make(Op::Macro, std::move(text));
      }
      case Tok::LParen: {
        Nest nest(*this);
        NodePtr inner = ListUntil(Tok::RParen);
        Next();
        if (Accept(Tok::Alias)) return AliasWithValue(std::move(inner));
        return inner;
      }
      case Tok::LBrace: {
        Nest nest(*this);
        if (Peek().kind == Tok::Pipe) return BlockLiteral();
        std::vector<NodePtr> items;
        if (!Accept(Tok::RBrace)) {
          for (;;) {
            if (Peek().kind == Tok::Comma || Peek().kind == Tok::RBrace) items.push_back(Literal(Value()));
            else items.push_back(Expr());
            if (Accept(Tok::RBrace)) break;
            Expect(Tok::Comma);
          }
        }
        return Make(Op::ArrayLit, std::move(items));
      }
      default:
        p_ = at;  // point the message at the token itself
        Unexpected();
    }
  }

  NodePtr CallOf(const std::string& name, std::size_t pos) {
    Next();  // "("
    Nest nest(*this);
    std::vector<NodePtr> args;
    Arguments(&args);
    if (name == "IIF" || name == "IF") {
      if (args.size() < 2 || args.size() > 3) Fail(SyntaxText::IifArguments, pos, name);
      if (args.size() == 2) args.push_back(Literal(Value()));
      return Make(Op::Iif, std::move(args));
    }
    NodePtr n = Make(Op::Call, std::move(args));
    n->name = name;
    return n;
  }

  // After "{": "|params| expr, expr... }".
  NodePtr BlockLiteral() {
    Expect(Tok::Pipe);
    std::vector<std::string> params;
    if (!Accept(Tok::Pipe)) {
      for (;;) {
        if (Peek().kind != Tok::Ident) Unexpected();
        const Token& p = Next();
        if (std::find(params.begin(), params.end(), p.text) != params.end())
          Fail(SyntaxText::ParameterTwice, p.pos, p.text);
        params.push_back(p.text);
        if (Accept(Tok::Pipe)) break;
        Expect(Tok::Comma);
      }
    }
    if (params.size() > 255) Fail(SyntaxText::TooManyParameters, Peek().pos);
    scopes_.push_back(params);
    auto code = std::make_shared<BlockCode>();
    code->params = params.size();
    if (Peek().kind != Tok::RBrace) {
      code->body.push_back(Expr());
      while (Accept(Tok::Comma)) code->body.push_back(Expr());
    }
    scopes_.pop_back();
    Expect(Tok::RBrace);
    int h = 0;
    for (const NodePtr& k : code->body) h = std::max<int>(h, k->height);
    if (h + 1 > kMaxDepth) Fail(SyntaxText::TooComplex, Peek().pos);
    NodePtr n = Make(Op::Block);
    n->height = static_cast<std::uint16_t>(h + 1);
    n->block = std::move(code);
    return n;
  }

  const std::vector<Token>& t_;
  std::size_t p_ = 0;
  int nesting_ = 0;
  std::vector<std::vector<std::string>> scopes_;  // block parameters, innermost last
};

}  // namespace

std::unique_ptr<Node> Parse(std::string_view text, SyntaxDetail* error) {
  std::vector<Token> tokens;
  if (!Tokenize(text, &tokens, error)) return nullptr;
  if (tokens.size() == 1) {
    *error = SyntaxDetail{SyntaxText::Empty, 0, {}, Tok::End, Tok::End};
    return nullptr;
  }
  try {
    Parser parser(tokens);
    return parser.Whole();
  } catch (ParseError& e) {
    *error = std::move(e.detail);
    return nullptr;
  }
}

}  // namespace rt::macro
