// The simulator's output lines: name, time and value per recorded change.

#include <fstream>

#include "common/decimal.h"
#include "common/input_file.h"
#include "common/read_word.h"
#include "pattern/pat.h"
#include "pattern/pattern_words.h"
#include "pattern/row_index.h"

namespace lumo {

bool Pat::ReadOutputPat(const std::string& path) {
  std::ifstream in = OpenInputFile(path);
  if (!in) return false;
  return ReadOutputPat(in);
}

bool Pat::ReadOutputPat(std::istream& in) {
  if (count_ >= kPatRows) {
    ShowDamagedWarning();
    return false;
  }
  // The blank separator between input and output rows.
  PatRow& separator = rows_[count_++];
  separator.name.clear();
  separator.full_name.clear();
  separator.events.Clear();

  RowIndex by_name;
  RowIndex by_full_name;  // the simulator also reports the inputs by full name
  for (int i = 0; i < count_; ++i) {
    by_name.Add(rows_[i].name, i);
    if (rows_[i].kind == RowKind::kInput) by_full_name.Add(rows_[i].full_name, i);
  }
  bool refused = false;
  std::string name;
  std::string word;
  std::string value;
  // A line cut short ends the reading silently; what was read stays.
  while (ReadWord(in, name) && ReadWord(in, word)) {
    const auto time = ParseDecimal(word);
    if (!time || !ReadWord(in, value)) break;
    // The first row that matches decides: by its name, or as an input row
    // by its full name, whose lines are dropped.
    int row = by_name.Find(name);
    const int input = by_full_name.Find(name);
    if (input >= 0 && (row < 0 || input < row)) continue;
    if (row < 0) {
      row = AppendRow(name, {}, RowKind::kOutput);
      if (row < 0) {
        refused = true;
        continue;
      }
      by_name.Add(name, row);
    }
    rows_[row].events.Insert(*time, std::move(value));
  }
  SortRows(RowKind::kOutput);
  if (refused) ShowDamagedWarning();
  return true;
}

}  // namespace lumo
