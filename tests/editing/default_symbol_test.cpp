// The generated first symbol: its layout, and that the symbol of every
// shipped circuit works as an element of a new schematic all the way
// through a simulation.

#include "editing/default_symbol.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "circuit/circuit_errors.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "schematic/pattern_setup.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_file.h"
#include "tests/support/test_folder.h"
#include "workflow/simulate_pipeline.h"

namespace lumo::testing {
namespace {

namespace fs = std::filesystem;

std::vector<ExternalTerminal> ExternalTerminals(const Draw& draw) {
  std::vector<ExternalTerminal> terminals;
  for (const DrawElement& element : draw.elements())
    if (element.symbol_name() == "_in" || element.symbol_name() == "_out" ||
        element.symbol_name() == "_io")
      terminals.push_back({element.name(), element.symbol_name()});
  return terminals;
}

TEST(DefaultSymbol, SidesByDirectionOnTheGridWithStubsReachingTheBox) {
  Symbol symbol("adder");
  symbol.positive = std::make_unique<SymbolGraphics>();
  UndoHistory history;
  SymbolEdits edits(symbol, history);
  const std::vector<ExternalTerminal> terminals = {{"A", "_in"}, {"S", "_out"},  {"B", "_in"},
                                                   {"D", "_io"}, {"Cin", "_in"}, {"E", "_io"}};
  ASSERT_TRUE(AddDefaultSymbol(edits, "adder", terminals));
  EXPECT_FALSE(AddDefaultSymbol(edits, "adder", terminals));  // only into a blank symbol

  // The terminals in the schematic's order by side: left, right, bottom.
  std::vector<std::string> names;
  int left = 0, right = 0, box_left = 1000, box_right = -1000, box_bottom = -1000;
  for (const SymbolLine& line : symbol.positive->lines) {
    box_left = std::min({box_left, line.x0, line.x1});
    box_right = std::max({box_right, line.x0, line.x1});
    box_bottom = std::max({box_bottom, line.y0, line.y1});
  }
  EXPECT_EQ(symbol.positive->lines.size(), 4u);
  for (const SymbolTerminal& terminal : symbol.terminals) {
    names.push_back(terminal.name);
    EXPECT_EQ(terminal.x % 4, 0) << terminal.name;
    EXPECT_EQ(terminal.y % 4, 0) << terminal.name;
    if (terminal.direction == kRight) {
      left = terminal.x;
      EXPECT_EQ(terminal.x + 3, box_left);
    } else if (terminal.direction == kLeft) {
      right = terminal.x;
      EXPECT_EQ(terminal.x - 3, box_right);
    } else {
      EXPECT_EQ(terminal.direction, kUp);
      EXPECT_EQ(terminal.y - 3, box_bottom);
      EXPECT_GT(terminal.x, box_left);
      EXPECT_LT(terminal.x, box_right);
    }
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "Cin", "S", "D", "E"}));
  EXPECT_EQ(left, -right);
  // Every terminal label lies inside the box; the names above and below.
  int function_names = 0, element_names = 0;
  for (const SymbolText& text : symbol.positive->texts) {
    if (text.kind == 't') {
      EXPECT_GT(text.x, box_left);
      EXPECT_LT(text.x, box_right);
      EXPECT_LT(text.y, box_bottom);
    }
    function_names += text.kind == 'f' && text.text == "adder";
    element_names += text.kind == 'e';
  }
  EXPECT_EQ(function_names, 1);
  EXPECT_EQ(element_names, 1);
  // One step: undone, the symbol is blank again.
  history.Undo();
  EXPECT_TRUE(SymbolIsBlank(symbol));
}

