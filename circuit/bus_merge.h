#pragma once

#include <cstddef>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit.h"

namespace lumo {

class SignalMergeLog;

// Replaces bus elements by plain wires. A bus signal is one whose terminals
// are all the "y" pins of elements of one "_line..." function; each such
// element joins its other pins, in name order, to the wires of the bus. For
// the first bus signal in list order, again and again: one new signal per
// wire ("*ms" and a number), which takes over every signal met on that wire
// (and its user-given name, when it has one); then the bus signal and its
// elements go. Returns the number of bus signals merged.
//
// A signal is never merged with itself: a wire meeting its own new signal is
// left in place, and two wires found to be one are joined.
//
// With a log, every name that goes and every merged bus is written to it.
std::size_t MergeBusLines(Circuit& circuit, BusSignalCounter& counter,
                          SignalMergeLog* log = nullptr);

}  // namespace lumo
