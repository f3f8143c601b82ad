// Times reading, saving and converting generated schematics of growing size,
// to show that each grows linearly. The full size has 10,000 elements and
// 20,000 lines; a quarter and a half of it come first.
//
// Usage: convert [system folder] (default: the folder of this program, where
// the build copies LumoCAD.lib); the files go to a temporary folder that is
// removed afterwards.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/schematic_bench.h"
#include "circuit/circuit_errors.h"
#include "circuit/circuit_store.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw.h"

namespace {

namespace fs = std::filesystem;
using lumo::bench::BestOf;
using lumo::bench::Clock;
using lumo::bench::Milliseconds;

constexpr int kRepeats = 3;
constexpr int kFullElements = 10000;
constexpr int kFullLines = 20000;

struct Symbols {
  const lumo::Symbol* gate;
  const lumo::Symbol* in;
  const lumo::Symbol* out;
};

// A chain of AND gates on a grid, each output wired through a corner to the
// next gate's first input (every tenth wire named); one element in a hundred
// is an input pin wired to a second input, as many are output pins wired to
// a corner; the remaining lines run from second inputs to open ends.
void Generate(lumo::Draw& draw, const Symbols& symbols, int element_count, int line_count) {
  const int pins = element_count / 100;
  const int gates = element_count - 2 * pins;
  const int step = std::max(1, gates / std::max(1, pins));
  std::vector<lumo::DrawElement*> gate(gates);
  for (int k = 0; k < gates; ++k) {
    gate[k] = &draw.PlaceElement(*symbols.gate, (k % 100) * 100, (k / 100) * 40, 0, 'p');
    if (k % 7 == 0) gate[k]->set_name("U" + std::to_string(k));
  }
  // The terminals of "_and2": a (-16, -4), b (-16, 4), y (12, 0).
  const auto corner_x = [&](int k) { return gate[k]->x() + 40; };
  const auto corner_y = [&](int k) { return gate[k]->y() + 20; };
  int made = 0;
  for (int k = 0; k + 1 < gates && made + 2 <= line_count; ++k) {
    lumo::DrawLine& wire = draw.AddLine(gate[k]->x() + 12, gate[k]->y(), corner_x(k), corner_y(k));
    if (k % 10 == 0) wire.set_name("w" + std::to_string(k));
    draw.AddLine(corner_x(k), corner_y(k), gate[k + 1]->x() - 16, gate[k + 1]->y() - 4);
    made += 2;
  }
  std::vector<bool> wired(gates, false);
  for (int i = 0; i < pins && made + 2 <= line_count; ++i) {
    const int k = std::min(gates - 2, i * step);
    lumo::DrawElement& in = draw.PlaceElement(*symbols.in, -200, i * 40, 0, 'p');
    in.set_name("I" + std::to_string(i));
    draw.AddLine(-200, i * 40, gate[k]->x() - 16, gate[k]->y() + 4);
    wired[k] = true;
    lumo::DrawElement& out = draw.PlaceElement(*symbols.out, 10200, i * 40, 0, 'p');
    out.set_name("O" + std::to_string(i));
    draw.AddLine(corner_x(k), corner_y(k), 10200, i * 40);
    made += 2;
  }
  for (int k = 0; made < line_count; ++k, ++made) {
    if (k < gates && !wired[k]) {
      draw.AddLine(gate[k]->x() - 16, gate[k]->y() + 4, gate[k]->x() - 30, gate[k]->y() + 12);
    } else {
      draw.AddLine(-1000, -1000 - 8 * k, -1040, -1000 - 8 * k);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string system_folder = argc > 1 ? argv[1] : lumo::ProgramFolder();
  const fs::path folder =
      fs::temp_directory_path() / ("lumo_convert_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);

  lumo::bench::SchematicBench bench;
  lumo::ErrorTable& errors = bench.errors;
  lumo::MessageHost& host = bench.host;
  lumo::RegisterCircuitErrors(errors);
  lumo::RegisterConverterErrors(errors);
  if (!bench.ReadSymbols(system_folder, folder.string())) return 1;
  const lumo::SymbolList& system_symbols = bench.system_symbols;
  const Symbols symbols{system_symbols.Find("_and2"), system_symbols.Find("_in"),
                        system_symbols.Find("_out")};
  if (symbols.gate == nullptr || symbols.in == nullptr || symbols.out == nullptr) return 1;
  const lumo::DrawEnvironment environment = bench.environment();

  std::printf("%9s %7s %7s %8s %10s %9s %9s %11s %13s\n", "elements", "lines", "nets", "signals",
              "file bytes", "read ms", "save ms", "convert ms", "convert us/ln");
  int status = 0;
  for (int part : {4, 2, 1}) {
    const int elements = kFullElements / part;
    const int lines = kFullLines / part;
    const std::string path = (folder / "bench.ldr").string();
    {
      lumo::Draw draw(environment);
      Generate(draw, symbols, elements, lines);
      if (draw.Save(path) != lumo::DrawSaveResult::kSaved) return 1;
    }
    const double read_ms = BestOf(kRepeats, [&] {
      lumo::Draw draw(environment);
      if (draw.Read(path) != lumo::DrawReadResult::kRead) status = 1;
    });
    lumo::Draw draw(environment);
    draw.Read(path);
    const std::string saved = (folder / "saved.ldr").string();
    const double save_ms = BestOf(kRepeats, [&] {
      if (draw.Save(saved) != lumo::DrawSaveResult::kSaved) status = 1;
    });
    lumo::CircuitStore store;
    lumo::ConversionCounts counts;
    const double convert_ms = BestOf(kRepeats, [&] {
      lumo::CircuitConverter converter(store, host, errors, folder.string());
      if (!converter.Convert(path, (folder / "bench.lcr").string())) status = 1;
      counts = converter.counts();
      store.Clear();
    });
    std::printf("%9zu %7zu %7zu %8zu %10ju %9.1f %9.1f %11.1f %13.2f\n", counts.elements,
                counts.lines, counts.nets, counts.signals,
                static_cast<std::uintmax_t>(fs::file_size(path)), read_ms, save_ms, convert_ms,
                1000 * convert_ms / static_cast<double>(counts.lines));
  }
  fs::remove_all(folder);
  return status;
}
