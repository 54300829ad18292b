#pragma once
// Runs the thread's messages until the condition holds or a watchdog of a
// few seconds runs out; true when the condition held.

#include <functional>

bool PumpUntil(const std::function<bool()>& done);
