#pragma once

#include <atomic>
#include <cstdint>

namespace lumo {

// What another thread may see of a run and ask of it while it goes: how far
// the simulated time has come against the stop time, and a request to stop.
// The kernel stores the time of every event it delivers and reads the
// request before it; both are relaxed atomics (a plain load and store on
// the machines we run on), so watching a run costs it nothing measurable.
// The watcher reads each value on its own: a time read just before the stop
// time changes may be compared with the new stop time, which only moves a
// progress bar by one step.
class RunControl {
 public:
  // Asks the run to stop before its next event. It then ends as a failed
  // run without a message of its own: whoever asked says why.
  void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
  bool cancelled() const { return cancel_.load(std::memory_order_relaxed); }

  // The time of the latest event taken from the queue: below 0 while the
  // circuit settles, at or past the stop time near the end.
  std::int32_t time() const { return time_.load(std::memory_order_relaxed); }
  // The time the run stops at; 0 until the events start.
  std::int32_t stop_time() const { return stop_time_.load(std::memory_order_relaxed); }
  // True once the events run: time() and stop_time() mean something.
  bool running() const { return running_.load(std::memory_order_relaxed); }

  // Called by the kernel.
  void Start(std::int32_t stop_time) {
    stop_time_.store(stop_time, std::memory_order_relaxed);
    time_.store(0, std::memory_order_relaxed);
    running_.store(true, std::memory_order_relaxed);
  }
  void Reach(std::int32_t time) { time_.store(time, std::memory_order_relaxed); }

 private:
  std::atomic<bool> cancel_{false};
  std::atomic<bool> running_{false};
  std::atomic<std::int32_t> time_{0};
  std::atomic<std::int32_t> stop_time_{0};
};

}  // namespace lumo
