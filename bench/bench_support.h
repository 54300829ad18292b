#pragma once
// What every benchmark takes from its command line ("--name value" pairs),
// the stop watch they all time with and the best-of-runs figure they report.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>

namespace bench {

using Clock = std::chrono::steady_clock;

// Seconds passed since `since`.
inline double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// The fastest of `runs` timed calls of step(), after one untimed warm-up.
double BestOf(int runs, const auto& step) {
  step();
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    step();
    best = std::min(best, Seconds(start));
  }
  return best;
}

class Options {
 public:
  Options(int argc, char** argv) : argc_(argc), argv_(argv) {}

  // The value given for `name` (the last one when given twice), else `fallback`.
  std::string Text(std::string_view name, std::string fallback) const {
    for (int i = 1; i + 1 < argc_; i += 2) {
      if (name == argv_[i]) fallback = argv_[i + 1];
    }
    return fallback;
  }
  // A number given for `name`, else `fallback`; never below `least`.
  long Number(std::string_view name, long fallback, long least = 1) const {
    const std::string given = Text(name, {});
    return std::max(least, given.empty() ? fallback : std::atol(given.c_str()));
  }

 private:
  int argc_;
  char** argv_;
};

}  // namespace bench
