#include "lists/list_text_writer.h"

#include "lists/list_printer.h"
#include "lists/list_word.h"

namespace lumo {

ListTextWriter& ListTextWriter::Name(const std::string& name) {
  const bool bare = IsBareWord(name);
  if (!bare) text_ += '"';
  text_ += name;
  if (!bare) text_ += '"';
  EndRecord();
  return *this;
}

ListTextWriter& ListTextWriter::Expression(const List& list) {
  if (list.IsNil()) return *this;
  Flush();
  PrintFileForm(list.Top().cell(), out_);
  return *this;
}

void ListTextWriter::Flush() {
  out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
  text_.clear();
}

}  // namespace lumo
