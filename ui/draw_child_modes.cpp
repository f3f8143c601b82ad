// DrawChild: what each edit mode does with the mouse.

#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "editing/connection_set.h"
#include "editing/dangling_ends.h"
#include "editing/edit_modes.h"
#include "editing/line_rules.h"
#include "editing/name_entry.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"

namespace lumo {

namespace {

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

void AddAttachedLines(const AttachedLineEnds& place, HiddenRecords& hidden) {
  for (const DrawLine& line : place.lines_starting())
    hidden.lines.insert(&line);
  for (const DrawLine& line : place.lines_ending())
    hidden.lines.insert(&line);
}

}  // namespace

DrawEditor& DrawChild::editor() {
  return frame_.editor();
}

bool DrawChild::LastStepIsOurs() {
  return last_step_ != 0 && draw_.generation() == last_step_ && editor().CanUndo();
}

void DrawChild::RememberLastStep(std::uint64_t before) {
  last_step_ = draw_.generation() != before ? draw_.generation() : 0;
}

void DrawChild::SetEditMode(int mode) {
  Leave();
  last_placed_ = nullptr;
  selection_ = {};
  naming_ = {};
  move_ = {};
  connection_set_.clear();
  ChangeMode(mode);
  Render();
}

void DrawChild::ForgetRecords() {
  last_placed_ = nullptr;
  selection_ = {};
  naming_ = {};
  move_ = {};
  connection_set_.clear();
  marked_[0] = marked_[1] = nullptr;
  if (mode_ == kModePlaced) mode_ = kModePlace;
  if (mode_ == kModeLineEnd || mode_ == kModeLinePending) mode_ = kModeLineStart;
  if (mode_ == kModeDeleteSelected) mode_ = kModeDeletePick;
  if (mode_ >= kModeMoveElement && mode_ <= kModeMoved) mode_ = kModeMovePick;
  shown_.clear();
  Invalidate();
}

void DrawChild::LeftDown(LogicalPoint at) {
  switch (mode_) {
    case kModePlace:
    case kModePlaced:
      Place(at);
      break;
    case kModeLineStart:
      if (StartSegment(at)) Render();
      break;
    case kModeLinePending:
      AddPendingSegment();
      ChangeMode(kModeLineStart);
      StartSegment(at);
      Render();
      break;
    case kModeName:
      NameAt(at);
      break;
    case kModeDeletePick:
      SelectForDelete(at);
      break;
    case kModeDeleteSelected:
      DeleteSelection();
      SelectForDelete(at);
      break;
    case kModeMovePick:
    case kModeMoved:
      PickForMove(at);
      break;
    case kModeFlip:
      FlipAt(at);
      break;
    case kModeConnection:
      CheckConnectionAt(at);
      break;
    default:
      break;
  }
}

void DrawChild::LeftUp(LogicalPoint at) {
  if (mode_ == kModeLineEnd) {
    const std::optional<LineEndPoint> end = LineEndAt(at);
    if (!end) return;  // refused: the rubber line keeps following
    end_ = *end;
    ChangeMode(kModeLinePending);
    Render();
  } else if (mode_ >= kModeMoveElement && mode_ <= kModeMoveJunction) {
    PutDown(at);
  }
}

void DrawChild::RightDown() {
  switch (mode_) {
    case kModePlaced:
      // The placement is taken back as the undo command would.
      if (last_placed_ != nullptr && LastStepIsOurs()) {
        editor().Undo();
        frame_.UpdateTitles();
      } else if (last_placed_ != nullptr) {
        editor().Edit([this] { draw_.DeleteElement(*last_placed_); });
      }
      last_placed_ = nullptr;
      ChangeMode(kModePlace);
      break;
    case kModeLineEnd:
      ChangeMode(kModeLineStart);
      break;
    case kModeLinePending:
      ChangeMode(kModeLineEnd);
      break;
    case kModeDeleteSelected:
      selection_ = {};
      ChangeMode(kModeDeletePick);
      break;
    case kModeMoveElement:
    case kModeMoveLine:
    case kModeMoveJunction:
      // Nothing was moved yet: the item is simply shown where it was.
      move_ = {};
      app_.set_dragging(false);
      ChangeMode(kModeMovePick);
      break;
    case kModeMoved:
      UndoMove();
      ChangeMode(kModeMovePick);
      break;
    default:
      return;
  }
  Render();
}

void DrawChild::DeleteKey() {
  if (mode_ != kModeDeleteSelected) return;
  DeleteSelection();
  ChangeMode(kModeDeletePick);
  Render();
}

void DrawChild::EscapeKey() {
  DropUnfinished();
}

bool DrawChild::DropUnfinished() {
  switch (mode_) {
    case kModeLineEnd:
    case kModeLinePending:
      ChangeMode(kModeLineStart);
      break;
    case kModeMoveElement:
    case kModeMoveLine:
    case kModeMoveJunction:
      RightDown();  // the drag ends where it began
      return true;
    default:
      return false;
  }
  Render();
  return true;
}

void DrawChild::Leave() {
  if (!inside_) return;
  TakeOffFeedback();
  inside_ = false;
  viewport()->unsetCursor();
  int next = mode_;
  switch (mode_) {
    case kModePlaced:
      last_placed_ = nullptr;
      next = kModePlace;
      break;
    case kModeLineEnd:
      next = kModeLineStart;
      break;
    case kModeLinePending:
      AddPendingSegment();
      next = kModeLineStart;
      break;
    case kModeDeleteSelected:
      selection_ = {};
      next = kModeDeletePick;
      break;
    case kModeMoveElement:
    case kModeMoveLine:
    case kModeMoveJunction:
    case kModeMoved:
      move_ = {};
      next = kModeMovePick;
      break;
    case kModeConnection:
      if (connection_set_.empty()) return;
      connection_set_.clear();
      Render();
      return;
    default:
      return;
  }
  ChangeMode(next);
  Render();
}

// ---- Place ----

void DrawChild::Place(LogicalPoint at) {
  if (to_place_ == nullptr) return;
  const std::uint64_t before = draw_.generation();
  last_placed_ = &editor().Edit([&]() -> DrawElement& {
    return draw_.PlaceElement(*to_place_, Clamped(at.x), Clamped(at.y), to_place_->orientation,
                              to_place_->logic);
  });
  RememberLastStep(before);
  ChangeMode(kModePlaced);
  Render();
}

// ---- Draw line ----

std::optional<DrawChild::LineEndPoint> DrawChild::LineStartAt(LogicalPoint at) const {
  const DrawPick pick = draw_.PickTerminalOrJunction(Clamped(at.x), Clamped(at.y));
  if (pick.terminal != nullptr) {
    if (pick.terminal->line() != nullptr) return std::nullopt;
    return LineEndPoint{{pick.terminal->x(), pick.terminal->y()}, true};
  }
  if (pick.junction != nullptr) return LineEndPoint{{pick.junction->x(), pick.junction->y()}, true};
  if (PointOnAnyLine(draw_, at.x, at.y)) return std::nullopt;
  return LineEndPoint{at, false};
}

std::optional<DrawChild::LineEndPoint> DrawChild::LineEndAt(LogicalPoint at) const {
  const std::optional<LineEndPoint> end = LineStartAt(at);
  if (!end || end->at == start_.at) return std::nullopt;
  if (OverlapsAnyLine(draw_, Segment{start_.at.x, start_.at.y, end->at.x, end->at.y}))
    return std::nullopt;
  return end;
}

bool DrawChild::StartSegment(LogicalPoint at) {
  const std::optional<LineEndPoint> start = LineStartAt(at);
  if (!start) return false;
  start_ = *start;
  ChangeMode(kModeLineEnd);
  return true;
}

void DrawChild::AddPendingSegment() {
  editor().Edit([this] {
    draw_.AddLine(Clamped(start_.at.x), Clamped(start_.at.y), Clamped(end_.at.x),
                  Clamped(end_.at.y));
  });
}

// ---- Name ----

void DrawChild::NameAt(LogicalPoint at) {
  const DrawPick pick = draw_.PickElementOrLine(Clamped(at.x), Clamped(at.y));
  if (pick.empty()) return;
  naming_ = pick;
  Render();
  const std::string& current = pick.element != nullptr ? pick.element->name() : pick.line->name();
  const QPoint near = viewport()->mapToGlobal(DevicePoint(at.x, at.y));
  const std::optional<std::string> typed = app_.dialogs().AskName(&frame_, current, near);
  // Cancel keeps the old name.
  if (typed) {
    std::string name = NameFromEntry(*typed);
    editor().Edit([&] {
      if (pick.element != nullptr)
        draw_.Rename(*pick.element, std::move(name));
      else
        draw_.Rename(*pick.line, std::move(name));
    });
  }
  naming_ = {};
  Render();
}

// ---- Delete ----

void DrawChild::SelectForDelete(LogicalPoint at) {
  selection_ = draw_.PickElementOrLine(Clamped(at.x), Clamped(at.y));
  ChangeMode(selection_.empty() ? kModeDeletePick : kModeDeleteSelected);
  Render();
}

void DrawChild::DeleteSelection() {
  editor().Edit([this] {
    if (selection_.element != nullptr) draw_.DeleteElement(*selection_.element);
    if (selection_.line != nullptr) draw_.DeleteLine(*selection_.line);
  });
  selection_ = {};
}

// ---- Move ----

void DrawChild::PickForMove(LogicalPoint at) {
  const DrawPick pick = draw_.PickElementLineOrJunction(Clamped(at.x), Clamped(at.y));
  move_ = {};
  if (pick.element != nullptr) {
    move_.element = pick.element;
    move_.before = {pick.element->x(), pick.element->y()};
    move_.hidden.element = pick.element;
    for (const DrawTerminal& terminal : pick.element->terminals())
      AddAttachedLines(terminal, move_.hidden);
    ChangeMode(kModeMoveElement);
  } else if (pick.line != nullptr) {
    move_.line = pick.line;
    move_.before = at;
    for (DrawJunction* junction : {pick.line->start_junction(), pick.line->end_junction()}) {
      move_.hidden.junctions.insert(junction);
      AddAttachedLines(*junction, move_.hidden);
    }
    ChangeMode(kModeMoveLine);
  } else if (pick.junction != nullptr) {
    move_.junction = pick.junction;
    move_.before = {pick.junction->x(), pick.junction->y()};
    move_.hidden.junctions.insert(pick.junction);
    AddAttachedLines(*pick.junction, move_.hidden);
    ChangeMode(kModeMoveJunction);
  } else {
    ChangeMode(kModeMovePick);
  }
  Render();
}

void DrawChild::PutDown(LogicalPoint at) {
  move_.dx = at.x - move_.before.x;
  move_.dy = at.y - move_.before.y;
  // What was taken out goes back in at the head of its lists, the lines in
  // the order they had.
  std::vector<DrawLine*> lines;
  for (DrawLine& line : draw_.lines())
    if (move_.hidden.Hides(line)) lines.push_back(&line);
  std::vector<DrawJunction*> junctions;
  for (DrawJunction& junction : draw_.junctions())
    if (move_.hidden.junctions.count(&junction) != 0) junctions.push_back(&junction);
  // The whole put-down is one step.
  const std::uint64_t before = draw_.generation();
  editor().Edit([&] {
    if (move_.element != nullptr) {
      draw_.MoveElement(*move_.element, Clamped(at.x), Clamped(at.y));
      draw_.BringToFront(*move_.element);
    } else if (move_.line != nullptr) {
      draw_.MoveLine(*move_.line, Clamped(move_.dx), Clamped(move_.dy));
    } else if (move_.junction != nullptr) {
      draw_.MoveJunction(*move_.junction, Clamped(at.x), Clamped(at.y));
    }
    for (auto junction = junctions.rbegin(); junction != junctions.rend(); ++junction)
      draw_.BringToFront(**junction);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
      draw_.BringToFront(**line);
    if (move_.element != nullptr) JoinDanglingEnds(draw_);
  });
  RememberLastStep(before);
  move_.hidden = HiddenRecords{};
  ChangeMode(kModeMoved);
  Render();
}

void DrawChild::UndoMove() {
  // The put-down is taken back as the undo command would, which also puts
  // the records back in their lists' order and undoes joined line ends.
  if (LastStepIsOurs()) {
    editor().Undo();
    move_ = {};
    frame_.UpdateTitles();
    return;
  }
  editor().Edit([this] { UndoMoveByShift(); });
  move_ = {};
}

void DrawChild::UndoMoveByShift() {
  if (move_.element != nullptr) {
    draw_.MoveElement(*move_.element, Clamped(move_.element->x() - move_.dx),
                      Clamped(move_.element->y() - move_.dy));
  } else if (move_.line != nullptr) {
    draw_.MoveLine(*move_.line, Clamped(-move_.dx), Clamped(-move_.dy));
  } else if (move_.junction != nullptr) {
    draw_.MoveJunction(*move_.junction, Clamped(move_.junction->x() - move_.dx),
                       Clamped(move_.junction->y() - move_.dy));
  }
}

// ---- Flip polarity and connection check ----

void DrawChild::FlipAt(LogicalPoint at) {
  const auto nearest = draw_.NearestElement(Clamped(at.x), Clamped(at.y));
  if (nearest.record == nullptr) return;
  editor().Edit([&] { draw_.FlipPolarity(*nearest.record); });
  Render();
}

void DrawChild::CheckConnectionAt(LogicalPoint at) {
  const auto nearest = draw_.NearestLine(Clamped(at.x), Clamped(at.y));
  if (nearest.record == nullptr) return;
  connection_set_ = ConnectedLines(draw_, *nearest.record);
  Render();
}

}  // namespace lumo
