#!/usr/bin/env python3
"""Writes data/sys/LumoCAD.lib, the system symbol library.

The library is data; this script is how it is drawn. Edit the shapes here and
run it again (python3 scripts/make_symbol_library.py), then look at the result
with `lumo symbols --png`. The output is in the layout the symbol writer
produces, so reading and writing the library twice gives it back unchanged.

Conventions: terminals lie on the 4-unit grid; the body edge is 3 units from
each connection point (the stub length, and the radius of a bubble centred
on the connection point); pin names are lower case and sort into the
terminal positions of the simulator. The primitives' pins come from their
table, primitives/primitive_rows.inc, which the simulator, the circuit checks
and the symbol chooser read too: a primitive whose drawn pins differ from its
row, or a row without a symbol, stops the script before anything is written.
"""

import math
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

RIGHT, UP, LEFT, DOWN = 0, 1, 2, 3


class Symbol:
    def __init__(self, name):
        self.name = name
        self.positive = Graphics()
        self.negative = None
        self.terminals = []

    def terminal(self, name, x, y, direction, polarity="p", label=None, at=None, anchor=None):
        assert x % 4 == 0 and y % 4 == 0, (self.name, name)
        self.terminals.append((name, x, y, direction, polarity))
        if label is not None:
            for graphics in self.all_graphics():
                graphics.text(label, "t", at[0], at[1], anchor)

    def all_graphics(self):
        return [g for g in (self.positive, self.negative) if g is not None]

    def write(self, out):
        out.write('("%s"\n' % self.name)
        self.positive.write(out)
        if self.negative is None:
            out.write("  ()\n")
        else:
            self.negative.write(out)
        out.write("  (\n")
        for name, x, y, direction, polarity in self.terminals:
            out.write('  ("%s" %d %d %d %s)\n' % (name, x, y, direction, polarity))
        out.write("  )\n")
        out.write("  (s)\n")
        out.write(")\n")


class Graphics:
    def __init__(self):
        self.lines = []
        self.arcs = []
        self.texts = []

    def line(self, *points):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.lines.append((x0, y0, x1, y1))

    def arc(self, cx, cy, r, start, end):
        self.arcs.append((cx, cy, r, start % 360, end % 360 if end % 360 else 360))

    def text(self, text, kind, x, y, anchor, visible="y"):
        self.texts.append((text, visible, kind, x, y, anchor, 0))

    def extend(self, other):
        self.lines += other.lines
        self.arcs += other.arcs
        self.texts += other.texts

    def write(self, out):
        out.write("  (\n")
        for line in self.lines:
            out.write("  (l %d %d %d %d)\n" % line)
        for arc in self.arcs:
            out.write("  (a %d %d %d %d %d)\n" % arc)
        for text in self.texts:
            out.write('  (s "%s" %s %s %d %d %s %d)\n' % text)
        out.write("  )\n")


# --- the primitives' table ---------------------------------------------------

ROW = re.compile(r'LUMO_PRIMITIVE\("([^"]*)",\s*\w+,\s*\w+,\s*"[^"]*",\s*"([^"]*)"\)$')


def read_primitive_table(path):
    """{name: [(pin, role), ...]} with the pins in the table's (name) order."""
    table = {}
    with open(path) as rows:
        for number, line in enumerate(rows, 1):
            line = line.strip()
            if not line or line.startswith("//"):
                continue
            match = ROW.match(line)
            if match is None:
                sys.exit("%s:%d: not a primitive row: %s" % (path, number, line))
            name, pins = match.groups()
            table[name] = [tuple(word.rstrip("!").split("=")) for word in pins.split()]
    return table


PRIMITIVES = read_primitive_table(os.path.join(ROOT, "primitives", "primitive_rows.inc"))


def pins_of(name, role=None):
    """A primitive's pin names in name order, only those of `role` when given."""
    if name not in PRIMITIVES:
        sys.exit("%s: no row in the primitives' table" % name)
    return [pin for pin, pin_role in PRIMITIVES[name] if role in (None, pin_role)]


def check_pins(symbols):
    """Every row of the table has a symbol with exactly its pins, and every
    symbol named like a primitive (leading underscore) has a row."""
    drawn = {symbol.name: sorted(t[0].lower() for t in symbol.terminals) for symbol in symbols}
    for name in PRIMITIVES:
        if drawn.get(name) != pins_of(name):
            sys.exit("%s: drawn pins %s, the table's %s" % (name, drawn.get(name), pins_of(name)))
    for name in drawn:
        if name.startswith("_") and name not in PRIMITIVES:
            sys.exit("%s: a symbol named like a primitive without a table row" % name)


