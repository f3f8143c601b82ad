#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checking/compare.h"
#include "checking/expected.h"
#include "common/message_host.h"
#include "editing/pat_overlay.h"
#include "editing/undo_history.h"
#include "pattern/pat.h"
#include "ui/frame_commands.h"
#include "ui/pat_pane_host.h"
#include "ui/wire_value_overlay.h"

class QAction;
class QLabel;
class QPrinter;
class QSplitter;
class QTimer;

namespace lumo {

class Application;
class DrawChild;
class DrawFrame;
class MemChild;
class PatChild;
class RegFrame;

// The waveform editor of one schematic window: menu and tool bar 131, a
// one-pane status bar, the memory-data pane above the waveform canvas. It
// owns the pattern (with its memory data) and its undo history, and keeps
// the edit mode the two panes share.
class PatFrame : public QMainWindow, public PatPaneHost {
  Q_OBJECT
 public:
  // `scale` is the time scale the schematic window keeps, so that it
  // outlives this window.
  PatFrame(Application& app, DrawFrame& schematic, double& scale);
  ~PatFrame() override;

  // The pattern of the schematic: a row per input pin and an entry per
  // memory, then what the file at `path` holds, if it exists. Sets the
  // pattern's path either way. False, after a message, when the file is
  // there but cannot be read.
  bool LoadFor(const std::string& path);

  Pat& pat() { return *pat_; }
  PatChild& canvas() { return *canvas_; }
  MemChild& memory_pane() { return *memory_pane_; }
  DrawFrame& schematic() { return schematic_; }
  MessageHost& host() { return *host_; }
  QAction* action(int id) const;
  QString status_text() const;
  // The open register-transfer viewer, if any.
  RegFrame* register_viewer() const { return register_viewer_; }
  bool no_prompt() const { return no_prompt_; }
  void set_no_prompt(bool no_prompt) { no_prompt_ = no_prompt; }

  // Runs the command of an id as its menu entry does.
  void RunCommand(int id);
  void EnterMode(int mode);

  // The commands.
  void CloseAndOpen();
  // True when the pattern was written (or there was nothing to write).
  bool Save();
  bool SaveAs();
  void DeleteFile();
  void Print();
  // Prints both panes on a printer already set up; false after a message.
  bool PrintOn(QPrinter& printer);
  void Simulate();
  void SaveAndClose();
  void CloseWithoutAsking();
  void Quit();
  void Redraw();
  void ZoomIn();
  void ZoomOut();
  void Help();
  void About();
  void Undo();
  void Redo();
  // Writes the rows shown as a value change dump beside the pattern file.
  void ExportVcd();
  // Turns the run's values on the schematic on or off.
  void ToggleValues();
  // Moves the chosen time to the previous or next change of any signal.
  void PreviousChange();
  void NextChange();
  // The same for the signal of the row the caret is on (an input or output
  // pin of the schematic).
  void PreviousRowChange();
  void NextRowChange();
  // Plays the run from the chosen time to its last change, at a speed that
  // takes ten seconds for the whole run; again: pauses.
  void PlayOrPause();
  void ChoosePlaySpeed();
  // Simulated time a second while playing; 0: the whole run in about ten
  // seconds.
  int play_speed() const { return play_speed_; }
  bool playing() const;
  // While on, a click on a line of the schematic adds a view-only row of
  // its signal, named by its net, under the output rows. Probe rows are
  // never written to the pattern file; after each run they are made again
  // from its trace, except those deleted meanwhile.
  void ToggleProbing();
  bool probing() const { return probing_; }
  // Adds the probe row of the net of the line nearest to the point; false
  // when there is no line near it or no signal of the run for it. Else, on
  // a placed sub-circuit, opens its inside (true, or a message saying why
  // it cannot).
  bool ProbeAt(std::int32_t x, std::int32_t y);
  // The windows showing the inside of a placed sub-circuit with this
  // editor's run.
  std::vector<DrawFrame*> inside_frames();
  // The values of the latest run drawn over the schematic.
  WireValueOverlay& value_overlay() { return *value_overlay_; }

