// lumo convert SCHEMATIC.ldr OUT.lcr: reads the schematic as the editor
// would (reporting a damaged file the same way) and converts it into a
// circuit file, with the intermediate files in the working folder.

#include <vector>

#include "circuit/circuit_store.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw.h"
#include "tools/lumo/commands.h"
#include "tools/lumo/workbench.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo convert SCHEMATIC.ldr OUT.lcr [--sys DIR] [--work DIR]\n"
    "  converts a schematic into a circuit file; LumoCAD.lib comes from the system\n"
    "  folder (default: the program's folder), user symbols from the schematic's\n"
    "  folder, and LumoDraw.tmp and LumoCir.tmp go to the working folder (default:\n"
    "  the folder of OUT.lcr)\n";

struct Options {
  std::string schematic;
  std::string circuit;
  std::string system_folder;
  std::string work_folder;
  bool work_given = false;
};

bool Parse(const Arguments& args, Options& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sys" || args[i] == "--work") {
      if (i + 1 >= args.size()) return false;
      if (args[i] == "--sys") {
        options.system_folder = args[++i];
      } else {
        options.work_folder = args[++i];
        options.work_given = true;
      }
    } else if (args[i].starts_with("--")) {
      return false;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return false;
  options.schematic = files[0];
  options.circuit = files[1];
  if (options.system_folder.empty()) options.system_folder = SystemFolder();
  if (!options.work_given) options.work_folder = FileFolder(options.circuit);
  return true;
}

}  // namespace

int ConvertCommand(const Arguments& args, std::ostream&, std::ostream& err) {
  Options options;
  if (!Parse(args, options)) {
    err << kUsageText;
    return kUsage;
  }
  Workbench bench(err, options.system_folder);
  Draw draw(bench.environment());
  if (!bench.ReadSchematic(options.schematic, draw)) return kFailed;
  CircuitStore store;
  CircuitConverter converter(store, bench.host(), bench.errors(), options.work_folder);
  return converter.Convert(options.schematic, options.circuit) ? kOk : kFailed;
}

}  // namespace lumo::cli
