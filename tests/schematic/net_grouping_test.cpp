// The net grouping against the slot algorithm it replaces: groups kept in
// slots without gaps, every line compared with every line of every group.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "schematic/circuit_converter.h"
#include "schematic/net_grouping.h"
#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

using Groups = std::vector<std::vector<std::size_t>>;

bool Touch(const NetLine& a, const NetLine& b) {
  const auto same = [](int x1, int y1, int x2, int y2) { return x1 == x2 && y1 == y2; };
  return same(a.x1, a.y1, b.x1, b.y1) || same(a.x1, a.y1, b.x2, b.y2) ||
         same(a.x2, a.y2, b.x1, b.y1) || same(a.x2, a.y2, b.x2, b.y2);
}

// The slot algorithm as it was: for each line the first touching group in
// slot order, then a second one after it; the line goes to the first, the
// second's lines follow, and the later slots move down.
Groups SlotGroups(const std::vector<NetLine>& lines, int* joins = nullptr) {
  Groups slots;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const auto touches = [&](const std::vector<std::size_t>& group) {
      for (std::size_t other : group)
        if (Touch(lines[line], lines[other])) return true;
      return false;
    };
    std::size_t i = 0;
    while (i < slots.size() && !touches(slots[i]))
      ++i;
    if (i == slots.size()) {
      slots.push_back({line});
      continue;
    }
    std::size_t j = i + 1;
    while (j < slots.size() && !touches(slots[j]))
      ++j;
    slots[i].push_back(line);
    if (j < slots.size()) {
      if (joins != nullptr) ++*joins;
      slots[i].insert(slots[i].end(), slots[j].begin(), slots[j].end());
      slots.erase(slots.begin() + j);
    }
  }
  return slots;
}

// The first group, in slot order, with a line ending at the point.
int SlotGroupAt(const Groups& groups, const std::vector<NetLine>& lines, int x, int y) {
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (std::size_t line : groups[g])
      if ((lines[line].x1 == x && lines[line].y1 == y) ||
          (lines[line].x2 == x && lines[line].y2 == y))
        return static_cast<int>(g);
  return -1;
}

