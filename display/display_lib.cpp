#include "display/display_lib.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <utility>

#include "symbol/name_text.h"

namespace lumo {

namespace {

constexpr double kRadiansPerDegree = 0.017453292522222223;

int Near(double value) {
  return NearestInt(value);
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// Degrees, counter-clockwise on the screen, of `point` around `centre`.
double ScreenAngle(QPointF centre, QPointF point) {
  const double dx = point.x() - centre.x();
  const double dy = point.y() - centre.y();
  if (dx == 0 && dy == 0) return 0;
  return std::atan2(-dy, dx) / kRadiansPerDegree;
}

}  // namespace

int NearestInt(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, -2147483648.0, 2147483647.0)));
}

void RegisterDisplayErrors(ErrorTable& table) {
  RegisterError(table, kDisplayLibrary, "InitFont 1", "displayLib.InitFont()",
                "標準ゴシックフォントがありません。");
  RegisterError(table, kDisplayLibrary, "InitFont 2", "displayLib.InitFont()",
                "システムフォントがありません。");
  RegisterError(table, kDisplayLibrary, "Store", "displayLib.Store(dc)",
                "小フォントが初期化されていません。");
}

DisplayLib::DisplayLib(MessageHost& host, ErrorTable& errors, QString family)
    : host_(host), errors_(errors), family_(std::move(family)) {
  RegisterDisplayErrors(errors);
  pen_ = QPen(QBrush(Qt::black), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  brush_ = QBrush(Qt::white, Qt::SolidPattern);
  fixed_font_ = MakeFont(8, 16, true);
  const QFontMetricsF metrics(fixed_font_);
  fixed_baseline_ = Near(16 * metrics.ascent() / (metrics.ascent() + metrics.descent()));
}

QFont DisplayLib::MakeFont(int w, int h, bool fixed) {
  QFont font(family_);
  font.setStyleHint(QFont::TypeWriter);
  // The old fonts were bitmaps; plain pixels also let not-xor texts undo.
  font.setStyleStrategy(QFont::NoAntialias);
  font.setPixelSize(std::max(h, 1));
  // A half-width glyph is half the font height wide; stretch it to w.
  font.setStretch(std::clamp(Near(200.0 * w / std::max(h, 1)), 1, 4000));
  // Reported once: the same font is remade at every zoom.
  bool& shown = fixed ? fixed_font_failure_shown_ : text_font_failure_shown_;
  if (QFontInfo(font).family() != family_ && !shown) {
    shown = true;
    ShowError(host_, errors_, fixed ? "InitFont 2" : "InitFont 1");
  }
  return font;
}

void DisplayLib::ApplyPen(QPainter& dc) {
  dc.setPen(pen_);
}

void DisplayLib::Store(QPainter& dc) {
  ApplyPen(dc);
  dc.setBrush(brush_);
  if (!text_fonts_made_) InitFont(dc, 6, 12);
  SelectTextFont(dc, 0);
  text_color_ = Qt::black;
  SetDrawMode(dc, 0);
}

void DisplayLib::Restore(QPainter& dc) {
  dc.setPen(QPen(Qt::black));
  dc.setBrush(QBrush(Qt::black));
  dc.setFont(QFont());
}

void DisplayLib::InitFont(QPainter& dc, int w, int h) {
  text_font_ = MakeFont(w, h, false);
  text_fonts_made_ = true;
  cell_width_ = w;
  cell_height_ = h;
  const QFontMetricsF metrics(text_font_);
  baseline_ = Near(h * metrics.ascent() / (metrics.ascent() + metrics.descent()));
  dc.setFont(text_font_);
  fixed_selected_ = false;
  MeasureGlyphs();
}

void DisplayLib::SetFontSize(QPainter& dc, int w, int h) {
  if (w == cell_width_ && h == cell_height_) return;
  InitFont(dc, w, h);
  SelectTextFont(dc, 0);
}

// For each printable ASCII character: the blank rows above and below its ink
// within the cell. It is drawn on a scratch image, so nothing visible is
// painted over and printers are measured the same way.
void DisplayLib::MeasureGlyphs() {
  const int w = std::max(cell_width_, 1);
  const int h = std::max(cell_height_, 1);
  QImage scratch(w, h, QImage::Format_RGB32);
  for (int c = 33; c <= 126; ++c) {
    scratch.fill(Qt::white);
    {
      QPainter painter(&scratch);
      painter.setFont(text_font_);
      painter.setPen(QColor(192, 192, 192));
      const char character = static_cast<char>(c);
      painter.drawText(QPointF(0, baseline_), QString::fromLatin1(&character, 1));
    }
    int first = -1, last = -1;
    for (int y = 0; y < h; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
      for (int x = 0; x < w; ++x) {
        if ((row[x] & 0xFFFFFF) != 0xFFFFFF) {
          if (first < 0) first = y;
          last = y;
          break;
        }
      }
    }
    top_[c] = first < 0 ? h : first;
    bottom_[c] = last < 0 ? h : h - 1 - last;
  }
  top_[32] = h / 2;
  bottom_[32] = h - h / 2;
  for (int c = 0; c < 256; ++c) {
    if (c < 32 || c > 126) {
      top_[c] = top_['A'];
      bottom_[c] = bottom_['A'];
    }
  }
}

void DisplayLib::SetDrawMode(QPainter& dc, int mode) {
  if (mode == 0) dc.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (mode == 1) dc.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  if (mode == 0 || mode == 1) xor_mode_ = mode == 1;
}

void DisplayLib::SetColor(QPainter& dc, const QColor& color) {
  SetPenColor(dc, color);
  SetBrushColor(dc, color);
  SetTextColor(dc, color);
}

void DisplayLib::SetPenColor(QPainter& dc, const QColor& color) {
  SetPen(dc, color, 1);
}

void DisplayLib::SetPen(QPainter& dc, const QColor& color, int width) {
  // A one-pixel pen leaves out the end pixel like the old cosmetic pens;
  // wider pens have round ends.
  const bool thin = width <= 1;
  pen_ = QPen(QBrush(color), std::max(width, 1), Qt::SolidLine, thin ? Qt::FlatCap : Qt::RoundCap,
              thin ? Qt::MiterJoin : Qt::RoundJoin);
  ApplyPen(dc);
}

void DisplayLib::SetBrushColor(QPainter& dc, const QColor& color) {
  brush_ = QBrush(color, Qt::SolidPattern);
  dc.setBrush(brush_);
}

void DisplayLib::SetTextColor(QPainter&, const QColor& color) {
  text_color_ = color;
}

void DisplayLib::SelectFixedFont(QPainter& dc) {
  dc.setFont(fixed_font_);
  fixed_selected_ = true;
}

void DisplayLib::SelectTextFont(QPainter& dc, int t) {
  text_orientation_ = t;
  if (t >= 0 && t <= 7) {
    dc.setFont(text_font_);
    fixed_selected_ = false;
  }
}

void DisplayLib::PutLine(QPainter& dc, int x0, int y0, int x1, int y1) {
  if (!print_) {
    const int dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy != 0) {
      y1 += dy > 0 ? 1 : -1;
    } else if (dy == 0 && dx != 0) {
      x1 += dx > 0 ? 1 : -1;
    } else if (dx != 0 && std::abs(dx) == std::abs(dy)) {
      if (dx < 0) {
        std::swap(x0, x1);
        std::swap(y0, y1);
      }
      x1 += 1;
      y1 += y1 > y0 ? 1 : -1;
    }
  }
  // The device line leaves out its end pixel. Qt's flat-capped thin lines do
  // so only when drawn downwards or rightwards, so straight and diagonal
  // lines are drawn to their last pixel with square caps instead.
  const int dx = x1 - x0, dy = y1 - y0;
  if (dx == 0 && dy == 0) return;
  if (pen_.width() <= 1 && !print_ && (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy))) {
    const QPoint last(x1 - Sign(dx), y1 - Sign(dy));
    if ((dx == 0 || dy == 0) && !xor_mode_ && dc.transform().isIdentity() &&
        !dc.viewTransformEnabled()) {
      // The same pixels as the square-capped line, without changing pens.
      dc.fillRect(QRect(QPoint(std::min(x0, last.x()), std::min(y0, last.y())),
                        QPoint(std::max(x0, last.x()), std::max(y0, last.y()))),
                  dc.pen().color());
      return;
    }
    QPen square = dc.pen();
    square.setCapStyle(Qt::SquareCap);
    dc.setPen(square);
    if (last == QPoint(x0, y0))
      dc.drawPoint(last);
    else
      dc.drawLine(QPoint(x0, y0), last);
    ApplyPen(dc);
    return;
  }
  dc.drawLine(QPoint(x0, y0), QPoint(x1, y1));
}