// Every shipped schematic gets its generated symbol, which is placed in a
// new schematic with a pin on each terminal and simulated.
class GeneratedSymbols : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* registry : {RegisterListErrors, RegisterSymbolErrors, RegisterDrawErrors,
                           RegisterCircuitErrors, RegisterConverterErrors, RegisterPatternErrors})
      registry(errors_);
    ASSERT_TRUE(system_.Read(System() + "/LumoCAD.lib", {host_, errors_, errors_}));
    for (const fs::path& file : fs::directory_iterator(SourceFolder() / "data" / "sample"))
      fs::copy_file(file, folder_.path() / file.filename());
  }
  static std::string System() { return (SourceFolder() / "data" / "sys").string(); }
  RunSetup Run() {
    return RunSetup{host_,       errors_,       store_, bus_signals_, {System(), folder_.Path("")},
                    statistics_, &register_log_};
  }

  // The schematic's symbol as the editor generates and saves it, and its
  // circuit file in the working folder when the system has none.
  std::unique_ptr<Symbol> MakeSymbol(const fs::path& schematic) {
    Draw draw({system_, users_, host_, errors_, errors_, errors_});
    EXPECT_EQ(draw.Read(schematic.string()), DrawReadResult::kRead) << schematic;
    auto symbol = std::make_unique<Symbol>(draw.circuit_name());
    UndoHistory history;
    SymbolEdits edits(*symbol, history);
    EXPECT_TRUE(AddDefaultSymbol(edits, draw.circuit_name(), ExternalTerminals(draw)));
    const std::string file = folder_.Path(draw.circuit_name() + ".lsy");
    EXPECT_TRUE(WriteSymbolFile(file, *symbol));
    if (!fs::exists(System() + "/Parts/" + draw.circuit_name() + ".lcr")) {
      EXPECT_TRUE(
          ConvertSchematic(Run(), schematic.string(), folder_.Path(draw.circuit_name() + ".lcr")))
          << host_.OnlyText();
    }
    // The symbol as a later start reads it from its file.
    SymbolList read;
    EXPECT_TRUE(read.ReadFolder(folder_.path().string(), {host_, errors_, errors_}));
    Symbol* found = read.Find(draw.circuit_name());
    EXPECT_NE(found, nullptr);
    auto copy = std::make_unique<Symbol>(draw.circuit_name());
    std::stringstream text;
    found->Write(text);
    List list;
    list.Read(text);
    copy->Parse(list.Top());
    return copy;
  }

  TemporaryFolder folder_;
  ErrorTable errors_;
  RecordingMessageHost host_;
  SymbolList system_, users_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
  std::ostringstream statistics_;
  RecordingRegisterTransferSink register_log_;
};

TEST_F(GeneratedSymbols, EveryShippedCircuitSimulatesThroughItsGeneratedSymbol) {
  std::vector<fs::path> schematics;
  for (const fs::path& folder : {SourceFolder() / "data" / "sample", fs::path(System()) / "Parts"})
    for (const fs::path& file : fs::directory_iterator(folder))
      if (file.extension() == ".ldr") schematics.push_back(file);
  std::sort(schematics.begin(), schematics.end());
  ASSERT_GE(schematics.size(), 10u);
  int number = 0;
  for (const fs::path& schematic : schematics) {
    SCOPED_TRACE(schematic.string());
    host_.Clear();
    std::unique_ptr<Symbol> made = MakeSymbol(schematic);
    ASSERT_TRUE(made != nullptr);
    Symbol& symbol = *users_.Add(std::move(made));

    Draw host_draw({system_, users_, host_, errors_, errors_, errors_});
    DrawElement& element = host_draw.PlaceElement(symbol, 0, 0, 0, 'p');
    element.set_name("U1");
    int pins = 0;
    for (const DrawTerminal& terminal : element.terminals()) {
      const SymbolTerminal* pin = nullptr;
      for (const SymbolTerminal& t : symbol.terminals)
        if (t.name == terminal.name()) pin = &t;
      ASSERT_NE(pin, nullptr);
      const char* function = pin->direction == kRight  ? "_in"
                             : pin->direction == kLeft ? "_out"
                                                       : "_io";
      const int dx = pin->direction == kRight ? -80 : pin->direction == kLeft ? 80 : 0;
      const int dy = pin->direction == kUp ? 80 + 16 * pins : 0;
      DrawElement& port = host_draw.PlaceElement(*system_.Find(function), terminal.x() + dx,
                                                 terminal.y() + dy, 0, 'p');
      port.set_name(terminal.name());
      const DrawTerminal& end = *port.terminals().begin();
      host_draw.AddLine(end.x(), end.y(), terminal.x(), terminal.y());
      ++pins;
    }
    const std::string title = "host" + std::to_string(++number);
    host_draw.SetPath(folder_.Path(title + ".ldr"));
    Pat pattern(host_, errors_);
    pattern.SetPath(folder_.Path(title + "[0].lpt"));
    ASSERT_TRUE(SetupInputs(pattern, host_draw));
    // The circuit's own waveforms where it has them, else zeros.
    fs::path own = schematic;
    own.replace_filename(schematic.stem().string() + "[0].lpt");
    Pat sample(host_, errors_);
    if (fs::exists(own) && sample.ReadInputPat(own.string())) {
      for (int row = 0; row < pattern.count(); ++row) {
        const int from = sample.FindRow(pattern.row(row).name);
        if (from < 0) continue;
        for (const PatEvent& event : sample.row(from).events)
          pattern.row(row).events.Insert(event.time, event.value);
      }
    }
    DefaultEvents(pattern, host_draw);
    const int inputs = pattern.count();
    EXPECT_TRUE(Simulate(Run(), host_draw, pattern)) << host_.OnlyText();
    EXPECT_TRUE(host_.Messages().empty()) << host_.OnlyText();
    // The outputs came back under the inputs.
    EXPECT_GT(pattern.count(), inputs);
    users_.Delete(&symbol);
  }
}

}  // namespace
}  // namespace lumo::testing
