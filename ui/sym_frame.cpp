// SymFrame: the symbol editor's window, its commands, saving and closing.

#include "ui/sym_frame.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>

#include "common/file_path.h"
#include "editing/command_ids.h"
#include "symbol/name_text.h"
#include "symbol/symbol_file.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/list_child.h"
#include "ui/list_frame.h"
#include "ui/sym_child.h"
#include "ui/sym_icons.h"

namespace lumo {

namespace {

constexpr const char* kFrameTitle = "ルモＣＡＤ　シンボルの編集";
constexpr const char* kSaveQuestion = "シンボルをファイルに保存しますか？";
constexpr const char* kSaveCaption = "シンボルの保存";
constexpr const char* kNotWritten = "シンボルファイルを作成できません。\n";

const char* const kMenus[] = {"ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"};
enum Menu { kFile, kEdit, kView, kHelp };

template <int kind>
void Terminal(SymFrame& frame) {
  frame.ChooseTerminal(kind);
}

// The tool commands are mode buttons; they leave the activated flag alone
// so that the next click on the canvas draws.
const CommandRow<SymFrame> kCommands[] = {
    {.id = kCmdSymSave,
     .caption = "シンボルを保存する",
     .menu = kFile,
     .shortcut = "Ctrl+S",
     .run = Call<&SymFrame::Save>,
     .activates = false},
    {.id = kCmdSymSaveAndClose,
     .caption = "シンボルを保存し，ウィンドウを閉じる",
     .menu = kFile,
     .run = Call<&SymFrame::SaveAndClose>},
    {.id = kCmdSymQuit,
     .caption = "ルモＣＡＤを終了する",
     .menu = kFile,
     .separator = true,
     .run = Call<&SymFrame::Quit>},
    {.id = kCmdSymUndo,
     .caption = "元に戻す",
     .menu = kEdit,
     .shortcut = "Ctrl+Z",
     .run = Call<&SymFrame::Undo>,
     .activates = false},
    {.id = kCmdSymRedo,
     .caption = "やり直す",
     .menu = kEdit,
     .shortcut = "Ctrl+Shift+Z",
     .run = Call<&SymFrame::Redo>,
     .activates = false},
    {.id = kCmdSymLine,
     .caption = "線分を描く",
     .menu = kEdit,
     .separator = true,
     .prompt = "線分を描きます。",
     .mode = kSymLineIdle,
     .activates = false},
    {.id = kCmdSymBox,
     .caption = "四辺形を描く",
     .menu = kEdit,
     .prompt = "四辺形を描きます。",
     .mode = kSymBoxIdle,
     .activates = false},
    {.id = kCmdSymArc,
     .caption = "円弧を描く",
     .menu = kEdit,
     .prompt = "円弧を描きます。",
     .mode = kSymArcIdle,
     .activates = false},
    {.id = kCmdSymTerminalFirst,
     .caption = "右向きの正端子",
     .menu = kEdit,
     .separator = true,
     .prompt = "右向きの正端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<0>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 1,
     .caption = "上向きの正端子",
     .menu = kEdit,
     .prompt = "上向きの正端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<1>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 2,
     .caption = "左向きの正端子",
     .menu = kEdit,
     .prompt = "左向きの正端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<2>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 3,
     .caption = "下向きの正端子",
     .menu = kEdit,
     .prompt = "下向きの正端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<3>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 4,
     .caption = "右向きの負端子",
     .menu = kEdit,
     .prompt = "右向きの負端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<4>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 5,
     .caption = "上向きの負端子",
     .menu = kEdit,
     .prompt = "上向きの負端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<5>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 6,
     .caption = "左向きの負端子",
     .menu = kEdit,
     .prompt = "左向きの負端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<6>,
     .activates = false},
    {.id = kCmdSymTerminalFirst + 7,
     .caption = "下向きの負端子",
     .menu = kEdit,
     .prompt = "下向きの負端子を置きます。",
     .mode = kSymTerminalIdle,
     .run = Terminal<7>,
     .activates = false},
    {.id = kCmdSymFunctionName,
     .caption = "機能名",
     .menu = kEdit,
     .separator = true,
     .prompt = "機能名を置きます。",
     .mode = kSymFunctionNameIdle,
     .activates = false},
    {.id = kCmdSymElementName,
     .caption = "素子名",
     .menu = kEdit,
     .prompt = "素子名を置きます。",
     .mode = kSymElementNameIdle,
     .activates = false},
    {.id = kCmdSymDelete,
     .caption = "削除",
     .menu = kEdit,
     .prompt = "線分，円弧，端子，機能名，素子名を削除します。",
     .mode = kSymDeleteIdle,
     .activates = false},
    {.id = kCmdSymGenerate,
     .caption = "基本シンボルを作る",
     .menu = kEdit,
     .separator = true,
     .prompt = "空のシンボルに，箱と回路図の入出力端子を描きます。",
     .run = Call<&SymFrame::Generate>,
     .activates = false},
    {.id = kCmdSymRedraw,
     .caption = "再描画する",
     .menu = kView,
     .shortcut = "F5",
     .run = Call<&SymFrame::Redraw>},
    {.id = kCmdSymHelp,
     .caption = "シンボルエディターの説明",
     .menu = kHelp,
     .shortcut = "F1",
     .run = Call<&SymFrame::Help>},
    {.id = kCmdSymAbout, .caption = "バージョン情報", .menu = kHelp, .run = Call<&SymFrame::About>},
};

constexpr int kToolOrder[] = {kCmdSymSave,
                              kToolSeparator,
                              kCmdSymUndo,
                              kCmdSymRedo,
                              kToolSeparator,
                              kCmdSymLine,
                              kCmdSymBox,
                              kCmdSymArc,
                              kToolSeparator,
                              kCmdSymTerminalFirst,
                              kCmdSymTerminalFirst + 1,
                              kCmdSymTerminalFirst + 2,
                              kCmdSymTerminalFirst + 3,
                              kCmdSymTerminalFirst + 4,
                              kCmdSymTerminalFirst + 5,
                              kCmdSymTerminalFirst + 6,
                              kCmdSymTerminalFirst + 7,
                              kToolSeparator,
                              kCmdSymFunctionName,
                              kCmdSymElementName,
                              kCmdSymDelete,
                              kToolSeparator,
                              kCmdSymGenerate,
                              kCmdSymRedraw,
                              kCmdSymHelp};

const CommandTable<SymFrame> kTable{kMenus, kCommands, "symbol tools", kToolOrder};

std::vector<ExternalTerminal> ExternalTerminalsOf(const Draw& draw) {
  std::vector<ExternalTerminal> terminals;
  for (const DrawElement& element : draw.elements()) {
    const std::string& function = element.symbol_name();
    if (function == "_in" || function == "_out" || function == "_io")
      terminals.push_back({element.name(), function});
  }
  return terminals;
}

}  // namespace

Symbol& UserSymbolFor(SymbolList& user_symbols, const std::string& name) {
  if (Symbol* found = user_symbols.Find(name)) return *found;
  auto symbol = std::make_unique<Symbol>(name);
  symbol->positive = std::make_unique<SymbolGraphics>();
  return *user_symbols.Add(std::move(symbol));
}

SymFrame::SymFrame(Application& app, DrawFrame& opener, Symbol& symbol)
    : app_(app),
      opener_(opener),
      host_(app.MakeWindowHost(*this)),
      symbol_(&symbol),
      symbol_name_(symbol.name),
      function_name_(opener.draw().circuit_name()),
      external_(ExternalTerminalsOf(opener.draw())),
      editor_(std::make_unique<SymbolEditor>(symbol, history_, function_name_)),
      commands_(*this, kTable) {
  app_.AddFrame(*this, FrameKind::kSymbol, opener_);
  setAttribute(Qt::WA_DeleteOnClose);
  for (const CommandRow<SymFrame>& row : kCommands)
    if (QAction* found = action(row.id)) SetSymbolEditorIcon(*found, row.id);
  // Ctrl+Y redoes too, as in most editors.
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+Y")), this), &QShortcut::activated, this,
          [this] { RunCommand(kCmdSymRedo); });
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  canvas_ = new SymChild(app_, *this, this);
  canvas_->setWindowTitle(QString::fromUtf8(opener_.draw().path().c_str()));
  setCentralWidget(canvas_);
  history_.MarkClean();
  UpdateTitle();
}

