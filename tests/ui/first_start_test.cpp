// The first start of an installed program: the working folder made from
// the samples and recorded.

#include "ui/first_start.h"
#include "tests/ui/ui_test_util.h"

namespace lumo::testing {
namespace {

class FirstStartTest : public UiTest {
 protected:
  FirstStartTest() {
    fs::create_directories(system / kSampleFolder / "sub");
    fs::copy_file(fs::path(SystemFolder()) / "LumoCAD.lib", system / "LumoCAD.lib");
    fs::copy_file(SourceFolder() / "data/sample/nandxor.lsy",
                  system / kSampleFolder / "nandxor.lsy");
    std::ofstream(system / kSampleFolder / "a.ldr") << "(a)\n";
    std::ofstream(system / kSampleFolder / "sub" / "b.ldr") << "(b)\n";
  }
  std::string Recorded() {
    settings_file.sync();
    return settings_file.value("Directory/Work").toString().toStdString();
  }
  fs::path system = work.path() / "usr/lib/lumocad";
  fs::path home = work.path() / "home";
  QSettings settings_file{QString::fromStdString(work / "settings.ini"), QSettings::IniFormat};
};

TEST_F(FirstStartTest, MakesTheWorkingFolderFromTheSamplesAndTheProgramStartsThere) {
  const std::string made = PrepareFirstStart(settings_file, system.string(), home.string());
  EXPECT_EQ(made, (home / "LumoCAD").string());
  EXPECT_EQ(Recorded(), made);
  EXPECT_TRUE(fs::exists(home / "LumoCAD/a.ldr"));
  EXPECT_TRUE(fs::exists(home / "LumoCAD/sub/b.ldr"));

  app = std::make_unique<Application>(AppSetup(system.string()));
  ASSERT_TRUE(app->Start({}));
  EXPECT_EQ(app->work_folder(), made);
  EXPECT_NE(app->user_symbols().Find("nandxor"), nullptr);  // read from the new folder

  // The next start finds the folder recorded and leaves it alone.
  std::ofstream(home / "LumoCAD/a.ldr") << "(mine)\n";
  EXPECT_EQ(PrepareFirstStart(settings_file, system.string(), home.string()), "");
  std::ifstream in(home / "LumoCAD/a.ldr");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "(mine)");
}

TEST_F(FirstStartTest, KeepsAFolderThatIsThereAndDoesNothingWithoutSamples) {
  // A ~/LumoCAD the user already has is recorded, its files kept as they are.
  fs::create_directories(home / "LumoCAD");
  std::ofstream(home / "LumoCAD/a.ldr") << "(mine)\n";
  EXPECT_EQ(PrepareFirstStart(settings_file, system.string(), home.string()),
            (home / "LumoCAD").string());
  EXPECT_FALSE(fs::exists(home / "LumoCAD/sub"));
  std::ifstream in(home / "LumoCAD/a.ldr");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "(mine)");

  // A program run from its build folder (no samples beside it), a file in
  // the folder's place, or no home: nothing is made or recorded.
  settings_file.remove("Directory/Work");
  EXPECT_EQ(PrepareFirstStart(settings_file, SystemFolder(), home.string()), "");
  EXPECT_EQ(PrepareFirstStart(settings_file, system.string(), ""), "");
  const fs::path other = work.path() / "other";
  fs::create_directories(other);
  std::ofstream(other / "LumoCAD") << "x";
  EXPECT_EQ(PrepareFirstStart(settings_file, system.string(), other.string()), "");
  EXPECT_EQ(Recorded(), "");
}

}  // namespace
}  // namespace lumo::testing
