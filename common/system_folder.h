#pragma once

#include <string>

namespace lumo {

// The system symbol library; its presence marks a folder as the system folder.
inline constexpr const char* kSymbolLibraryFile = "LumoCAD.lib";

// The system folder of the running program: its own folder, or, when that
// holds no LumoCAD.lib, ../share/lumocad beside it (an installed layout).
std::string SystemFolder();

// The folder of the running program.
std::string ProgramFolder();

}  // namespace lumo
