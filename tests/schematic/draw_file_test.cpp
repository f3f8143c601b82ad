#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/atomic_file.h"
#include "lists/error_table.h"
#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

constexpr const char* kFileA =
    "(top)\n"
    "(10 20 U1 zz 0 p \n"
    "  (\n"
    "  (1 2 a 0 p (5))\n"
    "  (3 4 b 1 n )\n"
    "  )(color red))\n"
    "(30 40 \"4bit\" _and2 4 \"5\" \n"
    "  (\n"
    "  (5 6 y 2 p )\n"
    "  ))\n"
    "()\n"
    "(0 0 8 0 c c ? (x 1.50000))\n"
    "(1 2 9 9 t c \"a b\" )\n"
    "()\n"
    "()\n";

// kFileA read and written once: every list reversed.
constexpr const char* kFileB =
    "(top)\n"
    "(30 40 \"4bit\" _and2 4 \"5\" \n"
    "  (\n"
    "  (5 6 y 2 p )\n"
    "  ))\n"
    "(10 20 U1 zz 0 p \n"
    "  (\n"
    "  (3 4 b 1 n )\n"
    "  (1 2 a 0 p (5))\n"
    "  )(color red))\n"
    "()\n"
    "(1 2 9 9 t c \"a b\" )\n"
    "(0 0 8 0 c c ? (x 1.50000))\n"
    "()\n"
    "()\n";

class DrawFile : public SchematicTest {
 protected:
  std::string ListErrorText(const std::string& tag, const std::string& detail) {
    return ErrorText(errors, tag, detail);
  }
  TemporaryFolder folder;
};

TEST_F(DrawFile, TheWriterLayout) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  gate.set_name("U1");
  draw.AddLine(40, 96, 84, 96).set_name("A");
  draw.AddLine(0, 0, 0, 40);
  EXPECT_EQ(Written(),
            "(?)\n"
            "(100 100 U1 _and2 0 p \n"
            "  (\n"
            "  (84 96 a 0 p )\n"
            "  (84 104 b 0 p )\n"
            "  (112 100 y 2 p )\n"
            "  ))\n"
            "()\n"
            "(0 0 0 40 c c ? )\n"
            "(40 96 84 96 c t A )\n"
            "()\n"
            "()\n");
  draw.Clear();
  EXPECT_EQ(Written(), "(\"\")\n()\n()\n()\n");
}

TEST_F(DrawFile, ReadingAndWritingReversesEveryListAndASecondCycleRestoresIt) {
  ASSERT_EQ(ReadText(kFileA), DrawReadResult::kRead);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(draw.circuit_name(), "top");
  ASSERT_EQ(draw.element_count(), 2u);
  // An element of an unknown symbol stays, unbound; a known one is bound.
  EXPECT_EQ(draw.first_element()->symbol(), &SystemSymbol("_and2"));
  EXPECT_EQ(draw.first_element()->next()->symbol(), nullptr);
  EXPECT_EQ(draw.first_element()->polarity(), '5');
  // The t end found its terminal; the other end got a junction.
  const DrawLine& named = *draw.first_line();
  EXPECT_EQ(named.name(), "a b");
  ASSERT_NE(named.start_terminal(), nullptr);
  EXPECT_EQ(named.start_terminal()->name(), "a");
  EXPECT_EQ(named.start_terminal()->line(), &named);
  EXPECT_NE(named.end_junction(), nullptr);
  EXPECT_EQ(Written(), kFileB);

  Draw again(environment);
  std::istringstream in(kFileB);
  ASSERT_EQ(again.ReadSections(in), DrawReadResult::kRead);
  EXPECT_EQ(Written(again), kFileA);
}

