#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "circuit/circuit.h"
#include "circuit/circuit_store.h"
#include "circuit/signal_merge_log.h"
#include "common/message_host.h"

namespace lumo {

// Replaces the instances of sub-circuits in one parent circuit by copies of
// their insides. It keeps the parent's elements indexed by function name and
// remembers, for each element, the chain of circuits it was copied out of, so
// that finding the next instance costs nothing and a circuit that contains
// itself is caught instead of copied without end.
//
// The parent must not be changed by anyone else while a replacer works on
// it, and every circuit handed to Replace must live in `store`.
class InstanceReplacer {
 public:
  // Ten million elements take several gigabytes: far beyond any circuit
  // drawn by hand, and only reached by sub-circuits nested many levels deep.
  static constexpr std::size_t kDefaultElementLimit = 10'000'000;

  // Decides whether elements of a function are sub-circuit instances (the
  // scan's candidates); asked once per function.
  using IsSubCircuit = std::function<bool(const FunctionRecord&)>;

  InstanceReplacer(CircuitStore& store, Circuit& parent, MessageHost& host,
                   IsSubCircuit is_sub_circuit = {});
  InstanceReplacer(const InstanceReplacer&) = delete;
  InstanceReplacer& operator=(const InstanceReplacer&) = delete;

  // The first element of the parent, in list order, whose function is a
  // sub-circuit; the parent's own pin element never is. Null when none is
  // left.
  Element* NextCandidate();
  // Treats the current candidate as a primitive from now on.
  void SkipCandidate();

  // The most elements the parent may grow to; an instance whose copy would
  // pass it stops the expansion with a message.
  void set_element_limit(std::size_t limit) { element_limit_ = limit; }
  // Where the names of outside signals joined into inside ones are written
  // (none: nowhere).
  void set_merge_log(SignalMergeLog* log) { merge_log_ = log; }

  // Replaces every element of the parent whose function name equals the
  // sub-circuit's name ignoring letter case, first in list order first: the
  // sub-circuit's elements and signals are copied in with the instance name
  // and "-" before their names (a signal beginning with "/" keeps its name),
  // and each pin of the instance is joined to the inside signal of the
  // sub-circuit's pin of the same name. Returns how many instances were
  // replaced, or nothing after showing why the expansion cannot go on.
  std::optional<std::size_t> Replace(const Circuit& sub);

 private:
  // One step of the chain of circuits an element was copied out of.
  struct Level {
    std::string circuit;
    std::string key;  // the circuit name in lower case
    const Level* outer;
  };
  struct Record {
    Element* element;
    const Level* level;
    bool alive;
  };
  struct FunctionEntry {
    std::vector<std::uint32_t>* instances;
    bool sub_circuit;
  };

  FunctionEntry& EntryOf(const FunctionRecord& function);
  void Track(Element& element, const Level* level);
  const Level* EnclosingLevelNamed(const Level* level, const std::string& key) const;
  void ReportCycle(const Circuit& sub, const Element& instance, const Level* inner,
                   const Level* outermost);
  Element* CopyInside(const Circuit& sub, const Element& instance, const Level* level);
  Signal& OutsideSignal(const std::string& prefix, const Signal& inside);
  bool JoinPins(const Circuit& sub, Element& instance, Element* inside_pins);

  CircuitStore& store_;
  Circuit& parent_;
  MessageHost& host_;
  IsSubCircuit is_sub_circuit_;
  std::size_t element_limit_ = kDefaultElementLimit;
  SignalMergeLog* merge_log_ = nullptr;

  std::deque<Level> levels_;
  std::vector<Record> records_;
  // Elements by function name in lower case, the first in list order last.
  std::unordered_map<std::string, std::vector<std::uint32_t>> instances_;
  std::unordered_map<const FunctionRecord*, FunctionEntry> functions_;
  // Elements whose function is a sub-circuit, the first in list order last.
  std::vector<std::uint32_t> candidates_;
};

// The name with A-Z turned into a-z: function names match circuit names when
// their keys are equal.
std::string FunctionNameKey(std::string_view name);

}  // namespace lumo
