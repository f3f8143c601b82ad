#pragma once

#include <cstddef>
#include <iterator>

namespace lumo {

// Walks records along one of their own links, from a first record to the end.
template <class T, T* (T::*Next)() const>
class LinkRange {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = T*;
    using reference = T&;
    Iterator() = default;
    explicit Iterator(T* record) : record_(record) {}
    T& operator*() const { return *record_; }
    T* operator->() const { return record_; }
    Iterator& operator++() {
      record_ = (record_->*Next)();
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++*this;
      return old;
    }
    bool operator==(const Iterator&) const = default;

   private:
    T* record_ = nullptr;
  };

  explicit LinkRange(T* first) : first_(first) {}
  Iterator begin() const { return Iterator(first_); }
  Iterator end() const { return Iterator(); }

 private:
  T* first_;
};

}  // namespace lumo
