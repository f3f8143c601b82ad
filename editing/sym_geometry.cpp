#include "editing/sym_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/read_word.h"
#include "editing/name_entry.h"

namespace lumo {

namespace {

constexpr double kDegreesPerRadian = 57.29582790879778;

// The nearest integer, halves away from zero.
int Near(double value) {
  return static_cast<int>(std::lround(value));
}

// The multiple of `step` nearest to `value`, halves towards plus infinity.
int NearestMultiple(int value, int step) {
  const int shifted = value + step / 2;
  const int below = shifted >= 0 ? shifted / step : -((-shifted + step - 1) / step);
  return below * step;
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A label word as a file can hold it: no double quote, at most 99 bytes cut
// at a character boundary.
std::string LabelWord(std::string_view word) {
  std::string label;
  for (char c : word)
    if (c != '"') label.push_back(c);
  if (label.size() > kNameBytes) {
    std::size_t cut = kNameBytes;
    while (cut > 0 && IsContinuationByte(label[cut]))
      --cut;
    label.resize(cut);
  }
  return label;
}

SymbolText Label(std::string text, int x, int y, char anchor) {
  SymbolText label;
  label.text = std::move(text);
  label.visible = 'y';
  label.kind = 't';
  label.x = x;
  label.y = y;
  label.anchor = anchor;
  label.rotation = 0;
  return label;
}

}  // namespace

int SnapToSymbolGrid(int unit) {
  return NearestMultiple(unit, 4);
}

UnitPoint SymbolViews::UnitAt(int device_x, int device_y) const {
  return {SnapToSymbolGrid((device_x - large_x) / 2), SnapToSymbolGrid((device_y - large_y) / 2)};
}

SymbolViews LayOutSymbolViews(int width, int height) {
  SymbolViews views;
  // The origins sit on grid points of their views: 4 units are 8 pixels in
  // the large view and 4 in the small one.
  views.large_x = NearestMultiple(2 * width / 3, 8);
  views.large_y = NearestMultiple(height / 2, 8);
  views.small_x = NearestMultiple(width / 5, 4);
  views.small_y = NearestMultiple(height / 2, 4);
  views.large_left = views.large_x - 120;
  views.large_right = views.large_x + 120;
  views.large_top = views.large_y - 168;
  views.large_bottom = views.large_y + 168;
  views.small_left = views.small_x - 60;
  views.small_right = views.small_x + 60;
  views.small_top = views.small_y - 84;
  views.small_bottom = views.small_y + 84;
  return views;
}

RealPoint ChordArcCentre(UnitPoint s, UnitPoint e, UnitPoint b) {
  if (s.y == e.y) {
    if (s.x == e.x) return {static_cast<double>(b.x), static_cast<double>(b.y)};
    return {(s.x + e.x) / 2.0, static_cast<double>(b.y)};
  }
  if (s.x == e.x) return {static_cast<double>(b.x), (s.y + e.y) / 2.0};
  // The point of the line through b parallel to the chord that is as far
  // from s as from e.
  const double dx = e.x - s.x, dy = e.y - s.y;
  const double mx = (s.x + e.x) / 2.0, my = (s.y + e.y) / 2.0;
  const double t = ((mx - b.x) * dx + (my - b.y) * dy) / (dx * dx + dy * dy);
  return {b.x + t * dx, b.y + t * dy};
}

int AngleAround(RealPoint c, UnitPoint q) {
  const double dx = q.x - c.x;
  const double dy = q.y - c.y;
  if (dx == 0) return dy > 0 ? 270 : 90;
  if (dy == 0) return dx > 0 ? 0 : 180;
  double angle = 0;
  if (dx > 0 && dy > 0)
    angle = 360 - std::atan(dy / dx) * kDegreesPerRadian;
  else if (dx > 0)
    angle = std::atan(-dy / dx) * kDegreesPerRadian;
  else if (dy < 0)
    angle = 180 - std::atan(dy / dx) * kDegreesPerRadian;
  else
    angle = 180 + std::atan(-dy / dx) * kDegreesPerRadian;
  return Near(angle);
}

SymbolArc ArcFromChord(UnitPoint s, UnitPoint e, UnitPoint b) {
  const RealPoint c = ChordArcCentre(s, e, b);
  SymbolArc arc;
  arc.cx = static_cast<int>(std::trunc(c.x));
  arc.cy = static_cast<int>(std::trunc(c.y));
  arc.r = Near(std::hypot(s.x - c.x, s.y - c.y));
  arc.start = AngleAround(c, e);
  arc.end = AngleAround(c, s);
  return arc;
}

double SegmentDistance(UnitPoint p, UnitPoint a, UnitPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  if (t <= 0) return std::hypot(p.x - a.x, p.y - a.y);
  if (t >= 1) return std::hypot(p.x - b.x, p.y - b.y);
  return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::sqrt(length2);
}

bool ArcNear(const SymbolArc& arc, UnitPoint p, int tolerance) {
  const RealPoint c{static_cast<double>(arc.cx), static_cast<double>(arc.cy)};
  const double distance = std::hypot(p.x - c.x, p.y - c.y);
  if (distance < arc.r - tolerance || distance > arc.r + tolerance) return false;
  const int angle = AngleAround(c, p);
  const int end = arc.end < arc.start ? arc.end + 360 : arc.end;
  // An angle just past 0 lies in a range that runs over 360.
  return (angle >= arc.start && angle <= end) || (angle + 360 >= arc.start && angle + 360 <= end);
}

int TerminalDirection(int kind) {
  static constexpr int kDirections[4] = {kLeft, kDown, kRight, kUp};
  return kDirections[((kind % 4) + 4) % 4];
}

TerminalEntry ParseTerminalEntry(std::string_view typed) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < typed.size() && words.size() < 2) {
    while (i < typed.size() && IsWhiteSpace(static_cast<unsigned char>(typed[i])))
      ++i;
    const std::size_t start = i;
    while (i < typed.size() && !IsWhiteSpace(static_cast<unsigned char>(typed[i])))
      ++i;
    if (i > start) words.push_back(typed.substr(start, i - start));
  }
  TerminalEntry entry;
  entry.name = words.empty() ? std::string("?") : NameFromEntry(words[0]);
  if (words.size() == 2) {
    std::string label = LabelWord(words[1]);
    if (!label.empty()) entry.label = std::move(label);
  }
  return entry;
}

