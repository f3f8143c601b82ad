#include "editing/mem_edits.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace lumo {

namespace {

constexpr std::size_t kStepOverhead = 64;

bool Typeable(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 33 && code <= 126;
}

bool IsEmptyRow(const Memory& memory) {
  return memory.name.empty() && memory.words.empty();
}

bool InTable(int row) {
  return row >= 0 && row < kMemCapacity;
}

std::size_t WordsBytes(const std::vector<MemWord>& words) {
  std::size_t bytes = 0;
  for (const MemWord& word : words)
    bytes += sizeof(MemWord) + word.address_text.size() + word.data_text.size();
  return bytes;
}

std::size_t MemoryBytes(const Memory& memory) {
  std::size_t bytes = memory.name.size();
  for (const MemWord& word : memory.words)
    bytes += sizeof(MemWord) + word.address_text.size() + word.data_text.size();
  return bytes;
}

bool SameWords(const std::vector<MemWord>& a, const std::vector<MemWord>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MemWord& x, const MemWord& y) {
    return x.address == y.address && x.address_text == y.address_text && x.data_text == y.data_text;
  });
}

// Entry `lo` goes to `hi` and the entries between move up by one (up), or
// entry `hi` goes to `lo` and the entries between move down (down).
void RotateUp(Mem& mem, int lo, int hi) {
  for (int i = lo; i < hi; ++i)
    std::swap(mem.memory(i), mem.memory(i + 1));
}
void RotateDown(Mem& mem, int lo, int hi) {
  for (int i = hi; i > lo; --i)
    std::swap(mem.memory(i), mem.memory(i - 1));
}

// Every word of one address, taken out in list order.
std::vector<MemWord> TakeAddress(WordList& words, MemAddress address) {
  std::vector<MemWord> taken;
  while (const MemWord* word = words.Find(address)) {
    taken.push_back(*word);
    words.Remove(address);
  }
  return taken;
}

// Puts back words of one address that none in the list has: each goes
// behind the one before, so their order stays.
void PutAddress(WordList& words, const std::vector<MemWord>& put) {
  for (const MemWord& word : put)
    words.Insert(word);
}

// A name change, with the count the table had before and has after.
class NameStep : public EditStep {
 public:
  NameStep(Mem& mem, int row, std::string before, int count_before)
      : mem_(mem),
        row_(row),
        before_(std::move(before)),
        after_(mem.memory(row).name),
        count_before_(count_before),
        count_after_(mem.count()) {}
  void Undo() override { Set(before_, count_before_); }
  void Redo() override { Set(after_, count_after_); }
  std::size_t Bytes() const override { return kStepOverhead + before_.size() + after_.size(); }

 private:
  void Set(const std::string& name, int count) {
    mem_.memory(row_).name = name;
    mem_.set_count(count);
  }
  Mem& mem_;
  int row_;
  std::string before_, after_;
  int count_before_, count_after_;
};

// A cell change: the words of its address before and after.
class CellStep : public EditStep {
 public:
  CellStep(Mem& mem, int row, MemAddress address, std::vector<MemWord> before,
           std::vector<MemWord> after, int count_before)
      : mem_(mem),
        row_(row),
        address_(address),
        before_(std::move(before)),
        after_(std::move(after)),
        count_before_(count_before),
        count_after_(mem.count()) {}
  void Undo() override { Set(before_, count_before_); }
  void Redo() override { Set(after_, count_after_); }
  std::size_t Bytes() const override {
    return kStepOverhead + WordsBytes(before_) + WordsBytes(after_);
  }

 private:
  void Set(const std::vector<MemWord>& words, int count) {
    WordList& list = mem_.memory(row_).words;
    TakeAddress(list, address_);
    PutAddress(list, words);
    mem_.set_count(count);
  }
  Mem& mem_;
  int row_;
  MemAddress address_;
  std::vector<MemWord> before_, after_;
  int count_before_, count_after_;
};

