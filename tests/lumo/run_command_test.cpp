#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "pattern/vcd_writer.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "schematic/pattern_setup.h"
#include "sim/signal_trace.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"
#include "tests/lumo/lumo_test_util.h"
#include "tests/support/file_size_limit.h"
#include "workflow/run_lock.h"

namespace lumo::cli {
namespace {

using namespace testing;

// A schematic made with the editor's model: A and B into an AND gate whose
// output is Y.
class LumoRun : public CommandTest {
 protected:
  void SetUp() override {
    RegisterListErrors(errors_);
    RegisterSymbolErrors(errors_);
    RegisterDrawErrors(errors_);
    ASSERT_TRUE(symbols_.Read(SystemData() + "/LumoCAD.lib", {host_, errors_, errors_}));
    Draw draw({symbols_, user_symbols_, host_, errors_, errors_, errors_});
    DrawElement& gate = draw.PlaceElement(*symbols_.Find("_and2"), 40, 0, 0, 'p');
    for (const auto& [pin, name, x] :
         {std::tuple{"a", "A", -40}, {"b", "B", -40}, {"y", "Y", 120}}) {
      const DrawTerminal* terminal = nullptr;
      for (const DrawTerminal& t : gate.terminals())
        if (t.name() == pin) terminal = &t;
      ASSERT_NE(terminal, nullptr);
      DrawElement& port =
          draw.PlaceElement(*symbols_.Find(x < 0 ? "_in" : "_out"), x, terminal->y(), 0, 'p');
      port.set_name(name);
      const DrawTerminal& end = *port.terminals().begin();
      draw.AddLine(end.x(), end.y(), terminal->x(), terminal->y());
    }
    ASSERT_EQ(draw.Save(Path("gate.ldr")), DrawSaveResult::kSaved);
  }
  DrawEnvironment environment() {
    return {symbols_, user_symbols_, host_, errors_, errors_, errors_};
  }
  int Run(Arguments extra) {
    Arguments args = {"run", Path("gate.ldr"), "--sys", SystemData()};
    args.insert(args.end(), extra.begin(), extra.end());
    return Call(args);
  }

