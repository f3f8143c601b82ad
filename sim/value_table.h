#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumo {

// A simulated value is a string of "0"/"1" characters with bit 0 first, or
// holds "x" (unknown) or "z" (high impedance). The kernel handles values by
// id: each distinct string is stored once, so comparing two values is
// comparing two integers and the common one-bit values need no strings.
using ValueId = std::uint32_t;

inline constexpr ValueId kValue0 = 0;
inline constexpr ValueId kValue1 = 1;
inline constexpr ValueId kValueX = 2;
inline constexpr ValueId kValueZ = 3;

class ValueTable {
 public:
  ValueTable();

  // The id of `text`, which must not be empty.
  ValueId Intern(std::string_view text);
  const std::string& Text(ValueId id) const { return texts_[id]; }
  // The number of distinct values: ids run from 0 to size() - 1.
  std::size_t size() const { return texts_.size(); }

  // True when the value holds an "x" or a "z" anywhere: such values are
  // recorded but never passed on to other elements.
  bool Blocked(ValueId id) const { return (traits_[id] & kBlocked) != 0; }
  bool HasZero(ValueId id) const { return (traits_[id] & kHasZero) != 0; }
  bool HasOne(ValueId id) const { return (traits_[id] & kHasOne) != 0; }
  bool HasOther(ValueId id) const { return (traits_[id] & kHasOther) != 0; }

 private:
  enum : std::uint8_t { kBlocked = 1, kHasZero = 2, kHasOne = 4, kHasOther = 8 };
  std::vector<std::string> texts_;
  std::vector<std::uint8_t> traits_;
  std::unordered_map<std::string, ValueId> ids_;
};

}  // namespace lumo
