#include "ui/mem_child.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <string>

#include "display/display_lib.h"
#include "editing/undo_history.h"
#include "pattern/hex.h"
#include "pattern/mem.h"
#include "ui/application.h"
#include "ui/pat_pane_host.h"
#include "ui/scroll_bar_steps.h"

namespace lumo {

namespace {

constexpr const char* kTitle = "メモリ データ";
// A data text ends where this one would when started at its column's left.
constexpr const char* kDataWidth = "123456789";
constexpr const char* kPrintNotice = "印刷が終了したら，再描画ボタン（日の出）を押してください。";
const QColor kHeaderGrey(192, 192, 192);

// The edit modes this pane acts in (the frame's numbering).
enum PaneMode { kTypeMode = 2, kDeleteRowMode = 6, kPickRowMode = 7, kMoveRowMode = 8 };

}  // namespace

MemChild::MemChild(PatPaneHost& host, Mem& mem, QWidget* parent)
    : QAbstractScrollArea(parent), host_(host), mem_(mem) {
  guard_.set_hosts([this](QWidget& window) { return host_.application().MakeWindowHost(window); });
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetUpPercentBar(horizontalScrollBar());
  SetUpPercentBar(verticalScrollBar());
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &MemChild::ScrollColumns);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &MemChild::ScrollRows);
}

void MemChild::Reset() {
  // Steps still in a history keep the old slot; this pane starts a new one.
  slot_ = std::make_shared<MemDeleteSlot>();
  move_from_ = -1;
  caret_ = MemCaret{};
  caret_placed_ = false;
  Repaint();
}

int MemChild::RowCountForLayout() const {
  return mem_.count();
}

void MemChild::Repaint() {
  notice_shown_ = false;
  Render();
  viewport()->update();
  host_.SetMode(host_.mode());
}

void MemChild::Render() {
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
  view_.Resize(size.width(), size.height());
  QPainter dc(&image_);
  DisplayLib& lib = host_.application().display();
  lib.Store(dc);
  lib.SetFontSize(dc, 6, 12);
  dc.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  lib.SetPenColor(dc, Qt::black);
  lib.SetBrushColor(dc, kHeaderGrey);
  lib.PutBox(dc, 0, 0, size.width() - 1, kMemHeaderHeight);
  lib.SetTextColor(dc, Qt::black);
  lib.TextOut(dc, 10, 5, kTitle);
  const int columns = view_.drawn_columns();
  for (int i = 0; i < columns; ++i) {
    const std::int64_t column = view_.first_column() + i;
    const int left = view_.ColumnLeft(column);
    lib.PutOutline(dc, left, 0, left + kMemColumnWidth, kMemHeaderHeight);
    const std::string address = HexText(static_cast<MemAddress>(column));
    lib.TextOut(dc, left + 54 - 6 * static_cast<int>(address.size()), 5, address);
  }
  lib.SetBrushColor(dc, Qt::white);
  const int data_right = lib.TextWidth(kDataWidth);
  for (int i = 0; i < view_.drawn_rows(); ++i) {
    const int row = view_.first_row() + i;
    const int top = view_.RowTop(row);
    lib.PutBox(dc, 0, top, kMemNameWidth, top + kMemRowHeight);
    for (int c = 0; c < columns; ++c) {
      const int left = view_.ColumnLeft(view_.first_column() + c);
      lib.PutBox(dc, left, top, left + kMemColumnWidth, top + kMemRowHeight);
    }
    const Memory& memory = mem_.memory(row);
    lib.TextOut(dc, 1, top + 4, memory.name);
    // Only the words of the visible columns: a memory may hold many.
    const auto first = static_cast<MemAddress>(view_.first_column());
    for (const MemWord& word : memory.words) {
      if (word.address < first) continue;
      if (word.address >= first + static_cast<MemAddress>(columns)) break;
      const int left = view_.ColumnLeft(static_cast<std::int64_t>(word.address));
      lib.TextOut(dc, left + data_right - lib.TextWidth(word.data_text), top + 5, word.data_text);
    }
  }
  if (caret_placed_ && hasFocus()) {
    const Memory& memory = mem_.memory(caret_.row);
    int x = 0;
    if (caret_.in_name) {
      x = 1 + lib.TextWidth(memory.name) + 1;
    } else {
      x = view_.ColumnLeft(caret_.column) + data_right + 1;
    }
    const int top = view_.RowTop(caret_.row);
    if (top >= kMemHeaderHeight && (caret_.in_name || caret_.column >= view_.first_column()))
      dc.fillRect(QRect(x, top + 4, 2, 15), Qt::black);
  }
  if (notice_shown_) DrawPrintNotice(dc);
  lib.Restore(dc);
  SyncScrollBars();
}

void MemChild::ShowPrintNotice() {
  notice_shown_ = true;
  Render();
  viewport()->update();
}

void MemChild::DrawPrintNotice(QPainter& dc) {
  DisplayLib& lib = host_.application().display();
  lib.SetBrushColor(dc, Qt::white);
  lib.SetPen(dc, Qt::black, 2);
  lib.PutBox(dc, 100, 10, lib.TextWidth(kPrintNotice) + 120, 34);
  lib.SetTextColor(dc, Qt::black);
  lib.TextOut(dc, 110, 14, kPrintNotice);
}

