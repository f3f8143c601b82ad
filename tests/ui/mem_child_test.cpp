#include "ui/mem_child.h"

#include <QScrollBar>
#include <QtTest/QTest>
#include <sstream>

#include "editing/undo_history.h"
#include "pattern/mem.h"
#include "tests/ui/ui_test_util.h"
#include "ui/pat_pane_host.h"

namespace lumo::testing {
namespace {

// The frame as the pane sees it: a mode, the prompts and layouts asked for,
// and the history.
class FakePaneHost : public PatPaneHost {
 public:
  explicit FakePaneHost(Application& app) : app_(app) {}
  Application& application() override { return app_; }
  int mode() const override { return mode_; }
  void SetMode(int mode) override { mode_ = mode; }
  void ShowPrompt(const QString&) override {}
  void Relayout() override { ++relayouts; }
  UndoHistory& history() override { return history_; }
  void Edited() override { ++edits; }

  int relayouts = 0;
  int edits = 0;

 private:
  Application& app_;
  int mode_ = 1;
  UndoHistory history_;
};

class MemChildTest : public UiTest {
 protected:
  void SetUp() override {
    Start();
    pane_host = std::make_unique<FakePaneHost>(*app);
    pane = std::make_unique<MemChild>(*pane_host, mem);
    pane->resize(700, 24 + 4 * 24 + pane->horizontalScrollBar()->sizeHint().height() + 4);
    pane->show();
    pane->Repaint();
    QCoreApplication::processEvents();
    app->ClearActivated();
  }
  void TearDown() override { pane.reset(); }

  void Mouse(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* viewport = pane->viewport();
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), viewport->mapToGlobal(QPointF(x, y)),
                      button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
  }
  // The middle of a row's name, and of the cell of an address.
  void ClickName(int row) { Mouse(60, pane->view().RowTop(row) + 12); }
  void ClickCell(int row, int address) {
    Mouse(pane->view().ColumnLeft(address) + 30, pane->view().RowTop(row) + 12);
  }
  void Key(Qt::Key key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(pane.get(), &event);
  }
  void Type(const std::string& text) {
    for (char c : text)
      Key(Qt::Key_unknown, QString(QChar(c)));
  }
  std::string Written() const {
    std::ostringstream out;
    mem.WriteMemories(out);
    return out.str();
  }

