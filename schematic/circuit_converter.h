#pragma once

#include <cstddef>
#include <string>

#include "circuit/circuit_store.h"
#include "common/message_host.h"
#include "lists/error_table.h"

namespace lumo {

// Tags of the converter's own failures (files it cannot read or write).
inline constexpr const char* kConvertRead = "CircuitConverter::Convert read";
inline constexpr const char* kConvertWrite = "CircuitConverter::Convert write";

// Fills the converter's entries into the circuit library's table.
void RegisterConverterErrors(ErrorTable& table);

// The two intermediate files of a conversion, in the working folder.
inline constexpr const char* kFlatSchematicFile = "LumoDraw.tmp";
inline constexpr const char* kConvertedCircuitFile = "LumoCir.tmp";

// What the last conversion met, for statistics.
struct ConversionCounts {
  std::size_t elements = 0;  // schematic elements, input/output pins included
  std::size_t lines = 0;
  std::size_t nets = 0;     // groups of touching lines
  std::size_t signals = 0;  // signals written (nets reaching a terminal)
};

// Turns a schematic file into a circuit file: lines touching end to end
// become one signal (named by its lines, else "*s" and a number), unnamed
// elements are named "*e" and a number, the input/output pins become the
// terminals of the element named like the circuit, and schematics whose
// names clash are refused with a message, as are names the run could not
// use: a blank in a pin's or the circuit's name, a user's name starting
// with *.
//
// The schematic is first flattened into LumoDraw.tmp (one expression: name,
// elements, lines), the circuit built from it written to LumoCir.tmp, and
// that read back, cleared of signals without terminals and written to the
// circuit file. The circuits made stay in the store; the caller empties it.
class CircuitConverter {
 public:
  // `errors` holds the entries of the list and circuit libraries and the
  // converter's (RegisterListErrors, RegisterCircuitErrors,
  // RegisterConverterErrors). The intermediate files go to `work_folder`.
  CircuitConverter(CircuitStore& store, MessageHost& host, const ErrorTable& errors,
                   std::string work_folder);
  CircuitConverter(const CircuitConverter&) = delete;
  CircuitConverter& operator=(const CircuitConverter&) = delete;

  // True when the circuit file was written; false after a message (the
  // circuit file is then untouched).
  bool Convert(const std::string& schematic_path, const std::string& circuit_path);

  const ConversionCounts& counts() const { return counts_; }

 private:
  bool Flatten(const std::string& schematic_path, const std::string& flat_path);
  bool Build(const std::string& flat_path, const std::string& circuit_tmp_path);
  bool Prune(const std::string& circuit_tmp_path, const std::string& circuit_path);
  void Warn(const std::string& text);

  CircuitStore& store_;
  MessageHost& host_;
  const ErrorTable& errors_;
  std::string work_folder_;
  ConversionCounts counts_;
};

}  // namespace lumo
