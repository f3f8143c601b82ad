#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <string_view>

#include "editing/reg_lines.h"

#include "ui/canvas_guard.h"

class QPainter;

namespace lumo {

class DisplayLib;

// The lines of the register-transfer viewer, drawn 12 pixels apart in the
// 6 x 12 font, from the top line down and cut by the horizontal offset.
// Both scroll bars run 0..100.
class RegChild : public QAbstractScrollArea {
  Q_OBJECT
 public:
  RegChild(DisplayLib& lib, QWidget* parent = nullptr);

  const RegLines& lines() const { return lines_; }
  const QImage& image() const { return image_; }

  // Keeps a line and shows it at once, following it with the view when the
  // window is full; false when the line was dropped (2000 are held).
  bool AddLine(std::string_view line);
  // Draws the lines from the top line onto `dc`, on a white area of
  // `size`, as far down as it reaches.
  void PaintLines(QPainter& dc, QSize size);

  // A scroll bar's action (QAbstractSlider::SliderAction).
  void ScrollLines(int action);
  void ScrollColumns(int action);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int, int) override {}

 private:
  void Render();
  void SyncScrollBars();

  DisplayLib& lib_;
  RegLines lines_;
  // The client height a full paint last saw: new lines follow it.
  int client_height_ = 0;
  QImage image_;
  // Out of memory in a mouse or paint handler: reported, not fatal.
  CanvasGuard guard_{*this};
};

}  // namespace lumo
