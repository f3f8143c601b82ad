#pragma once

#include <set>
#include <string>

#include "pattern/hex.h"

namespace lumo {

// One addressed data word of a memory, with both texts exactly as typed or
// read; `address` is the value of the address text.
struct MemWord {
  MemAddress address = 0;
  std::string address_text;
  std::string data_text;
};

// The words of one memory in ascending address order. A new word goes after
// every word of equal or smaller address, so a second word of one address is
// kept behind the first (the memory editor replaces words instead). A
// balanced tree keeps big memories fast.
class WordList {
  struct ByAddress {
    using is_transparent = void;
    bool operator()(const MemWord& a, const MemWord& b) const { return a.address < b.address; }
    bool operator()(const MemWord& a, MemAddress b) const { return a.address < b; }
    bool operator()(MemAddress a, const MemWord& b) const { return a < b.address; }
  };
  using Words = std::multiset<MemWord, ByAddress>;

 public:
  using iterator = Words::const_iterator;

  WordList() = default;
  WordList(WordList&&) noexcept = default;
  WordList& operator=(WordList&&) noexcept = default;
  WordList(const WordList&) = delete;
  WordList& operator=(const WordList&) = delete;

  iterator begin() const { return words_.begin(); }
  iterator end() const { return words_.end(); }
  std::size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }

  iterator Insert(MemWord word) { return words_.insert(words_.end(), std::move(word)); }
  // The first word of that address, or null.
  const MemWord* Find(MemAddress address) const;
  // Removes the first word of that address; false when there is none.
  bool Remove(MemAddress address);
  void Clear() { words_.clear(); }

 private:
  Words words_;
};

}  // namespace lumo
