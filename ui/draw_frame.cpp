// DrawFrame: the window, its commands, activation, placement and closing.

#include "ui/draw_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/frame_commands.h"
#include "ui/list_frame.h"
#include "ui/pat_frame.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "ルモＣＡＤ　回路図の編集";
constexpr const char* kSaveQuestion = "回路図をファイルに保存しますか？";
constexpr const char* kSaveCaption = "回路図の保存";

const char* const kMenus[] = {"ファイル(&F)", "ウィンドウ(&W)", "編集(&E)",
                              "表示(&V)",     "検査(&C)",       "ヘルプ(&H)"};
enum Menu { kFile, kWindow, kEdit, kView, kCheck, kHelp };

// Save and the modes the canvas enters directly leave the activated flag
// alone; the other commands set it.
const CommandRow<DrawFrame> kCommands[] = {
    {.id = kCmdOpen,
     .caption = "回路図を開く",
     .menu = kFile,
     .shortcut = "Ctrl+O",
     .run = Call<&DrawFrame::Open>},
    {.id = kCmdCloseAndOpen,
     .caption = "回路図を閉じて開く",
     .menu = kFile,
     .run = Call<&DrawFrame::CloseAndOpen>},
    {.id = kCmdSave,
     .caption = "回路図を上書き保存する",
     .menu = kFile,
     .shortcut = "Ctrl+S",
     .run = Call<&DrawFrame::Save>,
     .activates = false},
    {.id = kCmdSaveAs,
     .caption = "回路図に名前を付けて，保存する",
     .menu = kFile,
     .shortcut = "Ctrl+Shift+S",
     .run = Call<&DrawFrame::SaveAs>},
    {.id = kCmdDeleteFile,
     .caption = "回路図ファイルを削除する",
     .menu = kFile,
     .separator = true,
     .run = Call<&DrawFrame::DeleteFile>},
    {.id = kCmdExportVerilog,
     .caption = "Verilog に書き出す",
     .menu = kFile,
     .run = Call<&DrawFrame::ExportVerilog>},
    {.id = kCmdPrint,
     .caption = "回路図を印刷する",
     .menu = kFile,
     .separator = true,
     .shortcut = "Ctrl+P",
     .run = Call<&DrawFrame::Print>},
    {.id = kCmdSaveAndClose,
     .caption = "回路図を保存し，ウィンドウを閉じる",
     .menu = kFile,
     .separator = true,
     .run = Call<&DrawFrame::SaveAndClose>},
    {.id = kCmdCloseWithoutAsking,
     .caption = "ウィンドウを閉じる",
     .menu = kFile,
     .run = Call<&DrawFrame::CloseWithoutAsking>},
    {.id = kCmdNewWindow,
     .caption = "回路図編集ウィンドウを開く",
     .menu = kWindow,
     .shortcut = "Ctrl+N",
     .run = Call<&DrawFrame::NewWindow>},
    {.id = kCmdWaveformEditor,
     .caption = "波形編集ウィンドウを開く",
     .menu = kWindow,
     .run = Call<&DrawFrame::OpenWaveformEditor>},
    {.id = kCmdSymbolEditor,
     .caption = "シンボル編集ウィンドウを開く",
     .menu = kWindow,
     .run = Call<&DrawFrame::OpenSymbolEditor>},
    {.id = kCmdPlace,
     .caption = "素子を配置する",
     .menu = kEdit,
     .mode = kModePlace,
     .run = Call<&DrawFrame::OpenChooser>},
    {.id = kCmdDrawLine,
     .caption = "信号線を描く",
     .menu = kEdit,
     .mode = kModeLineStart,
     .activates = false},
    {.id = kCmdName,
     .caption = "素子，信号線に名前を付ける",
     .menu = kEdit,
     .mode = kModeName,
     .activates = false},
    {.id = kCmdDelete,
     .caption = "素子，信号線を削除する",
     .menu = kEdit,
     .mode = kModeDeletePick,
     .activates = false},
    {.id = kCmdMove,
     .caption = "素子，信号線を移動する",
     .menu = kEdit,
     .mode = kModeMovePick,
     .activates = false},
    {.id = kCmdFlip,
     .caption = "正論理または負論理に変える",
     .menu = kEdit,
     .mode = kModeFlip,
     .activates = false},
    {.id = kCmdRedraw,
     .caption = "再描画する",
     .menu = kView,
     .shortcut = "F5",
     .run = Call<&DrawFrame::Redraw>},
    {.id = kCmdZoomIn,
     .caption = "拡大する",
     .menu = kView,
     .shortcut = "Ctrl++",
     .run = Call<&DrawFrame::ZoomIn>},
    {.id = kCmdZoomOut,
     .caption = "縮小する",
     .menu = kView,
     .shortcut = "Ctrl+-",
     .run = Call<&DrawFrame::ZoomOut>},
    {.id = kCmdConnectionCheck,
     .caption = "信号の接続検査",
     .menu = kCheck,
     .mode = kModeConnection,
     .activates = false},
    {.id = kCmdCircuitChecks,
     .caption = "回路の各種検査",
     .menu = kCheck,
     .run = Call<&DrawFrame::CircuitChecks>},
    {.id = kCmdHelp,
     .caption = "回路図エディターの説明",
     .menu = kHelp,
     .shortcut = "F1",
     .run = Call<&DrawFrame::Help>},
    {.id = kCmdAbout, .caption = "バージョン情報", .menu = kHelp, .run = Call<&DrawFrame::About>},
    {.id = kCmdUndo,
     .caption = "元に戻す",
     .menu = kEdit,
     .separator = true,
     .shortcut = "Ctrl+Z",
     .run = Call<&DrawFrame::Undo>,
     .activates = false},
    {.id = kCmdRedo,
     .caption = "やり直す",
     .menu = kEdit,
     .shortcut = "Ctrl+Shift+Z",
     .run = Call<&DrawFrame::Redo>,
     .activates = false},
};