TEST_F(DrawFile, DegenerateAndUnattachableLines) {
  ASSERT_EQ(ReadText("(x)\n"
                     "(0 0 g _not 0 p ((-12 0 a 0 p)(12 0 y 2 n)))\n"
                     "()\n"
                     "(5 5 5 5 c c ? )\n"      // equal end points: dropped
                     "(12 0 40 0 t t ? )\n"    // no terminal at (40, 0)
                     "(-12 0 -40 0 t q ? )\n"  // an unknown kind
                     "(-40 0 -12 0 c t ? )\n"
                     "()\n"),
            DrawReadResult::kRead);
  ASSERT_EQ(draw.line_count(), 3u);
  const DrawLine* attached = draw.first_line();
  const DrawLine* unknown = attached->next();
  const DrawLine* missing = unknown->next();
  for (const DrawLine* loose : {unknown, missing}) {
    EXPECT_EQ(loose->start_terminal(), nullptr);
    EXPECT_EQ(loose->start_junction(), nullptr);
    EXPECT_EQ(loose->end_terminal(), nullptr);
    EXPECT_EQ(loose->end_junction(), nullptr);
  }
  EXPECT_EQ(attached->end_terminal()->name(), "a");
  EXPECT_EQ(draw.FindTerminalAt(12, 0)->line(), nullptr);
  EXPECT_EQ(draw.junction_count(), 1u);
  EXPECT_EQ(Written(),
            "(x)\n"
            "(0 0 g _not 0 p \n"
            "  (\n"
            "  (12 0 y 2 n )\n"
            "  (-12 0 a 0 p )\n"
            "  ))\n"
            "()\n"
            "(-40 0 -12 0 c t ? )\n"
            "(-12 0 -40 0 c c ? )\n"
            "(12 0 40 0 c c ? )\n"
            "()\n"
            "()\n");
}

TEST_F(DrawFile, AMissingFileIsMadeHoldingAnEmptySchematicNamedAfterIt) {
  const std::string path = folder / "half adder.ldr";
  EXPECT_EQ(draw.Read(path), DrawReadResult::kCreated);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(FileText(path), "(\"half adder\")()()()\n");
  EXPECT_TRUE(draw.IsEmpty());
  EXPECT_EQ(draw.circuit_name(), "half adder");
  EXPECT_EQ(draw.path(), path);
  EXPECT_EQ(draw.folder(), folder.path().string());

  Draw plain(environment);
  EXPECT_EQ(plain.Read(folder / "adder.ldr"), DrawReadResult::kCreated);
  EXPECT_EQ(FileText(folder / "adder.ldr"), "(adder)()()()\n");

  // Saving to its own path keeps path, folder and name (the path given is
  // the one being replaced).
  EXPECT_EQ(draw.Save(draw.path()), DrawSaveResult::kSaved);
  EXPECT_EQ(draw.path(), path);
  EXPECT_EQ(draw.circuit_name(), "half adder");
  EXPECT_EQ(draw.folder(), folder.path().string());
}

