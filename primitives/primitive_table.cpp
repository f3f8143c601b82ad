#include "primitives/primitive_table.h"

#include <unordered_map>

namespace lumo {

const PrimitiveFunction* FindPrimitive(std::string_view name) {
  static const std::unordered_map<std::string_view, const PrimitiveFunction*> kByName = [] {
    std::unordered_map<std::string_view, const PrimitiveFunction*> index;
    for (const PrimitiveFunction& function : kPrimitiveFunctions)
      index.emplace(function.name, &function);
    return index;
  }();
  const auto found = kByName.find(name);
  return found == kByName.end() ? nullptr : found->second;
}

}  // namespace lumo
