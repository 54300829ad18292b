#pragma once
// The registry of public functions behind RegisterFunction/FindFunction
// (macro.h): one table, names without case. The runtime's own functions are
// entered on first use and marked as built in, which TYPE() needs: an
// expression calling a program's function gives "UI" without being run.

#include <string>
#include <string_view>

#include "runtime/macro.h"

namespace rt {

// A function of one text that can also change its argument in place. The
// macro evaluator owns the values it passes, so for a text argument it calls
// `inPlace` and saves a string per call (key expressions run once for every
// record of a table). A program's own function of the same name replaces
// both.
using TextInPlaceFn = void (*)(std::string&);
struct FunctionEntry {
  PublicFn fn;
  bool builtin = false;
  TextInPlaceFn inPlace = nullptr;
};

// A program's own function of one text with its in-place form (an accent
// fold inside an index key); it stays a program function for TYPE().
void RegisterTextFunction(std::string_view name, PublicFn fn, TextInPlaceFn inPlace);
void RegisterBuiltinFunction(std::string_view name, PublicFn fn, TextInPlaceFn inPlace = nullptr);
bool IsBuiltinFunction(std::string_view name);
// Entries are never removed, so the pointer stays valid: compiled
// expressions keep the one they found. Null when the name is unknown.
const FunctionEntry* FindFunctionEntry(std::string_view name);

// Enters the runtime's functions; builtins.cpp defines it.
void RegisterRuntimeFunctions();
// Enters the table functions; table_builtins.cpp defines it.
void RegisterTableFunctions();

}  // namespace rt
