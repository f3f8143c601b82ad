// DrawFrame: the window, its commands, activation, placement and closing.

#include "ui/draw_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "ui/application.h"
#include "editing/command_ids.h"
#include "ui/draw_child.h"
#include "editing/edit_modes.h"
#include "ui/list_frame.h"
#include "ui/toolbar_icons.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "ルモＣＡＤ　回路図の編集";
constexpr const char* kSaveQuestion = "回路図をファイルに保存しますか？";
constexpr const char* kSaveCaption = "回路図の保存";

struct CommandEntry {
  int id;
  const char* caption;
  int menu;  // index into kMenus
  bool separator_before;
  bool tool;   // has a tool button
  bool mode;   // selects an edit mode
  bool later;  // its window comes later: shown, disabled
};

const char* const kMenus[] = {"ファイル(&F)", "ウィンドウ(&W)", "編集(&E)",
                              "表示(&V)",     "検査(&C)",       "ヘルプ(&H)"};

const CommandEntry kCommands[] = {
    {kCmdOpen, "回路図を開く", 0, false, true, false, false},
    {kCmdCloseAndOpen, "回路図を閉じて開く", 0, false, false, false, false},
    {kCmdSave, "回路図を上書き保存する", 0, false, true, false, false},
    {kCmdSaveAs, "回路図に名前を付けて，保存する", 0, false, false, false, false},
    {kCmdDeleteFile, "回路図ファイルを削除する", 0, true, false, false, false},
    {kCmdPrint, "回路図を印刷する", 0, true, true, false, false},
    {kCmdSaveAndClose, "回路図を保存し，ウィンドウを閉じる", 0, true, false, false, false},
    {kCmdCloseWithoutAsking, "ウィンドウを閉じる", 0, false, false, false, false},
    {kCmdNewWindow, "回路図編集ウィンドウを開く", 1, false, false, false, false},
    {kCmdWaveformEditor, "波形編集ウィンドウを開く", 1, false, false, false, true},
    {kCmdSymbolEditor, "シンボル編集ウィンドウを開く", 1, false, false, false, true},
    {kCmdPlace, "素子を配置する", 2, false, true, true, false},
    {kCmdDrawLine, "信号線を描く", 2, false, true, true, false},
    {kCmdName, "素子，信号線に名前を付ける", 2, false, true, true, false},
    {kCmdDelete, "素子，信号線を削除する", 2, false, true, true, false},
    {kCmdMove, "素子，信号線を移動する", 2, false, true, true, false},
    {kCmdFlip, "正論理または負論理に変える", 2, false, true, true, false},
    {kCmdRedraw, "再描画する", 3, false, true, false, false},
    {kCmdZoomIn, "拡大する", 3, false, true, false, false},
    {kCmdZoomOut, "縮小する", 3, false, true, false, false},
    {kCmdConnectionCheck, "信号の接続検査", 4, false, true, true, false},
    {kCmdCircuitChecks, "回路の各種検査", 4, false, true, false, false},
    {kCmdHelp, "回路図エディターの説明", 5, false, true, false, false},
    {kCmdAbout, "バージョン情報", 5, false, false, false, false},
};

// The tool bar's order, 0 for a separator.
constexpr int kToolOrder[] = {
    kCmdOpen,   kCmdSave,   kCmdPrint,   0,        kCmdPlace,           kCmdDrawLine,
    kCmdName,   kCmdDelete, kCmdMove,    kCmdFlip, kCmdConnectionCheck, 0,
    kCmdRedraw, kCmdZoomIn, kCmdZoomOut, 0,        kCmdCircuitChecks,   kCmdHelp};

}  // namespace

DrawFrame::DrawFrame(Application& app)
    : app_(app), host_(app.MakeWindowHost(*this)), draw_(app.draw_environment(*host_)) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildCommands();
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  canvas_ = new DrawChild(app_, *this, draw_, this);
  setCentralWidget(canvas_);
  UpdateTitles();
}

DrawFrame::~DrawFrame() {
  if (chooser_) delete chooser_.data();
  app_.ForgetFrame(this);
}

