#include "editing/sym_editor.h"

namespace lumo {

namespace {

SymbolText NameText(char kind, std::string text, UnitPoint p) {
  SymbolText name;
  name.text = std::move(text);
  name.visible = 'y';
  name.kind = kind;
  name.x = p.x;
  name.y = p.y;
  name.anchor = 'l';
  name.rotation = 0;
  return name;
}

}  // namespace

SymbolEditor::SymbolEditor(Symbol& symbol, UndoHistory& history, std::string function_name)
    : edits_(symbol, history), function_name_(std::move(function_name)) {}

void SymbolEditor::ChooseTool(int mode, int terminal_kind) {
  mode_ = mode;
  terminal_kind_ = terminal_kind;
  held_ = false;
  Commit();
}

void SymbolEditor::LeftDown(UnitPoint p, const AskTerminalName& ask) {
  switch (mode_) {
    case kSymLineIdle:
    case kSymLineAdded:
    case kSymBoxIdle:
    case kSymBoxAdded:
      Commit();
      drag_start_ = p;
      mode_ = mode_ <= kSymLineAdded ? kSymLineDrag : kSymBoxDrag;
      break;
    case kSymArcIdle:
    case kSymArcAdded:
      Commit();
      drag_start_ = p;
      mode_ = kSymArcChord;
      break;
    case kSymArcBulge:
      fresh_ = {{.arc = &edits_.AddArc(ArcFromChord(drag_start_, chord_end_, p))}};
      mode_ = kSymArcAdded;
      break;
    case kSymElementNameIdle:
    case kSymElementNameAdded:
      Commit();
      fresh_ = {{.text = &edits_.AddText(NameText('e', "?", p))}};
      mode_ = kSymElementNameAdded;
      break;
    case kSymFunctionNameIdle:
    case kSymFunctionNameAdded:
      Commit();
      fresh_ = {{.text = &edits_.AddText(NameText('f', function_name_, p))}};
      mode_ = kSymFunctionNameAdded;
      break;
    case kSymTerminalIdle:
    case kSymTerminalAdded: {
      Commit();
      const std::optional<std::string> typed = ask ? ask() : std::optional<std::string>("");
      if (!typed) break;  // cancelled: nothing placed, the tool stays
      fresh_ = edits_.AddTerminal(PlaceTerminal(p, terminal_kind_, ParseTerminalEntry(*typed)));
      mode_ = kSymTerminalAdded;
      break;
    }
    case kSymDeleteIdle:
      DeleteAt(p, 3);
      break;
    case kSymDeleted:
      DeleteAt(p, 2);
      break;
    default:
      break;
  }
}

void SymbolEditor::LeftUp(UnitPoint p) {
  if (p == drag_start_) return;  // released where pressed: the drag goes on
  switch (mode_) {
    case kSymLineDrag:
      fresh_ = {{.line = &edits_.AddLine(drag_start_, p)}};
      mode_ = kSymLineAdded;
      break;
    case kSymBoxDrag:
      fresh_.clear();
      for (SymbolLine* line : edits_.AddBox(drag_start_, p))
        fresh_.push_back({.line = line});
      mode_ = kSymBoxAdded;
      break;
    case kSymArcChord:
      chord_end_ = p;
      mode_ = kSymArcBulge;
      break;
    default:
      break;
  }
}

void SymbolEditor::UndoFresh(int next_mode) {
  // The tool's last item is the newest step of the history: nothing else
  // changes the symbol while the tool is in its added state.
  if (!fresh_.empty()) edits_.history().Undo();
  fresh_.clear();
  mode_ = next_mode;
}

void SymbolEditor::RightDown() {
  switch (mode_) {
    case kSymLineDrag:
    case kSymBoxDrag:
    case kSymArcChord:
      mode_ = SymIdleMode(mode_);
      break;
    case kSymLineAdded:
      UndoFresh(kSymLineDrag);
      break;
    case kSymBoxAdded:
      UndoFresh(kSymBoxDrag);
      break;
    case kSymArcBulge:
      mode_ = kSymArcChord;
      break;
    case kSymArcAdded:
      UndoFresh(kSymArcBulge);
      break;
    case kSymElementNameAdded:
    case kSymFunctionNameAdded:
    case kSymTerminalAdded:
      UndoFresh(SymIdleMode(mode_));
      break;
    case kSymDeleted:
      // The held items go back where they were.
      if (held_) edits_.history().Undo();
      held_ = false;
      mode_ = kSymDeleteIdle;
      break;
    default:
      break;
  }
}

void SymbolEditor::Leave() {
  switch (mode_) {
    case kSymLineDrag:
    case kSymBoxDrag:
    case kSymArcChord:
    case kSymLineAdded:
    case kSymBoxAdded:
    case kSymArcAdded:
    case kSymElementNameAdded:
    case kSymFunctionNameAdded:
    case kSymTerminalAdded:
    case kSymDeleted:
      Commit();
      held_ = false;
      mode_ = SymIdleMode(mode_);
      break;
    default:
      break;
  }
}

void SymbolEditor::HistoryMoved() {
  Commit();
  held_ = false;
  mode_ = SymIdleMode(mode_);
}

void SymbolEditor::DeleteAt(UnitPoint p, int arc_tolerance) {
  // Items held from an earlier deletion can no longer be put back.
  const std::vector<SymbolItem> items = PickForDelete(symbol(), p, arc_tolerance);
  held_ = !items.empty();
  if (held_) edits_.Remove(items);
  mode_ = kSymDeleted;
}

}  // namespace lumo
