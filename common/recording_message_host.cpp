#include "common/recording_message_host.h"

namespace lumo {

MessageAnswer RecordingMessageHost::Show(const Message& message) {
  messages_.push_back(message);
  if (message.buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  if (answers_.empty()) return MessageAnswer::kYes;
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::string RecordingMessageHost::OnlyText() const {
  return messages_.size() == 1 ? messages_.front().text : std::string();
}

}  // namespace lumo
