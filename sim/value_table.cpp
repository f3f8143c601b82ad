#include "sim/value_table.h"

namespace lumo {

ValueTable::ValueTable() {
  // The one-bit values take the fixed ids the kernel relies on.
  for (const char* text : {"0", "1", "x", "z"})
    Intern(text);
}

ValueId ValueTable::Intern(std::string_view text) {
  if (text.size() == 1 && texts_.size() > kValueZ) {
    switch (text[0]) {
      case '0':
        return kValue0;
      case '1':
        return kValue1;
      case 'x':
        return kValueX;
      case 'z':
        return kValueZ;
      default:
        break;
    }
  }
  const auto [it, inserted] =
      ids_.try_emplace(std::string(text), static_cast<ValueId>(texts_.size()));
  if (!inserted) return it->second;
  std::uint8_t traits = 0;
  for (char c : text) {
    if (c == 'x' || c == 'z') traits |= kBlocked;
    traits |= c == '0' ? kHasZero : c == '1' ? kHasOne : kHasOther;
  }
  texts_.emplace_back(text);
  traits_.push_back(traits);
  return it->second;
}

}  // namespace lumo
