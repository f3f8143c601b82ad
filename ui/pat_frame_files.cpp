// PatFrame: the pattern file commands, the value change dump and printing.

#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/file_path.h"
#include "editing/pat_edits.h"
#include "lists/error_table.h"
#include "pattern/vcd_writer.h"
#include "schematic/pattern_setup.h"
#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/mem_child.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"
#include "ui/print_page.h"

namespace lumo {

namespace {

constexpr const char* kDocumentName = "入出力パターン";
constexpr const char* kDumpFailed = "波形のＶＣＤファイルを書き出せません。\n";

}  // namespace

// Writes the pattern to `path`; a file that cannot be written is reported
// and the pattern keeps its unsaved mark.
static bool WritePattern(Pat& pat, MessageHost& host, const ErrorTable& errors,
                         UndoHistory& history, const std::string& path) {
  if (!pat.WriteInputPat(path)) {
    ShowError(host, errors, "Pat::WriteInputPat", path);
    return false;
  }
  history.MarkClean();
  return true;
}

bool PatFrame::SaveAsDialog() {
  const std::optional<std::string> path =
      app_.dialogs().SavePatternAs(this, app_.work_folder(), schematic_.draw().circuit_name());
  if (!path) return false;
  const bool saved = WritePattern(*pat_, *host_, app_.errors(), history_, *path);
  app_.set_work_folder(FileFolder(*path));
  Edited();
  return saved;
}

bool PatFrame::Save() {
  if (NothingToSave(*pat_)) return true;
  const bool saved = pat_->HasFile()
                         ? WritePattern(*pat_, *host_, app_.errors(), history_, pat_->path())
                         : SaveAsDialog();
  Edited();
  canvas_->PaintNow();
  return saved;
}

bool PatFrame::SaveAs() {
  if (NothingToSave(*pat_)) return true;
  const bool saved = SaveAsDialog();
  canvas_->PaintNow();
  return saved;
}

void PatFrame::CloseAndOpen() {
  if (!NothingToSave(*pat_) &&
      !(pat_->HasFile() ? WritePattern(*pat_, *host_, app_.errors(), history_, pat_->path())
                        : SaveAsDialog()))
    return;
  const std::string previous = pat_->HasFile() ? pat_->path() : std::string();
  const Draw& draw = schematic_.draw();
  pat_->Clear();
  pat_->mem().Clear();
  SetupInputs(*pat_, draw);
  SetupMemories(pat_->mem(), draw);
  const std::optional<std::string> path =
      app_.dialogs().OpenPattern(this, app_.work_folder(), draw.circuit_name());
  if (path) {
    pat_->ReadInputPat(*path);
    app_.set_work_folder(FileFolder(*path));
    DefaultEvents(*pat_, draw);
  } else if (!previous.empty()) {
    pat_->Clear();
    pat_->mem().Clear();
    pat_->ReadInputPat(previous);
  }
  Reloaded();
}

void PatFrame::DeleteFile() {
  if (const auto path = app_.dialogs().PatternToDelete(this, app_.work_folder(),
                                                       schematic_.draw().circuit_name())) {
    std::error_code error;
    std::filesystem::remove(*path, error);
  }
  canvas_->PaintNow();
}

void PatFrame::ExportVcd() {
  const std::string& circuit = schematic_.draw().circuit_name();
  std::string path = pat_->HasFile() ? pat_->path() : JoinPath(app_.work_folder(), circuit);
  if (path.size() > 4 && path.compare(path.size() - 4, 4, ".lpt") == 0)
    path.resize(path.size() - 4);
  path += ".vcd";
  const bool written = WriteFileAtomically(path, [this, &circuit](std::ostream& out) {
    WriteVcd(*pat_, circuit, out);
    return true;
  });
  if (!written) {
    host_->Warn(kDumpFailed + path);
    return;
  }
  ShowPrompt(QString::fromStdString(path) + QStringLiteral(" に書き出しました。"));
}

void PatFrame::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!app_.dialogs().SetUpPrinter(this, printer)) return;
  PrintOn(printer);
  RepaintPanes();
  // The notice stays over the memory pane until the next redraw.
  memory_pane_->ShowPrintNotice();
}

bool PatFrame::PrintOn(QPrinter& printer) {
  // Both panes one above the other, as on the screen.
  const QSize memory = memory_pane_->size();
  const QSize canvas = canvas_->viewport()->size();
  const QSize client(std::max(memory.width(), canvas.width()), memory.height() + canvas.height());
  return PrintOnePage(*this, *host_, printer, kDocumentName, client, [&](QPainter& dc) {
    memory_pane_->render(&dc, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    dc.translate(0, memory.height());
    canvas_->PaintPage(dc, canvas);
  });
}

}  // namespace lumo