QRectF DisplayLib::Box(int l, int t, int r, int b) const {
  // On screen a box covers columns l..r-1; Qt strokes one pixel more.
  const int k = print_ ? 0 : 1;
  const QRectF box(QPointF(std::min(l, r), std::min(t, b)),
                   QPointF(std::max(l, r) - k, std::max(t, b) - k));
  return box;
}

void DisplayLib::Rectangle(QPainter& dc, int l, int t, int r, int b) {
  if (l == r || t == b) return;
  dc.drawRect(Box(l, t, r, b));
}

void DisplayLib::PutBox(QPainter& dc, int l, int t, int r, int b) {
  if (print_) {
    Rectangle(dc, l, t, r, b);
    return;
  }
  Rectangle(dc, l, t, r + 1, b + 1);
  PutOutline(dc, l, t, r, b);
}

void DisplayLib::PutOutline(QPainter& dc, int l, int t, int r, int b) {
  PutLine(dc, l, t, l, b);
  PutLine(dc, l, b, r, b);
  PutLine(dc, r, b, r, t);
  PutLine(dc, r, t, l, t);
}

// An arc (or a filled chord) of the ellipse in `box`, counter-clockwise from
// the radial through `from` to the radial through `to`; the whole ellipse
// when both radials are the same.
void DisplayLib::Arc(QPainter& dc, const QRectF& box, QPointF from, QPointF to, bool filled) {
  const QPointF centre = box.center();
  const double start = ScreenAngle(centre, from);
  double span = ScreenAngle(centre, to) - start;
  span = std::fmod(span, 360.0);
  if (span <= 0) span += 360;  // equal radials: the whole ellipse
  if (filled && span == 360) {
    dc.drawEllipse(box);
  } else if (filled) {
    dc.drawChord(box, Near(start * 16), Near(span * 16));
  } else {
    dc.drawArc(box, Near(start * 16), Near(span * 16));
  }
}

