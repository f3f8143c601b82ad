#include "common/stream_message_host.h"

namespace lumo {

MessageAnswer StreamMessageHost::Show(const Message& message) {
  if (!message.caption.empty()) out_ << message.caption << ": ";
  out_ << message.text;
  if (message.text.empty() || message.text.back() != '\n') out_ << '\n';
  out_.flush();
  return message.buttons == MessageButtons::kOk ? MessageAnswer::kOk : answer_;
}

}  // namespace lumo