PlacedTerminal PlaceTerminal(UnitPoint p, int kind, const TerminalEntry& entry) {
  PlacedTerminal placed;
  placed.terminal.name = entry.name;
  placed.terminal.x = p.x;
  placed.terminal.y = p.y;
  placed.terminal.direction = TerminalDirection(kind);
  placed.terminal.polarity = kind >= 4 ? 'n' : 'p';
  switch (((kind % 4) + 4) % 4) {
    case 0:  // facing right
      placed.name_label = Label(entry.name, p.x - 6, p.y, 'r');
      if (entry.label) placed.extra_label = Label(*entry.label, p.x + 4, p.y - 5, 'l');
      break;
    case 1:  // up
      placed.name_label = Label(entry.name, p.x, p.y + 6, 'u');
      if (entry.label) placed.extra_label = Label(*entry.label, p.x - 1, p.y - 8, 'r');
      break;
    case 2:  // left
      placed.name_label = Label(entry.name, p.x + 6, p.y, 'l');
      if (entry.label) placed.extra_label = Label(*entry.label, p.x - 4, p.y - 5, 'r');
      break;
    default:  // down
      placed.name_label = Label(entry.name, p.x, p.y - 6, 'd');
      if (entry.label) placed.extra_label = Label(*entry.label, p.x - 1, p.y + 8, 'r');
      break;
  }
  return placed;
}

}  // namespace lumo
