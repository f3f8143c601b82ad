#include "editing/undo_history.h"

#include <utility>

namespace lumo {
namespace {

class FunctionStep final : public EditStep {
 public:
  FunctionStep(std::function<void()> undo, std::function<void()> redo, std::size_t bytes)
      : undo_(std::move(undo)), redo_(std::move(redo)), bytes_(bytes) {}
  void Undo() override { undo_(); }
  void Redo() override { redo_(); }
  std::size_t Bytes() const override { return bytes_ + sizeof(*this); }

 private:
  std::function<void()> undo_;
  std::function<void()> redo_;
  std::size_t bytes_;
};

// The steps of one group: redone in the order they were made, undone in the
// reverse order.
class GroupStep final : public EditStep {
 public:
  explicit GroupStep(std::vector<std::unique_ptr<EditStep>> steps) : steps_(std::move(steps)) {
    for (const auto& step : steps_)
      bytes_ += step->Bytes();
  }
  void Undo() override {
    for (auto it = steps_.rbegin(); it != steps_.rend(); ++it)
      (*it)->Undo();
  }
  void Redo() override {
    for (auto& step : steps_)
      step->Redo();
  }
  std::size_t Bytes() const override { return bytes_; }

 private:
  std::vector<std::unique_ptr<EditStep>> steps_;
  std::size_t bytes_ = sizeof(*this);
};

}  // namespace

std::unique_ptr<EditStep> MakeEditStep(std::function<void()> undo, std::function<void()> redo,
                                       std::size_t bytes) {
  return std::make_unique<FunctionStep>(std::move(undo), std::move(redo), bytes);
}

void UndoHistory::Done(std::unique_ptr<EditStep> step) {
  if (!step) return;
  if (group_depth_ > 0) {
    group_.push_back(std::move(step));
    return;
  }
  Push(std::move(step));
}

void UndoHistory::BeginGroup() {
  ++group_depth_;
}

void UndoHistory::EndGroup() {
  if (group_depth_ == 0 || --group_depth_ > 0) return;
  if (group_.empty()) return;
  if (group_.size() == 1) {
    Push(std::move(group_.front()));
  } else {
    Push(std::make_unique<GroupStep>(std::move(group_)));
  }
  group_.clear();
}

void UndoHistory::Push(std::unique_ptr<EditStep> step) {
  DropUndone();
  bytes_ += step->Bytes();
  steps_.push_back(std::move(step));
  ++done_count_;
  // Keep at least the newest step, however large.
  while (bytes_ > byte_bound_ && steps_.size() > 1)
    DropOldest();
}

void UndoHistory::DropUndone() {
  if (clean_at_ != kUnreachable && clean_at_ > done_count_) clean_at_ = kUnreachable;
  while (steps_.size() > done_count_) {
    bytes_ -= steps_.back()->Bytes();
    steps_.pop_back();
  }
}

void UndoHistory::DropOldest() {
  bytes_ -= steps_.front()->Bytes();
  steps_.pop_front();
  --done_count_;
  if (clean_at_ == 0)
    clean_at_ = kUnreachable;
  else if (clean_at_ != kUnreachable)
    --clean_at_;
}

bool UndoHistory::Undo() {
  if (!CanUndo()) return false;
  --done_count_;
  steps_[done_count_]->Undo();
  return true;
}

bool UndoHistory::Redo() {
  if (!CanRedo()) return false;
  steps_[done_count_]->Redo();
  ++done_count_;
  return true;
}

void UndoHistory::Clear() {
  steps_.clear();
  group_.clear();
  group_depth_ = 0;
  done_count_ = 0;
  bytes_ = 0;
  clean_at_ = 0;
}

}  // namespace lumo
