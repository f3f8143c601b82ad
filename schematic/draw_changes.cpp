// DrawChanges: the recorded changes of one edit of a schematic, replayed
// backwards to take it back and forwards to make it again.

#include <memory>
#include <unordered_map>

#include "schematic/draw.h"

namespace lumo {

DrawChanges::DrawChanges(Draw& draw)
    : draw_(draw), reads_(draw.reloads()), generation_before_(draw.generation()) {
  draw_.recording_ = this;
}

DrawChanges::~DrawChanges() {
  if (recording_) Stop();
  // After Clear() or a read the schematic's records are gone, but the ones
  // these changes hold were never the schematic's.
  for (const Owned& owned : owned_)
    if (done_ ? owned.out_after : owned.out_before) Free(owned.kind, owned.record);
}

void DrawChanges::Name(std::string& field, const std::string& value) {
  const auto at = static_cast<std::uint64_t>(names_.size());
  names_.push_back(field);
  names_.push_back(value);
  changes_.push_back({Op::kName, Kind::kNone, 0, &field, nullptr, at, at + 1});
}

void DrawChanges::Stop() {
  if (!recording_) return;
  recording_ = false;
  if (draw_.recording_ == this) draw_.recording_ = nullptr;
  // An edit that changed nothing (a line moved by nothing) leaves the
  // schematic as it was, saved or not.
  if (changes_.empty()) draw_.generation_ = generation_before_;
  generation_after_ = draw_.generation();
  // Whether each record was in its list before the edit (its first list
  // change is an unlink) and after it (its last one is a link).
  std::unordered_map<void*, std::size_t> slot;
  for (const Change& change : changes_) {
    if (change.op != Op::kLink && change.op != Op::kUnlink) continue;
    const bool link = change.op == Op::kLink;
    const auto [at, fresh] = slot.try_emplace(change.where, owned_.size());
    if (fresh) owned_.push_back({change.kind, change.where, link, false});
    owned_[at->second].out_after = !link;
  }
  std::erase_if(owned_, [](const Owned& owned) { return !owned.out_before && !owned.out_after; });
  // Kept for as long as the history keeps the step: no spare room.
  changes_.shrink_to_fit();
  owned_.shrink_to_fit();

  bytes_ = sizeof(*this) + changes_.capacity() * sizeof(Change) + owned_.capacity() * sizeof(Owned);
  for (const std::string& name : names_)
    bytes_ += sizeof(std::string) + (name.size() > 15 ? name.capacity() : 0);
  for (const Owned& owned : owned_) {
    switch (owned.kind) {
      case Kind::kElement:
        bytes_ += sizeof(DrawElement) + 64;  // with its strings
        break;
      case Kind::kTerminal:
        bytes_ += sizeof(DrawTerminal) + 32;
        break;
      case Kind::kLine:
        bytes_ += sizeof(DrawLine) + 32;
        break;
      default:
        bytes_ += sizeof(DrawJunction);
        break;
    }
  }
}

bool DrawChanges::Applies() const {
  return draw_.reloads() == reads_;
}

bool DrawChanges::Undo() {
  if (recording_ || !done_ || !Applies()) return false;
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
    Apply(*change, false);
  draw_.generation_ = generation_before_;
  done_ = false;
  return true;
}

bool DrawChanges::Redo() {
  if (recording_ || done_ || !Applies()) return false;
  for (const Change& change : changes_)
    Apply(change, true);
  draw_.generation_ = generation_after_;
  done_ = true;
  return true;
}

template <class T>
void DrawChanges::Relink(const Change& change, bool link) {
  T& record = *static_cast<T*>(change.where);
  NodeList<T>& list = draw_.ListOf(static_cast<T*>(nullptr));
  if (link) {
    list.InsertAfter(static_cast<T*>(change.after), std::unique_ptr<T>(&record));
    if constexpr (std::is_same_v<T, DrawElement>) draw_.Bind(record);
  } else {
    list.Unlink(record).release();  // held by whichever changes own it
  }
}

template <class T>
void DrawChanges::Reindex(const Change& change, bool add) {
  T& record = *static_cast<T*>(change.where);
  PointIndex<T>& index = draw_.IndexOf(static_cast<T*>(nullptr));
  if (add)
    index.Add(record, change.before_value);
  else
    index.Remove(record);
}

void DrawChanges::Apply(const Change& change, bool forward) {
  switch (change.op) {
    case Op::kField:
      std::memcpy(change.where, forward ? &change.after_value : &change.before_value, change.size);
      return;
    case Op::kName:
      *static_cast<std::string*>(change.where) =
          names_[forward ? change.after_value : change.before_value];
      return;
    case Op::kLink:
    case Op::kUnlink: {
      const bool link = (change.op == Op::kLink) == forward;
      switch (change.kind) {
        case Kind::kElement:
          return Relink<DrawElement>(change, link);
        case Kind::kTerminal:
          return Relink<DrawTerminal>(change, link);
        case Kind::kLine:
          return Relink<DrawLine>(change, link);
        case Kind::kJunction:
          return Relink<DrawJunction>(change, link);
        case Kind::kNone:
          return;
      }
      return;
    }
    case Op::kIndex:
    case Op::kUnindex: {
      const bool add = (change.op == Op::kIndex) == forward;
      switch (change.kind) {
        case Kind::kElement:
          return Reindex<DrawElement>(change, add);
        case Kind::kTerminal:
          return Reindex<DrawTerminal>(change, add);
        case Kind::kJunction:
          return Reindex<DrawJunction>(change, add);
        default:
          return;
      }
    }
  }
}

void DrawChanges::Free(Kind kind, void* record) {
  switch (kind) {
    case Kind::kElement:
      delete static_cast<DrawElement*>(record);
      return;
    case Kind::kTerminal:
      delete static_cast<DrawTerminal*>(record);
      return;
    case Kind::kLine:
      delete static_cast<DrawLine*>(record);
      return;
    case Kind::kJunction:
      delete static_cast<DrawJunction*>(record);
      return;
    case Kind::kNone:
      return;
  }
}

}  // namespace lumo
