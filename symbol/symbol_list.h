#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "common/message_host.h"
#include "common/node_list.h"
#include "lists/error_table.h"
#include "symbol/symbol.h"

namespace lumo {

// Where the symbol readers report a missing or malformed file: the message
// host, the symbol library's table (RegisterSymbolErrors) and the list
// library's (RegisterListErrors).
struct SymbolMessages {
  MessageHost& host;
  const ErrorTable& symbol_errors;
  const ErrorTable& list_errors;
};

// An owning list of symbols, in the order the chooser shows them, with the
// source it was last read from.
class SymbolList {
 public:
  SymbolList() = default;
  SymbolList(const SymbolList&) = delete;
  SymbolList& operator=(const SymbolList&) = delete;

  // Replaces the contents with every symbol of one file (the system library),
  // in file order. A file that cannot be opened or holds a malformed
  // expression is reported, and false is returned; the symbols read before
  // the fault are kept. Empty expressions "()" between symbols are skipped.
  bool Read(const std::string& path, const SymbolMessages& messages);

  // Replaces the contents with the first symbol of every "*.lsy" file of the
  // folder (extension in any letter case), in descending order of lower-cased
  // name. A file that cannot be read or is malformed is reported and left out,
  // the others are read, and false is returned. A folder without such files
  // (or that does not exist) gives an empty list and true.
  bool ReadFolder(const std::string& folder, const SymbolMessages& messages);

  // The first symbol whose name equals `name` when both are lower-cased
  // (LowerCaseName); null when there is none.
  Symbol* Find(std::string_view name) const;

  // Inserts a symbol, taking ownership: a system symbol ('s') in front, any
  // other after the first neighbour pair r, s with name(r) <= name < name(s)
  // (CompareNames), in front when it is smaller than the first, else last.
  Symbol* Add(std::unique_ptr<Symbol> symbol);

  // Unlinks and destroys the symbol; nothing happens when it is not in the
  // list.
  void Delete(Symbol* symbol);

  void Clear() { symbols_.Clear(); }

  Symbol* Head() const { return symbols_.head(); }
  bool Empty() const { return symbols_.empty(); }
  std::size_t Count() const { return symbols_.size(); }
  NodeRange<Symbol>::Iterator begin() { return symbols_.begin(); }
  NodeRange<Symbol>::Iterator end() { return symbols_.end(); }
  NodeRange<const Symbol>::Iterator begin() const { return symbols_.begin(); }
  NodeRange<const Symbol>::Iterator end() const { return symbols_.end(); }

  // What the last read remembered: the source (the file, or the folder
  // followed by "/*.lsy"), the file pattern (the file's title, or "*.lsy")
  // and the folder.
  const std::string& source_path() const { return source_path_; }
  const std::string& file_pattern() const { return file_pattern_; }
  const std::string& folder() const { return folder_; }

 private:
  void Remember(std::string source, std::string pattern, std::string folder);

  NodeList<Symbol> symbols_;
  std::string source_path_;
  std::string file_pattern_;
  std::string folder_;
};

// The largest |x| and |y| over the connection points of every terminal of
// every symbol of the list (0, 0 for none): the chooser's cell size comes from
// them.
struct TerminalReach {
  int x = 0;
  int y = 0;
};
TerminalReach LargestTerminalReach(const SymbolList& symbols);

}  // namespace lumo
