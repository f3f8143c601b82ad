// DrawEditor: the schematic's edits as steps of its undo history.

#include "editing/draw_edits.h"

#include <new>
#include <utility>

namespace lumo {

namespace {

class DrawStep final : public EditStep {
 public:
  explicit DrawStep(std::unique_ptr<DrawChanges> changes) : changes_(std::move(changes)) {}
  void Undo() override { changes_->Undo(); }
  void Redo() override { changes_->Redo(); }
  std::size_t Bytes() const override { return sizeof(*this) + changes_->Bytes(); }

 private:
  std::unique_ptr<DrawChanges> changes_;
};

}  // namespace

DrawEditor::DrawEditor(Draw& draw, std::size_t byte_bound)
    : draw_(draw), history_(byte_bound), reloads_(draw.reloads()) {}

void DrawEditor::Sync() {
  if (draw_.reloads() == reloads_) return;
  history_.Clear();
  reloads_ = draw_.reloads();
}

DrawEditor::Recording::Recording(DrawEditor& editor)
    : editor_(editor), changes_(std::make_unique<DrawChanges>(editor.draw_)) {
  editor_.recording_ = changes_.get();
}

DrawEditor::Recording::~Recording() {
  editor_.recording_ = nullptr;
  changes_->Stop();
  if (changes_->empty()) return;
  try {
    editor_.history_.Done(std::make_unique<DrawStep>(std::move(changes_)));
  } catch (const std::bad_alloc&) {
    // The change stays made but cannot be taken back, and the older steps
    // no longer start from the state they recorded.
    editor_.history_.Clear();
  }
}

}  // namespace lumo
