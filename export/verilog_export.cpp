#include "export/verilog_export.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <vector>

#include "export/verilog_names.h"
#include "primitives/primitive_table.h"
#include "sim/value_ops.h"

namespace lumo {

namespace {

// Widths of the nets: undeclared in LumoCAD, where a value is as wide as
// its string, so they are taken from the pattern, the memory data and what
// each primitive does with its terminals. Counters count on past the width
// of what they load; they get at least this many bits.
constexpr int kCounterWidth = 16;
constexpr int kWidestNet = 64;

// Input pins of the gates and lines of the buses, in name order.
constexpr const char* kInputNames[] = {"a", "b", "c", "d", "e", "f", "g", "h"};

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Upper(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Text safe inside a // comment line.
std::string CommentText(const std::string& text) {
  std::string result = text;
  for (char& c : result)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return result;
}

// The number of bits a value needs as an unsigned number.
int BitLength(const std::string& bits) {
  for (int i = static_cast<int>(bits.size()); i > 0; --i)
    if (bits[i - 1] == '1') return i;
  return 1;
}

class Writer {
 public:
  Writer(Simulator& simulator, const VerilogOptions& options)
      : kernel_(simulator.kernel()), net_(kernel_.netlist()), options_(options) {}

  VerilogText Write();

 private:
  struct Pin {
    std::uint32_t terminal;
    std::string name;  // LumoCAD name
    std::string port;  // Verilog identifier
    PinDirection direction;
    int width = 1;
  };

  const std::string& FunctionOf(std::uint32_t element) const {
    return net_.functions[net_.elements[element].function].name;
  }
  // The signal of the element's terminal named `name`, or -1.
  int SignalAt(std::uint32_t element, const std::string& name) const {
    const Netlist::Element& e = net_.elements[element];
    for (std::uint32_t t = e.first_terminal; t < e.first_terminal + e.terminal_count; ++t)
      if (Lower(net_.terminal_names[t]) == name) return net_.terminals[t].signal;
    return -1;
  }
  int WidthAt(std::uint32_t element, const std::string& name) const {
    const int s = SignalAt(element, name);
    return s < 0 ? 1 : widths_[s];
  }
  bool AtLeast(int signal, int width);
  void InferWidths();
  std::vector<const char*> Group(std::uint32_t element) const;
  std::string Literal(const std::string& bits, int width) const;

  void CollectPins();
  void NameEverything();
  std::string Module();
  std::string Testbench();
  std::string Instance(std::uint32_t element);

  Kernel& kernel_;
  const Netlist& net_;
  const VerilogOptions& options_;
  std::vector<Event> events_;  // the queue before the run, in delivery order
  std::vector<int> widths_;
  std::vector<Pin> pins_;
  std::vector<std::string> nets_;       // per signal
  std::vector<std::string> instances_;  // per element
  std::vector<std::string> header_;     // the names' table
  std::string circuit_name_;
  std::string module_name_;
  std::string testbench_name_;
  std::int32_t io_ = -1;
};

bool Writer::AtLeast(int signal, int width) {
  if (signal < 0) return false;
  width = std::min(width, kWidestNet);
  if (widths_[signal] >= width) return false;
  widths_[signal] = width;
  return true;
}

std::vector<const char*> Writer::Group(std::uint32_t element) const {
  switch (net_.elements[element].primitive) {
    case Primitive::kNot:
      return {"a", "y"};
    case Primitive::kAnd:
    case Primitive::kNand:
    case Primitive::kOr:
    case Primitive::kNor:
    case Primitive::kExor: {
      const std::size_t n = net_.elements[element].terminal_count - 1;
      std::vector<const char*> group(kInputNames, kInputNames + n);
      group.push_back("y");
      return group;
    }
    case Primitive::kPtri:
    case Primitive::kNtri:
    case Primitive::kPtriInv:
    case Primitive::kNtriInv:
      return {"a", "y"};
    case Primitive::kCmp:
      return {"a", "b"};
    case Primitive::kRsLatch:
      return {"q", "qn", "r", "s"};
    case Primitive::kDffr:
      return {"d", "q", "qn"};
    case Primitive::kDffrs:
      return {"d", "q", "qn", "s"};
    case Primitive::kJkffr:
      return {"j", "k", "q", "qn"};
    case Primitive::kJkffrs:
    case Primitive::kJkffrs2:
      return {"j", "k", "q", "qn", "s"};
    case Primitive::kMux:
      return {"a", "b", "y"};
    case Primitive::kMem:
      return {"d", "q"};
    default:
      return {};
  }
}

void Writer::InferWidths() {
  widths_.assign(net_.signals.size(), 1);
  for (const Event& event : events_) {
    const std::int32_t signal = net_.terminals[kernel_.TerminalOf(event)].signal;
    AtLeast(signal, static_cast<int>(kernel_.values().Text(event.value).size()));
  }
  for (std::uint32_t e = 0; e < net_.elements.size(); ++e) {
    if (net_.elements[e].primitive != Primitive::kMem) continue;
    for (const auto& [key, entry] : kernel_.memories()[e]) {
      AtLeast(SignalAt(e, "a"), BitLength(entry.address));
      AtLeast(SignalAt(e, "q"), static_cast<int>(entry.value.size()));
    }
  }
  // Every rule only raises widths, and widths stop at kWidestNet: this ends.
  for (bool changed = true; changed;) {
    changed = false;
    for (std::uint32_t e = 0; e < net_.elements.size(); ++e) {
      const Netlist::Element& element = net_.elements[e];
      const std::vector<const char*> group = Group(e);
      if (!group.empty()) {
        int width = 1;
        for (const char* name : group)
          width = std::max(width, WidthAt(e, name));
        for (const char* name : group)
          changed |= AtLeast(SignalAt(e, name), width);
      }
      if (element.primitive == Primitive::kReg)
        changed |= AtLeast(SignalAt(e, "q"), WidthAt(e, "d"));
      if (element.primitive == Primitive::kCnt)
        changed |= AtLeast(SignalAt(e, "q"), std::max(kCounterWidth, WidthAt(e, "d")));
      if (element.primitive == Primitive::kLine) {
        const std::uint32_t k = element.terminal_count - 1;
        const std::string last(1, kInputNames[k - 1][0]);
        changed |= AtLeast(SignalAt(e, "y"), static_cast<int>(k - 1) + WidthAt(e, last));
        changed |= AtLeast(SignalAt(e, last), WidthAt(e, "y") - static_cast<int>(k - 1));
      }
    }
  }
}

std::string Writer::Literal(const std::string& bits, int width) const {
  if (bits == "x" || bits == "z") return "{" + std::to_string(width) + "{1'b" + bits + "}}";
  std::string msb_first(bits.rbegin(), bits.rend());
  return std::to_string(bits.size()) + "'b" + msb_first;
}

void Writer::CollectPins() {
  for (std::uint32_t e = 0; e < net_.elements.size(); ++e)
    if (net_.elements[e].io) io_ = static_cast<std::int32_t>(e);
  if (io_ < 0) return;
  circuit_name_ = net_.element_names[io_];
  const Netlist::Element& io = net_.elements[io_];
  for (std::uint32_t t = io.first_terminal; t < io.first_terminal + io.terminal_count; ++t) {
    Pin pin{t, net_.terminal_names[t], "", PinDirection::kOutput};
    const auto found = options_.pins.find(pin.name);
    if (found != options_.pins.end()) pin.direction = found->second;
    const std::int32_t s = net_.terminals[t].signal;
    pin.width = s == Netlist::kNoSignal ? 1 : widths_[s];
    pins_.push_back(pin);
  }
}

void Writer::NameEverything() {
  // The cells' modules and the testbench's own names are taken: a circuit
  // or pin named like one of them gets a suffix.
  VerilogScope modules;
  modules.Reserve("lumo_control");
  for (const PrimitiveFunction& function : kPrimitiveFunctions)
    modules.Reserve("lumo" + std::string(function.name));
  module_name_ = modules.Take(circuit_name_.empty() ? std::string("circuit") : circuit_name_);
  testbench_name_ = modules.Take(circuit_name_ + "_tb");
  VerilogScope scope;
  for (const char* taken : {"lumo_ctl", "dut", "shown", "digit"})
    scope.Reserve(taken);
  for (Pin& pin : pins_) {
    pin.port = scope.Take(pin.name);
    header_.push_back("//   port      " + pin.port + "  " + CommentText(pin.name));
  }
  nets_.assign(net_.signals.size(), {});
  for (std::size_t s = 0; s < net_.signals.size(); ++s) {
    const Netlist::Signal& signal = net_.signals[s];
    int pins_on = 0;
    const Pin* only = nullptr;
    for (std::uint32_t i = signal.first; i < signal.first + signal.count; ++i)
      for (const Pin& pin : pins_)
        if (pin.terminal == net_.signal_terminals[i].terminal) {
          ++pins_on;
          only = &pin;
        }
    // A signal with one pin is that pin's port.
    nets_[s] = pins_on == 1 ? only->port : scope.Take(net_.signal_names[s]);
    header_.push_back("//   net       " + nets_[s] + "  " + CommentText(net_.signal_names[s]));
  }
  instances_.assign(net_.elements.size(), {});
  for (std::uint32_t e = 0; e < net_.elements.size(); ++e) {
    if (net_.elements[e].io) continue;
    instances_[e] = scope.Take(net_.element_names[e]);
    header_.push_back("//   instance  " + instances_[e] + "  " +
                      CommentText(net_.element_names[e]) + " (" + FunctionOf(e) + ")");
  }
}

std::string Writer::Instance(std::uint32_t e) {
  const Netlist::Element& element = net_.elements[e];
  const std::string& function = FunctionOf(e);
  std::vector<std::string> parameters;
  auto param = [&](const std::string& name, long value) {
    parameters.push_back("." + name + "(" + std::to_string(value) + ")");
  };
  const std::vector<const char*> group = Group(e);
  int width = 1;
  for (const char* name : group)
    width = std::max(width, WidthAt(e, name));
  // Tells the cell's outputs apart in the module's one queue of changes.
  if (element.primitive != Primitive::kNone) param("ID", e);
  switch (element.primitive) {
    case Primitive::kLine: {
      const std::uint32_t k = element.terminal_count - 1;
      param("LW", WidthAt(e, std::string(1, kInputNames[k - 1][0])));
      break;
    }
    case Primitive::kReg:
    case Primitive::kCnt:
      param("W", WidthAt(e, "q"));
      param("DW", WidthAt(e, "d"));
      break;
    case Primitive::kMem:
      param("AW", WidthAt(e, "a"));
      param("W", width);
      break;
    case Primitive::kNone:
      break;
    default:
      param("W", width);
      break;
  }
  std::vector<std::string> ports;
  for (std::uint32_t p = 0; p < element.terminal_count; ++p) {
    const std::uint32_t t = element.first_terminal + p;
    const std::string name = Lower(net_.terminal_names[t]);
    const bool output =
        name == "y" || name == "q" || name == "qn" || name == "eq" || name == "gt" || name == "lt";
    if (output && element.primitive != Primitive::kLine && element.primitive != Primitive::kNone &&
        element.delays != nullptr) {
      param(Upper(name) + "0", element.delays[p].to0);
      param(Upper(name) + "1", element.delays[p].to1);
    }
    const std::int32_t s = net_.terminals[t].signal;
    // Where the terminal stands among its signal's receivers: the order in
    // which a value reaches them.
    if (!output || element.primitive == Primitive::kLine) {
      std::uint32_t rank = 0;
      if (s != Netlist::kNoSignal) rank = net_.terminals[t].route - net_.signals[s].first;
      param("R_" + name, rank);
    }
    ports.push_back("." + name + "(" + (s == Netlist::kNoSignal ? "" : nets_[s]) + ")");
  }
  std::ostringstream out;
  out << "  lumo" << function;
  if (!parameters.empty()) {
    out << " #(";
    for (std::size_t i = 0; i < parameters.size(); ++i)
      out << (i == 0 ? "" : ", ") << parameters[i];
    out << ")";
  }
  out << " " << instances_[e] << " (";
  for (std::size_t i = 0; i < ports.size(); ++i)
    out << (i == 0 ? "" : ", ") << ports[i];
  out << ");\n";
  return out.str();
}

// Counts an input's change as a delivery: what it causes is ordered after
// what the deliveries before it caused.
constexpr const char* kNextCause = "    dut.lumo_ctl.cause = dut.lumo_ctl.cause + 1;\n";

std::string Range(int width) {
  return width == 1 ? std::string() : "[" + std::to_string(width - 1) + ":0] ";
}

std::string Writer::Module() {
  std::ostringstream out;
  out << "// " << CommentText(circuit_name_) << ": written by lumo export from LumoCAD's expanded\n"
      << "// circuit. Simulate it with the cells of lumocad_cells.v. Names:\n"
      << "//   kind      Verilog  LumoCAD\n";
  for (const std::string& line : header_)
    out << line << "\n";
  out << "`timescale 1ns/1ns\n\nmodule " << module_name_ << " (";
  for (std::size_t i = 0; i < pins_.size(); ++i)
    out << (i == 0 ? "" : ", ") << pins_[i].port;
  out << ");\n";
  for (const Pin& pin : pins_) {
    const char* kind = pin.direction == PinDirection::kInput   ? "input"
                       : pin.direction == PinDirection::kInout ? "inout"
                                                               : "output";
    out << "  " << kind << " " << Range(pin.width) << pin.port << ";\n";
  }
  std::set<std::string> ports;
  for (const Pin& pin : pins_)
    ports.insert(pin.port);
  for (std::size_t s = 0; s < net_.signals.size(); ++s)
    if (ports.count(nets_[s]) == 0) out << "  wire " << Range(widths_[s]) << nets_[s] << ";\n";
  // Pins that share a signal with another pin.
  for (const Pin& pin : pins_) {
    const std::int32_t s = net_.terminals[pin.terminal].signal;
    if (s == Netlist::kNoSignal || nets_[s] == pin.port) continue;
    if (pin.direction == PinDirection::kInput)
      out << "  assign " << nets_[s] << " = " << pin.port << ";\n";
    else
      out << "  assign " << pin.port << " = " << nets_[s] << ";\n";
  }
  out << "\n  lumo_control lumo_ctl ();\n";
  for (std::uint32_t e = 0; e < net_.elements.size(); ++e)
    if (!net_.elements[e].io) out << Instance(e);
  out << "endmodule\n";
  return out.str();
}

std::string Writer::Testbench() {
  std::ostringstream out;
  const std::int32_t stop = kernel_.stop_time();
  std::int32_t longest = 0;
  for (const Netlist::Function& function : net_.functions)
    for (const Delay& delay : function.delays)
      longest = std::max({longest, delay.to0, delay.to1});

  // Settling: the first value of every pin and constant, in delivery order;
  // the constants together.
  std::vector<std::string> settle;
  std::set<std::uint32_t> seen;
  bool constants_settled = false;
  for (const Event& event : events_) {
    const std::uint32_t t = kernel_.TerminalOf(event);
    if (!seen.insert(t).second) continue;
    const std::uint32_t e = net_.terminals[t].element;
    const std::string& value = kernel_.values().Text(event.value);
    if (net_.terminals[t].signal == Netlist::kNoSignal || value == "x" || value == "z") continue;
    const std::string when = "    dut.lumo_ctl.settle_time = " + std::to_string(event.time) + ";\n";
    if (!net_.elements[e].io) {
      if (constants_settled) continue;
      constants_settled = true;
      settle.push_back(when + kNextCause + "    dut.lumo_ctl.constants = 1'b1;\n    #1;\n");
      continue;
    }
    for (const Pin& pin : pins_)
      if (pin.terminal == t && pin.direction != PinDirection::kOutput)
        settle.push_back(when + kNextCause + "    " + pin.port + " = " + Literal(value, pin.width) +
                         ";\n    #1;\n");
  }
  const long origin = static_cast<long>(settle.size()) + longest + 4;
  const std::string time = "$signed($time) - " + std::to_string(origin);
  const std::string in_run = "!dut.lumo_ctl.settle && $time <= " + std::to_string(origin + stop);

  out << "// Testbench of " << CommentText(circuit_name_)
      << ": drives the input pattern, settles the circuit before time 0\n"
      << "// as LumoCAD does, and prints every change of the outputs and recorded\n"
      << "// signals as \"name time value\". Simulation time " << origin
      << " stands for time 0.\n`timescale 1ns/1ns\n\nmodule " << testbench_name_ << ";\n";
  for (const Pin& pin : pins_) {
    if (pin.direction == PinDirection::kOutput)
      out << "  wire " << Range(pin.width) << pin.port << ";\n";
    else
      out << "  reg " << Range(pin.width) << pin.port << " = {" << pin.width << "{1'bx}};\n";
  }
  out << "\n  " << module_name_ << " dut (";
  for (std::size_t i = 0; i < pins_.size(); ++i)
    out << (i == 0 ? "" : ", ") << "." << pins_[i].port << "(" << pins_[i].port << ")";
  out << ");\n\n"
      << "  // One value as the output pattern writes it: one bit as 0, 1, x or z,\n"
      << "  // more in hexadecimal with x and z read as 0.\n"
      << "  function [8 * 16 - 1:0] shown;\n    input integer width;\n    input [255:0] v;\n"
      << "    integer i;\n    begin\n      shown = 0;\n"
      << "      // A value that is all x stands for LumoCAD's x of any width.\n"
      << "      if (width > 1 && v[63:0] === {64{1'bx}} >> (64 - width))\n"
      << "        shown[7:0] = \"x\";\n"
      << "      else if (width == 1)\n"
      << "        shown[7:0] = v[0] === 1'b0 ? \"0\" : v[0] === 1'b1 ? \"1\" : v[0] === 1'bz ? "
         "\"z\" : \"x\";\n"
      << "      else\n        for (i = 0; i < (width + 3) / 4; i = i + 1)\n"
      << "          shown[8 * i +: 8] = \"0123456789abcdef\" >> 8 * (15 - digit(v, width, i));\n"
      << "    end\n  endfunction\n"
      << "  function integer digit;  // hexadecimal digit i, bits other than 1 as 0\n"
      << "    input [255:0] v;\n    input integer width, i;\n    integer b;\n    begin\n"
      << "      digit = 0;\n      for (b = 3; b >= 0; b = b - 1)\n"
      << "        digit = digit * 2 + (4 * i + b < width && v[4 * i + b] === 1'b1);\n"
      << "    end\n  endfunction\n\n";
  // Outputs: every delivered value without x or z.
  for (const Pin& pin : pins_) {
    if (pin.direction == PinDirection::kInput) continue;
    if (net_.terminals[pin.terminal].signal == Netlist::kNoSignal) continue;
    out << "  always @(" << pin.port << ") if (" << in_run;
    if (!options_.pins_show_unknown) out << " && (^" << pin.port << ") !== 1'bx";
    // Shown, any x or z bit makes the value x: not one LumoCAD passes on.
    const std::string value = options_.pins_show_unknown
                                  ? "(^" + pin.port + ") === 1'bx ? \"x\" : shown(" +
                                        std::to_string(pin.width) + ", " + pin.port + ")"
                                  : "shown(" + std::to_string(pin.width) + ", " + pin.port + ")";
    out << ")\n    $write(\"%0s %0d %0s\\n\", " << VerilogString(circuit_name_ + "." + pin.name)
        << ", " << time << ", " << value << ");\n";
  }
  // Recorded signals: every change, x and z too.
  for (std::size_t s = 0; s < net_.signals.size(); ++s) {
    if (!net_.signals[s].save) continue;
    out << "  always @(dut." << nets_[s] << ") if (" << in_run << ")\n"
        << "    $write(\"%0s %0d %0s\\n\", " << VerilogString(net_.signal_names[s]) << ", " << time
        << ", shown(" << widths_[s] << ", dut." << nets_[s] << "));\n";
  }

  out << "\n  initial begin\n    dut.lumo_ctl.managed = 1'b1;\n    dut.lumo_ctl.ready = 0;\n"
      << "    dut.lumo_ctl.origin = " << origin << ";\n";
  if (!options_.vcd_file.empty())
    out << "    $dumpfile(" << VerilogString(options_.vcd_file) << ");\n    $dumpvars(0, "
        << testbench_name_ << ");\n";
  out << "    #1;\n";
  std::int64_t now = 1;
  for (std::uint32_t e = 0; e < net_.elements.size(); ++e) {
    if (net_.elements[e].primitive != Primitive::kMem) continue;
    const int aw = std::min(WidthAt(e, "a"), 16);
    for (const auto& [key, entry] : kernel_.memories()[e]) {
      std::uint64_t index = 0;
      for (int b = 0; b < aw && b < static_cast<int>(entry.address.size()); ++b)
        if (entry.address[b] == '1') index |= std::uint64_t{1} << b;
      out << "    dut." << instances_[e] << ".words[" << index << "] = " << Literal(entry.value, 1)
          << ";\n";
    }
  }
  out << "    // Settling before time 0.\n    dut.lumo_ctl.settle = 1'b1;\n";
  for (const std::string& step : settle)
    out << step;
  now += static_cast<std::int64_t>(settle.size());
  for (const Pin& pin : pins_)
    if (pin.direction != PinDirection::kOutput)
      out << "    " << pin.port << " = {" << pin.width << "{1'bx}};\n";
  out << "    dut.lumo_ctl.constants = 1'b0;\n    #1;\n    dut.lumo_ctl.settle = 1'b0;\n";
  now += 1;

  // The pattern, in delivery order; a value repeated on a pin passes
  // through x so that the cells see it arrive again.
  out << "    // The input pattern.\n";
  std::vector<std::string> last(pins_.size(), "x");
  bool constants_driven = false;
  for (const Event& event : events_) {
    const std::int64_t at = origin + std::int64_t{event.time};
    if (at > now) {
      // The cells deliver up to the time before; then these inputs come.
      out << "    dut.lumo_ctl.ready = " << (at - 1) << ";\n    #" << (at - now) << ";\n";
      now = at;
    }
    const std::uint32_t t = kernel_.TerminalOf(event);
    const std::uint32_t e = net_.terminals[t].element;
    const std::string& value = kernel_.values().Text(event.value);
    if (!net_.elements[e].io) {
      if (!constants_driven) out << kNextCause << "    dut.lumo_ctl.constants = 1'b1;\n    #0;\n";
      constants_driven = true;
      continue;
    }
    for (std::size_t p = 0; p < pins_.size(); ++p) {
      const Pin& pin = pins_[p];
      if (pin.terminal != t || net_.terminals[t].signal == Netlist::kNoSignal) continue;
      out << "    $write(\"%0s %0d %0s\\n\", " << VerilogString(circuit_name_ + "." + pin.name)
          << ", " << event.time << ", " << VerilogString(DisplayValue(value)) << ");\n";
      if (pin.direction == PinDirection::kOutput) continue;
      if (value == last[p])
        out << "    " << pin.port << " = {" << pin.width << "{1'bx}};\n    #0;\n";
      out << kNextCause << "    " << pin.port << " = " << Literal(value, pin.width)
          << ";\n    #0;\n";
      last[p] = value;
    }
  }
  const std::int64_t end = origin + std::int64_t{stop} + 1;
  out << "    dut.lumo_ctl.ready = 32'h7fffffff;\n";
  if (end > now) out << "    #" << (end - now) << ";\n";
  if (options_.finish) out << "    $finish;\n";
  out << "  end\nendmodule\n";
  return out.str();
}

VerilogText Writer::Write() {
  EventQueue copy = kernel_.queue();
  while (!copy.Empty())
    events_.push_back(copy.Pop());
  InferWidths();
  CollectPins();
  NameEverything();
  VerilogText text;
  text.module_name = module_name_;
  text.module = Module();
  text.testbench_name = testbench_name_;
  text.testbench = Testbench();
  return text;
}

}  // namespace

VerilogText WriteVerilog(Simulator& simulator, const VerilogOptions& options) {
  return Writer(simulator, options).Write();
}

}  // namespace lumo
