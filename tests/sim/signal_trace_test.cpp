// The trace of every signal change: what a run records into it, how the
// cap stops recording but not the run, its queries and its file form.

#include <gtest/gtest.h>

#include <sstream>

#include "pattern/vcd_writer.h"
#include "sim/signal_trace.h"
#include "sim/trace_vcd.h"
#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

using ::testing::ElementsAre;

// y = a AND (NOT a): when A rises the inverter's output falls one gate
// delay late, so Y is 1 from 11 to 12 when A rises at 10.
std::string HazardCircuit() {
  return CircuitText("c", {"A", "Y"},
                     {{"inv", "_not", {{"a", "A"}, {"y", "N"}}},
                      {"g", "_and2", {{"a", "A"}, {"b", "N"}, {"y", "Y"}}}});
}
constexpr const char* kHazardPattern = "a A 3 0 0 10 1 20 0\ne\n";

class SignalTraceTest : public SimulationTest {
 protected:
  std::string Output() const {
    std::ifstream in(Path("out.tmp"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(SignalTraceTest, TheGlitchOfAHazardIsRecordedAtItsTimesAndTheOutputIsUnchanged) {
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  const std::string untraced = Output();

  SignalTrace recorded;
  trace = &recorded;
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  EXPECT_EQ(Output(), untraced);  // recording writes nothing of its own
  EXPECT_FALSE(recorded.capped());

  const std::int32_t y = recorded.FindSignal("Y");
  const std::int32_t n = recorded.FindSignal("N");
  ASSERT_GE(y, 0);
  ASSERT_GE(n, 0);
  EXPECT_EQ(recorded.FindSignal("nothing"), SignalTrace::kNoSignal);
  // Y settles to 0 before time 0 and glitches once, when A rises; A's fall
  // at 20 makes no glitch (the inverter's output rises only after it).
  EXPECT_THAT(recorded.ChangeTimes(y), ElementsAre(-1, 11, 12));
  EXPECT_EQ(recorded.ValueAt(y, -5), "x");
  EXPECT_EQ(recorded.ValueAt(y, 10), "0");
  EXPECT_EQ(recorded.ValueAt(y, 11), "1");
  EXPECT_EQ(recorded.ValueAt(y, 12), "0");
  EXPECT_EQ(recorded.ValueAt(y, 1000), "0");
  EXPECT_THAT(recorded.ChangeTimes(n), ElementsAre(-1, 11, 21));

  // Stepping through Y's changes visits each in order, both ways.
  std::vector<std::int32_t> forward, backward;
  for (std::int32_t at = INT32_MIN; recorded.NextChange(static_cast<std::uint32_t>(y), at, at);)
    forward.push_back(at);
  for (std::int32_t at = INT32_MAX; recorded.PreviousChange(static_cast<std::uint32_t>(y), at, at);)
    backward.push_back(at);
  EXPECT_THAT(forward, ElementsAre(-1, 11, 12));
  EXPECT_THAT(backward, ElementsAre(12, 11, -1));
  // Of any signal: A's changes at 0, 10 and 20 come in between.
  std::int32_t at = 0;
  ASSERT_TRUE(recorded.NextChange(0, at));
  EXPECT_EQ(at, 10);
  ASSERT_TRUE(recorded.NextChange(12, at));
  EXPECT_EQ(at, 20);
  ASSERT_TRUE(recorded.PreviousChange(11, at));
  EXPECT_EQ(at, 10);
  EXPECT_FALSE(recorded.NextChange(21, at));
}

TEST_F(SignalTraceTest, TheCapStopsRecordingButNotTheRun) {
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  const std::string untraced = Output();
  SignalTrace small(4);
  trace = &small;
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Output(), untraced);
  EXPECT_TRUE(small.capped());
  EXPECT_EQ(small.changes().size(), 4u);
  // Known only before the last change kept; the whole run is known without
  // a cap.
  const std::int32_t last = small.changes().back().time;
  EXPECT_TRUE(small.Complete(last - 1));
  EXPECT_FALSE(small.Complete(last));
  EXPECT_FALSE(small.Complete(1000));
  EXPECT_NE(TraceCapNotice(small.cap()).find("4"), std::string::npos);
}

TEST_F(SignalTraceTest, TheFileFormReadsBackWholeAndRefusesDamage) {
  SignalTrace recorded;
  trace = &recorded;
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  std::ostringstream out;
  ASSERT_TRUE(recorded.Write(out));
  const std::string bytes = out.str();
  EXPECT_EQ(bytes.rfind("LumoTrace 1\n", 0), 0u);

  std::istringstream in(bytes);
  SignalTrace back;
  ASSERT_TRUE(back.Read(in));
  EXPECT_EQ(back.signal_names(), recorded.signal_names());
  ASSERT_EQ(back.changes().size(), recorded.changes().size());
  for (std::size_t i = 0; i < back.changes().size(); ++i) {
    EXPECT_EQ(back.changes()[i].time, recorded.changes()[i].time);
    EXPECT_EQ(back.Text(back.changes()[i].value), recorded.Text(recorded.changes()[i].value));
  }
  EXPECT_EQ(back.ValueAt(static_cast<std::uint32_t>(back.FindSignal("Y")), 11), "1");

  // Every cut, a wrong version word, a change naming a signal that is not
  // there, and bytes after the end are refused, and leave the trace empty.
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    std::istringstream cut(bytes.substr(0, length));
    EXPECT_FALSE(back.Read(cut)) << length;
  }
  EXPECT_EQ(back.changes().size(), 0u);
  std::string damaged = bytes;
  damaged[10] = '2';
  std::istringstream version(damaged);
  EXPECT_FALSE(back.Read(version));
  damaged = bytes;
  damaged[damaged.size() - 8] = '\x7f';  // the last change's signal
  std::istringstream signal(damaged);
  EXPECT_FALSE(back.Read(signal));
  std::istringstream longer(bytes + "x");
  EXPECT_FALSE(back.Read(longer));
}

TEST_F(SignalTraceTest, TheDumpHoldsEverySignalWithItsGlitch) {
  SignalTrace recorded;
  trace = &recorded;
  ASSERT_TRUE(Run(HazardCircuit(), kHazardPattern)) << messages.OnlyText();
  std::ostringstream vcd;
  WriteTraceVcd(recorded, "c", vcd);
  const std::string text = vcd.str();
  for (const char* name : {" A $end", " N $end", " Y $end"})
    EXPECT_NE(text.find(name), std::string::npos) << name;
  // Y's identifier, then its values at 11 and 12 in their time blocks.
  const std::size_t y = static_cast<std::size_t>(recorded.FindSignal("Y"));
  const std::string id = VcdIdentifier(y);
  const std::size_t at11 = text.find("#11\n");
  const std::size_t at12 = text.find("#12\n");
  ASSERT_NE(at11, std::string::npos);
  ASSERT_NE(at12, std::string::npos);
  EXPECT_NE(text.find("1" + id + "\n", at11), std::string::npos);
  EXPECT_LT(text.find("1" + id + "\n", at11), at12);
  EXPECT_NE(text.find("0" + id + "\n", at12), std::string::npos);
}

}  // namespace
}  // namespace lumo::testing
