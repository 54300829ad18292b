#include "runtime/memvar.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/error.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

// Each name maps to its stack of bindings; the last one is visible.
std::unordered_map<std::string, std::vector<Value>>& Vars() {
  static std::unordered_map<std::string, std::vector<Value>> vars;
  return vars;
}

// Names of the private bindings in the order they were made.
std::vector<std::string>& Privates() {
  static std::vector<std::string> privates;
  return privates;
}

Value* Find(std::string_view name) {
  auto it = Vars().find(AsciiUpper(name));
  if (it == Vars().end() || it->second.empty()) return nullptr;
  return &it->second.back();
}

}  // namespace

void PUBLIC(std::string_view name, Value init) {
  auto& stack = Vars()[AsciiUpper(name)];
  if (stack.empty()) stack.push_back(std::move(init));
}

void PRIVATE(std::string_view name, Value init) {
  std::string key = AsciiUpper(name);
  Vars()[key].push_back(std::move(init));
  Privates().push_back(std::move(key));
}

bool MEMVAREXISTS(std::string_view name) { return Find(name) != nullptr; }

Value MEMVARGET(std::string_view name) {
  if (Value* v = Find(name)) return *v;
  auto e = MakeError(EG_NOVAR, 1003, "BASE", std::string(name));
  e->canSubstitute = true;
  return RaiseError(e).value;
}

void MEMVARPUT(std::string_view name, Value v) {
  if (Value* slot = Find(name)) {
    *slot = std::move(v);
    return;
  }
  PRIVATE(name, std::move(v));
}

void MEMVARRELEASE(std::string_view name) {
  if (Value* v = Find(name)) *v = Value();
}

std::size_t PrivateMark() { return Privates().size(); }

void ReleasePrivates(std::size_t mark) {
  auto& privates = Privates();
  while (privates.size() > mark) {
    auto it = Vars().find(privates.back());
    if (it != Vars().end() && !it->second.empty()) it->second.pop_back();
    privates.pop_back();
  }
}

}  // namespace rt