  ErrorTable errors_;
  RecordingMessageHost host_;
  SymbolList symbols_, user_symbols_;
};

TEST_F(LumoRun, SimulatesWithTheDefaultPatternAndPrintsTheChart) {
  std::ofstream(Path("gate[0].lpt")) << "a A 3 0 0 100 1 300 0\na B 2 0 1 200 0\ne\n";
  ASSERT_EQ(Run({"--vcd", Path("gate.vcd"), "--changes"}), kOk) << err_.str();
  const std::string chart = out_.str();
  EXPECT_NE(chart.find("pattern " + Path("gate[0].lpt")), std::string::npos) << chart;
  EXPECT_NE(chart.find("inputs (time:value)\n  A       0:0 100:1 300:0\n  B       0:1 200:0\n"),
            std::string::npos)
      << chart;
  // AND: 1 from 100 to 200 (plus the gate's delay of 2).
  EXPECT_NE(chart.find("outputs (time:value)\n  gate.Y  -2:0 102:1 202:0\n"), std::string::npos)
      << chart;
  EXPECT_EQ(
      Read("gate.vcd"),
      "$version LumoCAD $end\n$timescale 1ns $end\n$scope module gate $end\n"
      "$var reg 1 ! A $end\n$var reg 1 \" B $end\n$var wire 1 # Y $end\n"
      "$upscope $end\n$enddefinitions $end\n"
      "#0\n$dumpvars\n0!\n1\"\n0#\n$end\n#100\n1!\n#102\n1#\n#200\n0\"\n#202\n0#\n#300\n0!\n");
  // The intermediate files lie in the working folder (the schematic's).
  EXPECT_TRUE(fs::exists(Path("gate.lcr")));
  EXPECT_TRUE(fs::exists(Path("LumoExp.tmp")));
  EXPECT_TRUE(fs::exists(Path("LumoOut.tmp")));
  EXPECT_NE(Read("LumoSta.tmp").find("イベント総数 = "), std::string::npos);

  // Without --changes the rows are drawn as levels on one time scale, as
  // wide as the terminal: columns of 10 here, Y rising within the column of
  // 100 and seen from 110.
  out_.str("");
  setenv("COLUMNS", "60", 1);
  ASSERT_EQ(Run({}), kOk) << err_.str();
  unsetenv("COLUMNS");
  const std::string levels = out_.str();
  EXPECT_NE(levels.find("waveforms: one column = 10 time units\n"), std::string::npos) << levels;
  EXPECT_NE(levels.find("inputs\n"
                        "  A       ▁▁▁▁▁▁▁▁▁▁▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▁▁▁▁▁▁\n"
                        "  B       ▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁\n"
                        "outputs\n"
                        "  gate.Y  ▁▁▁▁▁▁▁▁▁▁▁▔▔▔▔▔▔▔▔▔▔▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁\n"),
            std::string::npos)
      << levels;
}

TEST_F(LumoRun, ATraceLeavesTheOutputAsItWasAndDumpsEverySignal) {
  std::ofstream(Path("gate[0].lpt")) << "a A 3 0 0 100 1 300 0\na B 2 0 1 200 0\ne\n";
  ASSERT_EQ(Run({}), kOk) << err_.str();
  const std::string untraced = Read("LumoOut.tmp");
  ASSERT_EQ(Run({"--trace", Path("gate.trc"), "--vcd", Path("all.vcd"), "--all-signals"}), kOk)
      << err_.str();
  EXPECT_EQ(Read("LumoOut.tmp"), untraced);

  std::ifstream in(Path("gate.trc"), std::ios::binary);
  SignalTrace trace;
  ASSERT_TRUE(trace.Read(in));
  // The gate's output net holds the AND of A and B, two units late.
  std::int32_t y = SignalTrace::kNoSignal;
  for (std::uint32_t s = 0; s < trace.signal_count(); ++s)
    if (!trace.ChangeTimes(s).empty() && trace.ChangeTimes(s).front() == -2)
      y = static_cast<std::int32_t>(s);
  ASSERT_NE(y, SignalTrace::kNoSignal);
  EXPECT_EQ(trace.ValueAt(static_cast<std::uint32_t>(y), 101), "0");
  EXPECT_EQ(trace.ValueAt(static_cast<std::uint32_t>(y), 102), "1");
  EXPECT_EQ(trace.ValueAt(static_cast<std::uint32_t>(y), 202), "0");
  // Every signal is in the dump, by its net name (escaped: they are
  // generated names starting with *).
  const std::string vcd = Read("all.vcd");
  ASSERT_EQ(trace.signal_count(), 3u);
  for (const std::string& name : trace.signal_names())
    EXPECT_NE(vcd.find(" " + VcdReference(name) + " $end"), std::string::npos) << name << "\n"
                                                                               << vcd;

  // --all-signals is for a dump only.
  EXPECT_EQ(Run({"--all-signals"}), kUsage);
}

TEST_F(LumoRun, WithoutAPatternInputsStartAtZeroAndAFailedRunShowsNoOutputs) {
  // Every input gets 0 at time 0: Y settles at 0.
  ASSERT_EQ(Run({"--changes"}), kOk) << err_.str();
  EXPECT_NE(out_.str().find("  gate.Y  -2:0\n"), std::string::npos) << out_.str();
  EXPECT_TRUE(fs::exists(Path("gate[0].lpt")));

  // A pattern naming a pin the circuit lacks stops the run: the chart shows
  // the inputs read back and no outputs.
  std::ofstream(Path("bad.lpt")) << "a A 1 0 1\na Q 1 0 1\ne\n";
  EXPECT_EQ(Run({Path("bad.lpt")}), kFailed);
  EXPECT_NE(err_.str().find("入力パターンファイルにおいて，端子名 Q が間違っています。"),
            std::string::npos);
  EXPECT_NE(out_.str().find("outputs\n  (none)\n"), std::string::npos) << out_.str();
}

TEST_F(LumoRun, AHiddenFileKeepsItsNameAndABlankInAPinNameStopsTheRun) {
  // Named after what follows the dots, so the saved file still has a name.
  fs::copy_file(Path("gate.ldr"), Path("..hidden.ldr"));
  const Arguments hidden = {"run", Path("..hidden.ldr"), "--sys", SystemData()};
  ASSERT_EQ(Call(hidden), kOk) << err_.str();
  EXPECT_EQ(Read("..hidden.ldr").substr(0, 9), "(hidden)\n");
  EXPECT_EQ(Call(hidden), kOk) << err_.str();

  // The output lines of "Y Z" could not be read back: no chart without
  // outputs passed off as a run.
  std::string text = Read("gate.ldr");
  text.replace(text.find(" Y _out "), 8, " \"Y Z\" _out ");
  Write("gate.ldr", text);
  EXPECT_EQ(Run({}), kFailed);
  EXPECT_NE(err_.str().find("入出力端子の名前「Y Z」に空白があります。"), std::string::npos)
      << err_.str();
}

// Files that must not be saved over, and files that are not files.
TEST_F(LumoRun, ADamagedPatternStopsTheRunAndIsLeftAsItWas) {
  const std::string damaged = "a A 2 0 0 1O 1\na B 1 0 1\ne\n";
  Write("gate[0].lpt", damaged);
  const std::string schematic = Read("gate.ldr");
  EXPECT_EQ(Run({}), kFailed);
  EXPECT_EQ(Read("gate[0].lpt"), damaged);
  EXPECT_FALSE(fs::exists(Path("gate[0].lpt.bak")));
  EXPECT_EQ(Read("gate.ldr"), schematic);
  EXPECT_FALSE(fs::exists(Path("LumoOut.tmp")));
  EXPECT_NE(err_.str().find(std::string(kDamagedPatternText)), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find("lumo run: " + Path("gate[0].lpt") +
                            " did not read whole; it is left as it was\n"),
            std::string::npos)
      << err_.str();
}

TEST_F(LumoRun, MoreInputsThanPatternRowsAreRefusedBeforeAnythingIsSaved) {
  Draw draw(environment());
  for (int i = 0; i <= kPatRows; ++i)
    draw.PlaceElement(*symbols_.Find("_in"), 0, 16 * i, 0, 'p').set_name("I" + std::to_string(i));
  ASSERT_EQ(draw.Save(Path("wide.ldr")), DrawSaveResult::kSaved);
  std::string pattern;
  for (int i = 0; i <= kPatRows; ++i)
    pattern += "a  I" + std::to_string(i) + "  1\n   0 1  \n";
  Write("wide[0].lpt", pattern + "e\n");
  const std::string schematic = Read("wide.ldr");

  EXPECT_EQ(Call({"run", Path("wide.ldr"), "--sys", SystemData()}), kFailed);
  EXPECT_EQ(err_.str(), TooManyInputsText() + "\n");
  EXPECT_EQ(Read("wide[0].lpt"), pattern + "e\n");
  EXPECT_EQ(Read("wide.ldr"), schematic);
}

TEST_F(LumoRun, OnlyRegularFilesAreReadOrReplacedAsPatternsOrSymbols) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0666), 0);
  fs::create_symlink(Path("fifo"), Path("to_fifo.lpt"));
  for (const char* name : {"fifo", "to_fifo.lpt"}) {
    EXPECT_EQ(Run({Path(name)}), kFailed) << name;
    EXPECT_NE(err_.str().find("入力パターンファイルが読めません。"), std::string::npos) << name;
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(Path("fifo"))));
  EXPECT_TRUE(fs::is_symlink(Path("to_fifo.lpt")));

  // A FIFO among the user symbols is passed over, not waited on.
  fs::rename(Path("fifo"), Path("user.lsy"));
  EXPECT_EQ(Run({}), kOk) << err_.str();
}

