#include "schematic/element_names.h"

namespace lumo {

std::string CircuitElementName(const Draw& draw, const DrawElement& element) {
  if (element.name() != "?") return element.name();
  // Counted in the order of the file: after the element in the list while
  // the list is as read.
  int before = 0, after = 0;
  bool found = false;
  for (const DrawElement& other : draw.elements()) {
    if (&other == &element) {
      found = true;
    } else if (other.name() == "?" && !IsPinSymbol(other.symbol_name())) {
      ++(found ? after : before);
    }
  }
  if (!found) return {};
  return "*e" + std::to_string(draw.listed_as_read() ? after : before);
}

}  // namespace lumo
