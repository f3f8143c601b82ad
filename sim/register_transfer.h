#pragma once

#include <string>
#include <vector>

namespace lumo {

// Receives the register-transfer lines of a run (register loads, counter
// steps, memory traces) as they happen: the viewer window, a file, or a
// test's recorder.
class RegisterTransferSink {
 public:
  virtual ~RegisterTransferSink() = default;
  virtual void Line(const std::string& line) = 0;
};

class RecordingRegisterTransferSink : public RegisterTransferSink {
 public:
  void Line(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

}  // namespace lumo
