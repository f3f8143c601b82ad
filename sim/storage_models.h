#pragma once

#include <cstdint>

#include "sim/kernel.h"

namespace lumo {

// The evaluators of the register, the counter and the memory. Each logs its
// activity as register-transfer lines.
int Register(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
             std::int32_t time);
int Counter(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
            std::int32_t time);
int Memory(Kernel& kernel, std::uint32_t element, std::uint32_t position, ValueId value,
           std::int32_t time);

// Overwrites the entry of an equal address, else adds one in address order.
void MemoryWrite(MemoryContents& memory, const std::string& address, const std::string& value);

}  // namespace lumo
