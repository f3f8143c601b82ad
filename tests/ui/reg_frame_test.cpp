#include "ui/reg_frame.h"

#include <QPointer>
#include <QScrollBar>
#include <fstream>
#include <sstream>

#include "editing/command_ids.h"
#include "tests/ui/ui_test_util.h"
#include "ui/reg_child.h"

namespace lumo::testing {
namespace {

class RegFrameTest : public UiTest {
 protected:
  void SetUp() override {
    Start();
    frame().setGeometry(100, 80, 800, 600);
    viewer = OpenRegFrame(*app, frame(), work / "LumoReg.tmp");
    counting = QObject::connect(viewer, &RegFrame::Closed, [this] { ++closed; });
    QCoreApplication::processEvents();
  }
  // The program closes its windows after this fixture is gone.
  void TearDown() override { QObject::disconnect(counting); }
  void Drain() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  QPointer<RegFrame> viewer;
  QMetaObject::Connection counting;
  int closed = 0;
};

TEST_F(RegFrameTest, LinesFillTheRightHalfUpTo2000AndSaveAndCloseWritesThem) {
  const QRect schematic = frame().geometry();
  EXPECT_EQ(viewer->geometry().left(), schematic.left() + schematic.width() / 2);
  EXPECT_EQ(viewer->geometry().top(), schematic.top());
  EXPECT_EQ(viewer->geometry().width(), schematic.width() / 2);

  for (int i = 0; i < 2003; ++i)
    viewer->AddLine("REG q <= " + std::to_string(i));
  const RegLines& lines = viewer->child().lines();
  EXPECT_EQ(lines.count(), 2000u);
  // The view followed the newest line: the last one is on screen.
  const int shown = (viewer->child().viewport()->height() - RegLines::kTopMargin) / 12;
  EXPECT_GE(lines.top() + shown, 2000u);
  EXPECT_GT(lines.top(), 0u);
  EXPECT_TRUE(viewer->status_text().contains(QStringLiteral("3 行")));

  viewer->RunCommand(kCmdRegSaveAndClose);
  Drain();
  EXPECT_TRUE(viewer.isNull());
  EXPECT_EQ(closed, 1);
  const std::string saved = Slurp(work / "LumoReg.tmp");
  EXPECT_EQ(saved.rfind("REG q <= 0\nREG q <= 1\n", 0), 0u);
  EXPECT_NE(saved.find("REG q <= 1999\n"), std::string::npos);
  EXPECT_EQ(saved.find("REG q <= 2000"), std::string::npos);
}

TEST_F(RegFrameTest, ASaveThatFailsIsReportedAndKeepsTheLines) {
  viewer->set_log_path((work.path() / "missing" / "LumoReg.tmp").string());
  viewer->AddLine("CNT c <= 3");
  viewer->RunCommand(kCmdRegSaveAndClose);
  Drain();
  ASSERT_FALSE(viewer.isNull());
  EXPECT_EQ(closed, 0);
  ASSERT_EQ(window_texts[viewer.data()].size(), 1u);
  EXPECT_EQ(viewer->child().lines().count(), 1u);

  viewer->RunCommand(kCmdRegClose);
  Drain();
  EXPECT_TRUE(viewer.isNull());
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(fs::exists(work / "LumoReg.tmp"));
}

TEST_F(RegFrameTest, ScrollingPrintingHelpAboutAndQuit) {
  viewer->AddLine(std::string(30, 'a') + "END");
  QScrollBar* across = viewer->child().horizontalScrollBar();
  across->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(viewer->child().lines().offset(), 16);
  across->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(viewer->child().lines().offset(), 0);
  for (int i = 0; i < 9; ++i)
    across->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(viewer->child().lines().offset(), 100);
  EXPECT_EQ(across->value(), 100);

  dialogs.pdf = work / "reg.pdf";
  viewer->RunCommand(kCmdRegPrint);
  EXPECT_GT(fs::file_size(work / "reg.pdf"), 0u);
  viewer->RunCommand(kCmdRegHelp);
  viewer->RunCommand(kCmdAbout);
  EXPECT_EQ(dialogs.help_topics, std::vector<int>{1501});
  EXPECT_EQ(dialogs.about_shown, 1);

  // Quit closes the schematic window the viewer belongs to, and the viewer
  // with it; another schematic window stays.
  DrawFrame* other = app->NewFrame(QRect(0, 0, 400, 300));
  QPointer<RegFrame> second = OpenRegFrame(*app, *other, work / "b.tmp");
  second->RunCommand(kCmdRegQuit);
  Drain();
  EXPECT_EQ(app->frames().size(), 1u);
  EXPECT_TRUE(second.isNull());
  EXPECT_FALSE(viewer.isNull());
}

}  // namespace
}  // namespace lumo::testing
