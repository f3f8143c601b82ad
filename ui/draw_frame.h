#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "common/message_host.h"
#include "editing/draw_edits.h"
#include "schematic/draw.h"
#include "ui/frame_commands.h"
#include "ui/list_frame.h"

class QAction;
class QLabel;
class QPrinter;

namespace lumo {

class Application;
class DrawChild;
class PatFrame;
class SymFrame;

// The window of one schematic: menu 129, its tool bar and one-pane status
// bar, and the canvas. It owns the schematic and carries out the menu's
// commands.
class DrawFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit DrawFrame(Application& app);
  ~DrawFrame() override;

  // Where the messages of this window's operations go.
  MessageHost& host() { return *host_; }
  Draw& draw() { return draw_; }
  // The schematic with its undo history: every change of it goes through here.
  DrawEditor& editor() { return editor_; }
  DrawChild& canvas() { return *canvas_; }
  // The action of a command id (null for an unknown id).
  QAction* action(int id) const;
  QString status_text() const;
  // The symbol chooser this window opened, until it is destroyed.
  ListFrame* chooser() const;

  // The schematic named on the command line.
  void OpenAtStart(const std::string& path);

  // Runs the command of an id as its menu entry does.
  void RunCommand(int id);

  // The commands.
  void Open();
  void CloseAndOpen();
  // True when the schematic was saved (or there was nothing to save).
  bool Save();
  bool SaveAs();
  void DeleteFile();
  void Print();
  // Prints on a printer already set up; false after a message.
  bool PrintOn(QPrinter& printer);
  DrawFrame* NewWindow();
  void SaveAndClose();
  void CloseWithoutAsking();
  void OpenChooser();
  // Opens the symbol editor on the schematic's symbol (draw_frame_symbol.cpp).
  void OpenSymbolEditor();
  // Asks an open symbol editor to close; false when it stays open.
  bool CloseSymbolEditor();
  // The symbol editor of this window while it is open, or null.
  SymFrame* symbol_editor() const;
  // Puts the canvas into an edit mode.
  void EnterMode(int mode);
  void Redraw();
  void ZoomIn();
  void ZoomOut();
  void CircuitChecks();
  // Writes the schematic as a Verilog module with its cells and a testbench
  // of its pattern (draw_frame_export.cpp).
  void ExportVerilog();
  void Help();
  void About();
  // Opens the waveform editor of this schematic, or brings it forward.
  void OpenWaveformEditor();
  // The open waveform editor, or null.
  PatFrame* waveform_editor() const;
  // The time scale of the waveform editor, kept while it is closed.
  double waveform_scale() const { return waveform_scale_; }
  // The waveform editor's quit command: this window asks again on closing.
  void ClearSkipQuestion() { skip_question_ = false; }
  // Takes back or makes again one step of the schematic's history; an
  // unfinished segment or drag is dropped instead.
  void Undo();
  void Redo();

  // For the canvas: the prompt in the status bar, the pressed mode button
  // (0: none), the window titles.
  void ShowPrompt(const QString& text);
  void PressModeButton(int command);
  void UpdateTitles();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RecordPlacement();
  // Redo's second key; undo and redo enabled while there is a step to take.
  void SetUpUndoCommands();
  void UpdateUndoCommands();
  // Save's dialog half: on OK the schematic is saved to the chosen file and
  // the working folder becomes its folder.
  bool SaveAsDialog();
  // The open dialog for this window's schematic; false on Cancel.
  bool OpenDialog();
  // Closes the waveform editor as its own close does (it may ask to save
  // its pattern); false when it stays open.
  bool CloseWaveformEditor();

  Application& app_;
  std::unique_ptr<MessageHost> host_;  // before draw_, which reports to it
  Draw draw_;
  DrawEditor editor_{draw_};
  DrawChild* canvas_;
  QLabel* status_;
  CommandActions commands_;
  bool skip_question_ = false;
  QPointer<PatFrame> waveform_editor_;
  double waveform_scale_ = 1.0;
};

}  // namespace lumo
