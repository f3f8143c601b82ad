// PatChild: painting, the backing image, scrolling and the crosshair.

#include "ui/pat_child.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/application.h"
#include "ui/pat_pane_host.h"

namespace lumo {

namespace {

const QColor kCrossBlue{0, 0, 255};

}  // namespace

PatChild::PatChild(PatPaneHost& host, Pat& pat, double& scale, QWidget* parent)
    : QAbstractScrollArea(parent), host_(host), pat_(pat), scale_(scale) {
  guard_.set_hosts([this](QWidget& window) { return host_.application().MakeWindowHost(window); });
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setRange(0, 100);
    bar->setPageStep(10);
  }
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int action) { HorizontalAction(action); });
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int action) { VerticalAction(action); });
}

PatChild::~PatChild() = default;

TimeAxis PatChild::Axis() const {
  return TimeAxis{.scale = scale_, .first = time_.first, .left = kPatNameColumn};
}

PatPaintView PatChild::View() const {
  return PatPaintView{&pat_,      Axis(),     first_row_, viewport()->size(),
                      caret_row_, &bus_rows_, overlay_};
}

int PatChild::XOf(std::int64_t time) const {
  return static_cast<int>(std::floor(Axis().X(time)));
}

int PatChild::YOf(int row) const {
  return kPatHeader + (row - first_row_) * kPatRowHeight;
}

int PatChild::RowCountForLayout() const {
  return pat_.count();
}

bool PatChild::Listening() const {
  return !host_.application().activated();
}

void PatChild::Invalidate() {
  render_pending_ = true;
  bus_rows_.clear();
  viewport()->update();
}

void PatChild::PaintNow() {
  Invalidate();
  viewport()->repaint();
  host_.application().ClearActivated();
}

void PatChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    if (render_pending_ || store_.size() != viewport()->size()) {
      HideCross();
      if (store_.size() != viewport()->size())
        store_ = QImage(viewport()->size(), QImage::Format_RGB32);
      Render(store_.rect());
      render_pending_ = false;
      if (inside_) ShowCross(cross_);
    }
    QPainter painter(viewport());
    painter.drawImage(0, 0, store_);
    host_.application().ClearActivated();
  });
}

void PatChild::Render(QRect area) {
  if (store_.isNull()) return;
  QPainter dc(&store_);
  dc.setFont(font());
  PaintPatCanvas(dc, View(), area);
  last_rendered_ = area;
  SyncScrollBars();
}

void PatChild::RenderRows(int first, int last) {
  if (render_pending_ || store_.isNull()) {
    Invalidate();
    return;
  }
  const bool crossed = cross_shown_;
  HideCross();
  const int top = std::max(YOf(first), kPatHeader);
  Render(QRect(0, top, store_.width(), YOf(last + 1) - top));
  if (crossed) ShowCross(cross_);
  viewport()->update();
}

void PatChild::PaintPage(QPainter& dc, QSize client) const {
  PatPaintView view = View();
  view.size = client;
  view.caret_row = -1;
  view.bus_rows = nullptr;
  PaintPatCanvas(dc, view, QRect(QPoint(0, 0), client));
}

// Moves the waveform area (dx) or the rows (dy) of the backing image by
// whole pixels and paints only what came in.
void PatChild::Shift(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  const int width = store_.width(), height = store_.height();
  if (render_pending_ || store_.isNull() || std::abs(dx) >= width - kPatNameColumn ||
      std::abs(dy) >= height - kPatHeader) {
    Invalidate();
    return;
  }
  const bool crossed = cross_shown_;
  HideCross();
  const int stride = static_cast<int>(store_.bytesPerLine());
  uchar* bits = store_.bits();
  if (dx != 0) {
    // The header and every row move sideways; the name column stays.
    const int moved = width - kPatNameColumn - std::abs(dx);
    for (int y = 0; y < height; ++y) {
      auto* line = reinterpret_cast<std::uint32_t*>(bits + y * stride) + kPatNameColumn;
      if (dx > 0)
        std::memmove(line + dx, line, sizeof(std::uint32_t) * moved);
      else
        std::memmove(line, line - dx, sizeof(std::uint32_t) * moved);
    }
    // The strip that came in, and on the right the stretch where labels
    // near the edge are left out.
    const QRect strip = dx < 0 ? QRect(width + dx - 40, 0, -dx + 40, height)
                               : QRect(kPatNameColumn, 0, dx + 40, height);
    Render(strip);
    if (dx > 0) Render(QRect(width - 40, 0, 40, height));
  }
  if (dy != 0) {
    const int lines = height - kPatHeader - std::abs(dy);
    uchar* body = bits + kPatHeader * stride;
    if (dy > 0)
      std::memmove(body + dy * stride, body, static_cast<std::size_t>(stride) * lines);
    else
      std::memmove(body, body - dy * stride, static_cast<std::size_t>(stride) * lines);
    Render(dy < 0 ? QRect(0, height + dy, width, -dy) : QRect(0, kPatHeader, width, dy));
  }
  if (crossed) ShowCross(cross_);
  viewport()->update();
}

