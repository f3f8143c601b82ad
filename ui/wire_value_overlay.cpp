#include "ui/wire_value_overlay.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/schematic_painter.h"
#include "ui/wire_value_style.h"

namespace lumo {

void WireValueOverlay::SetTrace(std::shared_ptr<const SignalTrace> trace, const Draw& draw) {
  trace_ = std::move(trace);
  run_generation_ = draw.generation();
  run_reloads_ = draw.reloads();
  values_.reset();
  nets_.reset();
  draw_ = nullptr;
  time_.reset();
}

void WireValueOverlay::Refresh(const Draw& draw) {
  if (draw_ == &draw && generation_ == draw.generation() && reloads_ == draw.reloads() && values_)
    return;
  draw_ = &draw;
  generation_ = draw.generation();
  reloads_ = draw.reloads();
  values_.reset();
  nets_ = std::make_unique<NetMap>(draw);
  values_ = std::make_unique<WireValues>(*nets_, *trace_, instance_);
}

std::int32_t WireValueOverlay::SignalOfPin(const Draw& draw, const std::string& pin) {
  if (trace_ == nullptr) return SignalTrace::kNoSignal;
  Refresh(draw);
  return values_->SignalOfPin(draw, pin);
}

WireValue WireValueOverlay::ValueOf(const Draw& draw, const DrawLine& line) {
  if (!active() || !Current(draw)) return {};
  Refresh(draw);
  return values_->At(nets_->NetOf(line), *time_);
}

void WireValueOverlay::Paint(const Draw& draw, SchematicPainter& painter, QPainter& dc,
                             QSize client) {
  if (!active() || !Current(draw)) return;
  Refresh(draw);
  const std::int32_t time = *time_;
  // The legend goes to the corner where it hides the fewest wires.
  const QSize legend = LegendSize(dc);
  const std::array<QRect, 4> corners = LegendCorners(legend, client);
  std::array<int, 4> hidden{};
  // Each net's value once per paint, and the longest visible segment of
  // each bus for its label.
  std::vector<std::optional<WireValue>> of_net(nets_->net_count());
  std::vector<const DrawLine*> label_line(nets_->net_count(), nullptr);
  std::vector<double> label_length(nets_->net_count(), -1);
  dc.save();
  dc.setRenderHint(QPainter::Antialiasing, false);
  for (const DrawLine& line : draw.lines()) {
    if (!painter.LineVisible(line)) continue;
    const int net = nets_->NetOf(line);
    if (net == NetMap::kNoNet) continue;
    std::optional<WireValue>& value = of_net[static_cast<std::size_t>(net)];
    if (!value) value = values_->At(net, time);
    if (value->level == WireLevel::kNone) continue;
    const WireStyle style = StyleOf(value->level);
    dc.setPen(QPen(style.color, style.width, style.dash, Qt::FlatCap));
    const QPointF from(painter.DeviceX(line.x1()), painter.DeviceY(line.y1()));
    const QPointF to(painter.DeviceX(line.x2()), painter.DeviceY(line.y2()));
    dc.drawLine(from, to);
    const QRectF span = QRectF(from, to).normalized().adjusted(-1, -1, 1, 1);
    for (std::size_t corner = 0; corner < corners.size(); ++corner)
      if (span.intersects(corners[corner])) ++hidden[corner];
    if (value->label.empty()) continue;
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    if (length > label_length[static_cast<std::size_t>(net)]) {
      label_length[static_cast<std::size_t>(net)] = length;
      label_line[static_cast<std::size_t>(net)] = &line;
    }
  }
  // The labels over every wire: white boxes with the value in dark text.
  QFont font = dc.font();
  font.setPixelSize(12);
  font.setBold(true);
  dc.setFont(font);
  const QFontMetrics metrics(font);
  for (std::size_t net = 0; net < label_line.size(); ++net) {
    const DrawLine* line = label_line[net];
    if (line == nullptr) continue;
    const QString text = QString::fromStdString(of_net[net]->label);
    const QPointF middle((painter.DeviceX(line->x1()) + painter.DeviceX(line->x2())) / 2,
                         (painter.DeviceY(line->y1()) + painter.DeviceY(line->y2())) / 2);
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    box.moveCenter(middle - QPointF(0, metrics.height() / 2.0 + 3));
    dc.setPen(QPen(StyleOf(WireLevel::kBus).color, 1));
    dc.setBrush(Qt::white);
    dc.drawRect(box);
    dc.drawText(box, Qt::AlignCenter, text);
  }
  const auto fewest = std::min_element(hidden.begin(), hidden.end());
  PaintLegend(dc, corners[static_cast<std::size_t>(fewest - hidden.begin())]);
  dc.restore();
}

std::array<QRect, 4> WireValueOverlay::LegendCorners(QSize legend, QSize client) {
  const int right = client.width() - legend.width() - kLegendMargin;
  const int bottom = client.height() - legend.height() - kLegendMargin;
  // Top-right first: where the legend stands when nothing is in the way.
  return {QRect(QPoint(right, kLegendMargin), legend), QRect(QPoint(right, bottom), legend),
          QRect(QPoint(kLegendMargin, bottom), legend),
          QRect(QPoint(kLegendMargin, kLegendMargin), legend)};
}

void WireValueOverlay::SetLegendFont(QPainter& dc) {
  QFont font = dc.font();
  font.setPixelSize(12);
  font.setBold(false);
  dc.setFont(font);
}

QString WireValueOverlay::LegendTitle() const {
  QString title = QString("時刻 %1").arg(*time_);
  if (!caption_.empty()) title = QString::fromStdString(caption_) + QStringLiteral("　") + title;
  return title;
}

QSize WireValueOverlay::LegendSize(QPainter& dc) const {
  SetLegendFont(dc);
  const QFontMetrics metrics(dc.font());
  int text_width = metrics.horizontalAdvance(LegendTitle());
  for (const WireLevel level : kLegendLevels)
    text_width = std::max(text_width, metrics.horizontalAdvance(StyleOf(level).legend));
  const int row = metrics.height() + 4;
  return {40 + text_width + 16, row * (1 + static_cast<int>(std::size(kLegendLevels))) + 8};
}

void WireValueOverlay::PaintLegend(QPainter& dc, const QRect& box) const {
  SetLegendFont(dc);
  const QFontMetrics metrics(dc.font());
  const int row = metrics.height() + 4;
  const int width = box.width();
  dc.setPen(QPen(Qt::black, 1));
  dc.setBrush(Qt::white);
  dc.drawRect(box);
  dc.drawText(QRect(box.left() + 8, box.top() + 4, width - 16, row),
              Qt::AlignLeft | Qt::AlignVCenter, LegendTitle());
  int y = box.top() + 4 + row;
  for (const WireLevel level : kLegendLevels) {
    const WireStyle style = StyleOf(level);
    dc.setPen(QPen(style.color, style.width, style.dash, Qt::FlatCap));
    dc.drawLine(box.left() + 8, y + row / 2, box.left() + 36, y + row / 2);
    dc.setPen(QPen(Qt::black, 1));
    dc.drawText(QRect(box.left() + 44, y, width - 52, row), Qt::AlignLeft | Qt::AlignVCenter,
                style.legend);
    y += row;
  }
}

}  // namespace lumo