SymFrame::~SymFrame() {
  app_.ForgetFrame(this);
}

QString SymFrame::status_text() const {
  return status_->text();
}

bool SymFrame::MatchesExternalTerminal(const std::string& name) const {
  for (const ExternalTerminal& terminal : external_)
    if (SameName(terminal.name, name)) return true;
  return false;
}

std::optional<std::string> SymFrame::AskTerminalName(QPoint at) {
  return app_.dialogs().AskTerminalName(this, at);
}

bool SymFrame::active() const {
  return active_ && app_.active_frame() == nullptr;
}

void SymFrame::Activate() {
  active_ = true;
  app_.set_active_frame(nullptr);
  app_.SetActivated();
  canvas_->Invalidate();
}

void SymFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  // Losing the focus to no window of the program leaves it active, as a
  // schematic window stays; another window's activation takes it over.
  if (isActiveWindow()) Activate();
}

void SymFrame::RunCommand(int id) {
  RunCommandRow(*this, kTable, app_, id);
  // A command that set the activated flag leaves the canvas deaf until it
  // paints again.
  if (!closed_) canvas_->Invalidate();
}

void SymFrame::EnterMode(int mode) {
  editor_->ChooseTool(mode);
  canvas_->PaintNow();
}

void SymFrame::ChooseTerminal(int kind) {
  editor_->ChooseTool(kSymTerminalIdle, kind);
  canvas_->PaintNow();
}

