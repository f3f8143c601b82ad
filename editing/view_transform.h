#pragma once

#include <cstdint>

namespace lumo {

// Where the schematic plane lies on the canvases: the logical point at the
// top-left corner, the scrollable logical size and the zoom. One view serves
// every schematic window of the program.
class ViewTransform {
 public:
  static constexpr int kHomeX = 800;
  static constexpr int kHomeY = 500;
  static constexpr int kExtentX = 2400;
  static constexpr int kExtentY = 1500;
  // The snap grid and the scroll steps, in logical units.
  static constexpr int kGrid = 4;
  static constexpr int kLineStep = 100;
  static constexpr int kPageStep = 400;

  std::int64_t origin_x() const { return origin_[0]; }
  std::int64_t origin_y() const { return origin_[1]; }
  std::int64_t extent(int axis) const { return extent_[axis]; }
  std::int64_t origin(int axis) const { return origin_[axis]; }
  double scale() const { return scale_; }
  void set_origin(std::int64_t x, std::int64_t y) {
    origin_[0] = x;
    origin_[1] = y;
  }

  // Logical to device pixels and back, to the nearest integer (halves away
  // from zero).
  int ToDeviceX(std::int64_t logical) const;
  int ToDeviceY(std::int64_t logical) const;
  double ToDeviceXExact(double logical) const { return (logical - origin_[0]) * scale_; }
  double ToDeviceYExact(double logical) const { return (logical - origin_[1]) * scale_; }
  std::int64_t ToLogicalX(int device) const;
  std::int64_t ToLogicalY(int device) const;

  // Multiplies the scale by the square root of two, or by its inverse; the
  // top-left logical point stays.
  void ZoomIn();
  void ZoomOut();

  // Scrolling along one axis (0: x, 1: y). Steps of +-1 move by a line or a
  // page; the origin stays between 0 and extent - 100.
  void ScrollLines(int axis, int steps);
  void ScrollPages(int axis, int steps);
  // Dragging the scroll box to p (0..100): true when the origin moved, which
  // happens only when the new place is more than a line step away.
  bool ScrollTo(int axis, int position);
  // The scroll box position, 0..100.
  int ScrollPosition(int axis) const;

 private:
  void ScrollBy(int axis, std::int64_t amount);
  std::int64_t Bounded(int axis, std::int64_t origin) const;

  std::int64_t origin_[2] = {kHomeX, kHomeY};
  std::int64_t extent_[2] = {kExtentX, kExtentY};
  double scale_ = 1.0;
};

// The nearest multiple of the snap grid, halves away from zero: 2 gives 4,
// -2 gives -4, 1 gives 0.
std::int64_t SnapToGrid(std::int64_t logical);

}  // namespace lumo
