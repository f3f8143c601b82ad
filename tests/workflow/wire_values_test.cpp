// A schematic's wires joined to the signals of a run: the net names the
// conversion gives, found again in the trace, and the values at a time.

#include "workflow/wire_values.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "circuit/circuit_errors.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "schematic/element_names.h"
#include "sim/value_ops.h"
#include "symbol/symbol_errors.h"
#include "tests/support/test_folder.h"
#include "workflow/inside_schematic.h"
#include "workflow/simulate_pipeline.h"

namespace lumo {
namespace {

using testing::SourceFolder;
using testing::TemporaryFolder;

class WireValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* registry : {RegisterListErrors, RegisterSymbolErrors, RegisterDrawErrors,
                           RegisterCircuitErrors, RegisterConverterErrors, RegisterPatternErrors})
      registry(errors_);
    ASSERT_TRUE(symbols_.Read(System() + "/LumoCAD.lib", {host_, errors_, errors_}));
  }
  static std::string System() { return (SourceFolder() / "data" / "sys").string(); }

  const DrawTerminal& Pin(const DrawElement& element, const std::string& name) {
    for (const DrawTerminal& t : element.terminals())
      if (t.name() == name) return t;
    ADD_FAILURE() << "no pin " << name;
    return *element.terminals().begin();
  }
  DrawLine& Join(Draw& draw, const DrawTerminal& a, const DrawTerminal& b) {
    return draw.AddLine(a.x(), a.y(), b.x(), b.y());
  }

  // Y = A and not A, with the inverter's output named N: its output is 1
  // for one inverter delay after A rises.
  void Hazard(Draw& draw) {
    DrawElement& a = draw.PlaceElement(*symbols_.Find("_in"), -80, 0, 0, 'p');
    a.set_name("A");
    DrawElement& inv = draw.PlaceElement(*symbols_.Find("_not"), 0, 40, 0, 'p');
    DrawElement& gate = draw.PlaceElement(*symbols_.Find("_and2"), 80, 0, 0, 'p');
    DrawElement& y = draw.PlaceElement(*symbols_.Find("_out"), 160, 0, 0, 'p');
    y.set_name("Y");
    const DrawTerminal& a_out = *a.terminals().begin();
    input_line_ = &Join(draw, a_out, Pin(inv, "a"));
    Join(draw, a_out, Pin(gate, "a"));
    Join(draw, Pin(inv, "y"), Pin(gate, "b")).set_name("N");
    output_line_ = &Join(draw, Pin(gate, "y"), *y.terminals().begin());
    stray_line_ = &draw.AddLine(300, 300, 320, 300);  // reaches no terminal
  }

  void CopySamples(std::initializer_list<const char*> names) {
    for (const char* name : names)
      std::filesystem::copy_file(SourceFolder() / "data" / "sample" / name, folder_.Path(name));
  }
  // Runs the schematic as it is now with the sample pattern of `name`.
  void RunWithSamplePattern(Draw& draw, const std::string& name, SignalTrace& trace) {
    Pat pattern(host_, errors_);
    const std::string path = folder_.Path(name + "[0].lpt");
    pattern.SetPath(path);
    ASSERT_TRUE(pattern.ReadInputPat(path));
    ASSERT_TRUE(Simulate(Road(&trace), draw, pattern)) << host_.OnlyText();
  }

  RunSetup Road(SignalTrace* trace) {
    return {host_,       errors_,        store_, bus_signals_, {System(), folder_.Path("")},
            statistics_, &register_log_, trace};
  }

  TemporaryFolder folder_;
  ErrorTable errors_;
  RecordingMessageHost host_;
  SymbolList symbols_, user_symbols_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
  std::ostringstream statistics_;
  RecordingRegisterTransferSink register_log_;
  const DrawLine* input_line_ = nullptr;
  const DrawLine* output_line_ = nullptr;
  const DrawLine* stray_line_ = nullptr;
};

