#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace lumo::cli {

// Exit codes of lumo check beyond kOk (everything matches) and kFailed (a
// mismatch): the circuit did not simulate, or the check could not be made.
inline constexpr int kCheckNotSimulated = 2;

// One schematic checked against an expected file, in a working folder of
// the check's own: the schematic and the symbol and circuit files beside it
// are copied there first, so nothing is written beside the schematic.
struct CheckRequest {
  std::string schematic{};
  std::string expect{};       // may be empty with write_expect
  std::string pattern{};      // empty: the file's inputs, else <circuit>[0].lpt
  std::string work_folder{};  // an existing folder that the check may fill
  std::string system_folder{};
  std::string report{};        // JSON report, when not empty
  std::string write_expect{};  // the run's outputs as an expected file
};

// What a class summary shows of one check.
struct CheckSummary {
  std::size_t mismatches = 0;
  std::string first_row{};
  std::int32_t first_time = 0;
  std::string expected{};
  std::string actual{};
};

// Runs the check: report on `out`, the stages' messages on `err`. Returns
// kOk, kFailed or kCheckNotSimulated; fills `summary` when not null.
int CheckSubmission(const CheckRequest& request, std::ostream& out, std::ostream& err,
                    CheckSummary* summary);

// Checks every submission of a class folder in parallel; see lumo check's
// usage text.
struct ClassRequest {
  std::string folder{};
  std::string expect{};
  std::string pattern{};
  std::string system_folder{};
  std::string out_folder{};  // where the CSV and HTML summaries go
  int jobs = 1;
  double time_limit = 10;  // seconds per submission
  bool keep = false;       // keep the working folders (their path is printed)
};
int CheckClass(const ClassRequest& request, std::ostream& out, std::ostream& err);

}  // namespace lumo::cli
