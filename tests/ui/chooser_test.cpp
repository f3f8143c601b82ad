// The symbol chooser: its commands, its grid, choosing and deleting.

#include <QAction>
#include <QScrollBar>

#include "display/symbol_grid.h"
#include "editing/chooser_modes.h"
#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/list_child.h"
#include "ui/list_frame.h"

namespace lumo::testing {
namespace {

std::string UserSymbolText(const std::string& name) {
  return "(\"" + name +
         "\"\n  (\n  (l -20 -16 20 -16)\n  (s \"?\" y e 0 -18 d 0)\n  )\n  ()\n  (\n"
         "  (\"a\" -24 -8 0 p)\n  (\"y\" 24 0 2 p)\n  )\n  (u)\n)\n";
}

class ChooserTest : public UiTest {
 protected:
  void SetUp() override {
    WriteText(work.path() / "adder.lsy", UserSymbolText("adder"));
    WriteText(work.path() / "Blinker.LSY", UserSymbolText("blinker"));
    Start();
    frame().RunCommand(kCmdPlace);
    ASSERT_NE(frame().chooser(), nullptr);
    Paint();
  }
  void TearDown() override {
    for (Symbol& symbol : app->system_symbols()) {
      symbol.orientation = 0;
      symbol.logic = 'p';
    }
  }