TEST_F(DrawFile, AFileThatCanNeitherBeReadNorMadeIsReported) {
  const std::string path = folder / "no/such/folder/top.ldr";
  EXPECT_EQ(draw.Read(path), DrawReadResult::kNotCreated);
  EXPECT_EQ(host.OnlyText(),
            "回路図ライブラリー内でエラーが発生しました。\n\n"
            "関数 : draw.Read(const char *path)\n"
            "内容 : 回路図ファイルの名前が間違っています。\n" +
                path + "\n\n処理を中断します。\n");
  // Not bound to a file it could not read, so a save asks for a name.
  EXPECT_EQ(draw.path(), "?");
  EXPECT_FALSE(draw.HasCircuitName());
  EXPECT_TRUE(draw.IsEmpty());

  // A title that would not read back makes no file.
  host.Clear();
  const std::string unreadable = folder / "say \"hi.ldr";
  EXPECT_EQ(draw.Read(unreadable), DrawReadResult::kNotCreated);
  EXPECT_FALSE(fs::exists(unreadable));
  EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(DrawFile, OnlyARegularFileIsReadOrSavedAsASchematic) {
  // Reading a FIFO would wait for a writer for ever; saving would replace it.
  const std::string fifo = folder / "top.ldr";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  EXPECT_EQ(draw.Read(fifo), DrawReadResult::kNotCreated);
  EXPECT_EQ(host.Messages().size(), 1u);
  draw.AddLine(0, 0, 8, 0);
  EXPECT_EQ(draw.Save(fifo), DrawSaveResult::kNotWritten);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));

  // A link to a schematic is saved through to it.
  fs::create_directory(folder / "real");
  fs::create_symlink(folder / "real/adder.ldr", folder / "adder.ldr");
  WriteText(folder / "real/adder.ldr", "(adder)()()()\n");
  Draw linked(environment);
  ASSERT_EQ(linked.Read(folder / "adder.ldr"), DrawReadResult::kRead);
  linked.AddLine(0, 0, 8, 0);
  EXPECT_EQ(linked.Save(linked.path()), DrawSaveResult::kSaved);
  EXPECT_TRUE(fs::is_symlink(folder / "adder.ldr"));
  EXPECT_EQ(FileText(folder / "real/adder.ldr"), FileText(folder / "adder.ldr"));
  EXPECT_NE(FileText(folder / "real/adder.ldr").find("(0 0 8 0 "), std::string::npos);
}

TEST_F(DrawFile, ReadingErrorsNameTheSectionAndClearAfterElementsOrLines) {
  const std::string sentence_elements =
      "このエラーは回路図ファイルの中の素子データの入力中に起こりました。";
  draw.SetPath("/w/old.ldr");
  draw.AddLine(0, 0, 8, 0);
  EXPECT_EQ(ReadText("(x)\n(1 2 U1 _and2 zero p ())\n()\n()\n()\n"), DrawReadResult::kDamaged);
  EXPECT_EQ(host.OnlyText(),
            ListErrorText("ListPosition::Long", "p = zero\n\n\n(1 2 U1 _and2 zero p nil)\n\n" +
                                                    sentence_elements + "\n/w/old.ldr"));
  EXPECT_TRUE(draw.IsEmpty());
  EXPECT_EQ(draw.path(), "");
  EXPECT_EQ(draw.circuit_name(), "");

  // A broken name leaves the model as it was.
  host.Clear();
  draw.SetPath("/w/old.ldr");
  draw.AddLine(0, 0, 8, 0);
  EXPECT_EQ(ReadText("(12)\n()\n()\n()\n"), DrawReadResult::kDamaged);
  EXPECT_EQ(
      host.OnlyText(),
      ListErrorText("ListPosition::String",
                    "p = 12\n\n\n(12)\n\n"
                    "このエラーは回路図ファイルの中の回路名の入力中に起こりました。\n/w/old.ldr"));
  EXPECT_EQ(draw.line_count(), 1u);
  EXPECT_EQ(draw.path(), "/w/old.ldr");

  // A file ending inside the line section: the text read stands for the
  // expression, which is gone.
  host.Clear();
  EXPECT_EQ(ReadText("(x)\n()\n(0 0 8 8 c c ? )\n(1 2"), DrawReadResult::kDamaged);
  EXPECT_EQ(host.OnlyText(),
            ListErrorText("List::Read f",
                          "(1 2\n\n"
                          "このエラーは回路図ファイルの中の信号線データの入力中に起こりました。\n"
                          "/w/old.ldr"));
  EXPECT_TRUE(draw.IsEmpty());
}

TEST_F(DrawFile, AFileThatFailedToReadIsNeverSavedOver) {
  // Damage in each section: the circuit name, an element, a line.
  const char* damaged[] = {
      "(\"top)\n()\n()\n()\n",
      "(top)\n(1 2 U1 _and2 zero p ())\n()\n()\n()\n",
      "(top)\n()\n(0 0 8 8 c c ? )\n(1 2",
  };
  const std::string path = folder / "top.ldr";
  for (const char* text : damaged) {
    WriteText(path, text);
    Draw schematic(environment);
    EXPECT_EQ(schematic.Read(path), DrawReadResult::kDamaged) << text;
    EXPECT_EQ(schematic.path(), "?") << text;
    EXPECT_EQ(schematic.folder(), "") << text;
    EXPECT_FALSE(schematic.HasCircuitName()) << text;
    EXPECT_EQ(FileText(path), text);
  }
}

