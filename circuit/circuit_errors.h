#pragma once

#include "lists/error_message.h"
#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kCircuitLibrary = "回路ライブラリー";

// Tags of the circuit library: the circuit reader and writer raise a
// ListError with one of them and a detail (the offending entry or name).
inline constexpr const char* kReadCircuitName = "CircuitStore::ReadCircuit name";
inline constexpr const char* kReadCircuitElementEntry = "CircuitStore::ReadCircuit element entry";
inline constexpr const char* kReadCircuitSignalEntry = "CircuitStore::ReadCircuit signal entry";
inline constexpr const char* kReadCircuitConnectionEntry =
    "CircuitStore::ReadCircuit connection entry";
inline constexpr const char* kReadCircuitUnknownElement =
    "CircuitStore::ReadCircuit unknown element";
inline constexpr const char* kReadCircuitUnknownSignal = "CircuitStore::ReadCircuit unknown signal";
inline constexpr const char* kWriteCircuitName = "CircuitStore::WriteCircuit name";

// Fills the circuit library's entries into `table` (the application keeps one
// table for every library, so every tag a reader raises is found there).
void RegisterCircuitErrors(ErrorTable& table);

}  // namespace lumo
