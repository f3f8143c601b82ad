// The schematic window's Verilog export: what it asks, writes and says.

#include "editing/command_ids.h"
#include "tests/ui/ui_test_util.h"

namespace lumo::testing {
namespace {

class ExportTest : public UiTest {
 protected:
  void SetUp() override { Start(); }
  void Export() {
    host.Clear();
    dialogs.asked.clear();
    frame().RunCommand(kCmdExportVerilog);
  }
};

TEST_F(ExportTest, AsksForTheFileThenWritesModuleCellsAndTestbench) {
  // Nothing drawn: refused before any dialog.
  Export();
  EXPECT_EQ(Texts(), std::vector<std::string>{"回路図が入力されていません。"});
  EXPECT_TRUE(dialogs.asked.empty());

  const std::string schematic = work / "half_adder.ldr";
  fs::copy_file(TestData("half_adder.ldr"), schematic);
  frame().OpenAtStart(schematic);
  Ready();
  // Cancelled: nothing written, nothing said.
  Export();
  EXPECT_EQ(dialogs.asked, std::vector<std::string>{"verilog " + work.path().string()});
  EXPECT_TRUE(Texts().empty());
  EXPECT_FALSE(fs::exists(work / "ha.v"));

  dialogs.files.push_back(work / "ha.v");
  Export();
  ASSERT_EQ(host.Messages().size(), 1u) << Texts()[0];
  EXPECT_EQ(host.Messages()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(Texts()[0],
            "Verilog に書き出しました。\n" + (work / "ha.v") + "\n" + (work / "ha_tb.v"));
  EXPECT_NE(FileText(work / "ha.v").find("module half_adder ("), std::string::npos);
  EXPECT_NE(FileText(work / "ha_tb.v").find("$dumpfile(\"ha_tb.vcd\")"), std::string::npos);
  EXPECT_EQ(FileText(work / "lumocad_cells.v"),
            FileText(fs::path(SystemFolder()) / "lumocad_cells.v"));
}

}  // namespace
}  // namespace lumo::testing
