#pragma once

#include <QObject>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "common/message_host.h"
#include "sim/register_transfer.h"

namespace lumo {

// Receives the register-transfer lines of a run on the GUI thread, in the
// order the run wrote them.
using RegisterLineSink = std::function<void(const std::string&)>;

// Carries what a run raises on a worker thread to the GUI thread, in the
// order it was raised. Lines are queued and handed on in batches; a message
// first hands on the lines before it, then is shown by the GUI thread's
// host while the worker waits for its answer. Made on the GUI thread, which
// must run an event loop while the worker calls Show or Line.
class RunThreadBridge : public MessageHost, public RegisterTransferSink {
 public:
  RunThreadBridge(MessageHost& host, RegisterLineSink lines)
      : host_(host), lines_(std::move(lines)) {}

  // On the worker.
  MessageAnswer Show(const Message& message) override;
  void Line(const std::string& line) override;

  // On the GUI thread: hands every waiting line on. Call once more when the
  // worker is done, for the lines of its last batch.
  void Deliver();

 private:
  MessageHost& host_;
  RegisterLineSink lines_;
  QObject gui_;  // lives on the GUI thread: what is invoked there runs there
  std::mutex mutex_;
  std::vector<std::string> pending_;
};

}  // namespace lumo
