#pragma once

// Running shipped circuits the way a student's Simulate does (convert,
// expand, simulate with the system folder's data) and reading what came out.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumo::testing {

namespace fs = std::filesystem;

fs::path SourceFolder();
fs::path SystemFolder();  // data/sys
fs::path PartsFolder();   // data/sys/Parts
fs::path SampleFolder();  // data/sample

std::string FileText(const fs::path& path);
void WriteText(const fs::path& path, const std::string& text);

// A working folder of its own, removed afterwards.
class WorkFolder {
 public:
  explicit WorkFolder(const std::string& tag);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  // Copies every file of `folder` in, as a teacher hands out a folder.
  void CopyFilesOf(const fs::path& folder) const;

 private:
  fs::path path_;
};

// The changes of one row, in file order (which is time order).
class Waveform {
 public:
  struct Change {
    std::int32_t time;
    std::string value;
  };
  void Add(std::int32_t time, std::string value) { changes_.push_back({time, std::move(value)}); }
  // The value of the last change at or before `time`; empty before the first.
  std::string At(std::int32_t time) const;
  const std::vector<Change>& changes() const { return changes_; }

 private:
  std::vector<Change> changes_;
};
using Waveforms = std::map<std::string, Waveform>;

// What an input pattern file holds: the rows and, per memory, its
// (address, data) words as written.
struct PatternFile {
  Waveforms rows;
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> memories;
};
PatternFile ReadPatternFile(const fs::path& path);

// The output lines of a run, by the name they carry ("circuit.PIN" for a
// pin, the signal's own name for a recorded signal).
Waveforms ReadOutputFile(const fs::path& path);

// A value as the test compares it: "0"/"1" and hexadecimal numbers become
// their decimal value, so widths do not matter; "x", "z" and "" (no value
// yet) stay as they are.
std::string Normal(const std::string& value);
std::string Decimal(std::uint64_t value);
// The number of a value the pattern gives; -1 for "x", "z" or no value.
std::int64_t NumberOf(const std::string& value);

// The inputs' values at one moment, by row name, as numbers.
using Inputs = std::map<std::string, std::int64_t>;

// Walks a pattern the way its circuit meets it: at each time something
// changes, `change` gets every row that changed (in name order) with the
// new values already in `inputs`; then `settled` gets the moment just
// before the next change (100 after the last, when the run stops), when
// every output has had time to follow. Returns the number of moments.
int Replay(const PatternFile& pattern,
           const std::function<void(const std::string& row, const Inputs& inputs)>& change,
           const std::function<void(std::int32_t time, const Inputs& inputs)>& settled);

// One run from schematic (or circuit file) to output lines.
struct RunResult {
  bool ok = false;           // every stage succeeded
  std::string messages;      // everything the stages reported
  Waveforms outputs;         // LumoOut.tmp
  std::string register_log;  // the register-transfer lines
  std::string statistics;    // what lumo expand printed
};

// Converts <work>/<title>.ldr into <work>/<title>.lcr (skipped when
// `convert` is false: the .lcr is already there), expands it into
// <work>/LumoExp.tmp with the system folder's Parts and the working folder,
// and simulates it with the system folder's delay table and command file
// against `pattern`.
RunResult RunCircuit(const WorkFolder& work, const std::string& title, const fs::path& pattern,
                     bool convert = true);

// Converts a schematic into `circuit` with `lumo convert`; the messages, or
// empty when there were none.
std::string Convert(const fs::path& schematic, const fs::path& circuit, const fs::path& work);

// The findings of the editor's circuit checks that need the expanded
// circuit: every primitive input that lies on no signal, as the check's
// message. Empty when the circuit passes.
std::vector<std::string> UnconnectedPrimitiveInputs(const fs::path& expanded);

// The findings about the schematic's pins: a pin element without a name or
// without a line, and element names that differ only in letter case.
std::vector<std::string> PinFindings(const fs::path& schematic);

// The schematic read and written twice (each read-and-write reverses every
// list, the second restores it); equal to the file when the file is in the
// layout the editor writes.
std::string SchematicRewrittenTwice(const fs::path& schematic);

// The pattern as the waveform editor would write it back after opening it
// for the schematic: its input rows and memories from the schematic, then
// the file read into them. `rows` gets the number of rows.
std::string PatternRewritten(const fs::path& schematic, const fs::path& pattern, int* rows);

}  // namespace lumo::testing
