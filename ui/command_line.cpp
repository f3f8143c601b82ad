#include "ui/command_line.h"

#include <QFile>

namespace lumo {

std::string CommandLineFile(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  const QString& last = arguments.last();
  if (last.isEmpty() || last.startsWith('-')) return {};
  return QFile::encodeName(last).toStdString();
}

bool CommandLineHasFlag(const QStringList& arguments, const QString& flag) {
  return arguments.contains(flag);
}

}  // namespace lumo
