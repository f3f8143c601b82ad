// The help pages: one for every context number a window asks for, whole
// and linked, their pictures those of the tool bar, opened at their topic.

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <set>

#include "editing/edit_modes.h"
#include "editing/pat_modes.h"
#include "editing/sym_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/help_window.h"
#include "ui/window_icons.h"

namespace lumo::testing {
namespace {

fs::path HelpFolder() {
  return SourceFolder() / "data" / "sys" / "help";
}

QString ReadText(const fs::path& path) {
  QFile file(QString::fromStdString(path.string()));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return QString::fromUtf8(file.readAll());
}

// The context numbers the windows ask for, from their mode tables; 1501 is
// the register-transfer viewer's and every window's default.
std::set<int> ContextNumbers() {
  std::set<int> numbers{1501};
  for (int mode = 0; mode <= kModeConnection + 1; ++mode)
    numbers.insert(ModeHelpContext(mode));
  for (int mode = 0; mode <= 9; ++mode)
    numbers.insert(PatHelpContext(mode));
  for (int mode = 0; mode <= 19; ++mode)
    numbers.insert(SymModeHelpContext(mode));
  return numbers;
}

std::vector<QString> Targets(const QString& page, const char* attribute) {
  std::vector<QString> targets;
  const QRegularExpression pattern(QString::fromLatin1(attribute) + QStringLiteral("=\"([^\"#]+)"));
  for (auto match = pattern.globalMatch(page); match.hasNext();)
    targets.push_back(match.next().captured(1));
  return targets;
}

TEST(HelpPages, EveryContextNumberHasAPageThatTheContentsLink) {
  const std::set<int> numbers = ContextNumbers();
  EXPECT_GE(numbers.size(), 20u);
  const QString contents = ReadText(HelpFolder() / kHelpContentsPage);
  for (int number : numbers) {
    EXPECT_TRUE(fs::exists(HelpPagePath(HelpFolder().string(), number))) << number;
    // The copy beside the built program has it too.
    EXPECT_TRUE(fs::exists(HelpPagePath(SystemFolder() + "/help", number))) << number;
    EXPECT_TRUE(contents.contains(QStringLiteral("href=\"%1.html\"").arg(number))) << number;
  }
}

TEST(HelpPages, PagesAreWholeJapaneseAndTheirLinksAndPicturesAreThere) {
  int pages = 0;
  for (const auto& entry : fs::directory_iterator(HelpFolder())) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    const QString page = ReadText(entry.path());
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(page.contains(QChar::ReplacementCharacter)) << name << " is not UTF-8";
    EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"ja\">"))) << name;
    QTextDocument document;
    document.setHtml(page);
    EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty()) << name;
    EXPECT_GT(document.toPlainText().size(), 100) << name << " says next to nothing";
    if (name != kHelpContentsPage) {
      EXPECT_TRUE(page.contains(QStringLiteral("href=\"index.html\""))) << name;
    }
    for (const QString& link : Targets(page, "href"))
      EXPECT_TRUE(fs::exists(HelpFolder() / link.toStdString()))
          << name << " links " << link.toStdString();
    for (const QString& picture : Targets(page, "src")) {
      EXPECT_TRUE(fs::exists(HelpFolder() / picture.toStdString()))
          << name << " shows " << picture.toStdString();
    }
  }
  EXPECT_GE(pages, 22);
}

TEST(HelpPages, PicturesAreTheToolBarsOwn) {
  int pictures = 0;
  for (const auto& entry : fs::directory_iterator(HelpFolder() / "icons")) {
    const int command = std::stoi(entry.path().stem().string());
    const QImage stored = QImage(QString::fromStdString(entry.path().string()))
                              .convertToFormat(QImage::Format_ARGB32);
    const QImage painted =
        AnyWindowIcon(command).pixmap(20, 20).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(stored, painted) << entry.path().filename() << ": run lumo-help-icons data/sys/help";
    ++pictures;
  }
  EXPECT_GE(pictures, 20);
}

TEST(HelpPages, TheHelpWindowOpensAtTheTopic) {
  HelpWindow window(HelpFolder().string());
  window.ShowTopic(ModeHelpContext(kModeLineStart));
  EXPECT_EQ(window.topic(), 1603);
  EXPECT_TRUE(window.source().toLocalFile().endsWith(QStringLiteral("/1603.html")));
  EXPECT_EQ(window.documentTitle(), QStringLiteral("信号線の配線"));

  // A picture the folder lacks comes from a window's tool bar (here the
  // waveform editor's redraw button); one it has, from the file; a command
  // no window paints gives none.
  const auto picture = [&](const char* file) {
    return window.loadResource(
        QTextDocument::ImageResource,
        QUrl::fromLocalFile(QString::fromStdString((HelpFolder() / file).string())));
  };
  EXPECT_FALSE(fs::exists(HelpFolder() / "icons/32834.png"));
  EXPECT_TRUE(picture("icons/32834.png").isValid());
  EXPECT_FALSE(picture("icons/99999.png").isValid());
  const QVariant stored = window.loadResource(
      QTextDocument::ImageResource,
      QUrl::fromLocalFile(QString::fromStdString((HelpFolder() / "icons/32786.png").string())));
  EXPECT_TRUE(stored.isValid());

  window.ShowTopic(4711);
  EXPECT_TRUE(window.toPlainText().contains(QStringLiteral("4711")));
}

}  // namespace
}  // namespace lumo::testing
