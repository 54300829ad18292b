#include "runtime/setkey.h"

#include <map>

namespace rt {

namespace {

std::map<long, Value>& Handlers() {
  static std::map<long, Value> handlers;
  return handlers;
}

}  // namespace

Value SETKEY(long nKey) {
  const auto it = Handlers().find(nKey);
  return it == Handlers().end() ? Value() : it->second;
}

Value SETKEY(long nKey, const Value& bAction) {
  Value previous = SETKEY(nKey);
  if (bAction.IsBlock()) {
    Handlers()[nKey] = bAction;
  } else {
    Handlers().erase(nKey);
  }
  return previous;
}

}  // namespace rt
