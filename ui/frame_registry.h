#pragma once

#include <vector>

class QMainWindow;

namespace lumo {

// The kinds of frame window. A schematic frame stands alone; a window of
// any other kind belongs to the frame that opened it.
enum class FrameKind { kSchematic, kChooser, kWaveform, kRegisterTransfer, kSymbol };

// Every frame window from its construction to its destruction, in the order
// they were made, with its kind, its owner and whether it is still open (a
// closed window may wait a while for its deletion). Windows remove
// themselves when destroyed, so nothing here outlives its window.
class FrameRegistry {
 public:
  void Add(QMainWindow& frame, FrameKind kind, QMainWindow* owner);
  // The window was closed; it stays listed until it is destroyed.
  void MarkClosed(const QMainWindow& frame);
  void Remove(const QMainWindow& frame);

  bool Holds(const QMainWindow& frame, FrameKind kind) const;
  // The open windows of a kind, newest first.
  std::vector<QMainWindow*> Open(FrameKind kind) const;
  // The windows of a kind not yet destroyed, oldest first.
  std::vector<QMainWindow*> Alive(FrameKind kind) const;
  // The windows not yet destroyed that belong to `owner`.
  std::vector<QMainWindow*> OwnedBy(const QMainWindow& owner) const;
  // The newest window of a kind that belongs to `owner`, or null.
  QMainWindow* Find(FrameKind kind, const QMainWindow& owner) const;

 private:
  struct Entry {
    QMainWindow* frame;
    FrameKind kind;
    QMainWindow* owner;
    bool open;
  };
  std::vector<Entry> entries_;
};

}  // namespace lumo
