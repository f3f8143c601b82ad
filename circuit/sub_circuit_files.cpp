#include "circuit/sub_circuit_files.h"

#include <filesystem>
#include <fstream>

#include "circuit/instance_replacer.h"
#include "common/file_path.h"

namespace lumo {

namespace {

bool Opens(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

}  // namespace

const std::string& SubCircuitFiles::PathOf(const std::string& function) {
  const auto found = paths_.find(function);
  if (found != paths_.end()) return found->second;
  std::string path;
  if (CanNameFile(function)) {
    for (Folder& folder : folders_) {
      path = folder.Find(function + ".lcr");
      if (!path.empty()) break;
    }
  }
  return paths_.emplace(function, std::move(path)).first->second;
}

std::string SubCircuitFiles::Folder::Find(const std::string& file_name) {
  std::string path = JoinPath(path_, file_name);
  if (Opens(path)) return path;
  if (!listed_) List();
  const auto found = by_key_.find(FunctionNameKey(file_name));
  if (found == by_key_.end()) return {};
  path = JoinPath(path_, found->second);
  return Opens(path) ? path : std::string();
}

void SubCircuitFiles::Folder::List() {
  listed_ = true;
  std::error_code error;
  std::filesystem::directory_iterator entries(path_.empty() ? "." : path_, error);
  if (error) return;
  for (const std::filesystem::directory_entry& entry : entries) {
    std::string name = entry.path().filename().string();
    auto [slot, fresh] = by_key_.try_emplace(FunctionNameKey(name), name);
    if (!fresh && name < slot->second) slot->second = std::move(name);
  }
}

bool SubCircuitFiles::CanNameFile(std::string_view function) {
  return !function.empty() &&
         function.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace lumo
