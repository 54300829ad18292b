#pragma once
// Window timers as objects. Each TTimer has an id of its own (2, 3, ... in
// creation order) and runs its action on every tick while it is active.
// Ticks reach the action through the library's own timer procedure, so a
// timer fires whatever window owns it; a timer made without an owner window,
// or whose owner is gone, becomes a timer of the thread, which fires in any
// message loop of it.

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace svc {

// The platform's timer functions: the timer id, 0 on failure; .T. when the
// timer was killed.
UINT_PTR SETTIMER(HWND hWnd, UINT_PTR nId, UINT nMilliseconds, TIMERPROC nTimerProc = nullptr);
bool KILLTIMER(HWND hWnd, UINT_PTR nId);

class TTimer : public rt::Object {
 public:
  RT_CLASS_DECL()

  rt::Value bAction;
  bool lActive = false;
  long nId = 0;
  long nInterval = 18;
  HWND hWndOwner = nullptr;
  rt::Value Cargo;

  // Takes the next id and enters the timer in the registry, inactive. The
  // owner is oWnd's window (its hWnd), or the active window without one.
  TTimer& New(long interval = 18, rt::Value action = {}, const rt::Value& oWnd = {});
  // True when the platform accepted the timer; only then is it active.
  bool Activate();
  void DeActivate();
  // Stops the timer and takes it out of the registry.
  void End();

 private:
  // Where the platform's timer lives: the owner window given to New, or the
  // thread (null) without one or when it is no window.
  bool ownerGiven_ = false;
  HWND timerWindow_ = nullptr;
  friend void CALLBACK TimerTick(HWND, UINT, UINT_PTR, DWORD);
};

// Runs the action of the active registered timer with that id. Returns 0.
long TIMEREVENT(long nId);

// The timers created and not yet ended, in creation order.
const std::vector<std::shared_ptr<TTimer>>& TimerRegistry();

}  // namespace svc
