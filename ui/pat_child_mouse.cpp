// PatChild: the mouse by edit mode, typing row names, and recording every
// change in the undo history.

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "editing/pat_modes.h"
#include "ui/application.h"
#include "ui/pat_child.h"
#include "ui/pat_pane_host.h"
#include "ui/user_dialogs.h"

namespace lumo {

void PatChild::Record(std::unique_ptr<EditStep> step, int first, int last, int count_before) {
  if (!step) return;
  bus_rows_.clear();
  host_.history().Done(std::move(step));
  if (pat_.count() != count_before)
    host_.Relayout();
  else
    RenderRows(first, last);
  host_.Edited();
}

void PatChild::ModeEntered() {
  move_source_ = -1;
  if (moving_.recorder) DropMovedEvent();
  moving_ = EventMove{};
}

void PatChild::ForgetEdits() {
  bus_rows_.clear();
  moving_ = EventMove{};
  deleted_.reset();
  deleted_row_ = -1;
  move_source_ = -1;
  if (host_.mode() == kPatModeMoveDrag || host_.mode() == kPatModeMoved)
    host_.SetMode(kPatModeMovePick);
  if (host_.mode() == kPatModeRowMoveTo) host_.SetMode(kPatModeRowMovePick);
}

bool PatChild::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) Leave();
  return QAbstractScrollArea::viewportEvent(event);
}

void PatChild::mouseMoveEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint at = event->position().toPoint();
    if (!inside_) {
      inside_ = true;
      viewport()->setCursor(Qt::BlankCursor);
    }
    const std::int64_t time = Axis().TimeAt(at.x());
    ShowCross(QPoint(XOf(time), at.y()));
    if (at.x() >= kPatNameColumn) Q_EMIT CursorTime(time);
    if (!Listening()) return;
    if (host_.mode() == kPatModeMoveDrag && (event->buttons() & Qt::LeftButton)) Drag(at);
  });
}

void PatChild::mousePressEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    setFocus(Qt::MouseFocusReason);
    if (!Listening()) {
      // The press that follows a command or an activation is dropped; the
      // paint this asks for lets the next one through.
      viewport()->update();
      return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && at.y() < kPatHeader && at.x() >= kPatNameColumn)
      Q_EMIT TimeFixed(Axis().TimeAt(at.x()));
    if (event->button() == Qt::LeftButton) {
      LeftDown(at);
    } else if (event->button() == Qt::RightButton) {
      RightDown(at);
    }
  });
}

void PatChild::mouseReleaseEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (event->button() != Qt::LeftButton || !host_.application().dragging()) return;
    host_.application().set_dragging(false);
    if (!Listening()) return;
    LeftUp();
  });
}

void PatChild::LeftDown(QPoint at) {
  const int row = PatRowAt(at.y(), first_row_);
  const std::int64_t time = Axis().TimeAt(at.x());
  const bool names = at.x() < kPatNameColumn;
  const int count = pat_.count();
  switch (host_.mode()) {
    case kPatModeSingle:
    case kPatModeMulti: {
      if (names) {
        PutCaret(row);
        if (row >= count) {
          TakeRowIn(pat_, row);
          host_.Relayout();
        }
        return;
      }
      if (at.y() < kPatHeader) return;
      RowsRecorder recorder(pat_, row, row);
      if (host_.mode() == kPatModeSingle) {
        SetSingleValue(pat_, row, time);
      } else {
        const std::int32_t at_time = EventTime(time);
        const std::string field =
            host_.application().dialogs().AskValue(this, viewport()->mapToGlobal(at));
        SetMultiValue(pat_, row, at_time, field);
      }
      Record(recorder.Finish(), row, row, count);
      return;
    }
    case kPatModeMovePick:
    case kPatModeMoved:
      host_.application().set_dragging(true);
      if (at.y() >= kPatHeader) PickEvent(row, time);
      return;
    case kPatModeRowDelete: {
      if (at.y() < kPatHeader || row >= count) return;
      RowsRecorder recorder(pat_, row, count - 1);
      if (auto saved = DeleteRow(pat_, row)) {
        deleted_ = std::move(saved);
        deleted_row_ = row;
      }
      Record(recorder.Finish(), row, count - 1, count);
      return;
    }
    case kPatModeRowMovePick:
      if (at.y() < kPatHeader) return;
      move_source_ = row;
      host_.SetMode(kPatModeRowMoveTo);
      return;
    case kPatModeRowMoveTo: {
      if (at.y() < kPatHeader || move_source_ < 0) return;
      const int source = move_source_;
      RowsRecorder recorder(pat_, std::min(source, row), std::max({source, row, count}));
      MoveRow(pat_, source, row);
      move_source_ = -1;
      host_.SetMode(kPatModeRowMovePick);
      Record(recorder.Finish(), std::min(source, row), std::max(source, row), count);
      return;
    }
    default:
      return;
  }
}

