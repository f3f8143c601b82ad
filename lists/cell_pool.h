#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "lists/list_cell.h"

namespace lumo {

// Owns the cells of one list structure and the bytes of its strings. Cells
// are taken from pages carved out of slabs that grow as the structure does,
// so a small list costs a page and a large one about 17 bytes per cell. One
// byte strings and small integers are made once per pool and shared, which
// is what keeps lists of short names compact. Nothing is freed one by one:
// Clear frees everything.
class CellPool {
 public:
  CellPool() = default;
  CellPool(const CellPool&) = delete;
  CellPool& operator=(const CellPool&) = delete;
  ~CellPool() { Clear(); }

  ListCell* Cons(ListCell* car, ListCell* cdr);
  ListCell* Long(std::int32_t value);
  ListCell* Double(double value);
  ListCell* String(std::string_view text);
  // A cell of this pool with the same kind and value as `cell`; a cons copy
  // keeps the references (the caller relinks them). Nil stays nil.
  ListCell* Copy(const ListCell& cell);

  void Clear();
  void Swap(CellPool& other) noexcept;

 private:
  static constexpr std::int32_t kSharedLongMin = -1;
  static constexpr std::int32_t kSharedLongMax = 255;

  ListCell* Allocate(ListCell::Kind kind);
  const char* StoreBytes(std::string_view text);

  struct Slab {
    char* memory;
    std::size_t pages;
  };
  std::vector<Slab> slabs_;
  char* page_ = nullptr;  // the page cells are taken from; null before the first
  std::size_t next_slot_ = ListCell::kSlots;
  std::size_t pages_left_ = 0;  // unused pages after page_ in the last slab

  std::vector<std::unique_ptr<char[]>> byte_chunks_;
  char* bytes_ = nullptr;
  std::size_t bytes_left_ = 0;

  // Made on first use: the shared one-byte strings and small integers.
  std::unique_ptr<ListCell*[]> shared_;
};

}  // namespace lumo