void SymFrame::ShowModeStatus() {
  const int mode = editor_->mode();
  status_->setText(QString::fromUtf8(SymModePrompt(mode)));
  commands_.PressModeButton(SymModeCommand(mode, editor_->terminal_kind()));
  action(kCmdSymUndo)->setEnabled(history_.CanUndo());
  action(kCmdSymRedo)->setEnabled(history_.CanRedo());
}

void SymFrame::Edited() {
  UpdateTitle();
}

void SymFrame::UpdateTitle() {
  QString title = QString::fromUtf8(kFrameTitle);
  title += QStringLiteral(" - [") + DisplayText(symbol_name_) + QStringLiteral("]");
  if (!history_.IsClean()) title += QStringLiteral("*");
  setWindowTitle(title);
}

// ---- Undo, generation ----

void SymFrame::AfterHistoryMove() {
  editor_->HistoryMoved();
  UpdateTitle();
  canvas_->PaintNow();
}

void SymFrame::Undo() {
  if (history_.Undo()) AfterHistoryMove();
}

void SymFrame::Redo() {
  if (history_.Redo()) AfterHistoryMove();
}

void SymFrame::Generate() {
  SymbolEdits edits(*symbol_, history_);
  if (!AddDefaultSymbol(edits, function_name_, external_)) {
    host_->Warn("シンボルが空ではありません。\n基本シンボルは空のシンボルにだけ描けます。");
    return;
  }
  AfterHistoryMove();
}

void SymFrame::Redraw() {
  canvas_->PaintNow();
}

void SymFrame::Help() {
  app_.dialogs().ShowHelp(this, SymModeHelpContext(editor_->mode()));
}

void SymFrame::About() {
  app_.dialogs().ShowAbout(this);
}

// ---- Saving and closing ----

void SymFrame::ShowSymbolEverywhere() {
  for (DrawFrame* frame : app_.frames()) {
    frame->draw().RebindSymbols();
    frame->canvas().SymbolsChanged();
    if (ListFrame* chooser = frame->chooser()) {
      chooser->pane(ListChild::kUserPane).viewport()->update();
      chooser->pane(ListChild::kSystemPane).viewport()->update();
    }
  }
}

bool SymFrame::Save() {
  if (SymbolIsBlank(*symbol_)) return true;
  // A file of the same name in other letter case is replaced, so that the
  // folder never holds the symbol twice.
  std::string path = UserSymbolFile(app_.work_folder(), symbol_->name);
  if (path.empty()) path = JoinPath(app_.work_folder(), symbol_->name + ".lsy");
  if (!WriteSymbolFile(path, *symbol_)) {
    host_->Warn(kNotWritten + path);
    return false;
  }
  history_.MarkClean();
  UpdateTitle();
  ShowSymbolEverywhere();
  canvas_->PaintNow();
  return true;
}

void SymFrame::SaveAndClose() {
  if (SymbolIsBlank(*symbol_)) {
    // Nothing drawn: the symbol leaves the user symbols; its file, if any,
    // stays.
    Symbol* gone = symbol_;
    closing_ = true;
    close();
    app_.user_symbols().Delete(gone);
    ShowSymbolEverywhere();
    return;
  }
  if (!Save()) return;  // the drawing stays open
  close();
}

void SymFrame::Quit() {
  if (!close()) return;
  for (DrawFrame* frame : app_.frames())
    if (!frame->close()) return;
}

void SymFrame::UserSymbolsReread() {
  if (closed_) return;  // its symbol may be gone; it is about to be deleted
  // The records the history and the editor pointed to were destroyed with
  // the old symbols.
  editor_.reset();
  history_.Clear();
  symbol_ = &UserSymbolFor(app_.user_symbols(), symbol_name_);
  editor_ = std::make_unique<SymbolEditor>(*symbol_, history_, function_name_);
  history_.MarkClean();
  UpdateTitle();
  canvas_->Invalidate();
}

void SymFrame::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  if (!closing_ && !history_.IsClean()) {
    const MessageAnswer answer = host_->Show(
        Message{kSaveQuestion, kSaveCaption, MessageIcon::kWarning, MessageButtons::kYesNo});
    if (answer == MessageAnswer::kYes && !Save()) {
      event->ignore();
      return;
    }
  }
  canvas_->Leave();
  closed_ = true;
  event->accept();
  QMainWindow::closeEvent(event);
  // The schematic window takes the mouse again.
  app_.set_active_frame(&opener_);
  app_.SetActivated();
}

}  // namespace lumo
