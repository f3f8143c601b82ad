#pragma once

#include <cstddef>
#include <iterator>
#include <memory>

namespace lumo {

template <class T>
class Chain;

// The links of a record kept in a Chain. Callers walk the chain with next();
// only the chain relinks.
template <class T>
class ChainNode {
 public:
  T* next() const { return next_; }
  T* previous() const { return previous_; }

 private:
  friend class Chain<T>;
  T* previous_ = nullptr;
  T* next_ = nullptr;
};

// Walks a chain from a given node to its end. T may be const.
template <class T>
class ChainRange {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::remove_const_t<T>;
    using difference_type = std::ptrdiff_t;
    using pointer = T*;
    using reference = T&;
    Iterator() = default;
    explicit Iterator(T* node) : node_(node) {}
    T& operator*() const { return *node_; }
    T* operator->() const { return node_; }
    Iterator& operator++() {
      node_ = node_->next();
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      node_ = node_->next();
      return old;
    }
    bool operator==(const Iterator&) const = default;

   private:
    T* node_ = nullptr;
  };

  explicit ChainRange(T* head) : head_(head) {}
  Iterator begin() const { return Iterator(head_); }
  Iterator end() const { return Iterator(); }

 private:
  T* head_;
};

// An owning doubly linked list in which new records go to the head, so the
// list runs newest first. Unlinking any record is constant time.
template <class T>
class Chain {
 public:
  Chain() = default;
  Chain(const Chain&) = delete;
  Chain& operator=(const Chain&) = delete;
  ~Chain() { Clear(); }

  T* head() const { return head_; }
  std::size_t size() const { return size_; }
  bool empty() const { return head_ == nullptr; }

  T& PushFront(std::unique_ptr<T> owned) {
    T* node = owned.release();
    node->previous_ = nullptr;
    node->next_ = head_;
    if (head_ != nullptr) head_->previous_ = node;
    head_ = node;
    ++size_;
    return *node;
  }

  // Takes `node`, which must be in this chain, out of it and hands it back.
  std::unique_ptr<T> Unlink(T& node) {
    if (node.previous_ != nullptr)
      node.previous_->next_ = node.next_;
    else
      head_ = node.next_;
    if (node.next_ != nullptr) node.next_->previous_ = node.previous_;
    node.previous_ = node.next_ = nullptr;
    --size_;
    return std::unique_ptr<T>(&node);
  }

  void Clear() {
    while (head_ != nullptr) {
      T* victim = head_;
      head_ = head_->next_;
      delete victim;
    }
    size_ = 0;
  }

  ChainRange<T> Items() { return ChainRange<T>(head_); }
  ChainRange<const T> Items() const { return ChainRange<const T>(head_); }

 private:
  T* head_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace lumo
