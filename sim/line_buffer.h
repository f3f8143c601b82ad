#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace lumo {

// Collects output lines and hands them to a stream in large blocks; a run
// writes millions of short lines, so appending must be a few stores.
class LineBuffer {
 public:
  explicit LineBuffer(std::ostream& out) : out_(out), bytes_(kBlock + kMaxLine) {}
  ~LineBuffer() { Flush(); }
  LineBuffer(const LineBuffer&) = delete;
  LineBuffer& operator=(const LineBuffer&) = delete;

  void Append(const std::string& text) {
    if (text.size() > kMaxLine / 4) {
      Flush();
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      written_ += text.size();
      return;
    }
    std::memcpy(bytes_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Append(char c) { bytes_[used_++] = c; }
  void Append(std::int32_t number) {
    used_ = static_cast<std::size_t>(
        std::to_chars(bytes_.data() + used_, bytes_.data() + used_ + 16, number).ptr -
        bytes_.data());
  }
  // Called after each line: writes out a full block.
  void EndLine() {
    if (used_ >= kBlock) Flush();
  }
  void Flush() {
    out_.write(bytes_.data(), static_cast<std::streamsize>(used_));
    written_ += used_;
    used_ = 0;
  }
  // Every byte appended so far, written out or not.
  std::uint64_t size() const { return written_ + used_; }

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  // Room for one line past a block: a name, a time and a value of at most
  // this many bytes together (longer texts go straight to the stream).
  static constexpr std::size_t kMaxLine = 1 << 12;

  std::ostream& out_;
  std::vector<char> bytes_;
  std::size_t used_ = 0;
  std::uint64_t written_ = 0;
};

}  // namespace lumo
