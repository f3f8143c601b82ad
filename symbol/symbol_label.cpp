#include "symbol/symbol_label.h"

#include "primitives/primitive_table.h"

namespace lumo {

std::string ChooserLabel(std::string_view symbol_name) {
  if (const PrimitiveFunction* primitive = FindPrimitive(symbol_name))
    return std::string(primitive->chooser_label);
  if (!symbol_name.empty() && symbol_name.front() == '_') symbol_name.remove_prefix(1);
  return std::string(symbol_name);
}

}  // namespace lumo
