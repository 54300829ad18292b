// The macro evaluator: walks a compiled expression tree. Compiled texts are
// cached by their text; evaluating one allocates nothing of its own (call
// arguments live on the C++ stack), only the values it produces.
#include <memory>
#include <new>
#include <unordered_map>
#include <utility>

#include "runtime/arith.h"
#include "runtime/compare.h"
#include "runtime/error.h"
#include "runtime/functions.h"
#include "runtime/lang.h"
#include "runtime/macro_ast.h"
#include "runtime/memvar.h"
#include "runtime/object.h"
#include "runtime/strings.h"
#include "runtime/value_fns.h"

namespace rt {

namespace macro {
namespace {

MacroHost*& Host() {
  static MacroHost* host = nullptr;
  return host;
}

// Parameters of the running block, and of the blocks around it.
struct Frame {
  Args params;
  const Frame* outer;
};

// Nested block calls and "&" evaluations a macro may make before it counts
// as runaway recursion (each level costs a few C++ frames).
constexpr int kMaxCallDepth = 256;
int& CallDepth() {
  static int depth = 0;
  return depth;
}

// Slots for call arguments: on the stack for the usual few, on the heap
// beyond that. Only the n slots in use are constructed, since a key
// expression makes calls for every record of a table.
constexpr std::size_t kInlineArgs = 8;
class ArgSlots {
 public:
  explicit ArgSlots(std::size_t n) : n_(n) {
    if (n > kInlineArgs) {
      heap_.resize(n);
      data_ = heap_.data();
    } else {
      data_ = std::launder(reinterpret_cast<Value*>(inline_));
      std::uninitialized_value_construct_n(data_, n);
    }
  }
  ~ArgSlots() {
    if (n_ <= kInlineArgs) std::destroy_n(data_, n_);
  }
  ArgSlots(const ArgSlots&) = delete;
  ArgSlots& operator=(const ArgSlots&) = delete;
  Value* data() { return data_; }
  Args args() { return Args(data_, n_); }

 private:
  std::size_t n_;
  Value* data_;
  alignas(Value) unsigned char inline_[kInlineArgs * sizeof(Value)];
  std::vector<Value> heap_;
};

Value Raise(int genCode, int subCode, std::string operation, std::initializer_list<Value> args) {
  auto e = MakeError(genCode, subCode, "BASE", std::move(operation));
  e->args = Value::Array(args);
  e->canSubstitute = true;
  return RaiseError(e).value;
}

Value NoVariable(const std::string& name) { return Raise(EG_NOVAR, 1003, name, {}); }
Value NoAlias(const Value& alias) {
  return Raise(EG_NOALIAS, 1002, alias.IsString() ? alias.AsString() : std::string("alias"), {alias});
}

std::string Shorten(std::string_view text) {
  constexpr std::size_t kShown = 80;
  return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "...";
}

// ---- compiled texts and their cache ----

struct Compiled {
  std::unique_ptr<Node> root;  // null when the text did not compile
  SyntaxDetail error;
};

struct CacheEntry {
  std::shared_ptr<const Compiled> code;
  Value block;  // MacroCompile's block, made on first request
};

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

constexpr std::size_t kMaxCached = 4096;

std::unordered_map<std::string, CacheEntry, TextHash, std::equal_to<>>& Cache() {
  static std::unordered_map<std::string, CacheEntry, TextHash, std::equal_to<>> cache;
  return cache;
}

CacheEntry& Lookup(std::string_view text) {
  auto& cache = Cache();
  auto it = cache.find(text);
  if (it != cache.end()) return it->second;
  // Texts built at run time (search ranges, user input) must not grow the
  // cache without end; holders of compiled code keep it alive by reference.
  if (cache.size() >= kMaxCached) cache.clear();
  auto c = std::make_shared<Compiled>();
  c->root = Parse(text, &c->error);
  return cache.emplace(std::string(text), CacheEntry{std::move(c), Value()}).first->second;
}

// The detail is worded when raised, in the language then selected, since
// the compiled text outlives a change of language.
Value SyntaxError(std::string_view text, const SyntaxDetail& detail) {
  auto e = MakeError(EG_SYNTAX, 1449, "BASE", "&");
  e->description += ": " + DescribeSyntax(detail, CurrentLang()) + " in \"" + Shorten(text) + "\"";
  e->args = Value::Array({Value(std::string(text))});
  e->canSubstitute = true;
  return RaiseError(e).value;
}

class DepthGuard {
 public:
  DepthGuard() : ok_(++CallDepth() <= kMaxCallDepth) {}
  ~DepthGuard() { --CallDepth(); }
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

Value TooDeep() { return Raise(EG_COMPLEXITY, 1450, "macro recursion", {}); }

// ---- evaluation ----

Value Eval(const Node& n, const Frame* f);

Value& Slot(const Frame* f, int level, std::size_t index) {
  for (int i = 0; i < level; ++i) f = f->outer;
  return f->params[index];
}

int AreaOf(const Value& alias) {
  MacroHost* host = Host();
  if (alias.IsNumber()) return alias.AsInt() > 0 ? static_cast<int>(alias.AsInt()) : 0;
  if (alias.IsString() && host) return host->AreaOfAlias(ALLTRIM(alias.AsString()));
  return 0;
}

// The field's position in the area, 0 when it has none of that name.
int FieldIn(int area, const std::string& name) {
  MacroHost* host = Host();
  return host && area > 0 ? host->FieldIndex(area, name) : 0;
}

Value ReadField(const Value& alias, const std::string& name) {
  int area;
  if (alias.IsNil()) {
    area = Host() ? Host()->CurrentArea() : 0;
  } else {
    area = AreaOf(alias);
    if (area == 0) return NoAlias(alias);
  }
  if (int i = FieldIn(area, name)) return Host()->GetField(area, i);
  return NoVariable(name);
}

void WriteField(const Value& alias, const std::string& name, const Value& v) {
  int area;
  if (alias.IsNil()) {
    area = Host() ? Host()->CurrentArea() : 0;
  } else {
    area = AreaOf(alias);
    if (area == 0) {
      NoAlias(alias);
      return;
    }
  }
  if (int i = FieldIn(area, name)) {
    Host()->PutField(area, i, v);
    return;
  }
  NoVariable(name);
}

Value ReadName(const std::string& name) {
  if (MacroHost* host = Host()) {
    const int area = host->CurrentArea();
    if (int i = FieldIn(area, name)) return host->GetField(area, i);
  }
  return MEMVARGET(name);
}

void WriteName(const std::string& name, Value v) {
  if (MacroHost* host = Host()) {
    const int area = host->CurrentArea();
    if (int i = FieldIn(area, name)) {
      host->PutField(area, i, v);
      return;
    }
  }
  MEMVARPUT(name, std::move(v));
}

// Selects a work area for the length of an aliased expression.
class AreaScope {
 public:
  explicit AreaScope(int area) : previous_(Host()->SelectArea(area)) {}
  ~AreaScope() { Host()->SelectArea(previous_); }
  AreaScope(const AreaScope&) = delete;
  AreaScope& operator=(const AreaScope&) = delete;

