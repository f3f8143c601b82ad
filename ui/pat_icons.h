#pragma once

#include <QIcon>

namespace lumo {

// The waveform editor's tool bar pictures, by command id; the commands it
// shares with the schematic editor show that editor's pictures.
QIcon PatCommandIcon(int command);

}  // namespace lumo
