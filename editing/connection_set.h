#pragma once

#include <vector>

#include "schematic/draw.h"

namespace lumo {

// The lines the connection check highlights, starting from `first`: every
// line reached through the junctions at line ends, then every line named
// like the first named line of the set (letter case ignored) and, again,
// everything reached from those through junctions. Lines meeting only at a
// terminal or by coordinates are not joined. The set has no size limit; it
// runs in the order lines were added to it.
std::vector<const DrawLine*> ConnectedLines(const Draw& draw, const DrawLine& first);

}  // namespace lumo
