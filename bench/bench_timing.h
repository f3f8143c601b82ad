#pragma once

#include <algorithm>
#include <chrono>

namespace lumo::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration elapsed) {
  return std::chrono::duration<double, std::milli>(elapsed).count();
}

// The shortest of `repeats` runs of `action`, in milliseconds: the run least
// disturbed by the rest of the machine.
template <class Action>
double BestOf(int repeats, Action action) {
  double best = 1e300;
  for (int i = 0; i < repeats; ++i) {
    const auto start = Clock::now();
    action();
    best = std::min(best, Milliseconds(Clock::now() - start));
  }
  return best;
}

}  // namespace lumo::bench
