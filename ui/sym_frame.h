#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/message_host.h"
#include "editing/default_symbol.h"
#include "editing/sym_editor.h"
#include "editing/undo_history.h"
#include "ui/frame_commands.h"

class QLabel;

namespace lumo {

class Application;
class DrawFrame;
class SymChild;

// The symbol editor: menu 132, its tool bar and one-pane status bar, and
// the canvas. It edits the user symbol named like the opener's schematic,
// which lives in the user symbols from the start; every edit is a step of
// its undo history, and the title shows "*" while the symbol differs from
// its file.
class SymFrame : public QMainWindow {
  Q_OBJECT
 public:
  SymFrame(Application& app, DrawFrame& opener, Symbol& symbol);
  ~SymFrame() override;

  DrawFrame& opener() const { return opener_; }
  Symbol& symbol() const { return *symbol_; }
  SymbolEditor& editor() { return *editor_; }
  UndoHistory& history() { return history_; }
  SymChild& canvas() const { return *canvas_; }
  MessageHost& host() { return *host_; }
  QAction* action(int id) const { return commands_.action(id); }
  QString status_text() const;
  // True once the window has closed (it is deleted a little later).
  bool closed() const { return closed_; }
  // True while this window is the active one: it was activated, and no
  // schematic window was activated since.
  bool active() const;
  // The window became the active one: the schematic canvases stop taking
  // the mouse, and this canvas takes it after its next paint.
  void Activate();

  // The schematic's input, output and bidirectional terminals, in its
  // element order, and whether a terminal name is one of them.
  const std::vector<ExternalTerminal>& external_terminals() const { return external_; }
  bool MatchesExternalTerminal(const std::string& name) const;
  // The name dialog of a terminal: one or two words; nothing on Cancel.
  std::optional<std::string> AskTerminalName(QPoint at);

  void RunCommand(int id);
  void EnterMode(int mode);
  void ChooseTerminal(int kind);
  // The prompt of the mode and its pressed tool button.
  void ShowModeStatus();
  // The canvas changed the symbol (or may have): the title follows.
  void Edited();

  // The commands.
  // Writes <work>/<name>.lsy; false after a message naming the file when
  // it could not be written. A blank symbol is not written.
  bool Save();
  void SaveAndClose();
  void Quit();
  void Undo();
  void Redo();
  void Generate();
  void Redraw();
  void Help();
  void About();

  // The user symbols were read again: the symbol edited is found again by
  // its name (or made anew), and the history, which held its old records,
  // is forgotten.
  void UserSymbolsReread();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void UpdateTitle();
  void AfterHistoryMove();
  // Every schematic is bound to the user symbols again and every chooser
  // repainted, so that they show the symbol as it is now.
  void ShowSymbolEverywhere();

  Application& app_;
  DrawFrame& opener_;
  std::unique_ptr<MessageHost> host_;
  Symbol* symbol_;
  std::string symbol_name_;
  std::string function_name_;
  std::vector<ExternalTerminal> external_;
  UndoHistory history_;
  std::unique_ptr<SymbolEditor> editor_;
  SymChild* canvas_;
  QLabel* status_;
  CommandActions commands_;
  bool active_ = false;
  bool closing_ = false;  // the symbol was removed: close without asking
  bool closed_ = false;   // closed, waiting for its deletion
};

// The symbol of a schematic in the user symbols, found by name ignoring
// letter case; a new one with an empty drawing, added to them, when there
// is none.
Symbol& UserSymbolFor(SymbolList& user_symbols, const std::string& name);

}  // namespace lumo
