// DrawFrame: undo and redo of the schematic's edits.

#include <QAction>
#include <QKeySequence>

#include "editing/command_ids.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"

namespace lumo {

void DrawFrame::SetUpUndoCommands() {
  // The menu shows the first key.
  action(kCmdRedo)->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
}

void DrawFrame::UpdateUndoCommands() {
  action(kCmdUndo)->setEnabled(editor_.CanUndo());
  action(kCmdRedo)->setEnabled(editor_.CanRedo());
}

void DrawFrame::Undo() {
  // A segment not yet added or an item being dragged is not in the history:
  // the key drops it first, as Esc does.
  if (canvas_->DropUnfinished()) return;
  if (editor_.Undo()) canvas_->ForgetRecords();
  UpdateTitles();
  canvas_->PaintNow();
}

void DrawFrame::Redo() {
  if (canvas_->DropUnfinished()) return;
  if (editor_.Redo()) canvas_->ForgetRecords();
  UpdateTitles();
  canvas_->PaintNow();
}

}  // namespace lumo
