// The change mark of a schematic: every edit counts, a save or a read
// records where the file stands.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

// Two gates, a line between them and a line with a free end.
constexpr const char* kFile =
    "(top)\n"
    "(10 20 U1 _and2 0 p \n"
    "  (\n"
    "  (22 20 y 2 p )\n"
    "  ))\n"
    "()\n"
    "(22 20 40 20 t c a )\n"
    "(40 20 40 60 c c b )\n"
    "()\n"
    "()\n";

class DrawGeneration : public SchematicTest {
 protected:
  void SetUp() override {
    WriteText(path, kFile);
    ASSERT_EQ(draw.Read(path), DrawReadResult::kRead);
  }
  DrawLine& Line(const std::string& name) {
    for (DrawLine& line : draw.lines())
      if (line.name() == name) return line;
    throw std::logic_error("no line " + name);
  }

  TemporaryFolder folder;
  std::string path = folder / "top.ldr";
};

TEST_F(DrawGeneration, EveryEditOfTheRecordsMarksTheSchematicChanged) {
  using Edit = std::function<void(Draw&)>;
  const std::pair<const char*, Edit> edits[] = {
      {"place", [&](Draw& d) { d.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p'); }},
      {"line", [](Draw& d) { d.AddLine(0, 0, 0, 40); }},
      {"delete element", [](Draw& d) { d.DeleteElement(*d.first_element()); }},
      {"delete line", [&](Draw& d) { d.DeleteLine(Line("b")); }},
      {"flip", [](Draw& d) { d.FlipPolarity(*d.first_element()); }},
      {"move element", [](Draw& d) { d.MoveElement(*d.first_element(), 50, 50); }},
      {"move junction", [](Draw& d) { d.MoveJunction(*d.first_junction(), 48, 48); }},
      {"move line", [&](Draw& d) { d.MoveLine(Line("b"), 8, 0); }},
      {"element to front", [](Draw& d) { d.BringToFront(*d.first_element()); }},
      {"line to front", [&](Draw& d) { d.BringToFront(Line("a")); }},
      {"junction to front", [](Draw& d) { d.BringToFront(*d.first_junction()); }},
      {"attach",
       [&](Draw& d) { d.AttachToTerminal(Line("b"), LineEnd::kEnd, *d.first_terminal()); }},
      {"name element", [](Draw& d) { d.Rename(*d.first_element(), "U2"); }},
      {"name line", [&](Draw& d) { d.Rename(Line("a"), "clk"); }},
  };
  for (const auto& [what, edit] : edits) {
    draw.Clear();
    ASSERT_EQ(draw.Read(path), DrawReadResult::kRead);
    ASSERT_FALSE(draw.Modified()) << what;
    const std::uint64_t before = draw.generation();
    edit(draw);
    EXPECT_TRUE(draw.Modified()) << what;
    EXPECT_GT(draw.generation(), before) << what;
  }
}

TEST_F(DrawGeneration, OnlyASuccessfulSaveOrAReadClearsTheMark) {
  // Giving a name it already has, or binding the symbols again, changes
  // nothing of the file.
  draw.Rename(*draw.first_element(), "U1");
  draw.Rename(Line("a"), "a");
  draw.RebindSymbols();
  EXPECT_FALSE(draw.Modified());

  draw.FlipPolarity(*draw.first_element());
  EXPECT_EQ(draw.Save(folder / "no/such/folder/top.ldr"), DrawSaveResult::kNotWritten);
  EXPECT_TRUE(draw.Modified());
  EXPECT_EQ(draw.Save(path), DrawSaveResult::kSaved);
  EXPECT_FALSE(draw.Modified());

  draw.AddLine(0, 0, 0, 40);
  draw.Clear();
  EXPECT_FALSE(draw.Modified());  // a new, empty schematic
  draw.AddLine(0, 0, 0, 40);
  EXPECT_TRUE(draw.Modified());
  draw.Clear();
  EXPECT_EQ(draw.Read(folder / "missing.ldr"), DrawReadResult::kCreated);
  EXPECT_FALSE(draw.Modified());
}

}  // namespace
}  // namespace lumo::testing