TEST_F(LumoRun, LinksAmongTheRunsFilesAreReplacedAndALinkedSchematicIsSavedThroughIt) {
  Write("victim", "victim\n");
  for (const char* name :
       {"LumoOut.tmp", "LumoSta.tmp", "LumoExp.tmp", "LumoDraw.tmp", "LumoCir.tmp", "gate.lcr"})
    fs::create_symlink(Path("victim"), Path(name));
  fs::create_directory(Path("real"));
  fs::rename(Path("gate.ldr"), Path("real/gate.ldr"));
  fs::create_symlink(Path("real/gate.ldr"), Path("gate.ldr"));
  ASSERT_EQ(Run({"--changes"}), kOk) << err_.str();
  EXPECT_EQ(Read("victim"), "victim\n");
  for (const char* name :
       {"LumoOut.tmp", "LumoSta.tmp", "LumoExp.tmp", "LumoDraw.tmp", "LumoCir.tmp", "gate.lcr"})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Path(name)))) << name;
  EXPECT_TRUE(fs::is_symlink(Path("gate.ldr")));
  EXPECT_FALSE(fs::exists(Path("real/gate[0].lpt")));
  EXPECT_NE(out_.str().find("  gate.Y  -2:0\n"), std::string::npos) << out_.str();
}

