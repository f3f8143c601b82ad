#pragma once

#include <QImage>
#include <cstdint>

#include "ui/schematic_painter.h"

namespace lumo {

class DisplayLib;
class Draw;
class ViewTransform;

// The grid and the schematic as last painted, kept so that a paint which
// changes only what lies over them (a run's values at another time) copies
// them back instead of painting every element and name again.
class SchematicPicture {
 public:
  // Paints the grid and `draw` into `image`. With `reuse`, copies the kept
  // picture instead when it was painted from the same drawing, view and
  // size; with `keep`, keeps what was painted for the next time. A picture
  // with hidden records (a drag in progress) is never kept.
  void Paint(QImage& image, DisplayLib& lib, const ViewTransform& view, const Draw& draw,
             const HiddenRecords& hidden, bool reuse, bool keep);
  // The next paint paints everything.
  void Forget() { kept_ = QImage(); }
  // Whether the last paint was a copy (for tests and the benchmark).
  bool reused() const { return reused_; }

 private:
  struct Key {
    int width = 0, height = 0;
    std::int64_t origin_x = 0, origin_y = 0;
    double scale = 0;
    std::uint64_t generation = 0, reloads = 0;
    bool operator==(const Key&) const = default;
  };
  static Key KeyOf(const QImage& image, const ViewTransform& view, const Draw& draw);

  QImage kept_;
  Key key_;
  bool reused_ = false;
};

}  // namespace lumo
