#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/undo_history.h"
#include "pattern/pat.h"

namespace lumo {

// The waveform editor's changes of a pattern, without any window: values
// set and removed, events moved, rows deleted, restored and moved, names
// typed. Each change is recorded as an undo step by RowsRecorder.

// A row as a value: what undo puts back and what the row delete keeps.
struct SavedRow {
  std::string name;
  std::string full_name;
  std::vector<PatEvent> events;  // in list order
  RowKind kind = RowKind::kInput;

  bool operator==(const SavedRow& other) const;
};
SavedRow SaveRow(const PatRow& row);
// Puts the row back as it was, its events in their old order.
void RestoreRow(PatRow& row, const SavedRow& saved);

// Remembers rows first..last (inclusive) and the row count before a change;
// Finish() gives the undo step of the change, or null when nothing changed.
class RowsRecorder {
 public:
  RowsRecorder(Pat& pat, int first, int last);
  std::unique_ptr<EditStep> Finish();

 private:
  Pat& pat_;
  int first_;
  int count_;
  std::vector<SavedRow> before_;
};

// A row holding a bus: some value other than 0, 1, x and z.
bool IsBusRow(const PatRow& row);
bool IsBitValue(std::string_view value);

// Walking from the first event, each later one gets the opposite of the one
// before it. Only one-bit rows of two events or more whose first value is
// 0 or 1 change.
void Realternate(EventList& events);

// A row at or past the count becomes part of the pattern: the count grows
// to take it in, and an unused row becomes an input row. False when the row
// is outside the table.
bool TakeRowIn(Pat& pat, int row);

// The event time of a pointer time: not below 0, within the event range.
std::int32_t EventTime(std::int64_t time);

// Left button of mode 1: on a one-bit row, a "0" where no event is; at
// time 0 the first value flips; then the row is alternated again. True
// when the pattern changed.
bool SetSingleValue(Pat& pat, int row, std::int64_t time);
// The value the multi-value dialog's field gives: its first blank-delimited
// word, at most 99 bytes; "0" when there is none.
std::string ValueOfField(std::string_view field);
// Left button of mode 2: the event at exactly that time gives way to the
// value; one-bit rows are not alternated.
bool SetMultiValue(Pat& pat, int row, std::int64_t time, std::string_view field);
// Right button of modes 1 and 2: the nearest event goes, however far. In
// mode 1 only on one-bit rows, which are then alternated again.
bool RemoveNearest(Pat& pat, int row, std::int64_t time, bool single);

// Mode 6: takes a row out; the rows below it move up and the last is
// emptied. Nothing for a row past the count.
std::optional<SavedRow> DeleteRow(Pat& pat, int row);
// Puts a deleted row back at its index, moving the rows from there down.
// False when the table has no room.
bool RestoreDeletedRow(Pat& pat, int row, const SavedRow& saved);
// Mode 8: moves row `from` to `to`, then drops trailing empty rows.
void MoveRow(Pat& pat, int from, int to);

// True when writing the pattern file would keep nothing: no named row has
// an event and no named memory has a word. (A pattern of memory data alone
// is still worth saving.)
bool NothingToSave(const Pat& pat);

// Typing into a row's name: a byte from 33 to 126 is appended; Backspace
// takes the last one off. True when the name changed.
bool AppendToName(Pat& pat, int row, int key);
bool EraseFromName(Pat& pat, int row);

}  // namespace lumo
