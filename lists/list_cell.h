#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// One cell of a list structure: a cons (car, cdr), a 32-bit integer, a double,
// a byte string, or the nil cell. The kind tags are the letters the error
// texts and checks use.
class ListCell {
 public:
  enum Kind : char { kCons = 'c', kLong = 'i', kDouble = 'r', kString = 's', kNil = 'n' };

  static ListCell* NewCons(ListCell* car, ListCell* cdr);
  static ListCell* NewLong(std::int32_t value);
  static ListCell* NewDouble(double value);
  static ListCell* NewString(std::string_view text);
  // A fresh cell with the same kind and value; a cons copy keeps the
  // references (the caller relinks them).
  static ListCell* ShallowCopy(const ListCell& cell);

  ListCell(const ListCell&) = delete;
  ListCell& operator=(const ListCell&) = delete;
  ~ListCell();

  Kind kind() const { return kind_; }
  bool IsNil() const;
  bool IsCons() const { return kind_ == kCons; }
  bool IsAtom() const { return kind_ == kLong || kind_ == kDouble || kind_ == kString; }

  ListCell* car() const { return u_.pair.car; }
  ListCell* cdr() const { return u_.pair.cdr; }
  void set_car(ListCell* cell) { u_.pair.car = cell; }
  void set_cdr(ListCell* cell) { u_.pair.cdr = cell; }
  std::int32_t long_value() const { return u_.long_value; }
  double double_value() const { return u_.double_value; }
  const std::string& text() const { return *u_.text; }

 private:
  friend ListCell* NilCell();
  explicit ListCell(Kind kind) : kind_(kind) {}

  Kind kind_;
  union {
    struct {
      ListCell* car;
      ListCell* cdr;
    } pair;
    std::int32_t long_value;
    double double_value;
    std::string* text;
  } u_{};
};

// The one nil cell of the program; its car and cdr are itself. A cell is nil
// exactly when it is this cell.
ListCell* NilCell();

inline bool ListCell::IsNil() const {
  return this == NilCell();
}

}  // namespace lumo
