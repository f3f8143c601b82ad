#pragma once

namespace lumo {

// Where the waveform editor goes over its schematic window: pane heights
// from the memory and row counts, cut down so that both fit into the
// schematic window's height less the frame's own bars.
struct PatLayout {
  int memory_height = 0;
  int canvas_height = 0;
};

// `room` is the schematic window's height minus the waveform frame's bars
// (caption, menu, tool bar, status bar).
PatLayout LayOutPatPanes(int memory_count, int row_count, int room);

}  // namespace lumo
