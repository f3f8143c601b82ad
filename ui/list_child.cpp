#include "ui/list_child.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/list_frame.h"

namespace lumo {

ListChild::ListChild(Application& app, ListFrame& frame, Pane pane, QWidget* parent)
    : QAbstractScrollArea(parent), app_(app), frame_(frame), pane_(pane) {
  guard_.set_hosts([this](QWidget& window) { return app_.MakeWindowHost(window); });
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  verticalScrollBar()->setRange(0, 100);
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(10);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &ListChild::Scroll);
}

SymbolList& ListChild::symbols() const {
  return pane_ == kSystemPane ? app_.system_symbols() : app_.user_symbols();
}

int& ListChild::scroll_x_slot() const {
  return frame_.opener().chooser_state().scroll_x[pane_];
}

int& ListChild::scroll_y_slot() const {
  return frame_.opener().chooser_state().scroll_y[pane_];
}

int ListChild::scroll_y() const {
  return scroll_y_slot();
}

void ListChild::SetScrollPosition(int position) {
  verticalScrollBar()->setSliderPosition(position);
}

void ListChild::PaintNow() {
  Render();
  viewport()->update();
}

void ListChild::Render() {
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
  layout_ = LayOutSymbolGrid(symbols(), size.width());
  if (layout_.total_height > 0)
    SetScrollPosition(
        static_cast<int>(static_cast<long long>(scroll_y_slot()) * 100 / layout_.total_height));
  {
    QPainter dc(&image_);
    DisplayLib& lib = app_.display();
    lib.Store(dc);
    lib.SetFontSize(dc, 6, 12);
    DrawSymbolGrid(lib, dc, symbols(), layout_, size.width(), size.height(), scroll_x_slot(),
                   scroll_y_slot());
    lib.Restore(dc);
  }
  frame_.ShowModeStatus();
}

void ListChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    Render();
    QPainter painter(viewport());
    painter.drawImage(0, 0, image_);
  });
}

void ListChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  viewport()->update();
}

void ListChild::Scroll(int action) {
  int& offset = scroll_y_slot();
  const int cell = layout_.cell_height;
  const int total = layout_.total_height;
  const int most = std::max(total - cell, 0);
  const auto position = [&] { return total > 0 ? static_cast<int>(offset * 100LL / total) : 0; };
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
      offset -= action == QAbstractSlider::SliderSingleStepSub ? cell : 4 * cell;
      if (offset < 0) offset = 0;
      SetScrollPosition(position());
      break;
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
      offset = std::min(offset + (action == QAbstractSlider::SliderSingleStepAdd ? cell : 4 * cell),
                        most);
      SetScrollPosition(position());
      break;
    case QAbstractSlider::SliderMove: {
      const int p = verticalScrollBar()->sliderPosition();
      const int target = static_cast<int>(p * 0.01 * total);
      if (std::abs(target - offset) <= cell) return;
      offset = target;
      break;
    }
    default:
      SetScrollPosition(position());
      return;
  }
  viewport()->update();
}

Symbol* ListChild::SymbolAt(QPoint at) const {
  const int index = SymbolGridHit(layout_, at.x(), at.y(), scroll_x_slot(), scroll_y_slot());
  if (index < 0) return nullptr;
  int i = 0;
  for (Symbol& symbol : symbols())
    if (i++ == index) return &symbol;
  return nullptr;
}

void ListChild::wheelEvent(QWheelEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const int amount = event->angleDelta().y();
    if (amount != 0)
      Scroll(amount > 0 ? QAbstractSlider::SliderSingleStepSub
                        : QAbstractSlider::SliderSingleStepAdd);
    event->accept();
  });
}

void ListChild::mousePressEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (event->button() == Qt::RightButton) frame_.RightClickedPane();
    if (event->button() != Qt::LeftButton) return;
    frame_.ClickedPane(*this, event->position().toPoint());
  });
}

}  // namespace lumo
