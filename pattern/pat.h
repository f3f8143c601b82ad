#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_host.h"
#include "lists/error_table.h"
#include "pattern/event_list.h"
#include "pattern/mem.h"

namespace lumo {

// The fixed number of rows a pattern holds.
inline constexpr int kPatRows = 500;

enum class RowKind : char {
  kInput = 'i',
  kOutput = 'o',
  kUnused = '?',  // never used since the pattern was made
};

// One waveform row. `full_name` is "<schematic>.<name>" for input rows and
// empty for output rows; an empty name marks a free or separator row.
struct PatRow {
  std::string name;
  std::string full_name;
  EventList events;
  RowKind kind = RowKind::kUnused;
};

// The pattern the waveform editor shows: input rows, after a simulation a
// blank separator row and the output rows; and the memory data that travels
// with the input pattern file.
class Pat {
 public:
  // `errors` is the pattern library's table (RegisterPatternErrors).
  Pat(MessageHost& host, const ErrorTable& errors);
  Pat(const Pat&) = delete;
  Pat& operator=(const Pat&) = delete;

  // The schematic's name, the first half of an input row's full name.
  const std::string& schematic_name() const { return schematic_name_; }
  void set_schematic_name(std::string name) { schematic_name_ = std::move(name); }

  // The input pattern file; "?" or empty: no file yet.
  const std::string& path() const { return path_; }
  const std::string& folder() const { return folder_; }
  const std::string& title() const { return title_; }
  void SetPath(std::string_view path);
  bool HasFile() const { return !path_.empty() && path_ != "?"; }

  // Rows below the count are the pattern; the editor may raise the count to
  // take in further rows (at most kPatRows).
  int count() const { return count_; }
  void set_count(int count);
  // Row 0 to kPatRows - 1, also above the count; throws std::out_of_range
  // otherwise.
  PatRow& row(int index) { return rows_.at(index); }
  const PatRow& row(int index) const { return rows_.at(index); }
  // The first row below the count with that name, or -1.
  int FindRow(std::string_view name) const;
  // Takes a further row in, emptied of events; -1 when the table is full.
  int AppendRow(std::string name, std::string full_name, RowKind kind);

  Mem& mem() { return mem_; }
  const Mem& mem() const { return mem_; }

  // Empties the rows below the count (kind input); the count becomes 0. The
  // memory data is cleared on its own.
  void Clear();
  // True unless some row has a name and an event.
  bool IsEmpty() const;
  // Sorts the rows of one kind by name in byte order (equal names keep their
  // order); rows of other kinds keep their places.
  void SortRows(RowKind kind);
  EventList::Nearest NearestEvent(int row, std::int32_t time) const;

  // Reads the input pattern file into the rows and the memory data, after
  // storing its path. A missing file is created holding an empty pattern.
  // False, after the error box, only when the file can be neither read nor
  // created, or is not a regular file; a damaged file is reported by a
  // warning and keeps what was read.
  bool ReadInputPat(const std::string& path);
  // Reads pattern records up to `e`. True when the input was whole; on damage
  // the warning has been shown and what was read stays.
  bool ReadInputPat(std::istream& in);

  // The file the last ReadInputPat(path) could not read whole, until a save
  // has kept its original; empty otherwise.
  const std::string& damaged_file() const { return damaged_file_; }

  // Stores the path and writes the input pattern file atomically; false when
  // it could not be written (the old file is then untouched). The first
  // save over the damaged file keeps its original as <path>.bak and says
  // so; when that copy cannot be made the file is not saved over.
  bool WriteInputPat(const std::string& path);
  void WriteInputPat(std::ostream& out) const;

  // Adds the separator row and reads the simulator's output lines into output
  // rows, sorted by name. False when the file cannot be opened (nothing
  // changes) or the table has no room for the separator.
  bool ReadOutputPat(const std::string& path);
  bool ReadOutputPat(std::istream& in);

 private:
  void ShowDamagedWarning() const;
  bool KeepDamagedOriginal(const std::string& path);

  MessageHost* host_;
  const ErrorTable* errors_;
  std::string schematic_name_;
  std::string path_;
  std::string folder_;
  std::string title_;
  std::string damaged_file_;
  int count_ = 0;
  std::vector<PatRow> rows_;
  Mem mem_;
};

}  // namespace lumo
