#include "circuit/circuit_statistics.h"

#include <cstddef>

namespace lumo {

void WriteStatistics(std::ostream& out, const Circuit& circuit) {
  const Element* pins = circuit.IoPseudoElement();
  std::size_t elements = 0;
  std::size_t terminals = 0;
  for (const Element& element : circuit.elements()) {
    if (&element == pins) continue;
    ++elements;
    terminals += element.terminal_count();
  }
  const double per_element = elements == 0
                                 ? static_cast<double>(terminals)
                                 : static_cast<double>(terminals) / static_cast<double>(elements);
  out << "素子数 = " << elements << "  信号数 = " << circuit.signal_count()
      << "  端子数 = " << terminals << "  端子数／素子数 = " << per_element << '\n';
  out.flush();
}

}  // namespace lumo
