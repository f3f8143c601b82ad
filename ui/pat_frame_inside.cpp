// PatFrame: the inside of a placed sub-circuit. In the probe mode a click on
// an instance opens its schematic in a window of its own, with the run's
// values under the instance's names; probes and further instances can be
// picked there as on the schematic that was run.

#include <algorithm>

#include "schematic/element_names.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "workflow/inside_schematic.h"
#include "workflow/run_lock.h"

namespace lumo {

namespace {

// How far from an element's place, in schematic units, a click still
// takes it.
constexpr int kInstanceReach = 24;

}  // namespace

bool PatFrame::OpenInsideAt(DrawFrame& from, const WireValueOverlay& values, std::int32_t x,
                            std::int32_t y) {
  if (values.trace() == nullptr || !values.Current(from.draw())) return false;
  const NearestRecord<DrawElement> nearest = from.draw().NearestElement(x, y);
  if (nearest.record == nullptr || nearest.distance > kInstanceReach) return false;
  const DrawElement& element = *nearest.record;
  const std::string name = CircuitElementName(from.draw(), element);
  if (name.empty() || IsPinSymbol(element.symbol_name())) return false;

  // The check converts the schematic again in the working folder: not
  // while a run uses it.
  const RunFolders folders{app_.system_folder(), app_.work_folder()};
  InsideSchematic inside;
  {
    RunLock lock(folders.work_folder);
    if (lock.TryTake() == RunLock::State::kBusy) {
      from.host().Warn(kRunFolderBusyText);
      return false;
    }
    inside = FindInsideSchematic(folders, element.symbol_name(), app_.errors());
  }
  if (inside.found != InsideFound::kFound) {
    const std::string refusal = InsideRefusal(inside, name, element.symbol_name());
    if (refusal.empty()) return false;  // a primitive: nothing to open
    from.host().Warn(refusal);
    return true;
  }

  const std::string instance = values.instance() + name + "-";
  DrawFrame* frame = nullptr;
  for (DrawFrame* open : app_.frames())
    if (open->draw().path() == inside.schematic_path) frame = open;
  if (frame == nullptr) {
    frame = from.NewWindow();
    // Over the right half of the schematic, above this editor, so that
    // the waveforms stay in view while the cursor moves.
    const QRect over = schematic_.geometry();
    const int bottom = std::max(over.top() + 240, geometry().top() - 8);
    frame->setGeometry(over.center().x(), over.top(), over.width() / 2, bottom - over.top());
    frame->OpenAtStart(inside.schematic_path);
  }
  frame->show();
  frame->raise();
  frame->activateWindow();
  // A window showing another waveform editor's run keeps it.
  WireValueOverlay* shown = frame->canvas().value_overlay();
  const auto view = std::find_if(inside_views_.begin(), inside_views_.end(),
                                 [&](const InsideView& v) { return v.overlay.get() == shown; });
  if (shown != nullptr && view == inside_views_.end()) return true;
  WireValueOverlay* overlay = shown;
  if (overlay == nullptr) {
    inside_views_.push_back({frame, std::make_unique<WireValueOverlay>(), {}});
    overlay = inside_views_.back().overlay.get();
  }
  for (InsideView& v : inside_views_)
    if (v.overlay.get() == overlay) v.function = element.symbol_name();
  overlay->SetInstance(instance, instance.substr(0, instance.size() - 1) + " の中");
  // A window with unsaved changes may name its nets otherwise.
  overlay->SetTrace(frame->draw().Modified() ? nullptr : value_overlay_->shared_trace(),
                    frame->draw());
  overlay->SetShown(value_overlay_->shown());
  if (value_overlay_->time()) overlay->SetTime(*value_overlay_->time());
  frame->canvas().SetValueOverlay(overlay);
  SetProbePick(*frame);
  frame->canvas().Invalidate();
  return true;
}

bool PatFrame::InsideMatches(DrawFrame& frame) {
  if (frame.draw().Modified()) return false;
  const auto view = std::find_if(inside_views_.begin(), inside_views_.end(),
                                 [&](const InsideView& v) { return v.frame == &frame; });
  if (view == inside_views_.end()) return false;
  // Runs one at a time: this one has just ended and holds no lock.
  const InsideSchematic inside = FindInsideSchematic({app_.system_folder(), app_.work_folder()},
                                                     view->function, app_.errors());
  return inside.found == InsideFound::kFound && inside.schematic_path == frame.draw().path();
}

void PatFrame::SetProbePick(DrawFrame& frame) {
  if (!probing_) {
    frame.canvas().SetProbePick({});
    return;
  }
  // Either window may be gone by the time of a click.
  frame.canvas().SetProbePick(
      [self = QPointer<PatFrame>(this), target = QPointer<DrawFrame>(&frame)](std::int32_t x,
                                                                              std::int32_t y) {
        if (self && target) self->PickIn(*target, x, y);
      });
}

bool PatFrame::PickIn(DrawFrame& frame, std::int32_t x, std::int32_t y) {
  // The canvas may show another editor's run by now.
  const WireValueOverlay* values = frame.canvas().value_overlay();
  const bool ours =
      values != nullptr &&
      (values == value_overlay_.get() ||
       std::any_of(inside_views_.begin(), inside_views_.end(),
                   [&](const InsideView& view) { return view.overlay.get() == values; }));
  if (!ours) return false;
  return ProbeIn(frame, *values, x, y) || OpenInsideAt(frame, *values, x, y);
}

void PatFrame::ForEachInsideView(const std::function<void(DrawFrame&, WireValueOverlay&)>& act) {
  // Windows closed meanwhile are forgotten; one that shows another run now
  // is left to it.
  std::erase_if(inside_views_, [](const InsideView& view) {
    return view.frame.isNull() || view.frame->canvas().value_overlay() != view.overlay.get();
  });
  for (InsideView& view : inside_views_)
    act(*view.frame, *view.overlay);
}

std::vector<DrawFrame*> PatFrame::inside_frames() {
  std::vector<DrawFrame*> frames;
  ForEachInsideView([&](DrawFrame& frame, WireValueOverlay&) { frames.push_back(&frame); });
  return frames;
}

void PatFrame::CloseInsideViews() {
  ForEachInsideView([](DrawFrame& frame, WireValueOverlay&) {
    frame.canvas().SetValueOverlay(nullptr);
    frame.canvas().SetProbePick({});
    frame.canvas().Invalidate();
  });
  inside_views_.clear();
}

}  // namespace lumo
