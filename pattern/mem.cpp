#include "pattern/mem.h"

#include <algorithm>

#include "common/read_word.h"
#include "pattern/pattern_errors.h"
#include "pattern/pattern_words.h"

namespace lumo {

Mem::Mem(MessageHost& host) : host_(&host), memories_(kMemCapacity) {}

void Mem::set_count(int count) {
  count_ = std::clamp(count, 0, kMemCapacity);
}

void Mem::Clear() {
  for (int i = 0; i < count_; ++i) {
    memories_[i].name.clear();
    memories_[i].words.Clear();
  }
  count_ = 0;
}

int Mem::Find(std::string_view name) const {
  for (int i = 0; i < count_; ++i)
    if (memories_[i].name == name) return i;
  return -1;
}

int Mem::Append(std::string name) {
  if (count_ >= kMemCapacity) return -1;
  Memory& memory = memories_[count_];
  memory.name = std::move(name);
  memory.words.Clear();
  return count_++;
}

Mem::RecordEnd Mem::ReadMemoryRecord(std::istream& in) {
  std::string name;
  if (!ReadWord(in, name)) return RecordEnd::kTruncated;
  int index = Find(name);
  if (index < 0) index = Append(std::move(name));
  // A refused memory's words are still read, so that reading goes on after
  // its `z`.
  std::string address_text;
  while (ReadWord(in, address_text)) {
    if (address_text == "z") return index < 0 ? RecordEnd::kRefused : RecordEnd::kComplete;
    std::string data_text;
    if (!ReadWord(in, data_text)) break;
    if (index >= 0) {
      const MemAddress address = HexValue(address_text);
      memories_[index].words.Insert(
          MemWord{address, std::move(address_text), std::move(data_text)});
    }
  }
  return RecordEnd::kTruncated;
}

bool Mem::ReadMemory(std::istream& in) {
  if (ReadMemoryRecord(in) == RecordEnd::kComplete) return true;
  ShowDamagedWarning();
  return false;
}

void Mem::ShowDamagedWarning() const {
  host_->Warn(kDamagedMemoryText);
}

void Mem::WriteMemories(std::ostream& out) const {
  std::string text;
  for (int i = 0; i < count_; ++i) {
    const Memory& memory = memories_[i];
    if (!IsWord(memory.name) || memory.words.empty()) continue;
    text = "m  ";
    text += memory.name;
    text += "\n   ";
    std::size_t column = 3;
    for (const MemWord& word : memory.words) {
      // A word that would not read back as its own pair is left out: an empty
      // text (the editor makes those), or an address text that ends the record.
      if (!IsWord(word.address_text) || !IsWord(word.data_text) || word.address_text == "z")
        continue;
      text += word.address_text;
      text += ' ';
      text += word.data_text;
      text += "  ";
      column += word.address_text.size() + word.data_text.size() + 3;
      if (column >= 70) {
        text += "\n   ";
        column = 3;
      }
    }
    text += "z\n";
    out << text;
  }
}

}  // namespace lumo
