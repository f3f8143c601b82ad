// The canvas driven with the mouse through every edit mode, checked on the
// schematic model.

#include <QPaintEvent>
#include <QScrollBar>
#include <new>

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/list_frame.h"

namespace lumo::testing {
namespace {

class CanvasTest : public UiTest {
 protected:
  void SetUp() override { Start(); }

  void Mode(int mode) { canvas().SetEditMode(mode); }

  DrawElement& PlaceAnd2(int x, int y) {
    return draw().PlaceElement(SystemSymbol("_and2"), x, y, 0, 'p');
  }
  QString Prompt() { return frame().status_text(); }
  const DrawLine* LineAt(int x1, int y1, int x2, int y2) {
    for (const DrawLine& line : draw().lines())
      if (line.x1() == x1 && line.y1() == y1 && line.x2() == x2 && line.y2() == y2) return &line;
    return nullptr;
  }
};

TEST_F(CanvasTest, StartsPlacingAnOr2WithTheFirstPrompt) {
  EXPECT_EQ(canvas().edit_mode(), kModePlace);
  ASSERT_NE(canvas().symbol_to_place(), nullptr);
  EXPECT_EQ(canvas().symbol_to_place()->name, "_or2");
  EXPECT_EQ(Prompt(), "【素子の配置】　配置位置をマウスの左ボタンで指定してください。");
  EXPECT_TRUE(frame().action(kCmdPlace)->isChecked());
}

TEST_F(CanvasTest, PlacesOnTheSnappedPointAndTheRightButtonTakesTheLastBack) {
  Click(101, 99);
  ASSERT_EQ(draw().element_count(), 1u);
  const DrawElement& first = *draw().first_element();
  EXPECT_EQ(first.x(), 100);
  EXPECT_EQ(first.y(), 100);
  EXPECT_EQ(first.symbol_name(), "_or2");
  EXPECT_EQ(first.name(), "?");
  EXPECT_EQ(canvas().edit_mode(), kModePlaced);
  EXPECT_EQ(Prompt(),
            "【素子の配置】　配置位置をマウスの左ボタンで指定してください。（取り消し＝右ボタン）");

  Click(202, 198);
  EXPECT_EQ(draw().element_count(), 2u);
  EXPECT_EQ(canvas().last_placed(), draw().first_element());
  RightClick(300, 300);
  ASSERT_EQ(draw().element_count(), 1u);
  EXPECT_EQ(draw().first_element()->x(), 100);
  EXPECT_EQ(canvas().edit_mode(), kModePlace);
  // Only the element placed last can be taken back.
  RightClick(300, 300);
  EXPECT_EQ(draw().element_count(), 1u);
}

TEST_F(CanvasTest, PlacesWithTheOrientationAndLogicTheChooserSet) {
  Symbol& and2 = *app->system_symbols().Find("_and2");
  and2.orientation = 4;
  and2.logic = 'n';
  canvas().set_symbol_to_place(&and2);
  canvas().PaintNow();
  Click(200, 200);
  const DrawElement& element = *draw().first_element();
  EXPECT_EQ(element.orientation(), 4);
  EXPECT_EQ(element.polarity(), 'n');
  // Mirrored left-right: input a comes from the right.
  EXPECT_NE(draw().FindTerminalAt(216, 196), nullptr);
  and2.orientation = 0;
  and2.logic = 'p';
}

TEST_F(CanvasTest, LeavingAfterPlacingKeepsTheElementAndReturnsToWaiting) {
  Click(100, 100);
  LeaveCanvas();
  EXPECT_EQ(canvas().edit_mode(), kModePlace);
  EXPECT_EQ(draw().element_count(), 1u);
}

TEST_F(CanvasTest, DrawsSegmentsOneAfterAnother) {
  Mode(kModeLineStart);
  EXPECT_EQ(Prompt(), "【信号線の配線】　信号線の始点の位置をマウスの左ボタンで指定してください。");
  Press(101, 99);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  EXPECT_EQ(Prompt(),
            "【信号線の配線】　信号線の終点の位置をマウスの左ボタンで指定してください。"
            "（取り消し＝右ボタン）");
  Release(200, 101);
  EXPECT_EQ(canvas().edit_mode(), kModeLinePending);
  EXPECT_EQ(draw().line_count(), 0u);  // pending, not yet in the schematic
  // The next press adds it and starts the next segment at its end.
  Press(200, 100);
  EXPECT_EQ(draw().line_count(), 1u);
  EXPECT_NE(LineAt(100, 100, 200, 100), nullptr);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  Release(200, 200);
  Press(400, 400);  // adds the second; a free start elsewhere
  EXPECT_EQ(draw().line_count(), 2u);
  const DrawLine* second = LineAt(200, 100, 200, 200);
  ASSERT_NE(second, nullptr);
  // The two segments share one junction.
  EXPECT_EQ(second->start_junction(), LineAt(100, 100, 200, 100)->end_junction());
  EXPECT_EQ(second->start_junction()->count(), 2);
}

TEST_F(CanvasTest, RefusedEndsKeepTheSegmentOpenUntilAValidRelease) {
  Mode(kModeLineStart);
  Press(100, 100);
  Release(100, 100);  // the start point itself
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  // Each further press and release tries again.
  Click(101, 101);  // snaps to the start point too
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  Click(160, 100);
  EXPECT_EQ(canvas().edit_mode(), kModeLinePending);
  Press(160, 100);
  ASSERT_EQ(draw().line_count(), 1u);
  // Back over the same line: it would overlap.
  Release(120, 100);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  // A free end in the middle of a line is refused too.
  Click(160, 60);
  Press(160, 60);
  EXPECT_EQ(draw().line_count(), 2u);
  Release(140, 100);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  RightClick(0, 0);
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
}

TEST_F(CanvasTest, RefusesAStartOnATakenTerminalOrInTheMiddleOfALine) {
  PlaceAnd2(200, 200);  // a at (184, 196)
  Mode(kModeLineStart);
  Press(184, 196);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  Release(120, 196);
  Press(300, 300);
  ASSERT_EQ(draw().line_count(), 1u);
  EXPECT_NE(draw().FindTerminalAt(184, 196)->line(), nullptr);
  RightClick(300, 300);
  RightClick(300, 300);
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  // A terminal that already carries a line refuses, also when picked from
  // 4 units away.
  Press(180, 196);
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  Press(152, 196);  // on the line
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
}

TEST_F(CanvasTest, StartsOnAJunctionOrFreeTerminalAtItsExactPlace) {
  PlaceAnd2(200, 200);  // b at (184, 204)
  Mode(kModeLineStart);
  Press(184, 208);  // 4 away from b: picked
  Release(120, 204);
  Press(120, 204);
  const DrawLine* line = LineAt(184, 204, 120, 204);
  ASSERT_NE(line, nullptr);
  EXPECT_NE(line->start_terminal(), nullptr);
  Release(120, 260);
  Press(0, 0);
  EXPECT_NE(LineAt(120, 204, 120, 260), nullptr);
}

TEST_F(CanvasTest, RightButtonTakesBackThePendingSegmentKeepingItsStart) {
  Mode(kModeLineStart);
  Press(100, 100);
  Release(200, 100);
  RightClick(0, 0);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
  Click(100, 200);
  Press(0, 0);
  EXPECT_NE(LineAt(100, 100, 100, 200), nullptr);
  EXPECT_EQ(LineAt(100, 100, 200, 100), nullptr);
}

TEST_F(CanvasTest, LeavingAddsThePendingSegmentAndDropsAStartedOne) {
  Mode(kModeLineStart);
  Press(100, 100);
  Release(200, 100);
  LeaveCanvas();
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  EXPECT_NE(LineAt(100, 100, 200, 100), nullptr);
  Press(300, 300);
  LeaveCanvas();
  EXPECT_EQ(canvas().edit_mode(), kModeLineStart);
  EXPECT_EQ(draw().line_count(), 1u);
  // Moving out of the client area counts as leaving.
  Press(300, 300);
  Release(400, 300);
  Move(-5, 300);
  EXPECT_EQ(draw().line_count(), 2u);
}

TEST_F(CanvasTest, NamesTheNearestItemAndCancelKeepsTheName) {
  DrawElement& gate = PlaceAnd2(200, 200);
  draw().AddLine(300, 100, 400, 100);
  Mode(kModeName);
  EXPECT_EQ(Prompt(),
            "【素子，信号線の名前の設定】　名前を付ける素子，信号線をマウスの左ボタンで選んでくだ"
            "さい。");
  dialogs.names = {std::string("  gate1 extra"), std::nullopt, std::string("  ")};
  Click(203, 199);
  EXPECT_EQ(gate.name(), "gate1");
  Click(203, 199);  // cancelled
  EXPECT_EQ(gate.name(), "gate1");
  Click(350, 104);  // the line
  EXPECT_EQ(draw().first_line()->name(), "?");
  ASSERT_EQ(dialogs.asked.size(), 3u);
  EXPECT_EQ(dialogs.asked[1], "name gate1");
  EXPECT_EQ(canvas().edit_mode(), kModeName);
}

TEST_F(CanvasTest, NamesAreCutToWhatAFileCanHold) {
  DrawElement& gate = PlaceAnd2(200, 200);
  Mode(kModeName);
  std::string long_name;
  for (int i = 0; i < 40; ++i)
    long_name += "あ";  // three bytes each
  dialogs.names = {long_name, std::string("a\"b")};
  Click(200, 200);
  EXPECT_EQ(gate.name().size(), 99u);
  Click(200, 200);
  EXPECT_EQ(gate.name(), "ab");
}

TEST_F(CanvasTest, DeleteSelectsFirstThenDeletesAndSelectsUnderTheNextClick) {
  DrawElement& gate = PlaceAnd2(200, 200);
  draw().AddLine(184, 196, 120, 196);  // on terminal a
  Mode(kModeDeletePick);
  Click(201, 201);
  EXPECT_EQ(canvas().edit_mode(), kModeDeleteSelected);
  EXPECT_EQ(canvas().selection().element, &gate);
  EXPECT_EQ(draw().element_count(), 1u);
  Click(130, 196);  // deletes the gate, selects the line
  EXPECT_EQ(draw().element_count(), 0u);
  ASSERT_EQ(draw().line_count(), 1u);
  EXPECT_EQ(canvas().selection().line, draw().first_line());
  // The line's end on the gate's terminal now lies on a junction.
  EXPECT_NE(draw().first_line()->start_junction(), nullptr);
  Click(0, 0);  // deletes the line; nothing is left to select
  EXPECT_EQ(draw().line_count(), 0u);
  EXPECT_EQ(draw().junction_count(), 0u);
  EXPECT_EQ(canvas().edit_mode(), kModeDeletePick);
}

TEST_F(CanvasTest, RightButtonOrLeavingDropsTheDeleteSelection) {
  PlaceAnd2(200, 200);
  Mode(kModeDeletePick);
  Click(200, 200);
  RightClick(200, 200);
  EXPECT_EQ(canvas().edit_mode(), kModeDeletePick);
  Click(200, 200);
  LeaveCanvas();
  EXPECT_EQ(canvas().edit_mode(), kModeDeletePick);
  EXPECT_EQ(draw().element_count(), 1u);
}

TEST_F(CanvasTest, MovesAnElementWithItsLinesAndJoinsLooseEndsWithinSeven) {
  DrawElement& gate = PlaceAnd2(200, 200);  // a (184,196) b (184,204) y (212,200)
  draw().AddLine(184, 196, 100, 196);       // on a
  draw().AddLine(300, 307, 400, 307);       // loose end at (300, 307)
  Mode(kModeMovePick);
  Press(201, 200);
  EXPECT_EQ(canvas().edit_mode(), kModeMoveElement);
  EXPECT_EQ(Prompt(), "【素子，信号線の移動】　左ボタンを押したまま，素子を移動させてください。");
  Release(280, 308);  // y lands on (292, 308): 8 from the loose end
  EXPECT_EQ(canvas().edit_mode(), kModeMoved);
  EXPECT_EQ(gate.x(), 280);
  EXPECT_EQ(gate.y(), 308);
  const DrawLine* attached = LineAt(264, 304, 100, 196);
  ASSERT_NE(attached, nullptr);  // the line on a followed
  const DrawLine* loose = LineAt(300, 307, 400, 307);
  ASSERT_NE(loose, nullptr);
  EXPECT_EQ(loose->start_terminal(), nullptr);  // 8 units: not joined

  Press(280, 308);
  Release(284, 308);  // y on (296, 308): 4.12 from the loose end
  const DrawLine* joined = LineAt(296, 308, 400, 307);
  ASSERT_NE(joined, nullptr);
  EXPECT_NE(joined->start_terminal(), nullptr);
  EXPECT_EQ(joined->start_terminal()->name(), "y");
  EXPECT_EQ(draw().FindJunctionAt(300, 307), nullptr);
}

TEST_F(CanvasTest, MovedElementGoesToTheHeadOfItsList) {
  DrawElement& first = PlaceAnd2(100, 100);
  PlaceAnd2(300, 300);
  Mode(kModeMovePick);
  Drag(100, 100, 120, 100);
  EXPECT_EQ(draw().first_element(), &first);
  EXPECT_EQ(&draw().first_terminal()->element(), &first);
}

TEST_F(CanvasTest, UndoAndCancelOfMoves) {
  DrawElement& gate = PlaceAnd2(200, 200);
  Mode(kModeMovePick);
  Drag(200, 200, 240, 200);
  EXPECT_EQ(gate.x(), 240);
  RightClick(0, 0);  // undoes the move
  EXPECT_EQ(gate.x(), 200);
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  Press(200, 200);
  RightClick(0, 0);  // cancels the drag
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  Release(260, 200);
  EXPECT_EQ(gate.x(), 200);
  Press(200, 200);
  Move(260, 200, Qt::LeftButton);
  LeaveCanvas();  // leaving puts the item back
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  EXPECT_EQ(gate.x(), 200);
  // The last move stays when leaving after it.
  Drag(200, 200, 220, 200);
  LeaveCanvas();
  EXPECT_EQ(gate.x(), 220);
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
}

TEST_F(CanvasTest, MovesALineBetweenJunctionsWithEverythingOnThem) {
  draw().AddLine(100, 100, 200, 100);
  draw().AddLine(200, 100, 200, 200);  // the one to move... its ends are junctions
  draw().AddLine(200, 200, 300, 200);
  Mode(kModeMovePick);
  Press(200, 150);
  EXPECT_EQ(canvas().edit_mode(), kModeMoveLine);
  Release(240, 150);
  EXPECT_NE(LineAt(240, 100, 240, 200), nullptr);
  EXPECT_NE(LineAt(100, 100, 240, 100), nullptr);
  EXPECT_NE(LineAt(240, 200, 300, 200), nullptr);
  RightClick(0, 0);
  EXPECT_NE(LineAt(200, 100, 200, 200), nullptr);
}

TEST_F(CanvasTest, MovesAJunction) {
  draw().AddLine(100, 100, 200, 100);
  draw().AddLine(200, 100, 200, 200);
  Mode(kModeMovePick);
  Press(202, 102);
  EXPECT_EQ(canvas().edit_mode(), kModeMoveJunction);
  Release(220, 80);
  EXPECT_NE(LineAt(100, 100, 220, 80), nullptr);
  EXPECT_NE(LineAt(220, 80, 200, 200), nullptr);
  EXPECT_EQ(draw().junction_count(), 3u);
}

TEST_F(CanvasTest, FlipsTheNearestElement) {
  DrawElement& gate = PlaceAnd2(200, 200);
  Mode(kModeFlip);
  EXPECT_EQ(Prompt(), "【正論理，負論理】　素子の正負論理を反転させます。素子を選んでください。");
  Click(400, 400);
  EXPECT_EQ(gate.polarity(), 'n');
  for (const DrawTerminal& terminal : gate.terminals())
    EXPECT_EQ(terminal.polarity(), 'n');
  Click(400, 400);
  EXPECT_EQ(gate.polarity(), 'p');
}

TEST_F(CanvasTest, ConnectionCheckFollowsJunctionsAndNamesButNotTerminals) {
  PlaceAnd2(200, 200);
  const DrawLine& a1 = draw().AddLine(100, 100, 150, 100);
  const DrawLine& a2 = draw().AddLine(150, 100, 184, 196);   // to terminal a
  DrawLine& far = draw().AddLine(500, 500, 600, 500);        // not touching
  const DrawLine& out = draw().AddLine(212, 200, 300, 200);  // from y: through the gate only
  draw().AddLine(184, 204, 150, 260);                        // on b: meets a2 only at the gate
  far.set_name("CLK");
  const_cast<DrawLine&>(a1).set_name("clk");
  Mode(kModeConnection);
  EXPECT_EQ(Prompt(), "【信号線の接続検査】　信号線の繋がりを調べます。信号線を選んでください。");
  Click(120, 102);
  const auto& set = canvas().connection_set();
  ASSERT_EQ(set.size(), 3u);
  EXPECT_EQ(set[0], &a1);
  EXPECT_EQ(set[1], &a2);
  EXPECT_EQ(set[2], &far);
  EXPECT_EQ(std::count(set.begin(), set.end(), &out), 0);
  LeaveCanvas();
  EXPECT_TRUE(canvas().connection_set().empty());
}

TEST_F(CanvasTest, ZoomTwiceDoublesTheScaleAndScrollingStaysInBounds) {
  frame().RunCommand(kCmdZoomIn);
  frame().RunCommand(kCmdZoomIn);
  EXPECT_NEAR(app->view().scale(), 2.0, 1e-9);
  frame().RunCommand(kCmdZoomOut);
  frame().RunCommand(kCmdZoomOut);
  EXPECT_NEAR(app->view().scale(), 1.0, 1e-9);
  QScrollBar* bar = canvas().verticalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(app->view().origin_y(), 0);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(app->view().origin_y(), 400);
  EXPECT_EQ(bar->value(), 400 * 100 / 1500);
  for (int i = 0; i < 10; ++i)
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(app->view().origin_y(), 1400);
  canvas().horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(app->view().origin_x(), 100);
}

TEST_F(CanvasTest, IgnoresTheMouseUntilPaintedAndInOtherWindows) {
  app->SetActivated();
  Click(100, 100);
  EXPECT_EQ(draw().element_count(), 0u);
  canvas().PaintNow();
  app->set_active_frame(nullptr);
  Click(100, 100);
  EXPECT_EQ(draw().element_count(), 0u);
  app->set_active_frame(&frame());
  Click(100, 100);
  EXPECT_EQ(draw().element_count(), 1u);
}

TEST_F(CanvasTest, AReleaseWithoutAPressInTheCanvasIsIgnored) {
  Mode(kModeLineStart);
  Press(100, 100);
  app->set_dragging(false);  // the press belonged to a dialog
  Release(200, 100);
  EXPECT_EQ(canvas().edit_mode(), kModeLineEnd);
}

}  // namespace
}  // namespace lumo::testing

