#include <string>

#include "primitives/primitive_table.h"
#include "sim/netlist.h"

namespace lumo {

bool LookUpPrimitive(const std::string& function, Primitive& primitive) {
  const PrimitiveFunction* row = FindPrimitive(function);
  if (row == nullptr || row->simulation == Simulation::kCircuitPin) return false;
  primitive = row->kind;
  return true;
}

int TerminalsOf(Primitive primitive, const std::string& function) {
  const PrimitiveFunction* row = FindPrimitive(function);
  if (primitive == Primitive::kNone || row == nullptr || row->kind != primitive) return 0;
  return static_cast<int>(row->pins.size());
}

}  // namespace lumo
