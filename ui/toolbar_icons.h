#pragma once

#include <QIcon>

namespace lumo {

// The tool bar's pictures, painted here: one per command id of the
// schematic editor and the symbol chooser (a blank icon for any other id).
// The redraw button shows a sunrise.
QIcon CommandIcon(int command);

}  // namespace lumo
