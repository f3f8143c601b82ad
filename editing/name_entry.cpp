#include "editing/name_entry.h"

#include "common/read_word.h"

namespace lumo {

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string NameFromEntry(std::string_view typed) {
  std::size_t start = 0;
  while (start < typed.size() && IsWhiteSpace(static_cast<unsigned char>(typed[start])))
    ++start;
  std::string word;
  for (std::size_t i = start; i < typed.size(); ++i) {
    const char c = typed[i];
    if (IsWhiteSpace(static_cast<unsigned char>(c))) break;
    if (c != '"') word.push_back(c);
  }
  // Names starting with * are the converter's for unnamed nets and elements.
  word.erase(0, word.find_first_not_of('*'));
  if (word.size() > kNameBytes) {
    std::size_t cut = kNameBytes;
    while (cut > 0 && IsContinuationByte(word[cut]))
      --cut;
    word.resize(cut);
  }
  return word.empty() ? "?" : word;
}

}  // namespace lumo
