// Times painting a schematic of 5,000 elements and 10,000 lines at scale 1,
// as the canvas paints it: grid, elements with names and terminals, lines,
// junction dots. Two layouts: everything packed into the visible area, and
// a drawing four times the area in each direction, of which the canvas
// shows a part. Run in a Release build:  bench/paint [WIDTH HEIGHT]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

#include "bench/schematic_bench.h"
#include "circuit/circuit_errors.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "display/display_lib.h"
#include "editing/view_transform.h"
#include "schematic/draw.h"
#include "symbol/symbol_list.h"
#include "ui/schematic_painter.h"
#include "ui/schematic_picture.h"
#include "ui/wire_value_overlay.h"

namespace {

using lumo::Draw;

// Elements in rows, each with its name, and two lines per element: one from
// its first terminal to the left, one joining the row below.
void Fill(Draw& draw, const lumo::SymbolList& symbols, int columns, int rows, int dx, int dy) {
  std::vector<const lumo::Symbol*> gates;
  for (const lumo::Symbol& symbol : symbols)
    if (!symbol.terminals.empty()) gates.push_back(&symbol);
  int n = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column, ++n) {
      const int x = 40 + column * dx, y = 40 + row * dy;
      lumo::DrawElement& element =
          draw.PlaceElement(*gates[n % gates.size()], x, y, n % 8, n % 3 == 0 ? 'n' : 'p');
      element.set_name("u" + std::to_string(n));
      const lumo::DrawTerminal& pin = *element.first_terminal();
      draw.AddLine(pin.x(), pin.y(), pin.x() - dx / 2, pin.y());
      draw.AddLine(pin.x() - dx / 2, pin.y(), pin.x() - dx / 2, pin.y() + dy / 2);
    }
  }
}

// The first paint and the median of the next nine: the first one makes
// the text stamps of every name shown (and keeps the schematic for the
// steps).
struct Times {
  double first;
  double median;
};

Times PaintMilliseconds(lumo::DisplayLib& lib, const Draw& draw, QImage& image,
                        const lumo::ViewTransform& view, lumo::WireValueOverlay* values = nullptr,
                        bool step = false) {
  // A cursor step copies the schematic kept by the paint before it, as the
  // canvas does while a run's values are shown.
  lumo::SchematicPicture picture;
  std::vector<double> times;
  for (int run = 0; run < 10; ++run) {
    // The cursor moves on one step per paint.
    if (values != nullptr) values->SetTime(run * 7);
    const auto start = std::chrono::steady_clock::now();
    picture.Paint(image, lib, view, draw, {}, step, step);
    QPainter dc(&image);
    lib.Store(dc);
    lumo::SchematicPainter painter(lib, dc, view, image.size());
    painter.SetUpFonts();
    if (values != nullptr) values->Paint(draw, painter, dc, image.size());
    lib.Restore(dc);
    dc.end();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    if (step && run > 0 && !picture.reused()) std::fprintf(stderr, "a step painted everything\n");
  }
  const double first = times.front();
  times.erase(times.begin());
  std::sort(times.begin(), times.end());
  return {first, times[times.size() / 2]};
}

// A run of the drawing's nets: every net changes every 5 time units, one
// net in 16 as an 8-bit bus.
std::shared_ptr<lumo::SignalTrace> TraceOf(const Draw& draw) {
  const lumo::NetMap nets(draw);
  std::vector<std::string> names;
  for (std::size_t net = 0; net < nets.net_count(); ++net)
    names.push_back(nets.name(static_cast<int>(net)));
  auto trace = std::make_shared<lumo::SignalTrace>();
  trace->Begin(names);
  lumo::ValueTable values;
  for (std::int32_t time = 0; time < 500; time += 5)
    for (std::uint32_t net = 0; net < names.size(); ++net) {
      const bool one = ((time / 5 + net) & 1) != 0;
      trace->Record(time, net,
                    net % 16 == 0 ? values.Intern(one ? "10110010" : "01001101")
                                  : (one ? lumo::kValue1 : lumo::kValue0));
    }
  trace->End(values);
  return trace;
}

}  // namespace

int main(int argc, char** argv) {
  static int qt_argc = 3;
  static char name[] = "paint", flag[] = "-platform", platform[] = "offscreen";
  static char* qt_argv[] = {name, flag, platform, nullptr};
  QGuiApplication application(qt_argc, qt_argv);
  const int width = argc > 2 ? std::atoi(argv[1]) : 1600;
  const int height = argc > 2 ? std::atoi(argv[2]) : 1000;

  lumo::bench::SchematicBench bench;
  lumo::RegisterCircuitErrors(bench.errors);
  if (!bench.ReadSymbols(lumo::SystemFolder())) return 1;
  lumo::DisplayLib lib(bench.host, bench.errors);
  QImage image(width, height, QImage::Format_RGB32);
  lumo::ViewTransform view;
  view.set_origin(0, 0);

  struct Layout {
    const char* what;
    int dx, dy;
  };
  // 100 x 50 elements: packed into 1600 x 1000 units, or spread over 6400 x 4000.
  for (const Layout& layout : {Layout{"all 5,000 elements in view", 16, 20},
                               Layout{"a 4 x 4 larger drawing, one part in view", 64, 80}}) {
    Draw draw(bench.environment());
    Fill(draw, bench.system_symbols, 100, 50, layout.dx, layout.dy);
    const Times times = PaintMilliseconds(lib, draw, image, view);
    std::printf("%-44s %zu elements, %zu lines: %.1f ms per paint, the first %.1f ms (%d x %d)\n",
                layout.what, draw.element_count(), draw.line_count(), times.median, times.first,
                width, height);
    // The same with a run's values drawn over it, the time moving on.
    lumo::WireValueOverlay values;
    values.SetTrace(TraceOf(draw), draw);
    values.SetTime(0);
    const Times with_values = PaintMilliseconds(lib, draw, image, view, &values);
    std::printf("%-44s %.1f ms per paint, the first %.1f ms\n",
                "  with a run's values at the cursor", with_values.median, with_values.first);
    const Times step = PaintMilliseconds(lib, draw, image, view, &values, true);
    std::printf("%-44s %.1f ms per step, the first paint %.1f ms\n",
                "  the cursor moving, the schematic kept", step.median, step.first);
  }
  return 0;
}
