#include "editing/pat_edits.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace lumo {

namespace {

PatRow& Row(Pat& pat, int row) {
  return pat.row(row);
}

std::size_t BytesOf(const std::vector<SavedRow>& rows) {
  std::size_t bytes = 0;
  for (const SavedRow& row : rows) {
    bytes += sizeof(SavedRow) + row.name.size() + row.full_name.size();
    for (const PatEvent& event : row.events)
      bytes += sizeof(PatEvent) + event.value.size();
  }
  return bytes;
}

void Restore(Pat& pat, int first, const std::vector<SavedRow>& rows, int count) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    RestoreRow(pat.row(first + static_cast<int>(i)), rows[i]);
  pat.set_count(count);
}

class RowsStep : public EditStep {
 public:
  RowsStep(Pat& pat, int first, std::vector<SavedRow> before, int count_before,
           std::vector<SavedRow> after, int count_after)
      : pat_(pat),
        first_(first),
        before_(std::move(before)),
        after_(std::move(after)),
        count_before_(count_before),
        count_after_(count_after) {}
  void Undo() override { Restore(pat_, first_, before_, count_before_); }
  void Redo() override { Restore(pat_, first_, after_, count_after_); }
  std::size_t Bytes() const override { return BytesOf(before_) + BytesOf(after_); }

 private:
  Pat& pat_;
  int first_;
  std::vector<SavedRow> before_;
  std::vector<SavedRow> after_;
  int count_before_;
  int count_after_;
};

void ShiftDown(Pat& pat, int from, int last) {
  // Rows from..last-1 move to from+1..last; row `from` is left emptied.
  for (int i = last; i > from; --i)
    std::swap(Row(pat, i), Row(pat, i - 1));
}

void ShiftUp(Pat& pat, int from, int last) {
  // Rows from+1..last move to from..last-1; row `last` gets what was at `from`.
  for (int i = from; i < last; ++i)
    std::swap(Row(pat, i), Row(pat, i + 1));
}

void Empty(PatRow& row) {
  row.name.clear();
  row.full_name.clear();
  row.events.Clear();
  row.kind = RowKind::kInput;
}

bool IsEmptyRow(const PatRow& row) {
  return row.name.empty() && row.events.empty();
}

}  // namespace

bool SavedRow::operator==(const SavedRow& other) const {
  if (name != other.name || full_name != other.full_name || kind != other.kind ||
      events.size() != other.events.size())
    return false;
  for (std::size_t i = 0; i < events.size(); ++i)
    if (events[i].time != other.events[i].time || events[i].value != other.events[i].value)
      return false;
  return true;
}

SavedRow SaveRow(const PatRow& row) {
  SavedRow saved{row.name, row.full_name, {}, row.kind};
  saved.events.reserve(row.events.size());
  for (const PatEvent& event : row.events)
    saved.events.push_back(event);
  return saved;
}

void RestoreRow(PatRow& row, const SavedRow& saved) {
  row.name = saved.name;
  row.full_name = saved.full_name;
  row.kind = saved.kind;
  row.events.Clear();
  // Inserting in list order keeps equal times in their old order.
  for (const PatEvent& event : saved.events)
    row.events.Insert(event.time, event.value);
}

RowsRecorder::RowsRecorder(Pat& pat, int first, int last)
    : pat_(pat), first_(std::clamp(first, 0, kPatRows - 1)), count_(pat.count()) {
  last = std::clamp(last, first_, kPatRows - 1);
  for (int i = first_; i <= last; ++i)
    before_.push_back(SaveRow(pat.row(i)));
}

std::unique_ptr<EditStep> RowsRecorder::Finish() {
  std::vector<SavedRow> after;
  after.reserve(before_.size());
  for (std::size_t i = 0; i < before_.size(); ++i)
    after.push_back(SaveRow(pat_.row(first_ + static_cast<int>(i))));
  if (after == before_ && count_ == pat_.count()) return nullptr;
  return std::make_unique<RowsStep>(pat_, first_, std::move(before_), count_, std::move(after),
                                    pat_.count());
}

bool IsBitValue(std::string_view value) {
  return value == "0" || value == "1" || value == "x" || value == "z";
}

bool IsBusRow(const PatRow& row) {
  return std::any_of(row.events.begin(), row.events.end(),
                     [](const PatEvent& event) { return !IsBitValue(event.value); });
}

