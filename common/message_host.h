#pragma once

#include <string>

namespace lumo {

enum class MessageIcon { kNone, kWarning, kInformation, kQuestion, kError };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

// One message box as the libraries ask for it.
struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kWarning;
  MessageButtons buttons = MessageButtons::kOk;
};

// The one way a library shows something to the user. The GUI shows a modal
// box, the command-line tool prints, tests record and answer.
//
// A host belongs to whoever started the operation: in the GUI each window
// has its own, so a library handed a window's host shows its boxes over that
// window without knowing about windows at all.
class MessageHost {
 public:
  virtual ~MessageHost() = default;
  virtual MessageAnswer Show(const Message& message) = 0;

  // The common case: a warning box with an OK button and no caption.
  MessageAnswer Warn(const std::string& text) {
    return Show(Message{text, {}, MessageIcon::kWarning, MessageButtons::kOk});
  }
};

}  // namespace lumo
