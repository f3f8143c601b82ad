#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo {

// The most bytes a name in a list file may have.
inline constexpr std::size_t kNameBytes = 99;

// The name made from what was typed into the name dialog (UTF-8): its first
// blank-delimited word without double quotes (which no file could give
// back) and without leading asterisks (which mark the converter's own
// names), cut to at most 99 bytes at a character boundary; "?" (not named)
// when there is no word.
std::string NameFromEntry(std::string_view typed);

}  // namespace lumo