  ListFrame& chooser() { return *frame().chooser(); }
  ListChild& pane(int i) { return chooser().pane(i); }
  void Paint() {
    chooser().resize(800, 600);
    chooser().LayOutPanes();
    pane(0).PaintNow();
    pane(1).PaintNow();
  }
  void Command(int id) { chooser().RunCommand(id); }
  // Every symbol of both lists has this orientation and logic.
  void ExpectAll(int orientation, char logic) {
    for (SymbolList* list : {&app->system_symbols(), &app->user_symbols()})
      for (const Symbol& symbol : *list) {
        EXPECT_EQ(symbol.orientation, orientation) << symbol.name;
        EXPECT_EQ(symbol.logic, logic) << symbol.name;
      }
  }
  // The middle of the cell of symbol `index` in a pane.
  QPoint CellCentre(int which, int index) {
    const QPointF at = SymbolGridPoint(pane(which).layout(), index, 0, pane(which).scroll_y());
    return at.toPoint();
  }
  void ClickPane(int which, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* viewport = pane(which).viewport();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), viewport->mapToGlobal(QPointF(at)),
                      button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
  }
};

TEST_F(ChooserTest, OpensBesideItsTitlesAndPutsTheCanvasInPlaceMode) {
  EXPECT_EQ(chooser().windowTitle(), "素子シンボルを選択してください。");
  EXPECT_EQ(pane(0).windowTitle(), "システムシンボル");
  EXPECT_EQ(pane(1).windowTitle(), "ユーザーシンボル");
  EXPECT_EQ(canvas().edit_mode(), kModePlace);
  EXPECT_EQ(pane(0).symbols().Count(), app->system_symbols().Count());
  EXPECT_EQ(pane(1).symbols().Count(), 2u);
  const QSize client = chooser().centralWidget()->size();
  EXPECT_EQ(pane(1).parentWidget()->x(), (client.width() - 36) / 2);
  EXPECT_EQ(pane(0).parentWidget()->width(), (client.width() - 36) / 2);
  EXPECT_EQ(pane(0).parentWidget()->height(), client.height() - 22);
}

TEST_F(ChooserTest, DirectionAndMirrorCommandsTurnEverySymbol) {
  Command(kCmdChooseUp);
  Command(kCmdChooseUp);
  ExpectAll(1, 'p');
  EXPECT_EQ(chooser().status_text(), "上向きシンボルを表示しています。");
  EXPECT_TRUE(chooser().action(kCmdChooseUp)->isChecked());
  Command(kCmdMirrorLeftRight);
  ExpectAll(5, 'p');
  EXPECT_EQ(chooser().status_text(), "左右の鏡像を表示しています。");
  EXPECT_FALSE(chooser().action(kCmdChooseUp)->isChecked());
  Command(kCmdChooseRight);
  ExpectAll(6, 'p');
  Command(kCmdMirrorTopBottom);
  ExpectAll(0, 'p');
  Command(kCmdNegativeLogic);
  ExpectAll(0, 'n');
  EXPECT_EQ(chooser().status_text(), "負論理シンボルを表示しています。");
  Command(kCmdPositiveLogic);
  ExpectAll(0, 'p');
  Command(kCmdDeleteSymbol);
  ExpectAll(0, 'p');
  EXPECT_EQ(chooser().status_text(),
            "【シンボルの削除】　削除するシンボルをマウスの左ボタンで指定してください。（取り消し＝"
            "右ボタン）");
  EXPECT_EQ(chooser().mode(), kDeleteSymbols);
}

TEST_F(ChooserTest, ModeTablesOfEveryCode) {
  const int up[8] = {1, 1, 1, 1, 5, 5, 5, 5};
  const int mirrored[8] = {4, 5, 6, 7, 0, 1, 2, 3};
  const int flipped[8] = {6, 7, 4, 5, 2, 3, 0, 1};
  for (int code = 0; code < 8; ++code) {
    EXPECT_EQ(ChooserOrientation(kChooseUp, code), up[code]);
    EXPECT_EQ(ChooserOrientation(kMirrorLeftRight, code), mirrored[code]);
    EXPECT_EQ(ChooserOrientation(kMirrorTopBottom, code), flipped[code]);
    EXPECT_EQ(ChooserOrientation(kNegativeLogic, code), code);
  }
  EXPECT_EQ(ChooserOrientation(kChooseDown, 6), 7);
  EXPECT_EQ(ChooserOrientation(kChooseLeft, 2), 2);
  EXPECT_EQ(ChooserLogic(kPositiveLogic, 'p'), 'p');
  EXPECT_EQ(ChooserLogic(kChooseUp, 'n'), 'n');
}

TEST_F(ChooserTest, ChoosingHandsTheSymbolToTheCanvasAndCloses) {
  const Symbol* third = nullptr;
  int index = 0;
  for (const Symbol& symbol : app->system_symbols())
    if (index++ == 2) third = &symbol;
  ClickPane(0, CellCentre(0, 2));
  QCoreApplication::processEvents();
  EXPECT_EQ(canvas().symbol_to_place(), third);
  EXPECT_EQ(frame().chooser(), nullptr);
  EXPECT_EQ(app->active_frame(), &frame());
}

TEST_F(ChooserTest, AClickOnACellBorderChoosesNothing) {
  const SymbolGridLayout& layout = pane(0).layout();
  const Symbol* before = canvas().symbol_to_place();
  ClickPane(0, QPoint(layout.cell_width, layout.cell_height / 2));
  EXPECT_EQ(canvas().symbol_to_place(), before);
  EXPECT_NE(frame().chooser(), nullptr);
  EXPECT_EQ(SymbolGridHit(layout, layout.cell_width, 5, 0, 0), -1);
  EXPECT_EQ(SymbolGridHit(layout, layout.cell_width + 1, 5, 0, 0), 1);
}

TEST_F(ChooserTest, DeletingAUserSymbolAsksThenRemovesItsFile) {
  Command(kCmdDeleteSymbol);
  ClickPane(0, CellCentre(0, 0));  // the system pane: nothing
  EXPECT_TRUE(host.Messages().empty());
  // User symbols run in descending name order: blinker, adder.
  host.QueueAnswer(MessageAnswer::kNo);
  ClickPane(1, CellCentre(1, 1));
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].text, "シンボルを削除してもいいですか？");
  EXPECT_EQ(host.Messages()[0].caption, "シンボルの削除");
  EXPECT_EQ(host.Messages()[0].buttons, MessageButtons::kYesNo);
  // Asked over the chooser, not over the schematic window that opened it.
  EXPECT_EQ(window_texts[&chooser()], std::vector<std::string>{"シンボルを削除してもいいですか？"});
  EXPECT_TRUE(window_texts[&frame()].empty());
  EXPECT_TRUE(fs::exists(work.path() / "adder.lsy"));

  host.QueueAnswer(MessageAnswer::kYes);
  ClickPane(1, CellCentre(1, 1));
  EXPECT_FALSE(fs::exists(work.path() / "adder.lsy"));
  EXPECT_EQ(app->user_symbols().Count(), 1u);
  // A file whose name differs in letter case is found too.
  host.QueueAnswer(MessageAnswer::kYes);
  ClickPane(1, CellCentre(1, 0));
  EXPECT_FALSE(fs::exists(work.path() / "Blinker.LSY"));
  EXPECT_TRUE(app->user_symbols().Empty());
  EXPECT_NE(frame().chooser(), nullptr);  // the mode stays
}

