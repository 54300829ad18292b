#include "runtime/functions.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/text_case.h"

namespace rt {

namespace {

struct Entry {
  PublicFn fn;
  bool builtin = false;
};

// Entries are never removed, so a pointer to an entry's function stays
// valid: compiled expressions keep the one they found.
std::unordered_map<std::string, std::unique_ptr<Entry>>& Table() {
  static std::unordered_map<std::string, std::unique_ptr<Entry>> table;
  return table;
}

void Put(std::string_view name, PublicFn fn, bool builtin) {
  auto& slot = Table()[AsciiUpper(name)];
  if (!slot) slot = std::make_unique<Entry>();
  slot->fn = std::move(fn);
  slot->builtin = builtin;
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
  Put(name, std::move(fn), false);
}

void RegisterBuiltinFunction(std::string_view name, PublicFn fn) { Put(name, std::move(fn), true); }

const PublicFn* FindFunction(std::string_view name) {
  const Entry* e = Find(name);
  return e ? &e->fn : nullptr;
}

bool IsBuiltinFunction(std::string_view name) {
  const Entry* e = Find(name);
  return e && e->builtin;
}

}  // namespace rt
