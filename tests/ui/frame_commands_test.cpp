// The schematic window's commands and every message they can show.

#include <QAction>
#include <QPrinter>
#include <algorithm>

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/frame_placement.h"
#include "workflow/run_lock.h"

namespace lumo::testing {
namespace {

constexpr const char* kNotNamed =
    "回路図に名前が付けられていません。\nメニューの [ファイル]-[回路図に名前を付けて，保存する] "
    "で\n回路図に名前を付けてください。";

class FrameTest : public UiTest {
 protected:
  void SetUp() override { Start(); }

  // The half adder copied into the working folder and opened.
  std::string OpenHalfAdder() {
    const std::string path = work / "half_adder.ldr";
    fs::copy_file(TestData("half_adder.ldr"), path, fs::copy_options::overwrite_existing);
    frame().OpenAtStart(path);
    app->view().set_origin(800, 500);
    Ready();
    return path;
  }
  DrawElement* Element(const std::string& name) {
    for (DrawElement& element : draw().elements())
      if (element.name() == name) return &element;
    return nullptr;
  }
  // Pure red pixels where the names of x1 and g1 stand (above their bodies;
  // the terminals, always red, lie lower).
  int RedNamePixels() {
    const QImage& image = canvas().backing_store();
    int red = 0;
    for (const QPoint at : {canvas().DevicePoint(960, 584), canvas().DevicePoint(960, 640)})
      for (int y = at.y() - 24; y < at.y() - 9; ++y)
        for (int x = at.x() - 20; x < at.x() + 20; ++x)
          red += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    return red;
  }
  void Checks() {
    host.Clear();
    frame().RunCommand(kCmdCircuitChecks);
  }
  std::size_t FrameCount() const { return app->frames().size(); }
};

TEST_F(FrameTest, MenuHasEveryCommandWithItsCaptionAndTheLaterEditorsDisabled) {
  const std::pair<int, const char*> captions[] = {
      {32773, "回路図を開く"},
      {32774, "回路図を閉じて開く"},
      {32775, "回路図を上書き保存する"},
      {32776, "回路図に名前を付けて，保存する"},
      {32885, "回路図ファイルを削除する"},
      {32779, "回路図を印刷する"},
      {32889, "回路図編集ウィンドウを開く"},
      {32842, "波形編集ウィンドウを開く"},
      {32890, "シンボル編集ウィンドウを開く"},
      {32887, "回路図を保存し，ウィンドウを閉じる"},
      {32888, "ウィンドウを閉じる"},
      {32778, "素子を配置する"},
      {32786, "信号線を描く"},
      {32792, "素子，信号線に名前を付ける"},
      {32851, "素子，信号線を削除する"},
      {32791, "素子，信号線を移動する"},
      {32790, "正論理または負論理に変える"},
      {32806, "再描画する"},
      {32807, "拡大する"},
      {32808, "縮小する"},
      {32915, "信号の接続検査"},
      {32916, "回路の各種検査"},
      {32810, "回路図エディターの説明"},
      {32818, "バージョン情報"},
  };
  for (const auto& [id, caption] : captions) {
    QAction* action = frame().action(id);
    ASSERT_NE(action, nullptr) << id;
    EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << id;
    EXPECT_TRUE(action->isEnabled()) << id;
  }
  EXPECT_TRUE(frame().windowTitle().startsWith(QStringLiteral("ルモＣＡＤ　回路図の編集")));
}

TEST_F(FrameTest, ModeCommandsShowTheirPromptAndPressOnlyTheirButton) {
  frame().RunCommand(kCmdDelete);
  EXPECT_EQ(canvas().edit_mode(), kModeDeletePick);
  EXPECT_EQ(frame().status_text(),
            "【素子，信号線の削除】　削除する素子，信号線をマウスの左ボタンで選んでください。");
  EXPECT_TRUE(frame().action(kCmdDelete)->isChecked());
  EXPECT_FALSE(frame().action(kCmdPlace)->isChecked());
  frame().RunCommand(kCmdMove);
  EXPECT_EQ(canvas().edit_mode(), kModeMovePick);
  EXPECT_FALSE(frame().action(kCmdDelete)->isChecked());
  EXPECT_TRUE(frame().action(kCmdMove)->isChecked());
}

TEST_F(FrameTest, HelpOpensTheTopicOfTheMode) {
  const std::pair<int, int> topics[] = {{kModePlace, 1602},     {kModeLineStart, 1603},
                                        {kModeName, 1604},      {kModeDeletePick, 1605},
                                        {kModeMovePick, 1606},  {kModeFlip, 1607},
                                        {kModeConnection, 1608}};
  for (const auto& [mode, topic] : topics) {
    canvas().SetEditMode(mode);
    frame().RunCommand(kCmdHelp);
    EXPECT_EQ(dialogs.help_topics.back(), topic) << mode;
  }
  frame().RunCommand(kCmdAbout);
  EXPECT_EQ(dialogs.about_shown, 1);
}

TEST_F(FrameTest, EveryHelpTopicHasAPage) {
  for (int topic : {1501, 1602, 1603, 1604, 1605, 1606, 1607, 1608})
    EXPECT_TRUE(
        fs::exists(fs::path(app->system_folder()) / "help" / (std::to_string(topic) + ".html")))
        << topic;
}

TEST_F(FrameTest, ClosingANonEmptySchematicAsksOnceAndNoDoesNotSave) {
  const std::string path = OpenHalfAdder();
  const std::string before = FileText(path);
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  host.QueueAnswer(MessageAnswer::kNo);
  ASSERT_TRUE(frame().close());
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].text, "回路図をファイルに保存しますか？");
  EXPECT_EQ(host.Messages()[0].caption, "回路図の保存");
  EXPECT_EQ(host.Messages()[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(FileText(path), before);
  EXPECT_EQ(FrameCount(), 0u);
}

TEST_F(FrameTest, ClosingWithYesSavesTheNamedSchematic) {
  const std::string path = OpenHalfAdder();
  Element("g1")->set_name("gate");
  host.QueueAnswer(MessageAnswer::kYes);
  ASSERT_TRUE(frame().close());
  EXPECT_NE(FileText(path).find("gate"), std::string::npos);
}

TEST_F(FrameTest, ClosingWithYesKeepsAnUnnamedSchematicWhoseSaveWasCancelled) {
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  host.QueueAnswer(MessageAnswer::kYes);
  dialogs.files = {std::nullopt};
  EXPECT_FALSE(frame().close());
  EXPECT_EQ(FrameCount(), 1u);
  EXPECT_EQ(draw().element_count(), 1u);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0], "save " + work.path().string());
}