TEST_F(DrawFile, AFailedSaveKeepsTheOldPathAndName) {
  const std::string path = folder / "top.ldr";
  WriteText(path, kFileA);
  ASSERT_EQ(draw.Read(path), DrawReadResult::kRead);
  const std::string nowhere = folder / "no/such/folder/other.ldr";
  EXPECT_EQ(draw.Save(nowhere), DrawSaveResult::kNotWritten);
  draw.first_element()->set_name("say \"hi\"");
  EXPECT_EQ(draw.Save(folder / "other.ldr"), DrawSaveResult::kUnwritableName);
  EXPECT_FALSE(fs::exists(folder / "other.ldr"));
  EXPECT_EQ(draw.path(), path);
  EXPECT_EQ(draw.folder(), folder.path().string());
  EXPECT_EQ(draw.circuit_name(), "top");
}

TEST_F(DrawFile, AFileNameGivingNoCircuitNameIsNeitherSavedNorMade) {
  draw.PlaceElement(SystemSymbol("_and2"), 0, 0, 0, 'p');
  // The title of "...." is empty; "?" reads back as not named.
  for (const std::string name : {"....", "?.ldr"}) {
    host.Clear();
    const std::string path = folder / name;
    EXPECT_EQ(draw.Save(path), DrawSaveResult::kUnwritableName) << name;
    EXPECT_EQ(host.OnlyText(), ErrorText(errors, "Draw::Save title", path));
    EXPECT_FALSE(fs::exists(path)) << name;
    EXPECT_EQ(draw.path(), "?");

    Draw missing(environment);
    EXPECT_EQ(missing.Read(path), DrawReadResult::kNotCreated) << name;
    EXPECT_FALSE(fs::exists(path)) << name;
  }
  // A hidden file is named after what follows its dots.
  EXPECT_EQ(draw.Save(folder / "..foo.ldr"), DrawSaveResult::kSaved);
  EXPECT_EQ(FileText(folder / "..foo.ldr").substr(0, 6), "(foo)\n");
}

TEST_F(DrawFile, OldEmptyNamesReadAsEmpty) {
  EXPECT_EQ(ReadText("()\n()\n()\n()\n"), DrawReadResult::kRead);
  EXPECT_EQ(draw.circuit_name(), "");
  EXPECT_FALSE(draw.HasCircuitName());
  EXPECT_EQ(Written(), "(\"\")\n()\n()\n()\n");
}

