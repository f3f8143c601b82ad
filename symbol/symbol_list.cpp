#include "symbol/symbol_list.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "common/file_path.h"
#include "common/input_file.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "symbol/name_text.h"

namespace lumo {

namespace {

namespace fs = std::filesystem;

constexpr const char* kReadTag = "SymbolList::Read";

void ReportMissing(const std::string& path, const SymbolMessages& messages) {
  ShowError(messages.host, messages.symbol_errors, kReadTag, path);
}

// The list library's error, with the file named on a line of its own so that
// the user knows which of a folder's files is damaged.
void ReportListError(const ListError& error, const std::string& expression, const std::string& path,
                     const SymbolMessages& messages) {
  std::string detail = error.detail() + expression;
  if (!detail.empty() && detail.back() != '\n') detail += '\n';
  detail += path;
  ShowError(messages.host, messages.list_errors, error.tag(), detail);
}

bool HasSymbolExtension(const std::string& name) {
  if (name.size() < 4) return false;
  std::string extension = name.substr(name.size() - 4);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension == ".lsy";
}

// The names of the folder's symbol files, sorted by bytes so that files whose
// names differ only in letter case are always read in the same order.
std::vector<std::string> SymbolFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? "." : folder, error);
  if (error) return names;
  for (const fs::directory_entry& entry : entries) {
    // Only regular files (or links to them) are read: opening a FIFO would
    // wait for a writer for ever.
    std::error_code status_error;
    if (!entry.is_regular_file(status_error)) continue;
    std::string name = entry.path().filename().string();
    if (HasSymbolExtension(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void SymbolList::Remember(std::string source, std::string pattern, std::string folder) {
  source_path_ = std::move(source);
  file_pattern_ = std::move(pattern);
  folder_ = std::move(folder);
}

bool SymbolList::Read(const std::string& path, const SymbolMessages& messages) {
  Remember(path, FileTitle(path), FileFolder(path));
  symbols_.Clear();
  std::error_code error;
  std::ifstream in;
  if (fs::is_regular_file(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    ReportMissing(path, messages);
    return false;
  }
  bool read = true;
  List expression;
  while (read) {
    try {
      if (!List::HasMore(in)) break;
      expression.Read(in);
    } catch (const ListError& list_error) {
      ReportListError(list_error, {}, path, messages);
      read = false;
      break;
    }
    if (expression.IsNil()) continue;
    auto symbol = std::make_unique<Symbol>();
    try {
      symbol->Parse(expression.Top());
    } catch (const ListError& list_error) {
      ReportListError(list_error, expression.Top().Text(), path, messages);
      read = false;
      break;
    }
    Add(std::move(symbol));
  }
  symbols_.Reverse();
  return read;
}

bool SymbolList::ReadFolder(const std::string& folder, const SymbolMessages& messages) {
  Remember(JoinPath(folder, "*.lsy"), "*.lsy", folder);
  symbols_.Clear();
  bool all_read = true;
  for (const std::string& name : SymbolFileNames(folder)) {
    const std::string path = JoinPath(folder, name);
    std::ifstream in = OpenInputFile(path);
    if (!in) {
      ReportMissing(path, messages);
      all_read = false;
      continue;
    }
    List expression;
    try {
      expression.Read(in);
    } catch (const ListError& list_error) {
      ReportListError(list_error, {}, path, messages);
      all_read = false;
      continue;
    }
    auto symbol = std::make_unique<Symbol>();
    try {
      symbol->Parse(expression.Top());
    } catch (const ListError& list_error) {
      ReportListError(list_error, expression.Top().Text(), path, messages);
      all_read = false;
      continue;
    }
    Add(std::move(symbol));
  }
  symbols_.Reverse();
  return all_read;
}

Symbol* SymbolList::Find(std::string_view name) const {
  const std::string wanted = LowerCaseName(name);
  for (Symbol* symbol = symbols_.head(); symbol != nullptr; symbol = symbol->next())
    if (LowerCaseName(symbol->name) == wanted) return symbol;
  return nullptr;
}

Symbol* SymbolList::Add(std::unique_ptr<Symbol> symbol) {
  Symbol* first = symbols_.head();
  if (symbol->kind == 's' || first == nullptr || CompareNames(symbol->name, first->name) < 0)
    return &symbols_.PushFront(std::move(symbol));
  Symbol* r = first;
  for (; r->next() != nullptr; r = r->next()) {
    if (CompareNames(r->name, symbol->name) <= 0 && CompareNames(symbol->name, r->next()->name) < 0)
      break;
  }
  return &symbols_.InsertAfter(r, std::move(symbol));
}

void SymbolList::Delete(Symbol* symbol) {
  if (symbol != nullptr && symbols_.Contains(symbol)) symbols_.Remove(*symbol);
}

TerminalReach LargestTerminalReach(const SymbolList& symbols) {
  std::int64_t x = 0, y = 0;
  for (const Symbol& symbol : symbols) {
    for (const SymbolTerminal& terminal : symbol.terminals) {
      x = std::max(x, std::abs(static_cast<std::int64_t>(terminal.x)));
      y = std::max(y, std::abs(static_cast<std::int64_t>(terminal.y)));
    }
  }
  return {static_cast<int>(std::min<std::int64_t>(x, INT_MAX)),
          static_cast<int>(std::min<std::int64_t>(y, INT_MAX))};
}

}  // namespace lumo
