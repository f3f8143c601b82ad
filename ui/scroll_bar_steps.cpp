#include "ui/scroll_bar_steps.h"

namespace lumo {

std::optional<ScrollStep> ScrollStepOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollStep::kLineBack;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollStep::kLineForward;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollStep::kPageBack;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollStep::kPageForward;
    case QAbstractSlider::SliderMove:
      return ScrollStep::kDrag;
    default:
      return std::nullopt;
  }
}

void SetUpPercentBar(QScrollBar* bar) {
  bar->setRange(0, 100);
  bar->setSingleStep(1);
  bar->setPageStep(10);
}

}  // namespace lumo
