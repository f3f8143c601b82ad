#include "circuit/terminal.h"

#include "circuit/signal.h"

namespace lumo {

void Terminal::ConnectTo(Signal& signal) {
  Disconnect();
  signal_ = &signal;
  signal_next_ = signal.first_;
  if (signal.first_ != nullptr) signal.first_->signal_previous_ = this;
  signal.first_ = this;
  ++signal.count_;
}

void Terminal::Disconnect() {
  if (signal_ == nullptr) return;
  if (signal_previous_ != nullptr)
    signal_previous_->signal_next_ = signal_next_;
  else
    signal_->first_ = signal_next_;
  if (signal_next_ != nullptr) signal_next_->signal_previous_ = signal_previous_;
  --signal_->count_;
  signal_ = nullptr;
  signal_previous_ = signal_next_ = nullptr;
}

}  // namespace lumo
