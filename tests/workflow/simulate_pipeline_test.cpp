// The Simulate command's road: refusals, a stage that fails, and success.

#include "workflow/simulate_pipeline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "circuit/circuit_errors.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "schematic/pattern_setup.h"
#include "symbol/symbol_errors.h"
#include "tests/support/test_folder.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

using testing::SourceFolder;
using testing::TemporaryFolder;

std::string SystemData() {
  return (SourceFolder() / "data" / "sys").string();
}

class SimulatePipeline : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* registry : {RegisterListErrors, RegisterSymbolErrors, RegisterDrawErrors,
                           RegisterCircuitErrors, RegisterConverterErrors, RegisterPatternErrors})
      registry(errors_);
    ASSERT_TRUE(symbols_.Read(SystemData() + "/LumoCAD.lib", {host_, errors_, errors_}));
  }
  std::string Path(const std::string& name) const { return folder_.Path(name); }

  // An inverter from pin A to pin Y, both named as given.
  void Inverter(Draw& draw, const std::string& in, const std::string& out) {
    DrawElement& gate = draw.PlaceElement(*symbols_.Find("_not"), 40, 0, 0, 'p');
    for (const DrawTerminal& t : gate.terminals()) {
      DrawElement& port = draw.PlaceElement(*symbols_.Find(t.name() == "a" ? "_in" : "_out"),
                                            t.name() == "a" ? -40 : 120, t.y(), 0, 'p');
      port.set_name(t.name() == "a" ? in : out);
      draw.AddLine(port.terminals().begin()->x(), port.terminals().begin()->y(), t.x(), t.y());
    }
  }

  RunSetup Road() {
    return {host_,       errors_,       store_, bus_signals_, {SystemData(), Path("")},
            statistics_, &register_log_};
  }
  bool Simulate(Draw& draw, Pat& pattern) { return lumo::Simulate(Road(), draw, pattern); }

  // A pattern of the inverter's input A: 0 at 0, 1 at 50.
  static void InverterPattern(Pat& pattern, const std::string& path) {
    pattern.SetPath(path);
    pattern.AppendRow("A", "inv.A", RowKind::kInput);
    pattern.row(0).events.Insert(0, "0");
    pattern.row(0).events.Insert(50, "1");
  }

  TemporaryFolder folder_;
  ErrorTable errors_;
  RecordingMessageHost host_;
  SymbolList symbols_, user_symbols_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
  std::ostringstream statistics_;
  RecordingRegisterTransferSink register_log_;
};

TEST_F(SimulatePipeline, RefusesEmptyAndUnnamedSchematicsBeforeSavingAnything) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Pat pattern(host_, errors_);
  EXPECT_FALSE(Simulate(draw, pattern));
  EXPECT_EQ(host_.OnlyText(), "回路図が入力されていません。");

  host_.Clear();
  Inverter(draw, "A", "Y");
  EXPECT_FALSE(Simulate(draw, pattern));
  EXPECT_EQ(host_.OnlyText(), "回路図に名前が付けられていません。");
  EXPECT_TRUE(fs::is_empty(folder_.path()));
}

TEST_F(SimulatePipeline, RefusesMoreInputsThanPatternRowsBeforeSavingAnything) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Inverter(draw, "A", "Y");
  for (int i = 1; i < kPatRows; ++i)
    draw.PlaceElement(*symbols_.Find("_in"), 0, 16 * i, 0, 'p').set_name("I" + std::to_string(i));
  draw.SetPath(Path("wide.ldr"));
  Pat pattern(host_, errors_);
  pattern.SetPath(Path("wide[0].lpt"));
  // 500 inputs fit: the road is taken (the unconnected pins then fail it).
  Simulate(draw, pattern);
  EXPECT_TRUE(fs::exists(Path("wide.ldr")));
  for (const Message& message : host_.Messages())
    EXPECT_NE(message.text, TooManyInputsText());

  fs::remove_all(folder_.path());
  fs::create_directories(folder_.path());
  host_.Clear();
  draw.PlaceElement(*symbols_.Find("_io"), 0, -16, 0, 'p').set_name("X");
  EXPECT_FALSE(Simulate(draw, pattern));
  EXPECT_EQ(host_.OnlyText(), TooManyInputsText());
  EXPECT_TRUE(fs::is_empty(folder_.path()));
}