TEST_F(FrameTest, CloseWithoutAskingNeverAsks) {
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  frame().RunCommand(kCmdCloseWithoutAsking);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(FrameCount(), 0u);
}

TEST_F(FrameTest, SaveAndCloseSavesAndClosesButKeepsTheWindowWhenNothingWasSaved) {
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  dialogs.files = {std::nullopt};
  frame().RunCommand(kCmdSaveAndClose);
  EXPECT_EQ(FrameCount(), 1u);
  EXPECT_EQ(draw().element_count(), 1u);
  const std::string path = work / "gates.ldr";
  dialogs.files = {path};
  frame().RunCommand(kCmdSaveAndClose);
  EXPECT_EQ(FrameCount(), 0u);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(FileText(path).substr(0, 7), "(gates)");
}

TEST_F(FrameTest, SaveOfAnUnnamedSchematicTurnsIntoSaveAs) {
  frame().RunCommand(kCmdSave);  // empty: nothing happens
  EXPECT_TRUE(dialogs.asked.empty());
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  fs::create_directories(work.path() / "sub");
  const std::string path = (work.path() / "sub" / "adder.ldr").string();
  dialogs.files = {path};
  frame().RunCommand(kCmdSave);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].substr(0, 5), "save ");
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(draw().circuit_name(), "adder");
  EXPECT_EQ(app->work_folder(), (work.path() / "sub").string());
  EXPECT_EQ(canvas().windowTitle().toStdString(), path);
  // Named now: Save writes without asking.
  frame().RunCommand(kCmdSave);
  EXPECT_EQ(dialogs.asked.size(), 1u);
}

