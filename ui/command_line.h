#pragma once

#include <QStringList>
#include <string>

namespace lumo {

// The schematic named on the command line (the arguments after the program
// name): the last argument when it is not a flag (a flag begins with '-');
// empty otherwise.
std::string CommandLineFile(const QStringList& arguments);

// True when one of the arguments is exactly `flag`.
bool CommandLineHasFlag(const QStringList& arguments, const QString& flag);

}  // namespace lumo
