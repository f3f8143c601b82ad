#include "ui/list_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

#include "common/file_path.h"
#include "symbol/name_text.h"
#include "ui/application.h"
#include "editing/chooser_modes.h"
#include "editing/command_ids.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/list_child.h"
#include "ui/toolbar_icons.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "素子シンボルを選択してください。";
constexpr const char* kOpeningStatus = "素子シンボルを選択して下さい。";
constexpr const char* kPaneTitles[2] = {"システムシンボル", "ユーザーシンボル"};
constexpr const char* kDeleteQuestion = "シンボルを削除してもいいですか？";
constexpr const char* kDeleteCaption = "シンボルの削除";

struct ChooserEntry {
  int id;
  int mode;
  int menu;
  const char* caption;
  const char* status;  // shown while the mode is on
  const char* prompt;  // shown while the entry is highlighted
};

const char* const kMenus[] = {"編集(&E)", "向き(&O)", "鏡像(&M)", "正論理・負論理(&L)"};

const ChooserEntry kEntries[] = {
    {kCmdDeleteSymbol, kDeleteSymbols, 0, "シンボルの削除",
     "【シンボルの削除】　削除するシンボルをマウスの左ボタンで指定してください。（取り消し＝右ボタ"
     "ン）",
     "シンボルを削除します。"},
    {kCmdChooseRight, kChooseRight, 1, "右", "右向きシンボルを表示しています。",
     "素子シンボルを右向きにします。"},
    {kCmdChooseUp, kChooseUp, 1, "上", "上向きシンボルを表示しています。",
     "素子シンボルを上向きにします。"},
    {kCmdChooseLeft, kChooseLeft, 1, "左", "左向きシンボルを表示しています。",
     "素子シンボルを左向きにします。"},
    {kCmdChooseDown, kChooseDown, 1, "下", "下向きシンボルを表示しています。",
     "素子シンボルを下向きにします。"},
    {kCmdMirrorLeftRight, kMirrorLeftRight, 2, "左右", "左右の鏡像を表示しています。",
     "素子シンボルの左右の鏡像を取ります。"},
    {kCmdMirrorTopBottom, kMirrorTopBottom, 2, "上下", "上下の鏡像を表示しています。",
     "素子シンボルの上下の鏡像を取ります。"},
    {kCmdPositiveLogic, kPositiveLogic, 3, "正論理", "正論理シンボルを表示しています。",
     "素子シンボルを正論理にします。"},
    {kCmdNegativeLogic, kNegativeLogic, 3, "負論理", "負論理シンボルを表示しています。",
     "素子シンボルを負論理にします。"},
};

// The tool bar: the directions, the mirrors, the logics, then delete.
constexpr int kToolOrder[] = {kCmdChooseRight,   kCmdChooseUp,        kCmdChooseLeft,
                              kCmdChooseDown,    kCmdMirrorLeftRight, kCmdMirrorTopBottom,
                              kCmdPositiveLogic, kCmdNegativeLogic,   kCmdDeleteSymbol};

const ChooserEntry* EntryOfMode(int mode) {
  for (const ChooserEntry& entry : kEntries)
    if (entry.mode == mode) return &entry;
  return nullptr;
}

const ChooserEntry* EntryOfCommand(int id) {
  for (const ChooserEntry& entry : kEntries)
    if (entry.id == id) return &entry;
  return nullptr;
}

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
    : app_(app), host_(app.MakeWindowHost(*this)), opener_(opener) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kFrameTitle));
  BuildCommands();
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

ListFrame::~ListFrame() = default;

void ListFrame::BuildCommands() {
  QMenu* menus[std::size(kMenus)];
  for (std::size_t i = 0; i < std::size(kMenus); ++i)
    menus[i] = menuBar()->addMenu(QString::fromUtf8(kMenus[i]));
  group_ = new QActionGroup(this);
  group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const ChooserEntry& entry : kEntries) {
    QAction* action = menus[entry.menu]->addAction(QString::fromUtf8(entry.caption));
    action->setData(entry.id);
    action->setObjectName(QStringLiteral("command%1").arg(entry.id));
    action->setStatusTip(QString::fromUtf8(entry.prompt));
    action->setToolTip(QString::fromUtf8(entry.prompt));
    action->setIcon(CommandIcon(entry.id));
    action->setCheckable(true);
    group_->addAction(action);
    const int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[entry.id] = action;
  }
  QToolBar* tools = addToolBar(QStringLiteral("chooser"));
  tools->setMovable(false);
  tools->setIconSize(QSize(20, 20));
  for (int id : kToolOrder)
    tools->addAction(actions_[id]);
}

QAction* ListFrame::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
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
  const ChooserEntry* entry = EntryOfMode(mode());
  if (entry == nullptr) return;
  status_->setText(QString::fromUtf8(entry->status));
  for (QAction* action : group_->actions())
    action->setChecked(action->data().toInt() == entry->id);
}

void ListFrame::RunCommand(int id) {
  const ChooserEntry* entry = EntryOfCommand(id);
  if (entry == nullptr) return;
  opener_.chooser_state().mode = entry->mode;
  if (entry->mode != kDeleteSymbols) {
    ApplyChooserMode(app_.system_symbols(), entry->mode);
    ApplyChooserMode(app_.user_symbols(), entry->mode);
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
