// Qt's own dialogs speak Japanese once its catalogue is loaded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include "tests/support/test_folder.h"
#include "ui/qt_catalogue.h"

namespace lumo {
namespace {

// The words of a box's standard buttons, without their mnemonics.
QStringList ButtonWords(QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("回路図の保存"),
                  QStringLiteral("回路図をファイルに保存しますか？"), buttons);
  QStringList words;
  for (QMessageBox::StandardButton button :
       {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
    if (buttons.testFlag(button))
      words.push_back(box.button(button)
                          ->text()
                          .remove(QRegularExpression(QStringLiteral("\\(&.\\)")))
                          .remove(u'&'));
  return words;
}

TEST(QtCatalogue, TheStandardButtonsReadInJapanese) {
  QTranslator* japanese = LoadQtJapanese(*qApp);
  ASSERT_NE(japanese, nullptr) << "qtbase_ja.qm not in " << QtTranslationsFolder().toStdString()
                               << " (qt6-translations-l10n)";
  EXPECT_EQ(ButtonWords(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
            (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ"),
                         QStringLiteral("キャンセル")}));
  QCoreApplication::removeTranslator(japanese);
  delete japanese;
  EXPECT_EQ(ButtonWords(QMessageBox::Yes | QMessageBox::No),
            (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
}

TEST(QtCatalogue, AFolderWithoutTheCatalogueInstallsNothing) {
  testing::TemporaryFolder empty;
  EXPECT_EQ(LoadQtJapanese(*qApp, QString::fromStdString(empty.path().string())), nullptr);
  EXPECT_EQ(ButtonWords(QMessageBox::Yes), QStringList{QStringLiteral("Yes")});
}

}  // namespace
}  // namespace lumo
