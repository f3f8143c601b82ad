// Draw: the records of a schematic and the edits of the canvas.

#include "schematic/draw.h"

#include <memory>
#include <vector>

#include "common/file_path.h"
#include "symbol/orientation.h"

namespace lumo {

namespace {

// Coordinates wrap like the 32-bit integers they are stored in.
std::int32_t Shifted(std::int32_t value, std::int64_t by) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                   static_cast<std::uint32_t>(by));
}

char Toggled(char polarity) {
  return polarity == 'p' ? 'n' : 'p';
}

}  // namespace

Draw::Draw(const DrawEnvironment& environment) : environment_(environment) {}

void Draw::SetPath(std::string_view path) {
  // `path` may view path_ itself (Save(path())): copy it before replacing.
  std::string copy(path);
  folder_ = FileFolder(copy);
  circuit_name_ = FileTitle(copy);
  path_ = std::move(copy);
}

void Draw::Clear() {
  // Deleting every element keeping its wiring and then every line leaves
  // nothing behind, so the records are simply freed.
  element_index_.Clear();
  terminal_index_.Clear();
  junction_index_.Clear();
  terminals_.Clear();
  elements_.Clear();
  lines_.Clear();
  junctions_.Clear();
  path_.clear();
  folder_.clear();
  circuit_name_.clear();
  Changed();
  MarkSaved();
}

bool Draw::IsEmpty() const {
  return elements_.empty() && terminals_.empty() && lines_.empty() && junctions_.empty();
}

void Draw::Rename(DrawElement& element, std::string name) {
  if (element.name_ == name) return;
  element.name_ = std::move(name);
  Changed();
}

void Draw::Rename(DrawLine& line, std::string name) {
  if (line.name_ == name) return;
  line.name_ = std::move(name);
  Changed();
}

DrawElement& Draw::NewElement(std::string name, std::string symbol_name, std::int32_t x,
                              std::int32_t y, std::int32_t orientation, char polarity,
                              const Symbol* symbol) {
  DrawElement& element = elements_.PushFront(std::unique_ptr<DrawElement>(
      new DrawElement(std::move(name), std::move(symbol_name), x, y, orientation, polarity)));
  element.symbol_ = symbol;
  element_index_.Add(element, next_serial_++);
  return element;
}

DrawTerminal& Draw::NewTerminal(DrawElement& element, std::string name, std::int32_t x,
                                std::int32_t y, std::int32_t direction, char polarity) {
  DrawTerminal& terminal = terminals_.PushFront(std::unique_ptr<DrawTerminal>(
      new DrawTerminal(element, std::move(name), x, y, direction, polarity)));
  terminal.next_in_element_ = element.first_terminal_;
  element.first_terminal_ = &terminal;
  terminal_index_.Add(terminal, next_serial_++);
  return terminal;
}

DrawLine& Draw::NewLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return lines_.PushFront(std::unique_ptr<DrawLine>(new DrawLine(x1, y1, x2, y2)));
}

DrawJunction& Draw::NewJunction(std::int32_t x, std::int32_t y) {
  DrawJunction& junction =
      junctions_.PushFront(std::unique_ptr<DrawJunction>(new DrawJunction(x, y)));
  junction_index_.Add(junction, next_serial_++);
  return junction;
}

void Draw::RemoveJunction(DrawJunction& junction) {
  junction_index_.Remove(junction);
  junctions_.Unlink(junction);  // the returned owner frees it
}

void Draw::LinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place) {
  const int i = DrawLine::Index(end);
  DrawLine*& first = place.first_[i];
  line.ends_[i].previous = nullptr;
  line.ends_[i].next = first;
  if (first != nullptr) first->ends_[i].previous = &line;
  first = &line;
}

void Draw::UnlinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place) {
  const int i = DrawLine::Index(end);
  DrawLine::End& own = line.ends_[i];
  if (own.previous != nullptr)
    own.previous->ends_[i].next = own.next;
  else
    place.first_[i] = own.next;
  if (own.next != nullptr) own.next->ends_[i].previous = own.previous;
  own.previous = own.next = nullptr;
}