void DisplayLib::PutArc(QPainter& dc, int cx, int cy, int r, int a1, int a2) {
  const int k = print_ ? 0 : 1;
  const auto radial = [&](int angle) {
    const double phi = -angle * kRadiansPerDegree;
    return QPointF(cx + std::trunc(r * std::cos(phi)), cy + std::trunc(r * std::sin(phi)));
  };
  Arc(dc, Box(cx - r, cy - r, cx + r + k, cy + r + k), radial(a1), radial(a2), false);
}

void DisplayLib::PutArcThrough(QPainter& dc, int x1, int y1, int x2, int y2, int x3, int y3) {
  double cx = x3, cy = y3;
  if (y1 == y2) {
    if (x1 != x2) cx = (x1 + x2) / 2.0;
  } else if (x1 == x2) {
    cy = (y1 + y2) / 2.0;
  } else {
    // The point of the line through P3 parallel to the chord that is as far
    // from P1 as from P2.
    const double dx = x2 - x1, dy = y2 - y1;
    const double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    const double s = ((mx - x3) * dx + (my - y3) * dy) / (dx * dx + dy * dy);
    cx = x3 + s * dx;
    cy = y3 + s * dy;
  }
  const int radius = Near(std::hypot(x1 - cx, y1 - cy));
  const QRectF box =
      Box(Near(cx - radius), Near(cy - radius), Near(cx + radius), Near(cy + radius));
  Arc(dc, box, QPointF(x2, y2), QPointF(x1, y1), false);
}

void DisplayLib::PutCircle(QPainter& dc, int cx, int cy, int r) {
  const int k = print_ ? 0 : 1;
  const QPointF radial(cx + r, cy);
  Arc(dc, Box(cx - r, cy - r, cx + r + k, cy + r + k), radial, radial, false);
}

void DisplayLib::PutDot(QPainter& dc, int cx, int cy, int r) {
  const int k = print_ ? 0 : 1;
  const QPointF radial(cx + r, cy);
  Arc(dc, Box(cx - r, cy - r, cx + r + k, cy + r + k), radial, radial, true);
}

int DisplayLib::TextWidth(std::string_view text) const {
  return DisplayColumns(text) * cell_width_ - 1;
}

int DisplayLib::InkHeight(std::string_view text) const {
  int top = cell_height_, bottom = cell_height_;
  if (text.empty()) return cell_height_ - top_[0] - bottom_[0];
  for (char c : text) {
    top = std::min(top, top_[static_cast<unsigned char>(c)]);
    bottom = std::min(bottom, bottom_[static_cast<unsigned char>(c)]);
  }
  return cell_height_ - top - bottom;
}

