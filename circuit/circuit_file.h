#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "circuit/circuit.h"
#include "circuit/circuit_store.h"

namespace lumo {

// Circuit files (.lcr): the circuit name, the elements with their function
// names, the signals, and one entry per terminal naming its signal.
//
//   (name)
//     (element function) ... ()
//     (signal) ... ()
//     (element terminal signal) (element terminal ()) ... ()
//
// The reader puts elements and signals at the head of their lists and the
// writer keeps list order, so one read-and-write cycle reverses both sections
// and a second restores them.

// Reads one circuit from `in` into `store` (at the head of its circuits;
// function records of new names at the head of the registry). Returns null,
// reading nothing more, when the first expression is the empty list. Raises a
// ListError when the text is not list notation or ends early (a list library
// tag), or when an entry has the wrong form or a connection names an element
// or signal its sections did not declare (a circuit library tag); the store
// is then left as it was.
Circuit* ReadCircuit(CircuitStore& store, std::istream& in);

// True when `name` can be written so that it reads back as the same name:
// at most 99 bytes, and no double quote unless it is a bare word.
bool IsWritableName(std::string_view name);

// Writes `circuit` in the file layout. Raises a ListError (kWriteCircuitName),
// before writing anything, when a name is not writable.
void WriteCircuit(const Circuit& circuit, std::ostream& out);

// Writes `circuit` to `path` through a temporary file renamed over it, so the
// file is never left half-written. False when the file could not be written
// (the old one stays); raises like WriteCircuit, leaving the file untouched.
bool WriteCircuitFile(const Circuit& circuit, const std::string& path);

}  // namespace lumo