void Draw::AttachEnd(DrawLine& line, LineEnd end, DrawTerminal& terminal) {
  LinkEnd(line, end, terminal);
  line.ends_[DrawLine::Index(end)].terminal = &terminal;
  terminal.line_ = &line;
}

void Draw::AttachEnd(DrawLine& line, LineEnd end, DrawJunction& junction) {
  LinkEnd(line, end, junction);
  line.ends_[DrawLine::Index(end)].junction = &junction;
  ++junction.count_;
}

void Draw::AttachEndToJunctionAt(DrawLine& line, LineEnd end) {
  DrawJunction* junction = FindJunctionAt(line.x(end), line.y(end));
  if (junction == nullptr) junction = &NewJunction(line.x(end), line.y(end));
  AttachEnd(line, end, *junction);
}

void Draw::DetachEnd(DrawLine& line, LineEnd end) {
  DrawLine::End& own = line.ends_[DrawLine::Index(end)];
  if (DrawTerminal* terminal = own.terminal) {
    UnlinkEnd(line, end, *terminal);
    own.terminal = nullptr;
    // A terminal that a file gave several lines keeps pointing at one that
    // is still attached, never at a deleted one.
    if (terminal->line_ == &line)
      terminal->line_ = terminal->first_[0] != nullptr ? terminal->first_[0] : terminal->first_[1];
  } else if (DrawJunction* junction = own.junction) {
    UnlinkEnd(line, end, *junction);
    own.junction = nullptr;
    if (--junction->count_ <= 0) RemoveJunction(*junction);
  }
}

DrawElement& Draw::PlaceElement(const Symbol& symbol, std::int32_t x, std::int32_t y,
                                std::int32_t orientation, char polarity) {
  Changed();
  DrawSymbolFinder symbols(environment_.system_symbols, environment_.user_symbols);
  DrawElement& element =
      NewElement("?", symbol.name, x, y, orientation, polarity, symbols.Find(symbol.name));
  for (const SymbolTerminal& pin : symbol.terminals) {
    const auto offset = OrientPoint<std::int64_t>(orientation, pin.x, pin.y);
    const char pin_polarity = polarity == pin.polarity ? 'p' : 'n';
    NewTerminal(element, pin.name, Shifted(x, offset.x), Shifted(y, offset.y),
                OrientDirection(orientation, pin.direction), pin_polarity);
  }
  return element;
}

DrawLine& Draw::AddLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  Changed();
  DrawLine& line = NewLine(x1, y1, x2, y2);
  for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
    DrawTerminal* terminal = FindTerminalAt(line.x(end), line.y(end));
    DrawJunction* junction = FindJunctionAt(line.x(end), line.y(end));
    if (terminal != nullptr && junction == nullptr)
      AttachEnd(line, end, *terminal);
    else if (junction != nullptr)
      AttachEnd(line, end, *junction);
    else
      AttachEnd(line, end, NewJunction(line.x(end), line.y(end)));
  }
  return line;
}

void Draw::DeleteElement(DrawElement& element) {
  Changed();
  for (DrawTerminal* terminal = element.first_terminal_; terminal != nullptr;) {
    if (terminal->HasLineEnds()) {
      DrawJunction& junction = NewJunction(terminal->x_, terminal->y_);
      for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
        const int i = DrawLine::Index(end);
        while (DrawLine* line = terminal->first_[i]) {
          UnlinkEnd(*line, end, *terminal);
          line->ends_[i].terminal = nullptr;
          AttachEnd(*line, end, junction);
        }
      }
    }
    DrawTerminal* next = terminal->next_in_element_;
    terminal_index_.Remove(*terminal);
    terminals_.Unlink(*terminal);
    terminal = next;
  }
  element.first_terminal_ = nullptr;
  element_index_.Remove(element);
  elements_.Unlink(element);
}

void Draw::DeleteLine(DrawLine& line) {
  Changed();
  DetachEnd(line, LineEnd::kStart);
  DetachEnd(line, LineEnd::kEnd);
  lines_.Unlink(line);
}

