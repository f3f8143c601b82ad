#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "schematic/plane_distance.h"
#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

// The distances as the plain formulas give them, for coordinates small
// enough that long double is exact.
int WalkPointDistance(long long x1, long long y1, long long x2, long long y2) {
  const long double dx = x2 - x1, dy = y2 - y1;
  return static_cast<int>(std::floor(std::sqrt(dx * dx + dy * dy)));
}

int WalkSegmentDistance(long long px, long long py, const DrawLine& line) {
  const long double vx = line.x2() - line.x1(), vy = line.y2() - line.y1();
  const long double wx = px - line.x1(), wy = py - line.y1();
  const long double along = wx * vx + wy * vy;
  if (along < 0) return WalkPointDistance(px, py, line.x1(), line.y1());
  if (along > vx * vx + vy * vy) return WalkPointDistance(px, py, line.x2(), line.y2());
  return static_cast<int>(std::floor(std::fabs(wx * vy - wy * vx) / std::sqrt(vx * vx + vy * vy)));
}

// The first record of the walk with the smallest distance.
template <class Range, class Distance>
auto WalkNearest(Range&& range, Distance distance) {
  decltype(&*range.begin()) best = nullptr;
  int best_distance = INT_MAX;
  for (auto& record : range) {
    const int d = distance(record);
    if (best == nullptr || d < best_distance) {
      best = &record;
      best_distance = d;
    }
  }
  return std::make_pair(best, best_distance);
}

template <class Range>
auto WalkAt(Range&& range, int x, int y) {
  decltype(&*range.begin()) found = nullptr;
  for (auto& record : range)
    if (found == nullptr && record.x() == x && record.y() == y) found = &record;
  return found;
}

class DrawFind : public SchematicTest {
 protected:
  // A schematic grown, edited and partly dismantled at random, on the grid
  // of 4 units so that positions repeat and distances tie.
  void Grow(std::mt19937& random, int span, int count) {
    std::uniform_int_distribution<int> coordinate(-span / 4, span / 4);
    std::uniform_int_distribution<int> pick(0, 99);
    const char* symbols[] = {"_and2", "_not", "_in", "_out", "_mem"};
    std::vector<DrawElement*> elements;
    std::vector<DrawLine*> lines;
    for (int i = 0; i < count; ++i) {
      const int roll = pick(random);
      const int x = 4 * coordinate(random), y = 4 * coordinate(random);
      if (roll < 30) {
        elements.push_back(&draw.PlaceElement(SystemSymbol(symbols[pick(random) % 5]), x, y,
                                              pick(random) % 8, pick(random) < 50 ? 'p' : 'n'));
      } else if (roll < 70) {
        // Lines from terminals and junctions as well as free points.
        int x1 = x, y1 = y;
        if (pick(random) < 50 && draw.first_terminal() != nullptr) {
          const auto near = draw.NearestTerminal(x, y);
          x1 = near.record->x();
          y1 = near.record->y();
        }
        lines.push_back(&draw.AddLine(x1, y1, 4 * coordinate(random), 4 * coordinate(random)));
      } else if (roll < 78 && !elements.empty()) {
        const std::size_t at = pick(random) % elements.size();
        draw.DeleteElement(*elements[at]);
        elements.erase(elements.begin() + at);
      } else if (roll < 88 && !lines.empty()) {
        const std::size_t at = pick(random) % lines.size();
        draw.DeleteLine(*lines[at]);
        lines.erase(lines.begin() + at);
      } else if (roll < 94 && !elements.empty()) {
        draw.MoveElement(*elements[pick(random) % elements.size()], x, y);
      } else if (draw.first_junction() != nullptr) {
        draw.MoveJunction(*draw.NearestJunction(x, y).record, x, y);
      }
    }
  }

  void ExpectFindsLikeTheWalk(int x, int y) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    EXPECT_EQ(draw.FindTerminalAt(x, y), WalkAt(draw.terminals(), x, y));
    EXPECT_EQ(draw.FindJunctionAt(x, y), WalkAt(draw.junctions(), x, y));
    const auto point = [x, y](const auto& record) {
      return WalkPointDistance(x, y, record.x(), record.y());
    };
    const auto element = WalkNearest(draw.elements(), point);
    EXPECT_EQ(draw.NearestElement(x, y).record, element.first);
    EXPECT_EQ(draw.NearestElement(x, y).distance, element.second);
    const auto terminal = WalkNearest(draw.terminals(), point);
    EXPECT_EQ(draw.NearestTerminal(x, y).record, terminal.first);
    EXPECT_EQ(draw.NearestTerminal(x, y).distance, terminal.second);
    const auto junction = WalkNearest(draw.junctions(), point);
    EXPECT_EQ(draw.NearestJunction(x, y).record, junction.first);
    EXPECT_EQ(draw.NearestJunction(x, y).distance, junction.second);
    std::vector<DrawLine*> drawn;
    for (DrawLine& line : draw.lines())
      if (line.x1() != line.x2() || line.y1() != line.y2()) drawn.push_back(&line);
    DrawLine* nearest_line = nullptr;
    int line_distance = INT_MAX;
    for (DrawLine* line : drawn) {
      const int d = WalkSegmentDistance(x, y, *line);
      if (nearest_line == nullptr || d < line_distance) {
        nearest_line = line;
        line_distance = d;
      }
    }
    EXPECT_EQ(draw.NearestLine(x, y).record, nearest_line);
    EXPECT_EQ(draw.NearestLine(x, y).distance, line_distance);

