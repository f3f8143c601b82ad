// Reads the input as the simulator's output lines after two input rows and
// checks where the lines went: the separator row stays blank, output rows
// follow it sorted and unique, no line echoing an input row made a row, and
// a full table is the only thing that warns.

#include <cstdint>
#include <cstdlib>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumo::ErrorTable errors;
  lumo::RegisterPatternErrors(errors);
  lumo::RecordingMessageHost host;
  lumo::Pat pat(host, errors);
  pat.set_schematic_name("s");
  std::istringstream inputs("a B 1 0 1 a A 2 0 0 5 1 e");
  Check(pat.ReadInputPat(inputs));
  Check(pat.count() == 2);

  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Check(pat.ReadOutputPat(in));
  Check(host.Messages().size() <= 1);
  if (!host.Messages().empty()) {
    Check(host.Messages()[0].text == lumo::kDamagedPatternText);
    Check(pat.count() == lumo::kPatRows);
  }
  Check(pat.count() >= 3 && pat.count() <= lumo::kPatRows);
  Check(pat.row(2).name.empty() && pat.row(2).events.empty());
  for (int i = 0; i < pat.count(); ++i) {
    const lumo::PatRow& row = pat.row(i);
    if (i >= 3) {
      Check(row.kind == lumo::RowKind::kOutput && row.full_name.empty());
      Check(row.name != "A" && row.name != "B" && row.name != "s.A" && row.name != "s.B");
      Check(!row.events.empty());
      if (i > 3) Check(pat.row(i - 1).name < row.name);
    }
    std::int64_t last = INT64_MIN;
    for (const lumo::PatEvent& event : row.events) {
      Check(event.time >= last);
      Check(lumo::EventList::IsValue(event.value));
      last = event.time;
    }
  }
  return 0;
}
