// The symbol editor's window: opening from the schematic window, the mouse
// on the large view, undo, saving, closing, and the symbol reaching the
// other windows.

#include <sys/stat.h>

#include <QCloseEvent>

#include "editing/command_ids.h"
#include "editing/sym_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/list_child.h"
#include "ui/list_frame.h"
#include "ui/sym_child.h"
#include "ui/sym_frame.h"

namespace lumo::testing {
namespace {

class SymbolEditorTest : public UiTest {
 protected:
  void SetUp() override {
    // The half adder under a name no system symbol has.
    std::string text = FileText(TestData("half_adder.ldr"));
    ASSERT_EQ(text.rfind("(half_adder)\n", 0), 0u);
    WriteText(work / "halfadd.ldr", "(halfadd)" + text.substr(12));
    Start(QStringList{QString::fromStdString(work / "halfadd.ldr")});
  }

  SymFrame* Open() { return Open(frame()); }
  SymFrame* Open(DrawFrame& schematic) {
    schematic.RunCommand(kCmdSymbolEditor);
    SymFrame* editor = schematic.symbol_editor();
    if (editor != nullptr) {
      editor->resize(900, 700);
      QCoreApplication::processEvents();
      editor->Activate();
      editor->canvas().PaintNow();
    }
    return editor;
  }

