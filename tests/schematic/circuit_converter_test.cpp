#include <gtest/gtest.h>

#include <string>

#include "circuit/circuit_store.h"
#include "schematic/circuit_converter.h"
#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

// A half adder: pins A, B on two nets each reaching both gates, a named
// carry, an unnamed sum, and a dangling line that reaches no terminal.
constexpr const char* kHalfAdder =
    "(ha)\n"
    "(0 0 A _in 0 p ((0 0 y 2 p)))\n"
    "(0 40 B _in 0 p ((0 40 y 2 p)))\n"
    "(100 20 ? _and2 0 p ((84 16 a 0 p) (84 24 b 0 p) (112 20 y 2 p)))\n"
    "(100 80 X1 _exor2 0 p ((84 76 a 0 p) (84 84 b 0 p) (112 80 y 2 p)))\n"
    "(200 20 C _out 0 p ((200 20 a 0 p)))\n"
    "(200 80 S _out 0 p ((200 80 a 0 p)))\n"
    "()\n"
    "(0 0 84 16 c t ? )\n"
    "(0 0 84 76 c t ? )\n"
    "(0 40 84 24 c t ? )\n"
    "(0 40 84 84 c t ? )\n"
    "(112 20 200 20 t t carry )\n"
    "(112 80 200 80 t t ? )\n"
    "(500 500 600 600 c c ? )\n"
    "()\n"
    "()\n";

class Converter : public SchematicTest {
 protected:
  // Converts `schematic` (file text); the circuit file's text, or "" when
  // none was written.
  std::string Convert(const std::string& schematic) {
    WriteText(folder.path() / "in.ldr", schematic);
    fs::remove(folder.path() / "out.lcr");
    CircuitConverter converter(store, host, errors, folder.path().string());
    converted = converter.Convert(folder / "in.ldr", folder / "out.lcr");
    counts = converter.counts();
    store.Clear();
    return converted ? FileText(folder.path() / "out.lcr") : std::string();
  }

  // A schematic of the given pins, elements and lines (element and line
  // expressions as written in the file).
  static std::string Schematic(const std::string& elements, const std::string& lines,
                               const std::string& name = "top") {
    return "(" + name + ")\n" + elements + "()\n" + lines + "()\n()\n";
  }

  TemporaryFolder folder;
  CircuitStore store;
  bool converted = false;
  ConversionCounts counts;
};

TEST_F(Converter, AHalfAdder) {
  EXPECT_EQ(Convert(kHalfAdder),
            "(ha)\n"
            "  (*e0 _and2) (X1 _exor2) (ha ha) ()\n"
            "  (*s0) (*s1) (carry) (*s2) ()\n"
            "  (*e0 a *s0) (*e0 b *s1) (*e0 y carry) (X1 a *s0) (X1 b *s1)\n"
            "  (X1 y *s2) (ha A *s0) (ha B *s1) (ha C carry) (ha S *s2)\n"
            "  ()\n");
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(counts.elements, 6u);
  EXPECT_EQ(counts.lines, 7u);
  EXPECT_EQ(counts.nets, 5u);
  EXPECT_EQ(counts.signals, 4u);
  // The intermediate files stay in the working folder: the flattened
  // schematic, and the circuit before its empty signals went.
  EXPECT_EQ(FileText(folder.path() / "LumoDraw.tmp"),
            "(ha\n"
            "((0 0 A _in 0 p ((0 0 y 2 p)))\n"
            "(0 40 B _in 0 p ((0 40 y 2 p)))\n"
            "(100 20 ? _and2 0 p ((84 16 a 0 p)(84 24 b 0 p)(112 20 y 2 p)))\n"
            "(100 80 X1 _exor2 0 p ((84 76 a 0 p)(84 84 b 0 p)(112 80 y 2 p)))\n"
            "(200 20 C _out 0 p ((200 20 a 0 p)))\n"
            "(200 80 S _out 0 p ((200 80 a 0 p)))\n"
            ")((0 0 84 16 c t ?)\n"
            "(0 0 84 76 c t ?)\n"
            "(0 40 84 24 c t ?)\n"
            "(0 40 84 84 c t ?)\n"
            "(112 20 200 20 t t carry)\n"
            "(112 80 200 80 t t ?)\n"
            "(500 500 600 600 c c ?)\n"
            ")\n"
            ")");
  EXPECT_EQ(FileText(folder.path() / "LumoCir.tmp"),
            "(ha)\n"
            "  (ha ha) (X1 _exor2) (*e0 _and2) ()\n"
            "  (*s3) (*s2) (carry) (*s1) (*s0) ()\n"
            "  (ha A *s0) (ha B *s1) (ha C carry) (ha S *s2) (X1 a *s0)\n"
            "  (X1 b *s1) (X1 y *s2) (*e0 a *s0) (*e0 b *s1) (*e0 y carry)\n"
            "  ()\n");
}

