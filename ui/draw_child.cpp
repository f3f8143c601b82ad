// DrawChild: painting, feedback, scrolling and the mouse.

#include "ui/draw_child.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "editing/edit_modes.h"
#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/wire_value_overlay.h"

namespace lumo {

namespace {

constexpr const char* kPrintNotice = "印刷が終了したら，再描画ボタン（日の出）を押してください。";
const QColor kCrosshairBlue(0, 0, 255);

const Symbol* FirstSymbolToPlace(const SymbolList& symbols) {
  if (const Symbol* or2 = symbols.Find("_or2")) return or2;
  int index = 0;
  const Symbol* first = nullptr;
  for (const Symbol& symbol : symbols) {
    if (index == 0) first = &symbol;
    if (index++ == 4) return &symbol;
  }
  return first;
}

}  // namespace

DrawChild::DrawChild(Application& app, DrawFrame& frame, Draw& draw, QWidget* parent)
    : QAbstractScrollArea(parent), app_(app), frame_(frame), draw_(draw) {
  guard_.set_hosts([this](QWidget& window) { return app_.MakeWindowHost(window); });
  set_symbol_to_place(FirstSymbolToPlace(app_.system_symbols()));
  viewport()->setMouseTracking(true);
  // Window shortcuts: the keys work wherever the focus is in the window.
  connect(new QShortcut(QKeySequence::Delete, this), &QShortcut::activated, this,
          &DrawChild::DeleteKey);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &DrawChild::EscapeKey);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (int axis : {0, 1}) {
    QScrollBar* bar = axis == 0 ? horizontalScrollBar() : verticalScrollBar();
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, axis](int action) { ScrollAction(axis, action); });
  }
}

QPoint DrawChild::DevicePoint(std::int64_t x, std::int64_t y) const {
  return QPoint(app_.view().ToDeviceX(x), app_.view().ToDeviceY(y));
}

LogicalPoint DrawChild::SnappedAt(QPoint device) const {
  return {SnapToGrid(app_.view().ToLogicalX(device.x())),
          SnapToGrid(app_.view().ToLogicalY(device.y()))};
}

bool DrawChild::Listening() const {
  return app_.active_frame() == &frame_ && !app_.activated();
}

void DrawChild::set_symbol_to_place(const Symbol* symbol) {
  to_place_ = symbol;
  // Remembered apart from the symbol, which goes when it is a user symbol
  // and the user symbols are read again.
  to_place_name_ = symbol != nullptr ? symbol->name : std::string();
  to_place_is_system_ = std::any_of(app_.system_symbols().begin(), app_.system_symbols().end(),
                                    [symbol](const Symbol& s) { return &s == symbol; });
  Invalidate();
}

void DrawChild::SymbolsChanged() {
  // A user symbol to place is found again by name; when it is gone, the
  // first symbol to place is taken again.
  if (!to_place_is_system_) {
    const Symbol* found =
        to_place_name_.empty() ? nullptr : app_.user_symbols().Find(to_place_name_);
    if (found == nullptr) found = FirstSymbolToPlace(app_.system_symbols());
    set_symbol_to_place(found);
  }
  shown_.clear();
  Invalidate();
}

void DrawChild::Mark(const DrawElement* first, const DrawElement* second) {
  marked_[0] = first;
  marked_[1] = second;
}

// ---- Painting ----

void DrawChild::Invalidate() {
  values_only_ = false;
  render_pending_ = true;
  viewport()->update();
}

void DrawChild::RepaintValues() {
  // A full paint already waiting stays full.
  if (!render_pending_) values_only_ = true;
  render_pending_ = true;
  viewport()->update();
}

void DrawChild::PaintNow() {
  Render();
}

void DrawChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    if (render_pending_ || store_.size() != viewport()->size()) {
      in_paint_event_ = true;
      Render(values_only_);
      in_paint_event_ = false;
    }
    QPainter painter(viewport());
    painter.drawImage(0, 0, store_);
  });
}

void DrawChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Invalidate();
}

