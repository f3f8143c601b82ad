#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Names and texts in documents are bytes: UTF-8 when they are valid UTF-8,
// otherwise Shift-JIS (files written by older versions). These helpers read
// them character by character in whichever of the two they are.

bool IsValidUtf8(std::string_view text);

// The name with A-Z and the full-width Latin capitals turned into small
// letters; every other byte is kept. Shift-JIS trail bytes are never touched.
std::string LowerCaseName(std::string_view name);

// Orders two names by their lower-cased characters: a character's value is
// its code point (UTF-8) or its byte, or lead byte x 256 + trail byte for a
// double-byte Shift-JIS character. A name that is a prefix of the other is
// smaller. Returns <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);

// True when both names are the same after LowerCaseName.
bool SameName(std::string_view a, std::string_view b);

// Display columns of a text in the monospaced fonts: a full-width character
// takes two columns, every other character one.
int DisplayColumns(std::string_view text);

}  // namespace lumo