TEST_F(Converter, LinesConnectOnlyEndToEnd) {
  // Two lines meeting on the middle of a third form a net of their own, and
  // terminals lying on each other without a line are not connected.
  const std::string elements =
      "(0 0 P _in 0 p ((0 0 y 2 p)))\n"
      "(50 -20 Q _in 0 p ((50 -20 y 2 p)))\n"
      "(100 0 R _out 0 p ((100 0 a 0 p)))\n"
      "(50 20 T _out 0 p ((50 20 a 0 p)))\n"
      "(300 0 U _in 0 p ((300 0 y 2 p)))\n"
      "(300 0 V _out 0 p ((300 0 a 0 p)))\n";
  EXPECT_EQ(Convert(Schematic(elements,
                              "(0 0 100 0 c c ? )\n"
                              "(50 -20 50 0 c c ? )\n"
                              "(50 0 50 20 c c ? )\n")),
            "(top)\n"
            "  (top top) ()\n"
            "  (*s0) (*s1) ()\n"
            "  (top P *s0) (top Q *s1) (top R *s0) (top T *s1) (top U ())\n"
            "  (top V ()) ()\n");
  // A line drawn between two nets joins them; its user name names them all.
  EXPECT_EQ(Convert(Schematic(elements,
                              "(0 0 100 0 c c ? )\n"
                              "(50 -20 50 0 c c ? )\n"
                              "(50 0 50 20 c c n )\n"
                              "(100 0 50 0 c c ? )\n")),
            "(top)\n"
            "  (top top) ()\n"
            "  (n) ()\n"
            "  (top P n) (top Q n) (top R n) (top T n) (top U ()) (top V ())\n"
            "  ()\n");
}

TEST_F(Converter, ClashingLineNamesStopWithBothNames) {
  const std::string pins = "(0 0 P _in 0 p ((0 0 y 2 p)))\n";
  // The bridging line is appended after the first net's lines, then the
  // second net's lines follow: p, then the bridge, then q.
  EXPECT_EQ(Convert(Schematic(pins,
                              "(0 0 10 0 c c p )\n"
                              "(100 0 110 0 c c q )\n"
                              "(10 0 100 0 c c ? )\n")),
            "");
  EXPECT_EQ(host.OnlyText(), "同一の信号線に異なる名前が付けられています。\np,  q");
  EXPECT_FALSE(fs::exists(folder.path() / "out.lcr"));
}

TEST_F(Converter, GeneratedNamesCountNetsInSlotOrderAndElementsInFileOrder) {
  std::string elements;
  std::string lines;
  for (int i = 0; i < 3; ++i) {
    const std::string x = std::to_string(100 * i);
    elements += "(" + x + " 0 ? _not 0 p ((" + x + " 0 a 0 p)))\n";
    lines += "(" + x + " 0 " + x + " 40 c t ? )\n";
  }
  EXPECT_EQ(Convert(Schematic(elements, lines)),
            "(top)\n"
            "  (*e0 _not) (*e1 _not) (*e2 _not) (top top) ()\n"
            "  (*s0) (*s1) (*s2) ()\n"
            "  (*e0 a *s0) (*e1 a *s1) (*e2 a *s2) ()\n");
}

TEST_F(Converter, ManyMoreNetsThanTheOldTableHeld) {
  std::string elements;
  std::string lines;
  for (int i = 0; i < 1200; ++i) {
    const std::string x = std::to_string(8 * i);
    elements += "(" + x + " 0 ? _not 0 p ((" + x + " 0 a 0 p)))\n";
    lines += "(" + x + " 0 " + x + " 40 c t ? )\n";
  }
  const std::string circuit = Convert(Schematic(elements, lines));
  ASSERT_TRUE(converted) << host.OnlyText();
  EXPECT_EQ(counts.nets, 1200u);
  EXPECT_EQ(counts.signals, 1200u);
  EXPECT_NE(circuit.find("(*e1199 a *s1199)"), std::string::npos);
}

