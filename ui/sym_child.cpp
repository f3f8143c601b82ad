// SymChild: the two views, the grid, the marker and rubber bands, and the
// mouse.

#include "ui/sym_child.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "display/draw_symbol.h"
#include "symbol/name_text.h"
#include "ui/application.h"
#include "ui/sym_frame.h"

namespace lumo {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kLightGrey(192, 192, 192);
const QColor kRed(255, 0, 0);

// A copy of the items, as a symbol of their own, to draw them apart.
Symbol SymbolOf(const std::vector<SymbolItem>& items) {
  Symbol part;
  part.positive = std::make_unique<SymbolGraphics>();
  for (const SymbolItem& item : items) {
    if (item.line != nullptr)
      part.positive->lines.PushFront(std::make_unique<SymbolLine>(*item.line));
    if (item.arc != nullptr) part.positive->arcs.PushFront(std::make_unique<SymbolArc>(*item.arc));
    if (item.text != nullptr)
      part.positive->texts.PushFront(std::make_unique<SymbolText>(*item.text));
    if (item.terminal != nullptr)
      part.terminals.PushFront(std::make_unique<SymbolTerminal>(*item.terminal));
  }
  return part;
}

}  // namespace

SymChild::SymChild(Application& app, SymFrame& frame, QWidget* parent)
    : QWidget(parent), app_(app), frame_(frame) {
  guard_.set_hosts([this](QWidget& window) { return app_.MakeWindowHost(window); });
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 200);
}

bool SymChild::Listening() const {
  return frame_.active() && !app_.activated();
}

// ---- Painting ----

void SymChild::Invalidate() {
  render_pending_ = true;
  update();
}

void SymChild::PaintNow() {
  Render();
}

void SymChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    if (render_pending_ || store_.size() != size()) {
      in_paint_event_ = true;
      Render();
      in_paint_event_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, store_);
  });
}

void SymChild::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Invalidate();
}

void SymChild::Render() {
  if (frame_.closed()) return;  // the symbol may have left the user symbols
  const QSize client = size().expandedTo(QSize(1, 1));
  if (store_.size() != client) store_ = QImage(client, QImage::Format_RGB32);
  views_ = LayOutSymbolViews(client.width(), client.height());
  {
    QPainter dc(&store_);
    DisplayLib& lib = app_.display();
    lib.Store(dc);
    lib.SetFontSize(dc, 6, 12);
    lib.SetDrawMode(dc, 0);
    lib.SetColor(dc, Qt::white);
    lib.PutBox(dc, 0, 0, client.width() - 1, client.height() - 1);
    PaintGrid(dc, views_.small_left, views_.small_top, views_.small_right, views_.small_bottom,
              views_.small_x, views_.small_y, 1);
    PaintGrid(dc, views_.large_left, views_.large_top, views_.large_right, views_.large_bottom,
              views_.large_x, views_.large_y, 2);
    PaintExternalTerminals(dc);
    PaintSymbol(dc);
    PaintFresh(dc);
    PaintUnmatchedTerminals(dc);
    lib.Restore(dc);
  }
  frame_.ShowModeStatus();
  app_.ClearActivated();
  render_pending_ = false;
  band_.shown = false;
  if (inside_) UpdateBand();
  if (!in_paint_event_) update();
}

void SymChild::PaintGrid(QPainter& dc, int left, int top, int right, int bottom, int ox, int oy,
                         int scale) {
  DisplayLib& lib = app_.display();
  lib.SetPenColor(dc, kLightGrey);
  const int dot = 4 * scale, line = 12 * scale;
  // Single pixels: the library's lines always have a length.
  for (int x = left; x <= right; x += dot)
    for (int y = top; y <= bottom; y += dot)
      dc.drawPoint(x, y);
  for (int x = left; x <= right; x += line)
    lib.PutLine(dc, x, top, x, bottom);
  for (int y = top; y <= bottom; y += line)
    lib.PutLine(dc, left, y, right, y);
  lib.SetPenColor(dc, kGrey);
  lib.PutLine(dc, left, top, right, top);
  lib.PutLine(dc, right, top, right, bottom);
  lib.PutLine(dc, right, bottom, left, bottom);
  lib.PutLine(dc, left, bottom, left, top);
  lib.PutLine(dc, ox, top, ox, bottom);
  lib.PutLine(dc, left, oy, right, oy);
}

void SymChild::PaintExternalTerminals(QPainter& dc) {
  DisplayLib& lib = app_.display();
  lib.SetTextColor(dc, Qt::black);
  int y = 20;
  for (const ExternalTerminal& terminal : frame_.external_terminals()) {
    lib.TextOut(dc, 20, y, terminal.name);
    y += 16;
  }
}

void SymChild::PaintSymbol(QPainter& dc) {
  DisplayLib& lib = app_.display();
  const Symbol& symbol = frame_.symbol();
  lib.SetPenColor(dc, Qt::black);
  lib.SetTextColor(dc, Qt::black);
  DrawSymbol(lib, dc, symbol, 1, "e1", MaskAll, views_.small_x, views_.small_y, 0, 'p');
  lib.SetFontSize(dc, 12, 24);
  DrawSymbol(lib, dc, symbol, 2, "e1", MaskAll, views_.large_x, views_.large_y, 0, 'p');
  lib.SetFontSize(dc, 6, 12);
}

