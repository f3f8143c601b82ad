#pragma once

namespace lumo {

// A step of a pane's scroll bar (0..100): a line or a page either way, or
// the box dragged to a place.
enum class ScrollStep { kLineBack, kLineForward, kPageBack, kPageForward, kDrag };

}  // namespace lumo
