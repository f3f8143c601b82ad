#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "common/message_host.h"
#include "ui/frame_commands.h"

class QLabel;
class QPrinter;

namespace lumo {

class Application;
class RegChild;

// The register-transfer viewer: the lines the registers, counters and
// memories log during simulations, kept while the window stays open (a new
// run appends below the last one, up to 2000 lines in all). It prints the
// visible lines, saves every line to the register log file and closes.
// Its owner learns that it closed from Closed(), emitted once, when the
// window closes or is destroyed unclosed.
class RegFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Placed over the right half of `schematic_window`, which it belongs to
  // and which its quit command closes.
  RegFrame(Application& app, QMainWindow& schematic_window, std::string log_path);
  ~RegFrame() override;

  RegChild& child() const { return *child_; }
  const std::string& log_path() const { return log_path_; }
  void set_log_path(std::string path) { log_path_ = std::move(path); }
  QAction* action(int id) const;
  QString status_text() const;

  // One logged line; beyond 2000 lines it is dropped and the status bar
  // says how many were.
  void AddLine(const std::string& line);

  // A command of menu 133.
  void RunCommand(int id);
  void EnterMode(int) {}
  void Print();
  // Prints on a printer already set up; false after a message.
  bool PrintOn(QPrinter& printer);
  // Writes every line to the log file and closes; a file that cannot be
  // written is reported and the window stays, so the lines are not lost.
  void SaveAndClose();
  // Closes the viewer; its lines are lost unless they were saved.
  void CloseViewer();
  // Closes the schematic window it belongs to (and with it this one).
  void Quit();
  void Help();
  void About();

 Q_SIGNALS:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void TellClosed();

  Application& app_;
  std::unique_ptr<MessageHost> host_;
  QPointer<QMainWindow> schematic_;
  std::string log_path_;
  RegChild* child_;
  QLabel* status_;
  CommandActions commands_;
  bool told_closed_ = false;
};

// Opens a viewer over the right half of the schematic window and shows it;
// the register log file is `log_path`.
RegFrame* OpenRegFrame(Application& app, QMainWindow& schematic_window, std::string log_path);

}  // namespace lumo
