#pragma once

#include <string>
#include <string_view>

namespace lumo {

// The bit rules of the primitives, character by character on value strings
// (bit 0 first). A binary result is as long as the shorter operand, and any
// character other than "1" counts as 0.
std::string NotBits(std::string_view a);
std::string AndBits(std::string_view a, std::string_view b);
std::string NandBits(std::string_view a, std::string_view b);
std::string OrBits(std::string_view a, std::string_view b);
std::string NorBits(std::string_view a, std::string_view b);
std::string ExorBits(std::string_view a, std::string_view b);

// Counts one up in place: every "1" from bit 0 becomes "0" until the first
// other character, which becomes "1"; all ones grow by a "1" bit.
std::string Increment(std::string value);

// A value as the output pattern and the logs show it: "0", "1", "x" and "z"
// as they are, anything else in hexadecimal, most significant digit first.
std::string DisplayValue(const std::string& value);

// Any value in hexadecimal, most significant digit first, a character other
// than "1" counting as 0: how the register-transfer lines show values.
std::string HexValue(const std::string& value);

}  // namespace lumo
