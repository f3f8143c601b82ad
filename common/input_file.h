#pragma once

#include <fstream>
#include <string>

namespace lumo {

// Opens `path` for reading in binary. A folder is refused (the stream comes
// back closed and failed): opened as a file it would fail only at its first read, and
// with an exception instead of a failed stream. So every reader's "cannot
// open" road reports a folder by its name like a missing file.
std::ifstream OpenInputFile(const std::string& path);

}  // namespace lumo
