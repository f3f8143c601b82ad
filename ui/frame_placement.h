#pragma once

#include <QRect>
#include <QSize>

namespace lumo {

// Where the schematic window was last: left, top, width and height, each -1
// until recorded.
struct FramePlacement {
  int x = -1;
  int y = -1;
  int w = -1;
  int h = -1;
  bool operator==(const FramePlacement&) const = default;
};

// The first window of a run: at the stored place, or, when none is stored
// (x is -1), 5 % from the top-left corner of the screen covering 80 % of it
// in each direction.
QRect FirstFrameRect(const FramePlacement& stored, QSize screen);

// A further schematic window: 24 pixels right of and below `opener`, as wide
// as 80 % of the screen but ending 2 pixels before its right edge, as high
// as 80 % of the screen but at most the screen height less the opener's top
// and 54.
QRect NewFrameRect(const QRect& opener, QSize screen);

// The placement recorded for a window rectangle. Qt's rectangles include
// their right and bottom edges, so right - left + 1 is the width itself and a
// window comes back at the size it had.
FramePlacement PlacementOf(const QRect& rect);

}  // namespace lumo
