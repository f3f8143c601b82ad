#include <string>
#include <unordered_map>

#include "sim/netlist.h"

namespace lumo {

bool LookUpPrimitive(const std::string& function, Primitive& primitive) {
  static const std::unordered_map<std::string, Primitive> kTable = {
      {"_not", Primitive::kNot},         {"_and2", Primitive::kAnd},
      {"_and3", Primitive::kAnd},        {"_and4", Primitive::kAnd},
      {"_nand2", Primitive::kNand},      {"_nand3", Primitive::kNand},
      {"_nand4", Primitive::kNand},      {"_or2", Primitive::kOr},
      {"_or3", Primitive::kOr},          {"_or4", Primitive::kOr},
      {"_nor2", Primitive::kNor},        {"_nor3", Primitive::kNor},
      {"_nor4", Primitive::kNor},        {"_exor2", Primitive::kExor},
      {"_exor3", Primitive::kExor},      {"_exor4", Primitive::kExor},
      {"_ptri", Primitive::kPtri},       {"_ntri", Primitive::kNtri},
      {"_ptriinv", Primitive::kPtriInv}, {"_ntriinv", Primitive::kNtriInv},
      {"_cmp", Primitive::kCmp},         {"_rslatch", Primitive::kRsLatch},
      {"_dffr", Primitive::kDffr},       {"_dffrs", Primitive::kDffrs},
      {"_jkffr", Primitive::kJkffr},     {"_jkffrs", Primitive::kJkffrs},
      {"_jkffrs2", Primitive::kJkffrs2}, {"_mux", Primitive::kMux},
      {"_line2", Primitive::kLine},      {"_line3", Primitive::kLine},
      {"_line4", Primitive::kLine},      {"_line5", Primitive::kLine},
      {"_line6", Primitive::kLine},      {"_line7", Primitive::kLine},
      {"_line8", Primitive::kLine},      {"_reg", Primitive::kReg},
      {"_cnt", Primitive::kCnt},         {"_mem", Primitive::kMem},
      {"_0", Primitive::kNone},          {"_1", Primitive::kNone},
  };
  const auto found = kTable.find(function);
  if (found == kTable.end()) return false;
  primitive = found->second;
  return true;
}

int TerminalsOf(Primitive primitive, const std::string& function) {
  // Gates end in their input count: "_and3" has three inputs and an output.
  const int inputs = function.empty() ? 0 : function.back() - '0';
  switch (primitive) {
    case Primitive::kNone:
      return 0;
    case Primitive::kNot:
      return 2;
    case Primitive::kAnd:
    case Primitive::kNand:
    case Primitive::kOr:
    case Primitive::kNor:
    case Primitive::kExor:
    case Primitive::kLine:
      return inputs + 1;
    case Primitive::kPtri:
    case Primitive::kNtri:
    case Primitive::kPtriInv:
    case Primitive::kNtriInv:
      return 3;
    case Primitive::kRsLatch:
    case Primitive::kMux:
    case Primitive::kReg:
      return 4;
    case Primitive::kCmp:
    case Primitive::kDffr:
    case Primitive::kCnt:
    case Primitive::kMem:
      return 5;
    case Primitive::kDffrs:
    case Primitive::kJkffr:
      return 6;
    case Primitive::kJkffrs:
    case Primitive::kJkffrs2:
      return 7;
  }
  return 0;
}

}  // namespace lumo