void DrawFrame::BuildCommands() {
  QMenu* menus[std::size(kMenus)];
  for (std::size_t i = 0; i < std::size(kMenus); ++i)
    menus[i] = menuBar()->addMenu(QString::fromUtf8(kMenus[i]));
  modes_ = new QActionGroup(this);
  modes_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const CommandEntry& entry : kCommands) {
    if (entry.separator_before) menus[entry.menu]->addSeparator();
    QAction* action = menus[entry.menu]->addAction(QString::fromUtf8(entry.caption));
    action->setData(entry.id);
    action->setObjectName(QStringLiteral("command%1").arg(entry.id));
    action->setToolTip(action->text());
    action->setStatusTip(action->text());
    if (entry.tool) action->setIcon(CommandIcon(entry.id));
    if (entry.mode) {
      action->setCheckable(true);
      modes_->addAction(action);
    }
    action->setEnabled(!entry.later);
    const int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[entry.id] = action;
  }
  QToolBar* tools = addToolBar(QStringLiteral("tools"));
  tools->setMovable(false);
  tools->setIconSize(QSize(20, 20));
  for (int id : kToolOrder) {
    if (id == 0)
      tools->addSeparator();
    else
      tools->addAction(actions_[id]);
  }
}

QAction* DrawFrame::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

QString DrawFrame::status_text() const {
  return status_->text();
}

void DrawFrame::ShowPrompt(const QString& text) {
  status_->setText(text);
}

void DrawFrame::PressModeButton(int command) {
  for (QAction* action : modes_->actions())
    action->setChecked(action->data().toInt() == command);
}

void DrawFrame::UpdateTitles() {
  const std::string& path = draw_.path();
  const bool named = !path.empty() && path != "?";
  const QString shown = QString::fromUtf8(path.c_str());
  setWindowTitle(QString::fromUtf8(kFrameTitle) +
                 (named ? QStringLiteral(" - [") + shown + QStringLiteral("]") : QString()));
  canvas_->setWindowTitle(shown);
}

void DrawFrame::RunCommand(int id) {
  // Every command but Save and the edit modes keeps the canvases from
  // taking the click that may follow it until they have painted.
  const bool mode = id == kCmdDrawLine || id == kCmdName || id == kCmdDelete || id == kCmdMove ||
                    id == kCmdFlip || id == kCmdConnectionCheck;
  if (id != kCmdSave && !mode) app_.SetActivated();
  switch (id) {
    case kCmdOpen:
      Open();
      break;
    case kCmdCloseAndOpen:
      CloseAndOpen();
      break;
    case kCmdSave:
      Save();
      break;
    case kCmdSaveAs:
      SaveAs();
      break;
    case kCmdDeleteFile:
      DeleteFile();
      break;
    case kCmdPrint:
      Print();
      break;
    case kCmdNewWindow:
      NewWindow();
      break;
    case kCmdSaveAndClose:
      SaveAndClose();
      break;
    case kCmdCloseWithoutAsking:
      CloseWithoutAsking();
      break;
    case kCmdPlace:
      OpenChooser();
      break;
    case kCmdRedraw:
      Redraw();
      break;
    case kCmdZoomIn:
      canvas_->ZoomIn();
      break;
    case kCmdZoomOut:
      canvas_->ZoomOut();
      break;
    case kCmdCircuitChecks:
      CircuitChecks();
      break;
    case kCmdHelp:
      Help();
      break;
    case kCmdAbout:
      app_.dialogs().ShowAbout(this);
      break;
    default:
      if (mode) SetMode(id);
      break;
  }
}

void DrawFrame::SetMode(int command) {
  switch (command) {
    case kCmdDrawLine:
      canvas_->SetEditMode(kModeLineStart);
      break;
    case kCmdName:
      canvas_->SetEditMode(kModeName);
      break;
    case kCmdDelete:
      canvas_->SetEditMode(kModeDeletePick);
      break;
    case kCmdMove:
      canvas_->SetEditMode(kModeMovePick);
      break;
    case kCmdFlip:
      canvas_->SetEditMode(kModeFlip);
      break;
    case kCmdConnectionCheck:
      canvas_->SetEditMode(kModeConnection);
      break;
    default:
      break;
  }
}

void DrawFrame::Redraw() {
  canvas_->Invalidate();
  canvas_->PaintNow();
}

void DrawFrame::Help() {
  app_.dialogs().ShowHelp(this, ModeHelpContext(canvas_->edit_mode()));
}

void DrawFrame::OpenChooser() {
  if (chooser_) delete chooser_.data();
  chooser_ = new ListFrame(app_, *canvas_);
  chooser_->move(pos());
  chooser_->resize(size());
  chooser_->show();
  chooser_->LayOutPanes();
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
  if (chooser_) chooser_->close();
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
  skip_question_ = true;
  close();
}

}  // namespace lumo