void Realternate(EventList& events) {
  if (events.size() < 2) return;
  auto event = events.begin();
  std::string last = event->value;
  if (last != "0" && last != "1") return;
  for (++event; event != events.end(); ++event) {
    last = last == "0" ? "1" : "0";
    events.SetValue(event, last);
  }
}

bool TakeRowIn(Pat& pat, int row) {
  if (row < 0 || row >= kPatRows) return false;
  if (row >= pat.count()) {
    for (int i = pat.count(); i <= row; ++i)
      if (pat.row(i).kind == RowKind::kUnused) pat.row(i).kind = RowKind::kInput;
    pat.set_count(row + 1);
  }
  return true;
}

std::int32_t EventTime(std::int64_t time) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(time, 0, std::numeric_limits<std::int32_t>::max()));
}

bool SetSingleValue(Pat& pat, int row, std::int64_t time) {
  if (row < 0 || row >= kPatRows || IsBusRow(pat.row(row))) return false;
  const std::int32_t at = EventTime(time);
  EventList& events = pat.row(row).events;
  const auto found = events.FindAt(at);
  if (found == events.end()) {
    events.Insert(at, "0");
  } else if (at == 0) {
    events.SetValue(found, found->value == "0" ? "1" : "0");
  } else {
    return false;
  }
  Realternate(events);
  TakeRowIn(pat, row);
  return true;
}

std::string ValueOfField(std::string_view field) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::size_t start = 0;
  while (start < field.size() && blank(field[start]))
    ++start;
  std::size_t end = start;
  while (end < field.size() && !blank(field[end]) && end - start < 99)
    ++end;
  if (end == start) return "0";
  return std::string(field.substr(start, end - start));
}

bool SetMultiValue(Pat& pat, int row, std::int64_t time, std::string_view field) {
  if (row < 0 || row >= kPatRows) return false;
  const std::int32_t at = EventTime(time);
  EventList& events = pat.row(row).events;
  const auto found = events.FindAt(at);
  if (found != events.end()) events.Erase(found);
  events.Insert(at, ValueOfField(field));
  TakeRowIn(pat, row);
  return true;
}

bool RemoveNearest(Pat& pat, int row, std::int64_t time, bool single) {
  if (row < 0 || row >= kPatRows) return false;
  PatRow& target = pat.row(row);
  if (single && IsBusRow(target)) return false;
  const EventList::Nearest nearest = target.events.FindNearest(EventTime(time));
  if (nearest.event == target.events.end()) return false;
  target.events.Erase(nearest.event);
  if (single) Realternate(target.events);
  return true;
}

std::optional<SavedRow> DeleteRow(Pat& pat, int row) {
  const int count = pat.count();
  if (row < 0 || row >= count) return std::nullopt;
  SavedRow saved = SaveRow(pat.row(row));
  ShiftUp(pat, row, count - 1);
  Empty(pat.row(count - 1));
  pat.set_count(count - 1);
  return saved;
}

bool RestoreDeletedRow(Pat& pat, int row, const SavedRow& saved) {
  const int count = pat.count();
  if (row < 0 || row > count || count >= kPatRows) return false;
  ShiftDown(pat, row, count);
  RestoreRow(pat.row(row), saved);
  pat.set_count(count + 1);
  return true;
}

void MoveRow(Pat& pat, int from, int to) {
  if (from < 0 || to < 0 || from >= kPatRows || to >= kPatRows) return;
  const int count = pat.count();
  if (from < to) {
    ShiftUp(pat, from, to);
    if (to >= count) TakeRowIn(pat, to);
  } else if (to < from) {
    ShiftDown(pat, to, from);
    if (from >= count) pat.set_count(count + 1);
  }
  while (pat.count() > 1 && IsEmptyRow(pat.row(pat.count() - 1)))
    pat.set_count(pat.count() - 1);
}

bool NothingToSave(const Pat& pat) {
  if (!pat.IsEmpty()) return false;
  const Mem& mem = pat.mem();
  for (int i = 0; i < mem.count(); ++i)
    if (!mem.memory(i).name.empty() && !mem.memory(i).words.empty()) return false;
  return true;
}

bool AppendToName(Pat& pat, int row, int key) {
  if (key < 33 || key > 126 || row < 0 || row >= kPatRows) return false;
  pat.row(row).name.push_back(static_cast<char>(key));
  TakeRowIn(pat, row);
  return true;
}

bool EraseFromName(Pat& pat, int row) {
  if (row < 0 || row >= kPatRows || pat.row(row).name.empty()) return false;
  pat.row(row).name.pop_back();
  return true;
}

}  // namespace lumo
