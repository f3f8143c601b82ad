#pragma once

#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStringList>
#include <array>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "common/message_host.h"
#include "display/display_lib.h"
#include "editing/view_transform.h"
#include "lists/error_table.h"
#include "schematic/draw.h"
#include "symbol/symbol_list.h"
#include "ui/app_settings.h"
#include "ui/frame_placement.h"
#include "ui/frame_registry.h"
#include "ui/user_dialogs.h"
#include "workflow/run_setup.h"

namespace lumo {

class DrawFrame;

// Makes the message host of one window: every message of an operation that
// window started goes there (the GUI's shows its boxes over the window).
using WindowMessageHosts = std::function<std::unique_ptr<MessageHost>(QWidget& window)>;

// What the program gets from where it runs: how it shows messages and
// dialogs, where its settings live, its folders and its screen.
struct ApplicationSetup {
  MessageHost& host;  // messages no window raised: those of the start
  WindowMessageHosts window_hosts;
  UserDialogs& dialogs;
  QSettings& settings;
  std::string system_folder;   // the program's own folder (SystemFolder())
  std::string current_folder;  // the working folder when the settings name none
  int logical_dpi = 96;
  QSize screen{1024, 768};
};

// The objects every window shares, the open schematic windows and the
// settings kept between runs. One exists for the whole run; destroying it
// writes the settings and closes the windows.
class Application {
 public:
  explicit Application(const ApplicationSetup& setup);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Reads the settings, checks the system folder, reads the symbols and opens
  // the first schematic window, with the schematic named last on the
  // command line (`arguments` without the program name). False after a
  // message when the program must end.
  bool Start(const QStringList& arguments);

  const std::string& system_folder() const { return system_folder_; }
  const std::string& work_folder() const { return work_folder_; }
  void set_work_folder(std::string folder) { work_folder_ = std::move(folder); }

  // The open schematic windows, newest first.
  std::vector<DrawFrame*> frames() const;
  // Every frame window of every kind, with the window each belongs to.
  const FrameRegistry& registry() const { return registry_; }
  DrawFrame* active_frame() const { return active_frame_; }
  void set_active_frame(DrawFrame* frame) { active_frame_ = frame; }
  // A new schematic window at `rect`, at the front of the list; shown when
  // `show`.
  DrawFrame* NewFrame(const QRect& rect, bool show = true);
  // A window of another kind, made for the window `owner`.
  void AddFrame(QMainWindow& frame, FrameKind kind, QMainWindow& owner);
  // Takes a closing schematic window off the list; the first one left
  // becomes the active one. The program quits when none is left.
  void RemoveFrame(DrawFrame* frame);
  // A window of any kind is being destroyed (it may have closed long before).
  void ForgetFrame(QMainWindow* frame);

  // Set by activations and commands: the canvases ignore the mouse until
  // their next paint clears it.
  // What a run of the workflow works with: this program's errors, store,
  // bus numbering, folders and statistics, its messages going to `messages`.
  RunSetup MakeRunSetup(MessageHost& messages);
  // The settings store, for what a window keeps between sessions.
  QSettings& settings() { return settings_; }
  bool activated() const { return activated_; }
  void SetActivated();
  void ClearActivated() { activated_ = false; }
  // True while a drag that started in a canvas is in progress.
  bool dragging() const { return dragging_; }
  void set_dragging(bool dragging) { dragging_ = dragging; }

  const FramePlacement& placement() const { return placement_; }
  void RecordPlacement(const FramePlacement& placement) { placement_ = placement; }
  const std::array<int, kAllowanceCount>& allowances() const { return allowances_; }
  QSize screen() const { return screen_; }

  // The message host of a new window.
  std::unique_ptr<MessageHost> MakeWindowHost(QWidget& window) const {
    return window_hosts_(window);
  }
  UserDialogs& dialogs() { return dialogs_; }
  ErrorTable& errors() { return errors_; }
  DisplayLib& display() { return *display_; }
  SymbolList& system_symbols() { return system_symbols_; }
  SymbolList& user_symbols() { return user_symbols_; }
  CircuitStore& store() { return store_; }
  BusSignalCounter& bus_signals() { return bus_signals_; }
  std::ostream& statistics() { return statistics_; }
  ViewTransform& view() { return view_; }
  // Reading and saving report to `host`, the host of the schematic's window.
  DrawEnvironment draw_environment(MessageHost& host);
  SymbolMessages symbol_messages(MessageHost& host);

  // Reads a schematic into `draw` and, when that read the user symbols from
  // another folder, rebinds every other schematic to them; then names every
  // element that has neither a primitive nor a circuit file to stand for.
  DrawReadResult ReadSchematic(Draw& draw, const std::string& path);
  // The user symbols were read again or lost a symbol: every schematic and
  // every canvas's symbol to place is bound to them again.
  void UserSymbolsChanged();

 private:
  void OpenStatistics();

  MessageHost& host_;
  WindowMessageHosts window_hosts_;
  UserDialogs& dialogs_;
  QSettings& settings_;
  std::string system_folder_;
  std::string current_folder_;
  int logical_dpi_;
  QSize screen_;

  ErrorTable errors_;
  std::unique_ptr<DisplayLib> display_;
  SymbolList system_symbols_;
  SymbolList user_symbols_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
  std::ofstream statistics_;
  ViewTransform view_;

  std::string work_folder_;
  FramePlacement placement_;
  std::array<int, kAllowanceCount> allowances_{};
  FrameRegistry registry_;
  DrawFrame* active_frame_ = nullptr;
  bool activated_ = true;
  bool dragging_ = false;
  bool started_ = false;
  bool ending_ = false;
};

}  // namespace lumo
