#include "pattern/vcd_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/recording_message_host.h"
#include "pattern/pattern_errors.h"

namespace lumo {
namespace {

TEST(VcdWriter, ScalarsVectorsAndTheSettlingBeforeTimeZero) {
  RecordingMessageHost host;
  ErrorTable errors;
  RegisterPatternErrors(errors);
  Pat pattern(host, errors);
  std::istringstream input("a D 3 0 5 10 a5 20 x\na C 2 0 0 10 1\ne\n");
  ASSERT_TRUE(pattern.ReadInputPat(input));
  std::istringstream output("top.Q -3 x\ntop.Q -1 1\ntop.Q 15 0\nbus 12 1f0\n");
  ASSERT_TRUE(pattern.ReadOutputPat(output));

  std::ostringstream vcd;
  WriteVcd(pattern, "top", vcd);
  // D is 8 bits wide (a5), bus 12 (1f0); Q's changes before 0 give its
  // value at 0; the separator row is left out.
  EXPECT_EQ(vcd.str(),
            "$version LumoCAD $end\n$timescale 1ns $end\n$scope module top $end\n"
            "$var reg 8 ! D [7:0] $end\n$var reg 1 \" C $end\n"
            "$var wire 12 # bus [11:0] $end\n$var wire 1 $ Q $end\n"
            "$upscope $end\n$enddefinitions $end\n"
            "#0\n$dumpvars\nb00000101 !\n0\"\nbx #\n1$\n$end\n"
            "#10\nb10100101 !\n1\"\n#12\nb000111110000 #\n#15\n0$\n#20\nbx !\n");
  EXPECT_TRUE(host.Messages().empty());
}

TEST(VcdWriter, NamesThatAreNoPlainIdentifiersAreEscaped) {
  RecordingMessageHost host;
  ErrorTable errors;
  RegisterPatternErrors(errors);
  Pat pattern(host, errors);
  std::istringstream input(
      "a $end 1 0 1\na 4bit 1 0 0\na a.b 1 0 1\na C_1$ 1 0 0\na 和 1 0 0\ne\n");
  ASSERT_TRUE(pattern.ReadInputPat(input));
  std::ostringstream vcd;
  WriteVcd(pattern, "my top", vcd);
  // An escaped name runs from its backslash to the next blank; blanks,
  // which no escape can hold, become underscores. Names in UTF-8 stay as
  // the viewers show them.
  const std::string text = vcd.str();
  const std::string definitions = text.substr(0, text.find("$upscope"));
  EXPECT_EQ(definitions,
            "$version LumoCAD $end\n$timescale 1ns $end\n$scope module my_top $end\n"
            "$var reg 1 ! \\$end $end\n$var reg 1 \" \\4bit $end\n"
            "$var reg 1 # \\a.b $end\n$var reg 1 $ C_1$ $end\n$var reg 1 % 和 $end\n");
}

}  // namespace
}  // namespace lumo
