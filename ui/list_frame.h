#pragma once

#include <QMainWindow>
#include <memory>

#include "common/message_host.h"
#include "ui/frame_commands.h"

class QAction;
class QLabel;

namespace lumo {

class Application;
class DrawChild;
class ListChild;
class Symbol;

// The symbol chooser: the system symbols and the user symbols side by side,
// commands that turn, mirror and switch the logic of every symbol, and a
// mode for deleting user symbols. A click on a symbol hands it to the canvas
// that opened the chooser and closes the chooser.
class ListFrame : public QMainWindow {
  Q_OBJECT
 public:
  ListFrame(Application& app, DrawChild& opener);
  ~ListFrame() override;

  DrawChild& opener() const { return opener_; }
  ListChild& pane(int index) const { return *panes_[index]; }
  QAction* action(int id) const;
  QString status_text() const;
  int mode() const;

  // Places the panes in the client area: each (width - 36) / 2 wide and
  // height - 22 high, side by side.
  void LayOutPanes();
  // A chooser command (32904..32912).
  void RunCommand(int id);
  // Turns every symbol as a chooser mode says, or starts deleting symbols.
  void EnterMode(int mode);
  // The status text and the pressed button of the current mode.
  void ShowModeStatus();
  // A left click in a pane.
  void ClickedPane(ListChild& pane, QPoint at);
  // A right click in a pane: cancels the delete mode.
  void RightClickedPane();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Choose(const Symbol& symbol);
  void DeleteUserSymbol(const Symbol& symbol);
  void GiveBackActivation();

  Application& app_;
  std::unique_ptr<MessageHost> host_;
  DrawChild& opener_;
  ListChild* panes_[2];
  QWidget* holders_[2];
  QLabel* status_;
  CommandActions commands_;
};

// The file of a user symbol in `folder`: <name>.lsy, or, where names differ
// in letter case, the .lsy file whose name matches ignoring case; empty when
// there is none.
std::string UserSymbolFile(const std::string& folder, const std::string& name);

}  // namespace lumo