// The items the tool added last, red in both views until its next action.
void SymChild::PaintFresh(QPainter& dc) {
  const std::vector<SymbolItem>& fresh = frame_.editor().fresh();
  if (fresh.empty()) return;
  DisplayLib& lib = app_.display();
  const Symbol part = SymbolOf(fresh);
  lib.SetColor(dc, kRed);
  lib.SetBrushColor(dc, Qt::white);
  lib.SetTextColor(dc, kRed);
  DrawSymbol(lib, dc, part, 1, "e1", MaskAll, views_.small_x, views_.small_y, 0, 'p');
  lib.SetFontSize(dc, 12, 24);
  DrawSymbol(lib, dc, part, 2, "e1", MaskAll, views_.large_x, views_.large_y, 0, 'p');
  lib.SetFontSize(dc, 6, 12);
  lib.SetTextColor(dc, Qt::black);
}

// A terminal whose name is none of the schematic's external terminals
// could not be connected when the symbol is used: a red square in the large
// view says so.
void SymChild::PaintUnmatchedTerminals(QPainter& dc) {
  DisplayLib& lib = app_.display();
  lib.SetPen(dc, kRed, 2);
  for (const SymbolTerminal& terminal : frame_.symbol().terminals) {
    if (frame_.MatchesExternalTerminal(terminal.name)) continue;
    // A square, which no terminal drawing has.
    const QPoint at = LargePoint({terminal.x, terminal.y});
    lib.PutOutline(dc, at.x() - 9, at.y() - 9, at.x() + 9, at.y() + 9);
  }
  lib.SetPen(dc, Qt::black, 1);
}

// ---- The not-xor marker and rubber band ----

void SymChild::DrawBand(const Band& band) {
  QPainter dc(&store_);
  DisplayLib& lib = app_.display();
  lib.Store(dc);
  lib.SetDrawMode(dc, 1);
  lib.SetPenColor(dc, kRed);
  lib.SetBrushColor(dc, Qt::transparent);
  const QPoint p = LargePoint(band.pointer);
  // The marker: a small cross with a gap at the point.
  lib.PutLine(dc, p.x() - 6, p.y(), p.x() - 2, p.y());
  lib.PutLine(dc, p.x() + 2, p.y(), p.x() + 6, p.y());
  lib.PutLine(dc, p.x(), p.y() - 6, p.x(), p.y() - 2);
  lib.PutLine(dc, p.x(), p.y() + 2, p.x(), p.y() + 6);
  const QPoint s = LargePoint(band.start);
  switch (band.mode) {
    case kSymLineDrag:
    case kSymArcChord:
      if (s != p) lib.PutLine(dc, s.x(), s.y(), p.x(), p.y());
      break;
    case kSymBoxDrag:
      if (s != p)
        lib.PutOutline(dc, std::min(s.x(), p.x()), std::min(s.y(), p.y()), std::max(s.x(), p.x()),
                       std::max(s.y(), p.y()));
      break;
    case kSymArcBulge: {
      const QPoint e = LargePoint(band.chord_end);
      lib.PutArcThrough(dc, s.x(), s.y(), e.x(), e.y(), p.x(), p.y());
      break;
    }
    default:
      break;
  }
  lib.Restore(dc);
}

void SymChild::UpdateBand() {
  if (render_pending_) return;
  Band next;
  next.shown = inside_;
  next.mode = frame_.editor().mode();
  next.pointer = pointer_;
  next.start = frame_.editor().drag_start();
  next.chord_end = frame_.editor().chord_end();
  if (band_.shown) DrawBand(band_);
  if (next.shown) DrawBand(next);
  band_ = next;
  update();
}

void SymChild::TakeOffBand() {
  if (band_.shown && !render_pending_) DrawBand(band_);
  band_.shown = false;
  update();
}

// ---- The mouse ----

void SymChild::AfterEdit() {
  frame_.Edited();
  TakeOffBand();
  Render();
}

void SymChild::mouseMoveEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) {
      Leave();
      return;
    }
    if (!Listening()) return;
    if (!inside_) {
      inside_ = true;
      setCursor(Qt::BlankCursor);
    }
    const UnitPoint snapped = views_.UnitAt(at.x(), at.y());
    if (snapped == pointer_ && band_.shown) return;
    pointer_ = snapped;
    UpdateBand();
  });
}

void SymChild::mousePressEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (!Listening()) return;
    if (!inside_) {
      inside_ = true;
      setCursor(Qt::BlankCursor);
    }
    pointer_ = views_.UnitAt(event->position().toPoint().x(), event->position().toPoint().y());
    SymbolEditor& editor = frame_.editor();
    if (event->button() == Qt::LeftButton) {
      app_.set_dragging(true);
      const QPoint global = event->globalPosition().toPoint();
      editor.LeftDown(pointer_, [this, global] { return frame_.AskTerminalName(global); });
      AfterEdit();
    } else if (event->button() == Qt::RightButton) {
      editor.RightDown();
      AfterEdit();
    }
  });
}

void SymChild::mouseReleaseEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (event->button() != Qt::LeftButton || !app_.dragging()) return;
    app_.set_dragging(false);
    if (!Listening()) return;
    pointer_ = views_.UnitAt(event->position().toPoint().x(), event->position().toPoint().y());
    frame_.editor().LeftUp(pointer_);
    AfterEdit();
  });
}

bool SymChild::event(QEvent* event) {
  if (event->type() == QEvent::Leave) Leave();
  return QWidget::event(event);
}

void SymChild::Leave() {
  if (!inside_) return;
  inside_ = false;
  unsetCursor();
  TakeOffBand();
  const int before = frame_.editor().mode();
  frame_.editor().Leave();
  if (frame_.editor().mode() != before) Render();
}

}  // namespace lumo
