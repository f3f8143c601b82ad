#include "export/verilog_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace lumo {

namespace {

// Verilog-2001 keywords, sorted.
constexpr std::array<std::string_view, 123> kKeywords = {
    "always",
    "and",
    "assign",
    "automatic",
    "begin",
    "buf",
    "bufif0",
    "bufif1",
    "case",
    "casex",
    "casez",
    "cell",
    "cmos",
    "config",
    "deassign",
    "default",
    "defparam",
    "design",
    "disable",
    "edge",
    "else",
    "end",
    "endcase",
    "endconfig",
    "endfunction",
    "endgenerate",
    "endmodule",
    "endprimitive",
    "endspecify",
    "endtable",
    "endtask",
    "event",
    "for",
    "force",
    "forever",
    "fork",
    "function",
    "generate",
    "genvar",
    "highz0",
    "highz1",
    "if",
    "ifnone",
    "incdir",
    "include",
    "initial",
    "inout",
    "input",
    "instance",
    "integer",
    "join",
    "large",
    "liblist",
    "library",
    "localparam",
    "macromodule",
    "medium",
    "module",
    "nand",
    "negedge",
    "nmos",
    "nor",
    "noshowcancelled",
    "not",
    "notif0",
    "notif1",
    "or",
    "output",
    "parameter",
    "pmos",
    "posedge",
    "primitive",
    "pull0",
    "pull1",
    "pulldown",
    "pullup",
    "pulsestyle_ondetect",
    "pulsestyle_onevent",
    "rcmos",
    "real",
    "realtime",
    "reg",
    "release",
    "repeat",
    "rnmos",
    "rpmos",
    "rtran",
    "rtranif0",
    "rtranif1",
    "scalared",
    "showcancelled",
    "signed",
    "small",
    "specify",
    "specparam",
    "strong0",
    "strong1",
    "supply0",
    "supply1",
    "table",
    "task",
    "time",
    "tran",
    "tranif0",
    "tranif1",
    "tri",
    "tri0",
    "tri1",
    "triand",
    "trior",
    "trireg",
    "unsigned",
    "use",
    "vectored",
    "wait",
    "wand",
    "weak0",
    "weak1",
    "while",
    "wire",
    "wor",
    "xnor",
    "xor",
};

bool IsKeyword(std::string_view name) {
  return std::find(kKeywords.begin(), kKeywords.end(), name) != kKeywords.end();
}

bool IsSimple(const std::string& name) {
  if (name.empty()) return false;
  const auto c0 = static_cast<unsigned char>(name[0]);
  if (!(std::isalpha(c0) != 0 || c0 == '_')) return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (!(u < 0x80 && (std::isalnum(u) != 0 || u == '_' || u == '$'))) return false;
  }
  return !IsKeyword(name);
}

bool IsPrintable(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7f;
  });
}

std::string Hex(const std::string& name) {
  std::string result = "n_";
  char digits[3];
  for (const char c : name) {
    std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
    result += digits;
  }
  return result;
}

// The bare text of an identifier, without an escape's backslash and blank.
std::string Bare(const std::string& name) {
  if (IsSimple(name)) return name;
  if (IsPrintable(name)) return name;
  return Hex(name);
}

std::string Spell(const std::string& bare) {
  if (IsSimple(bare)) return bare;
  return "\\" + bare + " ";
}

}  // namespace

std::string VerilogIdentifier(const std::string& name) {
  return Spell(Bare(name));
}

std::string VerilogScope::Take(const std::string& name) {
  const std::string bare = Bare(name);
  std::string candidate = bare;
  for (int n = 2; used_.count(Spell(candidate)) != 0; ++n)
    candidate = bare + "_" + std::to_string(n);
  std::string spelled = Spell(candidate);
  used_.insert(spelled);
  return spelled;
}

std::string VerilogString(const std::string& text) {
  std::string result = "\"";
  char escape[8];
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7f || c == '"' || c == '\\') {
      std::snprintf(escape, sizeof escape, "\\%03o", u);
      result += escape;
    } else {
      result += c;
    }
  }
  return result + "\"";
}

}  // namespace lumo
