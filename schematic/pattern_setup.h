#pragma once

#include "pattern/mem.h"
#include "pattern/pat.h"
#include "schematic/draw.h"

namespace lumo {

// The rows and memories a pattern takes from its schematic. An element's
// function is its symbol name; its label is its element name.

// Makes the schematic's circuit name the pattern's schematic name, then one
// input row per "_in" or "_io" element in the schematic's element order
// (name: the label, full name: circuit name + "." + label), as many as the
// table holds; the count becomes their number; the input rows are then
// sorted by name.
void SetupInputs(Pat& pat, const Draw& draw);

// Gives the row of every "_in" element (not "_io") that has no event the
// value "0" from time 0.
void DefaultEvents(Pat& pat, const Draw& draw);

// One memory per "_mem" element in the schematic's element order, named by
// its label, as many as the table holds; the count becomes their number;
// the memories are then sorted by name in byte order (equal names keep
// their order), each with its words.
void SetupMemories(Mem& mem, const Draw& draw);

}  // namespace lumo