 private:
  int previous_;
};

// The element an index expression names, or null after an error (whose
// substitute goes to *subst).
Value* Element(const Value& container, const Value& index, Value* subst) {
  if (!container.IsArray() || !index.IsNumber()) {
    *subst = Raise(EG_ARG, 1068, "array access", {container, index});
    return nullptr;
  }
  const double i = index.AsNumber();
  auto& items = container.Items();
  if (!(i >= 1) || i >= static_cast<double>(items.size()) + 1) {
    *subst = Raise(EG_BOUND, 1132, "array access", {container, index});
    return nullptr;
  }
  return &items[static_cast<std::size_t>(i) - 1];
}

Value Store(const Node& target, Value v, const Frame* f) {
  switch (target.op) {
    case Op::Name: WriteName(target.name, v); break;
    case Op::Memvar: MEMVARPUT(target.name, v); break;
    case Op::Field: WriteField(target.value, target.name, v); break;
    case Op::AliasField: WriteField(Eval(*target.kids[0], f), target.name, v); break;
    case Op::Param: Slot(f, target.level, target.index) = v; break;
    case Op::Index: {
      Value container = Eval(*target.kids[0], f);
      Value index = Eval(*target.kids[1], f);
      Value subst;
      if (Value* slot = Element(container, index, &subst)) *slot = v;
      break;
    }
    case Op::Send: {
      Value object = Eval(*target.kids[0], f);
      Value arg[1] = {v};
      Send(object, "_" + target.name, Args(arg, 1));
      break;
    }
    default: break;  // the parser admits no other targets
  }
  return v;
}

Value Logical(const Value& v, int subCode, const char* op) {
  if (v.IsLogical()) return v;
  return Raise(EG_ARG, subCode, op, {v});
}

Value CallFunction(const Node& n, const Frame* f) {
  const FunctionEntry* fn = n.fn;
  if (!fn) {
    fn = FindFunctionEntry(n.name);
    if (!fn) return Raise(EG_NOFUNC, 1001, n.name, {});
    n.fn = fn;
  }
  ArgSlots slots(n.kids.size());
  Value* a = slots.data();
  for (std::size_t i = 0; i < n.kids.size(); ++i) a[i] = Eval(*n.kids[i], f);
  if (fn->inPlace && n.kids.size() == 1) {
    if (std::string* s = a[0].MutableString()) {
      fn->inPlace(*s);
      return std::move(a[0]);
    }
  }
  return fn->fn(slots.args());
}

// A code block made by a block literal: its code and copies of the
// parameters of the blocks around it at the time it was made.
struct Closure {
  std::shared_ptr<const BlockCode> code;
  std::vector<std::vector<Value>> captured;  // innermost enclosing block first

