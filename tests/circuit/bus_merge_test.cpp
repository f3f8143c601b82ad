#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "circuit/bus_merge.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "circuit/signal_merge_log.h"

namespace lumo {
namespace {

class BusMerge : public ::testing::Test {
 protected:
  // Reads `text`, merges its buses and writes it back.
  std::string Merged(const std::string& text, std::size_t expected_merges,
                     SignalMergeLog* log = nullptr) {
    std::istringstream in(text);
    Circuit* circuit = ReadCircuit(store_, in);
    EXPECT_NE(circuit, nullptr);
    if (circuit == nullptr) return {};
    EXPECT_EQ(MergeBusLines(*circuit, counter_, log), expected_merges);
    if (log != nullptr) {
      // Every name that went ends on a signal of the result, or on a bus
      // merged after it.
      std::set<std::string> live, buses;
      for (const Signal& signal : circuit->signals())
        live.insert(signal.name());
      for (const SignalMergeLog::Bus& bus : log->FinalBuses())
        buses.insert(bus.name);
      for (const SignalMergeLog::Bus& bus : log->FinalBuses()) {
        for (const std::string& wire : bus.wires)
          EXPECT_TRUE(live.count(wire) || buses.count(wire)) << bus.name << ": " << wire;
      }
      for (const auto& [name, final_name] : log->FinalNames()) {
        EXPECT_FALSE(live.count(name)) << name;
        EXPECT_TRUE(live.count(final_name) || buses.count(final_name)) << name << " " << final_name;
      }
    }
    std::ostringstream out;
    WriteCircuit(*circuit, out);
    return out.str();
  }

