#include "installer/folder_text.h"

namespace install {

namespace {

// The length of the UTF-8 sequence starting at `at`, 0 when it is invalid
// or a control character (C0, DEL).
std::size_t SequenceLength(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x20 || lead == 0x7f) return 0;
  std::size_t length = lead < 0x80                   ? 1
                       : lead >= 0xc2 && lead < 0xe0 ? 2
                       : lead >= 0xe0 && lead < 0xf0 ? 3
                       : lead >= 0xf0 && lead < 0xf5 ? 4
                                                     : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[at + i]) & 0xc0) != 0x80) return 0;
  return length;
}

}  // namespace

bool FolderText::Type(int code) {
  if (code < 32 || code > 126 || text_.size() >= kMaxBytes) return false;
  text_.push_back(static_cast<char>(code));
  return true;
}

bool FolderText::Backspace() {
  if (text_.empty()) return false;
  std::size_t end = text_.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text_[end]) & 0xc0) == 0x80)
    --end;
  text_.erase(end);
  return true;
}

std::size_t FolderText::Paste(const std::string& utf8) {
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::size_t length = SequenceLength(utf8, at);
    if (length == 0 || text_.size() + length > kMaxBytes) break;
    text_.append(utf8, at, length);
    at += length;
  }
  return at;
}

}  // namespace install
