#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_host.h"
#include "pattern/word_list.h"

namespace lumo {

// The fixed number of memories the memory data holds.
inline constexpr int kMemCapacity = 500;

// One memory: the label of a `_mem` element (empty: a free entry) and its words.
struct Memory {
  std::string name;
  WordList words;
};

// The memory data of a pattern: per memory, its addressed data words. It is
// read and written as the `m` records of the input pattern file.
class Mem {
 public:
  // How one memory record ended.
  enum class RecordEnd {
    kComplete,   // read to its `z`
    kRefused,    // a new memory while the table was full: skipped to its `z`
    kTruncated,  // the input ended before `z`; the words read so far stay
  };

  explicit Mem(MessageHost& host);
  Mem(const Mem&) = delete;
  Mem& operator=(const Mem&) = delete;

  // Memories below the count are in use; the editor may raise the count to
  // take in a further entry (at most kMemCapacity).
  int count() const { return count_; }
  void set_count(int count);
  // Entry 0 to kMemCapacity - 1, also above the count; throws
  // std::out_of_range otherwise.
  Memory& memory(int index) { return memories_.at(index); }
  const Memory& memory(int index) const { return memories_.at(index); }

  // Empties the names and word lists below the count; the count becomes 0.
  void Clear();
  // The first memory below the count with that name, or -1.
  int Find(std::string_view name) const;
  // Takes a further memory of that name in; -1 when the table is full.
  int Append(std::string name);

  // Reads one memory record, its `m` already consumed, without a message.
  RecordEnd ReadMemoryRecord(std::istream& in);
  // Reads one memory record and shows the damaged-memory warning unless it
  // was complete. True when it was.
  bool ReadMemory(std::istream& in);
  void ShowDamagedWarning() const;

  // Writes the record of every memory, in table order, that has a name and
  // words.
  void WriteMemories(std::ostream& out) const;

  void InsertWord(int memory, MemWord word) { memories_.at(memory).words.Insert(std::move(word)); }
  // The first word of that address, or null.
  const MemWord* FindWord(int memory, MemAddress address) const {
    return memories_.at(memory).words.Find(address);
  }

 private:
  MessageHost* host_;
  int count_ = 0;
  std::vector<Memory> memories_;
};

}  // namespace lumo