std::vector<NetLine> RandomLines(std::mt19937& random, int count, int span) {
  std::uniform_int_distribution<int> coordinate(0, span);
  std::uniform_int_distribution<int> roll(0, 19);
  std::vector<NetLine> lines;
  for (int i = 0; i < count; ++i) {
    NetLine line{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
    if (roll(random) == 0) line.x2 = line.x1, line.y2 = line.y1;                     // zero length
    if (roll(random) == 0 && !lines.empty()) line = lines[random() % lines.size()];  // again
    lines.push_back(line);
  }
  return lines;
}

TEST(NetGrouping, GivesTheSlotAlgorithmsGroupsInItsOrder) {
  std::mt19937 random(2024);
  int joins = 0;
  for (int round = 0; round < 4000; ++round) {
    // Few points (many joins) to many points (many small groups).
    const int span = 2 + round % 12;
    const std::vector<NetLine> lines = RandomLines(random, 1 + round % 70, span);
    const Groups expected = SlotGroups(lines, &joins);
    const NetGrouping nets(lines);
    ASSERT_EQ(nets.group_count(), expected.size()) << "round " << round;
    for (std::size_t g = 0; g < expected.size(); ++g) {
      const auto group = nets.Group(g);
      ASSERT_EQ(std::vector<std::size_t>(group.begin(), group.end()), expected[g])
          << "round " << round << " group " << g;
    }
    for (int x = -1; x <= span + 1; ++x)
      for (int y = -1; y <= span + 1; ++y)
        ASSERT_EQ(nets.GroupAt(x, y), SlotGroupAt(expected, lines, x, y))
            << "round " << round << " at " << x << "," << y;
  }
  // The rounds joined groups often (the case that reorders lines).
  EXPECT_GT(joins, 10000);
}

// Whole conversions of random schematics: the signal every terminal lies
// on, the order of the signals, the generated names and the messages are
// those the slot algorithm gives.
class RandomConversions : public SchematicTest {
 protected:
  struct Pin {
    std::string element;
    std::string terminal;
    int x, y;
  };

  TemporaryFolder folder;
  CircuitStore store;
};

TEST_F(RandomConversions, MatchTheSlotAlgorithm) {
  std::mt19937 random(77);
  const char* pool[] = {"n1", "n2", "n3", "n4"};
  int refused = 0;
  int accepted = 0;
  for (int round = 0; round < 600; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const int span = 3 + round % 9;
    std::uniform_int_distribution<int> coordinate(0, span);
    std::uniform_int_distribution<int> roll(0, 99);
    const std::vector<NetLine> lines = RandomLines(random, 1 + round % 40, span);
    std::vector<std::string> line_names;
    // Names are rare enough that most schematics convert.
    const int naming = round % 3 == 0 ? 25 : 4;
    for (std::size_t i = 0; i < lines.size(); ++i)
      line_names.push_back(roll(random) < naming ? pool[roll(random) % 4] : "?");

    std::string schematic = "(top)\n";
    std::vector<Pin> pins;
    int unnamed = 0;
    const int elements = 1 + roll(random) % 6;
    for (int e = 0; e < elements; ++e) {
      const bool pin = roll(random) < 30;
      const bool named = pin || roll(random) < 50;
      const std::string label = named ? (pin ? "P" : "U") + std::to_string(e) : "?";
      const std::string name = named ? label : "*e" + std::to_string(unnamed++);
      schematic += "(0 0 " + label + " " + (pin ? "_in" : "_and2") + " 0 p (";
      for (const char* terminal :
           pin ? std::vector<const char*>{"y"} : std::vector<const char*>{"a", "b", "y"}) {
        const int x = coordinate(random), y = coordinate(random);
        schematic += "(" + std::to_string(x) + " " + std::to_string(y) + " " + terminal + " 0 p)";
        pins.push_back({pin ? "top" : name, pin ? label : terminal, x, y});
      }
      schematic += "))\n";
    }
    schematic += "()\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
      schematic += "(" + std::to_string(lines[i].x1) + " " + std::to_string(lines[i].y1) + " " +
                   std::to_string(lines[i].x2) + " " + std::to_string(lines[i].y2) + " c c " +
                   line_names[i] + " )\n";
    schematic += "()\n()\n";

    // What the slot algorithm makes of it.
    const Groups groups = SlotGroups(lines);
    std::vector<std::string> group_names;
    std::string message;
    int generated = 0;
    for (const auto& group : groups) {
      std::string name;
      for (std::size_t line : group) {
        if (line_names[line] == "?") continue;
        if (name.empty()) {
          name = line_names[line];
        } else if (line_names[line] != name && message.empty()) {
          message =
              "同一の信号線に異なる名前が付けられています。\n" + name + ",  " + line_names[line];
        }
      }
      if (!message.empty()) break;
      group_names.push_back(name.empty() ? "*s" + std::to_string(generated++) : name);
    }

    WriteText(folder.path() / "in.ldr", schematic);
    host.Clear();
    CircuitConverter converter(store, host, errors, folder.path().string());
    const bool converted = converter.Convert(folder / "in.ldr", folder / "out.lcr");
    store.Clear();
    if (!message.empty()) {
      EXPECT_FALSE(converted);
      EXPECT_EQ(host.OnlyText(), message);
      ++refused;
      continue;
    }
    ASSERT_TRUE(converted) << host.OnlyText() << "\n" << schematic;
    EXPECT_TRUE(host.Messages().empty());

    // Signals of one name are one signal in the file; the file lists the
    // names that reach a terminal, in the order of their first net.
    std::map<std::pair<std::string, std::string>, std::string> expected_on;
    std::set<std::string> reached;
    for (const Pin& pin : pins) {
      const int g = SlotGroupAt(groups, lines, pin.x, pin.y);
      const std::string signal = g < 0 ? "" : group_names[g];
      expected_on[{pin.element, pin.terminal}] = signal;
      if (!signal.empty()) reached.insert(signal);
    }
    std::vector<std::string> expected_signals;
    for (const std::string& name : group_names)
      if (reached.count(name) != 0 && std::find(expected_signals.begin(), expected_signals.end(),
                                                name) == expected_signals.end())
        expected_signals.push_back(name);

    std::istringstream in(FileText(folder.path() / "out.lcr"));
    const Circuit* circuit = ReadCircuit(store, in);
    ASSERT_NE(circuit, nullptr);
    std::vector<std::string> signals;
    for (const Signal& signal : circuit->signals())
      signals.push_back(signal.name());
    std::reverse(signals.begin(), signals.end());  // read at the head: reversed
    EXPECT_EQ(signals, expected_signals) << schematic;
    std::map<std::pair<std::string, std::string>, std::string> on;
    for (const Element& element : circuit->elements())
      for (const Terminal& terminal : element.terminals())
        on[{element.name(), terminal.name()}] =
            terminal.signal() != nullptr ? terminal.signal()->name() : "";
    EXPECT_EQ(on, expected_on) << schematic;
    store.Clear();
    ++accepted;
    if (HasFailure()) return;
  }
  // Both outcomes were met many times.
  EXPECT_GT(refused, 50);
  EXPECT_GT(accepted, 300);
}

}  // namespace
}  // namespace lumo::testing
