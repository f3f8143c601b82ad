#pragma once

#include <cstddef>
#include <iterator>
#include <utility>

namespace lumo {

// A node of a NodeList: the link to the next node comes first, and nodes are
// destroyed through the base so a list may free records it did not create.
template <class T>
struct Linked {
  T* next = nullptr;
  virtual ~Linked() = default;
};

// The singly linked list used for ordered collections. The list owns its
// nodes; the order of the nodes is the order callers see and files keep.
template <class T>
class NodeList {
 public:
  NodeList() = default;
  ~NodeList() { FreeAll(); }
  NodeList(const NodeList&) = delete;
  NodeList& operator=(const NodeList&) = delete;
  NodeList(NodeList&& other) noexcept : head_(std::exchange(other.head_, nullptr)) {}
  NodeList& operator=(NodeList&& other) noexcept {
    if (this != &other) {
      FreeAll();
      head_ = std::exchange(other.head_, nullptr);
    }
    return *this;
  }

  T* Head() const { return head_; }
  bool Empty() const { return head_ == nullptr; }

  void PushFront(T* node) {
    node->next = head_;
    head_ = node;
  }

  // Links node after `at`; a null `at` means in front.
  void InsertAfter(T* at, T* node) {
    if (at == nullptr) {
      PushFront(node);
      return;
    }
    node->next = at->next;
    at->next = node;
  }

  // Takes node out of the list without freeing it; false when it is not in
  // the list.
  bool Unlink(T* node) {
    T** link = &head_;
    while (*link != nullptr && *link != node)
      link = &(*link)->next;
    if (*link == nullptr) return false;
    *link = node->next;
    node->next = nullptr;
    return true;
  }

  void Remove(T* node) {
    if (Unlink(node)) delete node;
  }

  // Frees the node after `at`; a null `at` means the head.
  void RemoveAfter(T* at) {
    T** link = at == nullptr ? &head_ : &at->next;
    T* victim = *link;
    if (victim == nullptr) return;
    *link = victim->next;
    delete victim;
  }

  void FreeAll() {
    while (head_ != nullptr) {
      T* victim = head_;
      head_ = head_->next;
      delete victim;
    }
  }

  void Reverse() {
    T* reversed = nullptr;
    while (head_ != nullptr) {
      T* node = head_;
      head_ = node->next;
      node->next = reversed;
      reversed = node;
    }
    head_ = reversed;
  }

  // Inserts node after every node whose key is equal or smaller, so nodes of
  // equal key keep the order they were inserted in.
  template <class KeyOf>
  void InsertByKey(T* node, KeyOf key_of) {
    const auto key = key_of(*node);
    T* at = nullptr;
    for (T* n = head_; n != nullptr && !(key < key_of(*n)); n = n->next)
      at = n;
    InsertAfter(at, node);
  }

  template <class Key, class KeyOf>
  T* FindByKey(const Key& key, KeyOf key_of) const {
    for (T* n = head_; n != nullptr; n = n->next)
      if (key_of(*n) == key) return n;
    return nullptr;
  }

  template <class Key, class KeyOf>
  bool RemoveByKey(const Key& key, KeyOf key_of) {
    T* found = FindByKey(key, key_of);
    if (found == nullptr) return false;
    Remove(found);
    return true;
  }

  std::size_t Count() const {
    std::size_t count = 0;
    for (T* n = head_; n != nullptr; n = n->next)
      ++count;
    return count;
  }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = T*;
    using reference = T&;
    Iterator() = default;
    explicit Iterator(T* node) : node_(node) {}
    T& operator*() const { return *node_; }
    T* operator->() const { return node_; }
    Iterator& operator++() {
      node_ = node_->next;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      node_ = node_->next;
      return old;
    }
    bool operator==(const Iterator&) const = default;

   private:
    T* node_ = nullptr;
  };

  Iterator begin() const { return Iterator(head_); }
  Iterator end() const { return Iterator(); }

 private:
  T* head_ = nullptr;
};

}  // namespace lumo
