#include "symbol/orientation.h"

namespace lumo {

namespace {

int Modulo4(int value) {
  return ((value % 4) + 4) % 4;
}

}  // namespace

int OrientDirection(int code, int direction) {
  const int d = Modulo4(direction);
  if (code >= 0 && code < 4) return Modulo4(d + code);
  if (code >= 4 && code < 8) return Modulo4(6 - code - d);
  return 0;
}

ArcAngles OrientArc(int code, std::int64_t start, std::int64_t end) {
  ArcAngles angles{start, end};
  switch (code) {
    case 1:
      angles = {start + 90, end + 90};
      break;
    case 2:
      angles = {start + 180, end + 180};
      break;
    case 3:
      angles = {start + 270, end + 270};
      break;
    case 4:
      angles = {180 - end, 180 - start};
      break;
    case 5:
      angles = {90 - end, 90 - start};
      break;
    case 6:
      angles = {-end, -start};
      break;
    case 7:
      angles = {-end - 90, -start - 90};
      break;
    default:
      break;
  }
  if (angles.start > 360 || angles.end > 360) {
    angles.start -= 360;
    angles.end -= 360;
  }
  if (angles.start < -360 || angles.end < -360) {
    angles.start += 360;
    angles.end += 360;
  }
  return angles;
}

}  // namespace lumo
