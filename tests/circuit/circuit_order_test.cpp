// The circuit model keeps its records in faster structures than plain linked
// lists; these tests drive both with the same random operations and compare
// the orders and lookups with those of a NodeList doing what the lists did.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "circuit/circuit.h"
#include "circuit/circuit_store.h"
#include "circuit/name_index.h"
#include "common/node_list.h"

namespace lumo {
namespace {

// Short names over letters of both cases, '_' (between 'A'-'Z' and 'a'-'z'
// in byte order) and a byte above 0x7f, so case folding and unsigned byte
// comparison both matter and equal names are frequent.
std::string RandomName(std::mt19937& random) {
  static const char kBytes[] = {'a', 'A', 'b', 'B', '_', 'z', 'Z', '\xe3'};
  std::string name;
  const int length = std::uniform_int_distribution<int>(1, 3)(random);
  for (int i = 0; i < length; ++i)
    name += kBytes[std::uniform_int_distribution<int>(0, sizeof kBytes - 1)(random)];
  return name;
}

std::string Lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

struct Ref : Linked<Ref> {
  Ref(std::string key, const void* record) : key(std::move(key)), record(record) {}
  std::string key;
  const void* record;
};

std::string KeyOf(const Ref& ref) {
  return ref.key;
}

template <class Range>
std::vector<const void*> Records(const Range& range) {
  std::vector<const void*> records;
  for (const auto& record : range)
    records.push_back(&record);
  return records;
}

std::vector<const void*> Records(const NodeList<Ref>& list) {
  std::vector<const void*> records;
  for (const Ref& ref : list)
    records.push_back(ref.record);
  return records;
}

TEST(CircuitOrder, TerminalsFollowTheLinkedListInsertion) {
  std::mt19937 random(7);
  CircuitStore store;
  Circuit& circuit = store.AddCircuit("c");
  for (int round = 0; round < 20; ++round) {
    Element& element = circuit.AddElement("e" + std::to_string(round), store.Function("_f"));
    NodeList<Ref> reference;  // the list walk: after every equal or smaller name
    const int count = round == 0 ? 3000 : 200;
    for (int i = 0; i < count; ++i) {
      const std::string name = RandomName(random);
      Terminal& terminal = element.AddTerminal(name);
      reference.InsertByKey(std::make_unique<Ref>(Lowered(name), &terminal), KeyOf);
    }
    ASSERT_EQ(Records(element.terminals()), Records(reference));
  }
}

TEST(CircuitOrder, DelayRecordsFollowTheLinkedListInsertionEvenWhenReadBetweenAdds) {
  std::mt19937 random(11);
  FunctionRecord function("_f");
  NodeList<Ref> reference;
  std::vector<std::string> added;
  for (int i = 0; i < 1500; ++i) {
    const std::string name = RandomName(random);
    function.AddDelay({name, i, -i});
    reference.InsertByKey(
        std::make_unique<Ref>(Lowered(name), reinterpret_cast<const void*>(std::intptr_t{i})),
        KeyOf);
    if (i % 97 == 0 || i == 1499) {
      std::vector<const void*> got;
      for (const DelayRecord& record : function.delays()) {
        EXPECT_EQ(record.to1, -record.to0);
        got.push_back(reinterpret_cast<const void*>(std::intptr_t{record.to0}));
      }
      ASSERT_EQ(got, Records(reference)) << "after " << i + 1 << " records";
    }
  }
}

// The elements of a circuit and a NodeList changed alike: head insertion,
// removal and renaming anywhere; then the list order and the first record of
// every name must agree.
TEST(CircuitOrder, ElementLookupIsTheFirstInListOrderThroughEveryChange) {
  std::mt19937 random(3);
  CircuitStore store;
  Circuit& circuit = store.AddCircuit("c");
  NodeList<Ref> reference;
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i)
    names.push_back(RandomName(random));
  auto pick_ref = [&]() {
    const std::size_t count = reference.size();
    Ref* ref = reference.head();
    for (std::size_t n = std::uniform_int_distribution<std::size_t>(0, count - 1)(random); n > 0;
         --n)
      ref = ref->next();
    return ref;
  };
  for (int step = 0; step < 4000; ++step) {
    const int action = std::uniform_int_distribution<int>(0, 9)(random);
    const std::string& name = names[std::uniform_int_distribution<std::size_t>(0, 11)(random)];
    if (reference.empty() || action < 5) {
      Element& element = circuit.AddElement(name, store.Function("_f"));
      reference.PushFront(std::make_unique<Ref>(name, &element));
    } else if (action < 8) {
      Ref* ref = pick_ref();
      circuit.RemoveElement(*static_cast<Element*>(const_cast<void*>(ref->record)));
      reference.Remove(*ref);
    } else {
      Ref* ref = pick_ref();
      circuit.RenameElement(*static_cast<Element*>(const_cast<void*>(ref->record)), name);
      ref->key = name;
    }
    ASSERT_EQ(circuit.element_count(), reference.size());
    if (step % 50 == 0 || step == 3999) {
      ASSERT_EQ(Records(circuit.elements()), Records(reference));
      for (const std::string& each : names) {
        const Ref* first = reference.FindByKey(each, KeyOf);
        ASSERT_EQ(static_cast<const void*>(circuit.FindElement(each)),
                  first == nullptr ? nullptr : first->record)
            << "step " << step;
      }
    }
  }
}

TEST(CircuitOrder, SignalLookupIsTheFirstInListOrderThroughMergesAndRenames) {
  std::mt19937 random(5);
  CircuitStore store;
  Circuit& circuit = store.AddCircuit("c");
  Element& element = circuit.AddElement("e", store.Function("_f"));
  NodeList<Ref> reference;
  const std::vector<std::string> names = {"s", "S", "t", "/g", "*ms0"};
  for (int step = 0; step < 3000; ++step) {
    const int action = std::uniform_int_distribution<int>(0, 9)(random);
    const std::string& name = names[std::uniform_int_distribution<std::size_t>(0, 4)(random)];
    if (reference.size() < 2 || action < 5) {
      Signal& signal = circuit.AddSignal(name);
      element.AddTerminal("t").ConnectTo(signal);
      reference.PushFront(std::make_unique<Ref>(name, &signal));
    } else {
      // Two distinct records, as the expander merges them.
      const std::size_t count = reference.size();
      const std::size_t a = std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
      const std::size_t b =
          (a + 1 + std::uniform_int_distribution<std::size_t>(0, count - 2)(random)) % count;
      Ref* from = reference.head();
      for (std::size_t n = 0; n < a; ++n)
        from = from->next();
      Ref* into = reference.head();
      for (std::size_t n = 0; n < b; ++n)
        into = into->next();
      auto* from_signal = static_cast<Signal*>(const_cast<void*>(from->record));
      auto* into_signal = static_cast<Signal*>(const_cast<void*>(into->record));
      if (action < 8) {
        const std::size_t total = from_signal->terminal_count() + into_signal->terminal_count();
        circuit.MergeSignal(*from_signal, *into_signal);
        ASSERT_EQ(into_signal->terminal_count(), total);
        reference.Remove(*from);
      } else {
        circuit.RenameSignal(*into_signal, name);
        into->key = name;
      }
    }
    if (step % 40 == 0) {
      ASSERT_EQ(Records(circuit.signals()), Records(reference));
      std::size_t on_signals = 0;
      for (const Signal& signal : circuit.signals()) {
        for (const Terminal& terminal : signal.terminals())
          ASSERT_EQ(terminal.signal(), &signal);
        on_signals += signal.terminal_count();
      }
      ASSERT_EQ(on_signals, element.terminal_count());
      for (const std::string& each : names) {
        const Ref* first = reference.FindByKey(each, KeyOf);
        ASSERT_EQ(static_cast<const void*>(circuit.FindSignal(each)),
                  first == nullptr ? nullptr : first->record);
      }
    }
  }
}

struct Named : NameIndexLinks<Named> {
  explicit Named(std::string text) : text(std::move(text)) {}
  const std::string& name() const { return text; }
  std::string text;
};

// Many names, so the index's table grows, collides and closes the gaps of
// removed names; every lookup must still find the newest record of its name.
TEST(CircuitOrder, TheNameIndexKeepsEveryNameReachableThroughGrowthAndRemoval) {
  std::mt19937 random(13);
  NameIndex<Named> index;
  std::vector<std::unique_ptr<Named>> records;  // in rank order, oldest first
  std::uint64_t rank = 0;
  // About half the steps add, so the records hover near 500 over 1500 names
  // and removing the last record of a name is common.
  for (int step = 0; step < 20000; ++step) {
    if (records.size() < 500 || std::uniform_int_distribution<int>(0, 1)(random) == 0) {
      auto record = std::make_unique<Named>(
          "n" + std::to_string(std::uniform_int_distribution<int>(0, 1499)(random)));
      index.Add(*record, ++rank);
      records.push_back(std::move(record));
    } else {
      const std::size_t at =
          std::uniform_int_distribution<std::size_t>(0, records.size() - 1)(random);
      index.Remove(*records[at]);
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (step % 20 == 0) {
      std::map<std::string, const Named*> newest;
      for (const auto& record : records)
        newest[record->name()] = record.get();
      for (int n = 0; n < 1500; ++n) {
        const std::string name = "n" + std::to_string(n);
        const auto found = newest.find(name);
        ASSERT_EQ(index.Find(name), found == newest.end() ? nullptr : found->second)
            << name << " at step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace lumo
