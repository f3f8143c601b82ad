#pragma once

#include <string>

namespace install {

// The destination folder as the user types it: UTF-8, at most kMaxBytes.
// Typing accepts the printable ASCII characters; a pasted path may hold
// any character but control characters. Text past the limit is dropped at
// a character boundary, so the folder is never cut inside a character.
class FolderText {
 public:
  static constexpr std::size_t kMaxBytes = 259;

  explicit FolderText(std::string text = "") { Paste(text); }

  const std::string& text() const { return text_; }
  // Whether the key was taken (a code from 32 to 126 that fits).
  bool Type(int code);
  // Removes the last character (a whole UTF-8 sequence); false when empty.
  bool Backspace();
  // Appends what fits of a UTF-8 text; stops at the first control
  // character or invalid sequence. Returns the number of bytes taken.
  std::size_t Paste(const std::string& utf8);

 private:
  std::string text_;
};

}  // namespace install
