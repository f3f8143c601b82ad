#pragma once

class QAction;

namespace lumo {

// Gives an action of the symbol editor its tool bar picture, painted here
// (the redraw button shows a sunrise, as in the schematic editor).
void SetSymbolEditorIcon(QAction& action, int command);

}  // namespace lumo
