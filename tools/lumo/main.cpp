#include <iostream>

#include "tools/lumo/commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return lumo::cli::Main(lumo::cli::Arguments(argv + 1, argv + argc), std::cout, std::cerr);
}
