// The schematic window when a file cannot be read or written, and the name
// dialog's refusals: nothing the user has on disk is replaced by mistake.

#include <QLineEdit>
#include <QValidator>

#include "editing/command_ids.h"
#include "lists/error_table.h"
#include "tests/ui/ui_test_util.h"
#include "ui/name_dialog.h"

namespace lumo::testing {
namespace {

class FileFailures : public UiTest {
 protected:
  void SetUp() override { Start(); }

  // The half adder's text with `damage` in place of `length` bytes at `at`.
  std::string DamagedHalfAdder(std::size_t at, std::size_t length, const std::string& damage) {
    std::string text = FileText(TestData("half_adder.ldr"));
    text.replace(at, length, damage);
    return text;
  }
};

TEST_F(FileFailures, ASchematicThatFailedToReadIsNeverSavedOverIt) {
  const std::string path = work / "half_adder.ldr";
  const std::string original = FileText(TestData("half_adder.ldr"));
  // The circuit name line, then the first element.
  const std::string damaged[] = {DamagedHalfAdder(0, 12, "(\"half_adder)"),
                                 DamagedHalfAdder(original.find("860 580"), 3, "8x0")};
  for (const std::string& text : damaged) {
    draw().Clear();
    WriteText(path, text);
    host.Clear();
    dialogs.files = {path};
    frame().RunCommand(kCmdOpen);
    EXPECT_EQ(host.Messages().size(), 1u);  // the reading error
    EXPECT_EQ(draw().path(), "?");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("ルモＣＡＤ　回路図の編集"));

    // Save asks for a name; cancelled, the damaged file stays as it was.
    draw().PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
    dialogs.asked.clear();
    dialogs.files = {std::nullopt};
    frame().RunCommand(kCmdSave);
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{"save " + work.path().string()});
    EXPECT_EQ(FileText(path), text);
  }
}

TEST_F(FileFailures, AFailedSaveAsKeepsTheWindowOnItsFile) {
  const std::string path = work / "half_adder.ldr";
  fs::copy_file(TestData("half_adder.ldr"), path);
  frame().OpenAtStart(path);
  const QString title = frame().windowTitle();
  ASSERT_TRUE(title.endsWith(QStringLiteral("half_adder.ldr]")));
  // A folder that is not there; a file name that gives no circuit name.
  const std::pair<std::string, const char*> failures[] = {{work / "no/such.ldr", "Draw::Save"},
                                                          {work / "....", "Draw::Save title"}};
  for (const auto& [target, tag] : failures) {
    host.Clear();
    dialogs.files = {target};
    EXPECT_FALSE(frame().SaveAs());
    EXPECT_EQ(Texts(), std::vector<std::string>{ErrorText(app->errors(), tag, target)});
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(draw().path(), path);
    EXPECT_EQ(draw().circuit_name(), "half_adder");
    EXPECT_EQ(frame().windowTitle(), title);
    EXPECT_EQ(canvas().windowTitle().toStdString(), path);
  }
  // Save still writes the old file without asking.
  dialogs.asked.clear();
  EXPECT_TRUE(frame().Save());
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST(NameDialogField, RefusesBlanksQuotesAndTheConvertersLeadingAsterisk) {
  NameDialog dialog(nullptr, QStringLiteral("?"));
  const QValidator& validator = *dialog.field()->validator();
  const auto check = [&validator](const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    int position = 0;
    return validator.validate(text, position);
  };
  for (const char* refused : {"S T", " a", "a\tb", "全角　空白", "a\"b", "*s0", "*"})
    EXPECT_EQ(check(refused), QValidator::Invalid) << refused;
  for (const char* accepted : {"", "clk", "a*b", "和名", "$end"})
    EXPECT_EQ(check(accepted), QValidator::Acceptable) << accepted;
}

}  // namespace
}  // namespace lumo::testing

namespace lumo::testing {
namespace {

// Opening a schematic names every element that no primitive and no circuit
// file stands for, since the simulation would stop at it; once the circuit
// file is beside the schematic, opening is silent.
TEST_F(FileFailures, OpeningNamesTheElementsWithoutACircuitFile) {
  const fs::path folder = work / "alone";
  fs::create_directory(folder);
  const std::string path = folder / "parity4.ldr";
  fs::copy_file(SourceFolder() / "data" / "sample" / "parity4.ldr", path);
  host.Clear();
  dialogs.files = {path};
  frame().RunCommand(kCmdOpen);
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "回路ファイルが部品フォルダーにも作業フォルダーにもない素子があります。"
                         "\n  X1(nandxor)\n  X2(nandxor)\n  X3(nandxor)"});
  EXPECT_EQ(draw().path(), path);
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].icon, MessageIcon::kWarning);

  // The circuit file in the working folder, under another letter case.
  fs::copy_file(SourceFolder() / "data" / "sample" / "nandxor.lcr", folder / "NandXor.lcr");
  host.Clear();
  frame().OpenAtStart(path);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(draw().path(), path);
}

}  // namespace
}  // namespace lumo::testing
