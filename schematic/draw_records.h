#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "common/node_list.h"
#include "lists/list.h"
#include "schematic/point_index.h"

namespace lumo {

class Draw;
class DrawElement;
class DrawJunction;
class DrawLine;
class DrawTerminal;
class Symbol;

// The two ends of a signal line.
enum class LineEnd { kStart = 0, kEnd = 1 };

// One straight segment of a signal line. Each end lies at its point and is
// attached to a terminal, to a junction, or to neither (a line read from a
// file whose terminal was missing). The line ends attached to one terminal
// or junction are chained, one chain for starts and one for ends, newest
// first.
class DrawLine : public Linked<DrawLine> {
 public:
  DrawLine(const DrawLine&) = delete;
  DrawLine& operator=(const DrawLine&) = delete;
  ~DrawLine() = default;

  std::int32_t x1() const { return ends_[0].x; }
  std::int32_t y1() const { return ends_[0].y; }
  std::int32_t x2() const { return ends_[1].x; }
  std::int32_t y2() const { return ends_[1].y; }
  std::int32_t x(LineEnd end) const { return ends_[Index(end)].x; }
  std::int32_t y(LineEnd end) const { return ends_[Index(end)].y; }

  DrawTerminal* start_terminal() const { return ends_[0].terminal; }
  DrawTerminal* end_terminal() const { return ends_[1].terminal; }
  DrawJunction* start_junction() const { return ends_[0].junction; }
  DrawJunction* end_junction() const { return ends_[1].junction; }
  DrawTerminal* terminal(LineEnd end) const { return ends_[Index(end)].terminal; }
  DrawJunction* junction(LineEnd end) const { return ends_[Index(end)].junction; }

  // The next (older) line whose start, or end, is attached where this line's
  // start, or end, is.
  DrawLine* next_starting_here() const { return ends_[0].next; }
  DrawLine* next_ending_here() const { return ends_[1].next; }

  // "?": not named.
  const std::string& name() const { return name_; }
  void set_name(std::string name) { name_ = std::move(name); }
  // Kept from the file and written back unchanged; nil for a drawn line.
  const List& extra() const { return extra_; }
  List& extra() { return extra_; }

 private:
  friend class Draw;
  static int Index(LineEnd end) { return static_cast<int>(end); }
  DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    ends_[0].x = x1;
    ends_[0].y = y1;
    ends_[1].x = x2;
    ends_[1].y = y2;
  }

  struct End {
    std::int32_t x = 0;
    std::int32_t y = 0;
    DrawTerminal* terminal = nullptr;
    DrawJunction* junction = nullptr;
    DrawLine* previous = nullptr;
    DrawLine* next = nullptr;
  };
  End ends_[2];
  List extra_;
  std::string name_ = "?";
};

using LinesStartingHere = NodeRange<DrawLine, &DrawLine::next_starting_here>;
using LinesEndingHere = NodeRange<DrawLine, &DrawLine::next_ending_here>;

// The heads of the two chains of line ends attached to one place.
class AttachedLineEnds {
 public:
  LinesStartingHere lines_starting() const { return LinesStartingHere(first_[0]); }
  LinesEndingHere lines_ending() const { return LinesEndingHere(first_[1]); }
  bool HasLineEnds() const { return first_[0] != nullptr || first_[1] != nullptr; }

 private:
  friend class Draw;
  DrawLine* first_[2] = {nullptr, nullptr};
};

// One pin of a placed element, at its absolute position.
class DrawTerminal : public Linked<DrawTerminal>,
                     public PointIndexLinks<DrawTerminal>,
                     public AttachedLineEnds {
 public:
  DrawTerminal(const DrawTerminal&) = delete;
  DrawTerminal& operator=(const DrawTerminal&) = delete;
  ~DrawTerminal() = default;

  DrawElement& element() const { return *element_; }
  // The line attached here last (null when none is): a terminal carries one
  // line; where a file attaches more, the others stay attached too.
  DrawLine* line() const { return line_; }
  DrawTerminal* next_in_element() const { return next_in_element_; }
  const List& extra() const { return extra_; }
  List& extra() { return extra_; }
  const std::string& name() const { return name_; }
  std::int32_t x() const { return x_; }
  std::int32_t y() const { return y_; }
  // 0 right, 1 up, 2 left, 3 down: the way the stub runs towards the body.
  std::int32_t direction() const { return direction_; }
  char polarity() const { return polarity_; }

 private:
  friend class Draw;
  DrawTerminal(DrawElement& element, std::string name, std::int32_t x, std::int32_t y,
               std::int32_t direction, char polarity)
      : element_(&element),
        name_(std::move(name)),
        x_(x),
        y_(y),
        direction_(direction),
        polarity_(polarity) {}

  DrawElement* element_;
  DrawLine* line_ = nullptr;
  DrawTerminal* next_in_element_ = nullptr;
  List extra_;
  std::string name_;
  std::int32_t x_;
  std::int32_t y_;
  std::int32_t direction_;
  char polarity_;
};

using ElementTerminals = NodeRange<DrawTerminal, &DrawTerminal::next_in_element>;

// A placed symbol.
class DrawElement : public Linked<DrawElement>, public PointIndexLinks<DrawElement> {
 public:
  DrawElement(const DrawElement&) = delete;
  DrawElement& operator=(const DrawElement&) = delete;
  ~DrawElement() = default;

  // The symbol of that name in the system symbols, else in the user symbols;
  // null when neither holds it (the element is still kept and written).
  const Symbol* symbol() const { return symbol_; }
  DrawTerminal* first_terminal() const { return first_terminal_; }
  // The element's own terminals, newest first.
  ElementTerminals terminals() const { return ElementTerminals(first_terminal_); }
  const List& extra() const { return extra_; }
  List& extra() { return extra_; }
  // "?": not named.
  const std::string& name() const { return name_; }
  void set_name(std::string name) { name_ = std::move(name); }
  const std::string& symbol_name() const { return symbol_name_; }
  std::int32_t x() const { return x_; }
  std::int32_t y() const { return y_; }
  std::int32_t orientation() const { return orientation_; }
  // 'p' positive logic, 'n' negative logic.
  char polarity() const { return polarity_; }

 private:
  friend class Draw;
  DrawElement(std::string name, std::string symbol_name, std::int32_t x, std::int32_t y,
              std::int32_t orientation, char polarity)
      : name_(std::move(name)),
        symbol_name_(std::move(symbol_name)),
        x_(x),
        y_(y),
        orientation_(orientation),
        polarity_(polarity) {}

  const Symbol* symbol_ = nullptr;
  DrawTerminal* first_terminal_ = nullptr;
  List extra_;
  std::string name_;
  std::string symbol_name_;
  std::int32_t x_;
  std::int32_t y_;
  std::int32_t orientation_;
  char polarity_;
};

// A point where line ends meet without a terminal. It exists while at least
// one line end is attached.
class DrawJunction : public Linked<DrawJunction>,
                     public PointIndexLinks<DrawJunction>,
                     public AttachedLineEnds {
 public:
  DrawJunction(const DrawJunction&) = delete;
  DrawJunction& operator=(const DrawJunction&) = delete;
  ~DrawJunction() = default;

  std::int32_t x() const { return x_; }
  std::int32_t y() const { return y_; }
  // The number of line ends attached here.
  int count() const { return count_; }

 private:
  friend class Draw;
  DrawJunction(std::int32_t x, std::int32_t y) : x_(x), y_(y) {}

  std::int32_t x_;
  std::int32_t y_;
  int count_ = 0;
};

}  // namespace lumo
