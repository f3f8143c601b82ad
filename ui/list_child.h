#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include "display/symbol_grid.h"
#include "symbol/symbol_list.h"

#include "ui/canvas_guard.h"

namespace lumo {

class Application;
class ListFrame;

// One pane of the symbol chooser: every symbol of its list in a grid, with
// a vertical scroll bar (positions 0..100). Its scroll offset is kept by the
// schematic window that opened the chooser.
class ListChild : public QAbstractScrollArea {
  Q_OBJECT
 public:
  enum Pane { kSystemPane = 0, kUserPane = 1 };

  ListChild(Application& app, ListFrame& frame, Pane pane, QWidget* parent = nullptr);

  Pane pane() const { return pane_; }
  SymbolList& symbols() const;
  // The grid as last painted.
  const SymbolGridLayout& layout() const { return layout_; }
  int scroll_y() const;
  const QImage& image() const { return image_; }

  // Paints the grid now.
  void PaintNow();
  // A scroll request (QAbstractSlider's actions), as the scroll bar sends it.
  void Scroll(int action);
  // The symbol whose cell strictly holds the pixel, or null.
  Symbol* SymbolAt(QPoint at) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int, int) override {}

 private:
  void Render();
  int& scroll_x_slot() const;
  int& scroll_y_slot() const;
  void SetScrollPosition(int position);

  Application& app_;
  ListFrame& frame_;
  Pane pane_;
  SymbolGridLayout layout_;
  QImage image_;
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
};

}  // namespace lumo
