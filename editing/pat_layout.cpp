#include "editing/pat_layout.h"

#include <algorithm>

namespace lumo {

namespace {

// Header, one row per entry and one spare, the gap under the pane and the
// border.
int PaneHeight(int rows) {
  return 24 + (rows + 1) * 24 + 26 + 6;
}

}  // namespace

PatLayout LayOutPatPanes(int memory_count, int row_count, int room) {
  PatLayout layout;
  layout.memory_height = PaneHeight(std::max(memory_count, 0));
  layout.canvas_height = PaneHeight(std::max(row_count, 0));
  if (layout.memory_height + layout.canvas_height > room)
    layout.canvas_height = std::max(room - layout.memory_height, 0);
  return layout;
}

}  // namespace lumo