TEST_F(WireValuesTest, TheWiresOfAHazardShowItsGlitchAndMatchTheOutputRow) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Hazard(draw);
  draw.SetPath(folder_.Path("hz.ldr"));
  Pat pattern(host_, errors_);
  pattern.SetPath(folder_.Path("hz[0].lpt"));
  pattern.AppendRow("A", "hz.A", RowKind::kInput);
  pattern.row(0).events.Insert(0, "0");
  pattern.row(0).events.Insert(50, "1");
  pattern.row(0).events.Insert(100, "0");
  SignalTrace trace;
  ASSERT_TRUE(Simulate(Road(&trace), draw, pattern)) << host_.OnlyText();

  const NetMap nets(draw);
  ASSERT_TRUE(nets.complete());
  EXPECT_EQ(nets.net_count(), 4u);
  const WireValues wires(nets, trace);
  const int y = nets.NetOf(*output_line_);
  const int a = nets.NetOf(*input_line_);
  ASSERT_NE(y, NetMap::kNoNet);
  // Every net that reaches a terminal is a signal of the run, under the
  // name the conversion gave it; the stray line's net is none.
  for (const DrawLine& line : draw.lines()) {
    const int net = nets.NetOf(line);
    ASSERT_NE(net, NetMap::kNoNet);
    EXPECT_EQ(wires.SignalOf(net) == SignalTrace::kNoSignal, &line == stray_line_)
        << nets.name(net);
  }
  EXPECT_EQ(wires.At(nets.NetOf(*stray_line_), 52).level, WireLevel::kNone);
  for (const DrawTerminal& t : draw.terminals())
    EXPECT_EQ(nets.NetOf(t), nets.NetAt(t.x(), t.y()));

  // The and gate's delay is 2, the inverter's 1: Y is 1 at 52 only.
  EXPECT_EQ(wires.At(y, 51).level, WireLevel::kZero);
  EXPECT_EQ(wires.At(y, 52).level, WireLevel::kOne);
  EXPECT_EQ(wires.At(y, 53).level, WireLevel::kZero);
  EXPECT_EQ(wires.At(a, 60).level, WireLevel::kOne);
  EXPECT_EQ(wires.At(a, -10).level, WireLevel::kUnknown);

  // The pins find their nets' signals; a name that is no pin finds none.
  EXPECT_EQ(wires.SignalOfPin(draw, "Y"), wires.SignalOf(y));
  EXPECT_EQ(wires.SignalOfPin(draw, "A"), wires.SignalOf(a));
  EXPECT_EQ(wires.SignalOfPin(draw, "N"), SignalTrace::kNoSignal);

  // The trace of Y holds the output row's changes, time for time.
  const PatRow* row = nullptr;
  for (int i = 0; i < pattern.count(); ++i)
    if (pattern.row(i).name == "hz.Y") row = &pattern.row(i);
  ASSERT_NE(row, nullptr);
  const auto signal = static_cast<std::uint32_t>(wires.SignalOf(y));
  std::vector<std::pair<std::int32_t, std::string>> from_row, from_trace;
  for (const PatEvent& event : row->events)
    from_row.emplace_back(event.time, event.value);
  for (std::size_t i = 0; i < trace.ChangeTimes(signal).size(); ++i)
    from_trace.emplace_back(trace.ChangeTimes(signal)[i],
                            trace.Text(trace.ChangeValues(signal)[i]));
  EXPECT_EQ(from_trace, from_row);
}

TEST_F(WireValuesTest, NamesClashingOnOneNetJoinNoWire) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  draw.AddLine(0, 0, 10, 0).set_name("P");
  draw.AddLine(10, 0, 20, 0).set_name("Q");
  draw.AddLine(50, 0, 60, 0);
  const NetMap nets(draw);
  EXPECT_FALSE(nets.complete());
  SignalTrace trace;
  trace.Begin({"P", "Q", "*s0"});
  trace.End(ValueTable());
  const WireValues wires(nets, trace);
  for (const DrawLine& line : draw.lines())
    EXPECT_EQ(wires.SignalOf(nets.NetOf(line)), SignalTrace::kNoSignal);
}

TEST_F(WireValuesTest, ValuesAreClassedByWidthAndUnknownBits) {
  EXPECT_EQ(ClassifyValue("0").level, WireLevel::kZero);
  EXPECT_EQ(ClassifyValue("z").level, WireLevel::kHighZ);
  EXPECT_EQ(ClassifyValue("x").level, WireLevel::kUnknown);
  // Bit 0 first: 0101 then 1 is 1_1010 = 1a.
  const WireValue bus = ClassifyValue("01011");
  EXPECT_EQ(bus.level, WireLevel::kBus);
  EXPECT_EQ(bus.label, "1a");
  EXPECT_EQ(ClassifyValue("01x1").level, WireLevel::kUnknown);
  EXPECT_EQ(ClassifyValue("zzzz").label, "z");
}

