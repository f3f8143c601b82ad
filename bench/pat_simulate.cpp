// Times the waveform editor's Simulate command on every sample, from the
// command to the repainted canvas, with the windows offscreen: save,
// convert, expand, simulate, read the outputs back, lay out and paint.
// Each sample runs in a copy of data/sample. Run in a Release build:
//   bench/pat_simulate [SAMPLE_FOLDER]

#include <unistd.h>
#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "bench/bench_timing.h"
#include "common/stream_message_host.h"
#include "common/system_folder.h"
#include "editing/command_ids.h"
#include "editing/pat_modes.h"
#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "ui/qt_dialogs.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  const fs::path samples = argc > 1 ? fs::path(argv[1]) : fs::path(LUMO_SAMPLES);
  const fs::path work =
      fs::temp_directory_path() / ("lumo_pat_simulate_" + std::to_string(getpid()));
  fs::remove_all(work);
  fs::create_directories(work);
  fs::copy(samples, work, fs::copy_options::recursive);

  lumo::StreamMessageHost host(std::cerr);
  lumo::QtDialogs dialogs(lumo::SystemFolder());
  QSettings settings(QString::fromStdString((work / "settings.ini").string()),
                     QSettings::IniFormat);
  const lumo::ApplicationSetup setup{
      host,
      [](QWidget&) { return std::make_unique<lumo::StreamMessageHost>(std::cerr); },
      dialogs,
      settings,
      lumo::SystemFolder(),
      work.string(),
      96,
      QSize(1280, 1024)};
  std::printf("Simulate from the waveform editor, best of 5 (ms)\n");
  for (const auto& entry : fs::directory_iterator(work)) {
    if (entry.path().extension() != ".ldr") continue;
    lumo::Application app(setup);
    if (!app.Start({QString::fromStdString(entry.path().string())})) return 1;
    lumo::DrawFrame& frame = *app.frames().front();
    frame.RunCommand(lumo::kCmdWaveformEditor);
    lumo::PatFrame* editor = frame.waveform_editor();
    if (editor == nullptr) return 1;
    const double best = lumo::bench::BestOf(5, [&] { editor->RunCommand(lumo::kPatCmdSimulate); });
    std::printf("  %-12s %8.2f  (%d rows)\n", entry.path().stem().string().c_str(), best,
                editor->pat().count());
  }
  fs::remove_all(work);
  return 0;
}
