#include <gtest/gtest.h>

#include <string>

#include "installer/folder_text.h"
#include "installer/install_list.h"
#include "installer_test_util.h"

namespace install {
namespace {

TEST(InstallList, PairsUpToTheClosingHashInOrder) {
  TempFolder dir;
  WriteFile(dir / "Install.dat",
            "Sys LumoCAD.lib\r\nSample\ta.ldr\n  Sys/Parts  x.lcr\n#\nSys after.txt\n");
  const InstallList list = ReadInstallList(dir / "Install.dat");
  ASSERT_EQ(list.status, ListStatus::kOk);
  ASSERT_EQ(list.entries.size(), 3u);
  EXPECT_EQ(list.entries[0].folder, "Sys");
  EXPECT_EQ(list.entries[0].file, "LumoCAD.lib");
  EXPECT_EQ(list.entries[1].folder, "Sample");
  EXPECT_EQ(list.entries[1].file, "a.ldr");
  EXPECT_EQ(list.entries[2].folder, "Sys/Parts");
  EXPECT_EQ(list.entries[2].file, "x.lcr");
}

TEST(InstallList, RefusesDamagedListsWhole) {
  TempFolder dir;
  EXPECT_EQ(ReadInstallList(dir / "Install.dat").status, ListStatus::kMissing);

  WriteFile(dir / "a.dat", "Sys LumoCAD.lib Sample a.ldr\n");
  EXPECT_EQ(ReadInstallList(dir / "a.dat").status, ListStatus::kNoEnd);
  WriteFile(dir / "b.dat", "Sys LumoCAD.lib Sample\n");  // a folder without its file
  EXPECT_EQ(ReadInstallList(dir / "b.dat").status, ListStatus::kNoEnd);
  WriteFile(dir / "c.dat", "");
  EXPECT_EQ(ReadInstallList(dir / "c.dat").status, ListStatus::kNoEnd);

  // 1,000 entries are the most a list may hold.
  std::string full;
  for (int i = 0; i < kMaxEntries; ++i)
    full += "Sys f" + std::to_string(i) + "\n";
  WriteFile(dir / "d.dat", full + "#\n");
  const InstallList most = ReadInstallList(dir / "d.dat");
  EXPECT_EQ(most.status, ListStatus::kOk);
  EXPECT_EQ(most.entries.size(), 1000u);
  WriteFile(dir / "e.dat", full + "Sys one_more\n#\n");
  const InstallList over = ReadInstallList(dir / "e.dat");
  EXPECT_EQ(over.status, ListStatus::kTooMany);
  EXPECT_TRUE(over.entries.empty());

  // Entries that would write or read outside their folders.
  for (const char* bad : {"Sys ../../.profile\n#\n", "../up a.ldr\n#\n", "/etc passwd\n#\n",
                          "Sys /etc/passwd\n#\n"}) {
    WriteFile(dir / "f.dat", bad);
    EXPECT_EQ(ReadInstallList(dir / "f.dat").status, ListStatus::kOutside) << bad;
  }

  for (ListStatus status :
       {ListStatus::kMissing, ListStatus::kNoEnd, ListStatus::kTooMany, ListStatus::kOutside})
    EXPECT_NE(ListRefusal(status).find("Install.dat"), std::string::npos);
  EXPECT_NE(ListRefusal(ListStatus::kNoEnd), ListRefusal(ListStatus::kTooMany));
}

TEST(FolderText, TypingBackspaceAndTheLimit) {
  FolderText text;
  EXPECT_FALSE(text.Backspace());  // empty stays empty
  EXPECT_EQ(text.text(), "");
  EXPECT_TRUE(text.Type('/'));
  EXPECT_TRUE(text.Type('a'));
  EXPECT_FALSE(text.Type(31));
  EXPECT_FALSE(text.Type(127));
  EXPECT_FALSE(text.Type(0x3042));  // typing takes printable ASCII only
  EXPECT_EQ(text.text(), "/a");
  EXPECT_TRUE(text.Backspace());
  EXPECT_EQ(text.text(), "/");

  FolderText full;
  for (int i = 0; i < 300; ++i)
    full.Type('x');
  EXPECT_EQ(full.text().size(), FolderText::kMaxBytes);
  EXPECT_FALSE(full.Type('y'));
}

TEST(FolderText, PastedUtf8IsKeptWholeAndCutAtACharacter) {
  FolderText text("/home/");
  EXPECT_EQ(text.Paste("学生/回路"), std::string("学生/回路").size());
  EXPECT_EQ(text.text(), "/home/学生/回路");
  // Backspace removes a whole character, never half of one.
  EXPECT_TRUE(text.Backspace());
  EXPECT_EQ(text.text(), "/home/学生/回");

  // A control character or a broken sequence ends what is taken.
  FolderText lines("/a");
  lines.Paste("b\nc");
  EXPECT_EQ(lines.text(), "/ab");
  FolderText broken("/a");
  broken.Paste("b\xe5\xad");
  EXPECT_EQ(broken.text(), "/ab");

  // 258 bytes leave no room for a three-byte character: it is left out whole.
  FolderText near(std::string(258, 'x'));
  near.Paste("字");
  EXPECT_EQ(near.text().size(), 258u);
  near.Paste("z字");
  EXPECT_EQ(near.text().size(), 259u);
  EXPECT_EQ(near.text().back(), 'z');
}

}  // namespace
}  // namespace install