# --- gates -----------------------------------------------------------------

LEFT_EDGE = -13  # inputs at x = -16


def gate_inputs(n):
    half = 4 * n
    return half, [-half + 4 + 8 * i for i in range(n)]


def and_body(n, shift=0):
    half, _ = gate_inputs(n)
    g = Graphics()
    x = LEFT_EDGE + shift
    g.line((1 + shift, -half), (x, -half), (x, half), (1 + shift, half))
    g.arc(1 + shift, 0, half, 270, 90)
    return g


def or_back(n, shift=0):
    """The concave back of an OR body: (centre x, radius, half angle)."""
    half, _ = gate_inputs(n)
    # A circle through (-13, -half) and (-13, half) that bulges 4 units in.
    radius = (half * half + 16) / 8
    centre = LEFT_EDGE + 4 - radius
    return centre + shift, radius, math.degrees(math.atan2(half, LEFT_EDGE - centre))


def or_body(n, shift=0):
    half, _ = gate_inputs(n)
    tip = 1 + 4 * n + shift
    g = Graphics()
    centre, radius, angle = or_back(n, shift)
    g.arc(round(centre), 0, round(radius), 360 - round(angle), round(angle))
    # Each side: an arc tangent to the top (bottom) line, through the tip.
    side = {2: 13, 3: 20, 4: 26}[n]
    reach = math.sqrt(2 * side * half - half * half)
    cx = round(tip - reach)
    cy = side - half
    tip_angle = round(math.degrees(math.atan2(cy, tip - cx)))
    g.line((cx, -half), (LEFT_EDGE + shift, -half))
    g.line((cx, half), (LEFT_EDGE + shift, half))
    g.arc(cx, cy, side, tip_angle, 90)
    g.arc(cx, -cy, side, 270, 360 - tip_angle)
    return g


def or_input_lines(n, g):
    """Input wires from the stub ends to the curved back."""
    _, inputs = gate_inputs(n)
    centre, radius, _ = or_back(n)
    for y in inputs:
        x = round(centre + math.sqrt(radius * radius - y * y))
        if x > LEFT_EDGE:
            g.line((LEFT_EDGE, y), (x, y))


def xor_body(n):
    g = or_body(n, shift=4)
    centre, radius, angle = or_back(n)
    g.arc(round(centre), 0, round(radius), 360 - round(angle), round(angle))
    or_input_lines(n, g)
    return g


def xnor_mark(n):
    """An equals sign inside an XOR body: the body of an equivalence gate."""
    g = Graphics()
    x = 1 + 2 * n
    g.line((x - 3, -2), (x + 3, -2))
    g.line((x - 3, 2), (x + 3, 2))
    return g


def gate(name, n, body, negative_body, inverted, output_x):
    symbol = Symbol(name)
    half, inputs = gate_inputs(n)
    symbol.positive = body
    symbol.negative = negative_body
    for pin, y in zip(pins_of(name, "in"), inputs):
        symbol.terminal(pin, -16, y, RIGHT)
    (output,) = pins_of(name, "out")
    symbol.terminal(output, output_x, 0, LEFT, "n" if inverted else "p")
    for graphics in symbol.all_graphics():
        graphics.text("?", "e", 0, -half - 2, "d")
        graphics.text(name[1:], "f", 0, half + 2, "u")
    return symbol


def gates():
    symbols = []
    for kind in ("and", "nand", "or", "nor", "exor"):
        for n in (2, 3, 4):
            name = "_%s%d" % (kind, n)
            out = 4 + 4 * n
            if kind in ("and", "nand"):
                positive, negative = and_body(n), or_body(n)
                or_input_lines(n, negative)
            elif kind in ("or", "nor"):
                positive, negative = or_body(n), and_body(n)
                or_input_lines(n, positive)
            else:
                out += 4
                # Negated inputs and output: an odd number of inputs keeps
                # the parity function, an even number turns it into
                # equivalence.
                positive, negative = xor_body(n), xor_body(n)
                if n % 2 == 0:
                    negative.extend(xnor_mark(n))
            symbols.append(gate(name, n, positive, negative, kind in ("nand", "nor"), out))
    return symbols


def triangle():
    g = Graphics()
    g.line((-13, -8), (-13, 8), (9, 0), (-13, -8))
    return g


