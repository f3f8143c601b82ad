#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPrinter>
#include <QSettings>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/recording_message_host.h"
#include "common/system_folder.h"
#include "editing/command_ids.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "ui/user_dialogs.h"

namespace lumo::testing {

namespace fs = std::filesystem;

// The sample schematics of these tests.
inline fs::path TestData(const std::string& name) {
  return SourceFolder() / "tests" / "ui" / "data" / name;
}

// Answers every dialog from queues and records what was asked.
class ScriptedDialogs : public UserDialogs {
 public:
  std::deque<std::optional<std::string>> files;  // open, save-as and delete dialogs
  std::deque<std::optional<std::string>> names;
  std::deque<std::optional<std::string>> patterns;  // the pattern file dialogs
  std::deque<std::string> values;                   // the value dialog's field
  std::deque<std::optional<int>> speeds;            // the playing speed dialog
  // The expected-file dialogs.
  std::deque<std::optional<std::string>> expected_files;
  std::optional<std::string> pdf;  // the print dialog prints to this file; nothing: cancelled
  std::vector<std::string> asked;  // which dialogs ran, with their folder
  std::vector<int> help_topics;
  int about_shown = 0;

  std::optional<std::string> OpenSchematic(QWidget*, const std::string& folder) override {
    asked.push_back("open " + folder);
    return Next(files);
  }
  std::optional<std::string> SaveSchematicAs(QWidget*, const std::string& folder) override {
    asked.push_back("save " + folder);
    return Next(files);
  }
  std::optional<std::string> SchematicToDelete(QWidget*, const std::string& folder) override {
    asked.push_back("delete " + folder);
    return Next(files);
  }
  std::optional<std::string> SaveVerilogAs(QWidget*, const std::string& folder) override {
    asked.push_back("verilog " + folder);
    return Next(files);
  }
  std::optional<std::string> AskName(QWidget*, const std::string& current, QPoint) override {
    asked.push_back("name " + current);
    return Next(names);
  }
  std::optional<std::string> OpenPattern(QWidget*, const std::string& folder,
                                         const std::string&) override {
    asked.push_back("open pattern " + folder);
    return Next(patterns);
  }
  std::optional<std::string> SavePatternAs(QWidget*, const std::string& folder,
                                           const std::string&) override {
    asked.push_back("save pattern " + folder);
    return Next(patterns);
  }
  std::optional<std::string> PatternToDelete(QWidget*, const std::string& folder,
                                             const std::string&) override {
    asked.push_back("delete pattern " + folder);
    return Next(patterns);
  }
  std::optional<std::string> OpenExpected(QWidget*, const std::string& folder,
                                          const std::string&) override {
    asked.push_back("open expected " + folder);
    return Next(expected_files);
  }
  std::optional<std::string> SaveExpectedAs(QWidget*, const std::string& folder,
                                            const std::string&) override {
    asked.push_back("save expected " + folder);
    return Next(expected_files);
  }
  std::optional<int> AskPlaySpeed(QWidget*, int) override {
    asked.push_back("speed");
    if (speeds.empty()) return std::nullopt;
    const std::optional<int> speed = speeds.front();
    speeds.pop_front();
    return speed;
  }
  std::string AskValue(QWidget*, QPoint) override {
    asked.push_back("value");
    if (values.empty()) return "";
    std::string value = values.front();
    values.pop_front();
    return value;
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer) override {
    asked.push_back("print");
    if (!pdf) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*pdf));
    return true;
  }
  void ShowAbout(QWidget*) override { ++about_shown; }
  void ShowHelp(QWidget*, int context) override { help_topics.push_back(context); }

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<std::string> next = queue.front();
    queue.pop_front();
    return next;
  }
};

// A window's message host in the tests: the test's one recording host
// records and answers, and the text is noted under the window it came from.
class WindowRecorder : public MessageHost {
 public:
  WindowRecorder(RecordingMessageHost& all, std::vector<std::string>& texts)
      : all_(all), texts_(texts) {}
  MessageAnswer Show(const Message& message) override {
    texts_.push_back(message.text);
    return all_.Show(message);
  }

 private:
  RecordingMessageHost& all_;
  std::vector<std::string>& texts_;
};

// The program with its first schematic window, its messages recorded, its
// settings in a file of the test's folder and its working folder there too.
class UiTest : public ::testing::Test {
 protected:
  UiTest() : settings_(QString::fromStdString(work / "settings.ini"), QSettings::IniFormat) {}
  ~UiTest() override { app.reset(); }

  ApplicationSetup AppSetup(const std::string& system_folder) {
    const WindowMessageHosts window_hosts = [this](QWidget& window) {
      return std::make_unique<WindowRecorder>(host, window_texts[&window]);
    };
    return ApplicationSetup{start_host,    window_hosts,         dialogs, settings_,
                            system_folder, work.path().string(), 96,      QSize(1024, 768)};
  }

  // Starts the program; the view shows logical (0, 0) at the top-left
  // corner, so device pixels are logical units.
  void Start(const QStringList& arguments = {}) {
    app = std::make_unique<Application>(AppSetup(SystemFolder()));
    ASSERT_TRUE(app->Start(arguments));
    app->view().set_origin(0, 0);
    Ready();
  }

  // Copies a sample's files into the work folder, starts the program on
  // `<sample>.ldr` and opens its waveform editor at `size`.
  void OpenSampleWithEditor(const std::string& sample, std::initializer_list<const char*> files,
                            QSize size) {
    for (const char* name : files)
      fs::copy_file(SourceFolder() / "data" / "sample" / name, work / name);
    Start();
    frame().OpenAtStart(work / (sample + ".ldr"));
    Ready();
    frame().RunCommand(kCmdWaveformEditor);
    ASSERT_NE(frame().waveform_editor(), nullptr);
    frame().waveform_editor()->resize(size);
    QCoreApplication::processEvents();
  }

  DrawFrame& frame() { return *app->frames().front(); }
  DrawChild& canvas() { return frame().canvas(); }
  Draw& draw() { return frame().draw(); }

  // Lets the windows settle and paints, so the canvas takes the mouse.
  void Ready() {
    QCoreApplication::processEvents();
    app->set_active_frame(&frame());
    canvas().PaintNow();
  }

  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held) {
    QWidget* viewport = canvas().viewport();
    QMouseEvent event(type, QPointF(x, y), viewport->mapToGlobal(QPointF(x, y)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
  }
  void Move(int x, int y, Qt::MouseButtons held = Qt::NoButton) {
    Send(QEvent::MouseMove, x, y, Qt::NoButton, held);
  }
  void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    Move(x, y);
    Send(QEvent::MouseButtonPress, x, y, button, button);
  }
  void Release(int x, int y) {
    Move(x, y, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
  }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  void Drag(int x1, int y1, int x2, int y2) {
    Press(x1, y1);
    Release(x2, y2);
  }
  void RightClick(int x, int y) { Press(x, y, Qt::RightButton); }
  void LeaveCanvas() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(canvas().viewport(), &leave);
  }

  const Symbol& SystemSymbol(const std::string& name) { return *app->system_symbols().Find(name); }

  // The texts of every message shown, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& message : host.Messages())
      texts.push_back(message.text);
    return texts;
  }

  TemporaryFolder work;
  RecordingMessageHost host;
  // The texts of each window's messages; those of the start under null.
  std::map<const QWidget*, std::vector<std::string>> window_texts;
  WindowRecorder start_host{host, window_texts[nullptr]};
  ScriptedDialogs dialogs;
  std::unique_ptr<Application> app;

 private:
  QSettings settings_;
};

}  // namespace lumo::testing
