#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/circuit_errors.h"
#include "common/recording_message_host.h"
#include "lists/list.h"
#include "lists/list_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"
#include "tests/support/test_folder.h"
#include "tests/symbol/symbol_test_util.h"

namespace lumo::testing {

namespace fs = std::filesystem;

// Pin layouts the tests rely on (the system library's own are alike).
inline constexpr const char* kAnd2Symbol =
    "(\"_and2\" ((l -13 -8 -13 8)) () ((\"a\" -16 -4 0 p) (\"b\" -16 4 0 p) (\"y\" 12 0 2 p)) "
    "(s))";
inline constexpr const char* kNotSymbol =
    "(\"_not\" ((l -8 -6 -8 6)) () ((\"a\" -12 0 0 p) (\"y\" 12 0 2 n)) (s))";
inline constexpr const char* kInSymbol = "(\"_in\" () () ((\"y\" 0 0 2 p)) (s))";
inline constexpr const char* kOutSymbol = "(\"_out\" () () ((\"a\" 0 0 0 p)) (s))";
inline constexpr const char* kIoSymbol = "(\"_io\" () () ((\"y\" 0 0 2 p)) (s))";
inline constexpr const char* kMemSymbol =
    "(\"_mem\" () () ((\"a\" -24 -8 0 p) (\"d\" -24 8 0 p) (\"q\" 24 0 2 p) (\"r\" 0 -24 3 p) "
    "(\"w\" 0 24 1 p)) (s))";

// A schematic with a few system symbols, its messages recorded.
class SchematicTest : public ::testing::Test {
 protected:
  SchematicTest() {
    RegisterDrawErrors(errors);
    RegisterListErrors(errors);
    RegisterSymbolErrors(errors);
    RegisterCircuitErrors(errors);
    RegisterConverterErrors(errors);
    for (const char* text :
         {kMemSymbol, kIoSymbol, kOutSymbol, kInSymbol, kNotSymbol, kAnd2Symbol}) {
      auto symbol = ParseSymbol(text);
      symbol->kind = 's';
      system_symbols.Add(std::move(symbol));
    }
  }

  const Symbol& SystemSymbol(const std::string& name) { return *system_symbols.Find(name); }

  // The schematic's file text.
  std::string Written(const Draw& schematic) const {
    std::ostringstream out;
    EXPECT_TRUE(schematic.Write(out));
    return out.str();
  }
  std::string Written() const { return Written(draw); }

  // Reads `text` as a schematic file into the model.
  DrawReadResult ReadText(const std::string& text) {
    std::istringstream in(text);
    return draw.ReadSections(in);
  }

  SymbolList system_symbols;
  SymbolList user_symbols;
  RecordingMessageHost host;
  ErrorTable errors;
  DrawEnvironment environment{system_symbols, user_symbols, host, errors, errors, errors};
  Draw draw{environment};
};

template <class Range>
auto Pointers(Range&& range) {
  std::vector<decltype(&*range.begin())> pointers;
  for (auto& record : range)
    pointers.push_back(&record);
  return pointers;
}

}  // namespace lumo::testing
