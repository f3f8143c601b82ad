#pragma once

#include <string>
#include <vector>

namespace install {

// One line of the installation list: copy `file` (a path relative to the
// medium) to <destination>/<folder>/<file>.
struct InstallEntry {
  std::string folder;
  std::string file;
};

inline constexpr int kMaxEntries = 1000;

enum class ListStatus { kOk, kMissing, kNoEnd, kTooMany, kOutside };

struct InstallList {
  ListStatus status = ListStatus::kMissing;
  std::vector<InstallEntry> entries;  // empty unless status is kOk
};

// Reads Install.dat: whitespace-separated words taken in pairs (folder,
// file) up to a pair whose first word is "#". A list that is missing, has
// no closing "#", holds more than kMaxEntries entries, or names a place
// outside the destination or the medium (an absolute path, a ".." step) is
// refused whole, so nothing is installed from a damaged medium.
InstallList ReadInstallList(const std::string& path);

// The message that says why a list was refused (UTF-8); empty for kOk.
std::string ListRefusal(ListStatus status);

}  // namespace install
