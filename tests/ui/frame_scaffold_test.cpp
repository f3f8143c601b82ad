// The frame scaffold: a window's actions built from its command rows, the
// rows run as their menu entries do, and the registry of frame windows.

#include <gmock/gmock.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "editing/command_ids.h"
#include "tests/ui/ui_test_util.h"
#include "ui/frame_commands.h"
#include "ui/frame_registry.h"
#include "ui/list_frame.h"

namespace lumo::testing {
namespace {

// A window with a small command table and a log of what its commands did.
class TableFrame : public QMainWindow {
 public:
  TableFrame(Application& app, const CommandTable<TableFrame>& table)
      : app_(app), table_(table), commands_(*this, table) {}

  void RunCommand(int id) { RunCommandRow(*this, table_, app_, id); }
  void EnterMode(int mode) { log.push_back("mode " + std::to_string(mode)); }
  void Load() { log.push_back("load"); }
  bool Store() {
    log.push_back("store");
    return true;
  }
  // What a command meets when memory runs out.
  void Exhaust() { throw std::bad_alloc(); }
  CommandActions& commands() { return commands_; }

  std::vector<std::string> log;

 private:
  Application& app_;
  const CommandTable<TableFrame>& table_;
  CommandActions commands_;
};

enum { kLoad = 1, kStore, kSoon, kDraw, kPick, kQuit };

const char* const kMenus[] = {"File", "Edit"};
const CommandRow<TableFrame> kRows[] = {
    {.id = kLoad, .caption = "Load", .menu = 0, .run = Call<&TableFrame::Load>},
    {.id = kPick,
     .caption = "Pick",
     .menu = 1,
     .prompt = "Pick a thing",
     .mode = 7,
     .activates = false},
    {.id = kStore,
     .caption = "Store",
     .menu = 0,
     .separator = true,
     .run = Call<&TableFrame::Store>,
     .activates = false},
    {.id = kSoon, .caption = "Soon", .menu = 0, .later = true},
    {.id = kDraw, .caption = "Draw", .menu = 1, .mode = 3, .run = Call<&TableFrame::Load>},
    {.id = kQuit, .caption = "Quit", .menu = 0, .separator = true},
};
const int kTools[] = {kDraw, kPick, kToolSeparator, kLoad};
const CommandTable<TableFrame> kTable{kMenus, kRows, "bar", kTools};

enum { kGrow = 1 };
const CommandRow<TableFrame> kHungryRows[] = {
    {.id = kGrow, .caption = "Grow", .menu = 0, .run = Call<&TableFrame::Exhaust>},
};
const CommandTable<TableFrame> kHungryTable{kMenus, kHungryRows, "bar", {}};

// "title: Caption Caption | Caption" for each menu; "-" for a separator.
std::vector<std::string> MenuTexts(QMainWindow& window) {
  std::vector<std::string> texts;
  for (QAction* menu : window.menuBar()->actions()) {
    std::string text = menu->text().toStdString() + ":";
    for (QAction* action : menu->menu()->actions())
      text += " " + (action->isSeparator() ? std::string("|") : action->text().toStdString());
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> ToolTexts(QMainWindow& window) {
  std::vector<std::string> texts;
  QToolBar* bar = window.findChild<QToolBar*>();
  if (bar == nullptr) return texts;
  for (QAction* action : bar->actions())
    texts.push_back(action->isSeparator() ? "|" : action->objectName().toStdString());
  return texts;
}

class FrameScaffoldTest : public UiTest {
 protected:
  void SetUp() override {
    Start();
    window = std::make_unique<TableFrame>(*app, kTable);
  }
  std::unique_ptr<TableFrame> window;
};

TEST_F(FrameScaffoldTest, MenusFollowTheRowsAndTheToolBarItsOwnOrder) {
  EXPECT_THAT(MenuTexts(*window),
              ::testing::ElementsAre("File: Load | Store Soon | Quit", "Edit: Pick Draw"));
  EXPECT_THAT(ToolTexts(*window), ::testing::ElementsAre("command4", "command5", "|", "command1"));
  // Only what the tool bar shows carries an icon; a prompt replaces the
  // caption as the tips; a later command is disabled.
  for (int id : {kLoad, kDraw, kPick})
    EXPECT_FALSE(window->commands().action(id)->icon().isNull());
  for (int id : {kStore, kSoon, kQuit})
    EXPECT_TRUE(window->commands().action(id)->icon().isNull());
  EXPECT_EQ(window->commands().action(kPick)->toolTip(), "Pick a thing");
  EXPECT_EQ(window->commands().action(kPick)->statusTip(), "Pick a thing");
  EXPECT_EQ(window->commands().action(kStore)->toolTip(), "Store");
  EXPECT_FALSE(window->commands().action(kSoon)->isEnabled());
  EXPECT_TRUE(window->commands().action(kQuit)->isEnabled());
  EXPECT_EQ(window->commands().action(kQuit)->data().toInt(), kQuit);
  EXPECT_EQ(window->commands().action(99), nullptr);
}

TEST_F(FrameScaffoldTest, ModeRowsAreExclusiveButtonsAndOnlyThem) {
  EXPECT_TRUE(window->commands().action(kPick)->isCheckable());
  EXPECT_TRUE(window->commands().action(kDraw)->isCheckable());
  EXPECT_FALSE(window->commands().action(kLoad)->isCheckable());
  window->commands().PressModeButton(kDraw);
  EXPECT_TRUE(window->commands().action(kDraw)->isChecked());
  window->commands().action(kPick)->trigger();
  EXPECT_TRUE(window->commands().action(kPick)->isChecked());
  EXPECT_FALSE(window->commands().action(kDraw)->isChecked());
  window->commands().PressModeButton(0);
  EXPECT_FALSE(window->commands().action(kPick)->isChecked());
}

TEST_F(FrameScaffoldTest, TriggeringRunsTheHandlerOrEntersTheModeAndSetsTheFlagWhenTheRowSays) {
  const std::pair<int, bool> activating[] = {{kLoad, true}, {kStore, false}, {kPick, false},
                                             {kDraw, true}, {kSoon, true},   {kQuit, true}};
  for (const auto& [id, activates] : activating) {
    app->ClearActivated();
    window->RunCommand(id);
    EXPECT_EQ(app->activated(), activates) << id;
  }
  // A handler wins over the mode; a row with neither does nothing more.
  EXPECT_THAT(window->log, ::testing::ElementsAre("load", "store", "mode 7", "load"));
  window->log.clear();
  window->commands().action(kStore)->trigger();
  EXPECT_THAT(window->log, ::testing::ElementsAre("store"));
  app->ClearActivated();
  window->RunCommand(99);
  EXPECT_FALSE(app->activated());
  EXPECT_EQ(window->log.size(), 1u);
}

TEST_F(FrameScaffoldTest, ACommandOutOfMemoryIsGivenUpWithAMessageAndTheWindowGoesOn) {
  TableFrame hungry(*app, kHungryTable);
  hungry.commands().action(kGrow)->trigger();  // as a menu click: through Qt's event loop
  EXPECT_EQ(window_texts[&hungry],
            std::vector<std::string>{"メモリが足りません。\n「Grow」を中止しました。"});
  EXPECT_TRUE(window_texts[window.get()].empty());
  window->RunCommand(kLoad);
  EXPECT_THAT(window->log, ::testing::ElementsAre("load"));
}

TEST(FrameRegistryTest, KeepsClosedWindowsOwnedUntilTheyAreDestroyed) {
  QMainWindow first, second, chooser, older_chooser;
  FrameRegistry registry;
  registry.Add(first, FrameKind::kSchematic, nullptr);
  registry.Add(older_chooser, FrameKind::kChooser, &first);
  registry.Add(second, FrameKind::kSchematic, nullptr);
  registry.Add(chooser, FrameKind::kChooser, &first);
  EXPECT_THAT(registry.Open(FrameKind::kSchematic), ::testing::ElementsAre(&second, &first));
  EXPECT_THAT(registry.Alive(FrameKind::kSchematic), ::testing::ElementsAre(&first, &second));
  EXPECT_EQ(registry.Find(FrameKind::kChooser, first), &chooser);
  EXPECT_EQ(registry.Find(FrameKind::kChooser, second), nullptr);
  EXPECT_EQ(registry.Find(FrameKind::kWaveform, first), nullptr);
  EXPECT_THAT(registry.OwnedBy(first), ::testing::ElementsAre(&older_chooser, &chooser));

  registry.MarkClosed(first);
  registry.MarkClosed(chooser);
  EXPECT_THAT(registry.Open(FrameKind::kSchematic), ::testing::ElementsAre(&second));
  EXPECT_THAT(registry.Alive(FrameKind::kSchematic), ::testing::ElementsAre(&first, &second));
  EXPECT_EQ(registry.Find(FrameKind::kChooser, first), &chooser);
  EXPECT_TRUE(registry.Holds(first, FrameKind::kSchematic));
  EXPECT_FALSE(registry.Holds(first, FrameKind::kChooser));

  registry.Remove(chooser);
  registry.Remove(first);
  EXPECT_EQ(registry.Find(FrameKind::kChooser, first), &older_chooser);
  EXPECT_FALSE(registry.Holds(first, FrameKind::kSchematic));
  EXPECT_THAT(registry.Alive(FrameKind::kSchematic), ::testing::ElementsAre(&second));
}

TEST_F(FrameScaffoldTest, AChooserBelongsToItsSchematicWindowAndGoesWithIt) {
  window.reset();
  frame().RunCommand(kCmdPlace);
  ListFrame* chooser = frame().chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_THAT(app->registry().OwnedBy(frame()), ::testing::ElementsAre(chooser));
  // Placing again replaces the chooser.
  frame().RunCommand(kCmdPlace);
  EXPECT_NE(frame().chooser(), nullptr);
  EXPECT_EQ(app->registry().OwnedBy(frame()).size(), 1u);
  EXPECT_EQ(app->registry().Alive(FrameKind::kChooser).size(), 1u);

  DrawFrame* schematic = &frame();
  ASSERT_TRUE(schematic->close());
  EXPECT_TRUE(app->frames().empty());
  EXPECT_EQ(app->active_frame(), nullptr);
  EXPECT_FALSE(schematic->chooser()->isVisible());
  delete schematic;
  EXPECT_TRUE(app->registry().Alive(FrameKind::kChooser).empty());
  EXPECT_TRUE(app->registry().Alive(FrameKind::kSchematic).empty());
}

}  // namespace
}  // namespace lumo::testing
