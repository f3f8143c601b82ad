#include "lists/cell_pool.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "lists/error_message.h"

namespace lumo {

namespace {

// Slabs double from one page up to this many, so that small lists stay small
// and a large one needs few allocations.
constexpr std::size_t kMaxSlabPages = 256;
constexpr std::size_t kFirstByteChunk = 256;
constexpr std::size_t kMaxByteChunk = 64 * 1024;
constexpr std::size_t kSharedStrings = 256;

}  // namespace

ListCell* CellPool::Allocate(ListCell::Kind kind) {
  if (next_slot_ == ListCell::kSlots) {
    if (pages_left_ == 0) {
      const std::size_t pages =
          slabs_.empty() ? 1 : std::min(kMaxSlabPages, slabs_.back().pages * 2);
      slabs_.reserve(slabs_.size() + 1);
      auto* memory = static_cast<char*>(
          ::operator new (pages* ListCell::kPageBytes, std::align_val_t{ListCell::kPageBytes}));
      slabs_.push_back({memory, pages});
      page_ = memory;
      pages_left_ = pages - 1;
    } else {
      page_ += ListCell::kPageBytes;
      --pages_left_;
    }
    next_slot_ = ListCell::kFirstSlot;
  }
  page_[next_slot_] = kind;
  return new (page_ + next_slot_++ * sizeof(ListCell)) ListCell;
}

const char* CellPool::StoreBytes(std::string_view text) {
  if (text.size() > bytes_left_) {
    const std::size_t grown = std::min(kMaxByteChunk, kFirstByteChunk << byte_chunks_.size());
    const std::size_t size = std::max(text.size(), grown);
    byte_chunks_.reserve(byte_chunks_.size() + 1);
    byte_chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    bytes_ = byte_chunks_.back().get();
    bytes_left_ = size;
  }
  char* stored = bytes_;
  if (!text.empty()) std::memcpy(stored, text.data(), text.size());
  bytes_ += text.size();
  bytes_left_ -= text.size();
  return stored;
}

ListCell* CellPool::Cons(ListCell* car, ListCell* cdr) {
  ListCell* cell = Allocate(ListCell::kCons);
  cell->u_.pair.car = car;
  cell->u_.pair.cdr = cdr;
  return cell;
}

ListCell* CellPool::Long(std::int32_t value) {
  const bool shared = value >= kSharedLongMin && value <= kSharedLongMax;
  ListCell** slot = nullptr;
  if (shared) {
    if (!shared_) {
      shared_ = std::make_unique<ListCell*[]>(kSharedStrings + kSharedLongMax - kSharedLongMin + 1);
    }
    slot = &shared_[kSharedStrings + static_cast<std::size_t>(value - kSharedLongMin)];
    if (*slot != nullptr) return *slot;
  }
  ListCell* cell = Allocate(ListCell::kLong);
  cell->u_.long_value = value;
  if (slot != nullptr) *slot = cell;
  return cell;
}

ListCell* CellPool::Double(double value) {
  ListCell* cell = Allocate(ListCell::kDouble);
  cell->u_.double_value = value;
  return cell;
}

ListCell* CellPool::String(std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) throw ListError("List::Read size");
  ListCell** slot = nullptr;
  if (text.size() == 1) {
    if (!shared_) {
      shared_ = std::make_unique<ListCell*[]>(kSharedStrings + kSharedLongMax - kSharedLongMin + 1);
    }
    slot = &shared_[static_cast<unsigned char>(text[0])];
    if (*slot != nullptr) return *slot;
  }
  const char* bytes = StoreBytes(text);
  ListCell* cell = Allocate(ListCell::kString);
  cell->u_.text.data = bytes;
  cell->u_.text.size = static_cast<std::uint32_t>(text.size());
  if (slot != nullptr) *slot = cell;
  return cell;
}

ListCell* CellPool::Copy(const ListCell& cell) {
  switch (cell.kind()) {
    case ListCell::kLong:
      return Long(cell.long_value());
    case ListCell::kDouble:
      return Double(cell.double_value());
    case ListCell::kString:
      return String(cell.text());
    case ListCell::kCons:
      return Cons(cell.car(), cell.cdr());
    case ListCell::kNil:
      break;
  }
  return NilCell();
}

void CellPool::Clear() {
  for (const Slab& slab : slabs_)
    ::operator delete (slab.memory, std::align_val_t{ListCell::kPageBytes});
  slabs_.clear();
  page_ = nullptr;
  next_slot_ = ListCell::kSlots;
  pages_left_ = 0;
  byte_chunks_.clear();
  bytes_ = nullptr;
  bytes_left_ = 0;
  shared_.reset();
}

void CellPool::Swap(CellPool& other) noexcept {
  std::swap(slabs_, other.slabs_);
  std::swap(page_, other.page_);
  std::swap(next_slot_, other.next_slot_);
  std::swap(pages_left_, other.pages_left_);
  std::swap(byte_chunks_, other.byte_chunks_);
  std::swap(bytes_, other.bytes_);
  std::swap(bytes_left_, other.bytes_left_);
  std::swap(shared_, other.shared_);
}

}  // namespace lumo