// The bus sample packs D0..D7 into the bus B, unpacks it and packs the
// wires again swapped: B and the wires on both sides of it are merged away,
// yet every wire shows a value, and B shows the inputs as one number.
TEST_F(WireValuesTest, NetsMergedIntoBusWiresShowTheirValuesAndTheBusItsNumber) {
  CopySamples({"bus8.ldr", "bus8[0].lpt"});
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  ASSERT_EQ(draw.Read(folder_.Path("bus8.ldr")), DrawReadResult::kRead);
  SignalTrace trace;
  ASSERT_NO_FATAL_FAILURE(RunWithSamplePattern(draw, "bus8", trace));

  const NetMap nets(draw);
  const WireValues wires(nets, trace);
  int bus = NetMap::kNoNet;
  for (std::size_t net = 0; net < nets.net_count(); ++net)
    if (nets.name(static_cast<int>(net)) == "B") bus = static_cast<int>(net);
  ASSERT_NE(bus, NetMap::kNoNet);
  const auto input = [&](int bit, std::int32_t time) {
    const std::int32_t signal = wires.SignalOfPin(draw, "D" + std::to_string(bit));
    return signal == SignalTrace::kNoSignal
               ? std::string("?")
               : trace.ValueAt(static_cast<std::uint32_t>(signal), time);
  };
  for (const std::int32_t time : {10, 50, 130, 370, 450}) {
    SCOPED_TRACE(time);
    std::string expected;
    for (int bit = 0; bit < 8; ++bit)
      expected += input(bit, time);
    EXPECT_EQ(wires.At(bus, time).label, HexValue(expected));
    for (std::size_t net = 0; net < nets.net_count(); ++net)
      EXPECT_NE(wires.At(static_cast<int>(net), time).level, WireLevel::kNone)
          << nets.name(static_cast<int>(net));
  }
  // The wire between D0 and the packer is D0's own signal.
  EXPECT_NE(wires.SignalOfPin(draw, "D0"), SignalTrace::kNoSignal);
}

// A sub-circuit whose output net is recorded ("%") keeps that net when it is
// placed, so the outside net it joins goes; the schematic's wire still shows
// the value under its own name.
TEST_F(WireValuesTest, AnOutsideNetJoinedIntoARecordedInsideNetKeepsItsValue) {
  CopySamples({"parity4.ldr", "parity4[0].lpt", "nandxor.lsy"});
  {
    std::ifstream in(SourceFolder() / "data" / "sample" / "nandxor.lcr");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::size_t at; (at = text.find("*s2")) != std::string::npos;)
      text.replace(at, 3, "Y%");
    std::ofstream(folder_.Path("nandxor.lcr")) << text;
  }
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  ASSERT_EQ(draw.Read(folder_.Path("parity4.ldr")), DrawReadResult::kRead);
  SignalTrace trace;
  ASSERT_NO_FATAL_FAILURE(RunWithSamplePattern(draw, "parity4", trace));
  ASSERT_GE(trace.FindSignal("X3-Y%"), 0) << "the recorded net kept its name";

  const NetMap nets(draw);
  const WireValues wires(nets, trace);
  for (std::size_t net = 0; net < nets.net_count(); ++net)
    EXPECT_NE(wires.SignalOf(static_cast<int>(net)), SignalTrace::kNoSignal)
        << nets.name(static_cast<int>(net));
  EXPECT_EQ(wires.SignalOfPin(draw, "P"), trace.FindSignal("X3-Y%"));
}

