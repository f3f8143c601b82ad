#include "symbol/symbol_label.h"

namespace lumo {

std::string ChooserLabel(std::string_view symbol_name) {
  struct Entry {
    std::string_view name;
    std::string_view label;
  };
  static constexpr Entry kLabels[] = {
      {"_not", "inverter"},    {"_and2", "and2"},      {"_and3", "and3"},    {"_and4", "and4"},
      {"_nand2", "nand2"},     {"_nand3", "nand3"},    {"_nand4", "nand4"},  {"_or2", "or2"},
      {"_or3", "or3"},         {"_or4", "or4"},        {"_nor2", "nor2"},    {"_nor3", "nor3"},
      {"_nor4", "nor4"},       {"_exor2", "exor2"},    {"_exor3", "exor3"},  {"_exor4", "exor4"},
      {"_cmp", "comparator"},  {"_rsff", "rslatch"},   {"_dffr", "dff"},     {"_dffrs", "dff"},
      {"_jkffr", "jkff"},      {"_jkffrs", "jkff"},    {"_jkffrs2", "jkff"}, {"_reg", "register"},
      {"_mux", "multiplexer"}, {"_cnt", "counter"},    {"_ptri", "3state"},  {"_ntri", "3state"},
      {"_ptriinv", "3state"},  {"_ntriinv", "3state"}, {"_line2", "line2"},  {"_line3", "line3"},
      {"_line4", "line4"},     {"_line5", "line5"},    {"_line6", "line6"},  {"_line7", "line7"},
      {"_line8", "line8"},     {"_mem", "memory"},     {"_0", "0"},          {"_1", "1"},
  };
  for (const Entry& entry : kLabels)
    if (entry.name == symbol_name) return std::string(entry.label);
  if (!symbol_name.empty() && symbol_name.front() == '_') symbol_name.remove_prefix(1);
  return std::string(symbol_name);
}

}  // namespace lumo