TEST_F(SimulatePipeline, ASuccessfulRunLeavesInputsAndOutputsInThePattern) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Inverter(draw, "A", "Y");
  draw.SetPath(Path("inv.ldr"));
  Pat pattern(host_, errors_);
  pattern.SetPath(Path("inv[0].lpt"));
  pattern.AppendRow("A", "inv.A", RowKind::kInput);
  pattern.row(0).events.Insert(0, "0");
  pattern.row(0).events.Insert(50, "1");

  ASSERT_TRUE(Simulate(draw, pattern)) << host_.OnlyText();
  EXPECT_TRUE(host_.Messages().empty());
  ASSERT_EQ(pattern.count(), 3);  // A, the separator, the output
  EXPECT_EQ(pattern.row(0).name, "A");
  EXPECT_TRUE(pattern.row(1).name.empty());
  EXPECT_EQ(pattern.row(2).name, "inv.Y");
  EXPECT_EQ(pattern.row(2).events.size(), 2u);
  EXPECT_TRUE(fs::exists(Path("inv.ldr")));
  EXPECT_TRUE(store_.first_circuit() == nullptr && store_.first_function() == nullptr);
  EXPECT_NE(statistics_.str().find("展開後"), std::string::npos);
  EXPECT_NE(statistics_.str().find("イベント総数 = 4"), std::string::npos) << statistics_.str();
}

TEST_F(SimulatePipeline, AFailedConversionSkipsTheRestAndShowsNoOutputs) {
  // Two pins of one name clash in the conversion.
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Inverter(draw, "A", "A");
  draw.SetPath(Path("bad.ldr"));
  Pat pattern(host_, errors_);
  pattern.SetPath(Path("bad[0].lpt"));
  pattern.AppendRow("A", "bad.A", RowKind::kInput);
  pattern.row(0).events.Insert(0, "1");

  EXPECT_FALSE(Simulate(draw, pattern));
  EXPECT_EQ(host_.Messages().size(), 1u);
  EXPECT_FALSE(fs::exists(Path("bad.lcr")));
  EXPECT_FALSE(fs::exists(Path("LumoOut.tmp")));
  ASSERT_EQ(pattern.count(), 1);  // read back from its file, no outputs
  EXPECT_EQ(pattern.row(0).events.size(), 1u);
}

TEST_F(SimulatePipeline, TheStagesOneByOneDoWhatTheWholeRoadDoes) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Inverter(draw, "A", "Y");
  draw.SetPath(Path("inv.ldr"));
  Pat whole(host_, errors_), staged(host_, errors_);
  InverterPattern(whole, Path("inv[0].lpt"));
  ASSERT_TRUE(Simulate(draw, whole)) << host_.OnlyText();

  InverterPattern(staged, Path("inv[0].lpt"));
  const SimulateRun run = PrepareSimulate(Road(), draw, staged);
  EXPECT_TRUE(run.saved && run.ready);
  EXPECT_EQ(run.pattern_path, Path("inv[0].lpt"));
  // The simulation leaves the pattern as it was: a window keeps showing it.
  ASSERT_TRUE(RunSimulateStage(Road(), run));
  EXPECT_EQ(staged.count(), 1);
  EXPECT_EQ(staged.row(0).events.size(), 2u);
  FinishSimulate(Road(), run, staged, true);
  ASSERT_EQ(staged.count(), whole.count());
  for (int i = 0; i < whole.count(); ++i) {
    EXPECT_EQ(staged.row(i).name, whole.row(i).name);
    EXPECT_EQ(staged.row(i).events.size(), whole.row(i).events.size()) << i;
  }
  EXPECT_TRUE(host_.Messages().empty()) << host_.OnlyText();
}

TEST_F(SimulatePipeline, ARefusedOrCancelledRunShowsOnlyTheInputs) {
  Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
  Inverter(draw, "A", "Y");
  Pat pattern(host_, errors_);
  InverterPattern(pattern, Path("inv[0].lpt"));

  // Refused (unnamed): nothing saved, nothing to run, the pattern untouched.
  SimulateRun run = PrepareSimulate(Road(), draw, pattern);
  EXPECT_FALSE(run.saved || run.ready);
  EXPECT_FALSE(RunSimulateStage(Road(), run));
  FinishSimulate(Road(), run, pattern, false);
  EXPECT_EQ(pattern.count(), 1);
  EXPECT_EQ(pattern.row(0).events.size(), 2u);
  EXPECT_TRUE(fs::is_empty(folder_.path()));

  // Cancelled before its first event: a failed stage without a message of
  // its own. The stale output file of an earlier run is not read.
  host_.Clear();
  draw.SetPath(Path("inv.ldr"));
  ASSERT_TRUE(Simulate(draw, pattern));
  ASSERT_EQ(pattern.count(), 3);
  pattern.row(0).events.Insert(70, "0");
  run = PrepareSimulate(Road(), draw, pattern);
  ASSERT_TRUE(run.ready);
  RunControl control;
  control.Cancel();
  EXPECT_FALSE(RunSimulateStage(Road(), run, &control));
  EXPECT_TRUE(host_.Messages().empty()) << host_.OnlyText();
  EXPECT_TRUE(fs::exists(Path("LumoOut.tmp")));
  FinishSimulate(Road(), run, pattern, false);
  ASSERT_EQ(pattern.count(), 1);  // the edited inputs, read back; no outputs
  EXPECT_EQ(pattern.row(0).events.size(), 3u);
  EXPECT_TRUE(store_.first_circuit() == nullptr && store_.first_function() == nullptr);
}

}  // namespace
}  // namespace lumo
