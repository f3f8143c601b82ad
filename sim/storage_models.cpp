#include "sim/storage_models.h"

#include "sim/value_ops.h"

namespace lumo {

namespace {

// Q sits at position 2 of all three storage primitives.
constexpr std::uint32_t kQ = 2;

// Loads and clears take the delay of the new value's first character only.
std::int32_t FirstCharacterDelay(const Kernel& kernel, std::uint32_t element, ValueId value) {
  const Delay& delay = kernel.netlist().elements[element].delays[kQ];
  const char first = kernel.values().Text(value)[0];
  return first == '0' ? delay.to0 : first == '1' ? delay.to1 : std::max(delay.to0, delay.to1);
}

// Logs the new value of a register or counter, then schedules it if it
// differs from Q.
void Load(Kernel& kernel, const char* kind, std::uint32_t element, ValueId value,
          std::int32_t time) {
  kernel.LogRegister(kind, element, value, time);
  const std::uint32_t q = kernel.netlist().elements[element].first_terminal + kQ;
  if (kernel.Value(q) != value)
    kernel.Schedule(q, value, time, FirstCharacterDelay(kernel, element, value));
}

}  // namespace

void MemoryWrite(MemoryContents& memory, const std::string& address, const std::string& value) {
  const auto found = memory.find(address);
  if (found != memory.end())
    found->second.value = value;
  else
    memory.emplace(address, MemoryEntry{address, value});
}

// D 0, clock 1, Q 2, clear 3.
int Register(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
             std::int32_t time) {
  const std::uint32_t first = kernel.netlist().elements[element].first_terminal;
  if (position == kQ) return kernel.OutputCollision(first + position, value, time);
  kernel.SetValue(first + position, value);
  if (position == 0 || kernel.values().Text(value)[0] != '1') return 1;
  Load(kernel, "レジスタ", element, position == 1 ? kernel.Value(first) : kValue0, time);
  return 1;
}

// D 0, load 1, Q 2, clear 3, clock 4.
int Counter(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
            std::int32_t time) {
  const std::uint32_t first = kernel.netlist().elements[element].first_terminal;
  if (position == kQ) return kernel.OutputCollision(first + position, value, time);
  kernel.SetValue(first + position, value);
  if (position == 0 || value != kValue1) return 1;
  if (position == 3) {
    Load(kernel, "カウンタ", element, kValue0, time);
  } else if (position == 1 || kernel.Value(first + 1) == kValue1) {
    Load(kernel, "カウンタ", element, kernel.Value(first), time);
  } else {
    // Counting never wraps: all ones grow by one bit.
    const ValueId next = kernel.values().Intern(Increment(kernel.Text(first + kQ)));
    kernel.LogRegister("カウンタ", element, next, time);
    kernel.Schedule(first + kQ, next, time,
                    kernel.DelayFor(kernel.netlist().elements[element].delays[kQ], next));
  }
  return 1;
}

// Address 0, data in 1, data out 2, read 3, write 4.
int Memory(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
           std::int32_t time) {
  const std::uint32_t first = kernel.netlist().elements[element].first_terminal;
  if (position == kQ) return kernel.OutputCollision(first + position, value, time);
  kernel.SetValue(first + position, value);
  MemoryContents& memory = kernel.memories()[element];
  // A copy: interning the value read may move the texts of all values.
  const std::string address = kernel.Text(first);
  if (position == 0 || position == 3) {
    if (kernel.Value(first + 3) != kValue1) return 1;
    // Reading an address never written creates it with "0".
    auto found = memory.find(address);
    if (found == memory.end()) found = memory.emplace(address, MemoryEntry{address, "0"}).first;
    const ValueId read = kernel.values().Intern(found->second.value);
    kernel.LogMemoryTrace(element, address, "(read)", time);
    if (kernel.Value(first + kQ) != read) {
      kernel.Schedule(first + kQ, read, time,
                      kernel.DelayFor(kernel.netlist().elements[element].delays[kQ], read));
    }
  } else if (position == 4 && value == kValue1) {
    MemoryWrite(memory, address, kernel.Text(first + 1));
    kernel.LogMemoryTrace(element, address, "(write)", time);
  }
  return 1;
}

}  // namespace lumo