class CountStep : public EditStep {
 public:
  CountStep(Mem& mem, int before) : mem_(mem), before_(before), after_(mem.count()) {}
  void Undo() override { mem_.set_count(before_); }
  void Redo() override { mem_.set_count(after_); }
  std::size_t Bytes() const override { return kStepOverhead; }

 private:
  Mem& mem_;
  int before_, after_;
};

// Takes row r out of a table of n rows into the slot: the entry goes to the
// end by rotation, then into the slot, leaving an empty entry n - 1.
void TakeOut(Mem& mem, MemDeleteSlot& slot, int row, int last) {
  RotateUp(mem, row, last);
  slot.saved = std::move(mem.memory(last));
  mem.memory(last) = Memory{};
  slot.row = row;
}

// The reverse: the slot's memory enters the empty entry `last` and rotates
// down to its row.
void PutIn(Mem& mem, MemDeleteSlot& slot, int row, int last) {
  mem.memory(last) = std::move(slot.saved);
  slot.saved = Memory{};
  slot.row = -1;
  RotateDown(mem, row, last);
}

// A row delete. The step keeps what the slot held before, so undoing puts
// the row back and gives the slot its earlier content.
class DeleteStep : public EditStep {
 public:
  DeleteStep(Mem& mem, std::shared_ptr<MemDeleteSlot> slot, int row, int count, MemDeleteSlot prev)
      : mem_(mem), slot_(std::move(slot)), row_(row), count_(count), prev_(std::move(prev)) {}
  void Undo() override {
    PutIn(mem_, *slot_, row_, count_ - 1);
    *slot_ = std::move(prev_);
    mem_.set_count(count_);
  }
  void Redo() override {
    prev_ = std::move(*slot_);
    TakeOut(mem_, *slot_, row_, count_ - 1);
    mem_.set_count(count_ - 1);
  }
  std::size_t Bytes() const override {
    return kStepOverhead + MemoryBytes(prev_.saved) + MemoryBytes(slot_->saved);
  }

 private:
  Mem& mem_;
  std::shared_ptr<MemDeleteSlot> slot_;
  int row_, count_;
  MemDeleteSlot prev_;
};

// A restore from the slot into the empty entry `last` (the count, or the
// row itself when it lies beyond the count).
class RestoreStep : public EditStep {
 public:
  RestoreStep(Mem& mem, std::shared_ptr<MemDeleteSlot> slot, int row, int last, int count)
      : mem_(mem), slot_(std::move(slot)), row_(row), last_(last), count_(count) {}
  void Undo() override {
    TakeOut(mem_, *slot_, row_, last_);
    mem_.set_count(count_);
  }
  void Redo() override {
    PutIn(mem_, *slot_, row_, last_);
    mem_.set_count(last_ + 1);
  }
  std::size_t Bytes() const override { return kStepOverhead + MemoryBytes(mem_.memory(row_)); }

 private:
  Mem& mem_;
  std::shared_ptr<MemDeleteSlot> slot_;
  int row_, last_, count_;
};

class MoveStep : public EditStep {
 public:
  MoveStep(Mem& mem, int from, int to, int count_before)
      : mem_(mem), from_(from), to_(to), count_before_(count_before), count_after_(mem.count()) {}
  void Undo() override {
    Rotate(to_, from_);
    mem_.set_count(count_before_);
  }
  void Redo() override {
    Rotate(from_, to_);
    mem_.set_count(count_after_);
  }
  std::size_t Bytes() const override { return kStepOverhead; }

 private:
  void Rotate(int from, int to) {
    if (from < to)
      RotateUp(mem_, from, to);
    else
      RotateDown(mem_, to, from);
  }
  Mem& mem_;
  int from_, to_;
  int count_before_, count_after_;
};

}  // namespace

std::unique_ptr<EditStep> JoinMemRow(Mem& mem, int row) {
  if (!InTable(row) || row < mem.count()) return nullptr;
  const int before = mem.count();
  mem.set_count(row + 1);
  return std::make_unique<CountStep>(mem, before);
}

