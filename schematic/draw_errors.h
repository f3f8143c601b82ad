#pragma once

#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kDrawLibrary = "回路図ライブラリー";

// Tags of the schematic library.
inline constexpr const char* kDrawRead = "Draw::Read";
inline constexpr const char* kDrawSave = "Draw::Save";
inline constexpr const char* kDrawSaveName = "Draw::Save name";
inline constexpr const char* kDrawSaveTitle = "Draw::Save title";

// Fills the schematic library's entries: the file that can be neither read
// nor made, and the three reasons a schematic is not saved.
void RegisterDrawErrors(ErrorTable& table);

}  // namespace lumo
