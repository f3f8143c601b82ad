#pragma once

#include <ostream>
#include <string>

#include "checking/compare.h"

namespace lumo::cli {

// The readable report of one check: per expected row the first mismatch
// (time, expected and actual value) and the number of mismatching
// stretches, a missing output row by name, then the verdict line.
void PrintCheckReport(const Comparison& comparison, const std::string& circuit, std::ostream& out);

// The same comparison as JSON, every stretch listed (what a viewer draws).
std::string CheckReportJson(const Comparison& comparison, const std::string& circuit);

// Text as a JSON string, quotes included; bytes of 128 and above pass as
// they are.
std::string JsonString(const std::string& text);

}  // namespace lumo::cli
