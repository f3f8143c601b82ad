#pragma once

namespace lumo {

// The canvas's edit modes and their states.
enum EditMode {
  kModeNone = 0,         // before the first paint
  kModePlace = 1,        // waiting for a position
  kModePlaced = 2,       // an element was just placed
  kModeLineStart = 3,    // waiting for a start point
  kModeLineEnd = 4,      // button held, waiting for the end point
  kModeLinePending = 5,  // a segment is pending
  kModeName = 6,
  kModeDeletePick = 7,
  kModeDeleteSelected = 8,
  kModeMovePick = 9,
  kModeMoveElement = 10,
  kModeMoveLine = 11,
  kModeMoveJunction = 12,
  kModeMoved = 13,
  kModeFlip = 14,
  kModeConnection = 15,
};

// The status-bar prompt of a mode (UTF-8); empty for 0.
const char* ModePrompt(int mode);

// The command whose tool button shows a mode, and the help context number
// of a mode (1501 for none).
int ModeCommand(int mode);
int ModeHelpContext(int mode);

}  // namespace lumo
