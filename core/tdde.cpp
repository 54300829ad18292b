#include "core/tdde.h"

#include <dde.h>

#include <algorithm>

#include "core/message_loop.h"
#include "core/twindow.h"
#include "services/atoms.h"
#include "services/bits.h"
#include "services/dde_command.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace core {
namespace {

constexpr long kInitiating = 992;
constexpr long kAnswered = 996;
constexpr long kExecuting = 1000;
// A terminate sent in answer to one: it is never answered again, so two
// programs that do not know each other cannot post terminates for ever.
constexpr LPARAM kTerminateAnswer = 1;
// How often a waiting command looks whether its server window still exists;
// any message wakes it earlier.
constexpr DWORD kServerCheckMs = 200;

std::vector<std::shared_ptr<TDde>>& Registry() {
  static std::vector<std::shared_ptr<TDde>> conversations;
  return conversations;
}

long& State() {
  static long state = 0;
  return state;
}

HWND ServerOf(const TDde& dde) {
  const auto server = dde.oWndServer.IsObject() ? dde.oWndServer.As<TWindow>() : nullptr;
  return server ? server->hWnd : nullptr;
}

WPARAM AppWindow() { return reinterpret_cast<WPARAM>(GETWNDAPP()); }

}  // namespace

TDde& TDde::New(const std::string& cService, const std::string& cTopic, const std::string& cItem,
                rt::Value action, rt::Value end) {
  nService = svc::GLOBALADDATOM(cService);
  nTopic = svc::GLOBALADDATOM(cTopic);
  nItem = svc::GLOBALADDATOM(cItem);
  bAction = std::move(action);
  bEnd = std::move(end);
  lActive = false;
  Registry().push_back(std::static_pointer_cast<TDde>(shared_from_this()));
  return *this;
}

void TDde::Activate() {
  State() = kInitiating;
  SendMessageA(HWND_BROADCAST, WM_DDE_INITIATE, AppWindow(), svc::NMAKELONG(nService, nTopic));
}

rt::Value TDde::Execute(const std::string& cCommand) {
  State() = kExecuting;
  const HWND server = ServerOf(*this);
  if (!server) {
    svc::MSGALERT("DDE Object not properly initialized!");
    return {};
  }
  HGLOBAL command = svc::DDECOMMAND(cCommand);
  if (!command) return rt::Value(false);
  if (!PostMessageA(server, WM_DDE_EXECUTE, AppWindow(), reinterpret_cast<LPARAM>(command))) {
    GlobalFree(command);
    return rt::Value(false);
  }
  // The acknowledgement hands the block back and DDEACK frees it; a server
  // that dies first never does, so the block is freed here.
  while (State() != kAnswered) {
    if (!IsWindow(server)) {
      GlobalFree(command);
      return rt::Value(false);
    }
    // A quit ends the wait and stays queued for the program's loop.
    MSG quit;
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return rt::Value(false);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kServerCheckMs, QS_ALLINPUT);
    if (!SYSREFRESH()) return rt::Value(false);
  }
  return {};
}

void TDde::End() {
  const HWND server = ServerOf(*this);
  if (lActive && server) PostMessageA(server, WM_DDE_TERMINATE, AppWindow(), 0);
  if (bEnd.IsBlock() && lActive) {
    const rt::Value block = std::move(bEnd);
    bEnd = rt::Value();
    block.Eval(rt::Value());
  }
  // The atoms are dropped once: a second delete would drop a reference that
  // another program holds.
  for (long* atom : {&nService, &nTopic, &nItem}) {
    if (*atom) svc::GLOBALDELATOM(*atom);
    *atom = 0;
  }
  lActive = false;
}

void DDEACK(HWND hWndServer, LPARAM nLParam) {
  auto& registry = Registry();
  if (State() == kInitiating && !registry.empty()) {
    auto server = std::make_shared<TWindow>();
    server->hWnd = hWndServer;
    registry.back()->oWndServer = rt::Value(server);
    registry.back()->lActive = true;
  } else if (State() == kExecuting &&
             std::any_of(registry.begin(), registry.end(),
                         [hWndServer](const auto& dde) { return ServerOf(*dde) == hWndServer; })) {
    // The answer to a command carries the command block back to its owner.
    UINT_PTR status = 0, command = 0;
    if (UnpackDDElParam(WM_DDE_ACK, nLParam, &status, &command)) {
      GlobalFree(reinterpret_cast<HGLOBAL>(command));
      FreeDDElParam(WM_DDE_ACK, nLParam);
    }
  }
  State() = kAnswered;
}

void DDETERMINATE(HWND hWnd, LPARAM nLParam, HWND hWndSelf) {
  auto& registry = Registry();
  const auto it =
      std::find_if(registry.begin(), registry.end(), [hWnd](const auto& dde) { return ServerOf(*dde) == hWnd; });
  if (it != registry.end()) {
    const std::shared_ptr<TDde> dde = *it;
    registry.erase(it);
    dde->End();
  } else if (nLParam != kTerminateAnswer) {
    const WPARAM sender = hWndSelf ? reinterpret_cast<WPARAM>(hWndSelf) : AppWindow();
    PostMessageA(hWnd, WM_DDE_TERMINATE, sender, kTerminateAnswer);
  }
}

const std::vector<std::shared_ptr<TDde>>& DdeRegistry() { return Registry(); }
long DdeState() { return State(); }

const rt::ClassInfo& TDde::ClassDef() {
  static const rt::ClassInfo info("TDDE", &rt::Object::ClassDef(), rt::FactoryOf<TDde>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TDde>(c)
        .Data("nService", &TDde::nService)
        .Data("nTopic", &TDde::nTopic)
        .Data("nItem", &TDde::nItem)
        .Data("bAction", &TDde::bAction)
        .Data("bEnd", &TDde::bEnd)
        .Data("oWndServer", &TDde::oWndServer)
        .Data("lActive", &TDde::lActive)
        .Method("New",
                [](TDde& d, rt::Args a) {
                  auto arg = [&a](std::size_t i) -> const rt::Value& { return rt::Arg(a, i); };
                  return d.New(arg(0).AsString(), arg(1).AsString(), arg(2).AsString(), arg(3), arg(4)).Self();
                })
        .Method("Activate", [](TDde& d, rt::Args) { d.Activate(); return rt::Value(); })
        .Method("Execute", [](TDde& d, rt::Args a) { return d.Execute(a.empty() ? "" : a[0].AsString()); })
        .Method("End", [](TDde& d, rt::Args) { d.End(); return rt::Value(); });
  });
  return info;
}
RT_CLASS_REGISTER(TDde);

}  // namespace core