void DrawChild::Render(bool values_only) {
  values_only_ = false;
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  if (store_.size() != size) store_ = QImage(size, QImage::Format_RGB32);
  DisplayLib& lib = app_.display();
  const bool dragging = mode_ >= kModeMoveElement && mode_ <= kModeMoveJunction;
  // While a run's values are shown the schematic under them is kept, so
  // that moving the time cursor paints only the values again.
  const bool overlay = value_overlay_ != nullptr && value_overlay_->active();
  picture_.Paint(store_, lib, app_.view(), draw_, dragging ? move_.hidden : HiddenRecords{},
                 values_only, overlay);
  {
    QPainter dc(&store_);
    lib.Store(dc);
    SchematicPainter painter(lib, dc, app_.view(), size);
    painter.SetUpFonts();
    if (overlay) value_overlay_->Paint(draw_, painter, dc, size);
    for (const DrawElement* element : marked_)
      if (element != nullptr) painter.PaintElement(*element, {Qt::black, kHighlightRed, Qt::red});
    PaintDecorations(painter, dc);
    lib.Restore(dc);
  }
  frame_.UpdateTitles();
  SyncScrollBars();
  if (mode_ == kModeNone) mode_ = kModePlace;
  ShowPrompt();
  app_.ClearActivated();
  marked_[0] = marked_[1] = nullptr;
  render_pending_ = false;
  notice_shown_ = false;
  shown_.clear();
  if (inside_) {
    shown_ = FeedbackShapes();
    ToggleShapes(shown_);
  }
  if (!in_paint_event_) viewport()->update();
}

void DrawChild::PaintMarker(QPainter& dc, const LineEndPoint& point) {
  DisplayLib& lib = app_.display();
  const QPoint at = DevicePoint(point.at.x, point.at.y);
  lib.SetColor(dc, kHighlightRed);
  if (point.fixed) {
    // On a terminal or junction: a small square.
    lib.PutOutline(dc, at.x() - 3, at.y() - 3, at.x() + 3, at.y() + 3);
  } else {
    // A free point, where a junction will be: a small circle.
    lib.PutCircle(dc, at.x(), at.y(), 3);
  }
}

void DrawChild::PaintDecorations(SchematicPainter& painter, QPainter& dc) {
  const ElementColors red{kHighlightRed, kHighlightRed, kHighlightRed};
  switch (mode_) {
    case kModePlaced:
      if (last_placed_ != nullptr)
        painter.PaintElement(*last_placed_, {kPlacedBlue, kPlacedBlue, Qt::red});
      break;
    case kModeLineEnd:
      PaintMarker(dc, start_);
      break;
    case kModeLinePending: {
      app_.display().SetColor(dc, kHighlightRed);
      const QPoint from = DevicePoint(start_.at.x, start_.at.y);
      const QPoint to = DevicePoint(end_.at.x, end_.at.y);
      app_.display().PutLine(dc, from.x(), from.y(), to.x(), to.y());
      PaintMarker(dc, start_);
      PaintMarker(dc, end_);
      break;
    }
    case kModeName:
      if (naming_.element != nullptr)
        painter.PaintElement(*naming_.element, {Qt::black, kHighlightRed, Qt::red});
      if (naming_.line != nullptr) painter.PaintLine(*naming_.line, kHighlightRed);
      break;
    case kModeDeleteSelected:
      if (selection_.element != nullptr) painter.PaintElement(*selection_.element, red);
      if (selection_.line != nullptr) painter.PaintLine(*selection_.line, kHighlightRed);
      break;
    case kModeConnection:
      for (const DrawLine* line : connection_set_)
        painter.PaintLine(*line, kHighlightRed);
      break;
    default:
      break;
  }
}

void DrawChild::PaintPage(QPainter& dc, QSize client) {
  DisplayLib& lib = app_.display();
  lib.Store(dc);
  SchematicPainter painter(lib, dc, app_.view(), client);
  painter.SetUpFonts();
  painter.PaintSchematic(draw_);
  painter.PaintCircuitNameBox(draw_.circuit_name());
  lib.Restore(dc);
}