def inverter():
    symbol = Symbol("_not")
    symbol.positive = triangle()
    data, output = pins_of(symbol.name)
    symbol.terminal(data, -16, 0, RIGHT)
    symbol.terminal(output, 12, 0, LEFT, "n")
    symbol.positive.text("?", "e", 0, -10, "d")
    symbol.positive.text("not", "f", 0, 10, "u")
    return symbol


def tristates():
    symbols = []
    for name, active_low, inverting in (("_ptri", False, False), ("_ntri", True, False),
                                        ("_ptriinv", False, True), ("_ntriinv", True, True)):
        symbol = Symbol(name)
        symbol.positive = triangle()
        # The enable comes down onto the slanted top side.
        symbol.positive.line((-8, -9), (-8, -6))
        data, enable, output = pins_of(name)
        symbol.terminal(data, -16, 0, RIGHT)
        symbol.terminal(enable, -8, -12, DOWN, "n" if active_low else "p")
        symbol.terminal(output, 12, 0, LEFT, "n" if inverting else "p")
        symbol.positive.text("?", "e", -2, -10, "l")
        symbol.positive.text(name[1:], "f", 0, 10, "u")
        symbols.append(symbol)
    return symbols


# --- boxes -----------------------------------------------------------------

def box(l, t, r, b):
    g = Graphics()
    g.line((l, t), (r, t), (r, b), (l, b), (l, t))
    return g


def clock_mark(g, x, y):
    """The edge-triggered clock wedge on a left edge at x."""
    g.line((x, y - 4), (x + 5, y), (x, y + 4))


def flip_flop(name, left_pins, has_set, clock_falling=False, k_inverted=False):
    symbol = Symbol(name)
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    for pin, y, label in left_pins:
        if pin == "t":
            symbol.terminal("t", -24, y, RIGHT, "n" if clock_falling else "p")
            clock_mark(g, -21, y)
        else:
            polarity = "n" if (pin == "k" and k_inverted) else "p"
            symbol.terminal(pin, -24, y, RIGHT, polarity, label, (-19, y), "l")
    symbol.terminal("q", 24, -12, LEFT, "p", "Q", (19, -12), "r")
    # "/Q" rather than a bar over Q: texts are never drawn upside down, so a
    # drawn bar would end up under the letter in half of the orientations.
    symbol.terminal("qn", 24, 12, LEFT, "p", "/Q", (19, 12), "r")
    symbol.terminal("r", 0, 24, UP, "n", "R", (0, 19), "d")
    if has_set:
        symbol.terminal("s", 0, -24, DOWN, "n", "S", (0, -19), "u")
    g.text("?", "e", -13, -23, "d")
    g.text(name[1:], "f", 6, 27, "l")
    return symbol


def sequential():
    return [
        flip_flop("_dffr", [("d", -12, "D"), ("t", 12, None)], False),
        flip_flop("_dffrs", [("d", -12, "D"), ("t", 12, None)], True),
        flip_flop("_jkffr", [("j", -12, "J"), ("t", 0, None), ("k", 12, "K")], False, True),
        flip_flop("_jkffrs", [("j", -12, "J"), ("t", 0, None), ("k", 12, "K")], True, True),
        flip_flop("_jkffrs2", [("j", -12, "J"), ("t", 0, None), ("k", 12, "K")], True, False,
                  True),
    ]


def rs_latch():
    symbol = Symbol("_rslatch")
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    symbol.terminal("s", -24, -12, RIGHT, "n", "S", (-19, -12), "l")
    symbol.terminal("r", -24, 12, RIGHT, "n", "R", (-19, 12), "l")
    symbol.terminal("q", 24, -12, LEFT, "p", "Q", (19, -12), "r")
    # "/Q" rather than a bar over Q: texts are never drawn upside down, so a
    # drawn bar would end up under the letter in half of the orientations.
    symbol.terminal("qn", 24, 12, LEFT, "p", "/Q", (19, 12), "r")
    g.text("?", "e", 0, -23, "d")
    g.text("rslatch", "f", 0, 23, "u")
    return symbol


def multiplexer():
    symbol = Symbol("_mux")
    g = symbol.positive
    g.line((-13, -17), (13, -9), (13, 9), (-13, 17), (-13, -17))
    g.line((0, 17), (0, 13))
    symbol.terminal("a", -16, -8, RIGHT, "p", "0", (-11, -8), "l")
    symbol.terminal("b", -16, 8, RIGHT, "p", "1", (-11, 8), "l")
    symbol.terminal("s", 0, 20, UP)
    symbol.terminal("y", 16, 0, LEFT)
    g.text("?", "e", 0, -19, "d")
    g.text("mux", "f", 2, 4, "d")
    return symbol


