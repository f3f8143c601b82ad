// DrawFrame: opening and closing the symbol editor of the schematic.

#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/sym_child.h"
#include "ui/sym_frame.h"

namespace lumo {

namespace {

constexpr const char* kEmptyForSymbol =
    "シンボルエディターを開く前に，\nメニューの [ファイル]-[回路図を開く] で\n"
    "回路図を開いてください。";
constexpr const char* kUnnamedForSymbol =
    "回路図に名前が付けられていません。\nシンボルエディターを開く前に，\n"
    "メニューの [ファイル]-[回路図に名前を付けて，保存する] で\n回路図に名前を付けてください。";

}  // namespace

SymFrame* DrawFrame::symbol_editor() const {
  for (QMainWindow* window : app_.registry().OwnedBy(*this)) {
    if (!app_.registry().Holds(*window, FrameKind::kSymbol)) continue;
    auto* editor = static_cast<SymFrame*>(window);
    if (!editor->closed()) return editor;
  }
  return nullptr;
}

void DrawFrame::OpenSymbolEditor() {
  const char* refusal = nullptr;
  if (draw_.IsEmpty())
    refusal = kEmptyForSymbol;
  else if (draw_.circuit_name() == "?" || draw_.circuit_name().empty())
    refusal = kUnnamedForSymbol;
  if (refusal != nullptr) {
    host_->Warn(refusal);
    canvas_->PaintNow();
    return;
  }
  if (SymFrame* open = symbol_editor()) {
    open->raise();
    open->activateWindow();
    return;
  }
  Symbol& symbol = UserSymbolFor(app_.user_symbols(), draw_.circuit_name());
  // Another window's editor of the same symbol is brought forward instead:
  // two histories relinking the records of one symbol would corrupt its
  // lists.
  for (QMainWindow* window : app_.registry().Open(FrameKind::kSymbol)) {
    auto* other = static_cast<SymFrame*>(window);
    if (other->closed() || &other->symbol() != &symbol) continue;
    other->raise();
    other->activateWindow();
    return;
  }
  auto* editor = new SymFrame(app_, *this, symbol);
  editor->move(pos());
  editor->resize(size() + QSize(1, 1));
  editor->show();
  editor->Activate();
  editor->canvas().PaintNow();
}

bool DrawFrame::CloseSymbolEditor() {
  SymFrame* editor = symbol_editor();
  return editor == nullptr || editor->close();
}

}  // namespace lumo
