#include "pattern/vcd_writer.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "pattern/hex.h"

namespace lumo {

namespace {

bool IsScalar(const std::string& value) {
  return value == "0" || value == "1" || value == "x" || value == "z";
}

// Identifiers of the dump: printable characters from '!' on, in base 94.
std::string Identifier(std::size_t index) {
  std::string id;
  do {
    id.push_back(static_cast<char>('!' + index % 94));
    index /= 94;
  } while (index != 0);
  return id;
}

// A plain identifier of the dump: a letter or '_', then letters, digits,
// '_' and '$'. Bytes of UTF-8 count as letters: viewers show such names as
// they are, and no escape would make them more standard.
bool IsPlainIdentifier(const std::string& name) {
  const auto letter = [](unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
  };
  const auto rest = [&letter](unsigned char c) {
    return letter(c) || (c >= '0' && c <= '9') || c == '$';
  };
  return letter(static_cast<unsigned char>(name.front())) &&
         std::all_of(name.begin() + 1, name.end(), rest);
}

// Names may hold blanks (never in files, but in hand-made ones); the dump
// separates fields by white space. Any other name that is not a plain
// identifier ("$end", "4bit", "a.b") is written escaped: a backslash, then
// the name up to the blank that follows it.
std::string Reference(const std::string& name) {
  std::string reference = name;
  for (char& c : reference)
    if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f') c = '_';
  if (reference.empty()) return "_";
  return IsPlainIdentifier(reference) ? reference : "\\" + reference;
}

struct Wire {
  const PatRow* row;
  std::string id;
  std::size_t width;  // 1 for a scalar wire
};

std::string VectorValue(const std::string& value, std::size_t width) {
  if (value == "x" || value == "z") return "b" + value;
  std::string bits = IsScalar(value) ? value : HexToBits(value);
  if (bits.size() < width) bits.insert(0, width - bits.size(), '0');
  return "b" + bits;
}

}  // namespace

std::string VcdIdentifier(std::size_t index) {
  return Identifier(index);
}

std::string VcdReference(const std::string& name) {
  return Reference(name);
}

void WriteVcd(const Pat& pattern, const std::string& scope, std::ostream& out) {
  std::vector<Wire> wires;
  for (int i = 0; i < pattern.count(); ++i) {
    const PatRow& row = pattern.row(i);
    if (row.name.empty()) continue;
    std::size_t width = 1;
    bool scalar = true;
    for (const PatEvent& event : row.events) {
      if (IsScalar(event.value)) continue;
      scalar = false;
      width = std::max(width, HexToBits(event.value).size());
    }
    wires.push_back({&row, Identifier(wires.size()), scalar ? 1 : std::max<std::size_t>(width, 4)});
  }

  out << "$version LumoCAD $end\n$timescale 1ns $end\n";
  out << "$scope module " << Reference(scope) << " $end\n";
  for (const Wire& wire : wires) {
    const char* kind = wire.row->kind == RowKind::kOutput ? "wire" : "reg";
    // Output rows are named by the circuit's pins, "scope.pin": the scope is
    // already the module's name.
    std::string name = wire.row->name;
    if (name.size() > scope.size() + 1 && name.compare(0, scope.size(), scope) == 0 &&
        name[scope.size()] == '.')
      name.erase(0, scope.size() + 1);
    out << "$var " << kind << ' ' << wire.width << ' ' << wire.id << ' ' << Reference(name);
    if (wire.width > 1) out << " [" << wire.width - 1 << ":0]";
    out << " $end\n";
  }
  out << "$upscope $end\n$enddefinitions $end\n";

  // Every change by time; within one time the last value of a wire counts.
  std::map<std::int64_t, std::map<std::size_t, std::string>> changes;
  for (std::size_t w = 0; w < wires.size(); ++w)
    for (const PatEvent& event : wires[w].row->events)
      changes[std::max<std::int64_t>(event.time, 0)][w] = event.value;

  auto write_value = [&out](const Wire& wire, const std::string& value) {
    if (wire.width == 1)
      out << value << wire.id << '\n';
    else
      out << VectorValue(value, wire.width) << ' ' << wire.id << '\n';
  };
  out << "#0\n$dumpvars\n";
  std::map<std::size_t, std::string> at_zero;
  if (!changes.empty() && changes.begin()->first == 0) at_zero = changes.begin()->second;
  for (std::size_t w = 0; w < wires.size(); ++w) {
    const auto found = at_zero.find(w);
    write_value(wires[w], found != at_zero.end() ? found->second : "x");
  }
  out << "$end\n";
  for (const auto& [time, values] : changes) {
    if (time == 0) continue;
    out << '#' << time << '\n';
    for (const auto& [w, value] : values)
      write_value(wires[w], value);
  }
}

}  // namespace lumo
