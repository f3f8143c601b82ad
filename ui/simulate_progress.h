#pragma once

#include <QDialog>

#include "sim/run_control.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumo {

// The progress of a running simulation over the window that started it: the
// simulated time against the stop time, and a キャンセル button that asks
// the run to stop. Escape and the close button ask the same. It stays open
// until the run is over; whoever runs it closes it.
class SimulateProgress : public QDialog {
 public:
  SimulateProgress(QWidget* owner, RunControl& control);

  // Shows the run's state as it is now.
  void Refresh();

 protected:
  void reject() override;

 private:
  RunControl& control_;
  QLabel* label_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

}  // namespace lumo