TEST_F(ChooserTest, ARightClickLeavesTheDeleteModeForTheModeBefore) {
  Command(kCmdMirrorLeftRight);
  Command(kCmdDeleteSymbol);
  ClickPane(1, CellCentre(1, 1), Qt::RightButton);
  EXPECT_EQ(chooser().mode(), kMirrorLeftRight);
  EXPECT_EQ(chooser().status_text(), "左右の鏡像を表示しています。");
  EXPECT_TRUE(chooser().action(kCmdMirrorLeftRight)->isChecked());
  ExpectAll(4, 'p');  // shown as before, not mirrored back
  // Out of the delete mode a left click chooses again, and deletes nothing.
  ClickPane(1, CellCentre(1, 1));
  QCoreApplication::processEvents();
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_TRUE(fs::exists(work.path() / "adder.lsy"));
  EXPECT_EQ(frame().chooser(), nullptr);
}

TEST_F(ChooserTest, DeletingTheUserSymbolBeingPlacedFallsBackToAnotherAndRebindsSchematics) {
  Symbol* adder = app->user_symbols().Find("adder");
  ASSERT_NE(adder, nullptr);
  DrawElement& element = draw().PlaceElement(*adder, 100, 100, 0, 'p');
  EXPECT_EQ(element.symbol(), adder);
  canvas().set_symbol_to_place(adder);
  Command(kCmdDeleteSymbol);
  host.QueueAnswer(MessageAnswer::kYes);
  ClickPane(1, CellCentre(1, 1));
  EXPECT_EQ(element.symbol(), nullptr);
  ASSERT_NE(canvas().symbol_to_place(), nullptr);
  EXPECT_EQ(canvas().symbol_to_place()->name, "_or2");
}

TEST_F(ChooserTest, ScrollsByCellsWithinTheGrid) {
  pane(0).resize(200, 300);
  pane(0).PaintNow();
  const SymbolGridLayout& layout = pane(0).layout();
  ASSERT_GT(layout.total_height, 2 * layout.cell_height);
  pane(0).Scroll(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(pane(0).scroll_y(), 0);
  pane(0).Scroll(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(pane(0).scroll_y(), layout.cell_height);
  EXPECT_EQ(pane(0).verticalScrollBar()->value(), layout.cell_height * 100 / layout.total_height);
  for (int i = 0; i < 100; ++i)
    pane(0).Scroll(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(pane(0).scroll_y(), layout.total_height - layout.cell_height);
  // The offset is kept by the schematic window for the next opening.
  const int kept = pane(0).scroll_y();
  chooser().close();
  QCoreApplication::processEvents();
  frame().RunCommand(kCmdPlace);
  EXPECT_EQ(frame().chooser()->pane(0).scroll_y(), kept);
}

TEST_F(ChooserTest, AnEmptyUserPaneIsWhite) {
  fs::remove(work.path() / "adder.lsy");
  fs::remove(work.path() / "Blinker.LSY");
  app->user_symbols().ReadFolder(work.path().string(), app->symbol_messages(host));
  app->UserSymbolsChanged();
  pane(1).PaintNow();
  const QImage& image = pane(1).image();
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7)
      ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(pane(1).layout().total_height, pane(1).layout().cell_height / 2);
}

}  // namespace
}  // namespace lumo::testing
