#include "common/decimal.h"

#include <charconv>

namespace lumo {

std::optional<std::int32_t> ParseDecimal(std::string_view word) {
  // from_chars takes a minus sign but no plus sign.
  if (!word.empty() && word.front() == '+') {
    word.remove_prefix(1);
    if (word.empty() || word.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

}  // namespace lumo
