#include "ui/reg_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>

#include "common/atomic_file.h"
#include "editing/command_ids.h"
#include "ui/application.h"
#include "ui/print_page.h"
#include "ui/reg_child.h"

namespace lumo {

namespace {

constexpr const char* kDocumentName = "レジスター転送情報";
constexpr const char* kFrameTitle = "ルモＣＡＤ　レジスター転送情報";
constexpr const char* kSaveFailed = "レジスター転送情報をファイルに保存できませんでした。\n";
constexpr int kHelpTopic = 1501;

const char* const kMenus[] = {"ファイル(&F)", "ヘルプ(&H)"};
enum Menu { kFile, kHelp };

const CommandRow<RegFrame> kCommands[] = {
    {.id = kCmdRegPrint,
     .caption = "レジスター転送情報を印刷する",
     .menu = kFile,
     .prompt = "表示されているレジスター転送情報を印刷します。",
     .run = Call<&RegFrame::Print>},
    {.id = kCmdRegSaveAndClose,
     .caption = "レジスター転送情報を保存し，ウィンドウを閉じる",
     .menu = kFile,
     .separator = true,
     .prompt = "レジスター転送情報をファイルに保存し，ウィンドウを閉じます。",
     .run = Call<&RegFrame::SaveAndClose>},
    {.id = kCmdRegClose,
     .caption = "ウィンドウを閉じる",
     .menu = kFile,
     .prompt = "レジスター転送情報のウィンドウを閉じます。",
     .run = Call<&RegFrame::CloseViewer>},
    {.id = kCmdRegQuit,
     .caption = "ルモＣＡＤを終了する",
     .menu = kFile,
     .separator = true,
     .prompt = "ルモＣＡＤを終了します。",
     .run = Call<&RegFrame::Quit>,
     .activates = false},
    {.id = kCmdRegHelp,
     .caption = "レジスター転送情報の説明",
     .menu = kHelp,
     .prompt = "レジスター転送情報の説明を表示します。",
     .run = Call<&RegFrame::Help>},
    {.id = kCmdAbout,
     .caption = "バージョン情報",
     .menu = kHelp,
     .prompt = "プログラムの名前とバージョンを表示します。",
     .run = Call<&RegFrame::About>},
};

constexpr int kToolOrder[] = {kCmdRegSaveAndClose, kToolSeparator, kCmdRegHelp, kToolSeparator,
                              kCmdRegPrint};

const CommandTable<RegFrame> kTable{kMenus, kCommands, "register-transfer", kToolOrder};

QString DroppedText(std::size_t dropped) {
  return QString::fromUtf8("2000 行を超えたため，%1 行を表示も保存もしていません。")
      .arg(static_cast<qulonglong>(dropped));
}

}  // namespace

RegFrame::RegFrame(Application& app, QMainWindow& schematic_window, std::string log_path)
    : app_(app),
      host_(app.MakeWindowHost(*this)),
      schematic_(&schematic_window),
      log_path_(std::move(log_path)),
      commands_(*this, kTable) {
  app_.AddFrame(*this, FrameKind::kRegisterTransfer, schematic_window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kFrameTitle));
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  child_ = new RegChild(app_.display(), this);
  setCentralWidget(child_);
  const QRect rect = schematic_window.geometry();
  setGeometry(rect.left() + rect.width() / 2, rect.top(), rect.width() / 2, rect.height());
}

RegFrame::~RegFrame() {
  TellClosed();
  app_.ForgetFrame(this);
}

QAction* RegFrame::action(int id) const {
  return commands_.action(id);
}

QString RegFrame::status_text() const {
  return status_->text();
}

void RegFrame::AddLine(const std::string& line) {
  if (!child_->AddLine(line)) status_->setText(DroppedText(child_->lines().dropped()));
}

void RegFrame::RunCommand(int id) {
  RunCommandRow(*this, kTable, app_, id);
}

void RegFrame::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!app_.dialogs().SetUpPrinter(this, printer)) return;
  PrintOn(printer);
}

bool RegFrame::PrintOn(QPrinter& printer) {
  // The page shows twice the window's extent, from the current top line.
  const QSize window = child_->viewport()->size() * 2;
  return PrintOnePage(*this, *host_, printer, kDocumentName, window, [&](QPainter& dc) {
    DisplayLib& lib = app_.display();
    lib.SetPrintMode(1);
    child_->PaintLines(dc, window);
    lib.SetPrintMode(0);
  });
}

void RegFrame::SaveAndClose() {
  const RegLines& lines = child_->lines();
  const bool saved = WriteFileAtomically(
      log_path_,
      [&lines](std::ostream& out) {
        lines.Write(out);
        return static_cast<bool>(out);
      },
      LinkHandling::kReplaceEntry);
  if (!saved) {
    host_->Warn(kSaveFailed + log_path_);
    return;
  }
  close();
}

// The schematic window is closed from the event loop, after this command
// has returned: closing it takes this window with it.
void RegFrame::Quit() {
  if (!schematic_) return;
  QTimer::singleShot(0, schematic_.data(), [window = schematic_] {
    if (window) window->close();
  });
}

void RegFrame::CloseViewer() {
  close();
}

void RegFrame::Help() {
  app_.dialogs().ShowHelp(this, kHelpTopic);
}

void RegFrame::About() {
  app_.dialogs().ShowAbout(this);
}

void RegFrame::closeEvent(QCloseEvent* event) {
  event->accept();
  TellClosed();
}

void RegFrame::TellClosed() {
  if (told_closed_) return;
  told_closed_ = true;
  Q_EMIT Closed();
}

RegFrame* OpenRegFrame(Application& app, QMainWindow& schematic_window, std::string log_path) {
  auto* frame = new RegFrame(app, schematic_window, std::move(log_path));
  frame->show();
  return frame;
}

}  // namespace lumo
