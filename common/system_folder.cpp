#include "common/system_folder.h"

#include <filesystem>

namespace lumo {

std::string ProgramFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return (error ? fs::current_path(error) : program.parent_path()).string();
}

std::string SystemFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path folder = ProgramFolder();
  if (fs::exists(folder / kSymbolLibraryFile, error)) return folder.string();
  return (folder / ".." / "share" / "lumocad").lexically_normal().string();
}

}  // namespace lumo
