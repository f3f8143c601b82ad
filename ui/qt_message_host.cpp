#include "ui/qt_message_host.h"

#include <QMessageBox>
#include <QWidget>

#include "display/display_lib.h"

namespace lumo {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageHost::Show(const Message& message) {
  const bool question = message.buttons == MessageButtons::kYesNo;
  QMessageBox box(IconOf(message.icon), DisplayText(message.caption), DisplayText(message.text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, window_);
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  if (!question) return MessageAnswer::kOk;
  return answer == QMessageBox::Yes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

}  // namespace lumo
