#include "ui/run_thread_bridge.h"

namespace lumo {

MessageAnswer RunThreadBridge::Show(const Message& message) {
  MessageAnswer answer = MessageAnswer::kOk;
  QMetaObject::invokeMethod(
      &gui_,
      [&] {
        Deliver();
        answer = host_.Show(message);
      },
      Qt::BlockingQueuedConnection);
  return answer;
}

void RunThreadBridge::Line(const std::string& line) {
  bool first = false;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    first = pending_.empty();
    pending_.push_back(line);
  }
  // One delivery is asked for per batch: the lines that come meanwhile join
  // the batch.
  if (first)
    QMetaObject::invokeMethod(
        &gui_, [this] { Deliver(); }, Qt::QueuedConnection);
}

void RunThreadBridge::Deliver() {
  std::vector<std::string> lines;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    lines.swap(pending_);
  }
  if (!lines_) return;
  for (const std::string& line : lines)
    lines_(line);
}

}  // namespace lumo
