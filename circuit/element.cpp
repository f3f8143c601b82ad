#include "circuit/element.h"

#include "circuit/function_record.h"

namespace lumo {

Element::~Element() {
  for (Terminal* terminal : terminals_)
    delete terminal;
}

const std::string& Element::function_name() const {
  return function_->name();
}

Terminal& Element::AddTerminal(std::string name) {
  auto* terminal = new Terminal(std::move(name), *this);
  // A multiset puts an element after those of an equal key.
  terminals_.insert(terminal);
  return *terminal;
}

Terminal* Element::FindTerminal(std::string_view name) const {
  const auto [first, last] = terminals_.equal_range(name);
  for (auto at = first; at != last; ++at)
    if ((*at)->name() == name) return *at;
  return nullptr;
}

}  // namespace lumo
