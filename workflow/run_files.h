#pragma once

#include <string>

namespace lumo {

// Every file a run reads from the system folder or writes into the working
// folder, named once. The converter's own intermediates (LumoDraw.tmp,
// LumoCir.tmp) are named beside it in schematic/circuit_converter.h.
inline constexpr const char* kDelayFile = "LumoCAD.dly";
inline constexpr const char* kCommandFile = "LumoCAD.cmd";
inline constexpr const char* kPartsFolder = "Parts";
inline constexpr const char* kExpandedFile = "LumoExp.tmp";
inline constexpr const char* kOutputFile = "LumoOut.tmp";
inline constexpr const char* kRegisterLogFile = "LumoReg.tmp";
inline constexpr const char* kStatisticsFile = "LumoSta.tmp";
// Held locked by the run that uses the working folder (workflow/run_lock.h).
inline constexpr const char* kRunLockFile = "LumoLock.tmp";
// A sub-circuit's schematic converted again, to compare with its circuit
// file before its inside is shown with a run's values.
inline constexpr const char* kInsideCheckFile = "LumoIns.tmp";

// The two folders of a run and the paths of its files in them.
struct RunFolders {
  std::string system_folder;
  std::string work_folder;

  std::string Delays() const;
  std::string Commands() const;
  std::string Parts() const;
  // <work>/<circuit>.lcr, the converted schematic.
  std::string Circuit(const std::string& circuit_name) const;
  std::string Expanded() const;
  std::string Output() const;
  std::string RegisterLog() const;
  std::string Statistics() const;
  std::string LockFile() const;
};

}  // namespace lumo