void DrawChild::ShowPrintNotice() {
  if (render_pending_) Render();
  TakeOffFeedback();
  {
    QPainter dc(&store_);
    DisplayLib& lib = app_.display();
    lib.Store(dc);
    lib.SetFontSize(dc, 6, 12);
    const int right = lib.TextWidth(kPrintNotice) + 120;
    lib.SetBrushColor(dc, Qt::white);
    lib.SetPen(dc, kPlacedBlue, 2);
    lib.PutBox(dc, 100, 110, right, 134);
    lib.SetTextColor(dc, Qt::black);
    lib.TextOut(dc, 110, 114, kPrintNotice);
    lib.Restore(dc);
  }
  notice_shown_ = true;
  viewport()->update();
}

void DrawChild::SyncScrollBars() {
  horizontalScrollBar()->setSliderPosition(app_.view().ScrollPosition(0));
  verticalScrollBar()->setSliderPosition(app_.view().ScrollPosition(1));
}

void DrawChild::ScrollAction(int axis, int action) {
  ViewTransform& view = app_.view();
  bool moved = true;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      view.ScrollLines(axis, 1);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      view.ScrollLines(axis, -1);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      view.ScrollPages(axis, 1);
      break;
    case QAbstractSlider::SliderPageStepSub:
      view.ScrollPages(axis, -1);
      break;
    case QAbstractSlider::SliderMove: {
      QScrollBar* bar = axis == 0 ? horizontalScrollBar() : verticalScrollBar();
      moved = view.ScrollTo(axis, bar->sliderPosition());
      if (!moved) return;  // the box stays where it was dragged
      break;
    }
    default:
      moved = false;
      break;
  }
  if (moved) Render();
  SyncScrollBars();
}

void DrawChild::wheelEvent(QWheelEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint delta = event->angleDelta();
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    const int amount = sideways ? (delta.y() != 0 ? delta.y() : delta.x()) : delta.y();
    if (amount == 0) return;
    ScrollAction(sideways ? 0 : 1, amount > 0 ? QAbstractSlider::SliderSingleStepSub
                                              : QAbstractSlider::SliderSingleStepAdd);
    event->accept();
  });
}

void DrawChild::ZoomIn() {
  app_.view().ZoomIn();
  Render();
}

void DrawChild::ZoomOut() {
  app_.view().ZoomOut();
  Render();
}

// ---- Feedback ----

std::vector<XorShape> DrawChild::FeedbackShapes() const {
  std::vector<XorShape> shapes;
  if (!inside_) return shapes;
  const ViewTransform& view = app_.view();
  const QPoint at = DevicePoint(cursor_.x, cursor_.y);
  if (mode_ != kModeName) {
    XorShape cross;
    cross.kind = XorShape::kCrosshair;
    cross.x0 = at.x();
    cross.y0 = at.y();
    cross.color = kCrosshairBlue;
    shapes.push_back(cross);
  }
  const auto symbol_at = [&](const Symbol* symbol, int orientation, char logic) {
    XorShape outline;
    outline.kind = XorShape::kSymbol;
    outline.symbol = symbol;
    outline.ox = view.ToDeviceXExact(static_cast<double>(cursor_.x));
    outline.oy = view.ToDeviceYExact(static_cast<double>(cursor_.y));
    outline.scale = view.scale();
    outline.orientation = orientation;
    outline.logic = logic;
    shapes.push_back(outline);
  };
  const auto line = [&](LogicalPoint from, LogicalPoint to) {
    XorShape rubber;
    rubber.kind = XorShape::kLine;
    const QPoint a = DevicePoint(from.x, from.y), b = DevicePoint(to.x, to.y);
    rubber.x0 = a.x();
    rubber.y0 = a.y();
    rubber.x1 = b.x();
    rubber.y1 = b.y();
    shapes.push_back(rubber);
  };
  switch (mode_) {
    case kModePlace:
    case kModePlaced:
      if (to_place_ != nullptr) symbol_at(to_place_, to_place_->orientation, to_place_->logic);
      break;
    case kModeLineEnd:
      line(start_.at, cursor_);
      break;
    case kModeMoveElement:
    case kModeMoveLine:
    case kModeMoveJunction: {
      const std::int64_t dx = cursor_.x - move_.before.x;
      const std::int64_t dy = cursor_.y - move_.before.y;
      if (move_.element != nullptr && move_.element->symbol() != nullptr)
        symbol_at(move_.element->symbol(), move_.element->orientation(), move_.element->polarity());
      for (const DrawLine* moved : move_.hidden.lines) {
        LogicalPoint ends[2];
        for (LineEnd end : {LineEnd::kStart, LineEnd::kEnd}) {
          bool moves = false;
          if (move_.element != nullptr) {
            const DrawTerminal* terminal = moved->terminal(end);
            moves = terminal != nullptr && &terminal->element() == move_.element;
          } else {
            moves = move_.hidden.junctions.count(moved->junction(end)) != 0;
          }
          ends[static_cast<int>(end)] = {moved->x(end) + (moves ? dx : 0),
                                         moved->y(end) + (moves ? dy : 0)};
        }
        line(ends[0], ends[1]);
      }
      break;
    }
    default:
      break;
  }
  return shapes;
}

