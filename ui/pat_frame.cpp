// PatFrame: the window, its commands, the panes' layout, undo and closing.

#include "ui/pat_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include "editing/pat_edits.h"
#include "editing/pat_layout.h"
#include "editing/pat_modes.h"
#include "schematic/pattern_setup.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/mem_child.h"
#include "ui/pat_child.h"
#include "ui/pat_icons.h"
#include "ui/reg_frame.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "ルモＣＡＤ　パターンの編集";
constexpr const char* kSaveQuestion = "パターンをファイルに保存しますか？";
constexpr const char* kSaveCaption = "パターンファイルの保存";

const char* const kMenus[] = {"ファイル(&F)", "編集(&E)", "表示(&V)", "シミュレーション(&S)",
                              "ヘルプ(&H)"};
enum Menu { kFile, kEdit, kView, kSimulate, kHelp };

// The mode commands, Save and Quit leave the activated flag alone; the
// other commands set it, so the click after a menu does not reach a pane.
const CommandRow<PatFrame> kCommands[] = {
    {.id = kPatCmdCloseAndOpen,
     .caption = "パターンを閉じて開く",
     .menu = kFile,
     .shortcut = "Ctrl+O",
     .run = Call<&PatFrame::CloseAndOpen>},
    {.id = kPatCmdSave,
     .caption = "パターンを上書き保存する",
     .menu = kFile,
     .shortcut = "Ctrl+S",
     .run = Call<&PatFrame::Save>,
     .activates = false},
    {.id = kPatCmdSaveAs,
     .caption = "パターンに名前を付けて，保存する",
     .menu = kFile,
     .shortcut = "Ctrl+Shift+S",
     .run = Call<&PatFrame::SaveAs>},
    {.id = kPatCmdDeleteFile,
     .caption = "パターンファイルを削除する",
     .menu = kFile,
     .separator = true,
     .run = Call<&PatFrame::DeleteFile>},
    {.id = kPatCmdExportVcd,
     .caption = "波形をＶＣＤファイルに書き出す",
     .menu = kFile,
     .separator = true,
     .run = Call<&PatFrame::ExportVcd>},
    {.id = kPatCmdPrint,
     .caption = "パターンを印刷する",
     .menu = kFile,
     .shortcut = "Ctrl+P",
     .run = Call<&PatFrame::Print>},
    {.id = kPatCmdSaveAndClose,
     .caption = "パターンを保存し，ウィンドウを閉じる",
     .menu = kFile,
     .separator = true,
     .run = Call<&PatFrame::SaveAndClose>},
    {.id = kPatCmdClose,
     .caption = "ウィンドウを閉じる",
     .menu = kFile,
     .run = Call<&PatFrame::CloseWithoutAsking>},
    {.id = kPatCmdQuit,
     .caption = "ルモＣＡＤを終了する",
     .menu = kFile,
     .separator = true,
     .run = Call<&PatFrame::Quit>,
     .activates = false},
    {.id = kPatCmdUndo,
     .caption = "元に戻す",
     .menu = kEdit,
     .shortcut = "Ctrl+Z",
     .run = Call<&PatFrame::Undo>,
     .activates = false},
    {.id = kPatCmdRedo,
     .caption = "やり直す",
     .menu = kEdit,
     .shortcut = "Ctrl+Shift+Z",
     .run = Call<&PatFrame::Redo>,
     .activates = false},
    {.id = kPatCmdSingle,
     .caption = "単線の信号値の設定と削除",
     .menu = kEdit,
     .separator = true,
     .mode = kPatModeSingle,
     .activates = false},
    {.id = kPatCmdMulti,
     .caption = "複線の信号値の設定と削除",
     .menu = kEdit,
     .mode = kPatModeMulti,
     .activates = false},
    {.id = kPatCmdMove,
     .caption = "信号値の移動",
     .menu = kEdit,
     .mode = kPatModeMovePick,
     .activates = false},
    {.id = kPatCmdRowDelete,
     .caption = "行を削除する",
     .menu = kEdit,
     .mode = kPatModeRowDelete,
     .activates = false},
    {.id = kPatCmdRowMove,
     .caption = "行を移動する",
     .menu = kEdit,
     .mode = kPatModeRowMovePick,
     .activates = false},
    {.id = kPatCmdRedraw,
     .caption = "再描画する",
     .menu = kView,
     .shortcut = "F5",
     .run = Call<&PatFrame::Redraw>},
    {.id = kPatCmdZoomIn,
     .caption = "拡大する",
     .menu = kView,
     .shortcut = "Ctrl++",
     .run = Call<&PatFrame::ZoomIn>},
    {.id = kPatCmdZoomOut,
     .caption = "縮小する",
     .menu = kView,
     .shortcut = "Ctrl+-",
     .run = Call<&PatFrame::ZoomOut>},
    {.id = kPatCmdSimulate,
     .caption = "シミュレーションを行う",
     .menu = kSimulate,
     .shortcut = "F9",
     .run = Call<&PatFrame::Simulate>},
    {.id = kPatCmdOpenExpected,
     .caption = "期待値ファイルを開く",
     .menu = kSimulate,
     .separator = true,
     .run = Call<&PatFrame::OpenExpected>},
    {.id = kPatCmdNextMismatch,
     .caption = "次の不一致を表示する",
     .menu = kSimulate,
     .shortcut = "F8",
     .run = Call<&PatFrame::NextMismatch>},
    {.id = kPatCmdSaveExpected,
     .caption = "出力を期待値ファイルとして保存する",
     .menu = kSimulate,
     .separator = true,
     .run = Call<&PatFrame::SaveExpected>},
    {.id = kPatCmdHelp,
     .caption = "波形エディターの説明",
     .menu = kHelp,
     .shortcut = "F1",
     .run = Call<&PatFrame::Help>},
    {.id = kPatCmdAbout, .caption = "バージョン情報", .menu = kHelp, .run = Call<&PatFrame::About>},
    {.id = kPatCmdShowValues,
     .caption = "回路図に信号値を表示する",
     .menu = kSimulate,
     .separator = true,
     .shortcut = "F10",
     .run = Call<&PatFrame::ToggleValues>},
    {.id = kPatCmdPreviousChange,
     .caption = "前の変化の時刻へ",
     .menu = kSimulate,
     .shortcut = "Left",
     .run = Call<&PatFrame::PreviousChange>,
     .activates = false},
    {.id = kPatCmdNextChange,
     .caption = "次の変化の時刻へ",
     .menu = kSimulate,
     .shortcut = "Right",
     .run = Call<&PatFrame::NextChange>,
     .activates = false},
    {.id = kPatCmdPreviousRowChange,
     .caption = "選んだ行の前の変化の時刻へ",
     .menu = kSimulate,
     .shortcut = "Ctrl+Left",
     .run = Call<&PatFrame::PreviousRowChange>,
     .activates = false},
    {.id = kPatCmdNextRowChange,
     .caption = "選んだ行の次の変化の時刻へ",
     .menu = kSimulate,
     .shortcut = "Ctrl+Right",
     .run = Call<&PatFrame::NextRowChange>,
     .activates = false},
    {.id = kPatCmdPlay,
     .caption = "再生／一時停止",
     .menu = kSimulate,
     .shortcut = "Space",
     .run = Call<&PatFrame::PlayOrPause>,
     .activates = false},
    {.id = kPatCmdPlaySpeed,
     .caption = "再生の速さを設定する",
     .menu = kSimulate,
     .run = Call<&PatFrame::ChoosePlaySpeed>},
    {.id = kPatCmdProbe,
     .caption = "回路図の線を波形に加える・部品の中を見る（プローブ）",
     .menu = kSimulate,
     .separator = true,
     .run = Call<&PatFrame::ToggleProbing>},
};

