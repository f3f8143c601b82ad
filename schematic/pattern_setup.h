#pragma once

#include <string>

#include "pattern/mem.h"
#include "pattern/pat.h"
#include "schematic/draw.h"

namespace lumo {

// The rows and memories a pattern takes from its schematic. An element's
// function is its symbol name; its label is its element name.

// The number of "_in" and "_io" elements: each needs a row of the pattern.
int InputPinCount(const Draw& draw);

// The refusal of a schematic with more input pins than a pattern has rows,
// naming the limit. Nothing may be saved then: the waveforms past the last
// row would be lost.
std::string TooManyInputsText();

// Makes the schematic's circuit name the pattern's schematic name, then one
// input row per "_in" or "_io" element in the schematic's element order
// (name: the label, full name: circuit name + "." + label), as many as the
// table holds; the count becomes their number; the input rows are then
// sorted by name. False when some input found no row.
bool SetupInputs(Pat& pat, const Draw& draw);

// Gives the row of every "_in" element (not "_io") that has no event the
// value "0" from time 0.
void DefaultEvents(Pat& pat, const Draw& draw);

// One memory per "_mem" element in the schematic's element order, named by
// its label, as many as the table holds; the count becomes their number;
// the memories are then sorted by name in byte order (equal names keep
// their order), each with its words.
void SetupMemories(Mem& mem, const Draw& draw);

}  // namespace lumo
