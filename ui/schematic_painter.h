#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "display/display_lib.h"
#include "editing/view_transform.h"
#include "schematic/draw.h"

namespace lumo {

// Colours of one element: its body and terminal labels, its element and
// function names, its terminals.
struct ElementColors {
  QColor body = Qt::black;
  QColor names = Qt::black;
  QColor terminals = Qt::red;
};

inline const QColor kHighlightRed{255, 0, 0};
inline const QColor kPlacedBlue{0, 0, 255};

// Records left out of a paint: those being dragged.
struct HiddenRecords {
  const DrawElement* element = nullptr;
  std::unordered_set<const DrawLine*> lines;
  std::unordered_set<const DrawJunction*> junctions;
  bool Hides(const DrawLine& line) const { return lines.count(&line) != 0; }
  bool empty() const { return element == nullptr && lines.empty() && junctions.empty(); }
};

// Paints a schematic through the display library with the view's
// transform onto a device `client` pixels large: the grid, every element
// with its names and red terminals, every line with its name, and the
// junction dots. Only what may reach into the client area is drawn.
class SchematicPainter {
 public:
  SchematicPainter(DisplayLib& lib, QPainter& dc, const ViewTransform& view, QSize client);

  // Sets the text cell for the view's scale (6 x 12 at scale 1).
  void SetUpFonts();
  // White, then the 36-pixel grid tile anchored at the logical multiple of
  // 36 nearest to the top-left corner.
  void PaintGrid();
  void PaintSchematic(const Draw& draw, const HiddenRecords& hidden = {});

  void PaintElement(const DrawElement& element, const ElementColors& colors);
  void PaintElementAt(const DrawElement& element, const ElementColors& colors, double dx,
                      double dy);
  // The segment (shortened at bubbles), then its name.
  void PaintLine(const DrawLine& line, const QColor& color);
  // The segment between two logical points, as a line of the schematic.
  void PaintSegment(const DrawLine& line, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                    std::int64_t y2);
  void PaintLineName(const DrawLine& line);
  void PaintJunctionDot(const DrawJunction& junction);
  // The printout's box in the bottom-left corner: "回路名 = " and the name.
  void PaintCircuitNameBox(const std::string& circuit_name);

  // The visible logical area, widened by `margin` units.
  bool ElementVisible(const DrawElement& element);
  bool LineVisible(const DrawLine& line) const;

  double DeviceX(double logical) const { return view_.ToDeviceXExact(logical); }
  double DeviceY(double logical) const { return view_.ToDeviceYExact(logical); }

 private:
  int SymbolReach(const Symbol& symbol);
  // In the current colour.
  void PaintBareTerminals(const DrawElement& element, double dx, double dy);

  DisplayLib& lib_;
  QPainter& dc_;
  const ViewTransform& view_;
  QSize client_;
  QRectF visible_;  // logical
  std::unordered_map<const Symbol*, int> reach_;
};

// The 36 x 36 grid tile: light grey dots every 4 pixels, dashed lines at 12
// and 24, solid lines along the top row and left column.
QImage GridTile();

}  // namespace lumo
