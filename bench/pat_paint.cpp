// Times painting the waveform canvas with 500 rows of 2,000 events each at
// scale 1 into an image, as the canvas paints it: the whole client area, and
// the strips a scroll paints (best of several runs) (a line sideways: 100 pixels and the 40 of the
// right edge's labels; a row down). Every fifth row is a bus. Run in a
// Release build:  bench/pat_paint [WIDTH HEIGHT]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <vector>

#include "bench/bench_timing.h"
#include "common/stream_message_host.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"
#include "ui/pat_painter.h"

namespace {

void Fill(lumo::Pat& pat) {
  for (int row = 0; row < lumo::kPatRows; ++row) {
    const int index = pat.AppendRow("S" + std::to_string(row), "", lumo::RowKind::kInput);
    lumo::EventList& events = pat.row(index).events;
    for (int i = 0; i < 2000; ++i) {
      const bool bus = row % 5 == 4;
      events.Insert(i * 20 + row % 7, bus ? std::to_string(i % 256) : (i % 2 ? "1" : "0"));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int width = argc > 2 ? std::atoi(argv[1]) : 1280;
  const int height = argc > 2 ? std::atoi(argv[2]) : 900;
  lumo::StreamMessageHost host(std::cerr);
  lumo::ErrorTable errors;
  lumo::RegisterPatternErrors(errors);
  lumo::Pat pat(host, errors);
  Fill(pat);
  QImage image(width, height, QImage::Format_RGB32);
  lumo::PatPaintView view{
      &pat, {.scale = 1.0, .first = 0, .left = lumo::kPatNameColumn}, 0, image.size(), -1};

  auto paint = [&](QRect clip) {
    QPainter dc(&image);
    lumo::PaintPatCanvas(dc, view, clip);
  };
  // The best of the runs: the one least disturbed by the rest of the machine.
  auto time = [&](QRect clip, int repeats) {
    return lumo::bench::BestOf(repeats, [&] { paint(clip); });
  };
  paint(image.rect());  // the glyph caches
  // As the canvas paints after a change: every row's kind found out anew.
  const double cold = time(image.rect(), 21);
  std::vector<signed char> bus_rows;
  view.bus_rows = &bus_rows;
  paint(image.rect());
  const double full = time(image.rect(), 21);
  view.axis.first = 20000;
  view.first_row = 200;
  const double middle = time(image.rect(), 21);
  const double sideways = time(QRect(width - 140, 0, 140, height), 51);
  const double down = time(QRect(0, height - 24, width, 24), 51);
  view.axis.scale = 512;
  view.axis.first = 0;
  const double zoomed_out = time(image.rect(), 11);
  std::printf("waveform canvas %dx%d, 500 rows x 2000 events (scale 1)\n", width, height);
  std::printf("  full paint, rows unknown %8.2f ms\n", cold);
  std::printf("  full paint, start        %8.2f ms\n", full);
  std::printf("  full paint, time 20000   %8.2f ms\n", middle);
  std::printf("  scroll a line sideways   %8.2f ms (strip of 140 px)\n", sideways);
  std::printf("  scroll a row down        %8.2f ms (strip of 24 px)\n", down);
  std::printf("  full paint at scale 512  %8.2f ms (every event in view)\n", zoomed_out);
  return 0;
}
