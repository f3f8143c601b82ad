#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "pattern/event_list.h"
#include "schematic/net_map.h"
#include "sim/signal_trace.h"

namespace lumo {

// The changes a run's trace holds for a signal name, or for a merged bus
// put together from its wires, as the events of a pattern row; empty when
// it has neither.
std::vector<PatEvent> ChangesOf(const SignalTrace& trace, const std::string& name);

// What a drawn wire shows at one time of a run.
enum class WireLevel {
  kNone,  // the run has no signal for it (not simulated, or merged away)
  kZero,
  kOne,
  kUnknown,  // "x", or a bus with an unknown bit
  kHighZ,    // "z", or a bus with a released bit
  kBus,      // a value of several bits, all known
};

struct WireValue {
  WireLevel level = WireLevel::kNone;
  // For a bus: its value in hexadecimal, most significant digit first.
  std::string label;
};

// The level of a recorded value: one-bit values by their character, wider
// ones as a bus unless a bit is unknown or released.
WireValue ClassifyValue(const std::string& value);

// The values of a schematic's wires during a run: each net of the map
// joined once to the trace's signal of the same name, so that the canvas
// asks per wire and time without looking names up. The top-level nets keep
// their names through the expansion, or are found under them after the bus
// merge joined them into wires; a merged bus shows its wires' values put
// together. A net that became no signal (one reaching no terminal) shows
// none.
class WireValues {
 public:
  // With `instance` ("X1-", "X1-Y2-"), the map is of a sub-circuit's
  // schematic and its nets are looked up under that instance's names.
  WireValues(const NetMap& nets, const SignalTrace& trace, const std::string& instance = {});

  // The name the expansion gives a sub-circuit's net inside an instance:
  // the instance's prefix before it, except for a global "/" net.
  static std::string NameInside(const std::string& instance, const std::string& net);

  // The trace's signal of a net (NetMap::kNoNet allowed); kNoSignal when
  // there is none.
  std::int32_t SignalOf(int net) const;
  // kNone, too, past the end of a trace that stopped at its cap.
  WireValue At(int net, std::int32_t time) const;
  // The trace's signal on the input or output pin named `pin` of the
  // schematic the map was made from; kNoSignal when there is none.
  std::int32_t SignalOfPin(const Draw& draw, const std::string& pin) const;
  const NetMap& nets() const { return nets_; }
  const SignalTrace& trace() const { return trace_; }

 private:
  const NetMap& nets_;
  const SignalTrace& trace_;
  std::vector<std::int32_t> signal_of_net_;
  // A net that was a bus merged into wires: its wires, else empty.
  std::vector<std::span<const std::uint32_t>> bus_of_net_;
};

}  // namespace lumo