  CircuitStore store_;
  BusSignalCounter counter_;
};

TEST_F(BusMerge, EachWireTakesAUserNameItMeetsOrKeepsItsNumber) {
  // The bus lists B2's "y" first, so B2's pins give the wires: a is *ms0, b
  // is *ms1. Wire a meets %q0 and then p0 and ends up named p0; wire b meets
  // only generated names and stays *ms1.
  EXPECT_EQ(Merged("(top)\n"
                   "  (top top) (B1 _line2) (B2 _line2) (d _not) (e _not) ()\n"
                   "  (bus) (p0) (*s5) (%q0) (*s3) (*s4) ()\n"
                   "  (top p p0) (top q *s5) (B1 a p0) (B1 b *s5) (B1 y bus) (B2 a %q0)\n"
                   "  (B2 b *s3) (B2 y bus) (d a *s4) (d y p0) (e a %q0) (e y *s3) ()\n",
                   1),
            "(top)\n"
            "  (e _not) (d _not) (top top) ()\n"
            "  (*ms1) (p0) (*s4) ()\n"
            "  (e a p0) (e y *ms1) (d a *s4) (d y p0) (top p p0) (top q *ms1)\n"
            "  ()\n");
  EXPECT_EQ(counter_.next(), 2u);
}

TEST_F(BusMerge, AWireMeetingItsOwnSignalKeepsIt) {
  // Both a pins lie on n: after B2 the wire holds B1's a pin already.
  EXPECT_EQ(Merged("(top)\n"
                   "  (top top) (B1 _line2) (B2 _line2) (k _not) ()\n"
                   "  (bus) (n) (m1) (m2) ()\n"
                   "  (top o n) (B1 a n) (B1 b m1) (B1 y bus) (B2 a n) (B2 b m2) (B2 y bus)\n"
                   "  (k a m1) (k y m2) ()\n",
                   1),
            "(top)\n"
            "  (k _not) (top top) ()\n"
            "  (m1) (n) ()\n"
            "  (k a m1) (k y m1) (top o n) ()\n");
}

TEST_F(BusMerge, CrossedWiresBecomeOneSignal) {
  // B2 puts x on wire b and y on wire a; B1 then joins x to wire a and y to
  // wire b, so both wires are one net.
  EXPECT_EQ(Merged("(top)\n"
                   "  (top top) (B1 _line2) (B2 _line2) ()\n"
                   "  (bus) (x) (y) ()\n"
                   "  (top p x) (top q y) (B1 a x) (B1 b y) (B1 y bus) (B2 a y) (B2 b x)\n"
                   "  (B2 y bus) ()\n",
                   1),
            "(top)\n"
            "  (top top) ()\n"
            "  (x) ()\n"
            "  (top p x) (top q x) ()\n");
}

TEST_F(BusMerge, AWireThatTurnsIntoABusIsMergedInTurn) {
  // The wire made of s and t then holds only the "y" pins of C1 and C2; the
  // wire made of u1 and u2 keeps nothing but its name.
  EXPECT_EQ(Merged("(top)\n"
                   "  (top top) (A1 _line2) (A2 _line2) (C1 _line2) (C2 _line2) ()\n"
                   "  (bus) (s) (t) (u1) (u2) (p) (q) (p2) (q2) ()\n"
                   "  (top p p) (top r q2) (A1 a s) (A1 b u1) (A1 y bus) (A2 a t) (A2 b u2)\n"
                   "  (A2 y bus) (C1 a p) (C1 b q) (C1 y s) (C2 a p2) (C2 b q2) (C2 y t) ()\n",
                   2),
            "(top)\n"
            "  (top top) ()\n"
            "  (q2) (p2) (u1) ()\n"
            "  (top p p2) (top r q2) ()\n");
  EXPECT_EQ(counter_.next(), 4u);
}

TEST_F(BusMerge, OnlySignalsOfYPinsOfOneLineFunctionAreBuses) {
  const char* kept[] = {
      // a pin other than y
      "(top)\n  (B _line2) (g _not) ()\n  (bus) ()\n  (B y bus) (g a bus) ()\n",
      // two bus functions
      "(top)\n  (B _line2) (C _line3) ()\n  (bus) ()\n  (B y bus) (C y bus) ()\n",
      // not a _line function, or too short a name
      "(top)\n  (B _lin) (C _linx) ()\n  (s) (t) ()\n  (B y s) (C y t) ()\n",
      // no terminals at all
      "(top)\n  ()\n  (bus) ()\n  ()\n",
  };
  for (const char* text : kept) {
    SCOPED_TRACE(text);
    std::istringstream in(text);
    Circuit* circuit = ReadCircuit(store_, in);
    ASSERT_NE(circuit, nullptr);
    const std::size_t signals = circuit->signal_count();
    EXPECT_EQ(MergeBusLines(*circuit, counter_), 0u);
    EXPECT_EQ(circuit->signal_count(), signals);
  }
  // "_linex" is a bus function as far as the name goes; its unconnected pin
  // keeps its wire's place.
  EXPECT_EQ(Merged("(top)\n  (B _linex) ()\n  (bus) (s) ()\n  (B a ()) (B b s) (B y bus) ()\n", 1),
            "(top)\n  ()\n  (s) (*ms0) ()\n  ()\n");
}

// The log lets a name given before the merge be found afterwards: followed
// through every rename, and through a bus that is itself a wire of another.
TEST_F(BusMerge, TheLogFollowsEveryNameToWhereItEnded) {
  SignalMergeLog first;
  Merged(
      "(top)\n"
      "  (top top) (B1 _line2) (B2 _line2) (d _not) (e _not) ()\n"
      "  (bus) (p0) (*s5) (%q0) (*s3) (*s4) ()\n"
      "  (top p p0) (top q *s5) (B1 a p0) (B1 b *s5) (B1 y bus) (B2 a %q0)\n"
      "  (B2 b *s3) (B2 y bus) (d a *s4) (d y p0) (e a %q0) (e y *s3) ()\n",
      1, &first);
  EXPECT_EQ(first.FinalName("%q0"), "p0");
  EXPECT_EQ(first.FinalName("*ms0"), "p0");
  EXPECT_EQ(first.FinalName("*s5"), "*ms1");
  EXPECT_EQ(first.FinalName("*s3"), "*ms1");
  EXPECT_EQ(first.FinalName("*s4"), "*s4");
  ASSERT_EQ(first.FinalBuses().size(), 1u);
  EXPECT_EQ(first.FinalBuses()[0].name, "bus");
  EXPECT_EQ(first.FinalBuses()[0].wires, (std::vector<std::string>{"p0", "*ms1"}));

  // Crossed wires: both positions end on one signal.
  SignalMergeLog crossed;
  Merged(
      "(top)\n"
      "  (top top) (B1 _line2) (B2 _line2) ()\n"
      "  (bus) (x) (y) ()\n"
      "  (top p x) (top q y) (B1 a x) (B1 b y) (B1 y bus) (B2 a y) (B2 b x)\n"
      "  (B2 y bus) ()\n",
      1, &crossed);
  EXPECT_EQ(crossed.FinalName("y"), "x");
  EXPECT_EQ(crossed.FinalBuses()[0].wires, (std::vector<std::string>{"x", "x"}));

  // The wire made of s and t becomes the bus s, merged second.
  SignalMergeLog nested;
  Merged(
      "(top)\n"
      "  (top top) (A1 _line2) (A2 _line2) (C1 _line2) (C2 _line2) ()\n"
      "  (bus) (s) (t) (u1) (u2) (p) (q) (p2) (q2) ()\n"
      "  (top p p) (top r q2) (A1 a s) (A1 b u1) (A1 y bus) (A2 a t) (A2 b u2)\n"
      "  (A2 y bus) (C1 a p) (C1 b q) (C1 y s) (C2 a p2) (C2 b q2) (C2 y t) ()\n",
      2, &nested);
  ASSERT_EQ(nested.FinalBuses().size(), 2u);
  EXPECT_EQ(nested.FinalBuses()[0].wires, (std::vector<std::string>{"s", "u1"}));
  EXPECT_EQ(nested.FinalBuses()[1].name, "s");
  EXPECT_EQ(nested.FinalBuses()[1].wires, (std::vector<std::string>{"p2", "q2"}));
  EXPECT_EQ(nested.FinalName("t"), "s");
  EXPECT_EQ(nested.FinalName("q"), "q2");
}

}  // namespace
}  // namespace lumo
