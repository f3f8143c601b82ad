#pragma once

#include <ostream>

#include "common/message_host.h"

namespace lumo {

// Prints each message to a stream (standard error for the command-line
// tool). Questions are answered with `answer`.
class StreamMessageHost : public MessageHost {
 public:
  explicit StreamMessageHost(std::ostream& out, MessageAnswer answer = MessageAnswer::kNo)
      : out_(out), answer_(answer) {}
  MessageAnswer Show(const Message& message) override;

 private:
  std::ostream& out_;
  MessageAnswer answer_;
};

}  // namespace lumo
