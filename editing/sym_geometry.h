#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "symbol/symbol.h"

namespace lumo {

// A point in symbol units.
struct UnitPoint {
  int x = 0;
  int y = 0;
  bool operator==(const UnitPoint&) const = default;
};

// The symbol editor's grid: the multiple of 4 nearest to `unit`, halves
// going towards plus infinity (2 -> 4, -2 -> 0, 6 -> 8, -6 -> -4).
int SnapToSymbolGrid(int unit);

// The two views of the symbol editor, laid out for a client of w x h
// pixels: the large view (2 pixels a unit, where the mouse works) and the
// small one (actual size), each showing units -60..60 by -84..84.
struct SymbolViews {
  int large_x = 0, large_y = 0;  // device point of the symbol origin
  int small_x = 0, small_y = 0;
  int large_left = 0, large_top = 0, large_right = 0, large_bottom = 0;
  int small_left = 0, small_top = 0, small_right = 0, small_bottom = 0;

  // The snapped unit point under a device point of the large view (integer
  // division towards zero, then the grid).
  UnitPoint UnitAt(int device_x, int device_y) const;
  int LargeX(int unit) const { return large_x + 2 * unit; }
  int LargeY(int unit) const { return large_y + 2 * unit; }
};
SymbolViews LayOutSymbolViews(int width, int height);

// The centre of the arc over the chord s-e whose centre lies on the line
// through b parallel to the chord (a horizontal chord takes the middle of
// the chord and b's y; a vertical one b's x and the middle).
struct RealPoint {
  double x = 0;
  double y = 0;
};
RealPoint ChordArcCentre(UnitPoint s, UnitPoint e, UnitPoint b);

// The angle of q around c in whole degrees, counter-clockwise on the
// screen (y grows downwards), 0..360.
int AngleAround(RealPoint c, UnitPoint q);

// The arc through the chord from s to e bulging towards b: its centre cut
// to integers, its radius rounded, counter-clockwise from e's angle to s's.
SymbolArc ArcFromChord(UnitPoint s, UnitPoint e, UnitPoint b);

// Distance from p to the segment a-b (to the nearer end when p lies beyond
// one).
double SegmentDistance(UnitPoint p, UnitPoint a, UnitPoint b);

// True when p lies within `tolerance` of the arc's circle and inside its
// angular range (an end smaller than the start counts 360 more).
bool ArcNear(const SymbolArc& arc, UnitPoint p, int tolerance);

// The terminal kinds of the editor's eight terminal commands: 0..3 positive
// terminals facing right, up, left, down; 4..7 the same negative.
inline constexpr int kTerminalKinds = 8;
// The stub direction of a terminal kind (a right-facing terminal's stub
// runs left, towards the body).
int TerminalDirection(int kind);

// What the terminal name dialog gave: the terminal's name ("?" when the
// entry held no word) and, when there was a second word, an extra label.
struct TerminalEntry {
  std::string name;
  std::optional<std::string> label;
};
TerminalEntry ParseTerminalEntry(std::string_view typed);

// A terminal of kind `kind` at p with its name label and, when the entry
// had one, its extra label, placed around the connection point by the
// terminal's facing.
struct PlacedTerminal {
  SymbolTerminal terminal;
  SymbolText name_label;
  std::optional<SymbolText> extra_label;
};
PlacedTerminal PlaceTerminal(UnitPoint p, int kind, const TerminalEntry& entry);

}  // namespace lumo
