#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumo {

class CellPool;

// One cell of a list structure: a cons (car, cdr), a 32-bit integer, a double,
// a byte string, or the nil cell. The kind tags are the letters the error
// texts and checks use.
//
// A cell is 16 bytes and lives in a page of a CellPool (or, for nil, a page
// of its own); its kind is kept in a table at the start of that page, found
// from the cell's address, so that a large list costs little more than its
// cons cells. Atoms are never changed once made, and a pool may hand out one
// cell for equal short atoms.
class ListCell {
 public:
  enum Kind : char { kCons = 'c', kLong = 'i', kDouble = 'r', kString = 's', kNil = 'n' };

  // Pages are aligned to their size; a page's first kFirstSlot slots hold the
  // kinds of all its slots.
  static constexpr std::size_t kPageBytes = 4096;
  static constexpr std::size_t kSlots = kPageBytes / 16;
  static constexpr std::size_t kFirstSlot = kSlots / 16;

  ListCell(const ListCell&) = delete;
  ListCell& operator=(const ListCell&) = delete;

  Kind kind() const {
    const auto address = reinterpret_cast<std::uintptr_t>(this);
    const auto* kinds = reinterpret_cast<const char*>(address & ~(kPageBytes - 1));
    return static_cast<Kind>(kinds[(address & (kPageBytes - 1)) / sizeof(ListCell)]);
  }
  bool IsNil() const;
  bool IsCons() const { return kind() == kCons; }
  bool IsAtom() const {
    const Kind k = kind();
    return k == kLong || k == kDouble || k == kString;
  }

  ListCell* car() const { return u_.pair.car; }
  ListCell* cdr() const { return u_.pair.cdr; }
  void set_car(ListCell* cell) { u_.pair.car = cell; }
  void set_cdr(ListCell* cell) { u_.pair.cdr = cell; }
  std::int32_t long_value() const { return u_.long_value; }
  double double_value() const { return u_.double_value; }
  // The bytes live in the cell's pool, as long as the cell does.
  std::string_view text() const { return {u_.text.data, u_.text.size}; }

 private:
  friend class CellPool;
  friend ListCell* NilCell();
  ListCell() = default;

  union {
    struct {
      ListCell* car;
      ListCell* cdr;
    } pair;
    std::int32_t long_value;
    double double_value;
    struct {
      const char* data;
      std::uint32_t size;
    } text;
  } u_{};
};

static_assert(sizeof(ListCell) == 16);

// The one nil cell of the program; its car and cdr are itself. A cell is nil
// exactly when it is this cell.
ListCell* NilCell();

inline bool ListCell::IsNil() const {
  return this == NilCell();
}

}  // namespace lumo
