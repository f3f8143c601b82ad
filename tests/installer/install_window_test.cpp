#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "installer/install_window.h"
#include "installer_test_util.h"

namespace install {
namespace {

struct WindowFixture {
  WindowFixture(ListStatus status = ListStatus::kOk) {
    WriteFile(medium / "a.ldr", "(a)");
    InstallList list;
    list.status = status;
    if (status == ListStatus::kOk) list.entries = {{"Sample", "a.ldr"}};
    window = std::make_unique<InstallWindow>(
        list, medium.str(), settings, [this](QWidget&, const QString& text) { warnings << text; });
    window->SetFolder(target / "LumoCAD");
    window->show();
  }
  void Click(int x, int y) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
  bool Installed() const { return std::filesystem::exists(target / "LumoCAD/Sample/a.ldr"); }

  TempFolder medium, target;
  RecordedSettings settings;
  QStringList warnings;
  std::unique_ptr<InstallWindow> window;
};

TEST(InstallWindow, ButtonsTakeNoClickOnTheirRightOrBottomEdge) {
  WindowFixture f;
  f.Click(250, 315);  // the install button's right edge line
  f.Click(200, 330);  // its bottom edge line
  f.Click(139, 315);  // just left of it
  EXPECT_EQ(f.window->screen(), Screen::kAsking);
  EXPECT_FALSE(f.Installed());

  f.Click(249, 329);  // its last pixel inside
  EXPECT_EQ(f.window->screen(), Screen::kFinished);
  EXPECT_TRUE(f.Installed());
  EXPECT_EQ(f.settings.writes, 1);
  EXPECT_TRUE(f.warnings.isEmpty());

  f.Click(355, 315);  // the done button's right edge
  EXPECT_TRUE(f.window->isVisible());
  f.Click(245, 300);  // its top-left corner
  EXPECT_FALSE(f.window->isVisible());
}

TEST(InstallWindow, TypedFolderIsWhereItInstalls) {
  WindowFixture f;
  const std::string typed = f.target / "typed";
  f.window->SetFolder(typed + "XY");
  QTest::keyClick(f.window.get(), Qt::Key_Backspace);
  QTest::keyClick(f.window.get(), Qt::Key_Delete);
  QTest::keyClicks(f.window.get(), "/A b");
  QTest::keyClick(f.window.get(), Qt::Key_Return);  // not a character of the folder
  EXPECT_EQ(f.window->folder(), typed + "/A b");
  // A pasted folder may hold any character; typing takes ASCII only.
  QApplication::clipboard()->setText(QStringLiteral("/学生"));
  QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.window->folder(), typed + "/A b/学生");
  f.Click(200, 315);
  EXPECT_EQ(f.window->screen(), Screen::kFinished);
  EXPECT_TRUE(std::filesystem::exists(typed + "/A b/学生/Sample/a.ldr"));
  EXPECT_EQ(f.settings.work, typed + "/A b/学生/Sample");
  // The finished screen takes no more typing.
  QTest::keyClicks(f.window.get(), "zz");
  EXPECT_EQ(f.window->folder(), typed + "/A b/学生");
}

TEST(InstallWindow, FailuresAreShownAndTheQuestionStays) {
  WindowFixture refused(ListStatus::kNoEnd);
  refused.Click(200, 315);
  EXPECT_EQ(refused.window->screen(), Screen::kAsking);
  ASSERT_EQ(refused.warnings.size(), 1);
  EXPECT_TRUE(refused.warnings[0].contains("#"));
  EXPECT_FALSE(refused.Installed());

  WindowFixture missing;
  std::filesystem::remove(missing.medium / "a.ldr");
  missing.Click(200, 315);
  EXPECT_EQ(missing.window->screen(), Screen::kAsking);
  ASSERT_EQ(missing.warnings.size(), 1);
  EXPECT_TRUE(missing.warnings[0].startsWith("ファイル a.ldr を "));
  EXPECT_EQ(missing.settings.writes, 0);

  // Cancel closes without installing.
  WindowFixture cancelled;
  cancelled.Click(300, 300);
  EXPECT_FALSE(cancelled.window->isVisible());
  EXPECT_FALSE(cancelled.Installed());
}

}  // namespace
}  // namespace install

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
