#include "editing/default_symbol.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kPitch = 16;  // between neighbouring terminals of a side
constexpr int kStub = 3;    // a terminal's stub reaches the box edge

// Rounds up to a multiple of `step` (step > 0, value >= 0).
int RoundUp(int value, int step) {
  return (value + step - 1) / step * step;
}

std::vector<std::string> NamesOf(const std::vector<ExternalTerminal>& terminals,
                                 const char* function) {
  std::vector<std::string> names;
  for (const ExternalTerminal& terminal : terminals)
    if (terminal.function == function) names.push_back(terminal.name);
  return names;
}

int Widest(const std::vector<std::string>& names) {
  int widest = 0;
  for (const std::string& name : names)
    widest = std::max(widest, TextUnits(name));
  return widest;
}

SymbolText Text(const std::string& text, char kind, int x, int y, char anchor) {
  SymbolText item;
  item.text = text;
  item.visible = 'y';
  item.kind = kind;
  item.x = x;
  item.y = y;
  item.anchor = anchor;
  item.rotation = 0;
  return item;
}

}  // namespace

int TextUnits(const std::string& text) {
  int columns = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // inside a character
    columns += byte >= 0xE0 ? 2 : 1;      // CJK and kana take two columns
  }
  return columns * 6;
}

bool AddDefaultSymbol(SymbolEdits& edits, const std::string& function_name,
                      const std::vector<ExternalTerminal>& terminals) {
  if (!SymbolIsBlank(edits.symbol())) return false;
  const std::vector<std::string> inputs = NamesOf(terminals, "_in");
  const std::vector<std::string> outputs = NamesOf(terminals, "_out");
  const std::vector<std::string> both = NamesOf(terminals, "_io");

  // Rows of the sides, centred on the origin; the bottom terminals get a
  // row of their own below the last side row, for their labels.
  const int rows =
      std::max<int>({static_cast<int>(inputs.size()), static_cast<int>(outputs.size()), 1});
  const int first_y = -(rows - 1) * kPitch / 2;  // a multiple of 8
  const int last_y = first_y + (rows - 1) * kPitch;
  const int top = first_y - 12;
  const int bottom = last_y + (both.empty() ? 12 : 24);

  // Wide enough for the labels of both sides with a gap between them, for
  // the bottom terminals and for the function name.
  const int column = RoundUp(std::max(Widest(both) + 6, kPitch), 8);
  const int bottom_span = static_cast<int>(both.empty() ? 0 : both.size() - 1) * column;
  const int half = std::max({RoundUp((16 + Widest(inputs) + Widest(outputs) + 1) / 2, 4),
                             RoundUp(bottom_span / 2 + 12, 4),
                             RoundUp(TextUnits(function_name) / 2 + 4, 4), 16});

  UndoHistory& history = edits.history();
  history.BeginGroup();
  // Added in the reverse of the file order, as new items go to the front.
  for (int i = static_cast<int>(both.size()) - 1; i >= 0; --i)
    edits.AddTerminal(PlaceTerminal({-bottom_span / 2 + i * column, bottom}, 3,
                                    TerminalEntry{both[static_cast<std::size_t>(i)], {}}));
  for (int i = static_cast<int>(outputs.size()) - 1; i >= 0; --i)
    edits.AddTerminal(PlaceTerminal({half, first_y + i * kPitch}, 0,
                                    TerminalEntry{outputs[static_cast<std::size_t>(i)], {}}));
  for (int i = static_cast<int>(inputs.size()) - 1; i >= 0; --i)
    edits.AddTerminal(PlaceTerminal({-half, first_y + i * kPitch}, 2,
                                    TerminalEntry{inputs[static_cast<std::size_t>(i)], {}}));
  const int box_bottom = bottom - kStub;
  edits.AddText(Text("?", 'e', 0, (both.empty() ? box_bottom : bottom) + 2, 'u'));
  edits.AddText(Text(function_name, 'f', 0, top + kStub - 2, 'd'));
  const UnitPoint corners[4] = {{-half + kStub, top + kStub},
                                {half - kStub, top + kStub},
                                {half - kStub, box_bottom},
                                {-half + kStub, box_bottom}};
  for (int i = 3; i >= 0; --i)
    edits.AddLine(corners[i], corners[(i + 1) % 4]);
  history.EndGroup();
  return true;
}

}  // namespace lumo
