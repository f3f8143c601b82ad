#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// Memory addresses as the memory data holds them. Wide enough for every
// address the simulator can tell apart; longer address texts wrap.
using MemAddress = std::uint64_t;

// Hexadecimal text to a bit string, most significant bit first: every digit
// (either case) gives four characters of '0'/'1'; other characters are skipped.
std::string HexToBits(std::string_view text);

// A bit string, most significant bit first, to lower-case hexadecimal: padded
// on the left to a multiple of four, each group giving one digit. Only '1'
// counts as a one.
std::string BitsToHex(std::string_view bits);

// The value of a hexadecimal address text: each character shifts four bits in;
// a character that is no hexadecimal digit adds nothing.
MemAddress HexValue(std::string_view text);

// Lower-case hexadecimal without leading zeros; 0 gives "0".
std::string HexText(MemAddress value);

}  // namespace lumo
