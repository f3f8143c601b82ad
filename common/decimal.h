#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo {

// The one reader of decimal integers in the word files (patterns, memory
// data, commands): a whole word of digits with one optional sign, "+" or
// "-", within 32 bits. Nothing for anything else, such as "+-5", "1O" or a
// value out of range, so every file refuses the same words.
std::optional<std::int32_t> ParseDecimal(std::string_view word);

}  // namespace lumo
