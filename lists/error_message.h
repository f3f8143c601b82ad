#pragma once

#include <string>
#include <utility>

namespace lumo {

// The one exception of the file readers and writers: a failure reported by
// function tag (the key into an ErrorTable, such as "ListPosition::Car" or
// "CircuitStore::ReadCircuit name") and a free detail text shown under the
// message. Readers throw it; the stage that called them catches it, shows it
// through the error table and returns false, so no exception leaves a stage.
class ListError {
 public:
  ListError(std::string tag, std::string detail = {})
      : tag_(std::move(tag)), detail_(std::move(detail)) {}

  const std::string& tag() const { return tag_; }
  const std::string& detail() const { return detail_; }

 private:
  std::string tag_;
  std::string detail_;
};

// The same error with the file it came from named on the last line of its
// detail, so that a message says which file is damaged.
inline ListError InFile(const ListError& error, const std::string& path) {
  std::string detail = error.detail();
  if (!detail.empty() && detail.back() != '\n') detail += '\n';
  return ListError(error.tag(), detail + path);
}

}  // namespace lumo
