#pragma once

#include "editing/command_ids.h"

namespace lumo {

// The symbol editor's tool states. Each tool has an idle state, a state
// after it added an item (drawn red until the tool's next action), and the
// line, box and arc tools a dragging state between.
enum SymMode {
  kSymNoTool = 0,
  kSymLineIdle = 1,
  kSymLineDrag = 2,
  kSymLineAdded = 3,
  kSymBoxIdle = 4,
  kSymBoxDrag = 5,
  kSymBoxAdded = 6,
  kSymArcIdle = 7,
  kSymArcChord = 8,
  kSymArcBulge = 9,
  kSymArcAdded = 10,
  kSymElementNameIdle = 11,
  kSymElementNameAdded = 12,
  kSymFunctionNameIdle = 13,
  kSymFunctionNameAdded = 14,
  kSymTerminalIdle = 15,
  kSymTerminalAdded = 16,
  kSymDeleteIdle = 17,
  kSymDeleted = 18,
};

// The status-bar prompt of a mode (UTF-8).
const char* SymModePrompt(int mode);
// The help context number of a mode (1501 when no tool is chosen).
int SymModeHelpContext(int mode);
// The idle state of the mode's tool (0 stays 0).
int SymIdleMode(int mode);
// The command whose tool button shows the mode (0 for none); a terminal
// mode shows the button of its terminal kind.
int SymModeCommand(int mode, int terminal_kind);

}  // namespace lumo
