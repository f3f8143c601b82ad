#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circuit/circuit.h"
#include "circuit/circuit_store.h"

namespace lumo {
namespace {

std::vector<std::string> TerminalNames(const Element& element) {
  std::vector<std::string> names;
  for (const Terminal& terminal : element.terminals())
    names.push_back(terminal.name());
  return names;
}

std::vector<const Terminal*> OnSignal(const Signal& signal) {
  std::vector<const Terminal*> terminals;
  for (const Terminal& terminal : signal.terminals())
    terminals.push_back(&terminal);
  return terminals;
}

class CircuitModel : public ::testing::Test {
 protected:
  CircuitStore store;
  Circuit& circuit = store.AddCircuit("top");
};

TEST_F(CircuitModel, TerminalsSortIgnoringCaseWithEqualNamesAfterEarlierOnes) {
  Element& element = circuit.AddElement("u1", store.Function("_x"));
  for (const char* name : {"b", "A", "a", "B", "c", "a", "Ax", "_x", "\xe3\x81\x82", "Z"})
    element.AddTerminal(name);
  // '_' lies between 'Z' and 'a': folded to lower case "ax" sorts after "_x".
  // Bytes above 0x7f compare unsigned, after every ASCII letter.
  EXPECT_EQ(TerminalNames(element), (std::vector<std::string>{"_x", "A", "a", "a", "Ax", "b", "B",
                                                              "c", "Z", "\xe3\x81\x82"}));
  // Exact lookup, first in name order among equal names.
  Terminal* first_a = element.FindTerminal("a");
  ASSERT_NE(first_a, nullptr);
  EXPECT_EQ(first_a, &*std::next(element.terminals().begin(), 2));
  EXPECT_EQ(element.FindTerminal("A"), &*std::next(element.terminals().begin(), 1));
  EXPECT_EQ(element.FindTerminal("ax"), nullptr);
  EXPECT_EQ(&first_a->element(), &element);
}

TEST_F(CircuitModel, SignalsListTheirTerminalsNewestFirstAndTerminalsMove) {
  Element& element = circuit.AddElement("u1", store.Function("_x"));
  Signal& s = circuit.AddSignal("s");
  Signal& t = circuit.AddSignal("t");
  Terminal& a = element.AddTerminal("a");
  Terminal& b = element.AddTerminal("b");
  Terminal& c = element.AddTerminal("c");
  a.ConnectTo(s);
  b.ConnectTo(s);
  c.ConnectTo(s);
  EXPECT_EQ(OnSignal(s), (std::vector<const Terminal*>{&c, &b, &a}));
  b.ConnectTo(t);  // off the middle of s
  EXPECT_EQ(OnSignal(s), (std::vector<const Terminal*>{&c, &a}));
  EXPECT_EQ(OnSignal(t), (std::vector<const Terminal*>{&b}));
  EXPECT_EQ(b.signal(), &t);
  c.Disconnect();
  c.Disconnect();
  EXPECT_EQ(OnSignal(s), (std::vector<const Terminal*>{&a}));
  EXPECT_EQ(s.terminal_count(), 1u);
  EXPECT_EQ(c.signal(), nullptr);
}

TEST_F(CircuitModel, MergingMovesTerminalsInReverseAheadOfTheSurvivorsOwn) {
  Element& element = circuit.AddElement("u1", store.Function("_x"));
  Signal& into = circuit.AddSignal("into");
  Signal& from = circuit.AddSignal("from");
  Terminal& own = element.AddTerminal("o");
  own.ConnectTo(into);
  Terminal& older = element.AddTerminal("p");
  Terminal& newer = element.AddTerminal("q");
  older.ConnectTo(from);
  newer.ConnectTo(from);
  circuit.MergeSignal(from, into);
  EXPECT_EQ(OnSignal(into), (std::vector<const Terminal*>{&older, &newer, &own}));
  EXPECT_EQ(newer.signal(), &into);
  EXPECT_EQ(circuit.FindSignal("from"), nullptr);
  EXPECT_EQ(circuit.signal_count(), 1u);
}

TEST_F(CircuitModel, RemovingAnElementTakesItsTerminalsOffTheirSignals) {
  Signal& s = circuit.AddSignal("s");
  Element& kept = circuit.AddElement("keep", store.Function("_x"));
  Element& gone = circuit.AddElement("gone", store.Function("_x"));
  Terminal& stays = kept.AddTerminal("a");
  stays.ConnectTo(s);
  gone.AddTerminal("a").ConnectTo(s);
  gone.AddTerminal("b").ConnectTo(s);
  circuit.RemoveElement(gone);
  EXPECT_EQ(OnSignal(s), (std::vector<const Terminal*>{&stays}));
  EXPECT_EQ(circuit.FindElement("gone"), nullptr);
  EXPECT_EQ(circuit.element_count(), 1u);

  circuit.RemoveSignal(s);
  EXPECT_EQ(stays.signal(), nullptr);
  EXPECT_EQ(circuit.signal_count(), 0u);
}

TEST_F(CircuitModel, NamesResolveToTheFirstInListOrder) {
  Element& older = circuit.AddElement("u", store.Function("_x"));
  Element& newer = circuit.AddElement("u", store.Function("_y"));
  EXPECT_EQ(circuit.FindElement("u"), &newer);   // new records go to the head
  EXPECT_EQ(circuit.FindElement("U"), nullptr);  // exact names
  circuit.RenameElement(newer, "v");
  EXPECT_EQ(circuit.FindElement("u"), &older);
  // Renamed back, it is again ahead of the older one in the list.
  circuit.RenameElement(newer, "u");
  EXPECT_EQ(circuit.FindElement("u"), &newer);
  EXPECT_EQ(circuit.first_element(), &newer);
  // Renaming the older one onto a name held by a newer one leaves the newer
  // one first.
  Element& third = circuit.AddElement("w", store.Function("_x"));
  circuit.RenameElement(older, "w");
  EXPECT_EQ(circuit.FindElement("w"), &third);
  circuit.RemoveElement(third);
  EXPECT_EQ(circuit.FindElement("w"), &older);
}

TEST_F(CircuitModel, TheIoPseudoElementIsTheFirstElementNamedLikeTheCircuit) {
  EXPECT_EQ(circuit.IoPseudoElement(), nullptr);
  Element& pins = circuit.AddElement("top", store.Function("top"));
  circuit.AddElement("Top", store.Function("top"));
  EXPECT_EQ(circuit.IoPseudoElement(), &pins);
}

TEST(CircuitStore, RegistryAndCircuitsRunNewestFirstAndShareRecordsByName) {
  CircuitStore store;
  FunctionRecord& and2 = store.Function("_and2");
  FunctionRecord& not1 = store.Function("_not");
  EXPECT_EQ(&store.Function("_and2"), &and2);
  EXPECT_EQ(store.FindFunction("_AND2"), nullptr);
  EXPECT_EQ(store.function_count(), 2u);
  EXPECT_EQ(store.first_function(), &not1);
  EXPECT_EQ(not1.next(), &and2);

  Circuit& first = store.AddCircuit("a");
  Circuit& second = store.AddCircuit("b");
  EXPECT_EQ(store.first_circuit(), &second);
  Element& element = first.AddElement("u1", and2);
  EXPECT_EQ(element.function_name(), "_and2");
  EXPECT_EQ(&element.function(), &and2);

  store.RemoveCircuit(second);
  EXPECT_EQ(store.first_circuit(), &first);
  store.Clear();
  EXPECT_EQ(store.circuit_count(), 0u);
  EXPECT_EQ(store.FindFunction("_and2"), nullptr);
  EXPECT_EQ(store.function_count(), 0u);
}

}  // namespace
}  // namespace lumo
