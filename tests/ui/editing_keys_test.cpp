// The keys of the schematic window and the unsaved-changes mark in its title.

#include <QAction>
#include <QApplication>
#include <QTest>

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"

namespace lumo::testing {
namespace {

class KeysTest : public UiTest {
 protected:
  void SetUp() override {
    Start();
    Activate();
  }
  // Window shortcuts only reach the active window.
  void Activate() {
    frame().show();
    QApplication::setActiveWindow(&frame());
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&frame(), static_cast<Qt::Key>(key), modifiers);
  }
  std::string OpenHalfAdder() {
    const std::string path = work / "half_adder.ldr";
    fs::copy_file(TestData("half_adder.ldr"), path, fs::copy_options::overwrite_existing);
    frame().OpenAtStart(path);
    Ready();
    return path;
  }
  QString Title() { return frame().windowTitle(); }
};

TEST_F(KeysTest, TheMenusShowEachCommandsKeyAndNoKeyIsGivenTwice) {
  const std::pair<int, const char*> keys[] = {
      {kCmdOpen, "Ctrl+O"},    {kCmdSave, "Ctrl+S"},      {kCmdSaveAs, "Ctrl+Shift+S"},
      {kCmdPrint, "Ctrl+P"},   {kCmdNewWindow, "Ctrl+N"}, {kCmdZoomIn, "Ctrl++"},
      {kCmdZoomOut, "Ctrl+-"}, {kCmdHelp, "F1"},          {kCmdRedraw, "F5"}};
  for (const auto& [id, key] : keys)
    EXPECT_EQ(frame().action(id)->shortcut().toString(QKeySequence::PortableText),
              QString::fromLatin1(key))
        << id;
  QStringList seen;
  for (QAction* action : frame().findChildren<QAction*>()) {
    const QString key = action->shortcut().toString(QKeySequence::PortableText);
    if (key.isEmpty()) continue;
    EXPECT_FALSE(seen.contains(key)) << key.toStdString();
    seen.push_back(key);
  }
}

TEST_F(KeysTest, KeysRunTheirCommands) {
  const std::string path = OpenHalfAdder();
  const std::string before = FileText(path);
  draw().FlipPolarity(*draw().first_element());
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_NE(FileText(path), before);

  canvas().SetEditMode(kModeFlip);
  Key(Qt::Key_F1);
  ASSERT_FALSE(dialogs.help_topics.empty());
  EXPECT_EQ(dialogs.help_topics.back(), 1607);

  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(app->frames().size(), 2u);
}

TEST_F(KeysTest, TheTitleIsMarkedWhileTheSchematicDiffersFromItsFile) {
  const std::string path = OpenHalfAdder();
  const QString saved = Title();
  EXPECT_TRUE(saved.endsWith(QStringLiteral("half_adder.ldr]"))) << saved.toStdString();

  // Naming an element as it is named changes nothing.
  canvas().SetEditMode(kModeName);
  const DrawElement& first = *draw().first_element();
  dialogs.names = {first.name()};
  Click(canvas().DevicePoint(first.x(), first.y()).x(),
        canvas().DevicePoint(first.x(), first.y()).y());
  ASSERT_EQ(dialogs.names.size(), 0u);
  EXPECT_EQ(Title(), saved);

  canvas().SetEditMode(kModeFlip);
  Click(canvas().DevicePoint(first.x(), first.y()).x(),
        canvas().DevicePoint(first.x(), first.y()).y());
  EXPECT_EQ(Title(), saved + QStringLiteral("*"));
  frame().RunCommand(kCmdSave);
  EXPECT_EQ(Title(), saved);

  // Reading the file again leaves it unmarked.
  canvas().SetEditMode(kModeFlip);
  Click(canvas().DevicePoint(first.x(), first.y()).x(),
        canvas().DevicePoint(first.x(), first.y()).y());
  EXPECT_EQ(Title(), saved + QStringLiteral("*"));
  dialogs.files = {path};
  frame().RunCommand(kCmdCloseAndOpen);
  EXPECT_EQ(Title(), saved);
}

TEST_F(KeysTest, AnUnnamedSchematicIsMarkedAfterTheTitleUntilSaved) {
  const QString empty = Title();
  Click(100, 100);  // places an element
  EXPECT_EQ(Title(), empty + QStringLiteral(" *"));
  const std::string path = work / "gates.ldr";
  dialogs.files = {path};
  frame().RunCommand(kCmdSaveAs);
  EXPECT_EQ(Title(),
            empty + QStringLiteral(" - [") + QString::fromStdString(path) + QStringLiteral("]"));
}

TEST_F(KeysTest, DeleteRemovesTheSelectionOnlyInTheDeleteMode) {
  draw().PlaceElement(SystemSymbol("_and2"), 200, 200, 0, 'p');
  canvas().SetEditMode(kModeDeletePick);
  Key(Qt::Key_Delete);  // nothing selected yet
  EXPECT_EQ(draw().element_count(), 1u);
  Click(200, 200);
  ASSERT_EQ(canvas().edit_mode(), kModeDeleteSelected);
  Key(Qt::Key_Delete);
  EXPECT_EQ(draw().element_count(), 0u);
  EXPECT_EQ(canvas().edit_mode(), kModeDeletePick);
}

TEST_F(KeysTest, EscapeDropsThePendingSegmentAndTheDraggedItem) {
  canvas().SetEditMode(kModeLineStart);
  Press(100, 100);
  Release(200, 100);
  ASSERT_EQ(canvas().edit_mode(), kModeLinePending);
  Key(Qt::Key_Escape);
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  Press(300, 300);  // starts afresh; the dropped segment is not added
  EXPECT_EQ(draw().line_count(), 0u);
  Key(Qt::Key_Escape);
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);

  DrawElement& gate = draw().PlaceElement(SystemSymbol("_and2"), 200, 200, 0, 'p');
  canvas().SetEditMode(kModeMovePick);
  Press(200, 200);
  Move(260, 200, Qt::LeftButton);
  Key(Qt::Key_Escape);
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  Release(260, 200);
  EXPECT_EQ(gate.x(), 200);
}

}  // namespace
}  // namespace lumo::testing