void DrawChild::ToggleShapes(const std::vector<XorShape>& shapes) {
  if (shapes.empty()) return;
  QPainter dc(&store_);
  DisplayLib& lib = app_.display();
  lib.Store(dc);
  for (const XorShape& shape : shapes)
    DrawXorShape(lib, dc, shape, store_.width(), store_.height());
  lib.Restore(dc);
}

void DrawChild::UpdateFeedback() {
  if (render_pending_) return;
  std::vector<XorShape> next = FeedbackShapes();
  ToggleShapes(shown_);
  ToggleShapes(next);
  shown_ = std::move(next);
  viewport()->update();
}

void DrawChild::TakeOffFeedback() {
  if (!render_pending_) ToggleShapes(shown_);
  shown_.clear();
  viewport()->update();
}

// ---- The mouse ----

bool DrawChild::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) Leave();
  return QAbstractScrollArea::viewportEvent(event);
}

void DrawChild::mouseMoveEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint at = event->position().toPoint();
    if (!viewport()->rect().contains(at)) {
      Leave();
      return;
    }
    if (!Listening()) return;
    if (!inside_) {
      inside_ = true;
      if (mode_ != kModeName) viewport()->setCursor(Qt::BlankCursor);
    }
    const LogicalPoint snapped = SnappedAt(at);
    if (snapped == cursor_ && !shown_.empty()) return;
    cursor_ = snapped;
    UpdateFeedback();
  });
}

void DrawChild::mousePressEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (!Listening()) return;
    const QPoint at = event->position().toPoint();
    if (probe_pick_ && event->button() == Qt::LeftButton) {
      probe_pick_(static_cast<std::int32_t>(app_.view().ToLogicalX(at.x())),
                  static_cast<std::int32_t>(app_.view().ToLogicalY(at.y())));
      return;
    }
    if (!inside_) {
      inside_ = true;
      if (mode_ != kModeName) viewport()->setCursor(Qt::BlankCursor);
    }
    cursor_ = SnappedAt(at);
    if (event->button() == Qt::LeftButton) {
      app_.set_dragging(true);
      LeftDown(cursor_);
    } else if (event->button() == Qt::RightButton) {
      RightDown();
    }
  });
}

void DrawChild::mouseReleaseEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (event->button() != Qt::LeftButton || !app_.dragging()) return;
    app_.set_dragging(false);
    if (!Listening()) return;
    cursor_ = SnappedAt(event->position().toPoint());
    LeftUp(cursor_);
  });
}

void DrawChild::ShowPrompt() {
  frame_.ShowPrompt(QString::fromUtf8(ModePrompt(mode_)));
  frame_.PressModeButton(ModeCommand(mode_));
}

void DrawChild::ChangeMode(int mode) {
  mode_ = mode;
  if (mode_ < kModeMoveElement || mode_ > kModeMoveJunction) move_.hidden = HiddenRecords{};
  if (inside_) {
    if (mode_ == kModeName)
      viewport()->unsetCursor();
    else
      viewport()->setCursor(Qt::BlankCursor);
  }
  ShowPrompt();
}

}  // namespace lumo
