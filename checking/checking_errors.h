#pragma once

#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kCheckingLibrary = "照合ライブラリー";

// Fills the table with the expected-output file's failures.
void RegisterCheckingErrors(ErrorTable& table);

}  // namespace lumo
