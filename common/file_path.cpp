#include "common/file_path.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr std::string_view kSeparators = "/\\";
}

std::string FileTitle(std::string_view path) {
  // The title is cut from the last path component only, so a dot in a folder
  // name (a hidden folder such as ~/.lumocad) never decides the title.
  const auto slash = path.find_last_of(kSeparators);
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  // The dots that make a file hidden are not where its title ends: an
  // empty title would name no circuit.
  name.remove_prefix(std::min(name.find_first_not_of('.'), name.size()));
  return std::string(name.substr(0, name.find('.')));
}

std::string FileFolder(std::string_view path) {
  const auto slash = path.find_last_of(kSeparators);
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  if (kSeparators.find(joined.back()) == std::string_view::npos) joined.push_back('/');
  joined.append(name);
  return joined;
}

}  // namespace lumo