constexpr int kToolOrder[] = {
    kCmdOpen,   kCmdSave,   kCmdPrint,   kToolSeparator, kCmdPlace,           kCmdDrawLine,
    kCmdName,   kCmdDelete, kCmdMove,    kCmdFlip,       kCmdConnectionCheck, kToolSeparator,
    kCmdRedraw, kCmdZoomIn, kCmdZoomOut, kToolSeparator, kCmdCircuitChecks,   kCmdHelp};

const CommandTable<DrawFrame> kTable{kMenus, kCommands, "tools", kToolOrder};

}  // namespace

DrawFrame::DrawFrame(Application& app)
    : app_(app),
      host_(app.MakeWindowHost(*this)),
      draw_(app.draw_environment(*host_)),
      commands_(*this, kTable) {
  setAttribute(Qt::WA_DeleteOnClose);
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  canvas_ = new DrawChild(app_, *this, draw_, this);
  setCentralWidget(canvas_);
  SetUpUndoCommands();
  UpdateTitles();
}

DrawFrame::~DrawFrame() {
  for (QMainWindow* owned : app_.registry().OwnedBy(*this))
    delete owned;
  app_.ForgetFrame(this);
}

QAction* DrawFrame::action(int id) const {
  return commands_.action(id);
}

ListFrame* DrawFrame::chooser() const {
  return static_cast<ListFrame*>(app_.registry().Find(FrameKind::kChooser, *this));
}

QString DrawFrame::status_text() const {
  return status_->text();
}

void DrawFrame::ShowPrompt(const QString& text) {
  status_->setText(text);
}

void DrawFrame::PressModeButton(int command) {
  commands_.PressModeButton(command);
}

void DrawFrame::UpdateTitles() {
  const std::string& path = draw_.path();
  const bool named = !path.empty() && path != "?";
  const QString shown = QString::fromUtf8(path.c_str());
  QString title = QString::fromUtf8(kFrameTitle);
  if (named) title += QStringLiteral(" - [") + shown + QStringLiteral("]");
  // Unsaved changes: the mark follows the file name, or the title while
  // there is none.
  if (draw_.Modified()) title += named ? QStringLiteral("*") : QStringLiteral(" *");
  setWindowTitle(title);
  canvas_->setWindowTitle(shown);
  UpdateUndoCommands();
}

void DrawFrame::RunCommand(int id) {
  RunCommandRow(*this, kTable, app_, id);
}

void DrawFrame::EnterMode(int mode) {
  canvas_->SetEditMode(mode);
}

void DrawFrame::Redraw() {
  canvas_->Invalidate();
  canvas_->PaintNow();
}

void DrawFrame::ZoomIn() {
  canvas_->ZoomIn();
}

void DrawFrame::ZoomOut() {
  canvas_->ZoomOut();
}

void DrawFrame::Help() {
  app_.dialogs().ShowHelp(this, ModeHelpContext(canvas_->edit_mode()));
}

void DrawFrame::About() {
  app_.dialogs().ShowAbout(this);
}

void DrawFrame::OpenChooser() {
  delete chooser();
  auto* chooser = new ListFrame(app_, *canvas_);
  chooser->move(pos());
  chooser->resize(size());
  chooser->show();
  chooser->LayOutPanes();
  canvas_->SetEditMode(kModePlace);
}

// ---- Activation, placement, closing ----

void DrawFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    app_.set_active_frame(this);
    app_.SetActivated();
  }
}

void DrawFrame::RecordPlacement() {
  if (app_.active_frame() != this || isMinimized() || isMaximized() || isFullScreen()) return;
  app_.RecordPlacement(PlacementOf(QRect(pos(), size())));
}

void DrawFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  RecordPlacement();
}

void DrawFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  RecordPlacement();
}

void DrawFrame::closeEvent(QCloseEvent* event) {
  // An editor whose save failed stays open, and the schematic with it.
  if (!CloseWaveformEditor() || !CloseSymbolEditor()) {
    event->ignore();
    return;
  }
  if (!draw_.IsEmpty() && !skip_question_) {
    const MessageAnswer answer = host_->Show(
        Message{kSaveQuestion, kSaveCaption, MessageIcon::kWarning, MessageButtons::kYesNo});
    if (answer == MessageAnswer::kYes) {
      // A schematic that was not saved (the dialog cancelled, the file not
      // written) keeps its window.
      if (!Save()) {
        event->ignore();
        return;
      }
      draw_.Clear();
      canvas_->ForgetRecords();
    }
  }
  skip_question_ = false;
  for (QMainWindow* owned : app_.registry().OwnedBy(*this))
    owned->close();
  app_.RemoveFrame(this);
  event->accept();
}

void DrawFrame::SaveAndClose() {
  if (!draw_.IsEmpty()) {
    if (!Save()) return;  // nothing saved: the window stays
    draw_.Clear();
    canvas_->ForgetRecords();
  }
  skip_question_ = true;
  close();
}

void DrawFrame::CloseWithoutAsking() {
  if (waveform_editor_) waveform_editor_->set_no_prompt(true);
  skip_question_ = true;
  close();
}

}  // namespace lumo
