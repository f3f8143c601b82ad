#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

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
template <class T>
class NameIndex {
 public:
  T* Find(std::string_view name) const {
    const auto found = first_.find(name);
    return found == first_.end() ? nullptr : found->second;
  }

  // Indexes `record` under its current name. Placing it among the records of
  // that name costs one step per record of the name that lies before it, so
  // a new record at the head of the list is indexed at once.
  void Add(T& record, std::uint64_t rank) {
    record.rank_ = rank;
    auto [slot, fresh] = first_.try_emplace(record.name(), &record);
    record.same_name_previous_ = record.same_name_next_ = nullptr;
    if (fresh) return;
    T* first = slot->second;
    if (first->rank_ < rank) {
      record.same_name_next_ = first;
      first->same_name_previous_ = &record;
      slot->second = &record;
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
      const auto found = first_.find(std::string_view(record.name()));
      if (next != nullptr)
        found->second = next;
      else
        first_.erase(found);
    }
    record.same_name_previous_ = record.same_name_next_ = nullptr;
  }

  std::uint64_t RankOf(const T& record) const { return record.rank_; }

  void Clear() { first_.clear(); }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, T*, Hash, std::equal_to<>> first_;
};

}  // namespace lumo
