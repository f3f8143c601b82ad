// Reads a schematic from the input. Whatever the bytes, the model must stay
// consistent (attachments, junction counts, the position indexes), edits on
// it must keep it so, and what it writes must read back: writing, reading
// and writing twice more gives the first text again.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "circuit/circuit_file.h"
#include "common/recording_message_host.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_errors.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Environment {
  Environment() {
    lumo::RegisterDrawErrors(errors);
    lumo::RegisterListErrors(errors);
    lumo::RegisterSymbolErrors(errors);
    std::istringstream in(
        "(\"_and2\" () () ((\"a\" -16 -4 0 p) (\"b\" -16 4 0 p) (\"y\" 12 0 2 p)) (s))");
    lumo::List list;
    list.Read(in);
    auto symbol = std::make_unique<lumo::Symbol>();
    symbol->Parse(list.Top());
    symbol->kind = 's';
    system_symbols.Add(std::move(symbol));
  }
  lumo::SymbolList system_symbols;
  lumo::SymbolList user_symbols;
  lumo::RecordingMessageHost host;
  lumo::ErrorTable errors;
};

Environment& Shared() {
  static Environment environment;
  environment.host.Clear();
  return environment;
}

lumo::DrawEnvironment DrawEnvironmentOf(Environment& shared) {
  return {shared.system_symbols, shared.user_symbols, shared.host,
          shared.errors,         shared.errors,       shared.errors};
}

void CheckEnd(const lumo::Draw& draw, const lumo::DrawLine& line, lumo::LineEnd end) {
  const lumo::DrawTerminal* terminal = line.terminal(end);
  const lumo::DrawJunction* junction = line.junction(end);
  Check(terminal == nullptr || junction == nullptr);
  const lumo::AttachedLineEnds* place = terminal;
  if (place == nullptr) place = junction;
  if (place == nullptr) return;
  Check(line.x(end) == (terminal != nullptr ? terminal->x() : junction->x()));
  Check(line.y(end) == (terminal != nullptr ? terminal->y() : junction->y()));
  bool found = false;
  if (end == lumo::LineEnd::kStart) {
    for (const lumo::DrawLine& other : place->lines_starting())
      found = found || &other == &line;
  } else {
    for (const lumo::DrawLine& other : place->lines_ending())
      found = found || &other == &line;
  }
  Check(found);
  if (terminal != nullptr) Check(draw.FindTerminalAt(terminal->x(), terminal->y()) != nullptr);
}

void CheckModel(const lumo::Draw& draw) {
  std::size_t terminals = 0;
  for (const lumo::DrawElement& element : draw.elements()) {
    for (const lumo::DrawTerminal& terminal : element.terminals()) {
      Check(&terminal.element() == &element);
      Check(terminal.line() == nullptr || terminal.line()->start_terminal() == &terminal ||
            terminal.line()->end_terminal() == &terminal);
      ++terminals;
    }
  }
  Check(terminals == draw.terminal_count());
  for (const lumo::DrawLine& line : draw.lines()) {
    CheckEnd(draw, line, lumo::LineEnd::kStart);
    CheckEnd(draw, line, lumo::LineEnd::kEnd);
  }
  for (const lumo::DrawJunction& junction : draw.junctions()) {
    int ends = 0;
    for (const lumo::DrawLine& line : junction.lines_starting())
      ends += line.start_junction() == &junction;
    for (const lumo::DrawLine& line : junction.lines_ending())
      ends += line.end_junction() == &junction;
    Check(ends == junction.count() && ends > 0);
    Check(draw.FindJunctionAt(junction.x(), junction.y()) != nullptr);
  }
}

std::string Written(const lumo::Draw& draw) {
  std::ostringstream out;
  Check(draw.Write(out));
  return out.str();
}

// A bare word read from a file may need quotes it cannot have (4bit"): such
// a schematic is never written.
bool Writable(const lumo::Draw& draw) {
  std::ostringstream out;
  std::string unwritable;
  if (draw.Write(out, &unwritable)) return true;
  Check(out.str().empty() && (!lumo::IsWritableName(unwritable) || unwritable == "\""));
  return false;
}

std::string Cycle(Environment& shared, const std::string& text) {
  lumo::Draw draw(DrawEnvironmentOf(shared));
  std::istringstream in(text);
  Check(draw.ReadSections(in) == lumo::DrawReadResult::kRead);
  CheckModel(draw);
  return Written(draw);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Environment& shared = Shared();
  lumo::Draw draw(DrawEnvironmentOf(shared));
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const lumo::DrawReadResult result = draw.ReadSections(in);
  CheckModel(draw);
  if (result != lumo::DrawReadResult::kRead) {
    // Reported once; a damaged element or line section leaves nothing.
    Check(shared.host.Messages().size() == 1);
    Check(draw.IsEmpty());
    return 0;
  }
  Check(shared.host.Messages().empty());
  if (!Writable(draw)) return 0;
  const std::string once = Written(draw);
  Check(Cycle(shared, Cycle(shared, once)) == once);

  // Edits keep the model whole: take the first element and line away, join
  // a line to a terminal, and move what is left.
  if (lumo::DrawLine* line = draw.first_line()) {
    if (lumo::DrawTerminal* terminal = draw.first_terminal())
      draw.AttachToTerminal(*line, lumo::LineEnd::kEnd, *terminal);
    draw.MoveLine(*line, 4, -4);
  }
  if (lumo::DrawElement* element = draw.first_element()) {
    draw.MoveElement(*element, element->x() - 8, element->y() + 8);
    draw.FlipPolarity(*element);
    draw.DeleteElement(*element);
  }
  if (lumo::DrawJunction* junction = draw.first_junction())
    draw.MoveJunction(*junction, junction->x() + 4, junction->y());
  if (lumo::DrawLine* line = draw.first_line()) draw.DeleteLine(*line);
  CheckModel(draw);
  // Edits may leave lines of zero length, which reading drops.
  const std::string edited = Cycle(shared, Written(draw));
  Check(Cycle(shared, Cycle(shared, edited)) == edited);
  return 0;
}
