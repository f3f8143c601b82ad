#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <unordered_map>

#include "circuit/circuit_store.h"
#include "common/message_host.h"
#include "sim/kernel.h"
#include "sim/register_transfer.h"

namespace lumo {

// What a run needs from its caller. Messages go to `messages`;
// register-transfer lines to `register_log` (none: dropped); the
// statistics line to `statistics` (none: not written); `clear_pattern`
// empties the waveform editor's pattern and memory data before the input
// pattern is read (none: nothing to clear); `control` shows the run's
// progress and takes a request to stop it (none: the kernel's own);
// `trace` is filled with every signal change when given.
struct SimulatorSetup {
  MessageHost& messages;
  CircuitStore& store;
  RegisterTransferSink* register_log = nullptr;
  std::ostream* statistics = nullptr;
  std::function<void()> clear_pattern;
  RunControl* control = nullptr;
  // Records every signal change of the run (none: nothing is recorded).
  SignalTrace* trace = nullptr;
};

// One simulation run: loads the delay table, the expanded circuit, the
// input pattern with its memory data and the commands, then settles the
// circuit, runs its events to the stop time and checks for unknown values.
// Every step returns true on success and false after showing its message.
// A malformed delay or circuit file raises its ListError to the caller,
// which shows it.
class Simulator {
 public:
  explicit Simulator(SimulatorSetup setup);

  bool Run(const std::string& delay_path, const std::string& circuit_path,
           const std::string& command_path, const std::string& pattern_path,
           const std::string& output_path);

  bool LoadDelays(const std::string& path);
  bool ReadDelays(std::istream& in);
  bool LoadCircuit(const std::string& path);
  bool ApplyInputPattern(const std::string& path);
  bool ReadCommands(const std::string& path);
  void ScheduleConstants();
  bool BindEvaluators();

  Kernel& kernel() { return kernel_; }
  std::uint64_t event_count() const { return event_count_; }
  const std::string& delay_path() const { return delay_path_; }

 private:
  bool ReadWaveform(std::istream& in);
  bool LoadMemoryData(std::istream& in);
  bool PatternDamaged();
  void SaveSignal(const Signal& signal);
  void WriteStatistics(std::int64_t seconds);

  SimulatorSetup setup_;
  Kernel kernel_;
  Circuit* circuit_ = nullptr;
  Element* io_ = nullptr;
  std::unordered_map<const Element*, std::uint32_t> element_index_;
  std::unordered_map<const Terminal*, std::uint32_t> terminal_index_;
  std::unordered_map<const Signal*, std::uint32_t> signal_index_;
  std::unordered_map<const FunctionRecord*, std::uint32_t> function_index_;
  std::int32_t latest_input_time_ = 0;
  std::uint64_t event_count_ = 0;
  std::string delay_path_;
};

}  // namespace lumo