void PatChild::ToggleCross() {
  QPainter dc(&store_);
  dc.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  // Not-xor: blue on white, and drawn twice the pixels come back.
  dc.setPen(kCrossBlue);
  dc.drawLine(cross_.x(), 0, cross_.x(), store_.height() - 1);
  dc.drawLine(kPatNameColumn, cross_.y(), cross_.x() - 1, cross_.y());
  dc.drawLine(cross_.x() + 1, cross_.y(), store_.width() - 1, cross_.y());
}

void PatChild::ShowCross(QPoint at) {
  if (store_.isNull()) return;
  HideCross();
  cross_ = at;
  ToggleCross();
  cross_shown_ = true;
  viewport()->update();
}

void PatChild::HideCross() {
  if (!cross_shown_) return;
  ToggleCross();
  cross_shown_ = false;
  viewport()->update();
}

void PatChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  cross_shown_ = false;
  Invalidate();
}

// ---- Zoom and scrolling ----

void PatChild::ZoomIn() {
  scale_ = ZoomedIn(scale_);
  PaintNow();
}

void PatChild::ZoomOut() {
  scale_ = ZoomedOut(scale_);
  PaintNow();
}

void PatChild::SetOverlay(const PatOverlay* overlay) {
  overlay_ = overlay;
  Invalidate();
}

void PatChild::ShowPlace(int row, std::int64_t time) {
  time_.To(time);
  const int shown = std::max(1, (viewport()->height() - kPatHeader) / kPatRowHeight);
  if (row < first_row_ || row >= first_row_ + shown) first_row_ = std::clamp(row, 0, kPatRows - 1);
  Invalidate();
  SyncScrollBars();
}

void PatChild::ScrollTime(int lines) {
  const std::int64_t before = time_.first;
  time_.ByLines(scale_, lines);
  const double pixels = static_cast<double>(time_.first - before) / scale_;
  // A shift of whole pixels keeps the image exact; anything else is
  // painted again.
  if (pixels == std::floor(pixels) && std::abs(pixels) < 1e6)
    Shift(-static_cast<int>(pixels), 0);
  else
    Invalidate();
  SyncScrollBars();
}

void PatChild::ScrollRows(int rows) {
  const int before = first_row_;
  first_row_ = std::clamp(first_row_ + rows, 0, kPatRows - 1);
  Shift(0, (before - first_row_) * kPatRowHeight);
  SyncScrollBars();
}

void PatChild::SyncScrollBars() {
  const QSignalBlocker h(horizontalScrollBar()), v(verticalScrollBar());
  horizontalScrollBar()->setValue(time_.Percent());
  verticalScrollBar()->setValue(RowPercent(first_row_, pat_.count()));
}

void PatChild::HorizontalAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      ScrollTime(1);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      ScrollTime(-1);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      ScrollTime(4);
      break;
    case QAbstractSlider::SliderPageStepSub:
      ScrollTime(-4);
      break;
    case QAbstractSlider::SliderMove: {
      const std::int64_t before = time_.first;
      time_.ToPercent(scale_, horizontalScrollBar()->sliderPosition());
      if (time_.first != before) Invalidate();
      break;
    }
    default:
      break;
  }
  horizontalScrollBar()->setSliderPosition(time_.Percent());
}

void PatChild::VerticalAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      ScrollRows(1);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      ScrollRows(-1);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      ScrollRows(4);
      break;
    case QAbstractSlider::SliderPageStepSub:
      ScrollRows(-4);
      break;
    case QAbstractSlider::SliderMove: {
      const int row = verticalScrollBar()->sliderPosition() * (pat_.count() + 1) / 100;
      ScrollRows(row - first_row_);
      break;
    }
    default:
      break;
  }
  verticalScrollBar()->setSliderPosition(RowPercent(first_row_, pat_.count()));
}

void PatChild::wheelEvent(QWheelEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint steps = event->angleDelta() / 120;
    if (event->modifiers() & Qt::ShiftModifier || steps.x() != 0)
      ScrollTime(-(steps.x() != 0 ? steps.x() : steps.y()));
    else
      ScrollRows(-steps.y());
    event->accept();
  });
}

}  // namespace lumo