    // The picks, straight from their rules.
    DrawPick pick = draw.PickElementOrLine(x, y);
    if (element.first != nullptr && element.second <= line_distance) {
      EXPECT_EQ(pick.element, element.first);
    } else {
      EXPECT_EQ(pick.line, nearest_line);
    }
    pick = draw.PickTerminalOrJunction(x, y);
    if (terminal.first != nullptr && terminal.second <= 4 && terminal.second <= junction.second) {
      EXPECT_EQ(pick.terminal, terminal.first);
    } else if (junction.first != nullptr && junction.second <= 4) {
      EXPECT_EQ(pick.junction, junction.first);
    } else {
      EXPECT_TRUE(pick.empty());
    }
    pick = draw.PickElementLineOrJunction(x, y);
    if (element.first != nullptr && line_distance >= element.second &&
        junction.second >= element.second) {
      EXPECT_EQ(pick.element, element.first);
    } else if (junction.first != nullptr && junction.second <= 6) {
      EXPECT_EQ(pick.junction, junction.first);
    } else if (nearest_line != nullptr && nearest_line->start_junction() != nullptr &&
               nearest_line->end_junction() != nullptr) {
      EXPECT_EQ(pick.line, nearest_line);
    } else {
      EXPECT_TRUE(pick.empty());
    }
  }
};

TEST_F(DrawFind, FindsAndPicksAnswerAsAWalkOfTheLists) {
  std::mt19937 random(6);
  // Dense (many ties and shared points), spread, and very sparse schematics.
  for (int span : {64, 1000, 40000, 4000000}) {
    draw.Clear();
    Grow(random, span, 400);
    std::uniform_int_distribution<int> coordinate(-span / 2, span / 2);
    for (int i = 0; i < 300; ++i) {
      // Half the queries on the grid, half anywhere.
      const int x = coordinate(random), y = coordinate(random);
      if (i % 2 == 0)
        ExpectFindsLikeTheWalk(x / 4 * 4, y / 4 * 4);
      else
        ExpectFindsLikeTheWalk(x, y);
      if (HasFailure()) return;
    }
  }
}

TEST_F(DrawFind, EmptyListsGiveNothingAtTheLargestDistance) {
  EXPECT_EQ(draw.NearestElement(0, 0).record, nullptr);
  EXPECT_EQ(draw.NearestElement(0, 0).distance, INT_MAX);
  EXPECT_EQ(draw.NearestLine(0, 0).record, nullptr);
  EXPECT_EQ(draw.NearestLine(0, 0).distance, INT_MAX);
  EXPECT_TRUE(draw.PickElementOrLine(0, 0).empty());
  EXPECT_TRUE(draw.PickTerminalOrJunction(0, 0).empty());
  EXPECT_TRUE(draw.PickElementLineOrJunction(0, 0).empty());
  // A line of zero length is never the nearest.
  draw.AddLine(8, 8, 8, 8);
  EXPECT_EQ(draw.NearestLine(8, 8).record, nullptr);
}

TEST_F(DrawFind, PicksPreferElementsOnTiesAndKeepTheirReaches) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_not"), 100, 100, 0, 'p');
  DrawLine& line = draw.AddLine(100, 110, 200, 110);
  // Equal distances: the element.
  EXPECT_EQ(draw.PickElementOrLine(100, 105).element, &gate);
  EXPECT_EQ(draw.PickElementOrLine(100, 106).line, &line);

  // Terminal a at (88, 100); a junction 3 units from the point and the
  // terminal 4: the junction is nearer.
  draw.AddLine(88, 107, 60, 107);
  EXPECT_NE(draw.PickTerminalOrJunction(88, 104).junction, nullptr);
  EXPECT_EQ(draw.PickTerminalOrJunction(88, 103).terminal, gate.first_terminal());
  EXPECT_TRUE(draw.PickTerminalOrJunction(70, 100).empty());

  // Moving: a junction within 6 units, unless the element is no farther.
  DrawLine& far = draw.AddLine(300, 300, 400, 300);
  EXPECT_EQ(draw.PickElementLineOrJunction(306, 300).junction, far.start_junction());
  EXPECT_EQ(draw.PickElementLineOrJunction(350, 301).line, &far);
  // A line with an end on a terminal is not taken for moving.
  draw.AddLine(112, 100, 112, 500);
  EXPECT_TRUE(draw.PickElementLineOrJunction(113, 480).empty());
  EXPECT_EQ(draw.PickElementLineOrJunction(101, 100).element, &gate);
}

TEST(PlaneDistance, WholeUnitsExactAtAnySize) {
  EXPECT_EQ(PointDistance(0, 0, 3, 4), 5);
  EXPECT_EQ(PointDistance(0, 0, 1, 1), 1);
  EXPECT_EQ(PointDistance(0, 0, 4, 4), 5);
  EXPECT_EQ(PointDistance(-3, -4, 0, 0), 5);
  // 46341^2 > 2^31 - 1 > 46340^2.
  EXPECT_EQ(PointDistance(0, 0, 46340, 0), 46340);
  EXPECT_EQ(PointDistance(0, 0, 1073741823, 1073741823), 1518500248);
  EXPECT_EQ(PointDistance(INT_MIN, INT_MIN, INT_MAX, INT_MAX), kNoDistance);
  // Before, beside and beyond a segment.
  EXPECT_EQ(SegmentDistance(-3, 4, 0, 0, 10, 0), 5);
  EXPECT_EQ(SegmentDistance(5, 7, 0, 0, 10, 0), 7);
  EXPECT_EQ(SegmentDistance(13, 4, 0, 0, 10, 0), 5);
  EXPECT_EQ(SegmentDistance(0, 10, 0, 0, 10, 10), 7);  // 7.07...
  EXPECT_EQ(SegmentDistance(1, 1, 2, 2, 2, 2), kNoDistance);
  EXPECT_EQ(SegmentDistance(0, 2000000000, INT_MIN, 0, INT_MAX, 0), 2000000000);
}

}  // namespace
}  // namespace lumo::testing
