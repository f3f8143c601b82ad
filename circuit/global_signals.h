#pragma once

#include "circuit/circuit.h"

namespace lumo {

// Makes every global signal (a name beginning with "/") a pin of the circuit:
// a terminal of that name on the circuit's own pin element, on the signal. A
// pin already there (same name, same signal) is not added twice. Nothing
// happens when the circuit has no pin element.
void PromoteGlobalSignals(Circuit& circuit);

}  // namespace lumo