TEST_F(DrawFile, SavingTakesTheNewTitleAsCircuitName) {
  ASSERT_EQ(ReadText(kFileA), DrawReadResult::kRead);
  const std::string path = folder / "renamed.ldr";
  EXPECT_EQ(draw.Save(path), DrawSaveResult::kSaved);
  EXPECT_EQ(draw.circuit_name(), "renamed");
  EXPECT_EQ(draw.path(), path);
  std::string expected = kFileB;
  expected.replace(0, 5, "(renamed)");
  EXPECT_EQ(FileText(path), expected);
  // A digit first: quoted, and read back as the same name.
  EXPECT_EQ(draw.Save(folder / "4bit.ldr"), DrawSaveResult::kSaved);
  EXPECT_EQ(FileText(folder / "4bit.ldr").substr(0, 8), "(\"4bit\")");
  Draw again(environment);
  EXPECT_EQ(again.Read(folder / "4bit.ldr"), DrawReadResult::kRead);
  EXPECT_EQ(again.circuit_name(), "4bit");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DrawFile, NamesThatWouldNotReadBackNeverReachTheFile) {
  const std::string path = folder / "keep.ldr";
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 0, 0, 0, 'p');
  ASSERT_EQ(draw.Save(path), DrawSaveResult::kSaved);
  const std::string saved = FileText(path);

  gate.set_name("say \"hi\"");
  EXPECT_EQ(draw.Save(path), DrawSaveResult::kUnwritableName);
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, "Draw::Save name", "say \"hi\""));
  EXPECT_EQ(FileText(path), saved);

  gate.set_name(std::string(100, 'x'));
  EXPECT_EQ(draw.Save(path), DrawSaveResult::kUnwritableName);
  EXPECT_EQ(FileText(path), saved);
  gate.set_name(std::string(99, 'x'));
  draw.AddLine(0, 0, 4, 0).set_name("(a)");  // quoted, so it reads back
  EXPECT_EQ(draw.Save(path), DrawSaveResult::kSaved);
  const std::string saved_again = FileText(path);
  Draw again(environment);
  ASSERT_EQ(again.Read(path), DrawReadResult::kRead);
  EXPECT_EQ(again.first_line()->name(), "(a)");
  EXPECT_EQ(again.first_element()->name(), std::string(99, 'x'));

  // A bare word of a hand-made file that no writer can give back.
  host.Clear();
  Draw read(environment);
  std::istringstream in("(keep)\n()\n(0 0 8 0 c c ? (color 4b\"))\n()\n()\n");
  ASSERT_EQ(read.ReadSections(in), DrawReadResult::kRead);
  EXPECT_EQ(read.Save(path), DrawSaveResult::kUnwritableName);
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, "Draw::Save name", "4b\""));
  EXPECT_EQ(FileText(path), saved_again);

  host.Clear();
  const std::string nowhere = folder / "no/such/folder/x.ldr";
  EXPECT_EQ(draw.Save(nowhere), DrawSaveResult::kNotWritten);
  EXPECT_EQ(host.OnlyText(), ErrorText(errors, "Draw::Save", nowhere));
}

TEST_F(DrawFile, UserSymbolsAreReadFromTheFolderOfEachSchematic) {
  fs::create_directories(folder.path() / "one");
  fs::create_directories(folder.path() / "two");
  WriteText(folder.path() / "one" / "adder.lsy", "(\"adder\" () () ((\"a\" -8 0 0 p)) (u))");
  WriteText(folder.path() / "two" / "adder.lsy", "(\"adder\" () () ((\"b\" -8 0 0 p)) (u))");
  const std::string text = "(top)\n(0 0 U1 adder 0 p ((-8 0 a 0 p)))\n()\n()\n()\n";
  WriteText(folder.path() / "one" / "top.ldr", text);
  WriteText(folder.path() / "two" / "top.ldr", text);

  ASSERT_EQ(draw.Read(folder / "one/top.ldr"), DrawReadResult::kRead);
  EXPECT_EQ(user_symbols.folder(), (folder.path() / "one").string());
  const Symbol* first = draw.first_element()->symbol();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->terminals.head()->name, "a");

  // The same folder: the symbols stay as they are.
  WriteText(folder.path() / "one" / "extra.lsy", "(\"extra\" () () () (u))");
  Draw same(environment);
  ASSERT_EQ(same.Read(folder / "one/top.ldr"), DrawReadResult::kRead);
  EXPECT_EQ(user_symbols.Count(), 1u);
  EXPECT_EQ(same.first_element()->symbol(), first);

  // Another folder: read again, and this schematic's elements bound again.
  ASSERT_EQ(draw.Read(folder / "two/top.ldr"), DrawReadResult::kRead);
  ASSERT_EQ(draw.element_count(), 2u);
  for (const DrawElement& element : draw.elements()) {
    ASSERT_NE(element.symbol(), nullptr);
    EXPECT_EQ(element.symbol()->terminals.head()->name, "b");
  }
  EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace lumo::testing
