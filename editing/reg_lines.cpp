#include "editing/reg_lines.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

namespace {

// The new position of a scroll by steps of `step` (`page` a page), or a
// drag to `dragged` when that lies more than a step away.
long long Scrolled(RegLines::Scroll action, long long now, long long dragged) {
  switch (action) {
    case RegLines::Scroll::kLineBack:
      return now - RegLines::kStep;
    case RegLines::Scroll::kLineForward:
      return now + RegLines::kStep;
    case RegLines::Scroll::kPageBack:
      return now - RegLines::kPage;
    case RegLines::Scroll::kPageForward:
      return now + RegLines::kPage;
    case RegLines::Scroll::kDrag:
      return std::llabs(dragged - now) > RegLines::kStep ? dragged : now;
  }
  return now;
}

}  // namespace

bool RegLines::Add(std::string_view line, int client_height) {
  if (lines_.size() >= kCapacity) {
    ++dropped_;
    return false;
  }
  const long long below = static_cast<long long>(lines_.size() - top_) * kLineHeight;
  if (below > client_height - 20) ++top_;
  lines_.emplace_back(line);
  return true;
}

std::string_view RegLines::Visible(std::size_t index) const {
  const std::string& line = lines_.at(index);
  if (line.size() <= static_cast<std::size_t>(offset_)) return {};
  return std::string_view(line).substr(offset_);
}

bool RegLines::ScrollLines(Scroll action, int percent) {
  const long long n = static_cast<long long>(lines_.size());
  const long long dragged = std::clamp(percent, 0, 100) * n / 100;
  const long long now = static_cast<long long>(top_);
  const long long next = std::clamp(Scrolled(action, now, dragged), 0LL, std::max(n - 1, 0LL));
  if (next == now) return false;
  top_ = static_cast<std::size_t>(next);
  return true;
}

bool RegLines::ScrollColumns(Scroll action, int percent) {
  const long long dragged = std::clamp(percent, 0, 100) * kMaxOffset / 100;
  const long long next =
      std::clamp(Scrolled(action, offset_, dragged), 0LL, static_cast<long long>(kMaxOffset));
  if (next == offset_) return false;
  offset_ = static_cast<int>(next);
  return true;
}

int RegLines::LineThumb() const {
  return static_cast<int>(top_ * 100 / (lines_.size() + 1));
}

void RegLines::Write(std::ostream& out) const {
  for (const std::string& line : lines_)
    out << line << '\n';
}

}  // namespace lumo
