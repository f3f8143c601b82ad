#pragma once

#include <QColor>
#include <Qt>

#include "workflow/wire_values.h"

namespace lumo {

// How the schematic shows a wire's value at the waveform editor's time, the
// one place these are chosen. The four one-bit levels differ in colour
// (blue, vermillion, reddish purple, bluish green: pairs that stay apart
// for every common colour-vision deficiency) and again in width and dash,
// so that a grey printout tells them apart too: 0 thin, 1 thick, x dashed,
// z dotted. A bus is drawn thick and dark with its value beside it.
struct WireStyle {
  QColor color;
  int width;
  Qt::PenStyle dash;
  const char* legend;
};

inline WireStyle StyleOf(WireLevel level) {
  switch (level) {
    case WireLevel::kZero:
      return {QColor(0x00, 0x72, 0xb2), 2, Qt::SolidLine, "0"};
    case WireLevel::kOne:
      return {QColor(0xd5, 0x5e, 0x00), 5, Qt::SolidLine, "1"};
    case WireLevel::kUnknown:
      return {QColor(0xcc, 0x79, 0xa7), 3, Qt::DashLine, "x 不定"};
    case WireLevel::kHighZ:
      return {QColor(0x00, 0x9e, 0x73), 3, Qt::DotLine, "z ハイインピーダンス"};
    case WireLevel::kBus:
      return {QColor(0x33, 0x33, 0x33), 4, Qt::SolidLine, "バス (16進)"};
    case WireLevel::kNone:
      break;
  }
  return {Qt::black, 1, Qt::SolidLine, ""};
}

// The levels in the order the legend lists them.
inline constexpr WireLevel kLegendLevels[] = {
    WireLevel::kZero, WireLevel::kOne, WireLevel::kUnknown, WireLevel::kHighZ, WireLevel::kBus};

}  // namespace lumo
