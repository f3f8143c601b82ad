#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/draw_edits.h"
#include "schematic/draw.h"
#include "ui/canvas_guard.h"
#include "ui/schematic_painter.h"
#include "ui/schematic_picture.h"
#include "ui/xor_shape.h"

namespace lumo {

class WireValueOverlay;

class Application;
class DrawFrame;

// What the symbol chooser keeps per schematic window between openings.
struct ChooserState {
  int mode = 0;
  // The display mode the delete mode was entered from, which a right click
  // returns to.
  int mode_before_delete = 0;
  int scroll_x[2] = {0, 0};
  int scroll_y[2] = {0, 0};
};

// A point of the schematic plane.
struct LogicalPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const LogicalPoint&) const = default;
};

// The canvas of a schematic window: paints the schematic on its grid into
// a backing image, scrolls and zooms the shared view, and turns the mouse
// into edits of the schematic by edit mode, with a prompt for each mode.
// Rubber bands and the crosshair are drawn with the not-xor pen onto the
// backing image and taken off again the same way.
class DrawChild : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // For tests: the guard of the mouse and paint handlers.
  CanvasGuard& guard() { return guard_; }
  DrawChild(Application& app, DrawFrame& frame, Draw& draw, QWidget* parent = nullptr);

  DrawFrame& frame() const { return frame_; }
  int edit_mode() const { return mode_; }
  // A command chose a mode: its first state, its prompt and its button.
  void SetEditMode(int mode);

  // Paints again at the next paint event.
  void Invalidate();
  // Paints now: grid, schematic, the mode's highlights; shows the prompt and
  // clears the application's activated flag.
  void PaintNow();
  // Paints again at the next paint event with only a run's values changed:
  // the schematic under them is copied from the last paint when the
  // drawing and view are as they were.
  void RepaintValues();
  // Paints the schematic as the canvas shows it, for printing, onto a
  // device of the canvas's client size, with the circuit-name box.
  void PaintPage(QPainter& dc, QSize client);
  // The notice shown after printing, until the next paint.
  void ShowPrintNotice();
  // A run's values drawn over the wires while it is active (none: never);
  // the waveform editor that owns it repaints the canvas when it changes.
  // A probe pick belongs to the editor whose values the canvas shows, so a
  // change of overlay drops it.
  void SetValueOverlay(WireValueOverlay* overlay) {
    if (overlay != value_overlay_) probe_pick_ = {};
    value_overlay_ = overlay;
  }
  WireValueOverlay* value_overlay() const { return value_overlay_; }
  // While set, a left click gives its logical point to `pick` instead of
  // the edit mode (the waveform editor's probes).
  void SetProbePick(std::function<void(std::int32_t x, std::int32_t y)> pick) {
    probe_pick_ = std::move(pick);
  }

  void ZoomIn();
  void ZoomOut();

  // The keys of the canvas. Delete deletes the item selected in the delete
  // mode; Esc drops the segment being drawn or the item being dragged, as
  // the right button does.
  void DeleteKey();
  void EscapeKey();
  // Drops an unfinished segment or drag as Esc does; false when there was
  // none.
  bool DropUnfinished();

  // Elements to draw with red names at the next paint (circuit checks).
  void Mark(const DrawElement* first, const DrawElement* second);

  // The schematic was cleared or read again: no record is remembered.
  void ForgetRecords();
  // The user symbols changed: the symbol to place is looked up again.
  void SymbolsChanged();

  const Symbol* symbol_to_place() const { return to_place_; }
  void set_symbol_to_place(const Symbol* symbol);
  ChooserState& chooser_state() { return chooser_state_; }

  const QImage& backing_store() const { return store_; }
  // Whether the last paint copied the schematic instead of painting it.
  bool last_paint_reused() const { return picture_.reused(); }
  const std::vector<const DrawLine*>& connection_set() const { return connection_set_; }
  const DrawElement* last_placed() const { return last_placed_; }
  DrawPick selection() const { return selection_; }
  LogicalPoint cursor() const { return cursor_; }
  // The device pixel of a logical point.
  QPoint DevicePoint(std::int64_t x, std::int64_t y) const;

 protected:
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int, int) override {}

 private:
  struct LineEndPoint {
    LogicalPoint at;
    bool fixed = false;  // on a terminal or junction
  };
  // What the move modes carry.
  struct MoveState {
    DrawElement* element = nullptr;
    DrawLine* line = nullptr;
    DrawJunction* junction = nullptr;
    LogicalPoint before;  // element or junction position; the grab point of a line
    std::int64_t dx = 0;  // the last put-down's shift
    std::int64_t dy = 0;
    HiddenRecords hidden;
  };

  bool Listening() const;
  // Every change of the schematic is made through the frame's editor, so
  // that it can be undone.
  DrawEditor& editor();
  // True when the newest step of the history is the one this canvas made
  // last (the right button takes it back): the schematic is still at the
  // generation that step left, and generations are never given twice.
  bool LastStepIsOurs();
  // After a placement or a put-down; `before` is the generation before it.
  void RememberLastStep(std::uint64_t before);
  LogicalPoint SnappedAt(QPoint device) const;
  void ChangeMode(int mode);
  void ShowPrompt();

  void LeftDown(LogicalPoint at);
  void LeftUp(LogicalPoint at);
  void RightDown();
  void Leave();

  void Place(LogicalPoint at);
  // False when the start is refused.
  bool StartSegment(LogicalPoint at);
  std::optional<LineEndPoint> LineStartAt(LogicalPoint at) const;
  std::optional<LineEndPoint> LineEndAt(LogicalPoint at) const;
  void AddPendingSegment();
  void NameAt(LogicalPoint at);
  void SelectForDelete(LogicalPoint at);
  void DeleteSelection();
  void PickForMove(LogicalPoint at);
  void PutDown(LogicalPoint at);
  void UndoMove();
  // The old way back, when the put-down is no longer the newest step.
  void UndoMoveByShift();
  void FlipAt(LogicalPoint at);
  void CheckConnectionAt(LogicalPoint at);

  // Painting.
  // Paints the backing store; `values_only` lets the schematic be copied
  // from the kept picture (RepaintValues).
  void Render(bool values_only = false);
  void PaintDecorations(SchematicPainter& painter, QPainter& dc);
  void PaintMarker(QPainter& dc, const LineEndPoint& point);
  std::vector<XorShape> FeedbackShapes() const;
  void ToggleShapes(const std::vector<XorShape>& shapes);
  void UpdateFeedback();
  void TakeOffFeedback();
  void SyncScrollBars();
  void ScrollAction(int axis, int action);

  Application& app_;
  DrawFrame& frame_;
  Draw& draw_;
  QImage store_;
  bool render_pending_ = true;
  // The pending paint changes only a run's values.
  bool values_only_ = false;
  SchematicPicture picture_;
  bool in_paint_event_ = false;
  int mode_ = 0;
  const Symbol* to_place_ = nullptr;
  std::string to_place_name_;
  bool to_place_is_system_ = false;
  ChooserState chooser_state_;

  bool inside_ = false;
  LogicalPoint cursor_{-100, -100};
  std::vector<XorShape> shown_;
  bool notice_shown_ = false;

  DrawElement* last_placed_ = nullptr;
  LineEndPoint start_;
  LineEndPoint end_;
  DrawPick naming_;
  DrawPick selection_;
  MoveState move_;
  // The generation the last placement or put-down left; 0: none.
  std::uint64_t last_step_ = 0;
  std::vector<const DrawLine*> connection_set_;
  const DrawElement* marked_[2] = {nullptr, nullptr};
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
  WireValueOverlay* value_overlay_ = nullptr;
  std::function<void(std::int32_t, std::int32_t)> probe_pick_;
};

}  // namespace lumo
