#pragma once

#include <QIcon>

namespace lumo {

// The tool bar picture of a command of any of the program's windows, for
// the help pages: the schematic editor's (and the chooser's and the
// register-transfer viewer's), else the waveform editor's, else the symbol
// editor's; a null icon when none of them paints one.
QIcon AnyWindowIcon(int command);

}  // namespace lumo
