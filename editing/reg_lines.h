#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "editing/scroll_step.h"

namespace lumo {

// The lines of the register-transfer viewer and where its view stands: at
// most 2000 lines (later ones are dropped and counted), the first line shown
// and how many characters are cut from the left of every line (0..100).
// Lines are drawn 12 pixels apart from y = 10, so a new line that would fall
// below the window moves the view down by one.
class RegLines {
 public:
  static constexpr std::size_t kCapacity = 2000;
  static constexpr int kLineHeight = 12;
  static constexpr int kTopMargin = 10;
  static constexpr int kMaxOffset = 100;
  static constexpr int kStep = 4;
  static constexpr int kPage = 16;

  using Scroll = ScrollStep;

  // Keeps a copy of a line, following it with the view when the lines
  // already reach the bottom of a client area `client_height` pixels high.
  // False, with the line counted as dropped, when 2000 are held.
  bool Add(std::string_view line, int client_height);

  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t count() const { return lines_.size(); }
  std::size_t dropped() const { return dropped_; }
  std::size_t top() const { return top_; }
  int offset() const { return offset_; }

  // The part of a line shown at the current offset (empty when the offset
  // cuts it all).
  std::string_view Visible(std::size_t index) const;

  // Scrolls by four lines, or sixteen a page, within the lines; a drag to
  // `percent` moves only when it lands more than four lines away.
  bool ScrollLines(Scroll action, int percent = 0);
  // Scrolls by four characters, sixteen a page, within 0..100.
  bool ScrollColumns(Scroll action, int percent = 0);
  // The scroll bars' positions, 0..100.
  int LineThumb() const;
  int ColumnThumb() const { return offset_; }

  // Every line followed by a line break.
  void Write(std::ostream& out) const;

 private:
  std::vector<std::string> lines_;
  std::size_t dropped_ = 0;
  std::size_t top_ = 0;
  int offset_ = 0;
};

}  // namespace lumo
