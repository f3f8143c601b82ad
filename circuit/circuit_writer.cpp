// WriteCircuit: the four sections of a circuit file, with the connection
// section wrapped by its width counter.

#include <exception>
#include <string>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "common/atomic_file.h"
#include "lists/list_text_writer.h"
#include "lists/list_word.h"

namespace lumo {

namespace {

// A token holds at most this many bytes.
constexpr std::size_t kMaxNameBytes = 99;
// The connection section breaks its line once the counter reaches this.
constexpr std::size_t kWrapWidth = 60;

void CheckName(const std::string& name) {
  if (!IsWritableName(name)) throw ListError(kWriteCircuitName, name);
}

void CheckNames(const Circuit& circuit) {
  CheckName(circuit.name());
  for (const Element& element : circuit.elements()) {
    CheckName(element.name());
    CheckName(element.function_name());
    for (const Terminal& terminal : element.terminals()) {
      CheckName(terminal.name());
      if (terminal.signal() != nullptr) CheckName(terminal.signal()->name());
    }
  }
  for (const Signal& signal : circuit.signals())
    CheckName(signal.name());
}

void WriteConnections(const Circuit& circuit, ListTextWriter& out) {
  out << "  ";
  std::size_t width = 3;
  bool line_start = true;
  for (const Element& element : circuit.elements()) {
    for (const Terminal& terminal : element.terminals()) {
      if (!line_start) out << ' ';
      out << '(';
      out.Name(element.name()) << ' ';
      out.Name(terminal.name()) << ' ';
      width += element.name().size() + terminal.name().size();
      if (const Signal* signal = terminal.signal()) {
        out.Name(signal->name()) << ')';
        width += 5 + signal->name().size();
      } else {
        out << "())";
        width += 7;
      }
      line_start = false;
      if (width >= kWrapWidth) {
        out << "\n  ";
        width = 3;
        line_start = true;
      }
    }
  }
  out << (line_start ? "()\n" : " ()\n");
}

// The sections, once every name is known to be writable.
void WriteSections(const Circuit& circuit, std::ostream& stream) {
  ListTextWriter out(stream);
  out << '(';
  out.Name(circuit.name()) << ")\n";

  out << "  ";
  for (const Element& element : circuit.elements()) {
    out << '(';
    out.Name(element.name()) << ' ';
    out.Name(element.function_name()) << ") ";
  }
  out << "()\n";

  out << "  ";
  for (const Signal& signal : circuit.signals()) {
    out << '(';
    out.Name(signal.name()) << ") ";
  }
  out << "()\n";

  WriteConnections(circuit, out);
  out.Flush();
}

}  // namespace

bool IsWritableName(std::string_view name) {
  if (name.size() > kMaxNameBytes) return false;
  return IsBareWord(name) || name.find('"') == std::string_view::npos;
}

void WriteCircuit(const Circuit& circuit, std::ostream& stream) {
  CheckNames(circuit);
  WriteSections(circuit, stream);
}

bool WriteCircuitFile(const Circuit& circuit, const std::string& path) {
  CheckNames(circuit);
  // Circuit files are the program's own (a run's, in the working folder): a
  // link in their place is replaced, never written through.
  return WriteFileAtomically(
      path,
      [&circuit](std::ostream& out) {
        WriteSections(circuit, out);
        return true;
      },
      LinkHandling::kReplaceEntry);
}

}  // namespace lumo
