#pragma once

#include "common/message_host.h"

class QWidget;

namespace lumo {

// Shows every message as a modal QMessageBox over one window (none: a box of
// its own). Each window keeps one, so its boxes stay with it.
class QtMessageHost : public MessageHost {
 public:
  explicit QtMessageHost(QWidget* window = nullptr) : window_(window) {}
  MessageAnswer Show(const Message& message) override;

 private:
  QWidget* window_;
};

}  // namespace lumo
