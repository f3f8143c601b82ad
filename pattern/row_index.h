#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace lumo {

// Finds rows by name while a reader adds rows, without scanning the table for
// every line: the first row index of each name.
class RowIndex {
 public:
  // Remembers `row` unless an earlier row has that name; empty names are
  // never looked up.
  void Add(const std::string& name, int row) {
    if (!name.empty()) rows_.emplace(name, row);
  }
  int Find(const std::string& name) const {
    const auto found = rows_.find(name);
    return found == rows_.end() ? -1 : found->second;
  }

 private:
  std::unordered_map<std::string, int> rows_;
};

}  // namespace lumo