void Draw::FlipPolarity(DrawElement& element) {
  Changed();
  element.polarity_ = Toggled(element.polarity_);
  for (DrawTerminal& terminal : element.terminals())
    terminal.polarity_ = Toggled(terminal.polarity_);
}

void Draw::MoveElement(DrawElement& element, std::int32_t x, std::int32_t y) {
  Changed();
  const std::int64_t dx = static_cast<std::int64_t>(x) - element.x_;
  const std::int64_t dy = static_cast<std::int64_t>(y) - element.y_;
  element_index_.Remove(element);
  element.x_ = x;
  element.y_ = y;
  element_index_.Add(element, element_index_.SerialOf(element));
  for (DrawTerminal& terminal : element.terminals()) {
    const std::uint64_t serial = terminal_index_.SerialOf(terminal);
    terminal_index_.Remove(terminal);
    terminal.x_ = Shifted(terminal.x_, dx);
    terminal.y_ = Shifted(terminal.y_, dy);
    terminal_index_.Add(terminal, serial);
    for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
      const int i = DrawLine::Index(end);
      for (DrawLine* line = terminal.first_[i]; line != nullptr; line = line->ends_[i].next) {
        line->ends_[i].x = terminal.x_;
        line->ends_[i].y = terminal.y_;
      }
    }
  }
}

void Draw::MoveJunction(DrawJunction& junction, std::int32_t x, std::int32_t y) {
  Changed();
  const std::uint64_t serial = junction_index_.SerialOf(junction);
  junction_index_.Remove(junction);
  junction.x_ = x;
  junction.y_ = y;
  junction_index_.Add(junction, serial);
  for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
    const int i = DrawLine::Index(end);
    for (DrawLine* line = junction.first_[i]; line != nullptr; line = line->ends_[i].next) {
      line->ends_[i].x = x;
      line->ends_[i].y = y;
    }
  }
}

void Draw::MoveLine(DrawLine& line, std::int32_t dx, std::int32_t dy) {
  Changed();
  DrawJunction* moved = nullptr;
  for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
    DrawLine::End& own = line.ends_[DrawLine::Index(end)];
    if (own.terminal != nullptr) continue;
    if (own.junction == nullptr) {
      own.x = Shifted(own.x, dx);
      own.y = Shifted(own.y, dy);
    } else if (own.junction != moved) {
      moved = own.junction;
      MoveJunction(*moved, Shifted(moved->x_, dx), Shifted(moved->y_, dy));
    }
  }
}

void Draw::BringToFront(DrawElement& element) {
  Changed();
  std::vector<DrawTerminal*> chain;
  for (DrawTerminal& terminal : element.terminals())
    chain.push_back(&terminal);
  for (auto terminal = chain.rbegin(); terminal != chain.rend(); ++terminal) {
    terminal_index_.Remove(**terminal);
    terminals_.PushFront(terminals_.Unlink(**terminal));
    terminal_index_.Add(**terminal, next_serial_++);
  }
  element_index_.Remove(element);
  elements_.PushFront(elements_.Unlink(element));
  element_index_.Add(element, next_serial_++);
}

void Draw::BringToFront(DrawLine& line) {
  Changed();
  lines_.PushFront(lines_.Unlink(line));
}

void Draw::BringToFront(DrawJunction& junction) {
  Changed();
  junction_index_.Remove(junction);
  junctions_.PushFront(junctions_.Unlink(junction));
  junction_index_.Add(junction, next_serial_++);
}

void Draw::AttachToTerminal(DrawLine& line, LineEnd end, DrawTerminal& terminal) {
  Changed();
  DetachEnd(line, end);
  DrawLine::End& own = line.ends_[DrawLine::Index(end)];
  own.x = terminal.x_;
  own.y = terminal.y_;
  AttachEnd(line, end, terminal);
}

void Draw::RebindSymbols() {
  DrawSymbolFinder symbols(environment_.system_symbols, environment_.user_symbols);
  for (DrawElement& element : elements_.Items())
    element.symbol_ = symbols.Find(element.symbol_name_);
}

}  // namespace lumo
