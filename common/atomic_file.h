#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace lumo {

// Writes a document so that the target is never left half-written: the bytes
// go to a temporary file in the same folder, which is renamed over the target
// only when every byte was written. Returns false (target untouched, the
// temporary removed) when the file could not be created or written, or when
// `write` returns false.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);

}  // namespace lumo
