#pragma once

#include <deque>
#include <vector>

#include "common/message_host.h"

namespace lumo {

// Keeps every message shown and answers questions from a queue (Yes when the
// queue is empty), so tests never wait on a dialog.
class RecordingMessageHost : public MessageHost {
 public:
  MessageAnswer Show(const Message& message) override;

  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  const std::vector<Message>& Messages() const { return messages_; }
  // The text of the only message shown; empty when none or several were.
  std::string OnlyText() const;
  void Clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
  std::deque<MessageAnswer> answers_;
};

}  // namespace lumo
