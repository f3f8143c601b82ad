#include "schematic/list_strings.h"

#include <vector>

#include "circuit/circuit_file.h"

namespace lumo {

std::optional<std::string_view> FirstUnwritableString(const ListCell* cell) {
  std::vector<const ListCell*> pending{cell};
  while (!pending.empty()) {
    const ListCell* next = pending.back();
    pending.pop_back();
    if (next->IsCons()) {
      pending.push_back(next->cdr());
      pending.push_back(next->car());
    } else if (next->kind() == ListCell::kString && !IsWritableName(next->text())) {
      return next->text();
    }
  }
  return std::nullopt;
}

}  // namespace lumo
