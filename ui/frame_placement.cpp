#include "ui/frame_placement.h"

#include <algorithm>

namespace lumo {

QRect FirstFrameRect(const FramePlacement& stored, QSize screen) {
  if (stored.x != -1) return QRect(stored.x, stored.y, stored.w, stored.h);
  return QRect(static_cast<int>(0.05 * screen.width()), static_cast<int>(0.05 * screen.height()),
               static_cast<int>(0.8 * screen.width()), static_cast<int>(0.8 * screen.height()));
}

QRect NewFrameRect(const QRect& opener, QSize screen) {
  const int left = opener.left() + 24;
  const int top = opener.top() + 24;
  const int width =
      static_cast<int>(std::min(0.8 * screen.width(), double(screen.width() - left - 2)));
  const int height = static_cast<int>(
      std::min(0.8 * screen.height(), double(screen.height() - opener.top() - 54)));
  return QRect(left, top, width, height);
}

FramePlacement PlacementOf(const QRect& rect) {
  return FramePlacement{rect.left(), rect.top(), rect.right() - rect.left() + 1,
                        rect.bottom() - rect.top() + 1};
}

}  // namespace lumo
