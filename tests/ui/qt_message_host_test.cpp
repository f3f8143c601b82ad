// The GUI's message host: a modal box over its own window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/qt_message_host.h"

namespace lumo {
namespace {

struct SeenBox {
  QWidget* parent = nullptr;
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Shows `message` and, once its box is up, notes what it looks like and
// presses `press`.
MessageAnswer ShowAndPress(QtMessageHost& host, const Message& message,
                           QMessageBox::StandardButton press, SeenBox& seen) {
  std::function<void()> look = [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      QTimer::singleShot(10, look);
      return;
    }
    seen = {box->parentWidget(), box->text(), box->windowTitle(), box->icon(),
            box->standardButtons()};
    box->button(press)->click();
  };
  QTimer::singleShot(0, look);
  return host.Show(message);
}

TEST(QtMessageHost, ABoxStandsOverItsWindowWithTheMessagesWordsAndButtons) {
  QWidget window;
  window.show();
  QtMessageHost host(&window);
  SeenBox seen;
  EXPECT_EQ(ShowAndPress(host,
                         Message{"保存しますか？", "回路図の保存", MessageIcon::kQuestion,
                                 MessageButtons::kYesNo},
                         QMessageBox::No, seen),
            MessageAnswer::kNo);
  EXPECT_EQ(seen.parent, &window);
  EXPECT_EQ(seen.text, QStringLiteral("保存しますか？"));
  EXPECT_EQ(seen.title, QStringLiteral("回路図の保存"));
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

  QtMessageHost lone;
  EXPECT_EQ(ShowAndPress(lone, Message{"注意", {}, MessageIcon::kWarning, MessageButtons::kOk},
                         QMessageBox::Ok, seen),
            MessageAnswer::kOk);
  EXPECT_EQ(seen.parent, nullptr);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace lumo
