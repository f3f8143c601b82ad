// Times writing and reading flat circuit files of growing size, to show that
// both grow linearly: the circuit as made is written, the file read, and the
// circuit read written again; each time is the best of a few runs. Usage:
// circuit_io [folder] (default: the temporary folder); the files are removed
// afterwards.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "lists/error_message.h"

namespace {

using lumo::bench::BestOf;
using lumo::bench::Clock;
using lumo::bench::Milliseconds;

constexpr int kPins = 256;
constexpr int kRepeats = 5;

// A flat circuit of `size` gates and `size` signals: gate i drives signal i
// from its "y" and reads two other signals on "a" and "b"; the pins of the
// circuit lie on the first signals.
lumo::Circuit& MakeCircuit(lumo::CircuitStore& store, int size) {
  lumo::Circuit& circuit = store.AddCircuit("bench");
  std::vector<lumo::Signal*> signals(size);
  for (int i = 0; i < size; ++i)
    signals[i] = &circuit.AddSignal("s" + std::to_string(i));
  const char* functions[] = {"_and2", "_or2", "_nand2", "_exor2"};
  for (int i = 0; i < size; ++i) {
    lumo::Element& gate =
        circuit.AddElement("g" + std::to_string(i), store.Function(functions[i % 4]));
    gate.AddTerminal("y").ConnectTo(*signals[i]);
    gate.AddTerminal("a").ConnectTo(*signals[(i * 7L + 1) % size]);
    gate.AddTerminal("b").ConnectTo(*signals[(i * 13L + 5) % size]);
  }
  lumo::Element& pins = circuit.AddElement("bench", store.Function("bench"));
  for (int k = 0; k < kPins; ++k)
    pins.AddTerminal("P" + std::to_string(kPins - k)).ConnectTo(*signals[k % size]);
  return circuit;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::string path = (folder / "circuit_io_bench.lcr").string();
  std::printf("%9s %9s %11s %10s %10s %12s %14s\n", "elements", "signals", "file bytes", "write ms",
              "read ms", "rewrite ms", "read+rewrite");
  std::printf("%9s %9s %11s %10s %10s %12s %14s\n", "", "", "", "(made)", "", "(read)",
              "ns/element");
  try {
    for (int size : {25000, 50000, 100000, 200000}) {
      lumo::CircuitStore store;
      const lumo::Circuit& made = MakeCircuit(store, size);
      const double write_ms = BestOf(kRepeats, [&] {
        if (!lumo::WriteCircuitFile(made, path)) throw lumo::ListError("write", path);
      });
      const auto bytes = std::filesystem::file_size(path);

      // Read the file and write it back, each timed on its own; freeing the
      // circuit is not timed.
      double read_ms = 1e300;
      double rewrite_ms = 1e300;
      const std::string again = path + ".again";
      for (int i = 0; i < kRepeats; ++i) {
        lumo::CircuitStore reading;
        std::ifstream in(path, std::ios::binary);
        auto start = Clock::now();
        const lumo::Circuit* circuit = lumo::ReadCircuit(reading, in);
        read_ms = std::min(read_ms, Milliseconds(Clock::now() - start));
        start = Clock::now();
        if (circuit == nullptr || !lumo::WriteCircuitFile(*circuit, again))
          throw lumo::ListError("read", path);
        rewrite_ms = std::min(rewrite_ms, Milliseconds(Clock::now() - start));
      }
      std::filesystem::remove(again);
      std::printf("%9d %9d %11ju %10.1f %10.1f %12.1f %14.0f\n", size, size,
                  static_cast<std::uintmax_t>(bytes), write_ms, read_ms, rewrite_ms,
                  (read_ms + rewrite_ms) * 1e6 / size);
    }
    // One element with many pins added in descending name order, each one
    // going in front of all the others.
    for (int pins : {25000, 50000, 100000, 200000}) {
      lumo::CircuitStore store;
      lumo::Circuit& circuit = store.AddCircuit("pins");
      lumo::Element& element = circuit.AddElement("pins", store.Function("pins"));
      const auto start = Clock::now();
      for (int k = pins; k > 0; --k)
        element.AddTerminal("p" + std::to_string(1000000 + k));
      std::printf("%9d pins added in reverse name order to one element: %.1f ms\n", pins,
                  Milliseconds(Clock::now() - start));
    }
  } catch (const lumo::ListError& error) {
    std::fprintf(stderr, "circuit_io: %s %s\n", error.tag().c_str(), error.detail().c_str());
    std::filesystem::remove(path);
    return 1;
  }
  std::filesystem::remove(path);
  return 0;
}
