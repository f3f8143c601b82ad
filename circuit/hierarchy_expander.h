#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit.h"
#include "circuit/circuit_store.h"
#include "circuit/flat_size.h"
#include "circuit/instance_replacer.h"
#include "circuit/signal_merge_log.h"
#include "common/message_host.h"
#include "lists/error_table.h"

namespace lumo {

// Flattens a hierarchical circuit file into one circuit: every element whose
// function has a circuit file (in the parts folder, else in the work folder)
// is replaced by that circuit's inside, level by level, with the instance
// name and "-" before every copied name; then bus elements become wires and
// global signals become pins. Size and timing lines go to the statistics
// stream, every message to the message host.
//
// One expander serves one command. The circuits it reads stay in the store
// until the caller empties it.
class HierarchyExpander {
 public:
  // Wall-clock time in whole seconds.
  using Clock = std::function<std::int64_t()>;

  // `errors` holds the list and circuit libraries' entries (for damaged
  // files); `bus_signals` numbers the "*ms" signals across the whole program
  // run.
  HierarchyExpander(CircuitStore& store, MessageHost& host, const ErrorTable& errors,
                    std::ostream& statistics, BusSignalCounter& bus_signals);

  // Reads `circuit_path`, expands it and writes the result to `output_path`
  // (replacing the file only once it is complete). False after a message;
  // the output file is then left as it was.
  bool Expand(const std::string& circuit_path, const std::string& output_path,
              const std::string& parts_folder, const std::string& work_folder);

  // Replaces every instance of `sub` in `parent` (elements whose function
  // name equals the sub-circuit's name ignoring letter case). Returns the
  // number replaced, or nothing after a message. Both circuits must be in the
  // expander's store.
  std::optional<std::size_t> ExpandInstances(const Circuit& sub, Circuit& parent);

  // Replaces the bus elements of `circuit` by wires; returns the number of
  // bus signals merged.
  std::size_t MergeBusLines(Circuit& circuit);

  // Where the next expansions write the signals they rename (joined at a
  // sub-circuit's pins or into bus wires); none: nowhere.
  void set_merge_log(SignalMergeLog* log) { merge_log_ = log; }
  // For tests: a clock other than the system's.
  void set_clock(Clock clock) { clock_ = std::move(clock); }
  // The most elements, terminals and signals an expanded circuit may have.
  // The flat size is counted from the files before anything is copied, so
  // a hierarchy past a limit is refused at once.
  void set_element_limit(std::size_t limit) { element_limit_ = limit; }
  void set_terminal_limit(std::size_t limit) { terminal_limit_ = limit; }
  void set_signal_limit(std::size_t limit) { signal_limit_ = limit; }

  // Two million gates with six million terminals take 1.7 GB to expand;
  // ten million terminals or signals stay within a few gigabytes.
  static constexpr std::size_t kDefaultTerminalLimit = 10'000'000;
  static constexpr std::size_t kDefaultSignalLimit = 10'000'000;

 private:
  Circuit* ReadTop(const std::string& path);
  Circuit* ReadFrom(const std::string& path, std::istream& in);
  bool WriteResult(const Circuit& circuit, const std::string& path);
  bool FitsLimits(const Circuit& top, FlatSizeCounter::PathOf path_of);

  CircuitStore& store_;
  MessageHost& host_;
  const ErrorTable& errors_;
  std::ostream& statistics_;
  BusSignalCounter& bus_signals_;
  SignalMergeLog* merge_log_ = nullptr;
  Clock clock_;
  std::size_t element_limit_ = InstanceReplacer::kDefaultElementLimit;
  std::size_t terminal_limit_ = kDefaultTerminalLimit;
  std::size_t signal_limit_ = kDefaultSignalLimit;
};

}  // namespace lumo
