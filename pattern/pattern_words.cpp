#include "pattern/pattern_words.h"

#include <charconv>

#include "common/read_word.h"

namespace lumo {

bool IsWord(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (IsWhiteSpace(static_cast<unsigned char>(c))) return false;
  return true;
}

std::optional<std::int32_t> ParseDecimal(std::string_view word) {
  if (!word.empty() && word.front() == '+') {
    word.remove_prefix(1);
    if (word.empty() || word.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

void AppendDecimal(std::string& out, std::int64_t value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  (void)error;  // 24 characters hold every 64-bit value
  out.append(digits, end);
}

}  // namespace lumo
