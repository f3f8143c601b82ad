#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "editing/sym_editor.h"

#include "ui/canvas_guard.h"

namespace lumo {

class Application;
class SymFrame;

// The symbol editor's canvas: the symbol at double size for editing and at
// actual size beside it, each on its grid, with the names of the
// schematic's external terminals. It paints into a backing image; the
// pointer's marker and the rubber band of a drag are drawn red with the
// not-xor pen and taken off the same way. Mouse events of the large view go
// to the frame's SymbolEditor.
class SymChild : public QWidget {
  Q_OBJECT
 public:
  SymChild(Application& app, SymFrame& frame, QWidget* parent = nullptr);

  // Paints again at the next paint event.
  void Invalidate();
  // Paints now and clears the application's activated flag.
  void PaintNow();
  // The pointer left: a drag is abandoned, the band and marker taken off.
  void Leave();

  const QImage& backing_store() const { return store_; }
  const SymbolViews& views() const { return views_; }
  // The device point of a unit point of the large view.
  QPoint LargePoint(UnitPoint p) const { return {views_.LargeX(p.x), views_.LargeY(p.y)}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // What the not-xor pen shows: the marker at the pointer and the mode's
  // rubber band.
  struct Band {
    bool shown = false;
    int mode = 0;
    UnitPoint pointer, start, chord_end;
  };

  bool Listening() const;
  void Render();
  void PaintGrid(QPainter& dc, int left, int top, int right, int bottom, int ox, int oy, int scale);
  void PaintExternalTerminals(QPainter& dc);
  void PaintSymbol(QPainter& dc);
  void PaintFresh(QPainter& dc);
  void PaintUnmatchedTerminals(QPainter& dc);
  void DrawBand(const Band& band);
  void UpdateBand();
  void TakeOffBand();
  void AfterEdit();

  Application& app_;
  SymFrame& frame_;
  QImage store_;
  SymbolViews views_;
  bool render_pending_ = true;
  bool in_paint_event_ = false;
  bool inside_ = false;
  UnitPoint pointer_;
  Band band_;
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
};

}  // namespace lumo
