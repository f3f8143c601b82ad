#include "ui/list_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>
#include <filesystem>

#include "common/file_path.h"
#include "editing/chooser_modes.h"
#include "editing/command_ids.h"
#include "symbol/name_text.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/frame_commands.h"
#include "ui/list_child.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "素子シンボルを選択してください。";
constexpr const char* kOpeningStatus = "素子シンボルを選択して下さい。";
constexpr const char* kPaneTitles[2] = {"システムシンボル", "ユーザーシンボル"};
constexpr const char* kDeleteQuestion = "シンボルを削除してもいいですか？";
constexpr const char* kDeleteCaption = "シンボルの削除";

const char* const kMenus[] = {"編集(&E)", "向き(&O)", "鏡像(&M)", "正論理・負論理(&L)"};
enum Menu { kEdit, kOrientation, kMirror, kLogic };

// Every command selects a chooser mode; none activates, as the chooser's
// own panes take the clicks.
const CommandRow<ListFrame> kCommands[] = {
    {.id = kCmdDeleteSymbol,
     .caption = "シンボルの削除",
     .menu = kEdit,
     .prompt = "シンボルを削除します。",
     .mode = kDeleteSymbols,
     .mode_status = "【シンボルの削除】　削除するシンボルをマウスの左ボタンで指定してください。（"
                    "取り消し＝右ボタン）",
     .activates = false},
    {.id = kCmdChooseRight,
     .caption = "右",
     .menu = kOrientation,
     .prompt = "素子シンボルを右向きにします。",
     .mode = kChooseRight,
     .mode_status = "右向きシンボルを表示しています。",
     .activates = false},
    {.id = kCmdChooseUp,
     .caption = "上",
     .menu = kOrientation,
     .prompt = "素子シンボルを上向きにします。",
     .mode = kChooseUp,
     .mode_status = "上向きシンボルを表示しています。",
     .activates = false},
    {.id = kCmdChooseLeft,
     .caption = "左",
     .menu = kOrientation,
     .prompt = "素子シンボルを左向きにします。",
     .mode = kChooseLeft,
     .mode_status = "左向きシンボルを表示しています。",
     .activates = false},
    {.id = kCmdChooseDown,
     .caption = "下",
     .menu = kOrientation,
     .prompt = "素子シンボルを下向きにします。",
     .mode = kChooseDown,
     .mode_status = "下向きシンボルを表示しています。",
     .activates = false},
    {.id = kCmdMirrorLeftRight,
     .caption = "左右",
     .menu = kMirror,
     .prompt = "素子シンボルの左右の鏡像を取ります。",
     .mode = kMirrorLeftRight,
     .mode_status = "左右の鏡像を表示しています。",
     .activates = false},
    {.id = kCmdMirrorTopBottom,
     .caption = "上下",
     .menu = kMirror,
     .prompt = "素子シンボルの上下の鏡像を取ります。",
     .mode = kMirrorTopBottom,
     .mode_status = "上下の鏡像を表示しています。",
     .activates = false},
    {.id = kCmdPositiveLogic,
     .caption = "正論理",
     .menu = kLogic,
     .prompt = "素子シンボルを正論理にします。",
     .mode = kPositiveLogic,
     .mode_status = "正論理シンボルを表示しています。",
     .activates = false},
    {.id = kCmdNegativeLogic,
     .caption = "負論理",
     .menu = kLogic,
     .prompt = "素子シンボルを負論理にします。",
     .mode = kNegativeLogic,
     .mode_status = "負論理シンボルを表示しています。",
     .activates = false},
};

// The tool bar: the directions, the mirrors, the logics, then delete.
constexpr int kToolOrder[] = {kCmdChooseRight,   kCmdChooseUp,        kCmdChooseLeft,
                              kCmdChooseDown,    kCmdMirrorLeftRight, kCmdMirrorTopBottom,
                              kCmdPositiveLogic, kCmdNegativeLogic,   kCmdDeleteSymbol};

const CommandTable<ListFrame> kTable{kMenus, kCommands, "chooser", kToolOrder};

}  // namespace

std::string UserSymbolFile(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code error;
  const std::string exact = JoinPath(folder, name + ".lsy");
  if (fs::is_regular_file(exact, error)) return exact;
  const std::string wanted = LowerCaseName(name + ".lsy");
  for (fs::directory_iterator entry(folder.empty() ? "." : folder, error), end;
       !error && entry != end; entry.increment(error)) {
    if (LowerCaseName(entry->path().filename().string()) == wanted) return entry->path().string();
  }
  return {};
}