// One run at a time in a working folder.
TEST_F(LumoRun, ARunWaitsForTheFoldersLockOrIsRefusedWithNoWait) {
  const std::string folder = fs::path(Path("gate.ldr")).parent_path().string();
  auto other = std::make_unique<RunLock>(folder);
  ASSERT_EQ(other->TryTake(), RunLock::State::kHeld);
  EXPECT_EQ(Run({"--no-wait"}), kFailed);
  EXPECT_EQ(err_.str(), "lumo run: another run is using " + folder + " (--no-wait)\n");
  EXPECT_FALSE(fs::exists(Path("LumoOut.tmp")));

  std::thread release([&other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    other.reset();
  });
  EXPECT_EQ(Run({}), kOk) << err_.str();
  release.join();
  EXPECT_EQ(err_.str().find("lumo run: waiting for another run in " + folder + " to finish\n"), 0u)
      << err_.str();
  EXPECT_TRUE(fs::exists(Path("LumoOut.tmp")));
}

TEST_F(LumoRun, AFullDiskFailsTheRunNamingTheOutputFile) {
  std::string changes = "a A 2000";
  for (int i = 0; i < 2000; ++i)
    changes += " " + std::to_string(i * 10) + " " + std::to_string(i % 2);
  Write("gate[0].lpt", changes + "\na B 1 0 1\ne\n");
  {
    // Room for the schematic, the pattern and the circuits, not for the
    // outputs.
    lumo::testing::FileSizeLimit limit(30000);
    EXPECT_EQ(Run({}), kFailed);
  }
  EXPECT_NE(err_.str().find("出力パターンファイル " + Path("LumoOut.tmp") + " に書き込めません。"),
            std::string::npos)
      << err_.str();
  EXPECT_FALSE(fs::exists(Path("LumoOut.tmp")));
  EXPECT_NE(out_.str().find("outputs\n  (none)\n"), std::string::npos);
}

TEST_F(LumoRun, BadUsageAndMissingFiles) {
  EXPECT_EQ(Call({"run"}), kUsage);
  EXPECT_EQ(Run({"--vcd"}), kUsage);
  EXPECT_EQ(Call({"run", Path("none.ldr"), "--sys", SystemData()}), kFailed);
}

}  // namespace
}  // namespace lumo::cli
