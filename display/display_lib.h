#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/message_host.h"
#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kDisplayLibrary = "表示ライブラリー";

// Fills the display library's table: "InitFont 1", "InitFont 2", "Store".
void RegisterDisplayErrors(ErrorTable& table);

// The one drawing object every window and the printer draw through. A
// device context is a QPainter that is active on a QImage (screen) or a
// printer; coordinates are device pixels. It keeps the pen, the brush, the
// text colour and the fonts, and reproduces the pixel rules of the old
// device contexts: lines get their end pixel explicitly, rectangles and
// ellipses cover their boxes without the right and bottom edge.
//
// PutLine, PutArc, PutCircle and PutText are virtual so that a test can see
// the calls a symbol drawing makes.
class DisplayLib {
 public:
  // Needs a QGuiApplication. Registers the display library's errors into
  // `errors` (which must outlive this object, like `host`) and makes the
  // fixed font; a font that cannot be made is reported through `host` (once
  // for each of the two kinds) and drawing goes on with a substitute.
  // "標準ゴシック" is IPAGothic.
  DisplayLib(MessageHost& host, ErrorTable& errors, QString family = "IPAGothic");
  virtual ~DisplayLib() = default;
  DisplayLib(const DisplayLib&) = delete;
  DisplayLib& operator=(const DisplayLib&) = delete;

  // Selects pen and brush, makes the 6 x 12 text fonts when none were made
  // yet, selects the upright font, text colour black, copy mode.
  void Store(QPainter& dc);
  // Leaves the painter with a black pen, a black brush and its default font.
  void Restore(QPainter& dc);
  // Makes the text fonts for a w x h cell, selects the upright one and
  // measures the glyphs.
  void InitFont(QPainter& dc, int w, int h);
  // InitFont, but only when the cell size changes.
  void SetFontSize(QPainter& dc, int w, int h);
  // 0: copy; 1: not-xor (drawing twice restores the pixels); others: no change.
  void SetDrawMode(QPainter& dc, int mode);
  void SetPrintMode(int flag) { print_ = flag != 0; }
  // Texts drawn on screen in copy mode are rasterised once per text, font
  // and orientation and then stamped (the same pixels, many times faster);
  // tests switch it off to compare.
  void set_text_cache(bool on) { text_cache_on_ = on; }

  void SetColor(QPainter& dc, const QColor& color);
  void SetPenColor(QPainter& dc, const QColor& color);
  void SetPen(QPainter& dc, const QColor& color, int width);
  void SetBrushColor(QPainter& dc, const QColor& color);
  void SetTextColor(QPainter& dc, const QColor& color);
  void SelectFixedFont(QPainter& dc);
  // 1 and 5 select the rising font, 3 and 7 the falling one, others upright.
  void SelectTextFont(QPainter& dc, int t);

  // A line including its end pixel on screen; unchanged when printing.
  virtual void PutLine(QPainter& dc, int x0, int y0, int x1, int y1);
  // A filled box with its outline, both edges included.
  void PutBox(QPainter& dc, int l, int t, int r, int b);
  void PutOutline(QPainter& dc, int l, int t, int r, int b);
  // The arc of the circle around (cx, cy), counter-clockwise from angle a1
  // to a2 (degrees, counter-clockwise on the screen).
  virtual void PutArc(QPainter& dc, int cx, int cy, int r, int a1, int a2);
  // The arc over the chord (x1, y1)-(x2, y2) whose centre lies on the line
  // through (x3, y3) parallel to the chord, from the radial through the
  // second point counter-clockwise to the first.
  void PutArcThrough(QPainter& dc, int x1, int y1, int x2, int y2, int x3, int y3);
  virtual void PutCircle(QPainter& dc, int cx, int cy, int r);
  void PutDot(QPainter& dc, int cx, int cy, int r);
  // Text placed by an anchor letter ('u', 'd', 'l', 'r': the side of the text
  // the point is on) in text orientation t, aligned on its ink.
  virtual void PutText(QPainter& dc, std::string_view text, int x, int y, char anchor, int t);

  // Draws text with the top-left corner of its first cell at (x, y) in the
  // selected font (text or fixed) and the text colour: the plain text output
  // the windows use for their own texts.
  void TextOut(QPainter& dc, int x, int y, std::string_view text);

  // Display columns x cell width - 1.
  int TextWidth(std::string_view text) const;
  // The height of the ink of the text's bytes in the current font.
  int InkHeight(std::string_view text) const;

  int cell_width() const { return cell_width_; }
  int cell_height() const { return cell_height_; }
  int text_orientation() const { return text_orientation_; }
  const QPen& pen() const { return pen_; }
  const QBrush& brush() const { return brush_; }
  const std::array<int, 256>& top_table() const { return top_; }
  const std::array<int, 256>& bottom_table() const { return bottom_; }

 private:
  QFont MakeFont(int w, int h, bool fixed);
  void MeasureGlyphs();
  void DrawTextAt(QPainter& dc, std::string_view bytes, int px, int py, int t, int baseline);
  // The rectangle Qt strokes for an old-style box (l, t)-(r, b).
  QRectF Box(int l, int t, int r, int b) const;
  void Rectangle(QPainter& dc, int l, int t, int r, int b);
  void Arc(QPainter& dc, const QRectF& box, QPointF from, QPointF to, bool filled);
  void ApplyPen(QPainter& dc);
  // The text's pixels in one colour, and where they lie relative to the
  // top-left corner of its first cell.
  struct StampedText {
    QImage pixels;
    QPoint offset;
  };
  const StampedText& Stamp(std::string_view bytes, int t, int baseline, bool fixed);

  MessageHost& host_;
  const ErrorTable& errors_;
  QPen pen_;
  QBrush brush_;
  QColor text_color_ = Qt::black;
  QFont text_font_;
  QFont fixed_font_;
  bool text_fonts_made_ = false;
  QString family_;
  bool text_font_failure_shown_ = false;
  bool fixed_font_failure_shown_ = false;
  int baseline_ = 0;  // from the top of the text cell
  int fixed_baseline_ = 0;
  bool fixed_selected_ = false;
  int cell_width_ = -1;
  int cell_height_ = -1;
  bool print_ = false;
  int text_orientation_ = 0;
  std::array<int, 256> top_{};
  std::array<int, 256> bottom_{};
  bool xor_mode_ = false;
  bool text_cache_on_ = true;
  // By text bytes, orientation, font (and its cell size) and colour.
  std::unordered_map<std::string, StampedText> stamps_;
};

// The integer nearest to `value`, halves away from zero, clamped to the int
// range (0 for NaN).
int NearestInt(double value);

// A text's bytes as Qt text: every UTF-8 character as it is, and each run
// of other bytes (a name or file text from an older file) as Shift_JIS, or
// as \xNN escapes when it is not Shift_JIS either (display_text.cpp).
QString DisplayText(std::string_view bytes);

}  // namespace lumo