namespace lumo::testing {
namespace {

// A mouse or paint handler that runs out of memory gives its event up; the
// message comes once the event is over, one for a burst of failures, and the
// canvas goes on working.
TEST_F(CanvasTest, RunningOutOfMemoryInAHandlerIsReportedAndTheCanvasStaysUsable) {
  const QWidget* window = &frame();
  canvas().guard().set_fault([] { throw std::bad_alloc(); });
  Click(101, 99);
  Move(150, 150);
  EXPECT_EQ(draw().element_count(), 0u);
  EXPECT_TRUE(window_texts[window].empty());
  QCoreApplication::processEvents();
  EXPECT_EQ(window_texts[window],
            std::vector<std::string>{"メモリが足りません。\n「マウスの操作」を中止しました。"});

  window_texts[window].clear();
  QPaintEvent paint(QRect(0, 0, 50, 50));
  QCoreApplication::sendEvent(canvas().viewport(), &paint);
  QCoreApplication::processEvents();
  EXPECT_EQ(window_texts[window],
            std::vector<std::string>{"メモリが足りません。\n「画面の描画」を中止しました。"});

  window_texts[window].clear();
  canvas().guard().set_fault(nullptr);
  Click(101, 99);
  ASSERT_EQ(draw().element_count(), 1u);
  EXPECT_EQ(draw().first_element()->x(), 100);
  canvas().PaintNow();
  QCoreApplication::processEvents();
  EXPECT_TRUE(window_texts[window].empty());
}

}  // namespace
}  // namespace lumo::testing
