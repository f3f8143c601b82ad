#pragma once

#include <cstdint>
#include <string>

namespace lumo {

// Numbers the signals that bus merging creates: "*ms0", "*ms1", ... One
// counter serves a whole program run and is never reset, so the owner (the
// application or the command-line tool) keeps it and hands it to every
// expansion.
class BusSignalCounter {
 public:
  // The next name; the counter then moves on.
  std::string NextName() { return "*ms" + std::to_string(next_++); }
  std::uint64_t next() const { return next_; }

 private:
  std::uint64_t next_ = 0;
};

}  // namespace lumo
