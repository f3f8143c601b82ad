// lumo-draw: the commands of lumo that draw with Qt.

#include <iostream>

#include "tools/lumo/commands.h"

int main(int argc, char** argv) {
  const lumo::cli::Arguments args(argv + 1, argv + argc);
  if (args.empty() || args[0] != "symbols") {
    std::cerr << "usage: lumo-draw symbols ARGS... (started by lumo symbols)\n";
    return lumo::cli::kUsage;
  }
  return lumo::cli::SymbolsCommand(lumo::cli::Arguments(args.begin() + 1, args.end()), std::cout,
                                   std::cerr);
}
