// Start-up, settings and the end of the program.

#include "tests/ui/ui_test_util.h"
#include "ui/app_settings.h"
#include "ui/command_line.h"

namespace lumo::testing {
namespace {

class StartupTest : public UiTest {
 protected:
  QSettings& Settings() { return settings_file_; }
  void Store(const char* key, const QVariant& value) {
    Settings().setValue(key, value);
    Settings().sync();
  }
  // A fresh program on the same settings; false when it did not start.
  bool Run(const QStringList& arguments = {}, const std::string& system = SystemFolder()) {
    app.reset();
    app = std::make_unique<Application>(AppSetup(system));
    return app->Start(arguments);
  }
  QSettings settings_file_{QString::fromStdString(work / "settings.ini"), QSettings::IniFormat};
};

TEST_F(StartupTest, AMissingSymbolLibraryEndsTheProgramWithItsMessage) {
  const std::string empty = work / "nothing";
  fs::create_directories(empty);
  EXPECT_FALSE(Run({}, empty));
  EXPECT_EQ(Texts(),
            std::vector<std::string>{
                "ルモＣＡＤのシステムフォルダー \"" + empty +
                "\" にファイル LumoCAD.lib がありません。\nエキスプローラーで確かめてください。"
                "\nないときはルモＣＡＤを再インストールしてください。"});
  EXPECT_EQ(window_texts[nullptr], Texts());  // no window is open yet
  EXPECT_TRUE(app->frames().empty());
}

TEST_F(StartupTest, ADamagedSymbolLibraryEndsTheProgramAfterItsMessage) {
  const std::string system = work / "sys";
  fs::create_directories(system);
  WriteText(fs::path(system) / "LumoCAD.lib", "(\"_and2\" ((l 1 2");
  EXPECT_FALSE(Run({}, system));
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_TRUE(app->frames().empty());
}

TEST_F(StartupTest, FirstRunCoversEightyPercentOfTheScreen) {
  ASSERT_TRUE(Run());
  ASSERT_EQ(app->frames().size(), 1u);
  EXPECT_EQ(frame().pos(), QPoint(51, 38));
  EXPECT_EQ(frame().size(), QSize(819, 614));
  EXPECT_EQ(app->active_frame(), &frame());
}

TEST_F(StartupTest, AStoredPlacementIsUsedUnlessItsXIsMinusOne) {
  Store("Size/DrawFrameX", 10);
  Store("Size/DrawFrameY", 20);
  Store("Size/DrawFrameW", 640);
  Store("Size/DrawFrameH", 480);
  ASSERT_TRUE(Run());
  EXPECT_EQ(frame().pos(), QPoint(10, 20));
  EXPECT_EQ(frame().size(), QSize(640, 480));
  app.reset();  // writes the placement back
  Store("Size/DrawFrameX", -1);
  ASSERT_TRUE(Run());
  EXPECT_EQ(frame().pos(), QPoint(51, 38));
  EXPECT_EQ(frame().size(), QSize(819, 614));
}

TEST_F(StartupTest, TheEndWritesTheWorkingFolderAndTheSizeItCameBackWith) {
  ASSERT_TRUE(Run());
  frame().resize(800, 500);
  frame().move(30, 40);
  app->set_work_folder(work / "elsewhere");
  app.reset();
  Settings().sync();
  EXPECT_EQ(Settings().value("Directory/Work").toString().toStdString(), work / "elsewhere");
  EXPECT_EQ(Settings().value("Size/DrawFrameW").toInt(), 800);
  fs::create_directories(work.path() / "elsewhere");
  ASSERT_TRUE(Run());
  EXPECT_EQ(frame().size(), QSize(800, 500));
  EXPECT_EQ(frame().pos(), QPoint(30, 40));
  EXPECT_EQ(app->work_folder(), work / "elsewhere");
}

TEST_F(StartupTest, WithoutAStoredWorkingFolderTheCurrentOneServes) {
  ASSERT_TRUE(Run());
  EXPECT_EQ(app->work_folder(), work.path().string());
  EXPECT_TRUE(fs::exists(work.path() / "LumoSta.tmp"));
}

TEST_F(StartupTest, TheStatisticsFileReplacesALinkInItsPlace) {
  WriteText(work.path() / "victim", "victim\n");
  fs::create_symlink(work.path() / "victim", work.path() / "LumoSta.tmp");
  ASSERT_TRUE(Run());
  app->statistics() << "line\n" << std::flush;
  EXPECT_EQ(FileText(work.path() / "victim"), "victim\n");
  EXPECT_FALSE(fs::is_symlink(work.path() / "LumoSta.tmp"));
  EXPECT_EQ(FileText(work.path() / "LumoSta.tmp"), "line\n");
}

TEST_F(StartupTest, OpensOnlyTheLastArgumentUnlessItIsAFlag) {
  const std::string first = work / "one.ldr";
  const std::string second = work / "two.ldr";
  ASSERT_TRUE(Run({QString::fromStdString(first), QString::fromStdString(second)}));
  EXPECT_EQ(draw().path(), second);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(frame().windowTitle().contains(QString::fromStdString(second)));
  ASSERT_TRUE(Run({QString::fromStdString(first), QStringLiteral("-x")}));
  EXPECT_EQ(draw().path(), "?");
  EXPECT_EQ(CommandLineFile({}), "");
}

TEST_F(StartupTest, OpensTheSampleWithItsSymbols) {
  ASSERT_TRUE(Run({QString::fromStdString(TestData("half_adder.ldr").string())}));
  EXPECT_EQ(draw().element_count(), 6u);
  for (const DrawElement& element : draw().elements())
    EXPECT_NE(element.symbol(), nullptr) << element.symbol_name();
}

TEST_F(StartupTest, UserSymbolsComeFromTheStoredWorkingFolder) {
  const fs::path folder = work.path() / "mine";
  fs::create_directories(folder);
  WriteText(folder / "blob.lsy", "(\"blob\" () () ((\"a\" -8 0 0 p)) (u))\n");
  Store("Directory/Work", QString::fromStdString(folder.string()));
  ASSERT_TRUE(Run());
  EXPECT_NE(app->user_symbols().Find("blob"), nullptr);
}

TEST_F(StartupTest, LargeFontsWidenTheAllowances) {
  const auto small = AllowanceValues(108);
  EXPECT_EQ(small[0], 12);
  EXPECT_EQ(small[1], 100);
  EXPECT_EQ(small[2], 26);
  const auto large = AllowanceValues(120);
  EXPECT_EQ(large[0], 13);
  EXPECT_EQ(large[1], 112);
  for (int i = 2; i < 6; ++i)
    EXPECT_EQ(large[i], 31);
  EXPECT_EQ(large[6], 66);
  EXPECT_EQ(large[12], 24);
}

}  // namespace
}  // namespace lumo::testing
