// The evaluators of the combinational and sequential primitives. Every one
// finds its terminals by position in name order, keeps no state of its own
// (all state is in the terminal values) and schedules only changed outputs.

#include <string>

#include "primitives/primitive_table.h"
#include "sim/gate_fast_path.h"
#include "sim/kernel.h"
#include "sim/storage_models.h"
#include "sim/value_ops.h"

namespace lumo {

namespace {

// Everything one evaluation needs: the element, where the value arrived,
// and shorthands for reading and driving terminals by position.
struct Arrival {
  Kernel& kernel;
  std::uint32_t element;
  std::uint32_t first;  // the element's first terminal
  std::uint32_t position;
  ValueId value;
  std::int32_t time;

  ValueId At(std::uint32_t p) const { return kernel.Value(first + p); }
  const std::string& TextAt(std::uint32_t p) const { return kernel.Text(first + p); }
  void Store() const { kernel.SetValue(first + position, value); }
  void Drive(std::uint32_t p, ValueId v) const { kernel.Drive(element, p, v, time); }
  void Drive(std::uint32_t p, const std::string& v) const {
    kernel.Drive(element, p, kernel.values().Intern(v), time);
  }
  int Collision() const { return kernel.OutputCollision(first + position, value, time); }
};

int Gate(const Arrival& a, Primitive primitive, std::uint32_t inputs) {
  if (a.position == inputs) return a.Collision();
  const Netlist::Element& e = a.kernel.netlist().elements[a.element];
  const int one_bit = EvaluateOneBitGate(a.kernel, a.first, e.terminal_count, primitive,
                                         e.delays[inputs], a.first + a.position, a.value, a.time);
  if (one_bit >= 0) return one_bit;
  a.Store();
  // Wider values: fold from the first input; NAND and NOR invert only at
  // the last step.
  std::string result = a.TextAt(0);
  if (primitive == Primitive::kNot) {
    a.Drive(inputs, NotBits(result));
    return 1;
  }
  for (std::uint32_t p = 1; p < inputs; ++p) {
    const std::string& next = a.TextAt(p);
    const bool last = p + 1 == inputs;
    switch (primitive) {
      case Primitive::kAnd:
        result = AndBits(result, next);
        break;
      case Primitive::kNand:
        result = last ? NandBits(result, next) : AndBits(result, next);
        break;
      case Primitive::kOr:
        result = OrBits(result, next);
        break;
      case Primitive::kNor:
        result = last ? NorBits(result, next) : OrBits(result, next);
        break;
      default:
        result = ExorBits(result, next);
        break;
    }
  }
  a.Drive(inputs, result);
  return 1;
}

// Data 0, enable 1, output 2. Outputs may share a signal: an event there is
// ignored.
int Tristate(const Arrival& a, Primitive primitive) {
  if (a.position == 2) return 1;
  a.Store();
  const bool active_high = primitive == Primitive::kPtri || primitive == Primitive::kPtriInv;
  const bool inverting = primitive == Primitive::kPtriInv || primitive == Primitive::kNtriInv;
  const ValueId enable = a.At(1);
  auto pass = [&] {
    if (inverting)
      a.Drive(2, NotBits(a.TextAt(0)));
    else
      a.Drive(2, a.At(0));
  };
  auto release = [&] { a.Drive(2, std::string(a.TextAt(0).size(), 'z')); };
  if (a.position == 0) {
    if (active_high ? enable == kValue1 : (enable == kValue0 || enable == kValueX)) pass();
    return 1;
  }
  if (active_high) {
    if (enable == kValue1)
      pass();
    else
      release();
  } else if (enable == kValue0 || enable == kValueX) {
    pass();
  } else if (enable == kValue1) {
    release();
  }
  return 1;
}

// A 0, B 1; outputs A=B 2, A>B 3, A<B 4.
int Comparator(const Arrival& a) {
  if (a.position >= 2) return a.Collision();
  a.Store();
  const std::string& x = a.TextAt(0);
  const std::string& y = a.TextAt(1);
  int decided = 0;  // 1: A greater, -1: A smaller
  for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
    const bool xi = x[i] == '1', yi = y[i] == '1';
    if (xi != yi) decided = xi ? 1 : -1;
  }
  a.Drive(3, decided == 1 ? kValue1 : kValue0);
  a.Drive(2, decided == 0 ? kValue1 : kValue0);
  a.Drive(4, decided == -1 ? kValue1 : kValue0);
  return 1;
}

char OldBit(const std::string& old, std::size_t i) {
  return i < old.size() ? old[i] : 'x';
}

// Q at `q`, inverted Q right after it: Q is driven, then its inverse.
void DriveQ(const Arrival& a, std::uint32_t q, const std::string& next) {
  if (a.kernel.Text(a.first + q) == next) return;
  a.Drive(q, next);
  a.Drive(q + 1, NotBits(next));
}

// Q 0, inverted Q 1, reset 2, set 3; both inputs active at 0.
int RsLatch(const Arrival& a) {
  if (a.position < 2) return a.Collision();
  a.Store();
  const std::string r = NotBits(a.TextAt(2));
  const std::string s = NotBits(a.TextAt(3));
  const std::string& old = a.TextAt(0);
  std::string next(std::min(r.size(), s.size()), '0');
  for (std::size_t i = 0; i < next.size(); ++i) {
    const bool reset = r[i] == '1', set = s[i] == '1';
    next[i] = reset && !set ? '0' : set && !reset ? '1' : OldBit(old, i);
  }
  DriveQ(a, 0, next);
  return 1;
}

// D 0, Q 1, inverted Q 2, reset 3, then set 4 (with set) and the clock.
int DFlipFlop(const Arrival& a, bool with_set) {
  const std::uint32_t clock = with_set ? 5 : 4;
  if (a.position == 1 || a.position == 2) return a.Collision();
  a.Store();
  if (a.position == 0) return 1;
  const std::string& d = a.TextAt(0);
  const std::string& set = with_set ? a.TextAt(4) : d;
  const std::string& old = a.TextAt(1);
  const bool reset = a.TextAt(3)[0] != '1';
  const bool clocked = a.TextAt(clock)[0] == '1';
  std::string next(with_set ? std::min(d.size(), set.size()) : d.size(), '0');
  for (std::size_t i = 0; i < next.size(); ++i) {
    if (reset)
      next[i] = '0';
    else if (with_set && set[i] != '1')
      next[i] = '1';
    else if (clocked && (d[i] == '0' || d[i] == '1'))
      next[i] = d[i];
    else
      next[i] = OldBit(old, i);
  }
  DriveQ(a, 1, next);
  return 1;
}

// J 0, K 1, Q 2, inverted Q 3, reset 4, then set 5 (with set) and the clock.
int JkFlipFlop(const Arrival& a, Primitive primitive) {
  const bool with_set = primitive != Primitive::kJkffr;
  const std::uint32_t clock = with_set ? 6 : 5;
  if (a.position == 2 || a.position == 3) return a.Collision();
  a.Store();
  if (a.position < 2) return 1;
  const std::string& j = a.TextAt(0);
  const std::string k = primitive == Primitive::kJkffrs2 ? NotBits(a.TextAt(1)) : a.TextAt(1);
  const std::string& old = a.TextAt(2);
  std::size_t width = std::min(j.size(), k.size());
  if (with_set) width = std::min(width, a.TextAt(5).size());
  const bool reset = a.TextAt(4)[0] != '1';
  const char clock_bit = a.TextAt(clock)[0];
  const bool clocked = primitive == Primitive::kJkffrs2 ? clock_bit == '1' : clock_bit != '1';
  std::string next(width, '0');
  for (std::size_t i = 0; i < width; ++i) {
    const char keep = OldBit(old, i);
    if (reset) {
      next[i] = '0';
    } else if (with_set && a.TextAt(5)[i] != '1') {
      next[i] = '1';
    } else if (!clocked) {
      next[i] = keep;
    } else if ((j[i] != '0' && j[i] != '1') || (k[i] != '0' && k[i] != '1')) {
      next[i] = keep;
    } else if (j[i] == '0') {
      next[i] = k[i] == '0' ? keep : '0';
    } else {
      next[i] = k[i] == '0' ? '1' : keep == '1' ? '0' : '1';
    }
  }
  DriveQ(a, 2, next);
  return 1;
}

// Input 0 at 0, input 1 at 1, select 2, output 3.
int Multiplexer(const Arrival& a) {
  if (a.position == 3) return a.Collision();
  a.Store();
  const ValueId select = a.At(2);
  if (a.position == 0) {
    if (select == kValue0 || select == kValueX) a.Drive(3, a.At(0));
  } else if (a.position == 1) {
    if (select == kValue1 || select == kValueX) a.Drive(3, a.At(1));
  } else {
    a.Drive(3, select == kValue0 ? a.At(0) : a.At(1));
  }
  return 1;
}

// Lines at 0..k-1 (line 1 holds the lowest bit), the bus at k. No delay, in
// both directions.
int Bus(const Arrival& a) {
  const std::uint32_t k = a.kernel.netlist().elements[a.element].terminal_count - 1;
  a.Store();
  auto set_now = [&](std::uint32_t p, ValueId v) {
    if (a.At(p) != v) a.kernel.Schedule(a.first + p, v, a.time, 0);
  };
  ValueTable& values = a.kernel.values();
  if (a.position == k) {
    std::string bus = a.TextAt(k);
    for (char& c : bus)
      if (c == 'x' || c == 'z') c = '0';
    for (std::uint32_t line = 0; line + 1 < k; ++line)
      set_now(line, line < bus.size() ? values.Intern(bus.substr(line, 1)) : kValue0);
    set_now(k - 1, k - 1 < bus.size() ? values.Intern(bus.substr(k - 1)) : kValue0);
    return 1;
  }
  std::string bus;
  for (std::uint32_t line = 0; line < k; ++line)
    bus += a.TextAt(line);
  set_now(k, values.Intern(bus));
  return 1;
}

}  // namespace

