// Reads the input as a signal trace file and checks what a trace that reads
// promises: every query stays inside it, and writing it back gives the same
// bytes.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "sim/signal_trace.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  lumo::SignalTrace trace;
  if (!trace.Read(in)) {
    Check(trace.changes().empty() && trace.signal_count() == 0);
    return 0;
  }
  std::ostringstream out;
  Check(trace.Write(out));
  Check(out.str() == bytes);
  for (std::uint32_t signal = 0; signal < trace.signal_count(); ++signal) {
    Check(trace.ChangeTimes(signal).size() == trace.ChangeValues(signal).size());
    for (const std::int32_t time : trace.ChangeTimes(signal))
      Check(!trace.ValueAt(signal, time).empty());
    std::int32_t at = 0;
    if (trace.NextChange(signal, INT32_MIN, at)) Check(at == trace.ChangeTimes(signal).front());
  }
  return 0;
}
