#pragma once

#include <string_view>

namespace lumo {

// The order of terminal names within an element and of delay records within a
// function: byte-wise after turning A-Z into a-z (other bytes, including those
// of multi-byte characters, compare as they are). Returns <0, 0 or >0.
int CompareNamesIgnoringCase(std::string_view a, std::string_view b);

inline bool NameLessIgnoringCase(std::string_view a, std::string_view b) {
  return CompareNamesIgnoringCase(a, b) < 0;
}

}  // namespace lumo
