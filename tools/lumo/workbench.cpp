#include "tools/lumo/workbench.h"
#include "common/system_folder.h"

#include <filesystem>

#include "circuit/circuit_errors.h"
#include "common/file_path.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"

namespace lumo::cli {

Workbench::Workbench(std::ostream& err, std::string system_folder)
    : err_(err), system_folder_(std::move(system_folder)), host_(err) {
  RegisterListErrors(errors_);
  RegisterSymbolErrors(errors_);
  RegisterDrawErrors(errors_);
  RegisterCircuitErrors(errors_);
  RegisterConverterErrors(errors_);
  RegisterPatternErrors(errors_);
  RegisterMemoryErrors(errors_);
}

bool Workbench::ReadSchematic(const std::string& path, Draw& draw) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    err_ << "lumo: cannot open " << path << "\n";
    return false;
  }
  const SymbolMessages messages{host_, errors_, errors_};
  if (!system_symbols_.Read(JoinPath(system_folder_, kSymbolLibraryFile), messages)) return false;
  user_symbols_.ReadFolder(FileFolder(path), messages);
  return draw.Read(path) == DrawReadResult::kRead;
}

}  // namespace lumo::cli