TEST_F(FrameTest, OpenReusesAnEmptyWindowAndOpensAnotherOffsetBy24) {
  const std::string first = work / "first.ldr";
  dialogs.files = {first};
  frame().RunCommand(kCmdOpen);
  EXPECT_EQ(FrameCount(), 1u);
  EXPECT_EQ(draw().circuit_name(), "first");
  EXPECT_EQ(FileText(first), "(first)()()()\n");  // a new file is made at once
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  const QPoint corner = frame().pos();
  const std::string second = work / "second.ldr";
  dialogs.files = {second};
  frame().RunCommand(kCmdOpen);
  ASSERT_EQ(FrameCount(), 2u);
  DrawFrame& fresh = *app->frames().front();
  EXPECT_EQ(fresh.draw().circuit_name(), "second");
  EXPECT_EQ(fresh.pos(), corner + QPoint(24, 24));
  // Cancelled: the new window goes again.
  dialogs.files = {std::nullopt};
  frame().RunCommand(kCmdOpen);
  EXPECT_EQ(FrameCount(), 2u);
}

TEST_F(FrameTest, NewWindowsFitTheScreen) {
  const QRect rect = NewFrameRect(QRect(600, 400, 500, 300), QSize(1024, 768));
  EXPECT_EQ(rect.topLeft(), QPoint(624, 424));
  EXPECT_EQ(rect.width(), 1024 - 624 - 2);
  EXPECT_EQ(rect.height(), 768 - 400 - 54);
  const QRect roomy = NewFrameRect(QRect(0, 0, 500, 300), QSize(1024, 768));
  EXPECT_EQ(roomy.size(), QSize(819, 614));
}

TEST_F(FrameTest, CloseAndOpenRefusesAnUnnamedSchematicAndReloadsOnCancel) {
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  frame().RunCommand(kCmdCloseAndOpen);
  EXPECT_EQ(Texts(), std::vector<std::string>{kNotNamed});
  EXPECT_TRUE(dialogs.asked.empty());
  draw().Clear();

  const std::string path = OpenHalfAdder();
  Element("g1")->set_name("gate");
  host.Clear();
  dialogs.files = {std::nullopt};
  frame().RunCommand(kCmdCloseAndOpen);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(draw().path(), path);
  EXPECT_EQ(draw().element_count(), 6u);
  EXPECT_NE(Element("gate"), nullptr);  // saved before, read again
}

TEST_F(FrameTest, EachWindowsMessagesGoToItsOwnHost) {
  DrawFrame& first = frame();
  DrawFrame* second = first.NewWindow();
  ASSERT_NE(second, &first);

  // A command of the second window, and a read its schematic reports.
  second->draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  second->RunCommand(kCmdCloseAndOpen);
  second->draw().Clear();
  const std::string damaged = work / "damaged.ldr";
  WriteText(damaged, "(damaged)\n(1 2 U1 _and2 zero p ())\n()\n()\n()\n");
  second->OpenAtStart(damaged);
  ASSERT_EQ(window_texts[second].size(), 2u);
  EXPECT_EQ(window_texts[second][0], kNotNamed);
  EXPECT_NE(window_texts[second][1].find("素子データの入力中"), std::string::npos);

  // The first window's checks report there only.
  first.RunCommand(kCmdCircuitChecks);
  EXPECT_EQ(window_texts[&first],
            std::vector<std::string>{"回路が空です。回路を作るか，入力してください。"});
  EXPECT_EQ(window_texts[second].size(), 2u);
  EXPECT_TRUE(window_texts[nullptr].empty());
  EXPECT_EQ(host.Messages().size(), 3u);
}

TEST_F(FrameTest, DeleteFileRemovesTheChosenFileOnly) {
  const std::string path = OpenHalfAdder();
  dialogs.files = {path};
  frame().RunCommand(kCmdDeleteFile);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(draw().element_count(), 6u);
  EXPECT_EQ(dialogs.asked[0], "delete " + work.path().string());
}

TEST_F(FrameTest, CircuitChecksOnEmptyAndUnnamedSchematics) {
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{"回路が空です。回路を作るか，入力してください。"});
  draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  Checks();
  EXPECT_EQ(Texts(),
            std::vector<std::string>{
                "回路に名前が付いていません。\nメニューの [ファイル]-[名前を付けて保存する] "
                "で名前を付けてください。"});
  EXPECT_EQ(host.Messages()[0].icon, MessageIcon::kWarning);
  EXPECT_EQ(host.Messages()[0].caption, "");
}

