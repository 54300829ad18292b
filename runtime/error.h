#pragma once
// Run-time errors: the error object, the installable error block and what the
// block decides. Errors are handed to the block synchronously where they
// happen; no C++ exception carries an error, except BREAK, which unwinds to
// the nearest Sequence and must be caught before it reaches a Win32 callback.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/object.h"
#include "runtime/value.h"

namespace rt {

// Generic error codes, shared with every xBase tool that reads error objects.
enum GenCode : int {
  EG_ARG = 1, EG_BOUND = 2, EG_STROVERFLOW = 3, EG_NUMOVERFLOW = 4, EG_ZERODIV = 5,
  EG_NUMERR = 6, EG_SYNTAX = 7, EG_COMPLEXITY = 8, EG_MEM = 11, EG_NOFUNC = 12,
  EG_NOMETHOD = 13, EG_NOVAR = 14, EG_NOALIAS = 15, EG_NOVARMETHOD = 16, EG_BADALIAS = 17,
  EG_DUPALIAS = 18, EG_CREATE = 20, EG_OPEN = 21, EG_CLOSE = 22, EG_READ = 23,
  EG_WRITE = 24, EG_PRINT = 25, EG_UNSUPPORTED = 30, EG_LIMIT = 31, EG_CORRUPTION = 32,
  EG_DATATYPE = 33, EG_DATAWIDTH = 34, EG_NOTABLE = 35, EG_NOORDER = 36, EG_SHARED = 37,
  EG_UNLOCKED = 38, EG_READONLY = 39, EG_APPENDLOCK = 40, EG_LOCK = 41
};

enum Severity : int { ES_WHOCARES = 0, ES_WARNING = 1, ES_ERROR = 2, ES_CATASTROPHIC = 3 };

class Error : public Object {
 public:
  RT_CLASS_DECL()
  int genCode = 0;
  int subCode = 0;
  std::string subSystem;
  int severity = ES_ERROR;
  std::string description;
  std::string operation;
  int osCode = 0;
  std::string filename;
  Value args;
  bool canRetry = false;
  bool canDefault = false;
  bool canSubstitute = false;
  int tries = 0;
  Value cargo;
};
using ErrorPtr = std::shared_ptr<Error>;

// A new error object; its description is the current language's text for the
// generic code.
ErrorPtr MakeError(int genCode, int subCode, std::string subSystem, std::string operation);

struct ErrorOutcome {
  enum Kind { Retry, Default, Substitute } kind;
  Value value;  // the block's result for Substitute
};

// Hands the error to the error block. The block answers .T. to retry (when
// the error allows it), .F. to take the default (when allowed), any value to
// substitute (when allowed), or ends the process itself. Any other answer is
// an unrecoverable error that ends the process with exit code 1.
ErrorOutcome RaiseError(const ErrorPtr& error);

Value ERRORBLOCK();
Value ERRORBLOCK(const Value& newBlock);  // returns the previous block

// Installs a block for the guard's lifetime and then puts back whatever was
// installed before, even no block at all (which ERRORBLOCK cannot do).
class ErrorBlockScope {
 public:
  explicit ErrorBlockScope(const Value& block);
  ~ErrorBlockScope();
  ErrorBlockScope(const ErrorBlockScope&) = delete;
  ErrorBlockScope& operator=(const ErrorBlockScope&) = delete;

 private:
  Value previous_;
};

// BREAK and BEGIN SEQUENCE / RECOVER USING.
struct BreakSignal {
  Value value;
};
[[noreturn]] void BREAK(Value value = Value());
template <class Body, class Recover>
void Sequence(Body&& body, Recover&& recover) {
  try {
    body();
  } catch (BreakSignal& b) {
    recover(b.value);
  }
}

int ERRORLEVEL();
int ERRORLEVEL(int newLevel);  // returns the previous level
// Ends the program with ERRORLEVEL() as its exit code (the xBase __QUIT).
[[noreturn]] void Quit();

// Unrecoverable runtime failure: recreates "error.log" in the current
// directory with the text and the call stack, tells the user through the
// notifier that the platform layer installed, and exits with code 1.
[[noreturn]] void InternalError(std::string_view text);
void SetInternalErrorNotifier(std::function<void(const std::string&)> notifier);

}  // namespace rt
