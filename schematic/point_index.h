#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <vector>

#include "schematic/plane_distance.h"

namespace lumo {

template <class T>
class PointIndex;

// What a record needs to be found by position: its serial (records nearer
// the head of their list have greater serials) and its place in its cell.
template <class T>
class PointIndexLinks {
 private:
  friend class PointIndex<T>;
  std::uint64_t serial_ = 0;
  std::size_t cell_slot_ = 0;
};

// A record found nearest to a point and its distance.
template <class T>
struct NearestRecord {
  T* record = nullptr;
  int distance = kNoDistance;
};

// Finds the records of one list by position with the answers of a walk in
// list order, without walking the list: the first record exactly at a point,
// and the nearest record (smallest whole distance, the first in list order
// on ties). List order is given by serials: a list that only grows at its
// head gets it by numbering records as they are added.
//
// T provides x() and y(). A record's position must not change while it is
// indexed: remove it, move it, add it again with the same serial.
template <class T>
class PointIndex {
 public:
  void Add(T& record, std::uint64_t serial) {
    record.serial_ = serial;
    exact_.insert(&record);
    std::vector<T*>& cell = cells_[CellKey(record.x(), record.y())];
    record.cell_slot_ = cell.size();
    cell.push_back(&record);
  }

  void Remove(T& record) {
    exact_.erase(&record);
    const auto found = cells_.find(CellKey(record.x(), record.y()));
    std::vector<T*>& cell = found->second;
    T* last = cell.back();
    cell[record.cell_slot_] = last;
    last->cell_slot_ = record.cell_slot_;
    cell.pop_back();
    if (cell.empty()) cells_.erase(found);
  }

  void Clear() {
    exact_.clear();
    cells_.clear();
  }

  std::uint64_t SerialOf(const T& record) const { return record.serial_; }

  // The first record in list order lying exactly at (x, y).
  T* FindAt(std::int32_t x, std::int32_t y) const {
    const auto found = exact_.lower_bound(Probe{x, y});
    if (found == exact_.end() || (*found)->x() != x || (*found)->y() != y) return nullptr;
    return *found;
  }

  // Searches the cells in square rings around the point's cell until no
  // nearer record can lie further out. Where records are so sparse that the
  // rings would pass more empty cells than there are records' cells, every
  // record is measured instead.
  NearestRecord<T> Nearest(std::int32_t x, std::int32_t y) const {
    NearestRecord<T> best;
    if (cells_.empty()) return best;
    const std::int64_t cx = CellOf(x);
    const std::int64_t cy = CellOf(y);
    const std::size_t budget = 2 * cells_.size() + 16;
    std::size_t visited = 0;
    for (std::int64_t r = 0;; ++r) {
      // Every record of ring r lies at least (r - 1) * kCell + 1 away.
      if (r > 0 && best.record != nullptr && (r - 1) * kCell + 1 > best.distance) break;
      visited += r == 0 ? 1 : 8 * static_cast<std::size_t>(r);
      if (visited > budget) return Everywhere(x, y);
      for (std::int64_t i = -r; i <= r; ++i) {
        const bool edge_row = i == -r || i == r;
        for (std::int64_t j = -r; j <= r; j += edge_row ? 1 : 2 * r) {
          Consider(cx + i, cy + j, x, y, best);
        }
      }
    }
    return best;
  }

 private:
  static constexpr std::int64_t kCell = 64;

  struct Probe {
    std::int32_t x;
    std::int32_t y;
  };
  // By position, and at one position the first in list order first.
  struct ByPosition {
    using is_transparent = void;
    bool operator()(const T* a, const T* b) const {
      if (a->x() != b->x()) return a->x() < b->x();
      if (a->y() != b->y()) return a->y() < b->y();
      return a->serial_ > b->serial_;
    }
    bool operator()(const T* a, Probe b) const {
      return a->x() != b.x ? a->x() < b.x : a->y() < b.y;
    }
    bool operator()(Probe a, const T* b) const {
      return a.x != b->x() ? a.x < b->x() : a.y < b->y();
    }
  };
  struct CellHash {
    std::size_t operator()(std::uint64_t key) const {
      key ^= key >> 33;
      key *= 0xff51afd7ed558ccdULL;
      key ^= key >> 33;
      return static_cast<std::size_t>(key);
    }
  };

  static std::int64_t CellOf(std::int64_t coordinate) {
    return coordinate >= 0 ? coordinate / kCell : -((-coordinate + kCell - 1) / kCell);
  }
  static std::uint64_t KeyOfCell(std::int64_t cx, std::int64_t cy) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(cx)) << 32) |
           static_cast<std::uint32_t>(cy);
  }
  static std::uint64_t CellKey(std::int32_t x, std::int32_t y) {
    return KeyOfCell(CellOf(x), CellOf(y));
  }

  static void Measure(T* record, std::int32_t x, std::int32_t y, NearestRecord<T>& best) {
    const int distance = PointDistance(x, y, record->x(), record->y());
    if (best.record == nullptr || distance < best.distance ||
        (distance == best.distance && record->serial_ > best.record->serial_))
      best = {record, distance};
  }

  void Consider(std::int64_t cx, std::int64_t cy, std::int32_t x, std::int32_t y,
                NearestRecord<T>& best) const {
    const auto found = cells_.find(KeyOfCell(cx, cy));
    if (found == cells_.end()) return;
    for (T* record : found->second)
      Measure(record, x, y, best);
  }

  NearestRecord<T> Everywhere(std::int32_t x, std::int32_t y) const {
    NearestRecord<T> best;
    for (const auto& [key, cell] : cells_)
      for (T* record : cell)
        Measure(record, x, y, best);
    return best;
  }

  std::set<T*, ByPosition> exact_;
  std::unordered_map<std::uint64_t, std::vector<T*>, CellHash> cells_;
};

}  // namespace lumo
