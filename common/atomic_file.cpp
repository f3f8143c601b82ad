#include "common/atomic_file.h"

#include <unistd.h>
#include <cstdio>
#include <fstream>

namespace lumo {

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  // The process id keeps two programs saving into one folder apart.
  const std::string temporary = path + ".tmp" + std::to_string(::getpid());
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    written = write(out);
    out.flush();
    written = written && out.good();
  }
  if (written) written = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) std::remove(temporary.c_str());
  return written;
}

}  // namespace lumo