TEST_F(FrameTest, CircuitChecksPassTheHalfAdder) {
  OpenHalfAdder();
  Checks();
  ASSERT_EQ(host.Messages().size(), 1u) << host.Messages()[0].text;
  EXPECT_EQ(host.Messages()[0].text,
            "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。");
  EXPECT_EQ(host.Messages()[0].caption, "回路の各種検査");
  EXPECT_TRUE(fs::exists(work.path() / "half_adder.lcr"));
  EXPECT_TRUE(fs::exists(work.path() / "LumoExp.tmp"));
}

TEST_F(FrameTest, CircuitChecksWaitForNoOtherRunInTheWorkingFolder) {
  OpenHalfAdder();
  auto other = std::make_unique<RunLock>(app->work_folder());
  ASSERT_EQ(other->TryTake(), RunLock::State::kHeld);
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{kRunFolderBusyText});
  EXPECT_FALSE(fs::exists(work.path() / "LumoExp.tmp"));
  other.reset();
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。"});
}

TEST_F(FrameTest, CircuitChecksFindPinsWithoutNameOrLine) {
  OpenHalfAdder();
  Element("s")->set_name("?");
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "名前の付いていない入出力素子があります。\n名前を付けてください。"});
  Element("?")->set_name("s");
  DrawElement& pin = draw().PlaceElement(SystemSymbol("_in"), 400, 400, 0, 'p');
  pin.set_name("free");
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{"信号に接続していない入出力素子があります。"});
}

TEST_F(FrameTest, CircuitChecksReportElementsOfOneNameIgnoringCase) {
  OpenHalfAdder();
  Element("x1")->set_name("A");
  Element("g1")->set_name("a");
  Checks();
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"同じ名前の素子があります。\n名前を変えてください。"});
  // Both are drawn with red names at the next paint only.
  EXPECT_GT(RedNamePixels(), 0);
  canvas().PaintNow();
  EXPECT_EQ(RedNamePixels(), 0);
}

TEST_F(FrameTest, CircuitChecksReportAnUnconnectedGateInput) {
  OpenHalfAdder();
  // Take the line off b of the AND gate.
  for (DrawLine& line : draw().lines()) {
    if (line.x2() == 944 && line.y2() == 644) {
      draw().DeleteLine(line);
      break;
    }
  }
  Checks();
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"素子 g1(_and2) の入力端子 b が信号に接続していません。"});
}

TEST_F(FrameTest, CircuitChecksNameEveryElementWhoseCircuitFileIsMissing) {
  // parity4 without nandxor.lcr beside it.
  const std::string path = work / "parity4.ldr";
  fs::copy_file(SourceFolder() / "data" / "sample" / "parity4.ldr", path);
  frame().OpenAtStart(path);
  Ready();
  Checks();
  ASSERT_EQ(Texts().size(), 1u);
  const std::string text = Texts()[0];
  EXPECT_EQ(
      text.rfind("回路ファイルが部品フォルダーにも作業フォルダーにもない素子があります。\n", 0), 0u)
      << text;
  for (const char* element : {"X1(nandxor)", "X2(nandxor)", "X3(nandxor)"})
    EXPECT_NE(text.find(element), std::string::npos) << text;
  // With its circuit file the check passes.
  fs::copy_file(SourceFolder() / "data" / "sample" / "nandxor.lcr", work / "nandxor.lcr");
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。"});
}

