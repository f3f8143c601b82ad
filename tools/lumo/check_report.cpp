#include "tools/lumo/check_report.h"

#include <cstdio>

namespace lumo::cli {

void PrintCheckReport(const Comparison& comparison, const std::string& circuit, std::ostream& out) {
  out << "circuit " << circuit << ", compared from " << comparison.from << " to " << comparison.to
      << "\n";
  std::size_t width = 4;
  for (const RowComparison& row : comparison.rows)
    width = std::max(width, row.name.size());
  for (const RowComparison& row : comparison.rows) {
    out << "  " << row.name << std::string(width - row.name.size() + 2, ' ');
    if (row.missing) {
      out << "missing: the circuit has no output " << row.name << " (出力がありません)\n";
    } else if (row.mismatches.empty()) {
      out << "ok\n";
    } else {
      const Mismatch& first = row.mismatches.front();
      out << "first mismatch at " << first.from << ": expected " << first.expected << ", actual "
          << first.actual << "; " << row.mismatches.size() << " mismatching interval"
          << (row.mismatches.size() == 1 ? "" : "s") << "\n";
    }
  }
  const std::size_t count = comparison.MismatchCount();
  if (count == 0)
    out << "verdict: pass (一致)\n";
  else
    out << "verdict: fail (不一致 " << count << " 箇所)\n";
}

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string CheckReportJson(const Comparison& comparison, const std::string& circuit) {
  std::string json = "{\"circuit\": " + JsonString(circuit) + ", \"verdict\": \"" +
                     (comparison.Matches() ? "pass" : "fail") +
                     "\", \"from\": " + std::to_string(comparison.from) +
                     ", \"to\": " + std::to_string(comparison.to) +
                     ", \"mismatches\": " + std::to_string(comparison.MismatchCount()) +
                     ",\n \"rows\": [";
  for (std::size_t r = 0; r < comparison.rows.size(); ++r) {
    const RowComparison& row = comparison.rows[r];
    json += std::string(r == 0 ? "" : ",") + "\n  {\"name\": " + JsonString(row.name) +
            ", \"missing\": " + (row.missing ? "true" : "false") + ", \"mismatches\": [";
    for (std::size_t m = 0; m < row.mismatches.size(); ++m) {
      const Mismatch& mismatch = row.mismatches[m];
      json += std::string(m == 0 ? "" : ", ") + "{\"from\": " + std::to_string(mismatch.from) +
              ", \"to\": " + std::to_string(mismatch.to) +
              ", \"expected\": " + JsonString(mismatch.expected) +
              ", \"actual\": " + JsonString(mismatch.actual) + "}";
    }
    json += "]}";
  }
  return json + "\n]}\n";
}

}  // namespace lumo::cli
