#pragma once

#include <QColor>
#include <QPainter>

#include "editing/pat_overlay.h"
#include "editing/time_axis.h"

namespace lumo {

// The colours of the expected waveform and of the mismatch marks. The
// expected trace is blue over the black, green and red of one-bit rows and
// orange over the dark blue band of bus rows: told apart from the row's own
// colours in every common form of colour blindness. The marks are red bars
// above and below the band, so that their shape shows them too.
inline const QColor kExpectedOnBits{0, 90, 230};
inline const QColor kExpectedOnBus{255, 150, 0};
inline const QColor kMismatchRed{220, 0, 0};

// Where the mismatch marks of a row whose top is at `top` lie: the bar above
// the waveform band and the bar below it (rows of pixels, inclusive).
inline constexpr int kMarkAboveTop = 1, kMarkAboveBottom = 3;
inline constexpr int kMarkBelowTop = 21, kMarkBelowBottom = 22;

// Draws the expected waveform of one output row dashed over what the row
// shows, and marks its mismatching stretches, between the waveform area's
// left edge and `right`.
void PaintRowOverlay(QPainter& dc, const TimeAxis& axis, const OverlayRow& row, bool bus, int top,
                     int right);

}  // namespace lumo
