#include "workflow/inside_schematic.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "circuit/circuit_store.h"
#include "circuit/sub_circuit_files.h"
#include "common/file_path.h"
#include "common/recording_message_host.h"
#include "schematic/circuit_converter.h"

namespace lumo {

namespace {

// The whole file; nullopt when it cannot be read.
std::optional<std::string> FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

// The schematic beside a circuit file: the same name with ".ldr".
std::string SchematicBeside(const std::string& circuit_path) {
  return std::filesystem::path(circuit_path).replace_extension(".ldr").string();
}

}  // namespace

InsideSchematic FindInsideSchematic(const RunFolders& folders, const std::string& function,
                                    const ErrorTable& errors) {
  InsideSchematic inside;
  SubCircuitFiles files(folders.Parts(), folders.work_folder);
  inside.circuit_path = files.PathOf(function);
  if (inside.circuit_path.empty()) return inside;
  if (FileFolder(inside.circuit_path) == folders.Parts()) {
    inside.found = InsideFound::kLibraryPart;
    return inside;
  }
  inside.schematic_path = SchematicBeside(inside.circuit_path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(inside.schematic_path, error)) {
    inside.found = InsideFound::kNoSchematic;
    return inside;
  }
  const std::string scratch = JoinPath(folders.work_folder, kInsideCheckFile);
  CircuitStore store;
  RecordingMessageHost quiet;
  CircuitConverter converter(store, quiet, errors, folders.work_folder);
  const bool converted = converter.Convert(inside.schematic_path, scratch);
  const std::optional<std::string> now = converted ? FileText(scratch) : std::nullopt;
  const std::optional<std::string> read = FileText(inside.circuit_path);
  std::filesystem::remove(scratch, error);
  inside.found = now && read && *now == *read ? InsideFound::kFound : InsideFound::kChanged;
  return inside;
}

std::string InsideRefusal(const InsideSchematic& inside, const std::string& instance,
                          const std::string& function) {
  switch (inside.found) {
    case InsideFound::kFound:
    case InsideFound::kNoCircuit:
      return {};
    case InsideFound::kLibraryPart:
      return "素子 " + instance + " の回路 " + function +
             " はライブラリの回路なので，中を表示できません。";
    case InsideFound::kNoSchematic:
      return "素子 " + instance + " の回路図 " + inside.schematic_path + " がありません。";
    case InsideFound::kChanged:
      return "回路図 " + inside.schematic_path + " は回路ファイル " + inside.circuit_path +
             " を作った後で変更されています。中の値を見るには，その回路図をシミュレーションしなおし"
             "てください。";
  }
  return {};
}

}  // namespace lumo
