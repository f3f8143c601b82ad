#pragma once

#include <set>
#include <string>

namespace lumo {

// A Verilog-2001 identifier for a LumoCAD name: the name itself when it is
// a legal simple identifier and no keyword; an escaped identifier
// ("\name ") when every byte is printable ASCII; otherwise "n_" and the
// name's bytes in hexadecimal, which escaped identifiers cannot hold.
std::string VerilogIdentifier(const std::string& name);

// Hands out identifiers in one Verilog scope, none twice: a name whose
// identifier is taken gets "_2", "_3", ... appended.
class VerilogScope {
 public:
  std::string Take(const std::string& name);
  // Reserves an identifier the writer uses itself.
  void Reserve(const std::string& identifier) { used_.insert(identifier); }

 private:
  std::set<std::string> used_;
};

// A Verilog string literal holding `text`: quotes, backslashes and bytes
// outside printable ASCII as octal escapes.
std::string VerilogString(const std::string& text);

}  // namespace lumo
