// Undo and redo in the schematic window: the canvas driven with the mouse,
// the keys, the 編集 menu's entries and the unsaved-changes mark.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <sstream>

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"

namespace lumo::testing {
namespace {

class UndoTest : public UiTest {
 protected:
  void SetUp() override {
    Start();
    frame().show();
    QApplication::setActiveWindow(&frame());
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&frame(), static_cast<Qt::Key>(key), modifiers);
    Ready();
  }
  void Undo() { Key(Qt::Key_Z); }
  void Redo() { Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
  bool CanUndo() { return frame().action(kCmdUndo)->isEnabled(); }
  bool CanRedo() { return frame().action(kCmdRedo)->isEnabled(); }
  std::string Text() {
    std::ostringstream out;
    EXPECT_TRUE(draw().Write(out));
    return out.str();
  }
  QString Title() { return frame().windowTitle(); }
  QPoint At(std::int64_t x, std::int64_t y) { return canvas().DevicePoint(x, y); }
};

TEST_F(UndoTest, TheEditMenuOffersUndoAndRedoWithTheirKeysOnlyWhenThereIsAStep) {
  QAction* undo = frame().action(kCmdUndo);
  QAction* redo = frame().action(kCmdRedo);
  ASSERT_NE(undo, nullptr);
  ASSERT_NE(redo, nullptr);
  EXPECT_EQ(undo->text(), QStringLiteral("元に戻す"));
  EXPECT_EQ(redo->text(), QStringLiteral("やり直す"));
  EXPECT_EQ(undo->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Z"));
  EXPECT_EQ(redo->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Shift+Z"));
  EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
  bool in_edit_menu = false;
  for (QAction* menu : frame().menuBar()->actions())
    if (menu->text() == QStringLiteral("編集(&E)"))
      in_edit_menu =
          menu->menu()->actions().contains(undo) && menu->menu()->actions().contains(redo);
  EXPECT_TRUE(in_edit_menu);
  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(CanRedo());

  Click(100, 100);
  EXPECT_TRUE(CanUndo());
  EXPECT_FALSE(CanRedo());
  Undo();
  EXPECT_FALSE(CanUndo());
  EXPECT_TRUE(CanRedo());
  Key(Qt::Key_Y);  // the second key of redo
  EXPECT_EQ(draw().element_count(), 1u);
  EXPECT_TRUE(CanUndo());
  EXPECT_FALSE(CanRedo());
}

TEST_F(UndoTest, ACircuitDrawnWithTheMouseIsUndoneToTheEmptySheetAndRedone) {
  const QString empty_title = Title();
  Click(100, 100);
  Click(200, 100);
  const DrawElement& second = *draw().first_element();
  const DrawTerminal& output = *second.first_terminal();  // y of the or2
  canvas().SetEditMode(kModeLineStart);
  const QPoint from = At(output.x(), output.y());
  Drag(from.x(), from.y(), from.x() + 40, from.y());
  Press(from.x() + 40, from.y());  // adds the segment, starts the next
  Release(from.x() + 40, from.y() + 40);
  LeaveCanvas();  // adds the second segment
  ASSERT_EQ(draw().line_count(), 2u);
  canvas().SetEditMode(kModeName);
  dialogs.names = {std::string("G1")};
  Click(100, 100);
  canvas().SetEditMode(kModeFlip);
  Click(200, 100);
  const std::string drawn = Text();
  EXPECT_EQ(Title(), empty_title + QStringLiteral(" *"));

  int undos = 0;
  while (CanUndo() && undos < 20) {
    Undo();
    ++undos;
  }
  EXPECT_EQ(undos, 6);  // two places, two segments, a name, a flip
  EXPECT_TRUE(draw().IsEmpty());
  EXPECT_EQ(Title(), empty_title);
  for (int redos = 0; CanRedo() && redos < 20; ++redos)
    Redo();
  EXPECT_EQ(Text(), drawn);
  EXPECT_EQ(Title(), empty_title + QStringLiteral(" *"));
}

TEST_F(UndoTest, SavingKeepsTheHistoryAndTheMarkFollowsItOpeningForgetsIt) {
  const std::string path = work / "half_adder.ldr";
  fs::copy_file(TestData("half_adder.ldr"), path, fs::copy_options::overwrite_existing);
  frame().OpenAtStart(path);
  Ready();
  const QString saved = Title();
  const DrawElement& first = *draw().first_element();
  canvas().SetEditMode(kModeFlip);
  Click(At(first.x(), first.y()).x(), At(first.x(), first.y()).y());
  EXPECT_EQ(Title(), saved + QStringLiteral("*"));
  Key(Qt::Key_S);
  EXPECT_EQ(Title(), saved);
  EXPECT_TRUE(CanUndo());
  Undo();
  EXPECT_EQ(Title(), saved + QStringLiteral("*"));
  Redo();
  EXPECT_EQ(Title(), saved);

  dialogs.files = {path};
  frame().RunCommand(kCmdCloseAndOpen);
  Ready();
  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(CanRedo());
}

TEST_F(UndoTest, TheRightButtonsTakeBacksAreStepsThatRedoBringsBack) {
  Click(100, 100);
  Click(200, 100);
  const std::string two = Text();
  RightClick(300, 300);
  EXPECT_EQ(draw().element_count(), 1u);
  EXPECT_TRUE(CanRedo());
  Redo();
  EXPECT_EQ(Text(), two);

  // A move taken back with the right button restores the lists' order too.
  canvas().SetEditMode(kModeMovePick);
  Drag(100, 100, 140, 160);
  ASSERT_EQ(canvas().edit_mode(), kModeMoved);
  ASSERT_NE(Text(), two);
  RightClick(0, 0);
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  EXPECT_EQ(Text(), two);
  Redo();
  EXPECT_EQ(draw().first_element()->x(), 140);

  // Taking back a move also lets go of a loose line end the put-down joined
  // to a terminal, instead of dragging that end along with the element.
  draw().PlaceElement(SystemSymbol("_and2"), 600, 200, 0, 'p');  // y at (612, 200)
  draw().AddLine(700, 307, 800, 307);
  const std::string before_join = Text();
  Drag(600, 200, 684, 308);  // y lands 4 units from the loose end
  ASSERT_EQ(draw().FindJunctionAt(700, 307), nullptr);
  RightClick(0, 0);
  EXPECT_EQ(Text(), before_join);
  EXPECT_NE(draw().FindJunctionAt(700, 307), nullptr);

  // Undo while a segment is pending drops the segment only.
  canvas().SetEditMode(kModeLineStart);
  Drag(400, 400, 500, 400);
  ASSERT_EQ(canvas().edit_mode(), kModeLinePending);
  const std::string before_segment = Text();
  Undo();
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  EXPECT_EQ(Text(), before_segment);
  EXPECT_EQ(draw().line_count(), 1u);  // the loose line only
}

}  // namespace
}  // namespace lumo::testing
