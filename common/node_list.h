#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <type_traits>
#include <utility>

namespace lumo {

template <class T>
class NodeList;

// The links of a record kept in a NodeList. Callers walk the list with
// next(); only the list relinks.
template <class T>
class Linked {
 public:
  T* next() const { return next_; }
  T* previous() const { return previous_; }

 private:
  friend class NodeList<T>;
  T* previous_ = nullptr;
  T* next_ = nullptr;
};

// Walks records from a first one to the end along one of their links: by
// default next(), the link of their NodeList; a record may keep further
// links of its own (the terminals on a signal, the line ends at a junction)
// and name the member function that follows one as `Next`. The step is known
// at compile time, so a walk is a plain pointer chase. T may be const.
template <class T, auto Next = nullptr>
class NodeRange {
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
      // Decided by the type, not by comparing the pointer: the sanitizers'
      // builds do not take a member pointer's comparison as a constant.
      if constexpr (std::is_same_v<decltype(Next), std::nullptr_t>)
        node_ = node_->next();
      else
        node_ = (node_->*Next)();
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++*this;
      return old;
    }
    bool operator==(const Iterator&) const = default;

   private:
    T* node_ = nullptr;
  };

  explicit NodeRange(T* first) : first_(first) {}
  Iterator begin() const { return Iterator(first_); }
  Iterator end() const { return Iterator(); }

 private:
  T* first_;
};

// The one intrusive list of the program: an owning doubly linked list of
// records that derive from Linked<T>. The order of the records is the order
// callers see and files keep, so every operation says where a record goes:
// new records go to the head unless placed after a given one, and a record
// keeps its place until it is unlinked. Unlinking any record and counting
// are constant time.
template <class T>
class NodeList {
 public:
  NodeList() = default;
  ~NodeList() { Clear(); }
  NodeList(const NodeList&) = delete;
  NodeList& operator=(const NodeList&) = delete;
  NodeList(NodeList&& other) noexcept
      : head_(std::exchange(other.head_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  NodeList& operator=(NodeList&& other) noexcept {
    if (this != &other) {
      Clear();
      head_ = std::exchange(other.head_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }

  T* head() const { return head_; }
  std::size_t size() const { return size_; }
  bool empty() const { return head_ == nullptr; }

  T& PushFront(std::unique_ptr<T> owned) { return InsertAfter(nullptr, std::move(owned)); }

  // Links the record after `at`, which must be in this list; a null `at`
  // means in front.
  T& InsertAfter(T* at, std::unique_ptr<T> owned) {
    T* node = owned.release();
    Linked<T>& links = *node;
    T*& place = at == nullptr ? head_ : Links(*at).next_;
    links.previous_ = at;
    links.next_ = place;
    if (place != nullptr) Links(*place).previous_ = node;
    place = node;
    ++size_;
    return *node;
  }

  // Takes `node`, which must be in this list, out of it and hands it back.
  std::unique_ptr<T> Unlink(T& node) {
    Linked<T>& links = node;
    if (links.previous_ != nullptr)
      Links(*links.previous_).next_ = links.next_;
    else
      head_ = links.next_;
    if (links.next_ != nullptr) Links(*links.next_).previous_ = links.previous_;
    links.previous_ = links.next_ = nullptr;
    --size_;
    return std::unique_ptr<T>(&node);
  }

  // Unlinks and frees `node`, which must be in this list.
  void Remove(T& node) { Unlink(node); }

  // True when `node` is one of this list's records (a walk of the list).
  bool Contains(const T* node) const {
    for (const T* n = head_; n != nullptr; n = n->next())
      if (n == node) return true;
    return false;
  }

  void Clear() {
    while (head_ != nullptr) {
      T* victim = head_;
      head_ = Links(*head_).next_;
      delete victim;
    }
    size_ = 0;
  }

  void Reverse() {
    T* node = head_;
    while (node != nullptr) {
      Linked<T>& links = *node;
      std::swap(links.previous_, links.next_);
      head_ = node;
      node = links.previous_;
    }
  }

  // Inserts after every record whose key is equal or smaller, so records of
  // equal key keep the order they were inserted in.
  template <class KeyOf>
  T& InsertByKey(std::unique_ptr<T> owned, KeyOf key_of) {
    const auto key = key_of(*owned);
    T* at = nullptr;
    for (T* n = head_; n != nullptr && !(key < key_of(*n)); n = n->next())
      at = n;
    return InsertAfter(at, std::move(owned));
  }

  // The first record, in list order, of that key; null when there is none.
  template <class Key, class KeyOf>
  T* FindByKey(const Key& key, KeyOf key_of) const {
    for (T* n = head_; n != nullptr; n = n->next())
      if (key_of(*n) == key) return n;
    return nullptr;
  }

  NodeRange<T> Items() { return NodeRange<T>(head_); }
  NodeRange<const T> Items() const { return NodeRange<const T>(head_); }
  typename NodeRange<T>::Iterator begin() { return Items().begin(); }
  typename NodeRange<T>::Iterator end() { return Items().end(); }
  typename NodeRange<const T>::Iterator begin() const { return Items().begin(); }
  typename NodeRange<const T>::Iterator end() const { return Items().end(); }

 private:
  // The links of a record; Linked<T> makes the list its friend.
  static Linked<T>& Links(T& node) { return node; }

  T* head_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace lumo
