#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace lumo {

// One change of a document model, kept so that it can be taken back and made
// again. A step is recorded after the editor has made the change, so the
// model is in its "after" state when the history receives it.
class EditStep {
 public:
  virtual ~EditStep() = default;
  // Puts the model back into its state before the change.
  virtual void Undo() = 0;
  // Makes the change again on the model Undo() left.
  virtual void Redo() = 0;
  // About how many bytes the step keeps; the history drops its oldest steps
  // when the sum passes its bound.
  virtual std::size_t Bytes() const = 0;
};

// A step from two functions, for changes whose before and after fit in a
// capture.
std::unique_ptr<EditStep> MakeEditStep(std::function<void()> undo, std::function<void()> redo,
                                       std::size_t bytes);

// The undo history of one open document: the steps done, the steps undone,
// and where the document stood when it was last saved or read. Editors call
// Done() after every change; the window's menu asks CanUndo()/CanRedo().
// Several changes that the user made as one (a move of several items) are
// recorded between BeginGroup() and EndGroup() and are undone together.
class UndoHistory {
 public:
  static constexpr std::size_t kDefaultByteBound = std::size_t{48} << 20;

  explicit UndoHistory(std::size_t byte_bound = kDefaultByteBound) : byte_bound_(byte_bound) {}

  // Records a change already made. Forgets every undone step: there is no
  // redo after a new change.
  void Done(std::unique_ptr<EditStep> step);
  void BeginGroup();
  // An empty group leaves no step.
  void EndGroup();

  bool CanUndo() const { return done_count_ > 0 && group_depth_ == 0; }
  bool CanRedo() const { return done_count_ < steps_.size() && group_depth_ == 0; }
  // Each returns false, changing nothing, when there is no step to take.
  bool Undo();
  bool Redo();

  // Opening another file forgets everything.
  void Clear();
  // The document now equals its file (saved or read).
  void MarkClean() { clean_at_ = done_count_; }
  // True while undo and redo have brought the document back to the state
  // MarkClean() saw; false once that state can no longer be reached.
  bool IsClean() const { return clean_at_ == done_count_; }

  std::size_t undo_count() const { return done_count_; }
  std::size_t redo_count() const { return steps_.size() - done_count_; }
  std::size_t bytes() const { return bytes_; }

 private:
  void Push(std::unique_ptr<EditStep> step);
  void DropUndone();
  void DropOldest();

  static constexpr std::size_t kUnreachable = static_cast<std::size_t>(-1);

  std::size_t byte_bound_;
  // steps_[0, done_count_) are done, the rest undone (the newest undone
  // first after done_count_).
  std::deque<std::unique_ptr<EditStep>> steps_;
  std::size_t done_count_ = 0;
  std::size_t bytes_ = 0;
  std::size_t clean_at_ = 0;
  int group_depth_ = 0;
  std::vector<std::unique_ptr<EditStep>> group_;
};

}  // namespace lumo
