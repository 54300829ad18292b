#include "services/timer.h"

#include <algorithm>
#include <vector>

#include "services/callback_guard.h"
#include "services/int32.h"

namespace svc {
namespace {

std::vector<std::shared_ptr<TTimer>>& Registry() {
  static std::vector<std::shared_ptr<TTimer>> timers;
  return timers;
}

long NextId() {
  static long counter = 1;
  return ++counter;
}

// Runs the action with the timer held, so that an action that ends its own
// timer finishes safely.
void Fire(const std::shared_ptr<TTimer>& timer) {
  if (timer && timer->lActive) timer->bAction.Eval();
}

}  // namespace

void CALLBACK TimerTick(HWND hWnd, UINT, UINT_PTR id, DWORD) {
  Guarded([hWnd, id] {
    // Window and thread timers have separate id spaces, so the owner decides.
    std::shared_ptr<TTimer> timer;
    for (const auto& t : Registry())
      if (static_cast<UINT_PTR>(t->nId) == id && t->timerWindow_ == hWnd) {
        timer = t;
        break;
      }
    Fire(timer);
  });
}

UINT_PTR SETTIMER(HWND hWnd, UINT_PTR nId, UINT nMilliseconds, TIMERPROC nTimerProc) {
  return SetTimer(hWnd, nId, nMilliseconds, nTimerProc);
}

bool KILLTIMER(HWND hWnd, UINT_PTR nId) { return KillTimer(hWnd, nId) != 0; }

const rt::ClassInfo& TTimer::ClassDef() {
  static const rt::ClassInfo info("TTIMER", &rt::Object::ClassDef(), rt::FactoryOf<TTimer>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hWndOwner", [](const Object& o) { return rt::Value(HandleNumber(static_cast<const TTimer&>(o).hWndOwner)); },
        [](Object& o, const rt::Value& v) { static_cast<TTimer&>(o).hWndOwner = HandleOf<HWND>(ToHandle(v)); });
    rt::ClassBuilder<TTimer>(c)
        .Data("bAction", &TTimer::bAction)
        .Data("lActive", &TTimer::lActive)
        .Data("nId", &TTimer::nId)
        .Data("nInterval", &TTimer::nInterval)
        .Data("Cargo", &TTimer::Cargo)
        .Method("New",
                [](TTimer& t, rt::Args a) {
                  long interval = a.size() > 0 && a[0].IsNumber() ? a[0].AsInt() : 18;
                  return t.New(interval, rt::Arg(a, 1), rt::Arg(a, 2)).Self();
                })
        .Method("Activate", [](TTimer& t, rt::Args) { return rt::Value(t.Activate()); })
        .Method("DeActivate", [](TTimer& t, rt::Args) { t.DeActivate(); return rt::Value(); })
        .Method("End", [](TTimer& t, rt::Args) { t.End(); return rt::Value(); });
  });
  return info;
}
RT_CLASS_REGISTER(TTimer);

TTimer& TTimer::New(long interval, rt::Value action, const rt::Value& oWnd) {
  nInterval = interval;
  bAction = action.IsBlock() ? std::move(action) : rt::Value::Block([](rt::Args) { return rt::Value(); });
  nId = NextId();
  lActive = false;
  ownerGiven_ = oWnd.IsObject();
  hWndOwner = ownerGiven_ ? HandleOf<HWND>(ToHandle(rt::Send(oWnd, "hWnd"))) : GetActiveWindow();
  auto self = std::static_pointer_cast<TTimer>(shared_from_this());
  if (std::find(Registry().begin(), Registry().end(), self) == Registry().end()) Registry().push_back(self);
  return *this;
}

bool TTimer::Activate() {
  // A timer without an owner of its own does not depend on whichever window
  // happened to be active when it was made.
  timerWindow_ = ownerGiven_ && IsWindow(hWndOwner) ? hWndOwner : nullptr;
  UINT_PTR id = SETTIMER(timerWindow_, static_cast<UINT_PTR>(nId), static_cast<UINT>(nInterval), TimerTick);
  // A refused timer keeps its id, so that a later Activate can try again.
  if (id != 0) nId = static_cast<long>(id);
  lActive = id != 0;
  return lActive;
}

void TTimer::DeActivate() {
  lActive = false;
  KILLTIMER(timerWindow_, static_cast<UINT_PTR>(nId));
}

void TTimer::End() {
  DeActivate();
  auto& r = Registry();
  r.erase(std::remove_if(r.begin(), r.end(), [this](const auto& t) { return t.get() == this; }), r.end());
}

long TIMEREVENT(long nId) {
  for (const auto& t : Registry())
    if (t->nId == nId) {
      Fire(std::shared_ptr<TTimer>(t));
      break;
    }
  return 0;
}

const std::vector<std::shared_ptr<TTimer>>& TimerRegistry() { return Registry(); }

}  // namespace svc
