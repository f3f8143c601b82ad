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

void Draw::SetName(std::string& field, std::string value) {
  if (recording_ != nullptr) recording_->Name(field, value);
  field = std::move(value);
}

template <class T>
T& Draw::Link(NodeList<T>& list, std::unique_ptr<T> record) {
  T& linked = list.PushFront(std::move(record));
  if (recording_ != nullptr) recording_->Linked(linked, static_cast<T*>(nullptr));
  return linked;
}

template <class T>
void Draw::Drop(NodeList<T>& list, T& record) {
  if (recording_ == nullptr) {
    list.Remove(record);
    return;
  }
  recording_->Unlinked(record, record.previous());
  list.Unlink(record).release();  // the recording owns it now
}

template <class T>
void Draw::ToFront(NodeList<T>& list, T& record) {
  if (recording_ != nullptr) recording_->Unlinked(record, record.previous());
  list.PushFront(list.Unlink(record));
  if (recording_ != nullptr) recording_->Linked(record, static_cast<T*>(nullptr));
}

template <class T>
void Draw::Index(PointIndex<T>& index, T& record, std::uint64_t serial) {
  index.Add(record, serial);
  if (recording_ != nullptr) recording_->Indexed(record, serial);
}

template <class T>
void Draw::Unindex(PointIndex<T>& index, T& record) {
  if (recording_ != nullptr) recording_->Unindexed(record, index.SerialOf(record));
  index.Remove(record);
}

void Draw::Bind(DrawElement& element) {
  DrawSymbolFinder symbols(environment_.system_symbols, environment_.user_symbols);
  element.symbol_ = symbols.Find(element.symbol_name_);
}

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
  ++reloads_;
  listed_as_read_ = false;
  Changed();
  MarkSaved();
}

bool Draw::IsEmpty() const {
  return elements_.empty() && terminals_.empty() && lines_.empty() && junctions_.empty();
}

void Draw::Rename(DrawElement& element, std::string name) {
  if (element.name_ == name) return;
  SetName(element.name_, std::move(name));
  Changed();
}

void Draw::Rename(DrawLine& line, std::string name) {
  if (line.name_ == name) return;
  SetName(line.name_, std::move(name));
  Changed();
}

DrawElement& Draw::NewElement(std::string name, std::string symbol_name, std::int32_t x,
                              std::int32_t y, std::int32_t orientation, char polarity,
                              const Symbol* symbol) {
  auto made = std::unique_ptr<DrawElement>(
      new DrawElement(std::move(name), std::move(symbol_name), x, y, orientation, polarity));
  made->symbol_ = symbol;
  DrawElement& element = Link(elements_, std::move(made));
  Index(element_index_, element, next_serial_++);
  return element;
}

DrawTerminal& Draw::NewTerminal(DrawElement& element, std::string name, std::int32_t x,
                                std::int32_t y, std::int32_t direction, char polarity) {
  auto made = std::unique_ptr<DrawTerminal>(
      new DrawTerminal(element, std::move(name), x, y, direction, polarity));
  made->next_in_element_ = element.first_terminal_;
  DrawTerminal& terminal = Link(terminals_, std::move(made));
  Set(element.first_terminal_, &terminal);
  Index(terminal_index_, terminal, next_serial_++);
  return terminal;
}

DrawLine& Draw::NewLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return Link(lines_, std::unique_ptr<DrawLine>(new DrawLine(x1, y1, x2, y2)));
}

DrawJunction& Draw::NewJunction(std::int32_t x, std::int32_t y) {
  DrawJunction& junction = Link(junctions_, std::unique_ptr<DrawJunction>(new DrawJunction(x, y)));
  Index(junction_index_, junction, next_serial_++);
  return junction;
}

void Draw::RemoveJunction(DrawJunction& junction) {
  Unindex(junction_index_, junction);
  Drop(junctions_, junction);
}

void Draw::LinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place) {
  const int i = DrawLine::Index(end);
  DrawLine* first = place.first_[i];
  Set(line.ends_[i].previous, static_cast<DrawLine*>(nullptr));
  Set(line.ends_[i].next, first);
  if (first != nullptr) Set(first->ends_[i].previous, &line);
  Set(place.first_[i], &line);
}

void Draw::UnlinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place) {
  const int i = DrawLine::Index(end);
  DrawLine::End& own = line.ends_[i];
  if (own.previous != nullptr)
    Set(own.previous->ends_[i].next, own.next);
  else
    Set(place.first_[i], own.next);
  if (own.next != nullptr) Set(own.next->ends_[i].previous, own.previous);
  Set(own.previous, static_cast<DrawLine*>(nullptr));
  Set(own.next, static_cast<DrawLine*>(nullptr));
}

void Draw::AttachEnd(DrawLine& line, LineEnd end, DrawTerminal& terminal) {
  LinkEnd(line, end, terminal);
  Set(line.ends_[DrawLine::Index(end)].terminal, &terminal);
  Set(terminal.line_, &line);
}

