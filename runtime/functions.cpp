#include "runtime/functions.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/text_case.h"

namespace rt {

namespace {

using Entry = FunctionEntry;

std::unordered_map<std::string, std::unique_ptr<Entry>>& Table() {
  static std::unordered_map<std::string, std::unique_ptr<Entry>> table;
  return table;
}

void Put(std::string_view name, PublicFn fn, bool builtin, TextInPlaceFn inPlace) {
  auto& slot = Table()[AsciiUpper(name)];
  if (!slot) slot = std::make_unique<Entry>();
  slot->fn = std::move(fn);
  slot->builtin = builtin;
  slot->inPlace = inPlace;
}

void EnsureRuntimeFunctions() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterRuntimeFunctions();
}

const Entry* Find(std::string_view name) {
  EnsureRuntimeFunctions();
  auto it = Table().find(AsciiUpper(name));
  return it == Table().end() || !it->second->fn ? nullptr : it->second.get();
}

}  // namespace

void RegisterFunction(std::string_view name, PublicFn fn) {
  EnsureRuntimeFunctions();
  Put(name, std::move(fn), false, nullptr);
}

void RegisterTextFunction(std::string_view name, PublicFn fn, TextInPlaceFn inPlace) {
  EnsureRuntimeFunctions();
  Put(name, std::move(fn), false, inPlace);
}

void RegisterBuiltinFunction(std::string_view name, PublicFn fn, TextInPlaceFn inPlace) {
  Put(name, std::move(fn), true, inPlace);
}

const PublicFn* FindFunction(std::string_view name) {
  const Entry* e = Find(name);
  return e ? &e->fn : nullptr;
}

const FunctionEntry* FindFunctionEntry(std::string_view name) { return Find(name); }

bool IsBuiltinFunction(std::string_view name) {
  const Entry* e = Find(name);
  return e && e->builtin;
}

}  // namespace rt
