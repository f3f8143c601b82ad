#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// What a bare word of list text reads as.
enum class WordKind { kLong, kDouble, kDot, kNil, kString };

WordKind ClassifyWord(std::string_view word);

// The values of words classified as long or double. Values out of range are
// clamped to the nearest representable one.
std::int32_t LongOfWord(std::string_view word);
double DoubleOfWord(std::string_view word);

// True when `text` may be written without double quotes and reads back as the
// same string atom: not empty, no white space or parentheses, no leading
// double quote, and not a word that reads as a number, the dot or nil.
bool IsBareWord(std::string_view text);

// True when a string must be quoted in message form (white space or
// parentheses only; the first byte is not tested).
bool NeedsQuotesInMessage(std::string_view text);

}  // namespace lumo
