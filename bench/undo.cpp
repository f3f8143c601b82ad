// Measures the undo history of a large schematic: 5,000 elements wired in a
// chain, then 10,000 random edits of every kind the canvas makes, each one
// step. Prints the bytes the history keeps and the time of one undo and one
// redo (mean, 99th percentile and worst; each step's best of three passes),
// and checks that undoing every step gives back the file of the start and
// redoing them the file of the end.
//
// Usage: undo [system folder] (default: the folder of this program, where
// the build copies LumoCAD.lib).

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/schematic_bench.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "editing/dangling_ends.h"
#include "editing/draw_edits.h"
#include "schematic/draw.h"

namespace {

namespace fs = std::filesystem;
using lumo::bench::Clock;
using lumo::bench::Milliseconds;

constexpr int kElements = 5000;
constexpr int kEdits = 10000;
constexpr double kByteLimit = 50.0 * 1024 * 1024;
constexpr double kStepLimitMs = 1.0;

std::string Text(const lumo::Draw& draw) {
  std::ostringstream out;
  draw.Write(out);
  return out.str();
}

template <class Range>
auto* Nth(Range&& range, std::size_t n) {
  for (auto& record : range)
    if (n-- == 0) return &record;
  return static_cast<decltype(&*range.begin())>(nullptr);
}

// The resident size of this process, in bytes.
double ResidentBytes() {
  long pages = 0;
  long resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

struct Timing {
  double mean = 0;
  double p99 = 0;
  double worst = 0;
};

Timing Summary(std::vector<double> ms) {
  Timing timing;
  if (ms.empty()) return timing;
  std::sort(ms.begin(), ms.end());
  for (double m : ms)
    timing.mean += m;
  timing.mean /= static_cast<double>(ms.size());
  timing.p99 = ms[ms.size() * 99 / 100];
  timing.worst = ms.back();
  return timing;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string system_folder = argc > 1 ? argv[1] : lumo::ProgramFolder();
  const fs::path folder =
      fs::temp_directory_path() / ("lumo_undo_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);

  lumo::bench::SchematicBench bench;
  if (!bench.ReadSymbols(system_folder, folder.string())) return 1;
  const lumo::SymbolList& system_symbols = bench.system_symbols;
  const lumo::Symbol* symbols[] = {system_symbols.Find("_and2"), system_symbols.Find("_or2"),
                                   system_symbols.Find("_not"), system_symbols.Find("_in")};
  for (const lumo::Symbol* symbol : symbols)
    if (symbol == nullptr) return 1;
  lumo::Draw draw(bench.environment());

  // AND gates on a grid, each output wired through a corner to the next
  // gate's first input.
  std::vector<lumo::DrawElement*> gates;
  for (int k = 0; k < kElements; ++k)
    gates.push_back(&draw.PlaceElement(*symbols[0], (k % 100) * 100, (k / 100) * 40, 0, 'p'));
  for (int k = 0; k + 1 < kElements; ++k) {
    const lumo::DrawElement& from = *gates[k];
    const lumo::DrawElement& to = *gates[k + 1];
    const std::int32_t corner_x = from.x() + 40;
    draw.AddLine(from.x() + 12, from.y(), corner_x, from.y());
    draw.AddLine(corner_x, from.y(), to.x() - 16, to.y() - 4);
  }
  const std::string start = Text(draw);
  std::printf("schematic: %zu elements, %zu terminals, %zu lines, %zu junctions\n",
              draw.element_count(), draw.terminal_count(), draw.line_count(),
              draw.junction_count());

  lumo::DrawEditor editor(draw);
  std::mt19937 random(1);
  const auto coordinate = [&](int high) {
    return static_cast<std::int32_t>(random() % static_cast<unsigned>(high / 4)) * 4;
  };
  const double resident_before = ResidentBytes();
  const auto edits_start = Clock::now();
  for (int i = 0; i < kEdits; ++i) {
    lumo::DrawElement* element = Nth(draw.elements(), random() % draw.element_count());
    lumo::DrawLine* line = Nth(draw.lines(), random() % draw.line_count());
    editor.Edit([&] {
      switch (random() % 8) {
        case 0:
          draw.PlaceElement(*symbols[random() % 4], coordinate(10000), coordinate(2000),
                            static_cast<std::int32_t>(random() % 8), 'p');
          break;
        case 1:
          draw.AddLine(line->x2(), line->y2(), coordinate(10000), coordinate(2000));
          break;
        case 2:
          draw.Rename(*element, "U" + std::to_string(i));
          draw.Rename(*line, "n" + std::to_string(i));
          break;
        case 3:
          draw.MoveElement(*element, coordinate(10000), coordinate(2000));
          draw.BringToFront(*element);
          lumo::JoinDanglingEnds(draw);
          break;
        case 4:
          draw.DeleteElement(*element);
          break;
        case 5:
          draw.DeleteLine(*line);
          break;
        case 6:
          draw.FlipPolarity(*element);
          break;
        default:
          draw.MoveLine(*line, 8, -8);
          draw.BringToFront(*line);
          break;
      }
    });
  }
  const double edits_ms = Milliseconds(Clock::now() - edits_start);
  const double resident_growth = ResidentBytes() - resident_before;
  const std::string end = Text(draw);
  const lumo::UndoHistory& history = editor.history();
  const double bytes = static_cast<double>(history.bytes());
  std::printf("%d edits in %.0f ms: %zu steps kept, history %.2f MB (%.0f bytes a step)\n", kEdits,
              edits_ms, history.undo_count(), bytes / (1024 * 1024),
              bytes / static_cast<double>(std::max<std::size_t>(1, history.undo_count())));
  std::printf("the process grew by %.2f MB during the edits (history and new records)\n",
              resident_growth / (1024 * 1024));

  // Three passes, each step's best kept: the machine's other work shows up
  // as single slow steps, which a step that is slow itself does each time.
  const std::size_t steps = history.undo_count();
  std::vector<double> undo_ms(steps, 1e300);
  std::vector<double> redo_ms(steps, 1e300);
  bool undone = true;
  bool redone = true;
  for (int pass = 0; pass < 3; ++pass) {
    for (std::size_t k = steps; k-- > 0;) {
      const auto before = Clock::now();
      if (!editor.Undo()) return 1;
      undo_ms[k] = std::min(undo_ms[k], Milliseconds(Clock::now() - before));
    }
    undone = undone && Text(draw) == start;
    for (std::size_t k = 0; k < steps; ++k) {
      const auto before = Clock::now();
      if (!editor.Redo()) return 1;
      redo_ms[k] = std::min(redo_ms[k], Milliseconds(Clock::now() - before));
    }
    redone = redone && Text(draw) == end;
  }
  const Timing undo = Summary(undo_ms);
  const Timing redo = Summary(redo_ms);
  std::printf("undo of one step: mean %.4f ms, 99%% %.4f ms, worst %.4f ms\n", undo.mean, undo.p99,
              undo.worst);
  std::printf("redo of one step: mean %.4f ms, 99%% %.4f ms, worst %.4f ms\n", redo.mean, redo.p99,
              redo.worst);
  std::printf("undone to the start's file: %s; redone to the end's file: %s\n",
              undone ? "yes" : "NO", redone ? "yes" : "NO");
  fs::remove_all(folder);
  const bool fast = undo.worst < kStepLimitMs && redo.worst < kStepLimitMs;
  return undone && redone && bytes < kByteLimit && fast ? 0 : 1;
}
