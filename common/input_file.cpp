#include "common/input_file.h"

#include <filesystem>

namespace lumo {

std::ifstream OpenInputFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) return std::ifstream(path, std::ios::binary);
  std::ifstream refused;
  refused.setstate(std::ios::failbit);
  return refused;
}

}  // namespace lumo
