#include "services/compat.h"

#include <windows.h>

#include <algorithm>

#include "runtime/callstack.h"
#include "runtime/object.h"
#include "runtime/system.h"

namespace svc {

namespace {

constexpr std::size_t kMaxSendArgs = 10;

const rt::CallFrame* Frame(int nLevel) {
  const auto& stack = rt::CallStack();
  if (nLevel < 0 || static_cast<std::size_t>(nLevel) >= stack.size()) return nullptr;
  return &stack[stack.size() - 1 - static_cast<std::size_t>(nLevel)];
}

}  // namespace

int LOCALCOUNT(int) { return 0; }

int PARAMCOUNT(int nLevel) {
  const rt::CallFrame* f = Frame(nLevel);
  return f ? static_cast<int>(f->params.size()) : 0;
}

rt::Value GETPARAM(int nLevel, int nParam) {
  const rt::CallFrame* f = Frame(nLevel);
  if (!f || nParam < 1 || static_cast<std::size_t>(nParam) > f->params.size()) return {};
  return f->params[static_cast<std::size_t>(nParam) - 1];
}

rt::Value GETLOCAL(int, int) { return {}; }

int NSTATICS() { return 0; }

double MEMUSED() { return rt::MEMORY(rt::kMemoryInUse); }

double MEMMAX() { return rt::MEMORY(rt::kMemoryPeak); }

std::uint32_t GETHWND32(std::uint32_t nHandle) { return nHandle | 0xFFFF0000u; }

int CHILDLEVEL(const rt::Value& oObject, const rt::Value& oClass) {
  if (!oObject.IsObject() || !oClass.IsObject()) return 0;
  // Derivation includes the class itself and ignores case.
  return oObject.AsObject()->IsKindOf(oClass.AsObject()->ClassName()) ? 1 : 0;
}

rt::Value OCLONE(const rt::Value& oObject) {
  rt::ObjectPtr copy = rt::ObjectClone(oObject.AsObject());
  return copy ? rt::Value(std::move(copy)) : rt::Value();
}

rt::ErrorPtr GenError(int nSubCode, std::string_view cClassName, std::string_view cMessage) {
  rt::ErrorPtr e = rt::MakeError(rt::EG_NOMETHOD, nSubCode, "BASE",
                                 std::string(cClassName) + ":" + std::string(cMessage));
  e->severity = rt::ES_ERROR;
  e->description = "Message not found";
  return e;
}

rt::Value ClsSetError(const rt::ErrorPtr& oError) {
  const rt::ErrorOutcome outcome = rt::RaiseError(oError);
  switch (outcome.kind) {
    case rt::ErrorOutcome::Retry: return true;
    case rt::ErrorOutcome::Default: return false;
    case rt::ErrorOutcome::Substitute: return outcome.value;
  }
  return {};
}

rt::Value OSEND(const rt::Value& oObject, std::string_view cMessage, rt::Args args) {
  std::string message(cMessage);
  for (auto at = message.find("()"); at != std::string::npos; at = message.find("()")) message.erase(at, 2);
  return rt::Send(oObject, message, args.first(std::min(args.size(), kMaxSendArgs)));
}

rt::Value ASEND(const rt::Value& aObjects, std::string_view cMessage, rt::Args args) {
  if (!aObjects.IsArray()) return {};
  // A copy of the list, so that a method that changes the array does not
  // pull it from under the loop.
  const std::vector<rt::Value> objects = aObjects.Items();
  for (const rt::Value& o : objects) OSEND(o, cMessage, args);
  return {};
}

int NTXPOS(rt::Args) { return 0; }
int NINITDSSIZE(rt::Args) { return 0; }
int NSYMPSIZE(rt::Args) { return 0; }
int NSTACKSIZE(rt::Args) { return 0; }
int NHEAPSIZE(rt::Args) { return 0; }
rt::Value ULOADOBJECT(rt::Args) { return {}; }
rt::Value VBXEVENT(rt::Args) { return {}; }
rt::Value LOADVBX(rt::Args) { return {}; }
rt::Value TVBCONTROL(rt::Args) { return {}; }
rt::Value WINDOWSFIX(rt::Args) { return {}; }
rt::Value SETMULTIPLE(rt::Args) { return {}; }
std::string VBXCLASSNAME(rt::Args) { return ""; }

}  // namespace svc
