#include "circuit/global_signals.h"

namespace lumo {

void PromoteGlobalSignals(Circuit& circuit) {
  Element* pins = circuit.IoPseudoElement();
  if (pins == nullptr) return;
  for (Signal& signal : circuit.signals()) {
    if (signal.name().empty() || signal.name().front() != '/') continue;
    const Terminal* present = pins->FindTerminal(signal.name());
    if (present != nullptr && present->signal() == &signal) continue;
    pins->AddTerminal(signal.name()).ConnectTo(signal);
  }
}

}  // namespace lumo
