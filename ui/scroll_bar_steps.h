#pragma once

#include <QScrollBar>
#include <optional>

#include "editing/scroll_step.h"

namespace lumo {

// The step of a scroll-bar action; nothing for an action that moves none.
std::optional<ScrollStep> ScrollStepOf(int action);
// A bar of positions 0..100 with page steps of 10, as the panes' own
// scrolling rules expect.
void SetUpPercentBar(QScrollBar* bar);

}  // namespace lumo
