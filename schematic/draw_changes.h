#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace lumo {

class Draw;
class DrawElement;
class DrawJunction;
class DrawLine;
class DrawTerminal;

// What one edit did to the records of a schematic, kept so that the edit can
// be taken back and made again exactly: every field it set (old and new
// value), every record it linked into or out of a list (with the record it
// followed), and every record it put into or took out of a position index
// (with its serial). Nothing else of the schematic is copied.
//
// Taking back replays the changes in reverse order; making again replays
// them in order. Each replay starts from the state the recording saw, so a
// record goes back exactly where it was, lists keep their order, and the
// chains of line ends and the indexes come back as they were.
//
// Records never die while changes may need them: a record out of the
// schematic after the edit (deleted) or before it (made by it) is owned by
// these changes while it is out, and freed with them.
class DrawChanges {
 public:
  // Records the changes Draw makes from now until Stop().
  explicit DrawChanges(Draw& draw);
  ~DrawChanges();
  DrawChanges(const DrawChanges&) = delete;
  DrawChanges& operator=(const DrawChanges&) = delete;

  // Ends the recording: works out which records these changes own.
  void Stop();
  bool empty() const { return changes_.empty(); }
  // The schematic before and after the edit; false once it was cleared or
  // read again since, when no record named here may be touched.
  bool Applies() const;

  // Both return false, changing nothing, when the changes do not apply.
  bool Undo();
  bool Redo();

  // About how many bytes the changes keep, with the records they own.
  std::size_t Bytes() const { return bytes_; }

 private:
  friend class Draw;
  enum class Op : std::uint8_t { kField, kName, kLink, kUnlink, kIndex, kUnindex };
  enum class Kind : std::uint8_t { kNone, kElement, kTerminal, kLine, kJunction };

  struct Change {
    Op op;
    Kind kind;
    std::uint8_t size;           // of a field
    void* where;                 // the field, or the record
    void* after;                 // a linked record's predecessor in its list (null: the head)
    std::uint64_t before_value;  // old value of a field; serial of an indexed record
    std::uint64_t after_value;
  };

  // For Draw: the recording of each kind of change, made before the change.
  template <class V>
  void Field(V& field, const V& value) {
    static_assert(std::is_trivially_copyable_v<V> && sizeof(V) <= sizeof(std::uint64_t));
    if (std::memcmp(&field, &value, sizeof(V)) == 0) return;
    Change change{Op::kField, Kind::kNone, sizeof(V), &field, nullptr, 0, 0};
    std::memcpy(&change.before_value, &field, sizeof(V));
    std::memcpy(&change.after_value, &value, sizeof(V));
    changes_.push_back(change);
  }
  void Name(std::string& field, const std::string& value);
  template <class T>
  void Linked(T& record, T* after) {
    changes_.push_back({Op::kLink, KindOf<T>(), 0, &record, after, 0, 0});
  }
  template <class T>
  void Unlinked(T& record, T* after) {
    changes_.push_back({Op::kUnlink, KindOf<T>(), 0, &record, after, 0, 0});
  }
  template <class T>
  void Indexed(T& record, std::uint64_t serial) {
    changes_.push_back({Op::kIndex, KindOf<T>(), 0, &record, nullptr, serial, 0});
  }
  template <class T>
  void Unindexed(T& record, std::uint64_t serial) {
    changes_.push_back({Op::kUnindex, KindOf<T>(), 0, &record, nullptr, serial, 0});
  }
  template <class T>
  static constexpr Kind KindOf() {
    if constexpr (std::is_same_v<T, DrawElement>) return Kind::kElement;
    if constexpr (std::is_same_v<T, DrawTerminal>) return Kind::kTerminal;
    if constexpr (std::is_same_v<T, DrawLine>) return Kind::kLine;
    if constexpr (std::is_same_v<T, DrawJunction>) return Kind::kJunction;
    return Kind::kNone;
  }

  void Apply(const Change& change, bool forward);
  template <class T>
  void Relink(const Change& change, bool link);
  template <class T>
  void Reindex(const Change& change, bool add);
  void Free(Kind kind, void* record);

  // A record these changes linked or unlinked: out of the schematic before
  // the edit, after it, or both.
  struct Owned {
    Kind kind;
    void* record;
    bool out_before;
    bool out_after;
  };

  Draw& draw_;
  bool recording_ = true;
  bool done_ = true;
  std::uint64_t reads_;
  std::uint64_t generation_before_;
  std::uint64_t generation_after_ = 0;
  std::vector<Change> changes_;
  std::vector<std::string> names_;  // the old and new values of kName changes
  std::vector<Owned> owned_;
  std::size_t bytes_ = 0;
};

}  // namespace lumo