void PatChild::RightDown(QPoint at) {
  const int row = PatRowAt(at.y(), first_row_);
  const std::int64_t time = Axis().TimeAt(at.x());
  const int count = pat_.count();
  switch (host_.mode()) {
    case kPatModeSingle:
    case kPatModeMulti: {
      if (at.x() < kPatNameColumn || at.y() < kPatHeader) return;
      RowsRecorder recorder(pat_, row, row);
      RemoveNearest(pat_, row, time, host_.mode() == kPatModeSingle);
      Record(recorder.Finish(), row, row, count);
      return;
    }
    case kPatModeMoved: {
      if (moving_.row >= 0) {
        RowsRecorder recorder(pat_, moving_.row, moving_.row);
        EventList& events = pat_.row(moving_.row).events;
        events.Move(moving_.event, moving_.time_before);
        Realternate(events);
        Record(recorder.Finish(), moving_.row, moving_.row, count);
      }
      moving_ = EventMove{};
      host_.SetMode(kPatModeMovePick);
      return;
    }
    case kPatModeRowDelete: {
      if (!deleted_) return;
      RowsRecorder recorder(pat_, deleted_row_, count);
      if (RestoreDeletedRow(pat_, deleted_row_, *deleted_)) {
        deleted_.reset();
        deleted_row_ = -1;
      }
      Record(recorder.Finish(), 0, count, count);
      return;
    }
    default:
      return;
  }
}

void PatChild::PickEvent(int row, std::int64_t time) {
  const EventList::Nearest nearest = pat_.NearestEvent(row, EventTime(time));
  if (nearest.event == pat_.row(row).events.end()) return;
  moving_.row = row;
  moving_.event = nearest.event;
  moving_.time_before = nearest.event->time;
  moving_.recorder = std::make_unique<RowsRecorder>(pat_, row, row);
  host_.SetMode(kPatModeMoveDrag);
}

void PatChild::Drag(QPoint at) {
  if (!moving_.recorder) return;
  EventList& events = pat_.row(moving_.row).events;
  moving_.event = events.Move(moving_.event, EventTime(Axis().TimeAt(at.x())));
  bus_rows_.clear();
  Realternate(events);
  RenderRows(moving_.row, moving_.row);
}

// The event stays where it was dragged to; the drag is one step.
void PatChild::DropMovedEvent() {
  if (!moving_.recorder) return;
  const int count = pat_.count();
  std::unique_ptr<RowsRecorder> recorder = std::move(moving_.recorder);
  Record(recorder->Finish(), moving_.row, moving_.row, count);
}

void PatChild::LeftUp() {
  if (host_.mode() != kPatModeMoveDrag) return;
  DropMovedEvent();
  host_.SetMode(kPatModeMoved);
}

void PatChild::Leave() {
  HideCross();
  Q_EMIT CursorLeft();
  inside_ = false;
  viewport()->unsetCursor();
  const int mode = host_.mode();
  if (mode == kPatModeMoveDrag) DropMovedEvent();
  if (mode == kPatModeMoveDrag || mode == kPatModeMoved) {
    moving_ = EventMove{};
    host_.SetMode(PatModeAfterLeave(mode));
  }
}

// ---- Typing row names ----

void PatChild::PutCaret(int row) {
  const int before = caret_row_;
  caret_row_ = std::clamp(row, 0, kPatRows - 1);
  RenderRows(std::min(before, caret_row_), std::max(before, caret_row_));
}

void PatChild::Type(int key) {
  const int count = pat_.count();
  RowsRecorder recorder(pat_, caret_row_, caret_row_);
  AppendToName(pat_, caret_row_, key);
  Record(recorder.Finish(), caret_row_, caret_row_, count);
}

void PatChild::Backspace() {
  const int count = pat_.count();
  RowsRecorder recorder(pat_, caret_row_, caret_row_);
  EraseFromName(pat_, caret_row_);
  Record(recorder.Finish(), caret_row_, caret_row_, count);
}

void PatChild::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      Backspace();
      return;
    case Qt::Key_Up:
      PutCaret(std::max(caret_row_ - 1, first_row_));
      return;
    case Qt::Key_Down: {
      const int visible = std::max(1, (viewport()->height() - kPatHeader) / kPatRowHeight);
      PutCaret(std::min(caret_row_ + 1, first_row_ + visible - 1));
      return;
    }
    default:
      break;
  }
  const QByteArray text = event->text().toLatin1();
  if (event->text().size() == 1 && text.size() == 1 &&
      !(event->modifiers() & Qt::ControlModifier)) {
    const int key = static_cast<unsigned char>(text[0]);
    if (key >= 33 && key <= 126) {
      Type(key);
      return;
    }
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace lumo
