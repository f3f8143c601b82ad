#include "pattern/hex.h"

namespace lumo {

namespace {

constexpr char kDigits[] = "0123456789abcdef";

// The digit's value, or -1 for any other character.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string HexToBits(std::string_view text) {
  std::string bits;
  bits.reserve(text.size() * 4);
  for (char c : text) {
    const int digit = DigitValue(c);
    if (digit < 0) continue;
    for (int bit = 3; bit >= 0; --bit)
      bits.push_back((digit >> bit) & 1 ? '1' : '0');
  }
  return bits;
}

std::string BitsToHex(std::string_view bits) {
  std::string hex;
  hex.reserve(bits.size() / 4 + 1);
  // The first group is short by the padding; the zeros it lacks add nothing.
  const std::size_t first = bits.size() % 4 == 0 ? 4 : bits.size() % 4;
  std::size_t start = 0;
  for (std::size_t length = first; start < bits.size(); start += length, length = 4) {
    int digit = 0;
    for (std::size_t i = start; i < start + length; ++i)
      digit = digit * 2 + (bits[i] == '1' ? 1 : 0);
    hex.push_back(kDigits[digit]);
  }
  return hex;
}

MemAddress HexValue(std::string_view text) {
  MemAddress value = 0;
  for (char c : text) {
    const int digit = DigitValue(c);
    value = (value << 4) + static_cast<MemAddress>(digit < 0 ? 0 : digit);
  }
  return value;
}

std::string HexText(MemAddress value) {
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xf]);
    value >>= 4;
  } while (value != 0);
  return text;
}

}  // namespace lumo
