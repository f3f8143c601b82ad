// PatFrame: the values of the latest run on the schematic, at the time the
// crosshair points at or the time chosen on the axis, and stepping from
// change to change.

#include <QAction>
#include <QLabel>

#include "editing/pat_modes.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"

namespace lumo {

void PatFrame::ConnectValues() {
  QAction* toggle = commands_.action(kPatCmdShowValues);
  toggle->setCheckable(true);
  toggle->setChecked(value_overlay_->shown());
  schematic_canvas_ = &schematic_.canvas();
  schematic_canvas_->SetValueOverlay(value_overlay_.get());
  connect(canvas_, &PatChild::CursorTime, this,
          [this](qint64 time) { ShowValuesAt(static_cast<std::int32_t>(time)); });
  connect(canvas_, &PatChild::CursorLeft, this, [this] { ShowValuesAt(fixed_time_); });
  connect(canvas_, &PatChild::TimeFixed, this, [this](qint64 time) {
    fixed_time_ = static_cast<std::int32_t>(time);
    ShowValuesAt(fixed_time_);
  });
}

void PatFrame::KeepTrace(std::shared_ptr<const SignalTrace> trace) {
  if (trace != nullptr && trace->capped()) status_->setText(TraceCapNotice(trace->cap()).c_str());
  value_overlay_->SetTrace(std::move(trace));
  // A new run starts at its beginning.
  fixed_time_ = value_overlay_->trace() != nullptr ? std::optional<std::int32_t>(0) : std::nullopt;
  ShowValuesAt(fixed_time_);
}

void PatFrame::ShowValuesAt(std::optional<std::int32_t> time) {
  if (value_overlay_->trace() == nullptr) return;
  if (time) value_overlay_->SetTime(*time);
  if (value_overlay_->shown()) schematic_.canvas().Invalidate();
}

void PatFrame::ToggleValues() {
  value_overlay_->SetShown(!value_overlay_->shown());
  commands_.action(kPatCmdShowValues)->setChecked(value_overlay_->shown());
  schematic_.canvas().Invalidate();
}

void PatFrame::PreviousChange() {
  const SignalTrace* trace = value_overlay_->trace();
  std::int32_t at = 0;
  if (trace == nullptr || !trace->PreviousChange(value_overlay_->time().value_or(0), at)) return;
  fixed_time_ = at;
  ShowValuesAt(at);
}

void PatFrame::NextChange() {
  const SignalTrace* trace = value_overlay_->trace();
  std::int32_t at = 0;
  if (trace == nullptr || !trace->NextChange(value_overlay_->time().value_or(0), at)) return;
  fixed_time_ = at;
  ShowValuesAt(at);
}

}  // namespace lumo
