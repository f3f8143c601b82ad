#include "lists/error_table.h"

#include <memory>

namespace lumo {

void ErrorTable::Register(std::string library, std::string tag, std::string call,
                          std::string message) {
  auto entry = std::make_unique<ErrorEntry>();
  entry->library = std::move(library);
  entry->tag = std::move(tag);
  entry->call = std::move(call);
  entry->message = std::move(message);
  entries_.PushFront(std::move(entry));
}

const ErrorEntry* ErrorTable::Find(const std::string& tag) const {
  for (const ErrorEntry& entry : entries_)
    if (entry.tag == tag) return &entry;
  return nullptr;
}

std::string ErrorText(const ErrorTable& table, const std::string& tag, const std::string& detail) {
  std::string text;
  if (const ErrorEntry* entry = table.Find(tag)) {
    text = entry->library + "内でエラーが発生しました。\n\n";
    text += "関数 : " + entry->call + "\n";
    text += "内容 : " + entry->message + "\n";
  } else {
    text = "エラーが発生しました。\n\n" + tag + "\n";
  }
  if (!detail.empty()) text += detail + "\n";
  text += "\n処理を中断します。\n";
  return text;
}

MessageAnswer ShowError(MessageHost& host, const ErrorTable& table, const std::string& tag,
                        const std::string& detail) {
  return host.Warn(ErrorText(table, tag, detail));
}

}  // namespace lumo
