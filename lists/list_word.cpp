#include "lists/list_word.h"

#include <cfloat>
#include <charconv>
#include <limits>

#include "common/read_word.h"

namespace lumo {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsIntegerForm(std::string_view word) {
  std::size_t i = 0;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  if (i == word.size()) return false;
  for (; i < word.size(); ++i)
    if (!IsDigit(word[i])) return false;
  return true;
}

// Optional sign, digits, a dot, digits, then the end or a lower-case e with an
// optional sign and digits. "1.5e" still counts.
bool IsRealForm(std::string_view word) {
  if (word == "." || word == "+." || word == "-.") return false;
  std::size_t i = 0;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  while (i < word.size() && IsDigit(word[i]))
    ++i;
  if (i == word.size() || word[i] != '.') return false;
  ++i;
  while (i < word.size() && IsDigit(word[i]))
    ++i;
  if (i == word.size()) return true;
  if (word[i] != 'e') return false;
  ++i;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  while (i < word.size() && IsDigit(word[i]))
    ++i;
  return i == word.size();
}

bool IsDelimiter(char c) {
  return IsWhiteSpace(static_cast<unsigned char>(c)) || c == '(' || c == ')';
}

}  // namespace

WordKind ClassifyWord(std::string_view word) {
  if (IsIntegerForm(word)) return WordKind::kLong;
  if (IsRealForm(word)) return WordKind::kDouble;
  if (word == ".") return WordKind::kDot;
  if (word == "nil" || word == "Nil") return WordKind::kNil;
  return WordKind::kString;
}

std::int32_t LongOfWord(std::string_view word) {
  std::int64_t value = 0;
  std::size_t i = 0;
  const bool negative = !word.empty() && word[0] == '-';
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) i = 1;
  constexpr std::int64_t kLimit = std::int64_t{1} << 32;
  for (; i < word.size() && IsDigit(word[i]); ++i) {
    value = value * 10 + (word[i] - '0');
    if (value > kLimit) value = kLimit;  // saturate; clamped below
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

double DoubleOfWord(std::string_view word) {
  // from_chars ignores the locale (a GUI may set one with a decimal comma)
  // and reads "1.5e" as 1.5, as intended; it does not take a plus sign.
  const bool negative = !word.empty() && word[0] == '-';
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) word.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Clamp: an infinity would print as "inf", which reads back as a string.
    const auto e = word.find('e');
    const bool tiny = e != std::string_view::npos && e + 1 < word.size() && word[e + 1] == '-';
    value = tiny ? 0.0 : DBL_MAX;
  }
  return negative ? -value : value;
}

bool IsBareWord(std::string_view text) {
  if (text.empty() || text.front() == '"') return false;
  if (IsDigit(text.front()) || text.front() == '+' || text.front() == '-') return false;
  for (char c : text)
    if (IsDelimiter(c)) return false;
  return ClassifyWord(text) == WordKind::kString;
}

bool NeedsQuotesInMessage(std::string_view text) {
  for (char c : text)
    if (c == ' ' || c == '\t' || c == '\n' || c == '(' || c == ')') return true;
  return false;
}

}  // namespace lumo