// The inside of a placed sub-circuit: its schematic is found beside its
// circuit file only while it still converts into that file, and its nets
// are found under the instance's names, its pins on the nets outside.
TEST_F(WireValuesTest, AnInstancesInsideIsFoundUnderItsNamesWhileItsSchematicMatches) {
  CopySamples({"parity4.ldr", "parity4[0].lpt", "nandxor.ldr", "nandxor.lcr", "nandxor.lsy"});
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  ASSERT_EQ(draw.Read(folder_.Path("parity4.ldr")), DrawReadResult::kRead);
  // X1 and X2 unnamed: the conversion numbers them in the order of the
  // file, which a read reverses in the lists until the next save.
  std::vector<DrawElement*> unnamed;
  const DrawElement* x1_element = nullptr;
  for (DrawElement& element : draw.elements()) {
    if (element.name() == "X1") x1_element = &element;
    if (element.name() == "X1" || element.name() == "X2") unnamed.push_back(&element);
  }
  ASSERT_EQ(unnamed.size(), 2u);
  ASSERT_NE(x1_element, nullptr);
  for (DrawElement* element : unnamed)
    element->set_name("?");
  SignalTrace trace;
  ASSERT_NO_FATAL_FAILURE(RunWithSamplePattern(draw, "parity4", trace));
  Draw reread({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  ASSERT_EQ(reread.Read(folder_.Path("parity4.ldr")), DrawReadResult::kRead);
  std::set<std::string> names;
  for (const DrawElement* element : unnamed) {
    const std::string name = CircuitElementName(draw, *element);
    names.insert(name);
    EXPECT_GE(trace.FindSignal(name + "-*s5"), 0) << name;
    const DrawElement* same = reread.NearestElement(element->x(), element->y()).record;
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(CircuitElementName(reread, *same), name);
  }
  EXPECT_EQ(names, (std::set<std::string>{"*e0", "*e1"}));
  const RunFolders folders{System(), folder_.Path("")};
  const InsideSchematic inside = FindInsideSchematic(folders, "NandXor", errors_);
  ASSERT_EQ(inside.found, InsideFound::kFound);
  EXPECT_EQ(inside.schematic_path, folder_.Path("nandxor.ldr"));
  EXPECT_EQ(InsideRefusal(inside, "X1", "nandxor"), "");

  Draw inner({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  ASSERT_EQ(inner.Read(inside.schematic_path), DrawReadResult::kRead);
  const NetMap inner_nets(inner);
  const WireValues x1(inner_nets, trace, CircuitElementName(draw, *x1_element) + "-");
  for (std::size_t net = 0; net < inner_nets.net_count(); ++net)
    EXPECT_NE(x1.SignalOf(static_cast<int>(net)), SignalTrace::kNoSignal)
        << inner_nets.name(static_cast<int>(net));
  // X1's output is the net P01 outside.
  const NetMap outer_nets(draw);
  const WireValues outer(outer_nets, trace);
  int p01 = NetMap::kNoNet;
  for (const DrawLine& line : draw.lines())
    if (line.name() == "P01") p01 = outer_nets.NetOf(line);
  ASSERT_NE(p01, NetMap::kNoNet);
  EXPECT_EQ(x1.SignalOfPin(inner, "y"), outer.SignalOf(p01));
  EXPECT_EQ(WireValues::NameInside("X1-", "/CK"), "/CK");

  // Refused: a primitive, a library part, a changed schematic, none at all.
  EXPECT_EQ(FindInsideSchematic(folders, "_nand2", errors_).found, InsideFound::kNoCircuit);
  const InsideSchematic part = FindInsideSchematic(folders, "half_adder", errors_);
  EXPECT_EQ(part.found, InsideFound::kLibraryPart);
  EXPECT_NE(InsideRefusal(part, "H1", "half_adder"), "");
  inner.AddLine(0, 0, 8, 0).set_name("EXTRA");
  ASSERT_EQ(inner.Save(inside.schematic_path), DrawSaveResult::kSaved);
  const InsideSchematic changed = FindInsideSchematic(folders, "nandxor", errors_);
  EXPECT_EQ(changed.found, InsideFound::kChanged);
  EXPECT_NE(InsideRefusal(changed, "X1", "nandxor"), "");
  std::filesystem::remove(inside.schematic_path);
  EXPECT_EQ(FindInsideSchematic(folders, "nandxor", errors_).found, InsideFound::kNoSchematic);
  // The check leaves no scratch file behind.
  EXPECT_FALSE(std::filesystem::exists(folder_.Path(kInsideCheckFile)));
}

// A bus one of whose wires was itself a bus merged later takes that bus's
// wires in its place; a bus with a wire the run does not have shows nothing.
TEST_F(WireValuesTest, MergedNamesReachTheTraceThroughNestedBuses) {
  SignalTrace trace;
  trace.Begin({"p2", "q2", "u1"});
  ValueTable values;
  trace.Record(0, 0, kValue1);
  trace.Record(0, 1, kValue0);
  trace.Record(0, 2, kValue1);
  trace.End(values);
  SignalMergeLog log;
  log.Renamed("u2", "u1");
  log.Merged({"bus", {"s", "u1"}});
  log.Renamed("t", "s");
  log.Merged({"s", {"p2", "q2"}});
  log.Merged({"broken", {"p2", "gone"}});
  NameMergedSignals(trace, log);
  EXPECT_EQ(trace.FindSignal("u2"), 2);
  const auto text = [&](const std::string& name) {
    std::string value;
    for (const std::uint32_t wire : trace.FindBus(name))
      value += trace.ValueAt(wire, 5);
    return value;
  };
  EXPECT_EQ(text("bus"), "101");
  EXPECT_EQ(text("s"), "10");
  EXPECT_EQ(text("t"), "10");  // renamed before it was merged as a bus
  EXPECT_TRUE(trace.FindBus("broken").empty());
  // A new run forgets them.
  trace.Begin({"p2"});
  EXPECT_EQ(trace.FindSignal("u2"), SignalTrace::kNoSignal);
  EXPECT_TRUE(trace.FindBus("s").empty());
}

}  // namespace
}  // namespace lumo
