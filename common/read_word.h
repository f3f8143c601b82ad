#pragma once

#include <istream>
#include <string>

namespace lumo {

// Reads one blank-delimited word of any length. The white-space byte that ends
// the word is consumed. When the input ends before a word starts, `word` is
// left empty and the stream is put into its failed state.
std::istream& ReadWord(std::istream& in, std::string& word);

// True for the bytes the word and list readers treat as white space.
inline bool IsWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace lumo
