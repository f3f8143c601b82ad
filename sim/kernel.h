#pragma once

#include <climits>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "common/message_host.h"
#include "sim/event_queue.h"
#include "sim/netlist.h"
#include "sim/register_transfer.h"
#include "sim/run_control.h"
#include "sim/signal_trace.h"
#include "sim/value_table.h"

namespace lumo {

class LineBuffer;

// What one run may spend before it is stopped like a run that passes its
// stop time: an oscillating circuit otherwise fills the disk. A teaching
// circuit never comes near either default.
struct RunBudget {
  std::uint64_t events = 1'000'000'000;
  std::uint64_t output_bytes = std::uint64_t{1} << 30;
};

// One entry of a memory element's contents.
struct MemoryEntry {
  std::string address;  // bit 0 first, as first written
  std::string value;
};

// Orders memory addresses as unsigned binary numbers of any length: "0010"
// and "001" (both 4) are the same address.
struct AddressLess {
  bool operator()(const std::string& a, const std::string& b) const;
};
bool SameAddress(const std::string& a, const std::string& b);

// The contents of one memory element in ascending address order.
using MemoryContents = std::map<std::string, MemoryEntry, AddressLess>;

// The event engine of one run: the circuit's arrays, the terminal values,
// the queue, and the outputs a run writes (output pattern lines,
// register-transfer lines, messages). Evaluators work through it.
class Kernel {
 public:
  Kernel(MessageHost& messages, RegisterTransferSink* register_log)
      : messages_(messages), register_log_(register_log) {}

  Netlist& netlist() { return netlist_; }
  const Netlist& netlist() const { return netlist_; }
  ValueTable& values() { return values_; }
  const ValueTable& values() const { return values_; }
  EventQueue& queue() { return queue_; }
  std::vector<MemoryContents>& memories() { return memories_; }

  bool initial_phase() const { return initial_phase_; }
  std::int32_t stop_time() const { return stop_time_; }
  void set_stop_time(std::int32_t time) { stop_time_ = time; }
  RunBudget& budget() { return budget_; }
  // Where the run shows its progress and is asked to stop; the kernel's own
  // when nobody watches, so the main loop never tests for none.
  RunControl& control() { return *control_; }
  void set_control(RunControl& control) { control_ = &control; }
  // Where every signal change is recorded; none (the default): nothing is,
  // and the main loop runs without a test for it.
  void set_trace(SignalTrace* trace) { trace_ = trace; }

  ValueId Value(std::uint32_t terminal) const { return netlist_.terminal_values[terminal]; }
  const std::string& Text(std::uint32_t terminal) const { return values_.Text(Value(terminal)); }
  void SetValue(std::uint32_t terminal, ValueId value) {
    netlist_.terminal_values[terminal] = value;
  }

  // The delay of a change to `value`: per character the delay to 0, to 1,
  // or the larger one for any other character; the largest of these.
  // Negated while the circuit settles before time 0.
  std::int32_t DelayFor(const Delay& delay, ValueId value) const {
    const std::int32_t result = value == kValue0   ? delay.to0
                                : value == kValue1 ? delay.to1
                                                   : WidestDelay(delay, value);
    return initial_phase_ ? -result : result;
  }

  // Sets the output at `position` of `element` to `value` and schedules its
  // delivery, unless it already holds that value.
  void Drive(std::uint32_t element, std::uint32_t position, ValueId value, std::int32_t time) {
    const Netlist::Element& e = netlist_.elements[element];
    const std::uint32_t terminal = e.first_terminal + position;
    if (netlist_.terminal_values[terminal] == value) return;
    Schedule(terminal, value, time, DelayFor(e.delays[position], value));
  }
  // Sets and schedules without comparing, after `delay`. Times beyond the
  // 32-bit range stay at its ends rather than wrapping.
  void Schedule(std::uint32_t terminal, ValueId value, std::int32_t time, std::int32_t delay) {
    netlist_.terminal_values[terminal] = value;
    std::int64_t at = std::int64_t{time} + delay;
    if (at > INT32_MAX) at = INT32_MAX;
    if (at < INT32_MIN) at = INT32_MIN;
    Enqueue(static_cast<std::int32_t>(at), terminal, value);
  }
  // Queues a value arriving at a terminal.
  void Enqueue(std::int32_t time, std::uint32_t terminal, ValueId value) {
    queue_.Insert({time, netlist_.terminals[terminal].route, value});
  }
  // The terminal an event arrives at.
  std::uint32_t TerminalOf(const Event& event) const {
    return (event.target & Netlist::kUnconnected) != 0
               ? event.target & ~Netlist::kUnconnected
               : netlist_.signal_terminals[event.target].terminal;
  }

  // Shows the message for an event at an output; false, which the
  // evaluator returns to end the run.
  bool OutputCollision(std::uint32_t terminal, ValueId value, std::int32_t time);

  // Settles the circuit before time 0 from the first scheduled value of
  // every pin and constant.
  bool InitialSimulation();
  // Delivers every event up to the stop time, writing the recorded changes
  // to `out`; counts the events popped. A run past its budget stops with a
  // message like one past its stop time; a cancelled run stops before its
  // next event without one.
  bool RunEvents(std::ostream& out, std::uint64_t& count);
  bool ReportUnknowns();

  // Register-transfer lines, with the blank-line rule.
  void LogRegister(const char* kind, std::uint32_t element, ValueId value, std::int32_t time);
  void LogMemoryTrace(std::uint32_t element, const std::string& address, const char* tag,
                      std::int32_t time);

  void Warn(const std::string& text) { messages_.Warn(text); }

 private:
  std::int32_t WidestDelay(const Delay& delay, ValueId value) const;
  bool RunEventsOf(std::ostream& out, std::uint64_t& count);
  template <bool kTrace>
  bool Propagate(const Event& event, LineBuffer& out);
  bool Stop(const char* format, std::uint64_t limit, std::int32_t time, LineBuffer& lines,
            std::ostream& out);
  // An output pattern line: the name (with its blank), the time, the value.
  void AppendLine(const std::string& name, std::int32_t time, ValueId value, LineBuffer& out);
  const std::string& SignalLineName(std::int32_t signal);
  const std::string& TerminalLineName(std::uint32_t terminal);
  void Log(const std::string& line);
  void BeforeLog(std::int32_t time);

  MessageHost& messages_;
  RegisterTransferSink* register_log_;
  Netlist netlist_;
  ValueTable values_;
  EventQueue queue_;
  std::vector<MemoryContents> memories_;  // per element; used by memories only
  std::vector<std::string> signal_line_names_;
  std::vector<std::string> terminal_line_names_;
  bool initial_phase_ = false;
  std::int32_t stop_time_ = 100;
  RunBudget budget_;
  RunControl own_control_;
  RunControl* control_ = &own_control_;
  SignalTrace* trace_ = nullptr;
  std::int32_t last_log_time_ = -100;
};

// Evaluates the element of `terminal` for a value arriving there; 0 ends
// the run (after the element has shown its message).
int Evaluate(Kernel& kernel, std::uint32_t terminal, ValueId value, std::int32_t time);

}  // namespace lumo
