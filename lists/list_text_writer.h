#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "lists/list.h"

namespace lumo {

// Writes document text in list notation: collects it and hands it to the
// stream in large pieces, puts names bare or in double quotes as they read
// back, and writes lists in file form.
class ListTextWriter {
 public:
  explicit ListTextWriter(std::ostream& out) : out_(out) {}
  ~ListTextWriter() { Flush(); }
  ListTextWriter(const ListTextWriter&) = delete;
  ListTextWriter& operator=(const ListTextWriter&) = delete;

  ListTextWriter& operator<<(const char* text) {
    text_ += text;
    return *this;
  }
  ListTextWriter& operator<<(const std::string& text) {
    text_ += text;
    return *this;
  }
  ListTextWriter& operator<<(char c) {
    text_ += c;
    return *this;
  }
  ListTextWriter& operator<<(std::int32_t value) {
    text_ += std::to_string(value);
    return *this;
  }
  // A name, bare or in double quotes (ending a record: long texts of
  // names alone still reach the stream in pieces).
  ListTextWriter& Name(const std::string& name);
  // A list in file form; nothing for the empty list.
  ListTextWriter& Expression(const List& list);

  // Ends one record: a large enough text goes to the stream.
  void EndRecord() {
    if (text_.size() >= kPiece) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kPiece = 1 << 16;

  std::ostream& out_;
  std::string text_;
};

}  // namespace lumo
