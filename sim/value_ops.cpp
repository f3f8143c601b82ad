#include "sim/value_ops.h"

#include <algorithm>

#include "pattern/hex.h"

namespace lumo {

namespace {

template <class Rule>
std::string Combine(std::string_view a, std::string_view b, Rule rule) {
  const std::size_t width = std::min(a.size(), b.size());
  std::string result(width, '0');
  for (std::size_t i = 0; i < width; ++i)
    result[i] = rule(a[i] == '1', b[i] == '1') ? '1' : '0';
  return result;
}

}  // namespace

std::string NotBits(std::string_view a) {
  std::string result(a.size(), '0');
  for (std::size_t i = 0; i < a.size(); ++i)
    result[i] = a[i] == '1' ? '0' : '1';
  return result;
}

std::string AndBits(std::string_view a, std::string_view b) {
  return Combine(a, b, [](bool x, bool y) { return x && y; });
}

std::string NandBits(std::string_view a, std::string_view b) {
  return Combine(a, b, [](bool x, bool y) { return !(x && y); });
}

std::string OrBits(std::string_view a, std::string_view b) {
  return Combine(a, b, [](bool x, bool y) { return x || y; });
}

std::string NorBits(std::string_view a, std::string_view b) {
  return Combine(a, b, [](bool x, bool y) { return !(x || y); });
}

std::string ExorBits(std::string_view a, std::string_view b) {
  return Combine(a, b, [](bool x, bool y) { return x != y; });
}

std::string Increment(std::string value) {
  for (char& c : value) {
    if (c != '1') {
      c = '1';
      return value;
    }
    c = '0';
  }
  value.push_back('1');
  return value;
}

std::string HexValue(const std::string& value) {
  return BitsToHex(std::string(value.rbegin(), value.rend()));
}

std::string DisplayValue(const std::string& value) {
  if (value == "0" || value == "1" || value == "x" || value == "z") return value;
  return HexValue(value);
}

}  // namespace lumo
