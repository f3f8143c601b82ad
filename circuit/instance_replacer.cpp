#include "circuit/instance_replacer.h"

#include <utility>

#include <algorithm>

namespace lumo {

std::string FunctionNameKey(std::string_view name) {
  std::string lower(name);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

namespace {

bool Contains(const std::string& name, char c) {
  return name.find(c) != std::string::npos;
}

bool IsGlobal(const std::string& name) {
  return !name.empty() && name.front() == '/';
}

}  // namespace

InstanceReplacer::InstanceReplacer(CircuitStore& store, Circuit& parent, MessageHost& host,
                                   IsSubCircuit is_sub_circuit)
    : store_(store), parent_(parent), host_(host), is_sub_circuit_(std::move(is_sub_circuit)) {
  levels_.push_back(Level{parent.name(), FunctionNameKey(parent.name()), nullptr});
  const Element* pins = parent.IoPseudoElement();
  std::vector<Element*> in_list_order;
  in_list_order.reserve(parent.element_count());
  for (Element& element : parent.elements())
    if (&element != pins) in_list_order.push_back(&element);
  // Tracked from the tail, so the first element ends up last.
  records_.reserve(in_list_order.size());
  for (auto at = in_list_order.rbegin(); at != in_list_order.rend(); ++at)
    Track(**at, &levels_.front());
}

InstanceReplacer::FunctionEntry& InstanceReplacer::EntryOf(const FunctionRecord& function) {
  const auto found = functions_.find(&function);
  if (found != functions_.end()) return found->second;
  // The references of an unordered map's values survive rehashing.
  std::vector<std::uint32_t>& instances = instances_[FunctionNameKey(function.name())];
  const bool sub_circuit = is_sub_circuit_ && is_sub_circuit_(function);
  return functions_.emplace(&function, FunctionEntry{&instances, sub_circuit}).first->second;
}

void InstanceReplacer::Track(Element& element, const Level* level) {
  const auto id = static_cast<std::uint32_t>(records_.size());
  records_.push_back(Record{&element, level, true});
  FunctionEntry& entry = EntryOf(element.function());
  entry.instances->push_back(id);
  if (entry.sub_circuit) candidates_.push_back(id);
}

Element* InstanceReplacer::NextCandidate() {
  while (!candidates_.empty() && !records_[candidates_.back()].alive)
    candidates_.pop_back();
  return candidates_.empty() ? nullptr : records_[candidates_.back()].element;
}

void InstanceReplacer::SkipCandidate() {
  if (NextCandidate() != nullptr) candidates_.pop_back();
}

const InstanceReplacer::Level* InstanceReplacer::EnclosingLevelNamed(const Level* level,
                                                                     const std::string& key) const {
  const Level* outermost = nullptr;
  for (; level != nullptr; level = level->outer)
    if (level->key == key) outermost = level;
  return outermost;
}

void InstanceReplacer::ReportCycle(const Circuit& sub, const Element& instance, const Level* inner,
                                   const Level* outermost) {
  std::vector<const std::string*> names;
  for (const Level* level = inner;; level = level->outer) {
    names.push_back(&level->circuit);
    if (level == outermost) break;
  }
  std::string cycle;
  for (auto name = names.rbegin(); name != names.rend(); ++name)
    cycle += **name + " → ";
  cycle += sub.name();
  host_.Warn("回路 " + sub.name() + " は自分自身を含んでいます（" + cycle + "）。\n素子 " +
             instance.name() + " を展開できません。");
}

std::optional<std::size_t> InstanceReplacer::Replace(const Circuit& sub) {
  const std::string key = FunctionNameKey(sub.name());
  const auto found = instances_.find(key);
  if (found == instances_.end()) return 0;
  std::vector<std::uint32_t>& instances = found->second;
  std::size_t replaced = 0;
  for (;;) {
    while (!instances.empty() && !records_[instances.back()].alive)
      instances.pop_back();
    if (instances.empty()) return replaced;
    const std::uint32_t id = instances.back();
    instances.pop_back();
    Element& instance = *records_[id].element;
    const Level* level = records_[id].level;
    if (const Level* outermost = EnclosingLevelNamed(level, key)) {
      ReportCycle(sub, instance, level, outermost);
      return std::nullopt;
    }
    // The instance and the copy of the pin element go again.
    const std::size_t grown =
        parent_.element_count() - 1 + sub.element_count() - (sub.IoPseudoElement() ? 1 : 0);
    if (grown > element_limit_) {
      host_.Warn("展開した回路の素子数が " + std::to_string(element_limit_) +
                 " を超えるため、素子 " + instance.name() + "(" + sub.name() +
                 ") を展開できません。");
      return std::nullopt;
    }
    levels_.push_back(Level{sub.name(), key, level});
    Element* inside_pins = CopyInside(sub, instance, &levels_.back());
    if (!JoinPins(sub, instance, inside_pins)) return std::nullopt;
    if (inside_pins != nullptr) parent_.RemoveElement(*inside_pins);
    records_[id].alive = false;
    parent_.RemoveElement(instance);
    ++replaced;
  }
}

// Copies the sub-circuit's elements to the head of the parent, in the
// sub-circuit's list order, and returns the copy of its pin element (null
// when it has none), which is not tracked: it goes once the pins are joined.
Element* InstanceReplacer::CopyInside(const Circuit& sub, const Element& instance,
                                      const Level* level) {
  const Element* pins = sub.IoPseudoElement();
  const std::string prefix = instance.name() + "-";
  Element* pins_copy = nullptr;
  for (const Element& inner : sub.elements()) {
    Element& copy =
        parent_.AddElement(prefix + inner.name(), store_.Function(inner.function_name()));
    if (&inner == pins)
      pins_copy = &copy;
    else
      Track(copy, level);
    for (const Terminal& terminal : inner.terminals()) {
      Terminal& pin = copy.AddTerminal(terminal.name());
      if (const Signal* signal = terminal.signal()) pin.ConnectTo(OutsideSignal(prefix, *signal));
    }
  }
  return pins_copy;
}

Signal& InstanceReplacer::OutsideSignal(const std::string& prefix, const Signal& inside) {
  const std::string name = IsGlobal(inside.name()) ? inside.name() : prefix + inside.name();
  if (Signal* present = parent_.FindSignal(name)) return *present;
  return parent_.AddSignal(name);
}

// Walks the instance's pins and the sub-circuit's pins together, both in name
// order, and joins the signals of each pair.
bool InstanceReplacer::JoinPins(const Circuit& sub, Element& instance, Element* inside_pins) {
  const std::string& c = sub.name();
  const auto symbol_has_more = [&] {
    host_.Warn("シンボル " + c + " の端子数が回路 " + c + " の入出力端子数より多い。");
    return false;
  };
  if (inside_pins == nullptr) return instance.terminal_count() == 0 || symbol_has_more();
  const Element::TerminalRange outside = instance.terminals();
  const Element::TerminalRange inside = inside_pins->terminals();
  auto o = outside.begin();
  auto i = inside.begin();
  for (;;) {
    // Global pins need no joining: they share their signal by name.
    while (i != inside.end() && IsGlobal(i->name()))
      ++i;
    if (i == inside.end() && o == outside.end()) return true;
    if (i == inside.end()) return symbol_has_more();
    if (o == outside.end()) {
      host_.Warn("回路 " + c + " の入出力端子数がシンボル " + c + " の端子数より多い。");
      return false;
    }
    if (o->name() != i->name()) {
      host_.Warn("回路 " + c + " の入出力端子に " + o->name() + " がないか，またはシンボル " + c +
                 " の端子に " + i->name() + " がありません。");
      return false;
    }
    Signal* outer_signal = o->signal();
    Signal* inner_signal = i->signal();
    if (outer_signal == nullptr) {
      host_.Warn("素子 " + instance.name() + "(" + c + ") の端子 " + o->name() +
                 " に信号が接続されていません。");
      return false;
    }
    if (inner_signal == nullptr) {
      host_.Warn("回路 " + c + " の入出力端子 " + i->name() +
                 " が回路内の信号に接続されていません（素子 " + instance.name() + "）。");
      return false;
    }
    o->Disconnect();
    i->Disconnect();
    // Two pins on one signal outside whose inside pins share a signal too
    // meet a signal that is already joined: nothing to merge.
    if (outer_signal != inner_signal) {
      // The signal that keeps the net is the outside one, unless only the
      // inside one is recorded ("%").
      Signal* gone = inner_signal;
      Signal* kept = outer_signal;
      if (!Contains(outer_signal->name(), '%') && Contains(inner_signal->name(), '%'))
        std::swap(gone, kept);
      if (merge_log_ != nullptr) merge_log_->Renamed(gone->name(), kept->name());
      parent_.MergeSignal(*gone, *kept);
    }
    ++o;
    ++i;
  }
}

}  // namespace lumo
