// The input pattern file: `a` records (one input waveform each), `m` records
// (memory data) and the closing `e`.

#include <filesystem>
#include <fstream>

#include "common/atomic_file.h"
#include "common/decimal.h"
#include "common/read_word.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"
#include "pattern/pattern_words.h"
#include "pattern/row_index.h"

namespace lumo {

namespace {

enum class RecordEnd { kComplete, kRefused, kBroken };

// Reads one `a` record, its letter already consumed, into the row of its
// name, appending the row when there is none. When the table is full the
// record is still read to its end, so that reading can go on.
RecordEnd ReadWaveform(Pat& pat, std::istream& in, RowIndex& index) {
  std::string name;
  if (!ReadWord(in, name)) return RecordEnd::kBroken;
  int row = index.Find(name);
  if (row < 0) {
    row = pat.AppendRow(name, pat.schematic_name() + "." + name, RowKind::kInput);
    if (row >= 0) index.Add(name, row);
  }
  std::string word;
  if (!ReadWord(in, word)) return RecordEnd::kBroken;
  const auto count = ParseDecimal(word);
  if (!count) return RecordEnd::kBroken;
  std::string value;
  for (std::int32_t i = 0; i < *count; ++i) {
    if (!ReadWord(in, word)) return RecordEnd::kBroken;
    const auto time = ParseDecimal(word);
    // A value cut off by the end of the file never becomes an event.
    if (!time || !ReadWord(in, value)) return RecordEnd::kBroken;
    if (row >= 0) pat.row(row).events.Insert(*time, std::move(value));
  }
  return row >= 0 ? RecordEnd::kComplete : RecordEnd::kRefused;
}

}  // namespace

bool Pat::ReadInputPat(const std::string& path) {
  SetPath(path);
  damaged_file_.clear();
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  // Only a regular file is a pattern: a FIFO would never end, and a device
  // would be replaced by the next save.
  if (!fs::is_regular_file(status) && status.type() != fs::file_type::not_found) {
    ShowError(*host_, *errors_, "Pat::ReadInputPat", path);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    // Only a file that is not there is made anew: one that exists but cannot
    // be read keeps its contents.
    if (status.type() != fs::file_type::not_found ||
        !WriteFileAtomically(path, [](std::ostream& out) {
          out << "e\n";
          return true;
        })) {
      ShowError(*host_, *errors_, "Pat::ReadInputPat", path);
      return false;
    }
    in.open(path, std::ios::binary);
    if (!in) {
      ShowError(*host_, *errors_, "Pat::ReadInputPat", path);
      return false;
    }
  }
  if (!ReadInputPat(in)) damaged_file_ = path;
  return true;
}

bool Pat::ReadInputPat(std::istream& in) {
  RowIndex index;
  for (int i = 0; i < count_; ++i)
    index.Add(rows_[i].name, i);
  bool pattern_damaged = false;
  bool memory_damaged = false;
  std::string word;
  for (;;) {
    if (!ReadWord(in, word)) {
      pattern_damaged = true;
      break;
    }
    if (word == "e") break;
    if (word == "a") {
      const RecordEnd end = ReadWaveform(*this, in, index);
      if (end == RecordEnd::kComplete) continue;
      pattern_damaged = true;
      if (end == RecordEnd::kRefused) continue;
      break;
    }
    if (word == "m") {
      const Mem::RecordEnd end = mem_.ReadMemoryRecord(in);
      if (end == Mem::RecordEnd::kComplete) continue;
      if (!memory_damaged) mem_.ShowDamagedWarning();
      memory_damaged = true;
      if (end == Mem::RecordEnd::kRefused) continue;
      // The file ended inside the record: its warning says all there is.
      break;
    }
    pattern_damaged = true;
    break;
  }
  if (pattern_damaged) ShowDamagedWarning();
  return !pattern_damaged && !memory_damaged;
}

bool Pat::WriteInputPat(const std::string& path) {
  SetPath(path);
  if (!KeepDamagedOriginal(path)) return false;
  return WriteFileAtomically(path, [this](std::ostream& out) {
    WriteInputPat(out);
    return true;
  });
}

bool Pat::KeepDamagedOriginal(const std::string& path) {
  std::error_code error;
  if (damaged_file_.empty() || !std::filesystem::equivalent(damaged_file_, path, error))
    return true;
  const std::string backup = path + ".bak";
  const bool kept = CopyFileAtomically(path, backup);
  const std::string text = kept ? kDamagedOriginalKeptText : kDamagedOriginalNotKeptText;
  host_->Show({text + backup,
               {},
               kept ? MessageIcon::kInformation : MessageIcon::kWarning,
               MessageButtons::kOk});
  if (kept) damaged_file_.clear();
  return kept;
}

void Pat::WriteInputPat(std::ostream& out) const {
  std::string text;
  for (int i = 0; i < count_; ++i) {
    const PatRow& row = rows_[i];
    // A name with white space would not read back as one word.
    if (row.kind == RowKind::kOutput || !IsWord(row.name) || row.events.empty()) continue;
    text = "a  ";
    text += row.name;
    text += "  ";
    AppendDecimal(text, static_cast<std::int64_t>(row.events.size()));
    text += "\n   ";
    // Ten events to a line: the column grows by 7 per event whatever its
    // length.
    int column = 3;
    for (const PatEvent& event : row.events) {
      AppendDecimal(text, event.time);
      text += ' ';
      text += event.value;
      text += "  ";
      column += 7;
      if (column >= 70) {
        text += "\n   ";
        column = 3;
      }
    }
    text += '\n';
    out << text;
  }
  mem_.WriteMemories(out);
  out << "e\n";
}

}  // namespace lumo