const DisplayLib::StampedText& DisplayLib::Stamp(std::string_view bytes, int t, int baseline,
                                                 bool fixed) {
  std::string key(bytes);
  key.push_back('\0');
  key.push_back(static_cast<char>('0' + t));
  key.push_back(fixed ? 'f' : 't');
  const QRgb colour = text_color_.rgba();
  key.append(reinterpret_cast<const char*>(&colour), sizeof colour);
  if (!fixed) {
    // The text font of another cell size is another font.
    const int cell[2] = {cell_width_, cell_height_};
    key.append(reinterpret_cast<const char*>(cell), sizeof cell);
  }
  const auto found = stamps_.find(key);
  if (found != stamps_.end()) return found->second;
  // Drawn as DrawTextAt draws it, around a corner with room on every side.
  const QString text = DisplayText(bytes);
  const QFont& font = fixed ? fixed_font_ : text_font_;
  const int advance = QFontMetrics(font).horizontalAdvance(text);
  const int room = std::max(advance, 0) + std::max(cell_height_, 16) + 2;
  QImage canvas(2 * room, 2 * room, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(text_color_);
    painter.translate(room, room);
    if (t == 1 || t == 5 || t == 3 || t == 7) painter.rotate(t == 1 || t == 5 ? -90 : 90);
    painter.drawText(QPointF(0, baseline), text);
  }
  int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
  const int width = canvas.width(), height = canvas.height();
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      if (row[x] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  StampedText stamp;
  if (right >= 0) {
    const QRect ink(QPoint(left, top), QPoint(right, bottom));
    stamp.pixels = canvas.copy(ink);
    stamp.offset = ink.topLeft() - QPoint(room, room);
  }
  // A bound on the memory: names are many, but not this many.
  if (stamps_.size() >= 50000) stamps_.clear();
  return stamps_.emplace(std::move(key), std::move(stamp)).first->second;
}

void DisplayLib::DrawTextAt(QPainter& dc, std::string_view bytes, int px, int py, int t,
                            int baseline) {
  if (text_cache_on_ && !print_ && !xor_mode_ && dc.transform().isIdentity() &&
      !dc.viewTransformEnabled()) {
    const StampedText& stamp = Stamp(bytes, t, baseline, fixed_selected_);
    if (!stamp.pixels.isNull())
      dc.drawImage(px + stamp.offset.x(), py + stamp.offset.y(), stamp.pixels);
    return;
  }
  const QPen old = dc.pen();
  dc.setPen(QPen(text_color_));
  const QString text = DisplayText(bytes);
  if (t == 1 || t == 5 || t == 3 || t == 7) {
    // The rising font reads upwards, the falling one downwards; (px, py) is
    // the top-left corner of the first cell in the turned frame.
    dc.save();
    dc.translate(px, py);
    dc.rotate(t == 1 || t == 5 ? -90 : 90);
    dc.drawText(QPointF(0, baseline), text);
    dc.restore();
  } else {
    dc.drawText(QPointF(px, py + baseline), text);
  }
  dc.setPen(old);
}

void DisplayLib::TextOut(QPainter& dc, int x, int y, std::string_view text) {
  DrawTextAt(dc, text, x, y, 0, fixed_selected_ ? fixed_baseline_ : baseline_);
}

void DisplayLib::PutText(QPainter& dc, std::string_view text, int x, int y, char anchor, int t) {
  if (t == 2 || t == 6) {
    // Never upside down: the text is turned back and anchored on the other
    // side instead.
    switch (anchor) {
      case 'u':
        anchor = 'd';
        break;
      case 'd':
        anchor = 'u';
        break;
      case 'l':
        anchor = 'r';
        break;
      case 'r':
        anchor = 'l';
        break;
      default:
        break;
    }
    t = t == 2 ? 0 : 4;
  }
  const int W = TextWidth(text);
  const int E = InkHeight(text);
  const int m = Near(W / 2.0);
  const int o = Near(E / 2.0);
  const int H = cell_height_;
  int B = H;
  for (char c : text)
    B = std::min(B, bottom_[static_cast<unsigned char>(c)]);
  if (text.empty()) B = bottom_[0];

  int px = x, py = y;
  const bool rising = t == 1 || t == 5;
  const bool falling = t == 3 || t == 7;
  switch (anchor) {
    case 'd':
      if (t == 1) {
        px = x + 1, py = y + m;
      } else if (t == 5) {
        px = x + E, py = y + m;
      } else if (t == 3) {
        px = x, py = y - m + 1;
      } else if (t == 7) {
        px = x - E, py = y - m + 1;
      } else {
        px = x - m + 1, py = y + 1;
      }
      break;
    case 'u':
      if (t == 1) {
        px = x + E, py = y + m;
      } else if (t == 5) {
        px = x + 1, py = y + m;
      } else if (t == 3) {
        px = x - E + 1, py = y - m + 1;
      } else if (t == 7) {
        px = x, py = y - m + 1;
      } else {
        px = x - m + 1, py = y + E;
      }
      break;
    case 'r':
      if (rising) {
        px = x + o, py = y + W;
      } else if (falling) {
        px = x - o + 1, py = y - W + 1;
      } else if (t == 4) {
        px = x, py = y + o;
      } else {
        px = x - W + 1, py = y + o;
      }
      break;
    default:  // 'l', and any unknown anchor
      if (rising) {
        px = x + o, py = y + 1;
      } else if (falling) {
        px = x - o + 1, py = y;
      } else if (t == 4) {
        px = x - W + 1, py = y + o;
      } else {
        px = x, py = y + o;
      }
      break;
  }
  if (rising) {
    px += B - H;
  } else if (falling) {
    px += H - B;
  } else {
    py += B - H;
  }
  SelectTextFont(dc, t);
  DrawTextAt(dc, text, px, py, t, baseline_);
}

}  // namespace lumo
