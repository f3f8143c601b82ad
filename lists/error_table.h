#pragma once

#include <string>

#include "common/message_host.h"
#include "common/node_list.h"

namespace lumo {

struct ErrorEntry : Linked<ErrorEntry> {
  std::string library;
  std::string tag;
  std::string call;
  std::string message;
};

// One library's descriptions of its failures; the newest registration is
// found first.
class ErrorTable {
 public:
  void Register(std::string library, std::string tag, std::string call, std::string message);
  const ErrorEntry* Find(const std::string& tag) const;

 private:
  NodeList<ErrorEntry> entries_;
};

inline void RegisterError(ErrorTable& table, std::string library, std::string tag, std::string call,
                          std::string message) {
  table.Register(std::move(library), std::move(tag), std::move(call), std::move(message));
}

// The text ShowError shows for `tag` and `detail`.
std::string ErrorText(const ErrorTable& table, const std::string& tag,
                      const std::string& detail = {});

// Shows the error text in a warning box with an OK button.
MessageAnswer ShowError(MessageHost& host, const ErrorTable& table, const std::string& tag,
                        const std::string& detail = {});

}  // namespace lumo
