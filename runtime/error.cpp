#include "runtime/error.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "runtime/callstack.h"
#include "runtime/lang.h"

namespace rt {

namespace {

Value& CurrentBlock() {
  static Value block;
  return block;
}

int& Level() {
  static int level = 0;
  return level;
}

std::function<void(const std::string&)>& Notifier() {
  static std::function<void(const std::string&)> notifier;
  return notifier;
}

// An error block that itself keeps failing would otherwise recurse forever.
int& Nesting() {
  static int depth = 0;
  return depth;
}

constexpr int kMaxNesting = 8;

}  // namespace

const ClassInfo& Error::ClassDef() {
  static const ClassInfo info("ERROR", &Object::ClassDef(), FactoryOf<Error>(), [](ClassInfo& c) {
    ClassBuilder<Error>(c)
        .Data("genCode", &Error::genCode)
        .Data("subCode", &Error::subCode)
        .Data("subSystem", &Error::subSystem)
        .Data("severity", &Error::severity)
        .Data("description", &Error::description)
        .Data("operation", &Error::operation)
        .Data("osCode", &Error::osCode)
        .Data("filename", &Error::filename)
        .Data("args", &Error::args)
        .Data("canRetry", &Error::canRetry)
        .Data("canDefault", &Error::canDefault)
        .Data("canSubstitute", &Error::canSubstitute)
        .Data("tries", &Error::tries)
        .Data("cargo", &Error::cargo);
  });
  return info;
}

RT_CLASS_REGISTER(Error);

ErrorPtr MakeError(int genCode, int subCode, std::string subSystem, std::string operation) {
  auto e = std::make_shared<Error>();
  e->genCode = genCode;
  e->subCode = subCode;
  e->subSystem = std::move(subSystem);
  e->operation = std::move(operation);
  e->description = std::string(CurrentLang().ErrorText(genCode));
  return e;
}

ErrorOutcome RaiseError(const ErrorPtr& error) {
  ++error->tries;
  Value block = CurrentBlock();
  if (!block.IsBlock()) {
    std::fprintf(stderr, "Error %s/%d  %s: %s\n", error->subSystem.c_str(), error->subCode,
                 error->description.c_str(), error->operation.c_str());
    ERRORLEVEL(1);
    Quit();
  }
  if (Nesting() >= kMaxNesting) InternalError("Error recovery failure");
  ++Nesting();
  Value answer;
  try {
    answer = block.Eval(Value(ObjectPtr(error)));
  } catch (...) {
    --Nesting();
    throw;
  }
  --Nesting();
  if (answer.IsLogical()) {
    if (answer.AsLogical() && error->canRetry) return {ErrorOutcome::Retry, Value()};
    if (!answer.AsLogical() && error->canDefault) return {ErrorOutcome::Default, Value()};
  }
  if (error->canSubstitute) return {ErrorOutcome::Substitute, answer};
  InternalError("Error recovery failure: " + error->description + " " + error->operation);
}

Value ERRORBLOCK() { return CurrentBlock(); }

Value ERRORBLOCK(const Value& newBlock) {
  Value old = CurrentBlock();
  if (newBlock.IsBlock()) CurrentBlock() = newBlock;
  return old;
}

ErrorBlockScope::ErrorBlockScope(const Value& block) : previous_(CurrentBlock()) { CurrentBlock() = block; }

ErrorBlockScope::~ErrorBlockScope() { CurrentBlock() = previous_; }

void BREAK(Value value) { throw BreakSignal{std::move(value)}; }

int ERRORLEVEL() { return Level(); }

int ERRORLEVEL(int newLevel) {
  int old = Level();
  Level() = newLevel;
  return old;
}

void Quit() {
  std::fflush(nullptr);
  std::exit(Level());
}

void InternalError(std::string_view text) {
  std::string report = "Unrecoverable error: " + std::string(text) + "\r\n";
  for (const std::string& line : CallStackLines()) report += line + "\r\n";
  {
    std::ofstream log("error.log", std::ios::binary | std::ios::trunc);
    log << report;
  }
  if (Notifier()) Notifier()(report);
  std::fflush(nullptr);
  std::exit(1);
}

void SetInternalErrorNotifier(std::function<void(const std::string&)> notifier) {
  Notifier() = std::move(notifier);
}

}  // namespace rt
