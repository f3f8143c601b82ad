#pragma once

#include <ostream>

#include "pattern/pat.h"

namespace lumo::cli {

// Prints the rows of a pattern as a text chart: the input rows, then the
// output rows, each with its value changes in time order ("time:value"),
// wrapped under the row's name column.
void PrintWaveformChart(const Pat& pattern, std::ostream& out);

}  // namespace lumo::cli
