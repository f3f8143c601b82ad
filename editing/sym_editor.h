#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/sym_geometry.h"
#include "editing/sym_modes.h"
#include "editing/symbol_edits.h"

namespace lumo {

// The symbol editor's tools as a state machine over the mouse events of
// the large view (points already snapped). It edits the symbol through
// SymbolEdits, so every change is a step of the history; the right-button
// undos of the tools take the newest step back through the same history.
// The window draws what it reports: the items just added (red until the
// tool's next action) and the rubber band of a drag.
class SymbolEditor {
 public:
  // Asks the terminal name dialog; nothing when it was cancelled.
  using AskTerminalName = std::function<std::optional<std::string>()>;

  SymbolEditor(Symbol& symbol, UndoHistory& history, std::string function_name);

  Symbol& symbol() { return edits_.symbol(); }
  int mode() const { return mode_; }
  int terminal_kind() const { return terminal_kind_; }
  // A tool command: the mode (and terminal kind) directly.
  void ChooseTool(int mode, int terminal_kind = 0);

  void LeftDown(UnitPoint p, const AskTerminalName& ask);
  void LeftUp(UnitPoint p);
  void RightDown();
  // The pointer left the canvas: a drag is abandoned and a tool that has
  // just added an item returns to its idle state.
  void Leave();
  // Undo or redo by key or menu moved the history: the tool returns to its
  // idle state, as its last item may be gone.
  void HistoryMoved();

  // The items added by the tool's last action (red until its next one).
  const std::vector<SymbolItem>& fresh() const { return fresh_; }
  // The rubber band: in modes 2 and 5 from drag_start to the pointer; in 8
  // the chord from drag_start to the pointer; in 9 the arc over the chord
  // drag_start-chord_end with its centre by the pointer.
  UnitPoint drag_start() const { return drag_start_; }
  UnitPoint chord_end() const { return chord_end_; }

 private:
  void Commit() { fresh_.clear(); }
  void UndoFresh(int next_mode);
  void DeleteAt(UnitPoint p, int arc_tolerance);

  SymbolEdits edits_;
  std::string function_name_;
  int mode_ = kSymLineIdle;
  int terminal_kind_ = 0;
  UnitPoint drag_start_;
  UnitPoint chord_end_;
  std::vector<SymbolItem> fresh_;
  bool held_ = false;  // the last deletion can be put back
};

}  // namespace lumo
