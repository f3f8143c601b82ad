#pragma once

#include "common/message_host.h"

namespace lumo {

// Shows every message as a modal QMessageBox owned by the message's window
// (a QWidget*, or none).
class QtMessageHost : public MessageHost {
 public:
  MessageAnswer Show(const Message& message) override;
};

}  // namespace lumo
