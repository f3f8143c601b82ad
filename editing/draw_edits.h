#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "editing/undo_history.h"
#include "schematic/draw.h"
#include "schematic/draw_changes.h"

namespace lumo {

// The schematic of one window with its undo history. Every change of the
// records goes through Edit(), which records what the change did to the
// records (DrawChanges) as one step; undo and redo replay the steps.
// Clearing or reading the schematic makes its history unusable, so the
// history is forgotten the next time the editor is used.
class DrawEditor {
 public:
  explicit DrawEditor(Draw& draw, std::size_t byte_bound = UndoHistory::kDefaultByteBound);

  Draw& draw() { return draw_; }
  UndoHistory& history() {
    Sync();
    return history_;
  }

  // Runs `change` (which edits the schematic) and records what it did as
  // one step; returns what `change` returns. Edits inside an edit belong to
  // the outer step. A change that made no difference leaves no step.
  template <class Change>
  decltype(auto) Edit(Change&& change) {
    if (recording_ != nullptr) return change();
    Sync();
    Recording recording(*this);
    return change();
  }

  bool CanUndo() { return history().CanUndo(); }
  bool CanRedo() { return history().CanRedo(); }
  // Each returns false, changing nothing, when there is no step to take.
  bool Undo() { return history().Undo(); }
  bool Redo() { return history().Redo(); }

 private:
  // Records from construction to destruction, then hands the step to the
  // history, also when the change was given up by an exception.
  class Recording {
   public:
    explicit Recording(DrawEditor& editor);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

   private:
    DrawEditor& editor_;
    std::unique_ptr<DrawChanges> changes_;
  };

  void Sync();

  Draw& draw_;
  UndoHistory history_;
  std::uint64_t reloads_;
  DrawChanges* recording_ = nullptr;
};

}  // namespace lumo
