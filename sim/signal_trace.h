#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/value_table.h"

namespace lumo {

// Every value change of every signal of a run's expanded circuit, in the
// order the run delivered them (non-decreasing time). Asked for before the
// run and filled by the kernel; afterwards it answers "what did this signal
// hold at time t" and "when is the next change" for the windows that show a
// run. A change is 12 bytes; the values themselves are kept once each, as
// the run interned them.
//
// Recording stops, never the run, once `cap` changes are held: the trace is
// then complete only up to the time of the last change it kept.
class SignalTrace {
 public:
  static constexpr std::uint64_t kDefaultCap = 5'000'000;
  static constexpr std::int32_t kNoSignal = -1;

  struct Change {
    std::int32_t time;
    std::uint32_t signal;
    ValueId value;
  };

  explicit SignalTrace(std::uint64_t cap = kDefaultCap) : cap_(cap) {}

  // Called by the kernel: before the events with the circuit's signal
  // names, for each delivery, and once after the last event.
  void Begin(std::vector<std::string> signal_names);
  void Record(std::int32_t time, std::uint32_t signal, ValueId value) {
    if (last_[signal] == value) return;  // a repeated value changes nothing
    if (changes_.size() >= cap_) {
      capped_ = true;
      return;
    }
    last_[signal] = value;
    changes_.push_back({time, signal, value});
  }
  void End(const ValueTable& values);

  std::uint64_t cap() const { return cap_; }
  // True when changes were dropped at the cap.
  bool capped() const { return capped_; }
  // True when every signal's value at `time` is known: always, unless
  // changes were dropped, and then only before the last change kept (other
  // changes of that same time may be among those dropped).
  bool Complete(std::int32_t time) const {
    return !capped_ || (!changes_.empty() && time < changes_.back().time);
  }
  std::span<const Change> changes() const { return changes_; }
  std::size_t signal_count() const { return names_.size(); }
  const std::string& signal_name(std::uint32_t signal) const { return names_[signal]; }
  const std::vector<std::string>& signal_names() const { return names_; }
  // The text of a recorded value: "0"/"1" characters bit 0 first, or one
  // holding "x" or "z".
  const std::string& Text(ValueId value) const { return texts_[value]; }
  std::size_t value_count() const { return texts_.size(); }

  // The signal of that exact name, or of a name it had before the
  // expansion joined it into another; kNoSignal when there is none.
  std::int32_t FindSignal(const std::string& name) const;
  // The names the expansion took away, kept in memory only: a signal's
  // earlier name, and a merged bus as its wires, the first wire the first
  // character of the bus value. Signals out of range are ignored.
  void AddAlias(const std::string& name, std::uint32_t signal);
  void AddBus(const std::string& name, std::vector<std::uint32_t> wires);
  // The wires of a merged bus; empty when there is none of that name.
  std::span<const std::uint32_t> FindBus(const std::string& name) const;
  // The value the signal holds at `time` (a change at `time` counts):
  // "x" before its first change, as every terminal starts.
  const std::string& ValueAt(std::uint32_t signal, std::int32_t time) const;
  // The times the signal changed, in order, and the values it took.
  std::span<const std::int32_t> ChangeTimes(std::uint32_t signal) const;
  std::span<const ValueId> ChangeValues(std::uint32_t signal) const;

  // The nearest change after, or before, `time`, of any signal or of one;
  // false when there is none.
  bool NextChange(std::int32_t time, std::int32_t& at) const;
  bool PreviousChange(std::int32_t time, std::int32_t& at) const;
  bool NextChange(std::uint32_t signal, std::int32_t time, std::int32_t& at) const;
  bool PreviousChange(std::uint32_t signal, std::int32_t time, std::int32_t& at) const;

  // The file form (see the README): written through an atomic write;
  // reading gives false for anything that is not a whole trace of this
  // version, leaving the trace empty.
  bool Write(std::ostream& out) const;
  bool Read(std::istream& in);
  bool Save(const std::string& path) const;

 private:
  // Fills the per-signal index and the name index from `changes_` and
  // `names_` when first asked (a trace only written to a file never needs
  // them). Queries therefore belong to one thread at a time.
  void Index() const;

  std::uint64_t cap_;
  bool capped_ = false;
  std::vector<std::string> names_;
  std::vector<std::string> texts_;
  std::vector<Change> changes_;
  std::vector<ValueId> last_;  // while recording: each signal's latest value
  // Per signal, its changes' times and values, signal after signal.
  mutable bool indexed_ = false;
  mutable std::vector<std::size_t> starts_;
  mutable std::vector<std::int32_t> times_;
  mutable std::vector<ValueId> values_;
  mutable std::unordered_map<std::string, std::uint32_t> by_name_;
  std::unordered_map<std::string, std::uint32_t> aliases_;
  std::unordered_map<std::string, std::vector<std::uint32_t>> buses_;
};

// The line a run shows when its trace reached the cap.
std::string TraceCapNotice(std::uint64_t cap);

}  // namespace lumo