def comparator():
    symbol = Symbol("_cmp")
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    symbol.terminal("a", -24, -8, RIGHT, "p", "A", (-19, -8), "l")
    symbol.terminal("b", -24, 8, RIGHT, "p", "B", (-19, 8), "l")
    symbol.terminal("gt", 24, -12, LEFT, "p", "A>B", (19, -12), "r")
    symbol.terminal("eq", 24, 0, LEFT, "p", "A=B", (19, 0), "r")
    symbol.terminal("lt", 24, 12, LEFT, "p", "A<B", (19, 12), "r")
    g.text("?", "e", 0, -23, "d")
    g.text("cmp", "f", 0, 23, "u")
    return symbol


def register():
    symbol = Symbol("_reg")
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    symbol.terminal("d", -24, -8, RIGHT, "p", "D", (-19, -8), "l")
    symbol.terminal("k", -24, 8, RIGHT)
    clock_mark(g, -21, 8)
    symbol.terminal("q", 24, -8, LEFT, "p", "Q", (19, -8), "r")
    symbol.terminal("r", 0, 24, UP, "p", "CLR", (0, 19), "d")
    g.text("?", "e", 0, -23, "d")
    g.text("reg", "f", 0, 4, "d")
    return symbol


def counter():
    symbol = Symbol("_cnt")
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    symbol.terminal("d", -24, -12, RIGHT, "p", "D", (-19, -12), "l")
    symbol.terminal("l", -24, 0, RIGHT, "p", "LD", (-19, 0), "l")
    symbol.terminal("t", -24, 12, RIGHT)
    clock_mark(g, -21, 12)
    symbol.terminal("q", 24, -12, LEFT, "p", "Q", (19, -12), "r")
    symbol.terminal("r", 0, 24, UP, "p", "CLR", (0, 19), "d")
    g.text("?", "e", 0, -23, "d")
    g.text("cnt", "f", 8, 4, "d")
    return symbol


def memory():
    symbol = Symbol("_mem")
    symbol.positive = box(-21, -21, 21, 21)
    g = symbol.positive
    symbol.terminal("a", -24, -12, RIGHT, "p", "A", (-19, -12), "l")
    symbol.terminal("d", -24, 4, RIGHT, "p", "DI", (-19, 4), "l")
    symbol.terminal("q", 24, 4, LEFT, "p", "DO", (19, 4), "r")
    symbol.terminal("r", -8, 24, UP, "p", "RD", (-8, 19), "d")
    symbol.terminal("w", 8, 24, UP, "p", "WR", (8, 19), "d")
    g.text("?", "e", 0, -23, "d")
    g.text("mem", "f", 0, -2, "d")
    return symbol


def bus_lines():
    symbols = []
    for k in range(2, 9):
        symbol = Symbol("_line%d" % k)
        g = symbol.positive
        top = -4 * (k - 1)
        *lines, bus = pins_of(symbol.name)
        for i, line in enumerate(lines):
            y = top + 8 * i
            symbol.terminal(line, -8, y, RIGHT)
            g.line((-5, y), (-1, y))
        # A heavy bar that the lines join, and a heavy bus leaving it.
        g.line((-1, top - 2), (-1, -top + 2))
        g.line((0, top - 2), (0, -top + 2))
        g.line((1, 0), (5, 0))
        g.line((1, 1), (5, 1))
        symbol.terminal(bus, 8, 0, LEFT)
        g.text("0", "t", -10, top, "r")
        g.text("?", "e", 0, top - 6, "d")
        g.text(symbol.name[1:], "f", 0, -top + 4, "u")
        symbols.append(symbol)
    return symbols


