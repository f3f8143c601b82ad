#include "common/read_word.h"

namespace lumo {

std::istream& ReadWord(std::istream& in, std::string& word) {
  word.clear();
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr || !in.good()) {
    in.setstate(std::ios::failbit);
    return in;
  }
  int c = buffer->sbumpc();
  while (c != std::char_traits<char>::eof() && IsWhiteSpace(c))
    c = buffer->sbumpc();
  if (c == std::char_traits<char>::eof()) {
    in.setstate(std::ios::eofbit | std::ios::failbit);
    return in;
  }
  while (c != std::char_traits<char>::eof() && !IsWhiteSpace(c)) {
    word.push_back(static_cast<char>(c));
    c = buffer->sbumpc();
  }
  // A word that runs to the end of the input is still a word; only the next
  // read fails.
  if (c == std::char_traits<char>::eof()) in.setstate(std::ios::eofbit);
  return in;
}

}  // namespace lumo
