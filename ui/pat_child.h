#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "editing/pat_edits.h"
#include "editing/time_axis.h"
#include "pattern/pat.h"
#include "ui/canvas_guard.h"
#include "ui/pat_painter.h"

namespace lumo {

class PatPaneHost;

// The waveform canvas of the waveform editor: the pattern's rows with their
// names and waveforms under a time axis, edited with the mouse by the
// frame's mode and named by typing. It paints into a backing image;
// scrolling shifts the image and paints only the strip that came in. The
// crosshair is drawn onto the image with the not-xor pen and taken off the
// same way. Every change of the pattern is recorded in the host's undo
// history.
class PatChild : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // `scale` is the time scale the schematic window keeps for its editor.
  PatChild(PatPaneHost& host, Pat& pat, double& scale, QWidget* parent = nullptr);
  ~PatChild() override;

  // Paints everything again at the next paint.
  void Invalidate();
  // Paints everything now and clears the application's activated flag.
  void PaintNow();
  // Paints the canvas as shown onto a device of the canvas's client size.
  void PaintPage(QPainter& dc, QSize client) const;

  void ZoomIn();
  void ZoomOut();
  // The frame entered a mode: a pending row move or event move is dropped.
  void ModeEntered();
  // The pattern changed under the canvas (undo, redo, reading a file): the
  // event being moved and the deleted row are forgotten.
  void ForgetEdits();
  int RowCountForLayout() const;

  // Draws `overlay` over the rows from the next paint on (null: nothing).
  // It stays the caller's and must outlive its use here.
  void SetOverlay(const PatOverlay* overlay);
  // Scrolls so that `time` is the first visible time and `row` is in view
  // (it becomes the first row when it was out of view).
  void ShowPlace(int row, std::int64_t time);

  // Scrolling as the scroll bars do: by lines (a page is four).
  void ScrollTime(int lines);
  void ScrollRows(int rows);

  double scale() const { return scale_; }
  std::int64_t first_time() const { return time_.first; }
  std::int64_t time_range() const { return time_.range; }
  int first_row() const { return first_row_; }
  int caret_row() const { return caret_row_; }
  bool crosshair_shown() const { return cross_shown_; }
  const QImage& backing_store() const { return store_; }
  // The pixels the last paint drew anew (for checking that scrolling
  // paints only the strip that came in).
  QRect last_rendered() const { return last_rendered_; }
  // The canvas pixel where a time lies and the row's top.
  int XOf(std::int64_t time) const;
  int YOf(int row) const;

 Q_SIGNALS:
  // The crosshair moved to a time over the waveforms, and left the canvas.
  void CursorTime(qint64 time);
  void CursorLeft();
  // A click on the time axis chose a time.
  void TimeFixed(qint64 time);

 protected:
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int, int) override {}

 private:
  struct EventMove {
    int row = -1;
    EventList::iterator event;
    std::int32_t time_before = 0;
    std::unique_ptr<RowsRecorder> recorder;
  };

  TimeAxis Axis() const;
  PatPaintView View() const;
  bool Listening() const;

  // Painting.
  void Render(QRect area);
  void RenderRows(int first, int last);
  void Shift(int dx, int dy);
  void ToggleCross();
  void ShowCross(QPoint at);
  void HideCross();
  void SyncScrollBars();
  void HorizontalAction(int action);
  void VerticalAction(int action);

  // Editing.
  void Record(std::unique_ptr<EditStep> step, int first, int last, int count_before);
  void LeftDown(QPoint at);
  void LeftUp();
  void RightDown(QPoint at);
  void Drag(QPoint at);
  void Leave();
  void PickEvent(int row, std::int64_t time);
  void DropMovedEvent();
  void PutCaret(int row);
  void Type(int key);
  void Backspace();

  PatPaneHost& host_;
  Pat& pat_;
  double& scale_;
  TimeScroll time_;
  int first_row_ = 0;
  int caret_row_ = 0;
  QImage store_;
  bool render_pending_ = true;
  // Which rows are bus rows, found out as they are painted; forgotten at
  // every change of the pattern and every full paint.
  mutable std::vector<signed char> bus_rows_;
  const PatOverlay* overlay_ = nullptr;
  QRect last_rendered_;

  bool inside_ = false;
  bool cross_shown_ = false;
  QPoint cross_;  // x on the snapped time, y of the pointer

  // The row delete's one level of undo.
  int deleted_row_ = -1;
  std::optional<SavedRow> deleted_;
  int move_source_ = -1;
  EventMove moving_;
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
};

}  // namespace lumo