void MemChild::SyncScrollBars() {
  horizontalScrollBar()->setSliderPosition(view_.ColumnThumb());
  verticalScrollBar()->setSliderPosition(view_.RowThumb(mem_.count()));
}

void MemChild::paintEvent(QPaintEvent*) {
  guard_.Run(CanvasGuard::kPainting, [&] {
    Render();
    QPainter painter(viewport());
    painter.drawImage(0, 0, image_);
    // The click that follows a menu command reaches the panes only after a
    // paint has shown where they stand.
    host_.application().ClearActivated();
  });
}

void MemChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  viewport()->update();
}

void MemChild::ScrollColumns(int action) {
  const std::optional<MemScroll> scroll = ScrollStepOf(action);
  if (!scroll) return;
  view_.ScrollColumns(*scroll, horizontalScrollBar()->sliderPosition());
  if (*scroll != MemScroll::kDrag) horizontalScrollBar()->setSliderPosition(view_.ColumnThumb());
  viewport()->update();
}

void MemChild::ScrollRows(int action) {
  const std::optional<MemScroll> scroll = ScrollStepOf(action);
  if (!scroll) return;
  view_.ScrollRows(*scroll, mem_.count(), verticalScrollBar()->sliderPosition());
  if (*scroll != MemScroll::kDrag)
    verticalScrollBar()->setSliderPosition(view_.RowThumb(mem_.count()));
  viewport()->update();
}

void MemChild::wheelEvent(QWheelEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    const QPoint delta = event->angleDelta();
    const bool sideways = delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (amount != 0) {
      const int action =
          amount > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
      if (sideways)
        ScrollColumns(action);
      else
        ScrollRows(action);
    }
    event->accept();
  });
}

bool MemChild::Record(std::unique_ptr<EditStep> step) {
  if (!step) return false;
  host_.history().Done(std::move(step));
  host_.Edited();
  return true;
}

void MemChild::PlaceCaret(const MemCaret& caret) {
  caret_ = caret;
  caret_placed_ = true;
  if (Record(JoinMemRow(mem_, caret.row)))
    host_.Relayout();
  else
    Render();
  viewport()->update();
}

void MemChild::Type(char c) {
  std::unique_ptr<EditStep> step =
      caret_.in_name ? AppendToMemName(mem_, caret_.row, c)
                     : AppendToMemCell(mem_, caret_.row, static_cast<MemAddress>(caret_.column), c);
  if (Record(std::move(step))) viewport()->update();
}

void MemChild::Shorten() {
  std::unique_ptr<EditStep> step =
      caret_.in_name ? ShortenMemName(mem_, caret_.row)
                     : ShortenMemCell(mem_, caret_.row, static_cast<MemAddress>(caret_.column));
  if (Record(std::move(step))) viewport()->update();
}

void MemChild::keyPressEvent(QKeyEvent* event) {
  if (!caret_placed_ || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    event->ignore();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      PlaceCaret(view_.MoveCaret(caret_, MemCaretKey::kLeft));
      return;
    case Qt::Key_Right:
      PlaceCaret(view_.MoveCaret(caret_, MemCaretKey::kRight));
      return;
    case Qt::Key_Up:
      PlaceCaret(view_.MoveCaret(caret_, MemCaretKey::kUp));
      return;
    case Qt::Key_Down:
      PlaceCaret(view_.MoveCaret(caret_, MemCaretKey::kDown));
      return;
    case Qt::Key_Delete:
      Shorten();
      return;
    case Qt::Key_Backspace:
      return;  // only Delete shortens a text
    default:
      break;
  }
  // One printable byte; anything else (a blank, a multi-byte character) is
  // not typed.
  const QByteArray text = event->text().toUtf8();
  if (text.size() == 1) Type(text[0]);
}

void MemChild::mousePressEvent(QMouseEvent* event) {
  guard_.Run(CanvasGuard::kMouse, [&] {
    if (host_.application().activated()) return;
    if (host_.mode() != kMoveRowMode) move_from_ = -1;
    if (event->button() == Qt::LeftButton) LeftClick(event->position().toPoint());
    if (event->button() == Qt::RightButton) RightClick();
  });
}

void MemChild::LeftClick(QPoint at) {
  const int row = view_.RowAt(at.y());
  switch (host_.mode()) {
    case kTypeMode: {
      setFocus(Qt::MouseFocusReason);
      const std::optional<std::int64_t> column = view_.ColumnAt(at.x());
      PlaceCaret(MemCaret{!column.has_value(), row, column.value_or(0)});
      return;
    }
    case kDeleteRowMode:
      if (Record(DeleteMemRow(mem_, slot_, row))) host_.Relayout();
      return;
    case kPickRowMode:
      move_from_ = row;
      host_.SetMode(kMoveRowMode);
      return;
    case kMoveRowMode:
      // A source picked in the other pane is not one of these rows.
      if (move_from_ < 0) {
        move_from_ = row;
        return;
      }
      if (Record(MoveMemRow(mem_, move_from_, row))) host_.Relayout();
      move_from_ = -1;
      host_.SetMode(kPickRowMode);
      return;
    default:
      return;
  }
}

void MemChild::RightClick() {
  if (host_.mode() != kDeleteRowMode) return;
  if (Record(RestoreMemRow(mem_, slot_))) host_.Relayout();
}

void MemChild::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void MemChild::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

}  // namespace lumo