ListFrame::ListFrame(Application& app, DrawChild& opener)
    : app_(app), host_(app.MakeWindowHost(*this)), opener_(opener), commands_(*this, kTable) {
  app_.AddFrame(*this, FrameKind::kChooser, opener_.frame());
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kFrameTitle));
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  status_->setText(QString::fromUtf8(kOpeningStatus));
  auto* client = new QWidget(this);
  setCentralWidget(client);
  for (int i : {0, 1}) {
    holders_[i] = new QWidget(client);
    auto* layout = new QVBoxLayout(holders_[i]);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* title = new QLabel(QString::fromUtf8(kPaneTitles[i]), holders_[i]);
    title->setStyleSheet(QStringLiteral("background: #1c3f94; color: white; padding: 2px;"));
    layout->addWidget(title);
    panes_[i] = new ListChild(app_, *this, i == 0 ? ListChild::kSystemPane : ListChild::kUserPane,
                              holders_[i]);
    panes_[i]->setWindowTitle(title->text());
    layout->addWidget(panes_[i], 1);
  }
}

ListFrame::~ListFrame() {
  app_.ForgetFrame(this);
}

QAction* ListFrame::action(int id) const {
  return commands_.action(id);
}

QString ListFrame::status_text() const {
  return status_->text();
}

int ListFrame::mode() const {
  return opener_.chooser_state().mode;
}

void ListFrame::LayOutPanes() {
  const QSize client = centralWidget()->size();
  const int width = std::max((client.width() - 36) / 2, 1);
  const int height = std::max(client.height() - 22, 1);
  holders_[0]->setGeometry(0, 0, width, height);
  holders_[1]->setGeometry(width, 0, width, height);
}

void ListFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayOutPanes();
}

void ListFrame::ShowModeStatus() {
  const CommandRow<ListFrame>* row = kTable.FindMode(mode());
  if (row == nullptr) return;
  status_->setText(QString::fromUtf8(row->mode_status));
  commands_.PressModeButton(row->id);
}

void ListFrame::RunCommand(int id) {
  RunCommandRow(*this, kTable, app_, id);
}

void ListFrame::EnterMode(int mode) {
  ChooserState& state = opener_.chooser_state();
  if (mode == kDeleteSymbols && state.mode != kDeleteSymbols) state.mode_before_delete = state.mode;
  state.mode = mode;
  if (mode != kDeleteSymbols) {
    ApplyChooserMode(app_.system_symbols(), mode);
    ApplyChooserMode(app_.user_symbols(), mode);
    panes_[0]->viewport()->update();
    panes_[1]->viewport()->update();
    opener_.Invalidate();
  }
  ShowModeStatus();
}

void ListFrame::ClickedPane(ListChild& pane, QPoint at) {
  const Symbol* symbol = pane.SymbolAt(at);
  if (mode() == kDeleteSymbols) {
    if (pane.pane() == ListChild::kUserPane && symbol != nullptr) DeleteUserSymbol(*symbol);
    return;
  }
  if (symbol != nullptr) Choose(*symbol);
}

// The symbols already show the earlier mode, so it is restored without
// turning them again (a mirror applied twice would undo itself).
void ListFrame::RightClickedPane() {
  ChooserState& state = opener_.chooser_state();
  if (state.mode != kDeleteSymbols) return;
  state.mode = state.mode_before_delete;
  ShowModeStatus();
}

void ListFrame::Choose(const Symbol& symbol) {
  opener_.set_symbol_to_place(&symbol);
  close();
}

void ListFrame::DeleteUserSymbol(const Symbol& symbol) {
  const MessageAnswer answer = host_->Show(
      Message{kDeleteQuestion, kDeleteCaption, MessageIcon::kWarning, MessageButtons::kYesNo});
  if (answer == MessageAnswer::kYes) {
    // The symbols are read again from the folder they came from, which is
    // where the deleted file was.
    const std::string folder = app_.user_symbols().folder();
    const std::string file = UserSymbolFile(folder, symbol.name);
    std::error_code error;
    if (!file.empty()) std::filesystem::remove(file, error);
    app_.user_symbols().ReadFolder(folder, app_.symbol_messages(*host_));
    app_.UserSymbolsChanged();
  }
  panes_[ListChild::kUserPane]->PaintNow();
}

void ListFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // While the chooser is active no canvas takes the mouse.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) app_.set_active_frame(nullptr);
}

void ListFrame::GiveBackActivation() {
  DrawFrame& frame = opener_.frame();
  app_.set_active_frame(&frame);
  app_.SetActivated();
  frame.activateWindow();
}

void ListFrame::closeEvent(QCloseEvent* event) {
  GiveBackActivation();
  event->accept();
}

}  // namespace lumo
