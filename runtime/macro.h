#pragma once
// Macro evaluation: a small expression compiler for texts that arrive at run
// time (index keys stored in NTX files, "&" of a text, TYPE()). Identifiers
// resolve to fields of a work area first, then to memory variables; calls go
// through one case-insensitive registry of public functions.

#include <functional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

using PublicFn = std::function<Value(Args)>;
void RegisterFunction(std::string_view name, PublicFn fn);
const PublicFn* FindFunction(std::string_view name);  // null when unknown

// Implemented by the table driver. Areas are 1-based work-area numbers; 0 = none.
class MacroHost {
 public:
  virtual ~MacroHost() = default;
  virtual int CurrentArea() = 0;
  virtual int AreaOfAlias(std::string_view alias) = 0;          // 0 when no such alias
  virtual int FieldIndex(int area, std::string_view name) = 0;  // 1-based, 0 when no such field
  virtual Value GetField(int area, int index) = 0;
  virtual void PutField(int area, int index, const Value& v) = 0;
  virtual int SelectArea(int area) = 0;  // returns the previous area
};
// Returns the host it replaces, so that a stand-in can put it back.
MacroHost* SetMacroHost(MacroHost* host);

// Compiles once (cached by text) into a code block; a syntax error raises
// EG_SYNTAX through the error block and gives NIL. A text that is itself a
// code-block literal ("{|uTag| OrdSetFocus(uTag)}") gives that block; any
// other expression gives a block that evaluates it. Evaluating a compiled
// expression allocates nothing beyond the values it makes.
Value MacroCompile(std::string_view expression);
// The "&" of a text: compiles (cached) and evaluates it. A syntax error
// raises EG_SYNTAX; the error block's substitute is the result.
Value MacroEval(std::string_view expression);
// The type letter of the expression's value without raising errors: "U"
// when it names an unknown function or variable, "UE" when it does not
// compile or fails, "UI" when it calls a program's own function (which
// TYPE does not run).
std::string TYPE(std::string_view expression);

}  // namespace rt
