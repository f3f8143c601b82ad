#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

template <class T>
class NameIndex;

// What a record needs to be found by name: its rank (records nearer the head
// of their list have greater ranks) and links to the other records of the
// same name, in list order.
template <class T>
class NameIndexLinks {
 private:
  friend class NameIndex<T>;
  std::uint64_t rank_ = 0;
  T* same_name_previous_ = nullptr;
  T* same_name_next_ = nullptr;
};

// Finds the first record of a name in list order without walking the list.
// Every name maps to the first of its records; the records of one name are
// chained in list order, so removing the first one promotes the next. Ranks
// must follow the list order (greater is nearer the head); a list that only
// ever grows at its head gets that by numbering records as they are added.
//
// The map is an open-addressing table of (hash, first record) slots with
// linear probing: a lookup touches one slot and the record whose name it
// compares, which keeps large circuits fast.
template <class T>
class NameIndex {
 public:
  T* Find(std::string_view name) const {
    const std::size_t at = SlotOf(name, Hash(name));
    return at == kNone ? nullptr : slots_[at].first;
  }

  // Indexes `record` under its current name. Placing it among the records of
  // that name costs one step per record of the name that lies before it, so
  // a new record at the head of the list is indexed at once.
  void Add(T& record, std::uint64_t rank) {
    record.rank_ = rank;
    record.same_name_previous_ = record.same_name_next_ = nullptr;
    const std::size_t hash = Hash(record.name());
    const std::size_t at = SlotOf(record.name(), hash);
    if (at == kNone) {
      Place(hash, &record);
      return;
    }
    T* first = slots_[at].first;
    if (first->rank_ < rank) {
      record.same_name_next_ = first;
      first->same_name_previous_ = &record;
      slots_[at].first = &record;
      return;
    }
    T* before = first;
    while (before->same_name_next_ != nullptr && before->same_name_next_->rank_ > rank)
      before = before->same_name_next_;
    record.same_name_previous_ = before;
    record.same_name_next_ = before->same_name_next_;
    if (before->same_name_next_ != nullptr) before->same_name_next_->same_name_previous_ = &record;
    before->same_name_next_ = &record;
  }

  // Drops `record`, which must be indexed under its current name.
  void Remove(T& record) {
    T* previous = record.same_name_previous_;
    T* next = record.same_name_next_;
    if (next != nullptr) next->same_name_previous_ = previous;
    if (previous != nullptr) {
      previous->same_name_next_ = next;
    } else {
      const std::size_t at = SlotOf(record.name(), Hash(record.name()));
      if (next != nullptr)
        slots_[at].first = next;
      else
        Erase(at);
    }
    record.same_name_previous_ = record.same_name_next_ = nullptr;
  }

  std::uint64_t RankOf(const T& record) const { return record.rank_; }

  void Clear() {
    slots_.clear();
    used_ = 0;
  }

 private:
  struct Slot {
    std::size_t hash = 0;
    T* first = nullptr;  // null: the slot is free
  };
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  static std::size_t Hash(std::string_view name) { return std::hash<std::string_view>{}(name); }

  std::size_t Mask() const { return slots_.size() - 1; }

  std::size_t SlotOf(std::string_view name, std::size_t hash) const {
    if (slots_.empty()) return kNone;
    for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
      const Slot& slot = slots_[at];
      if (slot.first == nullptr) return kNone;
      if (slot.hash == hash && slot.first->name() == name) return at;
    }
  }

  // Puts a name that is not in the table yet; keeps the table at most half
  // full so probe runs stay short.
  void Place(std::size_t hash, T* first) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    std::size_t at = hash & Mask();
    while (slots_[at].first != nullptr)
      at = (at + 1) & Mask();
    slots_[at] = {hash, first};
    ++used_;
  }

  void Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    used_ = 0;
    for (const Slot& slot : old)
      if (slot.first != nullptr) Place(slot.hash, slot.first);
  }

  // Frees a slot and moves later slots of its probe run back, so every name
  // stays reachable from its home slot without tombstones.
  void Erase(std::size_t hole) {
    for (std::size_t at = (hole + 1) & Mask(); slots_[at].first != nullptr;
         at = (at + 1) & Mask()) {
      const std::size_t home = slots_[at].hash & Mask();
      // The slot may move into the hole when its home does not lie in the
      // cyclic range (hole, at].
      const bool home_after_hole =
          hole <= at ? (home > hole && home <= at) : (home > hole || home <= at);
      if (!home_after_hole) {
        slots_[hole] = slots_[at];
        hole = at;
      }
    }
    slots_[hole] = Slot{};
    --used_;
  }

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace lumo