  // Expected outputs. Reads an expected file chosen in the file dialog and
  // compares at once; writes the output rows as an expected file and
  // compares with it; scrolls to the next mismatch and names it.
  void OpenExpected();
  void SaveExpected();
  void NextMismatch();
  // Compares the output rows with the open expected file (if any), redraws
  // the overlay and puts the count of mismatches into the status bar. Runs
  // after every Simulate.
  void Compared();
  // Reads the expected file at `path` and compares; false after a message.
  bool UseExpected(const std::string& path);
  bool has_expected() const { return expected_.has_value(); }
  const std::string& expected_path() const { return expected_path_; }
  const Comparison& comparison() const { return comparison_; }

  // Places the frame over the lower part of its schematic window and sizes
  // the panes for their row counts.
  void LayOut();
  void UpdateTitle();

  // PatPaneHost.
  Application& application() override { return app_; }
  int mode() const override { return mode_; }
  void SetMode(int mode) override;
  void ShowPrompt(const QString& prompt) override;
  void Relayout() override;
  UndoHistory& history() override { return history_; }
  void Edited() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The upper pane: the memory data of the pattern.
  MemChild* CreateMemoryPane();
  // The pattern was replaced (read, cleared, simulated): no undo across it.
  void Reloaded();
  bool SaveAsDialog();
  void RepaintPanes();
  // The viewer of this editor's runs, opened over the schematic's right half.
  RegFrame& RegisterViewer();
  // Compares again without touching the status bar: the pattern changed.
  void Recompare();
  QString MismatchCountText() const;
  // The schematic's values follow the crosshair, else the time chosen on
  // the axis.
  void ConnectValues();
  void KeepTrace(std::shared_ptr<const SignalTrace> trace);
  void ShowValuesAt(std::optional<std::int32_t> time);
  void StepTo(std::int32_t time);
  // The trace's signal of the caret's row; kNoSignal when it has none.
  std::int32_t CaretSignal();
  void PlayStep();
  bool AddProbeRow(const std::string& net);
  // A probe on a wire of the schematic of `frame`, whose values `values`
  // shows (the run's schematic or the inside of an instance).
  bool ProbeIn(DrawFrame& frame, const WireValueOverlay& values, std::int32_t x, std::int32_t y);
  // Opens the schematic of the placed sub-circuit near the point in a
  // window of its own, with the run's values inside that instance.
  bool OpenInsideAt(DrawFrame& from, const WireValueOverlay& values, std::int32_t x,
                    std::int32_t y);
  // The schematic of an inside window still converts into the circuit file
  // the runs read (and is not changed in its window).
  bool InsideMatches(DrawFrame& frame);
  // Gives the canvas of `frame` to the probe mode, or takes it back.
  void SetProbePick(DrawFrame& frame);
  // A click of the probe mode on the schematic of `frame`: a probe on a
  // wire, else the inside of a placed sub-circuit.
  bool PickIn(DrawFrame& frame, std::int32_t x, std::int32_t y);
  void ForEachInsideView(const std::function<void(DrawFrame&, WireValueOverlay&)>& act);
  // Leaves the inside windows with the normal drawing.
  void CloseInsideViews();
  // The probes of this schematic, kept in the settings between sessions.
  void StoreProbes();
  void RestoreProbes();
  // The probe rows still in the pattern, by name.
  std::vector<std::string> ProbesShown() const;

  Application& app_;
  DrawFrame& schematic_;
  double& scale_;
  std::unique_ptr<MessageHost> host_;
  std::unique_ptr<Pat> pat_;
  UndoHistory history_;
  QSplitter* panes_;
  MemChild* memory_pane_;
  PatChild* canvas_;
  QLabel* status_;
  CommandActions commands_;
  int mode_ = 0;
  bool no_prompt_ = false;
  RegFrame* register_viewer_ = nullptr;
  std::string register_log_path_;

  std::optional<Expected> expected_;
  std::string expected_path_;
  Comparison comparison_;
  PatOverlay overlay_;
  MismatchPlace shown_mismatch_;  // the one the last jump showed
  std::unique_ptr<WireValueOverlay> value_overlay_;
  // The schematic's canvas, which may go first when the program closes.
  QPointer<DrawChild> schematic_canvas_;
  std::optional<std::int32_t> fixed_time_;
  QTimer* play_timer_ = nullptr;
  bool probing_ = false;
  std::vector<std::string> probes_;
  int play_speed_ = 0;
  struct InsideView {
    QPointer<DrawFrame> frame;
    std::unique_ptr<WireValueOverlay> overlay;
    std::string function;  // the sub-circuit's name
  };
  std::vector<InsideView> inside_views_;
};

}  // namespace lumo
