#pragma once

#include <cstddef>

#include "schematic/draw.h"

namespace lumo {

// Joins loose line ends to terminals after an element was put down: every
// line end that is alone on its junction moves onto the nearest terminal
// when that terminal is nearer than 8 units and carries no line, and the
// emptied junction goes. Ends are taken in the order of the junction list.
// Returns the number of ends joined.
std::size_t JoinDanglingEnds(Draw& draw);

}  // namespace lumo
