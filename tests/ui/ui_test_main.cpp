// GoogleTest main for the window tests: a QApplication must exist before any
// widget. Run with QT_QPA_PLATFORM=offscreen.

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform's complaints about what it cannot do are noise here.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("XDG_RUNTIME_DIR")) ||
      text.contains(QStringLiteral("propagateSizeHints")))
    return;
  qt_message_output(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qInstallMessageHandler(QuietQtMessages);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