  // Mouse events on the symbol canvas at unit points of the large view.
  void Mouse(SymFrame& editor, QEvent::Type type, UnitPoint p, Qt::MouseButton button,
             Qt::MouseButtons held) {
    SymChild& canvas = editor.canvas();
    const QPointF at = canvas.LargePoint(p);
    QMouseEvent event(type, at, canvas.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
  }
  void Down(SymFrame& editor, UnitPoint p, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(editor, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    Mouse(editor, QEvent::MouseButtonPress, p, button, button);
  }
  void Up(SymFrame& editor, UnitPoint p) {
    Mouse(editor, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    Mouse(editor, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  void Drag(SymFrame& editor, UnitPoint from, UnitPoint to) {
    Down(editor, from);
    Up(editor, to);
  }

  std::string SymbolFile() const { return FileText(work / "halfadd.lsy"); }
};

TEST_F(SymbolEditorTest, RefusesEmptyAndUnnamedSchematics) {
  DrawFrame* fresh = frame().NewWindow();
  ASSERT_NE(fresh, nullptr);
  fresh->RunCommand(kCmdSymbolEditor);
  EXPECT_EQ(window_texts[fresh].back(),
            "シンボルエディターを開く前に，\nメニューの [ファイル]-[回路図を開く] で\n"
            "回路図を開いてください。");
  EXPECT_EQ(fresh->symbol_editor(), nullptr);

  // Elements, but no name yet.
  fresh->draw().PlaceElement(SystemSymbol("_in"), 100, 100, 0, 'p');
  fresh->RunCommand(kCmdSymbolEditor);
  EXPECT_EQ(window_texts[fresh].back(),
            "回路図に名前が付けられていません。\nシンボルエディターを開く前に，\n"
            "メニューの [ファイル]-[回路図に名前を付けて，保存する] で\n"
            "回路図に名前を付けてください。");
  EXPECT_EQ(fresh->symbol_editor(), nullptr);
  EXPECT_TRUE(app->user_symbols().Empty());
}

TEST_F(SymbolEditorTest, OpensOnTheSymbolOfTheSchematicFoundIgnoringCase) {
  auto existing = std::make_unique<Symbol>("HALFADD");
  existing->positive = std::make_unique<SymbolGraphics>();
  Symbol* added = app->user_symbols().Add(std::move(existing));
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(&editor->symbol(), added);
  EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("ルモＣＡＤ　シンボルの編集")));
  EXPECT_EQ(editor->canvas().windowTitle().toStdString(), (work / "halfadd.ldr"));
  EXPECT_EQ(editor->status_text().toStdString(), SymModePrompt(kSymLineIdle));
  EXPECT_TRUE(editor->action(kCmdSymLine)->isChecked());
  // The external terminals of the schematic, in its element order (the
  // reverse of the file's).
  std::vector<std::string> names;
  for (const ExternalTerminal& terminal : editor->external_terminals())
    names.push_back(terminal.name);
  EXPECT_EQ(names, (std::vector<std::string>{"c", "s", "b", "a"}));
  // Opening again brings the same window, also from another window of the
  // same schematic: one symbol never has two editors.
  frame().RunCommand(kCmdSymbolEditor);
  EXPECT_EQ(frame().symbol_editor(), editor);
  DrawFrame* twin = frame().NewWindow();
  ASSERT_EQ(app->ReadSchematic(twin->draw(), work / "halfadd.ldr"), DrawReadResult::kRead);
  twin->RunCommand(kCmdSymbolEditor);
  EXPECT_EQ(twin->symbol_editor(), nullptr);
  EXPECT_EQ(app->registry().Open(FrameKind::kSymbol).size(), 1u);
}

TEST_F(SymbolEditorTest, MouseDrawsLinesThatUndoAndRedoWithTheTitleMark) {
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  Symbol& symbol = editor->symbol();
  EXPECT_FALSE(editor->windowTitle().endsWith('*'));
  Drag(*editor, {0, 0}, {0, 0});  // released where pressed: no line
  EXPECT_TRUE(symbol.positive->lines.empty());
  EXPECT_EQ(editor->editor().mode(), kSymLineDrag);
  Drag(*editor, {4, 4}, {16, 8});  // the drag from (0, 0) ends here
  ASSERT_EQ(symbol.positive->lines.size(), 1u);
  const SymbolLine& line = *symbol.positive->lines.head();
  EXPECT_EQ((std::array{line.x0, line.y0, line.x1, line.y1}), (std::array{0, 0, 16, 8}));
  EXPECT_TRUE(editor->windowTitle().endsWith('*'));
  // The new line is red in the large view until the next action.
  const QPoint middle = editor->canvas().LargePoint({8, 4});
  EXPECT_EQ(editor->canvas().backing_store().pixelColor(middle), QColor(255, 0, 0));

  // Leaving the canvas commits it: black, and the tool idle again.
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&editor->canvas(), &leave);
  EXPECT_EQ(editor->editor().mode(), kSymLineIdle);
  EXPECT_EQ(editor->canvas().backing_store().pixelColor(middle), QColor(0, 0, 0));

  EXPECT_EQ(editor->action(kCmdSymUndo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(editor->action(kCmdSymRedo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
  editor->RunCommand(kCmdSymUndo);
  EXPECT_TRUE(symbol.positive->lines.empty());
  EXPECT_FALSE(editor->windowTitle().endsWith('*'));
  EXPECT_EQ(editor->editor().mode(), kSymLineIdle);
  editor->RunCommand(kCmdSymRedo);
  EXPECT_EQ(symbol.positive->lines.size(), 1u);
  EXPECT_TRUE(editor->windowTitle().endsWith('*'));

  // The box tool: four lines, one right click takes them all back.
  editor->RunCommand(kCmdSymBox);
  editor->canvas().PaintNow();
  Drag(*editor, {-20, -20}, {-4, 20});
  EXPECT_EQ(symbol.positive->lines.size(), 5u);
  Down(*editor, {40, 40}, Qt::RightButton);
  EXPECT_EQ(symbol.positive->lines.size(), 1u);
  EXPECT_EQ(editor->editor().mode(), kSymBoxDrag);
}

TEST_F(SymbolEditorTest, TerminalsFromTheDialogAndTheMarkOfUnknownNames) {
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kCmdSymTerminalFirst + 4);  // right-facing negative
  editor->canvas().PaintNow();
  EXPECT_TRUE(editor->action(kCmdSymTerminalFirst + 4)->isChecked());
  dialogs.names = {std::string("CK clock"), std::string("s"), std::string("")};
  Down(*editor, {24, -8});
  Down(*editor, {24, 8});
  Down(*editor, {24, 24});
  std::vector<std::string> terminals;
  for (const SymbolTerminal& terminal : editor->symbol().terminals)
    terminals.push_back(terminal.name + " " + std::to_string(terminal.direction) +
                        terminal.polarity);
  EXPECT_EQ(terminals, (std::vector<std::string>{"? 2n", "s 2n", "CK 2n"}));
  const SymbolText& clock = *editor->symbol().positive->texts.head()->next()->next();
  EXPECT_EQ(clock.text, "clock");
  EXPECT_EQ((std::array{clock.x, clock.y}), (std::array{28, -13}));
  // CK and ? match no terminal of the schematic: a red mark; s does.
  const QImage& store = editor->canvas().backing_store();
  const auto red_near = [&](UnitPoint p) {
    const QPoint at = editor->canvas().LargePoint(p);
    for (int dy = -12; dy <= 12; ++dy)
      if (store.pixelColor(at + QPoint(9, dy)) == QColor(255, 0, 0) ||
          store.pixelColor(at + QPoint(-9, dy)) == QColor(255, 0, 0))
        return true;
    return false;
  };
  editor->RunCommand(kCmdSymLine);  // the last terminal is no longer red
  editor->canvas().PaintNow();
  EXPECT_TRUE(red_near({24, -8}));
  EXPECT_FALSE(red_near({24, 8}));
}

TEST_F(SymbolEditorTest, SavesTheFileAndEveryWindowSeesTheSymbol) {
  DrawFrame& first = frame();
  // A second schematic already holds an element of the symbol to be.
  DrawFrame* other = first.NewWindow();
  ASSERT_NE(other, nullptr);
  WriteText(work / "user.ldr", "(user)\n(0 0 u1 halfadd 0 p\n  (\n  )\n)\n()\n()\n()\n");
  ASSERT_EQ(app->ReadSchematic(other->draw(), (work / "user.ldr")), DrawReadResult::kRead);
  ASSERT_NE(other->draw().first_element(), nullptr);
  EXPECT_EQ(other->draw().first_element()->symbol(), nullptr);

  SymFrame* editor = Open(first);
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kCmdSymGenerate);
  EXPECT_EQ(editor->symbol().terminals.size(), 4u);
  EXPECT_TRUE(editor->windowTitle().endsWith('*'));
  editor->RunCommand(kCmdSymSave);
  EXPECT_FALSE(editor->windowTitle().endsWith('*'));
  const std::string written = SymbolFile();
  EXPECT_NE(written.find("(\"a\" -"), std::string::npos) << written;
  EXPECT_EQ(other->draw().first_element()->symbol(), &editor->symbol());

  // Generating again is refused: the symbol is not blank.
  editor->RunCommand(kCmdSymGenerate);
  EXPECT_EQ(window_texts[editor].size(), 1u);
  editor->RunCommand(kCmdSymSaveAndClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(first.symbol_editor(), nullptr);
  EXPECT_EQ(SymbolFile(), written);
}

TEST_F(SymbolEditorTest, AFailedSaveNamesTheFileAndKeepsTheEditorOpen) {
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kCmdSymGenerate);
  // A folder where the file should go: it cannot be replaced.
  fs::create_directory(work / "halfadd.lsy");
  editor->RunCommand(kCmdSymSaveAndClose);
  QCoreApplication::processEvents();
  ASSERT_EQ(frame().symbol_editor(), editor);
  ASSERT_EQ(window_texts[editor].size(), 1u);
  EXPECT_NE(window_texts[editor][0].find((work / "halfadd.lsy")), std::string::npos);
  EXPECT_TRUE(editor->windowTitle().endsWith('*'));
  // Closing the schematic asks for the symbol; its save fails again, so
  // both windows stay.
  DrawFrame& schematic = frame();
  host.QueueAnswer(MessageAnswer::kYes);
  EXPECT_FALSE(schematic.close());
  EXPECT_EQ(schematic.symbol_editor(), editor);
  EXPECT_EQ(window_texts[editor].back(), window_texts[editor][0]);
  fs::remove(work / "halfadd.lsy");
  editor->RunCommand(kCmdSymSaveAndClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().symbol_editor(), nullptr);
  EXPECT_TRUE(fs::is_regular_file(work / "halfadd.lsy"));
}

TEST_F(SymbolEditorTest, ClosingAsksAboutChangesAndAnEmptiedSymbolLeavesTheList) {
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  Drag(*editor, {0, 0}, {8, 0});
  host.QueueAnswer(MessageAnswer::kNo);
  editor->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().symbol_editor(), nullptr);
  EXPECT_EQ(Texts().back(), "シンボルをファイルに保存しますか？");
  EXPECT_FALSE(fs::exists(work / "halfadd.lsy"));
  // The drawing stays in memory.
  ASSERT_NE(app->user_symbols().Find("halfadd"), nullptr);

  // Everything deleted, then saved: the symbol leaves the user symbols and
  // no file is written.
  editor = Open();
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kCmdSymDelete);
  editor->canvas().PaintNow();
  Down(*editor, {4, 0});
  EXPECT_TRUE(editor->symbol().positive->lines.empty());
  const std::size_t messages = Texts().size();
  editor->RunCommand(kCmdSymSaveAndClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().symbol_editor(), nullptr);
  EXPECT_EQ(app->user_symbols().Find("halfadd"), nullptr);
  EXPECT_FALSE(fs::exists(work / "halfadd.lsy"));
  EXPECT_EQ(Texts().size(), messages);
}

TEST_F(SymbolEditorTest, HelpFollowsTheModeAndTheUserSymbolsReadAgainAreFollowed) {
  SymFrame* editor = Open();
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kCmdSymHelp);
  editor->RunCommand(kCmdSymArc);
  editor->RunCommand(kCmdSymHelp);
  editor->RunCommand(kCmdSymDelete);
  editor->RunCommand(kCmdSymHelp);
  EXPECT_EQ(dialogs.help_topics, (std::vector<int>{1902, 1904, 1908}));
  for (int mode = 0; mode <= kSymDeleted; ++mode) {
    const int topic = SymModeHelpContext(mode);
    EXPECT_TRUE(
        fs::exists(fs::path(app->system_folder()) / "help" / (std::to_string(topic) + ".html")))
        << topic;
  }
  editor->RunCommand(kCmdSymAbout);
  EXPECT_EQ(dialogs.about_shown, 1);

  // The chooser's delete reads the user symbols again: the editor goes on
  // with the symbol of the new list and a fresh history.
  editor->RunCommand(kCmdSymLine);
  editor->canvas().PaintNow();
  Drag(*editor, {0, 0}, {8, 0});
  app->user_symbols().ReadFolder(work.path().string(), app->symbol_messages(host));
  app->UserSymbolsChanged();
  EXPECT_EQ(&editor->symbol(), app->user_symbols().Find("halfadd"));
  EXPECT_FALSE(editor->history().CanUndo());
  editor->canvas().PaintNow();
  Drag(*editor, {0, 8}, {8, 8});
  EXPECT_EQ(editor->symbol().positive->lines.size(), 1u);
}

}  // namespace
}  // namespace lumo::testing