constexpr int kToolOrder[] = {
    kPatCmdCloseAndOpen, kPatCmdSaveAndClose, kToolSeparator, kPatCmdSingle,    kPatCmdMulti,
    kPatCmdMove,         kToolSeparator,      kPatCmdRowMove, kPatCmdRowDelete, kToolSeparator,
    kPatCmdRedraw,       kPatCmdZoomIn,       kPatCmdZoomOut, kToolSeparator,   kPatCmdHelp,
    kToolSeparator,      kPatCmdPrint,        kToolSeparator, kPatCmdSimulate};

const CommandTable<PatFrame> kTable{kMenus, kCommands, "tools131", kToolOrder};

// The gap the layout keeps under the schematic window's bottom edge.
constexpr int kBelowSchematic = 23;

}  // namespace

PatFrame::PatFrame(Application& app, DrawFrame& schematic, double& scale)
    : app_(app),
      schematic_(schematic),
      scale_(scale),
      host_(app.MakeWindowHost(*this)),
      pat_(std::make_unique<Pat>(*host_, app.errors())),
      commands_(*this, kTable) {
  setAttribute(Qt::WA_DeleteOnClose);
  app_.AddFrame(*this, FrameKind::kWaveform, schematic);
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  panes_ = new QSplitter(Qt::Vertical, this);
  panes_->setChildrenCollapsible(false);
  memory_pane_ = CreateMemoryPane();
  canvas_ = new PatChild(*this, *pat_, scale_, panes_);
  panes_->addWidget(memory_pane_);
  panes_->addWidget(canvas_);
  setCentralWidget(panes_);
  for (int id : kToolOrder)
    if (id != kToolSeparator) commands_.action(id)->setIcon(PatCommandIcon(id));
  // Ctrl+Y redoes too.
  commands_.action(kPatCmdRedo)
      ->setShortcuts(
          {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  value_overlay_ = std::make_unique<WireValueOverlay>();
  ConnectValues();
  SetMode(kPatModeSingle);
  Edited();
}

PatFrame::~PatFrame() {
  // The panes go while the pattern and this frame, which they use, are
  // still whole.
  delete panes_;
  CloseInsideViews();
  if (schematic_canvas_) {
    schematic_canvas_->SetValueOverlay(nullptr);
    schematic_canvas_->SetProbePick({});
    schematic_canvas_->Invalidate();
  }
  app_.ForgetFrame(this);
}

MemChild* PatFrame::CreateMemoryPane() {
  return new MemChild(*this, pat_->mem(), panes_);
}

bool PatFrame::LoadFor(const std::string& path) {
  const Draw& draw = schematic_.draw();
  pat_->Clear();
  pat_->mem().Clear();
  SetupInputs(*pat_, draw);
  SetupMemories(pat_->mem(), draw);
  std::error_code error;
  bool read = true;
  if (std::filesystem::exists(path, error)) {
    read = pat_->ReadInputPat(path);
    if (read) app_.set_work_folder(pat_->folder());
  } else {
    pat_->SetPath(path);
  }
  Reloaded();
  // The probes of the last session come back with the next run.
  RestoreProbes();
  return read;
}

QAction* PatFrame::action(int id) const {
  return commands_.action(id);
}

QString PatFrame::status_text() const {
  return status_->text();
}

void PatFrame::RunCommand(int id) {
  RunCommandRow(*this, kTable, app_, id);
}

void PatFrame::EnterMode(int mode) {
  canvas_->ModeEntered();
  SetMode(mode);
}

void PatFrame::SetMode(int mode) {
  mode_ = mode;
  ShowPrompt(QString::fromUtf8(PatModePrompt(mode)));
  commands_.PressModeButton(PatModeButton(mode));
}

void PatFrame::ShowPrompt(const QString& prompt) {
  status_->setText(prompt);
}

void PatFrame::Edited() {
  Recompare();
  commands_.action(kPatCmdUndo)->setEnabled(history_.CanUndo());
  commands_.action(kPatCmdRedo)->setEnabled(history_.CanRedo());
  UpdateTitle();
}

void PatFrame::UpdateTitle() {
  QString title = QString::fromUtf8(kFrameTitle) + QStringLiteral(" - [") +
                  QString::fromStdString(pat_->path()) + QStringLiteral("]");
  if (!history_.IsClean()) title += QStringLiteral("*");
  setWindowTitle(title);
}

void PatFrame::Reloaded() {
  history_.Clear();
  history_.MarkClean();
  canvas_->ForgetEdits();
  memory_pane_->Reset();
  Relayout();
  Edited();
}

void PatFrame::Relayout() {
  LayOut();
  RepaintPanes();
}

void PatFrame::RepaintPanes() {
  memory_pane_->Repaint();
  canvas_->PaintNow();
}

void PatFrame::LayOut() {
  const QRect over = schematic_.geometry();
  const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                   (findChild<QToolBar*>() ? findChild<QToolBar*>()->sizeHint().height() : 0);
  // The canvas's own scroll bar is part of its pane.
  const PatLayout layout = LayOutPatPanes(memory_pane_->RowCountForLayout(),
                                          canvas_->RowCountForLayout(), over.height() - bars);
  const int height = layout.memory_height + layout.canvas_height + bars;
  const int bottom = over.y() + over.height() + kBelowSchematic;
  setGeometry(over.x(), std::max(0, bottom - height), std::max(over.width() - 1, 200), height);
  panes_->setSizes({layout.memory_height, layout.canvas_height});
}

// ---- Commands ----

void PatFrame::Redraw() {
  // The memory pane drops the printing notice on its next repaint.
  RepaintPanes();
}

void PatFrame::ZoomIn() {
  canvas_->ZoomIn();
}

void PatFrame::ZoomOut() {
  canvas_->ZoomOut();
}

void PatFrame::Help() {
  app_.dialogs().ShowHelp(this, PatHelpContext(mode_));
}

void PatFrame::About() {
  app_.dialogs().ShowAbout(this);
}

void PatFrame::Undo() {
  if (!history_.Undo()) return;
  canvas_->ForgetEdits();
  Relayout();
  Edited();
}

void PatFrame::Redo() {
  if (!history_.Redo()) return;
  canvas_->ForgetEdits();
  Relayout();
  Edited();
}

// ---- Closing ----

void PatFrame::closeEvent(QCloseEvent* event) {
  // The viewer of this editor's runs goes first.
  if (register_viewer_ != nullptr) register_viewer_->close();
  if (!no_prompt_ && !NothingToSave(*pat_)) {
    const MessageAnswer answer = host_->Show(
        Message{kSaveQuestion, kSaveCaption, MessageIcon::kWarning, MessageButtons::kYesNo});
    // A pattern that could not be written keeps its window.
    if (answer == MessageAnswer::kYes && !Save()) {
      event->ignore();
      return;
    }
  }
  no_prompt_ = false;
  event->accept();
}

void PatFrame::SaveAndClose() {
  if (!NothingToSave(*pat_) && !Save()) return;
  no_prompt_ = true;
  close();
}

void PatFrame::CloseWithoutAsking() {
  no_prompt_ = true;
  close();
}

void PatFrame::Quit() {
  no_prompt_ = false;
  schematic_.ClearSkipQuestion();
  schematic_.close();
}

}  // namespace lumo