  Value Invoke(Args args) {
    DepthGuard guard;
    if (!guard.ok()) return TooDeep();
    std::vector<Frame> outer;
    if (!captured.empty()) {
      outer.resize(captured.size());
      for (std::size_t i = 0; i < captured.size(); ++i)
        outer[i] = Frame{Args(captured[i]), i + 1 < captured.size() ? &outer[i + 1] : nullptr};
    }
    const Frame* up = outer.empty() ? nullptr : &outer[0];
    if (args.size() >= code->params) return Run(Frame{args, up});
    // Fewer arguments than parameters: the missing ones are NIL; what the
    // block writes into the given ones still reaches the caller.
    ArgSlots slots(code->params);
    Value* p = slots.data();
    for (std::size_t i = 0; i < args.size(); ++i) p[i] = args[i];
    Value r = Run(Frame{slots.args(), up});
    for (std::size_t i = 0; i < args.size(); ++i) args[i] = p[i];
    return r;
  }

  Value Run(const Frame& frame) const {
    Value result;
    for (const auto& e : code->body) result = Eval(*e, &frame);
    return result;
  }
};

Value MakeBlock(const Node& n, const Frame* f) {
  auto c = std::make_shared<Closure>();
  c->code = n.block;
  for (const Frame* p = f; p; p = p->outer) c->captured.emplace_back(p->params.begin(), p->params.end());
  return Value::Block([c](Args a) { return c->Invoke(a); });
}

Value EvalText(const Value& text) {
  if (!text.IsString()) return Raise(EG_ARG, 1065, "&", {text});
  DepthGuard guard;
  if (!guard.ok()) return TooDeep();
  std::shared_ptr<const Compiled> code = Lookup(text.AsString()).code;
  if (!code->root) return SyntaxError(text.AsString(), code->error);
  return Eval(*code->root, nullptr);
}

Value Binary(Op op, const Value& a, const Value& b) {
  switch (op) {
    case Op::Plus: return Plus(a, b);
    case Op::Minus: return Minus(a, b);
    case Op::Mult: return Mult(a, b);
    case Op::Div: return Divide(a, b);
    case Op::Mod: return Modulus(a, b);
    case Op::Pow: return Power(a, b);
    case Op::Eq: return EQ(a, b);
    case Op::ExactEq: return EXACTEQ(a, b);
    case Op::Ne: return NE(a, b);
    case Op::Lt: return LT(a, b);
    case Op::Le: return LE(a, b);
    case Op::Gt: return GT(a, b);
    case Op::Ge: return GE(a, b);
    case Op::Contains:
      if (a.IsString() && b.IsString()) return AT(a.AsString(), b.AsString()) > 0;
      return Raise(EG_ARG, 1109, "$", {a, b});
    default: return Value();
  }
}

Value Eval(const Node& n, const Frame* f) {
  switch (n.op) {
    case Op::Literal: return n.value;
    case Op::Param: return Slot(f, n.level, n.index);
    case Op::Name: return ReadName(n.name);
    case Op::Memvar: return MEMVARGET(n.name);
    case Op::Field: return ReadField(n.value, n.name);
    case Op::AliasField: return ReadField(Eval(*n.kids[0], f), n.name);
    case Op::AliasExpr: {
      const Value alias = n.kids.size() > 1 ? Eval(*n.kids[1], f) : Value(n.name);
      const int area = AreaOf(alias);
      if (area == 0) return NoAlias(alias);
      AreaScope scope(area);
      return Eval(*n.kids[0], f);
    }
    case Op::Call: return CallFunction(n, f);
    case Op::Iif: {
      Value c = Logical(Eval(*n.kids[0], f), 1066, "conditional");
      return Eval(*n.kids[c.AsLogical() ? 1 : 2], f);
    }
    case Op::And: {
      Value a = Logical(Eval(*n.kids[0], f), 1078, ".AND.");
      if (!a.IsLogical() || !a.AsLogical()) return a;
      return Logical(Eval(*n.kids[1], f), 1078, ".AND.");
    }
    case Op::Or: {
      Value a = Logical(Eval(*n.kids[0], f), 1079, ".OR.");
      if (!a.IsLogical() || a.AsLogical()) return a;
      return Logical(Eval(*n.kids[1], f), 1079, ".OR.");
    }
    case Op::Not: {
      Value a = Logical(Eval(*n.kids[0], f), 1077, ".NOT.");
      return a.IsLogical() ? Value(!a.AsLogical()) : a;
    }
    case Op::Plus: {
      Value a = Eval(*n.kids[0], f);
      return Plus(std::move(a), Eval(*n.kids[1], f));
    }
    case Op::Neg: return Negate(Eval(*n.kids[0], f));
    case Op::Pos: {
      Value a = Eval(*n.kids[0], f);
      return a.IsNumber() ? a : Raise(EG_ARG, 1081, "+", {a});
    }
    case Op::Assign: {
      const auto compound = static_cast<Op>(n.index);
      Value v = Eval(*n.kids[1], f);
      if (compound != Op::Literal) v = Binary(compound, Eval(*n.kids[0], f), v);
      return Store(*n.kids[0], std::move(v), f);
    }
    case Op::PreInc:
    case Op::PreDec:
    case Op::PostInc:
    case Op::PostDec: {
      Value old = Eval(*n.kids[0], f);
      const bool up = n.op == Op::PreInc || n.op == Op::PostInc;
      Value now = up ? Plus(old, Value(1)) : Minus(old, Value(1));
      Store(*n.kids[0], now, f);
      return n.op == Op::PreInc || n.op == Op::PreDec ? now : old;
    }
    case Op::ArrayLit: {
      Value a = Value::ArrayOf(n.kids.size());
      auto& items = a.Items();
      for (std::size_t i = 0; i < n.kids.size(); ++i) items[i] = Eval(*n.kids[i], f);
      return a;
    }
    case Op::Index: {
      Value container = Eval(*n.kids[0], f);
      Value index = Eval(*n.kids[1], f);
      Value subst;
      Value* slot = Element(container, index, &subst);
      return slot ? *slot : subst;
    }
    case Op::Block: return MakeBlock(n, f);
    case Op::Macro: return EvalText(Eval(*n.kids[0], f));
    case Op::Send: {
      Value object = Eval(*n.kids[0], f);
      ArgSlots slots(n.kids.size() - 1);
      Value* a = slots.data();
      for (std::size_t i = 1; i < n.kids.size(); ++i) a[i - 1] = Eval(*n.kids[i], f);
      return Send(object, n.name, slots.args());
    }
    case Op::List: {
      Value last;
      for (const auto& k : n.kids) last = Eval(*k, f);
      return last;
    }
    default: return Binary(n.op, Eval(*n.kids[0], f), Eval(*n.kids[1], f));
  }
}

// What TYPE() must know before it may evaluate: 2 when a function is
// unknown, 1 when a program's function is called, 0 otherwise.
int CallsIn(const Node& n) {
  int worst = 0;
  if (n.op == Op::Call) {
    if (!FindFunction(n.name)) return 2;
    if (!IsBuiltinFunction(n.name)) worst = 1;
  }
  for (const auto& k : n.kids) worst = std::max(worst, CallsIn(*k));
  if (n.block)
    for (const auto& e : n.block->body) worst = std::max(worst, CallsIn(*e));
  return worst;
}

}  // namespace


}  // namespace macro

MacroHost* SetMacroHost(MacroHost* host) { return std::exchange(macro::Host(), host); }

Value MacroCompile(std::string_view expression) {
  macro::CacheEntry& entry = macro::Lookup(expression);
  std::shared_ptr<const macro::Compiled> code = entry.code;
  if (!code->root) {
    macro::SyntaxError(expression, code->error);
    return Value();
  }
  if (entry.block.IsNil()) {
    if (code->root->op == macro::Op::Block) {
      entry.block = macro::Eval(*code->root, nullptr);
    } else {
      entry.block = Value::Block([code](Args) {
        macro::DepthGuard guard;
        if (!guard.ok()) return macro::TooDeep();
        return macro::Eval(*code->root, nullptr);
      });
    }
  }
  return entry.block;
}

Value MacroEval(std::string_view expression) {
  macro::DepthGuard guard;
  if (!guard.ok()) return macro::TooDeep();
  std::shared_ptr<const macro::Compiled> code = macro::Lookup(expression).code;
  if (!code->root) return macro::SyntaxError(expression, code->error);
  return macro::Eval(*code->root, nullptr);
}

std::string TYPE(std::string_view expression) {
  std::shared_ptr<const macro::Compiled> code = macro::Lookup(expression).code;
  if (!code->root) return "UE";
  switch (macro::CallsIn(*code->root)) {
    case 2: return "U";
    case 1: return "UI";
    default: break;
  }
  std::string type;
  ErrorBlockScope quiet(Value::Block([](Args a) -> Value { BREAK(Arg(a, 0)); }));
  Sequence([&] { type = VALTYPE(macro::Eval(*code->root, nullptr)); },
           [&](const Value& v) {
             auto e = v.As<Error>();
             const int g = e ? e->genCode : 0;
             type = (g == EG_NOVAR || g == EG_NOALIAS || g == EG_NOFUNC) ? "U" : "UE";
           });
  return type;
}

}  // namespace rt
