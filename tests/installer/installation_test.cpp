#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "installer/install_list.h"
#include "installer/installation.h"
#include "installer_test_util.h"

namespace install {
namespace {

namespace fs = std::filesystem;

TEST(Installation, CopiesEachEntryIntoItsFolderAndRecordsTheFolders) {
  TempFolder medium, target;
  WriteFile(medium / "LumoCAD.lib", "(lib)");
  WriteFile(medium / "a.ldr", "(a)");
  WriteFile(medium / "Parts/adder4.lcr", "(adder)");
  WriteFile(medium / "Install.dat", "Sys LumoCAD.lib Sample a.ldr Sys Parts/adder4.lcr #");
  const InstallList list = ReadInstallList(medium / "Install.dat");
  ASSERT_EQ(list.status, ListStatus::kOk);

  RecordedSettings settings;
  const std::string destination = target / "deep/new/LumoCAD";
  const InstallResult result = Install(list.entries, medium.str(), destination, settings);
  ASSERT_EQ(result.status, InstallStatus::kDone) << result.message;
  EXPECT_EQ(result.copied, 3);
  EXPECT_EQ(ReadFile(destination + "/Sys/LumoCAD.lib"), "(lib)");
  EXPECT_EQ(ReadFile(destination + "/Sample/a.ldr"), "(a)");
  EXPECT_EQ(ReadFile(destination + "/Sys/Parts/adder4.lcr"), "(adder)");
  EXPECT_EQ(settings.writes, 1);
  EXPECT_EQ(settings.sys, destination + "/Sys");
  EXPECT_EQ(settings.work, destination + "/Sample");
  // Nothing but the installed files is left behind (no temporaries).
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(destination))
    files += entry.is_regular_file();
  EXPECT_EQ(files, 3);
}

TEST(Installation, ASecondRunReplacesEveryFileAndRecordsAgain) {
  TempFolder medium, target;
  WriteFile(medium / "LumoCAD", "#!/bin/sh\necho new\n");
  ::chmod((medium / "LumoCAD").c_str(), 0755);
  WriteFile(medium / "a.ldr", "(new)");
  const std::vector<InstallEntry> entries = {{"Sys", "LumoCAD"}, {"Sample", "a.ldr"}};
  const std::string destination = target / "LumoCAD";
  WriteFile(destination + "/Sys/LumoCAD", "old program, longer than the new one\n");
  WriteFile(destination + "/Sample/a.ldr", "(old and longer)");
  WriteFile(destination + "/Sample/mine.ldr", "(the student's)");

  RecordedSettings settings;
  ASSERT_EQ(Install(entries, medium.str(), destination, settings).status, InstallStatus::kDone);
  ASSERT_EQ(Install(entries, medium.str(), destination, settings).status, InstallStatus::kDone);
  EXPECT_EQ(ReadFile(destination + "/Sys/LumoCAD"), "#!/bin/sh\necho new\n");
  EXPECT_EQ(ReadFile(destination + "/Sample/a.ldr"), "(new)");
  EXPECT_EQ(ReadFile(destination + "/Sample/mine.ldr"), "(the student's)");
  EXPECT_EQ(settings.writes, 2);
  // The program stays a program.
  EXPECT_EQ(::access((destination + "/Sys/LumoCAD").c_str(), X_OK), 0);
}

TEST(Installation, AFailedCopyStopsKeepsEarlierFilesAndRecordsNothing) {
  TempFolder medium, target;
  WriteFile(medium / "one.lib", "(1)");
  WriteFile(medium / "three.ldr", "(3)");
  const std::string destination = target / "LumoCAD";
  WriteFile(destination + "/Sample/three.ldr", "(old 3)");
  const std::vector<InstallEntry> entries = {
      {"Sys", "one.lib"}, {"Sys", "missing.dly"}, {"Sample", "three.ldr"}};

  RecordedSettings settings;
  const InstallResult result = Install(entries, medium.str(), destination, settings);
  EXPECT_EQ(result.status, InstallStatus::kCopyFailed);
  EXPECT_EQ(result.copied, 1);
  EXPECT_EQ(result.message, "ファイル missing.dly を " + destination +
                                "/Sys/missing.dly にコピーできませんでした。\n");
  EXPECT_EQ(ReadFile(destination + "/Sys/one.lib"), "(1)");
  EXPECT_FALSE(fs::exists(destination + "/Sys/missing.dly"));
  EXPECT_EQ(ReadFile(destination + "/Sample/three.ldr"), "(old 3)");
  EXPECT_EQ(settings.writes, 0);

  // A folder that stands where a file must go fails that copy too, and the
  // file's old content elsewhere is untouched.
  fs::create_directories(destination + "/Sys/one.lib.d");
  WriteFile(medium / "one.lib.d", "(file)");
  EXPECT_EQ(Install({{"Sys", "one.lib.d"}}, medium.str(), destination, settings).status,
            InstallStatus::kCopyFailed);
  EXPECT_EQ(settings.writes, 0);
}

TEST(Installation, AFailedCopyLeavesTheOldFileWhole) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder medium, target;
  WriteFile(medium / "a.ldr", "(new)");
  const std::string destination = target / "LumoCAD";
  WriteFile(destination + "/Sample/a.ldr", "(old)");
  fs::permissions(destination + "/Sample", fs::perms::owner_read | fs::perms::owner_exec);
  RecordedSettings settings;
  const InstallResult result = Install({{"Sample", "a.ldr"}}, medium.str(), destination, settings);
  fs::permissions(destination + "/Sample", fs::perms::owner_all);
  EXPECT_EQ(result.status, InstallStatus::kCopyFailed);
  EXPECT_EQ(ReadFile(destination + "/Sample/a.ldr"), "(old)");
  EXPECT_EQ(fs::directory_iterator(destination + "/Sample")->path().filename(), "a.ldr");
}

TEST(Installation, ADestinationThatCannotBeMadeOrRecordedIsReported) {
  TempFolder medium, target;
  WriteFile(medium / "a.ldr", "(a)");
  WriteFile(target / "file", "x");
  RecordedSettings settings;
  const InstallResult blocked =
      Install({{"Sample", "a.ldr"}}, medium.str(), target / "file/LumoCAD", settings);
  EXPECT_EQ(blocked.status, InstallStatus::kNoDestination);
  EXPECT_NE(blocked.message.find(target / "file/LumoCAD"), std::string::npos);
  EXPECT_EQ(blocked.copied, 0);
  EXPECT_EQ(Install({}, medium.str(), "", settings).status, InstallStatus::kNoDestination);
  EXPECT_EQ(settings.writes, 0);

  // Settings that cannot be written are not a finished installation.
  settings.succeed = false;
  const InstallResult unrecorded =
      Install({{"Sample", "a.ldr"}}, medium.str(), target / "LumoCAD", settings);
  EXPECT_EQ(unrecorded.status, InstallStatus::kSettingsFailed);
  EXPECT_FALSE(unrecorded.message.empty());
}

}  // namespace
}  // namespace install
