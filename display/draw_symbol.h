#pragma once

#include <QPainter>
#include <string_view>

#include "display/display_lib.h"
#include "symbol/symbol.h"

namespace lumo {

// Which parts of a symbol DrawSymbol draws.
inline constexpr int MaskLine = 1;
inline constexpr int MaskArc = 2;
inline constexpr int MaskElementName = 4;
inline constexpr int MaskFunctionName = 8;
inline constexpr int MaskTerminalText = 16;
inline constexpr int MaskTerminal = 32;
inline constexpr int MaskAllText = 28;
inline constexpr int MaskBody = 35;     // lines, arcs, terminals
inline constexpr int MaskChooser = 59;  // everything but element names
inline constexpr int MaskAll = 63;

// Draws a symbol with its reference point at (ox, oy), every symbol unit
// `scale` pixels, in orientation 0..7 and logic 'p' or 'n' (negative logic
// uses the negative graphics when there are any, and swaps stubs and bubbles
// on every terminal). Element-name anchors show `element_name`. The caller
// chooses pen, brush, colours, draw mode and font size beforehand.
void DrawSymbol(DisplayLib& lib, QPainter& dc, const Symbol& symbol, double scale,
                std::string_view element_name, int mask, double ox, double oy, int orientation,
                char logic);

}  // namespace lumo
