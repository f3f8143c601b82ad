// lumo-draw: the commands of lumo that draw with Qt.

#include <iostream>

#include "tools/lumo/commands.h"

int main(int argc, char** argv) {
  const lumo::cli::Arguments args(argv + 1, argv + argc);
  if (args.empty() || (args[0] != "symbols" && args[0] != "waveforms")) {
    std::cerr << "usage: lumo-draw symbols|waveforms ARGS... (started by lumo)\n";
    return lumo::cli::kUsage;
  }
  const lumo::cli::Arguments rest(args.begin() + 1, args.end());
  if (args[0] == "waveforms") return lumo::cli::WaveformsCommand(rest, std::cout, std::cerr);
  return lumo::cli::SymbolsCommand(rest, std::cout, std::cerr);
}
