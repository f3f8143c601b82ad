#include "ui/simulate_progress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo {

namespace {

// The bar counts in thousandths of the stop time: times are 32-bit, the bar
// is an int, and a finer step would never be seen.
constexpr int kSteps = 1000;

int Steps(std::int32_t time, std::int32_t stop_time) {
  if (stop_time <= 0 || time <= 0) return 0;
  if (time >= stop_time) return kSteps;
  return static_cast<int>(std::int64_t{time} * kSteps / stop_time);
}

}  // namespace

SimulateProgress::SimulateProgress(QWidget* owner, RunControl& control)
    : QDialog(owner), control_(control) {
  setObjectName(QStringLiteral("simulateProgress"));
  setWindowTitle(QStringLiteral("シミュレーション"));
  setWindowModality(Qt::ApplicationModal);
  label_ = new QLabel(this);
  label_->setMinimumWidth(280);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kSteps);
  bar_->setTextVisible(false);
  cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &SimulateProgress::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
  Refresh();
}

void SimulateProgress::Refresh() {
  if (control_.cancelled()) {
    label_->setText(QStringLiteral("シミュレーションを中止しています…"));
    return;
  }
  if (!control_.running()) {
    label_->setText(QStringLiteral("シミュレーションの準備をしています…"));
    return;
  }
  const std::int32_t time = control_.time();
  const std::int32_t stop_time = control_.stop_time();
  label_->setText(QStringLiteral("シミュレーションしています…\n時間 %1 / %2")
                      .arg(std::max(time, std::int32_t{0}))
                      .arg(stop_time));
  bar_->setValue(Steps(time, stop_time));
}

void SimulateProgress::reject() {
  // The dialog goes when the run has stopped, not before.
  control_.Cancel();
  cancel_->setEnabled(false);
  Refresh();
}

}  // namespace lumo
