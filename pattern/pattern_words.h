#pragma once

// Helpers shared by the pattern and memory readers and writers.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// True when `text` reads back as the same single word: not empty and without
// white space.
bool IsWord(std::string_view text);

// Appends the decimal form of `value`, independent of any locale.
void AppendDecimal(std::string& out, std::int64_t value);

}  // namespace lumo
