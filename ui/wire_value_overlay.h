#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "schematic/draw.h"
#include "schematic/net_map.h"
#include "sim/signal_trace.h"
#include "workflow/wire_values.h"

namespace lumo {

class SchematicPainter;

// The values of a run drawn over a schematic at one time: each wire in the
// style of its level (ui/wire_value_style.h), each bus once with its value
// in hexadecimal at the middle of its longest segment, and a legend in the
// corner where it hides the fewest wires (the top-right one when it hides
// none). The waveform editor owns it and sets its run and time;
// the schematic canvas paints it after the schematic while it is active.
class WireValueOverlay {
 public:
  // The trace of the latest run of `draw` as it is now; null when there is
  // none. Once the schematic is changed its nets may be named otherwise
  // than in the run, so nothing is drawn until the next run.
  void SetTrace(std::shared_ptr<const SignalTrace> trace, const Draw& draw);
  const SignalTrace* trace() const { return trace_.get(); }
  const std::shared_ptr<const SignalTrace>& shared_trace() const { return trace_; }
  // The instance whose inside the schematic is ("X1-"; empty: the circuit
  // that was run), and its name for the legend.
  void SetInstance(std::string prefix, std::string caption) {
    instance_ = std::move(prefix);
    caption_ = std::move(caption);
    values_.reset();
  }
  const std::string& instance() const { return instance_; }
  void SetShown(bool shown) { shown_ = shown; }
  bool shown() const { return shown_; }
  void SetTime(std::int32_t time) { time_ = time; }
  std::optional<std::int32_t> time() const { return time_; }
  // Drawn at all: switched on, with a run and a time.
  bool active() const { return shown_ && trace_ != nullptr && time_.has_value(); }
  // True while the schematic is as it was simulated.
  bool Current(const Draw& draw) const {
    return draw.generation() == run_generation_ && draw.reloads() == run_reloads_;
  }

  // The trace's signal on the schematic's pin of that name; kNoSignal when
  // there is none (or no run).
  std::int32_t SignalOfPin(const Draw& draw, const std::string& pin);
  // The value a line shows now (kNone when the overlay is not active).
  WireValue ValueOf(const Draw& draw, const DrawLine& line);
  void Paint(const Draw& draw, SchematicPainter& painter, QPainter& dc, QSize client);

 private:
  // The map of the schematic as it is now: made again after every change,
  // as lines may have come and gone.
  void Refresh(const Draw& draw);
  // The legend: the time (and whose inside), then a sample of each level.
  static constexpr int kLegendMargin = 8;
  static void SetLegendFont(QPainter& dc);
  QString LegendTitle() const;
  QSize LegendSize(QPainter& dc) const;
  static std::array<QRect, 4> LegendCorners(QSize legend, QSize client);
  void PaintLegend(QPainter& dc, const QRect& box) const;

  std::shared_ptr<const SignalTrace> trace_;
  std::string instance_;
  std::string caption_;
  bool shown_ = true;
  std::optional<std::int32_t> time_;
  std::uint64_t run_generation_ = 0;
  std::uint64_t run_reloads_ = 0;
  const Draw* draw_ = nullptr;
  std::uint64_t generation_ = 0;
  std::uint64_t reloads_ = 0;
  std::unique_ptr<NetMap> nets_;
  std::unique_ptr<WireValues> values_;
};

}  // namespace lumo
