#include "ui/reg_child.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <optional>

#include "display/display_lib.h"
#include "ui/scroll_bar_steps.h"

namespace lumo {

RegChild::RegChild(DisplayLib& lib, QWidget* parent) : QAbstractScrollArea(parent), lib_(lib) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetUpPercentBar(horizontalScrollBar());
  SetUpPercentBar(verticalScrollBar());
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &RegChild::ScrollLines);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &RegChild::ScrollColumns);
}

bool RegChild::AddLine(std::string_view line) {
  if (!lines_.Add(line, client_height_)) return false;
  SyncScrollBars();
  viewport()->update();
  return true;
}

void RegChild::PaintLines(QPainter& dc, QSize size) {
  lib_.Store(dc);
  lib_.SetFontSize(dc, 6, 12);
  dc.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  lib_.SelectTextFont(dc, 0);
  lib_.SetTextColor(dc, Qt::black);
  int y = RegLines::kTopMargin;
  for (std::size_t i = lines_.top(); i < lines_.count() && y < size.height();
       ++i, y += RegLines::kLineHeight) {
    const std::string_view visible = lines_.Visible(i);
    if (!visible.empty()) lib_.TextOut(dc, 2, y, visible);
  }
  lib_.Restore(dc);
}

void RegChild::Render() {
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
  client_height_ = size.height();
  QPainter dc(&image_);
  PaintLines(dc, size);
}

void RegChild::SyncScrollBars() {
  verticalScrollBar()->setSliderPosition(lines_.LineThumb());
  horizontalScrollBar()->setSliderPosition(lines_.ColumnThumb());
}

void RegChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    Render();
    QPainter painter(viewport());
    painter.drawImage(0, 0, image_);
  });
}

void RegChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  client_height_ = viewport()->height();
  viewport()->update();
}

void RegChild::ScrollLines(int action) {
  const std::optional<RegLines::Scroll> scroll = ScrollStepOf(action);
  if (!scroll) return;
  lines_.ScrollLines(*scroll, verticalScrollBar()->sliderPosition());
  if (*scroll != RegLines::Scroll::kDrag)
    verticalScrollBar()->setSliderPosition(lines_.LineThumb());
  viewport()->update();
}

void RegChild::ScrollColumns(int action) {
  const std::optional<RegLines::Scroll> scroll = ScrollStepOf(action);
  if (!scroll) return;
  lines_.ScrollColumns(*scroll, horizontalScrollBar()->sliderPosition());
  if (*scroll != RegLines::Scroll::kDrag)
    horizontalScrollBar()->setSliderPosition(lines_.ColumnThumb());
  viewport()->update();
}

void RegChild::wheelEvent(QWheelEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const int amount = event->angleDelta().y();
    if (amount != 0)
      ScrollLines(amount > 0 ? QAbstractSlider::SliderSingleStepSub
                             : QAbstractSlider::SliderSingleStepAdd);
    event->accept();
  });
}

}  // namespace lumo
