#pragma once

#include <QString>

namespace lumo {

class Application;
class UndoHistory;

// What the two panes of the waveform editor (the memory-data grid above and
// the waveform canvas below) ask of the frame that holds them: the shared edit
// mode with its status prompt, a new layout when a pane's row count grows,
// and the one undo history of the pattern and its memories.
class PatPaneHost {
 public:
  virtual ~PatPaneHost() = default;
  virtual Application& application() = 0;
  // The edit mode, 1..8.
  virtual int mode() const = 0;
  // Enters a mode and shows its prompt in the status bar.
  virtual void SetMode(int mode) = 0;
  // Shows a prompt in the status bar without changing the mode.
  virtual void ShowPrompt(const QString& prompt) = 0;
  // Sizes both panes again (a row count changed) and repaints them.
  virtual void Relayout() = 0;
  // The undo history of the pattern and its memories; the host updates its
  // menu entries and its unsaved-changes mark after each pane's edit.
  virtual UndoHistory& history() = 0;
  virtual void Edited() = 0;
};

}  // namespace lumo
