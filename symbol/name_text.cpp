#include "symbol/name_text.h"

#include <cstdint>

namespace lumo {

namespace {

// One decoded character: its value and how many bytes it took.
struct Character {
  std::uint32_t value;
  std::size_t bytes;
};

bool IsShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the UTF-8 sequence starting at `i`, or 0 when it is not a valid
// one (overlong forms, surrogates and values past U+10FFFF are invalid).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t low = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
    low = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    low = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    low = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  std::uint32_t value = c & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if (value < low || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

// Walks a text character by character in the encoding it was found to be in.
class CharacterReader {
 public:
  explicit CharacterReader(std::string_view text) : text_(text), utf8_(IsValidUtf8(text)) {}

  bool utf8() const { return utf8_; }
  bool Done() const { return at_ >= text_.size(); }

  Character Next() {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text_[k]); };
    Character character{byte(at_), 1};
    if (utf8_) {
      const std::size_t length = Utf8SequenceLength(text_, at_);
      if (length > 1) {
        character.value = byte(at_) & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
          character.value = (character.value << 6) | (byte(at_ + k) & 0x3F);
        character.bytes = length;
      }
    } else if (IsShiftJisLead(byte(at_)) && at_ + 1 < text_.size()) {
      character = {byte(at_) * 256u + byte(at_ + 1), 2};
    }
    at_ += character.bytes;
    return character;
  }

 private:
  std::string_view text_;
  bool utf8_;
  std::size_t at_ = 0;
};

std::uint32_t LowerCaseValue(std::uint32_t value, bool utf8) {
  if (value >= 'A' && value <= 'Z') return value + ('a' - 'A');
  if (utf8 && value >= 0xFF21 && value <= 0xFF3A) return value + 0x20;   // Ａ-Ｚ
  if (!utf8 && value >= 0x8260 && value <= 0x8279) return value + 0x21;  // Ａ-Ｚ
  return value;
}

void AppendUtf8(std::uint32_t value, std::string& out) {
  if (value < 0x80) {
    out.push_back(static_cast<char>(value));
  } else if (value < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (value >> 6)));
    out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
  } else if (value < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (value >> 12)));
    out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (value >> 18)));
    out.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
  }
}

// East Asian wide and full-width characters, and the ambiguous ones that the
// Japanese fonts draw full-width (Greek, Cyrillic, arrows, box drawing...).
bool IsWide(std::uint32_t c) {
  struct Range {
    std::uint32_t first, last;
  };
  static constexpr Range kWide[] = {
      {0x00A7, 0x00A8}, {0x00B0, 0x00B1}, {0x00B4, 0x00B4}, {0x00B6, 0x00B6},   {0x00D7, 0x00D7},
      {0x00F7, 0x00F7}, {0x0391, 0x03C9}, {0x0401, 0x0451}, {0x1100, 0x115F},   {0x2010, 0x2027},
      {0x2030, 0x203B}, {0x2100, 0x2199}, {0x21D2, 0x21D4}, {0x2200, 0x22FF},   {0x2312, 0x2312},
      {0x2460, 0x24FF}, {0x2500, 0x257F}, {0x25A0, 0x26FF}, {0x2E80, 0x303E},   {0x3041, 0x33FF},
      {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
      {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
  };
  for (const Range& range : kWide)
    if (c >= range.first && c <= range.last) return true;
  return false;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string LowerCaseName(std::string_view name) {
  std::string lowered;
  lowered.reserve(name.size());
  CharacterReader reader(name);
  while (!reader.Done()) {
    const Character character = reader.Next();
    const std::uint32_t value = LowerCaseValue(character.value, reader.utf8());
    if (reader.utf8()) {
      AppendUtf8(value, lowered);
    } else if (character.bytes == 2) {
      lowered.push_back(static_cast<char>(value >> 8));
      lowered.push_back(static_cast<char>(value & 0xFF));
    } else {
      lowered.push_back(static_cast<char>(value));
    }
  }
  return lowered;
}

int CompareNames(std::string_view a, std::string_view b) {
  CharacterReader left(a), right(b);
  while (!left.Done() && !right.Done()) {
    const std::uint32_t x = LowerCaseValue(left.Next().value, left.utf8());
    const std::uint32_t y = LowerCaseValue(right.Next().value, right.utf8());
    if (x != y) return x < y ? -1 : 1;
  }
  if (left.Done() && right.Done()) return 0;
  return left.Done() ? -1 : 1;
}

bool SameName(std::string_view a, std::string_view b) {
  return LowerCaseName(a) == LowerCaseName(b);
}

int DisplayColumns(std::string_view text) {
  int columns = 0;
  CharacterReader reader(text);
  while (!reader.Done()) {
    const Character character = reader.Next();
    const bool wide = reader.utf8() ? IsWide(character.value) : character.bytes == 2;
    columns += wide ? 2 : 1;
  }
  return columns;
}

}  // namespace lumo