TEST_F(FrameTest, PrintsToThePrinterAndShowsTheNotice) {
  OpenHalfAdder();
  dialogs.pdf = work / "page.pdf";
  frame().RunCommand(kCmdPrint);
  EXPECT_TRUE(host.Messages().empty());
  ASSERT_TRUE(fs::exists(*dialogs.pdf));
  EXPECT_GT(fs::file_size(*dialogs.pdf), 1000u);
  // The notice: a box with a blue frame from (100, 110).
  const QImage& image = canvas().backing_store();
  EXPECT_EQ(image.pixel(100, 120) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(image.pixel(105, 130) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(FrameTest, PrintMessages) {
  OpenHalfAdder();
  dialogs.pdf = std::nullopt;
  frame().RunCommand(kCmdPrint);  // cancelled: nothing
  EXPECT_TRUE(host.Messages().empty());

  QPrinter unwritable(QPrinter::HighResolution);
  unwritable.setOutputFormat(QPrinter::PdfFormat);
  unwritable.setOutputFileName(QString::fromStdString(work / "no/such/folder/page.pdf"));
  EXPECT_FALSE(frame().PrintOn(unwritable));
  EXPECT_EQ(Texts(), std::vector<std::string>{"印刷エラー\n\nStartDoc に失敗しました。"});
  EXPECT_TRUE(frame().isEnabled());
}

// The whole round: placed, wired and named with the mouse, checked, saved,
// and read back as it was drawn.
TEST_F(FrameTest, ASchematicDrawnWithTheMouseIsCheckedSavedAndReadBack) {
  const auto place = [&](const char* symbol, int x, int y, const char* name) {
    canvas().set_symbol_to_place(&SystemSymbol(symbol));
    canvas().SetEditMode(kModePlace);
    Click(x, y);
    canvas().SetEditMode(kModeName);
    dialogs.names.push_back(std::string(name));
    Click(x, y);
  };
  place("_in", 100, 96, "a");
  place("_in", 100, 160, "b");
  place("_and2", 200, 100, "g");  // a (184, 96), b (184, 104), y (212, 100)
  place("_out", 300, 100, "y");
  canvas().SetEditMode(kModeLineStart);
  Press(100, 96);
  Release(184, 96);
  Press(100, 160);  // adds the first, starts the second
  Release(152, 160);
  Press(152, 160);
  Release(152, 104);
  Press(152, 104);
  Release(184, 104);
  Press(212, 100);
  Release(300, 100);
  LeaveCanvas();  // adds the last
  ASSERT_EQ(draw().line_count(), 5u);
  for (const DrawTerminal& terminal : draw().terminals())
    EXPECT_NE(terminal.line(), nullptr) << terminal.element().name() << " " << terminal.name();
  canvas().SetEditMode(kModeName);
  dialogs.names.push_back(std::string("out"));
  Click(256, 100);
  EXPECT_EQ(draw().first_line()->name(), "out");

  const std::string path = work / "gates.ldr";
  dialogs.files = {path};
  frame().RunCommand(kCmdSave);  // unnamed: save as
  ASSERT_TRUE(fs::exists(path));
  Checks();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。"});

  // Read back: the same records, in the reverse order of the file.
  const std::string saved = FileText(path);
  Draw again(app->draw_environment(host));
  ASSERT_EQ(again.Read(path), DrawReadResult::kRead);
  const auto describe = [](const Draw& schematic) {
    std::vector<std::string> records;
    for (const DrawElement& element : schematic.elements())
      records.push_back(element.name() + " " + element.symbol_name() + " " +
                        std::to_string(element.x()) + "," + std::to_string(element.y()));
    for (const DrawLine& line : schematic.lines())
      records.push_back(line.name() + " " + std::to_string(line.x1()) + "," +
                        std::to_string(line.y1()) + "-" + std::to_string(line.x2()) + "," +
                        std::to_string(line.y2()) + (line.start_terminal() ? " t" : " c") +
                        (line.end_terminal() ? "t" : "c"));
    std::sort(records.begin(), records.end());
    return records;
  };
  EXPECT_EQ(describe(again), describe(draw()));
  // Saved once more it reverses again, giving the first file back.
  ASSERT_EQ(again.Save(work / "again.ldr"), DrawSaveResult::kSaved);
  Draw third(app->draw_environment(host));
  ASSERT_EQ(third.Read(work / "again.ldr"), DrawReadResult::kRead);
  ASSERT_EQ(third.Save(work / "third.ldr"), DrawSaveResult::kSaved);
  std::string expected = saved;
  expected.replace(expected.find("(gates)"), 7, "(third)");
  EXPECT_EQ(FileText(work.path() / "third.ldr"), expected);
}

TEST_F(FrameTest, RecordsThePlacementOfTheActiveFrameOnly) {
  frame().resize(700, 500);
  EXPECT_EQ(app->placement().w, 700);
  EXPECT_EQ(app->placement().h, 500);
  app->set_active_frame(nullptr);
  frame().resize(600, 400);
  EXPECT_EQ(app->placement().w, 700);
}

}  // namespace
}  // namespace lumo::testing
