#include "ui/schematic_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "display/draw_symbol.h"
#include "symbol/name_text.h"

namespace lumo {

namespace {

constexpr int kTile = 36;
// Room for the texts around a record: a name's columns are 6 units wide.
constexpr int kColumnUnits = 6;
constexpr int kNameRoom = 24;
const QColor kGridDots(192, 192, 192);
const QColor kGridLines(176, 176, 176);
// Everything but the terminals and the two names.
constexpr int kBodyMask = MaskLine | MaskArc | MaskTerminalText;
constexpr int kNameMask = MaskElementName | MaskFunctionName;

int NameUnits(const std::string& name) {
  return name == "?" ? kColumnUnits : DisplayColumns(name) * kColumnUnits;
}

}  // namespace

QImage GridTile() {
  QImage tile(kTile, kTile, QImage::Format_RGB32);
  tile.fill(Qt::white);
  const QRgb dot = kGridDots.rgb();
  const QRgb line = kGridLines.rgb();
  for (int y = 0; y < kTile; y += 4)
    for (int x = 0; x < kTile; x += 4)
      tile.setPixel(x, y, dot);
  for (int at : {12, 24}) {
    for (int i = 0; i < kTile; i += 4) {
      for (int k = 0; k < 2; ++k) {
        tile.setPixel(at, i + k, line);
        tile.setPixel(i + k, at, line);
      }
    }
  }
  for (int i = 0; i < kTile; ++i) {
    tile.setPixel(0, i, line);
    tile.setPixel(i, 0, line);
  }
  return tile;
}

SchematicPainter::SchematicPainter(DisplayLib& lib, QPainter& dc, const ViewTransform& view,
                                   QSize client)
    : lib_(lib), dc_(dc), view_(view), client_(client) {
  const double scale = view.scale() > 0 ? view.scale() : 1;
  visible_ = QRectF(static_cast<double>(view.origin_x()), static_cast<double>(view.origin_y()),
                    client.width() / scale, client.height() / scale);
}

void SchematicPainter::SetUpFonts() {
  const double scale = view_.scale();
  lib_.SetFontSize(dc_, std::max(NearestInt(6 * scale), 1), std::max(NearestInt(12 * scale), 1));
}

void SchematicPainter::PaintGrid() {
  dc_.fillRect(QRect(QPoint(0, 0), client_), Qt::white);
  static const QImage tile = GridTile();
  const auto anchor = [&](std::int64_t origin, bool x_axis) {
    const double nearest = std::round(static_cast<double>(origin) / kTile) * kTile;
    const int device = x_axis ? view_.ToDeviceX(static_cast<std::int64_t>(nearest))
                              : view_.ToDeviceY(static_cast<std::int64_t>(nearest));
    return device - kTile;
  };
  QBrush brush(tile);
  brush.setTransform(
      QTransform::fromTranslate(anchor(view_.origin_x(), true), anchor(view_.origin_y(), false)));
  dc_.fillRect(QRect(QPoint(0, 0), client_), brush);
}

int SchematicPainter::SymbolReach(const Symbol& symbol) {
  const auto found = reach_.find(&symbol);
  if (found != reach_.end()) return found->second;
  int reach = 0;
  const auto widen = [&reach](int x, int y) {
    reach = std::max({reach, std::abs(x), std::abs(y)});
  };
  for (const SymbolTerminal& terminal : symbol.terminals)
    widen(terminal.x, terminal.y);
  for (const SymbolGraphics* graphics : {symbol.positive.get(), symbol.negative.get()}) {
    if (graphics == nullptr) continue;
    for (const SymbolLine& line : graphics->lines) {
      widen(line.x0, line.y0);
      widen(line.x1, line.y1);
    }
    for (const SymbolArc& arc : graphics->arcs)
      widen(std::abs(arc.cx) + arc.r, std::abs(arc.cy) + arc.r);
    for (const SymbolText& text : graphics->texts) {
      const int room = NameUnits(text.text) + kNameRoom;
      widen(std::abs(text.x) + room, std::abs(text.y) + room);
    }
  }
  reach_.emplace(&symbol, reach + 4);
  return reach + 4;
}

bool SchematicPainter::ElementVisible(const DrawElement& element) {
  const int reach = element.symbol() != nullptr ? SymbolReach(*element.symbol()) : 16;
  const double margin = reach + NameUnits(element.name()) + kNameRoom;
  return element.x() + margin >= visible_.left() && element.x() - margin <= visible_.right() &&
         element.y() + margin >= visible_.top() && element.y() - margin <= visible_.bottom();
}

bool SchematicPainter::LineVisible(const DrawLine& line) const {
  const double margin = line.name() == "?" ? 8 : NameUnits(line.name()) + kNameRoom;
  return std::max(line.x1(), line.x2()) + margin >= visible_.left() &&
         std::min(line.x1(), line.x2()) - margin <= visible_.right() &&
         std::max(line.y1(), line.y2()) + margin >= visible_.top() &&
         std::min(line.y1(), line.y2()) - margin <= visible_.bottom();
}

void SchematicPainter::PaintSchematic(const Draw& draw, const HiddenRecords& hidden) {
  // By colour rather than by record: one pen for all bodies and names, one
  // for all terminals, one for all lines.
  std::vector<const DrawElement*> shown;
  for (const DrawElement& element : draw.elements())
    if (&element != hidden.element && ElementVisible(element)) shown.push_back(&element);
  const double scale = view_.scale();
  lib_.SetColor(dc_, Qt::black);
  for (const DrawElement* element : shown) {
    const double ox = DeviceX(element->x()), oy = DeviceY(element->y());
    if (element->symbol() == nullptr) {
      lib_.PutText(dc_, element->name(), NearestInt(ox), NearestInt(oy), 'd', 0);
      continue;
    }
    DrawSymbol(lib_, dc_, *element->symbol(), scale, element->name(), kBodyMask | kNameMask, ox, oy,
               element->orientation(), element->polarity());
  }
  lib_.SetColor(dc_, Qt::red);
  for (const DrawElement* element : shown) {
    if (element->symbol() == nullptr) {
      PaintBareTerminals(*element, 0, 0);
      continue;
    }
    DrawSymbol(lib_, dc_, *element->symbol(), scale, element->name(), MaskTerminal,
               DeviceX(element->x()), DeviceY(element->y()), element->orientation(),
               element->polarity());
  }
  lib_.SetColor(dc_, Qt::black);
  for (const DrawLine& line : draw.lines()) {
    if (!LineVisible(line) || hidden.Hides(line)) continue;
    PaintSegment(line, line.x1(), line.y1(), line.x2(), line.y2());
    PaintLineName(line);
  }
  for (const DrawJunction& junction : draw.junctions()) {
    if (junction.count() < 3 || hidden.junctions.count(&junction) != 0) continue;
    if (!visible_.adjusted(-4, -4, 4, 4).contains(junction.x(), junction.y())) continue;
    PaintJunctionDot(junction);
  }
}

void SchematicPainter::PaintElement(const DrawElement& element, const ElementColors& colors) {
  PaintElementAt(element, colors, 0, 0);
}

void SchematicPainter::PaintElementAt(const DrawElement& element, const ElementColors& colors,
                                      double dx, double dy) {
  const double ox = DeviceX(element.x() + dx);
  const double oy = DeviceY(element.y() + dy);
  const double scale = view_.scale();
  const Symbol* symbol = element.symbol();
  if (symbol == nullptr) {
    // A symbol that is in neither list: the name where the symbol would be,
    // and the terminals.
    lib_.SetColor(dc_, colors.names);
    lib_.PutText(dc_, element.name(), NearestInt(ox), NearestInt(oy), 'd', 0);
    lib_.SetColor(dc_, colors.terminals);
    PaintBareTerminals(element, dx, dy);
    return;
  }
  const int orientation = element.orientation();
  const char logic = element.polarity();
  lib_.SetColor(dc_, colors.body);
  DrawSymbol(lib_, dc_, *symbol, scale, element.name(), kBodyMask, ox, oy, orientation, logic);
  if (colors.names != colors.body) lib_.SetColor(dc_, colors.names);
  DrawSymbol(lib_, dc_, *symbol, scale, element.name(), kNameMask, ox, oy, orientation, logic);
  lib_.SetColor(dc_, colors.terminals);
  DrawSymbol(lib_, dc_, *symbol, scale, element.name(), MaskTerminal, ox, oy, orientation, logic);
}

void SchematicPainter::PaintBareTerminals(const DrawElement& element, double dx, double dy) {
  static constexpr int kVectors[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
  const double stub = 3 * view_.scale();
  for (const DrawTerminal& terminal : element.terminals()) {
    const double px = DeviceX(terminal.x() + dx), py = DeviceY(terminal.y() + dy);
    const int x = NearestInt(px), y = NearestInt(py);
    if (terminal.polarity() == 'n') {
      lib_.PutCircle(dc_, x, y, NearestInt(stub));
      continue;
    }
    const int* vector = kVectors[((terminal.direction() % 4) + 4) % 4];
    lib_.PutLine(dc_, x, y, NearestInt(px + vector[0] * stub), NearestInt(py + vector[1] * stub));
  }
}

void SchematicPainter::PaintSegment(const DrawLine& line, std::int64_t x1, std::int64_t y1,
                                    std::int64_t x2, std::int64_t y2) {
  double fx = DeviceX(static_cast<double>(x1)), fy = DeviceY(static_cast<double>(y1));
  double tx = DeviceX(static_cast<double>(x2)), ty = DeviceY(static_cast<double>(y2));
  // An end on a bubble stops at the bubble's edge.
  const double length = std::hypot(tx - fx, ty - fy);
  const double bubble = NearestInt(3 * view_.scale());
  if (length > 2 * bubble) {
    const double ux = (tx - fx) / length, uy = (ty - fy) / length;
    const DrawTerminal* start = line.start_terminal();
    const DrawTerminal* end = line.end_terminal();
    if (start != nullptr && start->polarity() == 'n' && start->x() == x1 && start->y() == y1) {
      fx += ux * bubble;
      fy += uy * bubble;
    }
    if (end != nullptr && end->polarity() == 'n' && end->x() == x2 && end->y() == y2) {
      tx -= ux * bubble;
      ty -= uy * bubble;
    }
  }
  lib_.PutLine(dc_, NearestInt(fx), NearestInt(fy), NearestInt(tx), NearestInt(ty));
}

void SchematicPainter::PaintLine(const DrawLine& line, const QColor& color) {
  lib_.SetColor(dc_, color);
  PaintSegment(line, line.x1(), line.y1(), line.x2(), line.y2());
  PaintLineName(line);
}

void SchematicPainter::PaintLineName(const DrawLine& line) {
  if (line.name() == "?") return;
  const double mx = (DeviceX(line.x1()) + DeviceX(line.x2())) / 2;
  const double my = (DeviceY(line.y1()) + DeviceY(line.y2())) / 2;
  lib_.PutText(dc_, line.name(), NearestInt(mx), NearestInt(my) - 2, 'd', 0);
}

void SchematicPainter::PaintJunctionDot(const DrawJunction& junction) {
  lib_.PutDot(dc_, view_.ToDeviceX(junction.x()), view_.ToDeviceY(junction.y()),
              NearestInt(2 * view_.scale()));
}

void SchematicPainter::PaintCircuitNameBox(const std::string& circuit_name) {
  const int height = client_.height();
  lib_.SetColor(dc_, Qt::white);
  lib_.SetPenColor(dc_, Qt::black);
  lib_.PutBox(dc_, 2, height - 24, 200, height);
  lib_.SetTextColor(dc_, Qt::black);
  lib_.SelectFixedFont(dc_);
  lib_.TextOut(dc_, 7, height - 21, "回路名 = " + circuit_name);
  lib_.SelectTextFont(dc_, 0);
}

}  // namespace lumo
