// Reads the input as an input pattern file (waveforms and memory records) and
// checks the pattern it gives: tables within their capacity, events and words
// in order, each warning at most once; then what the writer makes of it must
// read back without a warning and write again to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "common/recording_message_host.h"
#include "lists/error_table.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckPattern(const lumo::Pat& pat) {
  Check(pat.count() >= 0 && pat.count() <= lumo::kPatRows);
  std::set<std::string> names;
  for (int i = 0; i < pat.count(); ++i) {
    const lumo::PatRow& row = pat.row(i);
    Check(row.kind == lumo::RowKind::kInput);
    Check(row.full_name == pat.schematic_name() + "." + row.name);
    Check(names.insert(row.name).second);
    std::int64_t last = INT64_MIN;
    for (const lumo::PatEvent& event : row.events) {
      Check(event.time >= last);
      Check(lumo::EventList::IsValue(event.value));
      last = event.time;
    }
  }
  const lumo::Mem& mem = pat.mem();
  Check(mem.count() >= 0 && mem.count() <= lumo::kMemCapacity);
  std::set<std::string> memories;
  for (int i = 0; i < mem.count(); ++i) {
    Check(memories.insert(mem.memory(i).name).second);
    lumo::MemAddress last = 0;
    for (const lumo::MemWord& word : mem.memory(i).words) {
      Check(word.address >= last);
      Check(word.address == lumo::HexValue(word.address_text));
      last = word.address;
    }
  }
}

std::string Written(const lumo::Pat& pat) {
  std::ostringstream out;
  pat.WriteInputPat(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumo::ErrorTable errors;
  lumo::RegisterPatternErrors(errors);

  lumo::RecordingMessageHost host;
  lumo::Pat pat(host, errors);
  pat.set_schematic_name("s");
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const bool whole = pat.ReadInputPat(in);
  Check(whole == host.Messages().empty());
  std::set<std::string> shown;
  for (const lumo::Message& message : host.Messages()) {
    Check(message.text == lumo::kDamagedPatternText || message.text == lumo::kDamagedMemoryText);
    Check(shown.insert(message.text).second);
  }
  CheckPattern(pat);

  const std::string written = Written(pat);
  lumo::RecordingMessageHost again_host;
  lumo::Pat again(again_host, errors);
  again.set_schematic_name("s");
  std::istringstream again_in(written);
  Check(again.ReadInputPat(again_in));
  Check(again_host.Messages().empty());
  CheckPattern(again);
  Check(Written(again) == written);
  return 0;
}
