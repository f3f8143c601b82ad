#include "tests/export/verilog_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lumo::testing {

namespace {

std::string Number(const std::string& value) {
  if (value == "x" || value == "z") return value;
  const std::size_t first = value.find_first_not_of('0');
  return first == std::string::npos ? "0" : value.substr(first);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

Changes ReadChanges(const std::string& lines, bool settled_only) {
  Changes changes;
  std::istringstream in(lines);
  std::string line, name, value;
  std::int64_t time = 0;
  while (std::getline(in, line)) {
    // vvp's own lines (the dump file's) are no changes.
    std::istringstream fields(line);
    if (!(fields >> name >> time >> value)) continue;
    auto& row = changes[name];
    value = Number(value);
    if (!row.empty() && row.back().first == time) row.pop_back();
    row.emplace_back(time, value);
  }
  for (auto& [name, row] : changes) {
    std::vector<std::pair<std::int64_t, std::string>> kept;
    for (const auto& change : row) {
      if (settled_only && (change.second == "x" || change.second == "z")) continue;
      if (!kept.empty() && kept.back().second == change.second) continue;
      kept.push_back(change);
    }
    row = std::move(kept);
  }
  return changes;
}

void Compare(const std::string& circuit, const Changes& ours, const Changes& theirs,
             Agreement& agreement) {
  ++agreement.circuits;
  auto describe = [](const auto& row, std::size_t i) {
    return i < row.size() ? std::to_string(row[i].first) + " " + row[i].second : "(none)";
  };
  std::map<std::string, int> names;
  for (const auto& [name, row] : ours)
    names[name] |= 1;
  for (const auto& [name, row] : theirs)
    names[name] |= 2;
  static const std::vector<std::pair<std::int64_t, std::string>> kNone;
  for (const auto& [name, sides] : names) {
    const auto& a = (sides & 1) != 0 ? ours.at(name) : kNone;
    const auto& b = (sides & 2) != 0 ? theirs.at(name) : kNone;
    agreement.changes += static_cast<long>(a.size());
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
      if (i < a.size() && i < b.size() && a[i] == b[i]) continue;
      if (agreement.mismatches++ == 0)
        agreement.first_difference =
            circuit + ": " + name + " LumoCAD " + describe(a, i) + ", Icarus " + describe(b, i);
    }
  }
}

std::string RunIcarus(const std::string& folder, const std::vector<std::string>& files,
                      const std::vector<std::string>& tops) {
  std::string compile = "cd '" + folder + "' && iverilog -g2001 -o run.vvp";
  for (const std::string& top : tops)
    compile += " -s '" + top + "'";
  for (const std::string& file : files)
    compile += " '" + file + "'";
  compile += " > compile.txt 2>&1";
  if (std::system(compile.c_str()) != 0) {
    ADD_FAILURE() << "iverilog failed:\n" << ReadAll(folder + "/compile.txt");
    return {};
  }
  const std::string run = "cd '" + folder + "' && vvp -n run.vvp > printed.txt 2> vvp_errors.txt";
  if (std::system(run.c_str()) != 0) {
    ADD_FAILURE() << "vvp failed:\n" << ReadAll(folder + "/vvp_errors.txt");
    return {};
  }
  return ReadAll(folder + "/printed.txt");
}

}  // namespace lumo::testing
