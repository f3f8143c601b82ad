#include "ui/frame_registry.h"

#include <algorithm>

namespace lumo {

void FrameRegistry::Add(QMainWindow& frame, FrameKind kind, QMainWindow* owner) {
  entries_.push_back(Entry{&frame, kind, owner, true});
}

void FrameRegistry::MarkClosed(const QMainWindow& frame) {
  for (Entry& entry : entries_)
    if (entry.frame == &frame) entry.open = false;
}

void FrameRegistry::Remove(const QMainWindow& frame) {
  std::erase_if(entries_, [&frame](const Entry& entry) { return entry.frame == &frame; });
}

bool FrameRegistry::Holds(const QMainWindow& frame, FrameKind kind) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return entry.frame == &frame && entry.kind == kind;
  });
}

std::vector<QMainWindow*> FrameRegistry::Open(FrameKind kind) const {
  std::vector<QMainWindow*> open;
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
    if (entry->kind == kind && entry->open) open.push_back(entry->frame);
  return open;
}

std::vector<QMainWindow*> FrameRegistry::Alive(FrameKind kind) const {
  std::vector<QMainWindow*> alive;
  for (const Entry& entry : entries_)
    if (entry.kind == kind) alive.push_back(entry.frame);
  return alive;
}

std::vector<QMainWindow*> FrameRegistry::OwnedBy(const QMainWindow& owner) const {
  std::vector<QMainWindow*> owned;
  for (const Entry& entry : entries_)
    if (entry.owner == &owner) owned.push_back(entry.frame);
  return owned;
}

QMainWindow* FrameRegistry::Find(FrameKind kind, const QMainWindow& owner) const {
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
    if (entry->kind == kind && entry->owner == &owner) return entry->frame;
  return nullptr;
}

}  // namespace lumo
