// PatFrame: the values of the latest run on the schematic, at the time the
// crosshair points at or the time chosen on the axis, and stepping from
// change to change.

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "editing/pat_modes.h"
#include "schematic/net_map.h"
#include "sim/value_ops.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"

namespace lumo {

namespace {

// Milliseconds between two frames of playing.
constexpr int kPlayTick = 50;
// How far from a line, in schematic units, a probe click still takes it.
constexpr int kProbeReach = 6;

// The settings key of a schematic's probes: its path, spelled in hexadecimal
// so that no character of it means anything to the settings.
QString ProbeKey(const std::string& schematic) {
  return QStringLiteral("Probes/") +
         QString::fromLatin1(QByteArray::fromStdString(schematic).toHex());
}

}  // namespace

void PatFrame::ConnectValues() {
  commands_.action(kPatCmdProbe)->setCheckable(true);
  // The arrow keys and Space step and play only while the waveforms have
  // the focus: the memory-data pane moves between its cells with them.
  for (const int id : {kPatCmdPreviousChange, kPatCmdNextChange, kPatCmdPreviousRowChange,
                       kPatCmdNextRowChange, kPatCmdPlay}) {
    QAction* action = commands_.action(id);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    canvas_->addAction(action);
  }
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
  value_overlay_->SetTrace(std::move(trace), schematic_.draw());
  ForEachInsideView([this](DrawFrame& frame, WireValueOverlay& values) {
    values.SetTrace(InsideMatches(frame) ? value_overlay_->shared_trace() : nullptr, frame.draw());
  });
  // A new run starts at its beginning.
  fixed_time_ = value_overlay_->trace() != nullptr ? std::optional<std::int32_t>(0) : std::nullopt;
  ShowValuesAt(fixed_time_);
}

void PatFrame::ShowValuesAt(std::optional<std::int32_t> time) {
  if (value_overlay_->trace() == nullptr) return;
  if (time) value_overlay_->SetTime(*time);
  if (value_overlay_->shown()) schematic_.canvas().RepaintValues();
  ForEachInsideView([&](DrawFrame& frame, WireValueOverlay& values) {
    if (time) values.SetTime(*time);
    if (values.shown()) frame.canvas().RepaintValues();
  });
}

void PatFrame::ToggleValues() {
  value_overlay_->SetShown(!value_overlay_->shown());
  commands_.action(kPatCmdShowValues)->setChecked(value_overlay_->shown());
  schematic_.canvas().RepaintValues();
  ForEachInsideView([this](DrawFrame& frame, WireValueOverlay& values) {
    values.SetShown(value_overlay_->shown());
    frame.canvas().RepaintValues();
  });
}

void PatFrame::StepTo(std::int32_t time) {
  fixed_time_ = time;
  ShowValuesAt(time);
}

void PatFrame::PreviousChange() {
  const SignalTrace* trace = value_overlay_->trace();
  std::int32_t at = 0;
  if (trace != nullptr && trace->PreviousChange(value_overlay_->time().value_or(0), at)) StepTo(at);
}

void PatFrame::NextChange() {
  const SignalTrace* trace = value_overlay_->trace();
  std::int32_t at = 0;
  if (trace != nullptr && trace->NextChange(value_overlay_->time().value_or(0), at)) StepTo(at);
}

std::int32_t PatFrame::CaretSignal() {
  const int row = canvas_->caret_row();
  if (value_overlay_->trace() == nullptr || !value_overlay_->Current(schematic_.draw()) ||
      row < 0 || row >= pat_->count())
    return SignalTrace::kNoSignal;
  // Output rows are named "<circuit>.<pin>", input rows by the pin alone.
  std::string pin = pat_->row(row).name;
  const std::string prefix = schematic_.draw().circuit_name() + ".";
  if (pat_->row(row).kind == RowKind::kOutput && pin.starts_with(prefix))
    pin.erase(0, prefix.size());
  return value_overlay_->SignalOfPin(schematic_.draw(), pin);
}

void PatFrame::PreviousRowChange() {
  const std::int32_t signal = CaretSignal();
  std::int32_t at = 0;
  if (signal != SignalTrace::kNoSignal &&
      value_overlay_->trace()->PreviousChange(static_cast<std::uint32_t>(signal),
                                              value_overlay_->time().value_or(0), at))
    StepTo(at);
}

void PatFrame::NextRowChange() {
  const std::int32_t signal = CaretSignal();
  std::int32_t at = 0;
  if (signal != SignalTrace::kNoSignal &&
      value_overlay_->trace()->NextChange(static_cast<std::uint32_t>(signal),
                                          value_overlay_->time().value_or(0), at))
    StepTo(at);
}

bool PatFrame::playing() const {
  return play_timer_ != nullptr && play_timer_->isActive();
}

void PatFrame::PlayOrPause() {
  if (playing()) {
    play_timer_->stop();
    return;
  }
  const SignalTrace* trace = value_overlay_->trace();
  if (trace == nullptr || trace->changes().empty()) return;
  if (play_timer_ == nullptr) {
    play_timer_ = new QTimer(this);
    play_timer_->setInterval(kPlayTick);
    connect(play_timer_, &QTimer::timeout, this, &PatFrame::PlayStep);
  }
  // From the start again once the end was reached.
  if (value_overlay_->time().value_or(0) >= trace->changes().back().time) StepTo(0);
  play_timer_->start();
}

void PatFrame::PlayStep() {
  const SignalTrace* trace = value_overlay_->trace();
  if (trace == nullptr || trace->changes().empty()) {
    play_timer_->stop();
    return;
  }
  const std::int32_t end = trace->changes().back().time;
  const std::int64_t step =
      play_speed_ > 0 ? std::max<std::int64_t>(1, std::int64_t{play_speed_} * kPlayTick / 1000)
                      : std::max<std::int64_t>(1, std::int64_t{end} * kPlayTick / 10000);
  const std::int64_t next = value_overlay_->time().value_or(0) + step;
  StepTo(static_cast<std::int32_t>(std::min<std::int64_t>(next, end)));
  if (next >= end) play_timer_->stop();
}

void PatFrame::ToggleProbing() {
  probing_ = !probing_;
  commands_.action(kPatCmdProbe)->setChecked(probing_);
  if (schematic_canvas_) SetProbePick(schematic_);
  ForEachInsideView([this](DrawFrame& frame, WireValueOverlay&) { SetProbePick(frame); });
}

bool PatFrame::ProbeAt(std::int32_t x, std::int32_t y) {
  return PickIn(schematic_, x, y);
}

bool PatFrame::ProbeIn(DrawFrame& frame, const WireValueOverlay& values, std::int32_t x,
                       std::int32_t y) {
  const Draw& draw = frame.draw();
  // A changed schematic's nets may be named otherwise than in the run.
  if (!values.Current(draw)) return false;
  const NearestRecord<DrawLine> nearest = draw.NearestLine(x, y);
  // Within a few units of the line, as the other picks of the canvas.
  if (nearest.record == nullptr || nearest.distance > kProbeReach) return false;
  const NetMap nets(draw);
  const int net = nets.NetOf(*nearest.record);
  if (net == NetMap::kNoNet) return false;
  const std::string name = WireValues::NameInside(values.instance(), nets.name(net));
  if (!AddProbeRow(name)) return false;
  probes_.push_back(name);
  probes_ = ProbesShown();
  StoreProbes();
  return true;
}

bool PatFrame::AddProbeRow(const std::string& net) {
  const SignalTrace* trace = value_overlay_->trace();
  if (trace == nullptr || net.empty() || pat_->FindRow(net) >= 0) return false;
  const std::vector<PatEvent> changes = ChangesOf(*trace, net);
  if (changes.empty()) return false;
  const int row = pat_->AppendRow(net, {}, RowKind::kOutput);
  if (row < 0) return false;
  // The values as the output rows hold them: bits as they are, buses in
  // hexadecimal.
  for (const PatEvent& change : changes)
    pat_->row(row).events.Insert(change.time, DisplayValue(change.value));
  Relayout();
  canvas_->Invalidate();
  return true;
}

std::vector<std::string> PatFrame::ProbesShown() const {
  std::vector<std::string> shown;
  for (const std::string& net : probes_) {
    const int row = pat_->FindRow(net);
    if (row >= 0 && pat_->row(row).kind == RowKind::kOutput) shown.push_back(net);
  }
  return shown;
}

void PatFrame::ChoosePlaySpeed() {
  if (const std::optional<int> speed = app_.dialogs().AskPlaySpeed(this, play_speed_))
    play_speed_ = *speed;
}

void PatFrame::StoreProbes() {
  const QString key = ProbeKey(schematic_.draw().path());
  if (probes_.empty()) {
    app_.settings().remove(key);
    return;
  }
  QStringList names;
  for (const std::string& net : probes_)
    names.append(QString::fromStdString(net));
  app_.settings().setValue(key, names);
}

void PatFrame::RestoreProbes() {
  probes_.clear();
  for (const QString& net :
       app_.settings().value(ProbeKey(schematic_.draw().path())).toStringList())
    probes_.push_back(net.toStdString());
}

}  // namespace lumo
