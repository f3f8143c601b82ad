#include "editing/symbol_edits.h"

#include <cmath>
#include <memory>

namespace lumo {

namespace {

// Takes a record out of its list and puts it back after the record it
// followed. `linked` says whether the change recorded linked the record
// (an addition) or unlinked it (a removal); while it is out of the list
// the step owns it.
template <class T>
class LinkStep : public EditStep {
 public:
  LinkStep(NodeList<T>& list, T& node, T* after, bool linked, std::unique_ptr<T> owned)
      : list_(list), node_(node), after_(after), linked_(linked), owned_(std::move(owned)) {}
  void Undo() override { linked_ ? Take() : Put(); }
  void Redo() override { linked_ ? Put() : Take(); }
  std::size_t Bytes() const override { return sizeof(T) + sizeof(*this) + 32; }

 private:
  void Take() { owned_ = list_.Unlink(node_); }
  void Put() { list_.InsertAfter(after_, std::move(owned_)); }

  NodeList<T>& list_;
  T& node_;
  T* after_;
  bool linked_;
  std::unique_ptr<T> owned_;
};

double Distance(UnitPoint a, int x, int y) {
  return std::hypot(a.x - x, a.y - y);
}

}  // namespace

SymbolEdits::SymbolEdits(Symbol& symbol, UndoHistory& history)
    : symbol_(symbol), history_(history) {
  if (!symbol_.positive) symbol_.positive = std::make_unique<SymbolGraphics>();
}

template <class T>
T& SymbolEdits::Link(NodeList<T>& list, const T& value) {
  // The copy's links are set by the list.
  T& node = list.PushFront(std::make_unique<T>(value));
  history_.Done(std::make_unique<LinkStep<T>>(list, node, nullptr, true, nullptr));
  return node;
}

template <class T>
void SymbolEdits::Unlink(NodeList<T>& list, T& node) {
  T* after = node.previous();
  std::unique_ptr<T> owned = list.Unlink(node);
  history_.Done(std::make_unique<LinkStep<T>>(list, node, after, false, std::move(owned)));
}

SymbolLine& SymbolEdits::AddLine(UnitPoint from, UnitPoint to) {
  SymbolLine line;
  line.x0 = from.x;
  line.y0 = from.y;
  line.x1 = to.x;
  line.y1 = to.y;
  return Link(symbol_.positive->lines, line);
}

std::vector<SymbolLine*> SymbolEdits::AddBox(UnitPoint a, UnitPoint c) {
  const UnitPoint corners[5] = {a, {c.x, a.y}, c, {a.x, c.y}, a};
  std::vector<SymbolLine*> lines;
  history_.BeginGroup();
  for (int i = 0; i < 4; ++i)
    lines.push_back(&AddLine(corners[i], corners[i + 1]));
  history_.EndGroup();
  return lines;
}

SymbolArc& SymbolEdits::AddArc(const SymbolArc& arc) {
  return Link(symbol_.positive->arcs, arc);
}

SymbolText& SymbolEdits::AddText(const SymbolText& text) {
  return Link(symbol_.positive->texts, text);
}

std::vector<SymbolItem> SymbolEdits::AddTerminal(const PlacedTerminal& placed) {
  std::vector<SymbolItem> items;
  history_.BeginGroup();
  items.push_back({.terminal = &Link(symbol_.terminals, placed.terminal)});
  items.push_back({.text = &AddText(placed.name_label)});
  if (placed.extra_label) items.push_back({.text = &AddText(*placed.extra_label)});
  history_.EndGroup();
  return items;
}

void SymbolEdits::Remove(const std::vector<SymbolItem>& items) {
  history_.BeginGroup();
  for (const SymbolItem& item : items) {
    if (item.line != nullptr) Unlink(symbol_.positive->lines, *item.line);
    if (item.arc != nullptr) Unlink(symbol_.positive->arcs, *item.arc);
    if (item.text != nullptr) Unlink(symbol_.positive->texts, *item.text);
    if (item.terminal != nullptr) Unlink(symbol_.terminals, *item.terminal);
  }
  history_.EndGroup();
}

std::vector<SymbolItem> PickForDelete(Symbol& symbol, UnitPoint p, int arc_tolerance) {
  std::vector<SymbolItem> items;
  SymbolGraphics* graphics = symbol.positive.get();
  const auto first_text_near = [&](int x, int y) -> SymbolText* {
    if (graphics == nullptr) return nullptr;
    for (SymbolText& text : graphics->texts)
      if (Distance({x, y}, text.x, text.y) <= 6) return &text;
    return nullptr;
  };
  for (SymbolTerminal& terminal : symbol.terminals) {
    if (Distance(p, terminal.x, terminal.y) > 2) continue;
    items.push_back({.terminal = &terminal});
    SymbolText* label = first_text_near(terminal.x, terminal.y);
    if (label != nullptr && label->text == terminal.name) items.push_back({.text = label});
    return items;
  }
  if (graphics == nullptr) return items;
  for (SymbolLine& line : graphics->lines) {
    if (SegmentDistance(p, {line.x0, line.y0}, {line.x1, line.y1}) <= 2) {
      items.push_back({.line = &line});
      return items;
    }
  }
  for (SymbolArc& arc : graphics->arcs) {
    if (ArcNear(arc, p, arc_tolerance)) {
      items.push_back({.arc = &arc});
      return items;
    }
  }
  for (SymbolText& text : graphics->texts) {
    if (Distance(p, text.x, text.y) > 6) continue;
    items.push_back({.text = &text});
    for (SymbolTerminal& terminal : symbol.terminals) {
      if (Distance({text.x, text.y}, terminal.x, terminal.y) > 6) continue;
      if (terminal.name == text.text) items.push_back({.terminal = &terminal});
      break;
    }
    return items;
  }
  return items;
}

bool SymbolIsBlank(const Symbol& symbol) {
  return symbol.terminals.empty() && (!symbol.positive || symbol.positive->Empty());
}

}  // namespace lumo