std::unique_ptr<EditStep> AppendToMemName(Mem& mem, int row, char c) {
  if (!InTable(row) || !Typeable(c)) return nullptr;
  const int count = mem.count();
  std::string before = mem.memory(row).name;
  mem.memory(row).name.push_back(c);
  mem.set_count(std::max(count, row + 1));
  return std::make_unique<NameStep>(mem, row, std::move(before), count);
}

std::unique_ptr<EditStep> ShortenMemName(Mem& mem, int row) {
  if (!InTable(row) || mem.memory(row).name.empty()) return nullptr;
  const int count = mem.count();
  std::string before = mem.memory(row).name;
  mem.memory(row).name.pop_back();
  mem.set_count(std::max(count, row + 1));
  return std::make_unique<NameStep>(mem, row, std::move(before), count);
}

namespace {

// Replaces the first word of an address (or makes one) as `edit` says.
template <class Edit>
std::unique_ptr<EditStep> EditCell(Mem& mem, int row, MemAddress address, Edit edit) {
  if (!InTable(row)) return nullptr;
  const int count = mem.count();
  WordList& list = mem.memory(row).words;
  std::vector<MemWord> before = TakeAddress(list, address);
  std::vector<MemWord> after = before;
  if (after.empty()) after.push_back(MemWord{address, {}, {}});
  after.front().address_text = HexText(address);
  edit(after.front().data_text);
  PutAddress(list, after);
  if (SameWords(before, after)) return nullptr;
  mem.set_count(std::max(count, row + 1));
  return std::make_unique<CellStep>(mem, row, address, std::move(before), std::move(after), count);
}

}  // namespace

std::unique_ptr<EditStep> AppendToMemCell(Mem& mem, int row, MemAddress address, char c) {
  if (!Typeable(c)) return nullptr;
  return EditCell(mem, row, address, [c](std::string& data) { data.push_back(c); });
}

std::unique_ptr<EditStep> ShortenMemCell(Mem& mem, int row, MemAddress address) {
  return EditCell(mem, row, address, [](std::string& data) {
    if (!data.empty()) data.pop_back();
  });
}

std::unique_ptr<EditStep> DeleteMemRow(Mem& mem, std::shared_ptr<MemDeleteSlot> slot, int row) {
  const int count = mem.count();
  if (row < 0 || row >= count) return nullptr;
  MemDeleteSlot prev = std::move(*slot);
  TakeOut(mem, *slot, row, count - 1);
  mem.set_count(count - 1);
  return std::make_unique<DeleteStep>(mem, std::move(slot), row, count, std::move(prev));
}

std::unique_ptr<EditStep> RestoreMemRow(Mem& mem, std::shared_ptr<MemDeleteSlot> slot) {
  const int row = slot->row;
  const int count = mem.count();
  const int last = std::max(count, row);
  // The entry the rotation fills must be free, or a memory would be lost.
  if (!InTable(row) || !InTable(last) || !IsEmptyRow(mem.memory(last))) return nullptr;
  PutIn(mem, *slot, row, last);
  mem.set_count(last + 1);
  return std::make_unique<RestoreStep>(mem, std::move(slot), row, last, count);
}

std::unique_ptr<EditStep> MoveMemRow(Mem& mem, int from, int to) {
  if (!InTable(from) || !InTable(to) || from == to) return nullptr;
  const int before = mem.count();
  int count = before;
  if (from < to) {
    RotateUp(mem, from, to);
    count = std::max(count, to + 1);
  } else {
    RotateDown(mem, to, from);
    if (from >= count) count = std::min(count + 1, kMemCapacity);
  }
  while (count > 1 && IsEmptyRow(mem.memory(count - 1)))
    --count;
  mem.set_count(count);
  return std::make_unique<MoveStep>(mem, from, to, before);
}

}  // namespace lumo
