#include "pattern/pat.h"

#include <algorithm>
#include <utility>

#include "common/file_path.h"
#include "pattern/pattern_errors.h"

namespace lumo {

Pat::Pat(MessageHost& host, const ErrorTable& errors)
    : host_(&host), errors_(&errors), rows_(kPatRows), mem_(host) {}

void Pat::SetPath(std::string_view path) {
  // `path` may view path_ itself (WriteInputPat(path())): copy it first.
  std::string copy(path);
  folder_ = FileFolder(copy);
  title_ = FileTitle(copy);
  path_ = std::move(copy);
}

void Pat::set_count(int count) {
  count_ = std::clamp(count, 0, kPatRows);
}

int Pat::FindRow(std::string_view name) const {
  for (int i = 0; i < count_; ++i)
    if (rows_[i].name == name) return i;
  return -1;
}

int Pat::AppendRow(std::string name, std::string full_name, RowKind kind) {
  if (count_ >= kPatRows) return -1;
  PatRow& row = rows_[count_];
  row.name = std::move(name);
  row.full_name = std::move(full_name);
  row.events.Clear();
  row.kind = kind;
  return count_++;
}

void Pat::Clear() {
  for (int i = 0; i < count_; ++i) {
    rows_[i].name.clear();
    rows_[i].full_name.clear();
    rows_[i].events.Clear();
    rows_[i].kind = RowKind::kInput;
  }
  count_ = 0;
}

bool Pat::IsEmpty() const {
  for (int i = 0; i < count_; ++i)
    if (!rows_[i].name.empty() && !rows_[i].events.empty()) return false;
  return true;
}

void Pat::SortRows(RowKind kind) {
  std::vector<int> places;
  for (int i = 0; i < count_; ++i)
    if (rows_[i].kind == kind) places.push_back(i);
  std::vector<PatRow> sorted;
  sorted.reserve(places.size());
  for (int place : places)
    sorted.push_back(std::move(rows_[place]));
  // Byte order: std::string compares its characters as unsigned bytes.
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const PatRow& a, const PatRow& b) { return a.name < b.name; });
  for (std::size_t i = 0; i < places.size(); ++i)
    rows_[places[i]] = std::move(sorted[i]);
}

EventList::Nearest Pat::NearestEvent(int row, std::int32_t time) const {
  return rows_.at(row).events.FindNearest(time);
}

void Pat::ShowDamagedWarning() const {
  host_->Warn(kDamagedPatternText);
}

}  // namespace lumo
