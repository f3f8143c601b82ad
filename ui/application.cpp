#include "ui/application.h"

#include <QCoreApplication>
#include <QTimer>

#include "checking/checking_errors.h"
#include "circuit/circuit_errors.h"
#include "common/atomic_file.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"
#include "ui/command_line.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "ui/sym_frame.h"
#include "workflow/circuit_checks.h"
#include "workflow/run_files.h"

namespace lumo {

namespace {

std::string MissingLibraryText(const std::string& system_folder) {
  return "ルモＣＡＤのシステムフォルダー \"" + system_folder +
         "\" にファイル LumoCAD.lib がありません。\n"
         "エキスプローラーで確かめてください。\n"
         "ないときはルモＣＡＤを再インストールしてください。";
}

}  // namespace

Application::Application(const ApplicationSetup& setup)
    : host_(setup.host),
      window_hosts_(setup.window_hosts),
      dialogs_(setup.dialogs),
      settings_(setup.settings),
      system_folder_(setup.system_folder),
      current_folder_(setup.current_folder),
      logical_dpi_(setup.logical_dpi),
      screen_(setup.screen) {
  RegisterListErrors(errors_);
  RegisterSymbolErrors(errors_);
  RegisterDrawErrors(errors_);
  RegisterCircuitErrors(errors_);
  RegisterConverterErrors(errors_);
  RegisterPatternErrors(errors_);
  RegisterCheckingErrors(errors_);
  display_ = std::make_unique<DisplayLib>(host_, errors_);
  allowances_ = AllowanceValues(logical_dpi_);
}

Application::~Application() {
  if (started_) WriteStoredSettings(settings_, work_folder_, placement_);
  ending_ = true;
  // A schematic window deletes the windows that belong to it.
  for (QMainWindow* frame : registry_.Alive(FrameKind::kSchematic))
    delete frame;
}

DrawEnvironment Application::draw_environment(MessageHost& host) {
  return DrawEnvironment{system_symbols_, user_symbols_, host, errors_, errors_, errors_};
}

SymbolMessages Application::symbol_messages(MessageHost& host) {
  return SymbolMessages{host, errors_, errors_};
}

void Application::OpenStatistics() {
  // Made anew as a file of the program's own first, so that a link in its
  // place is replaced rather than its target emptied; then written to for
  // the session. A device or a FIFO in its place is left alone, and the
  // statistics go nowhere.
  const std::string path = RunFolders{system_folder_, work_folder_}.Statistics();
  if (WriteFileAtomically(
          path, [](std::ostream&) { return true; }, LinkHandling::kReplaceEntry))
    statistics_.open(path, std::ios::out | std::ios::app);
}

bool Application::Start(const QStringList& arguments) {
  const StoredSettings stored = ReadStoredSettings(settings_);
  started_ = true;
  work_folder_ = stored.work_folder.empty() ? current_folder_ : stored.work_folder;
  placement_ = stored.placement;

  const std::string library = JoinPath(system_folder_, kSymbolLibraryFile);
  if (!std::ifstream(library, std::ios::binary).is_open()) {
    host_.Warn(MissingLibraryText(system_folder_));
    return false;
  }
  if (!system_symbols_.Read(library, symbol_messages(host_))) return false;
  if (!user_symbols_.ReadFolder(work_folder_, symbol_messages(host_))) return false;
  OpenStatistics();

  DrawFrame* frame = NewFrame(FirstFrameRect(placement_, screen_), false);
  const std::string file = CommandLineFile(arguments);
  if (!file.empty()) frame->OpenAtStart(file);
  frame->show();
  // --simulate: the schematic's waveform editor opens and runs once the
  // windows are up, so a newcomer sees the whole loop at once.
  if (!file.empty() && CommandLineHasFlag(arguments, QStringLiteral("--simulate")) &&
      !frame->draw().IsEmpty()) {
    QTimer::singleShot(0, frame, [frame] {
      frame->OpenWaveformEditor();
      if (PatFrame* editor = frame->waveform_editor()) editor->Simulate();
    });
  }
  return true;
}

std::vector<DrawFrame*> Application::frames() const {
  std::vector<DrawFrame*> frames;
  for (QMainWindow* frame : registry_.Open(FrameKind::kSchematic))
    frames.push_back(static_cast<DrawFrame*>(frame));
  return frames;
}

DrawFrame* Application::NewFrame(const QRect& rect, bool show) {
  auto* frame = new DrawFrame(*this);
  registry_.Add(*frame, FrameKind::kSchematic, nullptr);
  active_frame_ = frame;
  frame->move(rect.topLeft());
  frame->resize(rect.size());
  if (show) frame->show();
  return frame;
}

void Application::AddFrame(QMainWindow& frame, FrameKind kind, QMainWindow& owner) {
  registry_.Add(frame, kind, &owner);
}

void Application::RemoveFrame(DrawFrame* frame) {
  registry_.MarkClosed(*frame);
  const std::vector<DrawFrame*> open = frames();
  if (active_frame_ == frame) active_frame_ = open.empty() ? nullptr : open.front();
  if (open.empty() && !ending_) QCoreApplication::quit();
}

void Application::ForgetFrame(QMainWindow* frame) {
  const bool schematic = registry_.Holds(*frame, FrameKind::kSchematic);
  registry_.Remove(*frame);
  // Only a schematic window's going can change the active window or end the program.
  if (schematic) RemoveFrame(static_cast<DrawFrame*>(frame));
}

void Application::SetActivated() {
  activated_ = true;
  // The next paint clears the flag; Qt paints only what needs it, so ask.
  for (DrawFrame* frame : frames())
    frame->canvas().Invalidate();
}

DrawReadResult Application::ReadSchematic(Draw& draw, const std::string& path) {
  const std::string folder_before = user_symbols_.folder();
  const DrawReadResult result = draw.Read(path);
  if (user_symbols_.folder() != folder_before) UserSymbolsChanged();
  // An element without a circuit would stop the simulation: say so now, with
  // the schematic's folder as the working folder it is opened into.
  if (result == DrawReadResult::kRead)
    CheckSubCircuitFiles(draw, RunFolders{system_folder_, FileFolder(path)}, draw.host());
  return result;
}

void Application::UserSymbolsChanged() {
  // An open symbol editor's symbol went with the old list.
  for (QMainWindow* editor : registry_.Open(FrameKind::kSymbol))
    static_cast<SymFrame*>(editor)->UserSymbolsReread();
  for (DrawFrame* frame : frames()) {
    frame->draw().RebindSymbols();
    frame->canvas().SymbolsChanged();
  }
}

RunSetup Application::MakeRunSetup(MessageHost& messages) {
  return RunSetup{.messages = messages,
                  .errors = errors(),
                  .store = store(),
                  .bus_signals = bus_signals(),
                  .folders = {system_folder(), work_folder()},
                  .statistics = statistics()};
}

}  // namespace lumo