def pins():
    symbols = []
    s = Symbol("_in")
    s.positive.line((-3, 0), (-7, -4), (-19, -4), (-19, 4), (-7, 4), (-3, 0))
    (pin,) = pins_of(s.name)
    s.terminal(pin, 0, 0, LEFT)
    s.positive.text("?", "e", -11, -6, "d")
    s.positive.text("in", "f", -11, 6, "u", "n")
    symbols.append(s)

    s = Symbol("_out")
    s.positive.line((3, -4), (15, -4), (19, 0), (15, 4), (3, 4), (3, -4))
    (pin,) = pins_of(s.name)
    s.terminal(pin, 0, 0, RIGHT)
    s.positive.text("?", "e", 11, -6, "d")
    s.positive.text("out", "f", 11, 6, "u", "n")
    symbols.append(s)

    s = Symbol("_io")
    s.positive.line((-3, 0), (-7, -4), (-15, -4), (-19, 0), (-15, 4), (-7, 4), (-3, 0))
    (pin,) = pins_of(s.name)
    s.terminal(pin, 0, 0, LEFT)
    s.positive.text("?", "e", -11, -6, "d")
    s.positive.text("io", "f", -11, 6, "u", "n")
    symbols.append(s)

    s = Symbol("_0")
    s.positive.line((0, 3), (0, 6))
    s.positive.line((-6, 6), (6, 6))
    s.positive.line((-4, 8), (4, 8))
    s.positive.line((-2, 10), (2, 10))
    (pin,) = pins_of(s.name)
    s.terminal(pin, 0, 0, DOWN)
    s.positive.text("?", "e", -8, 6, "r")
    s.positive.text("0", "f", 8, 6, "l")
    symbols.append(s)

    s = Symbol("_1")
    s.positive.line((0, -3), (0, -6))
    s.positive.line((-6, -6), (6, -6))
    (pin,) = pins_of(s.name)
    s.terminal(pin, 0, 0, UP)
    s.positive.text("?", "e", -8, -6, "r")
    s.positive.text("1", "f", 8, -6, "l")
    symbols.append(s)
    return symbols


# --- the library circuits of data/sys/Parts -----------------------------------

def bus_mark(g, x, y, left):
    """A slash across a bus pin's stub."""
    g.line((x - 2, y + 3), (x + 2, y - 3))


def part(name, width_half, height_half, inputs, outputs, bottom=(), buses=()):
    symbol = Symbol(name)
    symbol.positive = box(-width_half + 3, -height_half + 3, width_half - 3, height_half - 3)
    g = symbol.positive
    for pin, y, label in inputs:
        symbol.terminal(pin, -width_half, y, RIGHT, "p", label, (-width_half + 5, y), "l")
        if pin in buses:
            bus_mark(g, -width_half + 1, y, True)
    for pin, y, label in outputs:
        symbol.terminal(pin, width_half, y, LEFT, "p", label, (width_half - 5, y), "r")
        if pin in buses:
            bus_mark(g, width_half - 1, y, False)
    for pin, x, label in bottom:
        symbol.terminal(pin, x, height_half, UP, "p", label, (x, height_half - 5), "d")
    g.text("?", "e", 0, -height_half + 1, "d")
    g.text(name, "f", 0, height_half - 1 + (4 if bottom else 0), "u")
    return symbol


def parts():
    return [
        part("half_adder", 24, 20, [("a", -8, "A"), ("b", 8, "B")],
             [("s", -8, "S"), ("c", 8, "C")]),
        part("full_adder", 24, 24, [("a", -12, "A"), ("b", 0, "B"), ("ci", 12, "CI")],
             [("s", -12, "S"), ("co", 12, "CO")]),
        part("adder4", 24, 24, [("a", -12, "A"), ("b", 0, "B"), ("ci", 12, "CI")],
             [("s", -12, "S"), ("co", 12, "CO")], buses=("a", "b", "s")),
        part("decoder2to4", 24, 32, [("a0", -8, "A0"), ("a1", 8, "A1")],
             [("y0", -24, "Y0"), ("y1", -8, "Y1"), ("y2", 8, "Y2"), ("y3", 24, "Y3")]),
        part("mux4to1", 24, 32,
             [("d0", -24, "D0"), ("d1", -12, "D1"), ("d2", 0, "D2"), ("d3", 12, "D3")],
             [("y", -4, "Y")], bottom=[("s0", -8, "S0"), ("s1", 8, "S1")]),
    ]


def library():
    symbols = pins()
    symbols.append(inverter())
    symbols += gates()
    symbols += tristates()
    symbols.append(multiplexer())
    symbols.append(comparator())
    symbols.append(rs_latch())
    symbols += sequential()
    symbols += [register(), counter(), memory()]
    symbols += bus_lines()
    symbols += parts()
    return symbols


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "sys", "LumoCAD.lib")
    symbols = library()
    check_pins(symbols)
    with open(target, "w", newline="\n") as out:
        for symbol in symbols:
            symbol.write(out)


if __name__ == "__main__":
    main()
