#pragma once

#include <string>
#include <utility>

namespace lumo {

// A failure reported by function tag (the key into an ErrorTable, such as
// "ListPosition::Car") and a free detail text shown under the message.
class ErrorMessage {
 public:
  ErrorMessage(std::string tag, std::string detail = {})
      : tag_(std::move(tag)), detail_(std::move(detail)) {}
  virtual ~ErrorMessage() = default;

  const std::string& tag() const { return tag_; }
  const std::string& detail() const { return detail_; }
  void set_detail(std::string detail) { detail_ = std::move(detail); }

 private:
  std::string tag_;
  std::string detail_;
};

// The only exception the list library raises.
class ListError : public ErrorMessage {
 public:
  using ErrorMessage::ErrorMessage;
};

}  // namespace lumo