  Mem mem{host};
  std::unique_ptr<FakePaneHost> pane_host;
  std::unique_ptr<MemChild> pane;
};

TEST_F(MemChildTest, TypingFillsCellsAndNamesAndEveryChangeIsOneUndoStep) {
  pane_host->SetMode(2);
  pane->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  ASSERT_EQ(pane->view().first_column(), 5);
  ASSERT_GE(pane->view().last_column(), 11);
  ClickCell(0, 10);
  EXPECT_EQ(pane->caret(), (MemCaret{false, 0, 10}));
  EXPECT_EQ(mem.count(), 1);  // the row joined the table
  EXPECT_EQ(pane_host->relayouts, 1);
  Type("12");
  ASSERT_EQ(mem.memory(0).words.size(), 1u);
  EXPECT_EQ(mem.FindWord(0, 10)->address_text, "a");
  EXPECT_EQ(mem.FindWord(0, 10)->data_text, "12");

  // Delete on the empty cell next to it makes a word of empty data.
  Key(Qt::Key_Right);
  Key(Qt::Key_Delete);
  ASSERT_NE(mem.FindWord(0, 11), nullptr);
  EXPECT_EQ(mem.FindWord(0, 11)->data_text, "");

  // Back to the name by the left arrow from the first visible column.
  for (int i = 0; i < 7; ++i)
    Key(Qt::Key_Left);
  EXPECT_TRUE(pane->caret().in_name);
  Type("ram x");           // the blank is not typed
  Key(Qt::Key_Backspace);  // does nothing here
  EXPECT_EQ(mem.memory(0).name, "ramx");
  Key(Qt::Key_Delete);
  EXPECT_EQ(mem.memory(0).name, "ram");
  EXPECT_EQ(Written(), "m  ram\n   a 12  z\n");
  EXPECT_EQ(pane_host->edits, 1 + 2 + 1 + 4 + 1);

  while (pane_host->history().Undo()) {
  }
  EXPECT_EQ(mem.count(), 0);
  EXPECT_TRUE(mem.memory(0).words.empty());
  EXPECT_EQ(mem.memory(0).name, "");
}

TEST_F(MemChildTest, ScrollBarsMoveByColumnsAndRowsAndTheColumnRangeGrows) {
  QScrollBar* bar = pane->horizontalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(pane->view().first_column(), 20);
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(pane->view().first_column(), 0);
  for (int i = 0; i < 501; ++i)
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(pane->view().first_column(), 10020);
  EXPECT_EQ(pane->view().column_range(), 10500);
  EXPECT_EQ(bar->value(), 10020 * 100 / 10500);
  pane->Repaint();
  // The header cell of the first column holds its address, 271c, ending 54
  // pixels right of the column's edge, on the grey band.
  const QImage& image = pane->image();
  const int left = pane->view().ColumnLeft(10020);
  EXPECT_EQ(image.pixelColor(left + 3, 3), QColor(192, 192, 192));
  int ink = 0;
  for (int x = left + 54 - 24; x < left + 54; ++x)
    for (int y = 5; y < 17; ++y)
      ink += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
  EXPECT_GT(ink, 10);

  // The notice after printing covers the header until the next redraw.
  pane->ShowPrintNotice();
  EXPECT_EQ(pane->image().pixelColor(104, 14), QColor(Qt::white));
  pane->Repaint();
  EXPECT_EQ(pane->image().pixelColor(104, 14), QColor(192, 192, 192));

  pane->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(pane->view().first_row(), 4);
  pane->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(pane->view().first_row(), 3);
}

TEST_F(MemChildTest, RowsAreDeletedRestoredAndMovedByTheMouseInTheirModes) {
  for (const char* name : {"a", "b", "c"})
    mem.Append(name);
  mem.InsertWord(1, MemWord{1, "1", "bb"});
  pane_host->SetMode(6);
  ClickName(0);
  ClickName(0);
  EXPECT_EQ(mem.count(), 1);
  EXPECT_EQ(mem.memory(0).name, "c");
  Mouse(10, 10, Qt::RightButton);  // gives back only the second
  EXPECT_EQ(mem.count(), 2);
  EXPECT_EQ(mem.memory(0).name, "b");
  EXPECT_EQ(mem.FindWord(0, 1)->data_text, "bb");
  ClickName(7);  // beyond the table: nothing to delete
  EXPECT_EQ(mem.count(), 2);
  // A row deleted before the memories were read anew is not brought back.
  ClickName(1);
  pane->Reset();
  Mouse(10, 10, Qt::RightButton);
  EXPECT_EQ(mem.count(), 1);
  pane_host->history().Undo();
  EXPECT_EQ(mem.count(), 2);
  EXPECT_EQ(mem.memory(1).name, "c");

  pane_host->SetMode(7);
  ClickName(0);
  EXPECT_EQ(pane_host->mode(), 8);
  ClickName(2);
  EXPECT_EQ(pane_host->mode(), 7);
  // Row 0 went to row 2 past the table's end: the rows between moved up.
  EXPECT_EQ(mem.count(), 3);
  EXPECT_EQ(mem.memory(0).name, "c");
  EXPECT_EQ(mem.memory(1).name, "");
  EXPECT_EQ(mem.memory(2).name, "b");

  // Modes 1 and 3 leave the pane alone, and so does any click while a
  // menu command's activation is pending.
  const std::size_t steps = pane_host->history().undo_count();
  pane_host->SetMode(1);
  ClickCell(0, 2);
  Type("5");
  pane_host->SetMode(6);
  app->SetActivated();
  ClickName(0);
  EXPECT_EQ(pane_host->history().undo_count(), steps);
  EXPECT_EQ(mem.count(), 3);
  EXPECT_FALSE(pane->caret_placed());
}

}  // namespace
}  // namespace lumo::testing
