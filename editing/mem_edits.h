#pragma once

#include <memory>

#include "editing/undo_history.h"
#include "pattern/mem.h"

namespace lumo {

// The memory-data grid's changes of a Mem. Each function makes its change
// and returns the step that takes it back and makes it again, or null when
// nothing changed; the caller hands the step to the pattern's UndoHistory.
// Rows move as whole entries (name and word list), never copied, so undo
// gives back every entry, the count and each word list's order exactly.

// The row the right button gives back: the last deleted memory and where it
// stood (row -1: empty). Steps share it with the pane that shows it, so that
// undoing a delete also undoes what it did to the slot.
struct MemDeleteSlot {
  int row = -1;
  Memory saved;
};

// A caret that enters a row at or beyond the count takes the row into the
// table: the count becomes row + 1.
std::unique_ptr<EditStep> JoinMemRow(Mem& mem, int row);

// Characters 33..126 only; any other changes nothing.
std::unique_ptr<EditStep> AppendToMemName(Mem& mem, int row, char c);
std::unique_ptr<EditStep> ShortenMemName(Mem& mem, int row);

// The cell of an address holds the first word of that address. Typing
// replaces it with a word whose address text is HexText(address) and whose
// data text has the character added; Delete replaces it with one whose data
// text lacks its last character, and makes a word of empty data in an empty
// cell (such a word is not written to the file). Further words of the same
// address, read from a file, keep their places behind it.
std::unique_ptr<EditStep> AppendToMemCell(Mem& mem, int row, MemAddress address, char c);
std::unique_ptr<EditStep> ShortenMemCell(Mem& mem, int row, MemAddress address);

// Takes row `row` out into the slot (whatever the slot held is dropped): the
// rows after it move up and the count falls by one. Null for a row at or
// beyond the count.
std::unique_ptr<EditStep> DeleteMemRow(Mem& mem, std::shared_ptr<MemDeleteSlot> slot, int row);
// Puts the slot's memory back at its row, moving the rows from there down
// by one, and empties the slot. Null when the slot is empty or the table is
// full.
std::unique_ptr<EditStep> RestoreMemRow(Mem& mem, std::shared_ptr<MemDeleteSlot> slot);
// Moves row `from` to row `to` (the rows between shift by one), then drops
// trailing rows without name and words from the count while it exceeds 1.
std::unique_ptr<EditStep> MoveMemRow(Mem& mem, int from, int to);

}  // namespace lumo