void Draw::AttachEnd(DrawLine& line, LineEnd end, DrawJunction& junction) {
  LinkEnd(line, end, junction);
  Set(line.ends_[DrawLine::Index(end)].junction, &junction);
  Set(junction.count_, junction.count_ + 1);
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
    Set(own.terminal, static_cast<DrawTerminal*>(nullptr));
    // A terminal that a file gave several lines keeps pointing at one that
    // is still attached, never at a deleted one.
    if (terminal->line_ == &line)
      Set(terminal->line_,
          terminal->first_[0] != nullptr ? terminal->first_[0] : terminal->first_[1]);
  } else if (DrawJunction* junction = own.junction) {
    UnlinkEnd(line, end, *junction);
    Set(own.junction, static_cast<DrawJunction*>(nullptr));
    Set(junction->count_, junction->count_ - 1);
    if (junction->count_ <= 0) RemoveJunction(*junction);
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
          Set(line->ends_[i].terminal, static_cast<DrawTerminal*>(nullptr));
          AttachEnd(*line, end, junction);
        }
      }
    }
    DrawTerminal* next = terminal->next_in_element_;
    Unindex(terminal_index_, *terminal);
    Drop(terminals_, *terminal);
    terminal = next;
  }
  Set(element.first_terminal_, static_cast<DrawTerminal*>(nullptr));
  Unindex(element_index_, element);
  Drop(elements_, element);
}

void Draw::DeleteLine(DrawLine& line) {
  Changed();
  DetachEnd(line, LineEnd::kStart);
  DetachEnd(line, LineEnd::kEnd);
  Drop(lines_, line);
}

void Draw::FlipPolarity(DrawElement& element) {
  Changed();
  Set(element.polarity_, Toggled(element.polarity_));
  for (DrawTerminal& terminal : element.terminals())
    Set(terminal.polarity_, Toggled(terminal.polarity_));
}

void Draw::MoveElement(DrawElement& element, std::int32_t x, std::int32_t y) {
  Changed();
  const std::int64_t dx = static_cast<std::int64_t>(x) - element.x_;
  const std::int64_t dy = static_cast<std::int64_t>(y) - element.y_;
  const std::uint64_t element_serial = element_index_.SerialOf(element);
  Unindex(element_index_, element);
  Set(element.x_, x);
  Set(element.y_, y);
  Index(element_index_, element, element_serial);
  for (DrawTerminal& terminal : element.terminals()) {
    const std::uint64_t serial = terminal_index_.SerialOf(terminal);
    Unindex(terminal_index_, terminal);
    Set(terminal.x_, Shifted(terminal.x_, dx));
    Set(terminal.y_, Shifted(terminal.y_, dy));
    Index(terminal_index_, terminal, serial);
    for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
      const int i = DrawLine::Index(end);
      for (DrawLine* line = terminal.first_[i]; line != nullptr; line = line->ends_[i].next) {
        Set(line->ends_[i].x, terminal.x_);
        Set(line->ends_[i].y, terminal.y_);
      }
    }
  }
}

void Draw::MoveJunction(DrawJunction& junction, std::int32_t x, std::int32_t y) {
  Changed();
  const std::uint64_t serial = junction_index_.SerialOf(junction);
  Unindex(junction_index_, junction);
  Set(junction.x_, x);
  Set(junction.y_, y);
  Index(junction_index_, junction, serial);
  for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
    const int i = DrawLine::Index(end);
    for (DrawLine* line = junction.first_[i]; line != nullptr; line = line->ends_[i].next) {
      Set(line->ends_[i].x, x);
      Set(line->ends_[i].y, y);
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
      Set(own.x, Shifted(own.x, dx));
      Set(own.y, Shifted(own.y, dy));
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
    Unindex(terminal_index_, **terminal);
    ToFront(terminals_, **terminal);
    Index(terminal_index_, **terminal, next_serial_++);
  }
  Unindex(element_index_, element);
  ToFront(elements_, element);
  Index(element_index_, element, next_serial_++);
}

void Draw::BringToFront(DrawLine& line) {
  Changed();
  ToFront(lines_, line);
}

void Draw::BringToFront(DrawJunction& junction) {
  Changed();
  Unindex(junction_index_, junction);
  ToFront(junctions_, junction);
  Index(junction_index_, junction, next_serial_++);
}

void Draw::AttachToTerminal(DrawLine& line, LineEnd end, DrawTerminal& terminal) {
  Changed();
  DetachEnd(line, end);
  DrawLine::End& own = line.ends_[DrawLine::Index(end)];
  Set(own.x, terminal.x_);
  Set(own.y, terminal.y_);
  AttachEnd(line, end, terminal);
}

void Draw::RebindSymbols() {
  DrawSymbolFinder symbols(environment_.system_symbols, environment_.user_symbols);
  for (DrawElement& element : elements_.Items())
    element.symbol_ = symbols.Find(element.symbol_name_);
}

}  // namespace lumo
