// The table of primitive functions on its own: the invariants every reader
// relies on, and the parsing of a row's pins.

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "primitives/primitive_table.h"

namespace lumo {
namespace {

bool IsLowerCaseName(std::string_view name) {
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return !name.empty();
}

// Each name finds its own row, and its pins are lower case in strictly
// ascending order: the order in which the simulator numbers terminals.
TEST(PrimitiveTable, NamesAreUniqueAndPinsInNameOrder) {
  for (const PrimitiveFunction& function : kPrimitiveFunctions) {
    EXPECT_EQ(FindPrimitive(function.name), &function) << function.name << " twice";
    ASSERT_GT(function.pins.size(), 0u) << function.name;
    for (std::size_t p = 0; p < function.pins.size(); ++p) {
      EXPECT_TRUE(IsLowerCaseName(function.pins[p].name)) << function.name;
      if (p > 0) {
        EXPECT_LT(function.pins[p - 1].name, function.pins[p].name) << function.name;
      }
    }
  }
}

// The simulator picks an evaluator and the settling rule per kind, so rows of
// one kind must agree; only the constants and the drawn circuit's pins are
// without an evaluator.
TEST(PrimitiveTable, RowsOfOneKindAreSimulatedAlike) {
  std::map<Primitive, Simulation> by_kind;
  for (const PrimitiveFunction& function : kPrimitiveFunctions) {
    const bool evaluated = function.simulation == Simulation::kSettling ||
                           function.simulation == Simulation::kEvaluated;
    EXPECT_EQ(function.kind != Primitive::kNone, evaluated) << function.name;
    const auto first = by_kind.emplace(function.kind, function.simulation).first;
    if (evaluated) {
      EXPECT_EQ(first->second, function.simulation) << function.name;
    }
    EXPECT_EQ(ActsWhileSettling(function.kind), function.simulation == Simulation::kSettling)
        << function.name;
  }
}

TEST(PrimitiveTable, LooksUpExactNamesOnly) {
  ASSERT_NE(FindPrimitive("_jkffrs2"), nullptr);
  EXPECT_EQ(FindPrimitive("_jkffrs2")->kind, Primitive::kJkffrs2);
  EXPECT_EQ(FindPrimitive("_NOT"), nullptr);
  EXPECT_EQ(FindPrimitive("_not "), nullptr);
  EXPECT_EQ(FindPrimitive("not"), nullptr);
  EXPECT_EQ(FindPrimitive(""), nullptr);
  EXPECT_EQ(FindPrimitive("half_adder"), nullptr);
}

TEST(PinList, ReadsNamesRolesAndRequiredInputs) {
  const PinList pins("d=in! k=clock q=out t=clock! y=inout");
  ASSERT_EQ(pins.size(), 5u);
  EXPECT_EQ(pins[0].name, "d");
  EXPECT_EQ(pins[0].role, PinRole::kInput);
  EXPECT_TRUE(pins[0].required);
  EXPECT_EQ(pins[1].role, PinRole::kClock);
  EXPECT_FALSE(pins[1].required);
  EXPECT_EQ(pins[2].role, PinRole::kOutput);
  EXPECT_TRUE(pins[3].required);
  EXPECT_EQ(pins[4].role, PinRole::kInOut);
  EXPECT_EQ(pins.Find("t"), &pins[3]);
  EXPECT_EQ(pins.Find("T"), nullptr);
  EXPECT_EQ(pins.Find(""), nullptr);
  EXPECT_EQ(PinList("").size(), 0u);
}

// In the table these are compile errors; built at run time they throw.
TEST(PinList, RefusesMalformedText) {
  for (const char* text : {"a", "=in", "a=", "a=input", "a=in y=out!", "a=in  y=out",
                           "a=in b=in c=in d=in e=in f=in g=in h=in i=in y=out"})
    EXPECT_THROW(PinList{text}, std::invalid_argument) << text;
}

}  // namespace
}  // namespace lumo
