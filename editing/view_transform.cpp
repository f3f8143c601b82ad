#include "editing/view_transform.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumo {

namespace {

constexpr double kZoomInFactor = 1.414213562373;
constexpr double kZoomOutFactor = 0.707106781186595;

int NearestDevice(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, -1.0e9, 1.0e9)));
}

}  // namespace

std::int64_t SnapToGrid(std::int64_t logical) {
  const std::int64_t grid = ViewTransform::kGrid;
  const std::int64_t magnitude = (std::llabs(logical) + grid / 2) / grid * grid;
  return logical < 0 ? -magnitude : magnitude;
}

int ViewTransform::ToDeviceX(std::int64_t logical) const {
  return NearestDevice(ToDeviceXExact(static_cast<double>(logical)));
}

int ViewTransform::ToDeviceY(std::int64_t logical) const {
  return NearestDevice(ToDeviceYExact(static_cast<double>(logical)));
}

std::int64_t ViewTransform::ToLogicalX(int device) const {
  return std::llround(device / scale_ + static_cast<double>(origin_[0]));
}

std::int64_t ViewTransform::ToLogicalY(int device) const {
  return std::llround(device / scale_ + static_cast<double>(origin_[1]));
}

void ViewTransform::ZoomIn() {
  scale_ *= kZoomInFactor;
}

void ViewTransform::ZoomOut() {
  scale_ *= kZoomOutFactor;
}

std::int64_t ViewTransform::Bounded(int axis, std::int64_t origin) const {
  return std::clamp<std::int64_t>(origin, 0, extent_[axis] - kLineStep);
}

void ViewTransform::ScrollBy(int axis, std::int64_t amount) {
  origin_[axis] = Bounded(axis, origin_[axis] + amount);
}

void ViewTransform::ScrollLines(int axis, int steps) {
  ScrollBy(axis, static_cast<std::int64_t>(steps) * kLineStep);
}

void ViewTransform::ScrollPages(int axis, int steps) {
  ScrollBy(axis, static_cast<std::int64_t>(steps) * kPageStep);
}

bool ViewTransform::ScrollTo(int axis, int position) {
  const std::int64_t target =
      Bounded(axis, static_cast<std::int64_t>(position) * extent_[axis] / 100);
  if (std::llabs(target - origin_[axis]) <= kLineStep) return false;
  origin_[axis] = target;
  return true;
}

int ViewTransform::ScrollPosition(int axis) const {
  return static_cast<int>(origin_[axis] * 100 / extent_[axis]);
}

}  // namespace lumo
