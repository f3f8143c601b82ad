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

void AppendDecimal(std::string& out, std::int64_t value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  (void)error;  // 24 characters hold every 64-bit value
  out.append(digits, end);
}

}  // namespace lumo
