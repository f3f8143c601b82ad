#pragma once

#include <ostream>
#include <string>

#include "lists/list_cell.h"

namespace lumo {

// Writes the structure under `cell` as list text on one line (file form): the
// form every document writer uses and the reader takes back.
void PrintFileForm(const ListCell* cell, std::ostream& out);

// The same structure as message text: integers and reals in their short
// forms, strings quoted only when they hold white space or parentheses.
std::string MessageForm(const ListCell* cell);

// The file form of a real: six significant digits with the point and
// trailing zeros always shown ("2.50000", "100.000", "1.00000e-06").
std::string FileFormOfDouble(double value);

// A name as a document writer puts it: bare when it reads back bare, else in
// double quotes.
std::string QuotedIfNeeded(const std::string& text);

}  // namespace lumo