TEST_F(Converter, PinChecks) {
  // An unnamed pin stops the conversion; an older circuit file stays.
  WriteText(folder.path() / "out.lcr", "(old)\n  ()\n  ()\n  ()\n");
  WriteText(folder.path() / "in.ldr", Schematic("(0 0 ? _out 0 p ((0 0 a 0 p)))\n", ""));
  CircuitConverter converter(store, host, errors, folder.path().string());
  EXPECT_FALSE(converter.Convert(folder / "in.ldr", folder / "out.lcr"));
  EXPECT_EQ(host.OnlyText(), "入出力端子に名前が付けられていません。");
  EXPECT_EQ(FileText(folder.path() / "out.lcr"), "(old)\n  ()\n  ()\n  ()\n");
  store.Clear();

  host.Clear();
  Convert(Schematic("(0 0 A _in 0 p ((0 0 y 2 p)))\n(0 40 A _io 0 p ((0 40 y 2 p)))\n", ""));
  EXPECT_FALSE(converted);
  EXPECT_EQ(host.OnlyText(), "２つの入出力端子に同じ名前 A が付けられています。\n");

  // Names too long for the old 100-byte message area are shown whole.
  host.Clear();
  const std::string long_name(99, 'g');
  Convert(
      Schematic("(0 0 " + long_name + " _not 0 p ())\n(0 40 " + long_name + " _not 0 p ())\n", ""));
  EXPECT_EQ(host.OnlyText(), "２つの素子に同じ名前 " + long_name + " が付けられています。\n");

  // The element standing for the pins counts too.
  host.Clear();
  Convert(Schematic("(0 0 top _not 0 p ())\n", ""));
  EXPECT_EQ(host.OnlyText(), "２つの素子に同じ名前 top が付けられています。\n");

  host.Clear();
  Convert(Schematic("", "", "?"));
  EXPECT_EQ(host.OnlyText(), "回路図ファイルに回路名がありません。");
  host.Clear();
  Convert(Schematic("", "", "\"\""));
  EXPECT_EQ(host.OnlyText(), "回路図ファイルに回路名がありません。");
}

TEST_F(Converter, NamesThatWouldBreakTheRunAreRefused) {
  // Output lines are split at blanks, so a blank in a pin or circuit name
  // loses every output; names starting with * are the converter's own.
  const std::string pin = "(0 0 A _in 0 p ((0 0 y 2 p)))\n";
  const struct {
    std::string schematic;
    std::string message;
  } cases[] = {
      {Schematic("(0 0 \"S T\" _out 0 p ((0 0 a 0 p)))\n", ""),
       "入出力端子の名前「S T」に空白があります。\n空白のない名前を付けてください。"},
      {Schematic("(0 0 \"A\tB\" _io 0 p ((0 0 y 2 p)))\n", ""),
       "入出力端子の名前「A\tB」に空白があります。\n空白のない名前を付けてください。"},
      {Schematic(pin, "", "\"my top\""),
       "回路名「my top」に空白があります。\n空白のないファイル名で保存してください。"},
      {Schematic(pin + "(40 0 *e0 _not 0 p ((28 0 a 0 p)))\n", ""),
       "素子の名前「*e0」は * で始まっています。\n* で始まる名前は使えません。"},
      {Schematic(pin, "(0 0 28 0 c c *s0 )\n"),
       "信号線の名前「*s0」は * で始まっています。\n* で始まる名前は使えません。"},
      {Schematic("(0 0 *A _in 0 p ((0 0 y 2 p)))\n", ""),
       "入出力端子の名前「*A」は * で始まっています。\n* で始まる名前は使えません。"},
  };
  for (const auto& [schematic, message] : cases) {
    host.Clear();
    Convert(schematic);
    EXPECT_FALSE(converted) << message;
    EXPECT_EQ(host.OnlyText(), message);
  }
  // A * inside a name is no clash.
  host.Clear();
  Convert(Schematic(pin + "(40 0 a*b _not 0 p ((28 0 a 0 p)))\n", "(0 0 28 0 c t n* )\n"));
  EXPECT_TRUE(converted) << host.OnlyText();
}

TEST_F(Converter, FilesThatCannotBeReadOrWritten) {
  CircuitConverter converter(store, host, errors, folder.path().string());
  EXPECT_FALSE(converter.Convert(folder / "missing.ldr", folder / "out.lcr"));
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, kConvertRead, folder / "missing.ldr"));

  host.Clear();
  WriteText(folder.path() / "in.ldr", kHalfAdder);
  CircuitConverter nowhere(store, host, errors, (folder.path() / "no" / "such").string());
  EXPECT_FALSE(nowhere.Convert(folder / "in.ldr", folder / "out.lcr"));
  EXPECT_EQ(host.OnlyText(),
            ErrorText(errors, kConvertWrite, (folder.path() / "no/such/LumoDraw.tmp").string()));

  host.Clear();
  Convert("(top)\n(0 0 U1 _not 0 p ((x 0 a 0 p)))\n()\n()\n()\n");
  EXPECT_FALSE(converted);
  // Read errors name the file of the step.
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, "ListPosition::Long",
                                       "p = x\n" + (folder.path() / "LumoDraw.tmp").string()));

  // A name no writer could give back never reaches LumoDraw.tmp.
  host.Clear();
  fs::remove(folder.path() / "LumoDraw.tmp");
  Convert("(top)\n(0 0 4b\" _not 0 p ())\n()\n()\n()\n");
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, kWriteCircuitName, "4b\""));
  EXPECT_FALSE(fs::exists(folder.path() / "LumoDraw.tmp"));

  host.Clear();
  Convert("(top)\n(0 0 U1 _not 0 p (");
  EXPECT_EQ(host.OnlyText(),
            ErrorText(errors, "List::Read f",
                      "(0 0 U1 _not 0 p (\n" + (folder.path() / "in.ldr").string()));
}

}  // namespace
}  // namespace lumo::testing