int Evaluate(Kernel& kernel, std::uint32_t terminal, ValueId value, std::int32_t time) {
  const Netlist& netlist = kernel.netlist();
  const std::uint32_t element = netlist.terminals[terminal].element;
  const Netlist::Element& e = netlist.elements[element];
  if (e.primitive == Primitive::kNone) return 1;
  if (kernel.initial_phase() && !ActsWhileSettling(e.primitive)) return 1;
  const Arrival a{kernel, element, e.first_terminal, terminal - e.first_terminal, value, time};
  switch (e.primitive) {
    case Primitive::kNot:
    case Primitive::kAnd:
    case Primitive::kNand:
    case Primitive::kOr:
    case Primitive::kNor:
    case Primitive::kExor:
      return Gate(a, e.primitive, e.terminal_count - 1);
    case Primitive::kPtri:
    case Primitive::kNtri:
    case Primitive::kPtriInv:
    case Primitive::kNtriInv:
      return Tristate(a, e.primitive);
    case Primitive::kCmp:
      return Comparator(a);
    case Primitive::kRsLatch:
      return RsLatch(a);
    case Primitive::kDffr:
      return DFlipFlop(a, false);
    case Primitive::kDffrs:
      return DFlipFlop(a, true);
    case Primitive::kJkffr:
    case Primitive::kJkffrs:
    case Primitive::kJkffrs2:
      return JkFlipFlop(a, e.primitive);
    case Primitive::kMux:
      return Multiplexer(a);
    case Primitive::kLine:
      return Bus(a);
    case Primitive::kReg:
      return Register(kernel, element, a.position, value, time);
    case Primitive::kCnt:
      return Counter(kernel, element, a.position, value, time);
    case Primitive::kMem:
      return Memory(kernel, element, a.position, value, time);
    case Primitive::kNone:
      break;
  }
  return 1;
}

}  // namespace lumo
