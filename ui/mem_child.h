#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>

#include "editing/mem_edits.h"
#include "editing/mem_grid.h"

#include "ui/canvas_guard.h"

class QPainter;

namespace lumo {

class Mem;
class PatPaneHost;

// The memory-data pane of the waveform editor: one row per memory, one
// column per address, the data words in their cells. It follows the frame's
// edit mode: mode 2 places the caret for typing, 6 deletes a row (the right
// button brings the last one back), 7 and 8 move a row. Every change goes
// to the frame's undo history. Both scroll bars run 0..100.
class MemChild : public QAbstractScrollArea {
  Q_OBJECT
 public:
  MemChild(PatPaneHost& host, Mem& mem, QWidget* parent = nullptr);

  // Draws the pane again now and shows the mode's prompt.
  void Repaint();
  // Draws the notice that printing has finished, framed, at (110, 14); it
  // stays until the next Repaint().
  void ShowPrintNotice();
  bool print_notice_shown() const { return notice_shown_; }
  // The rows the frame's layout makes room for: the memory count.
  int RowCountForLayout() const;

  const MemGridView& view() const { return view_; }
  // Where typing goes; nothing is typed until a click in mode 2 placed it.
  const MemCaret& caret() const { return caret_; }
  bool caret_placed() const { return caret_placed_; }
  const QImage& image() const { return image_; }

  // The memories were read or set up anew: the deleted row, the row to move
  // and the caret belong to the old ones and are forgotten.
  void Reset();

  // A scroll bar's action (QAbstractSlider::SliderAction).
  void ScrollColumns(int action);
  void ScrollRows(int action);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int, int) override {}

 private:
  void Render();
  void DrawPrintNotice(QPainter& dc);
  void SyncScrollBars();
  // Hands a change to the history; true when there was one.
  bool Record(std::unique_ptr<EditStep> step);
  // Puts the caret there; a row beyond the table joins it.
  void PlaceCaret(const MemCaret& caret);
  void Type(char c);
  void Shorten();
  void LeftClick(QPoint at);
  void RightClick();

  PatPaneHost& host_;
  Mem& mem_;
  MemGridView view_;
  MemCaret caret_;
  bool caret_placed_ = false;
  std::shared_ptr<MemDeleteSlot> slot_ = std::make_shared<MemDeleteSlot>();
  int move_from_ = -1;
  bool notice_shown_ = false;
  QImage image_;
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
};

}  // namespace lumo
