// DrawFrame: the file commands, printing, new windows and the checks.

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <filesystem>

#include "common/file_path.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/print_page.h"
#include "workflow/circuit_checks.h"
#include "workflow/run_lock.h"

namespace lumo {

namespace {

constexpr const char* kNotNamedForClose =
    "回路図に名前が付けられていません。\nメニューの [ファイル]-[回路図に名前を付けて，保存する] "
    "で\n回路図に名前を付けてください。";
constexpr const char* kDocumentName = "回路図";

bool Named(const std::string& path) {
  return !path.empty() && path != "?";
}

}  // namespace

void DrawFrame::OpenAtStart(const std::string& path) {
  app_.ReadSchematic(draw_, path);
  canvas_->ForgetRecords();
  UpdateTitles();
}

bool DrawFrame::OpenDialog() {
  const std::optional<std::string> path = app_.dialogs().OpenSchematic(this, app_.work_folder());
  if (!path) return false;
  app_.ReadSchematic(draw_, *path);
  app_.set_work_folder(FileFolder(*path));
  canvas_->ForgetRecords();
  UpdateTitles();
  return true;
}

void DrawFrame::Open() {
  if (draw_.IsEmpty()) {
    if (OpenDialog()) canvas_->PaintNow();
    return;
  }
  DrawFrame* fresh = NewWindow();
  if (!fresh->OpenDialog()) {
    fresh->CloseWithoutAsking();
    return;
  }
  fresh->canvas().PaintNow();
}

void DrawFrame::CloseAndOpen() {
  if (!CloseWaveformEditor() || !CloseSymbolEditor()) return;
  if (!draw_.IsEmpty()) {
    if (!draw_.HasCircuitName()) {
      host_->Warn(kNotNamedForClose);
      return;
    }
    // Nothing is thrown away that could not be saved.
    if (draw_.Save(draw_.path()) != DrawSaveResult::kSaved) return;
  }
  const std::string old_path = draw_.path();
  draw_.Clear();
  canvas_->ForgetRecords();
  if (!OpenDialog() && Named(old_path)) app_.ReadSchematic(draw_, old_path);
  canvas_->ForgetRecords();
  UpdateTitles();
  canvas_->PaintNow();
}

bool DrawFrame::SaveAsDialog() {
  const std::optional<std::string> path = app_.dialogs().SaveSchematicAs(this, app_.work_folder());
  if (!path) return false;
  const bool saved = draw_.Save(*path) == DrawSaveResult::kSaved;
  if (saved) app_.set_work_folder(FileFolder(*path));
  UpdateTitles();
  return saved;
}

bool DrawFrame::Save() {
  if (draw_.IsEmpty()) return true;
  if (!draw_.HasCircuitName()) return SaveAsDialog();
  const bool saved = draw_.Save(draw_.path()) == DrawSaveResult::kSaved;
  UpdateTitles();
  return saved;
}

bool DrawFrame::SaveAs() {
  if (!CloseWaveformEditor() || !CloseSymbolEditor()) return false;
  const bool saved = SaveAsDialog();
  canvas_->PaintNow();
  return saved;
}

void DrawFrame::DeleteFile() {
  if (const auto path = app_.dialogs().SchematicToDelete(this, app_.work_folder())) {
    std::error_code error;
    std::filesystem::remove(*path, error);
  }
  canvas_->PaintNow();
}

DrawFrame* DrawFrame::NewWindow() {
  DrawFrame* fresh = app_.NewFrame(NewFrameRect(QRect(pos(), size()), app_.screen()));
  fresh->canvas().PaintNow();
  return fresh;
}

void DrawFrame::CircuitChecks() {
  // The checks write the run's circuit files: not while another run, in
  // this program or in lumo, uses the working folder. A folder that cannot
  // be locked at all is left to the checks' own messages.
  RunLock lock(app_.work_folder());
  if (lock.TryTake() == RunLock::State::kBusy) {
    host_->Warn(kRunFolderBusyText);
    return;
  }
  const RunSetup setup = app_.MakeRunSetup(*host_);
  const CircuitCheckResult result = RunCircuitChecks(draw_, setup);
  canvas_->Mark(result.marked[0], result.marked[1]);
  UpdateTitles();
  canvas_->PaintNow();
}

void DrawFrame::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!app_.dialogs().SetUpPrinter(this, printer)) return;
  PrintOn(printer);
  canvas_->ShowPrintNotice();
}

bool DrawFrame::PrintOn(QPrinter& printer) {
  const QSize client = canvas_->viewport()->size();
  return PrintOnePage(*this, *host_, printer, kDocumentName, client, [&](QPainter& dc) {
    DisplayLib& lib = app_.display();
    lib.SetPrintMode(1);
    canvas_->PaintPage(dc, client);
    lib.SetPrintMode(0);
  });
}

}  // namespace lumo
