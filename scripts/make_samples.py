#!/usr/bin/env python3
"""Draws the library circuits (data/sys/Parts) and the sample working folder
(data/sample): schematics (.ldr), their input patterns (<title>[0].lpt) and
the samples' user symbol (.lsy).

    python3 scripts/make_samples.py [--lumo build/release/tools/lumo/lumo]

With --lumo the circuit files that must ship beside the schematics (every
library circuit, and the samples' sub-circuits that other samples use) are
converted with `lumo convert` as well. The tests convert every schematic
again and compare, so run this after any change to a drawing here.

Every element sits on the 4-unit grid and every line runs from pin to pin;
the sheet refuses a drawing whose lines touch where they should not (see
schematic_sheet.py). Inputs come in from the left, outputs leave to the
right.
"""

import argparse
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from schematic_sheet import (  # noqa: E402
    LEFT,
    RIGHT,
    Pattern,
    Sheet,
    UserSymbol,
    read_symbols,
    write_text,
)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SYSTEM = os.path.join(ROOT, "data", "sys")
PARTS = os.path.join(SYSTEM, "Parts")
SAMPLE = os.path.join(ROOT, "data", "sample")

MIRRORED = 4  # orientation code: the left-right mirror image


def pins_in(sheet, names, x, ys):
    return {name: sheet.place("_in", name, x, y) for name, y in zip(names, ys)}


def pins_out(sheet, names, x, ys):
    return {name: sheet.place("_out", name, x, y) for name, y in zip(names, ys)}


# --- library circuits --------------------------------------------------------


def half_adder(symbols):
    s = Sheet("half_adder", symbols)
    x1 = s.place("_exor2", "X1", 136, 56)
    g1 = s.place("_and2", "G1", 136, 112)
    i = pins_in(s, ["a", "b"], 40, [52, 116])
    o = pins_out(s, ["s", "c"], 192, [56, 112])
    s.wire("a", (i["a"], "y"), (x1, "a"))
    s.wire("a", (80, 52), (80, 108), (g1, "a"))
    s.wire("b", (i["b"], "y"), (g1, "b"))
    s.wire("b", (96, 116), (96, 60), (x1, "b"))
    s.wire("s", (x1, "y"), (o["s"], "a"))
    s.wire("c", (g1, "y"), (o["c"], "a"))
    return s


def full_adder(symbols):
    """Two half adders and an OR gate."""
    s = Sheet("full_adder", symbols)
    h1 = s.place("half_adder", "H1", 120, 72)
    h2 = s.place("half_adder", "H2", 232, 88)
    g1 = s.place("_or2", "G1", 328, 132)
    i = pins_in(s, ["a", "b", "ci"], 40, [64, 80, 144])
    o = pins_out(s, ["s", "co"], 384, [80, 132])
    s.wire("a", (i["a"], "y"), (h1, "a"))
    s.wire("b", (i["b"], "y"), (h1, "b"))
    s.wire("s1", (h1, "s"), (192, 64), (192, 80), (h2, "a"), name="S1")
    s.wire("ci", (i["ci"], "y"), (176, 144), (176, 96), (h2, "b"))
    s.wire("c1", (h1, "c"), (160, 80), (160, 128), (g1, "a"), name="C1")
    s.wire("c2", (h2, "c"), (280, 96), (280, 136), (g1, "b"), name="C2")
    s.wire("s", (h2, "s"), (o["s"], "a"))
    s.wire("co", (g1, "y"), (o["co"], "a"))
    return s


def adder_stack(symbols, title, names):
    """Four full adders in a ripple-carry stack, bit 0 at the top; the
    operand buses are split by _line4 above and below the stack, the sum
    merged by a _line4 on the right."""
    a_name, b_name, ci_name, s_name, co_name = names
    s = Sheet(title, symbols)
    ys = [96 + 96 * k for k in range(4)]
    fa = [s.place("full_adder", "FA%d" % k, 240, y) for k, y in enumerate(ys)]
    split_a = s.place("_line4", "SA", 88, 48, MIRRORED)
    split_b = s.place("_line4", "SB", 88, 456, MIRRORED)
    merge_s = s.place("_line4", "SS", 336, 240)
    i = pins_in(s, [a_name, b_name, ci_name], 40, [48, 456, ys[0] + 12])
    o = pins_out(s, [s_name, co_name], 384, [240, ys[3] + 12])
    s.wire("A", (i[a_name], "y"), (split_a, "y"))
    s.wire("B", (i[b_name], "y"), (split_b, "y"))
    s.wire("S", (merge_s, "y"), (o[s_name], "a"))
    lines = "abcd"
    for k in range(4):
        y = ys[k]
        ax = 184 - 8 * k
        s.wire("a%d" % k, (split_a, lines[k]), (ax, 36 + 8 * k), (ax, y - 12), (fa[k], "a"))
        bx = 120 + 8 * k
        s.wire("b%d" % k, (split_b, lines[k]), (bx, 444 + 8 * k), (bx, y), (fa[k], "b"))
        sx = [304, 296, 296, 304][k]
        s.wire("s%d" % k, (fa[k], "s"), (sx, y - 12), (sx, 228 + 8 * k), (merge_s, lines[k]))
        if k < 3:
            carry = "C%d" % (k + 1)
            s.wire(carry, (fa[k], "co"), (280, y + 12), (280, y + 48), (200, y + 48),
                   (200, ys[k + 1] + 12), (fa[k + 1], "ci"), name=carry)
    s.wire("ci", (i[ci_name], "y"), (fa[0], "ci"))
    s.wire("co", (fa[3], "co"), (o[co_name], "a"))
    return s


def decoder2to4(symbols):
    s = Sheet("decoder2to4", symbols)
    n0 = s.place("_not", "N0", 104, 48)
    n1 = s.place("_not", "N1", 104, 80)
    gates = [s.place("_and2", "G%d" % k, 240, 128 + 48 * k) for k in range(4)]
    i = pins_in(s, ["a0", "a1"], 40, [48, 80])
    o = pins_out(s, ["y0", "y1", "y2", "y3"], 296, [128 + 48 * k for k in range(4)])
    # Four rails: a0, /a0, a1, /a1; gate k takes bit 1 on its a, bit 0 on b.
    rails = {"a0": 72, "na0": 152, "a1": 64, "na1": 168}
    bottom = {name: 0 for name in rails}
    for k, gate in enumerate(gates):
        high = "a1" if k & 2 else "na1"
        low = "a0" if k & 1 else "na0"
        for rail, pin in ((high, "a"), (low, "b")):
            x, y = rails[rail], gate.p(pin)[1]
            s.wire(rail, (x, y), (gate, pin))
            bottom[rail] = max(bottom[rail], y)
    s.wire("a0", (i["a0"], "y"), (n0, "a"))
    s.wire("a0", (72, 48), (72, bottom["a0"]))
    s.wire("a1", (i["a1"], "y"), (n1, "a"))
    s.wire("a1", (64, 80), (64, bottom["a1"]))
    s.wire("na0", (n0, "y"), (152, 48), (152, bottom["na0"]), name="NA0")
    s.wire("na1", (n1, "y"), (168, 80), (168, bottom["na1"]), name="NA1")
    for k, gate in enumerate(gates):
        s.wire("y%d" % k, (gate, "y"), (o["y%d" % k], "a"))
    return s


def mux4to1(symbols):
    """A tree of three 2-to-1 multiplexers."""
    s = Sheet("mux4to1", symbols)
    m0 = s.place("_mux", "M0", 120, 64)
    m1 = s.place("_mux", "M1", 120, 144)
    m2 = s.place("_mux", "M2", 216, 104)
    i = pins_in(s, ["d0", "d1", "d2", "d3", "s0", "s1"], 40, [56, 72, 136, 152, 184, 200])
    o = pins_out(s, ["y"], 272, [104])
    for name, mux, pin in (("d0", m0, "a"), ("d1", m0, "b"), ("d2", m1, "a"), ("d3", m1, "b")):
        s.wire(name, (i[name], "y"), (mux, pin))
    s.wire("s0", (i["s0"], "y"), (120, 184), (m1, "s"))
    s.wire("s0", (m0, "s"), (120, 104), (160, 104), (160, 184), (120, 184))
    s.wire("s1", (i["s1"], "y"), (216, 200), (m2, "s"))
    s.wire("m0", (m0, "y"), (176, 64), (176, 96), (m2, "a"))
    s.wire("m1", (m1, "y"), (184, 144), (184, 112), (m2, "b"))
    s.wire("y", (m2, "y"), (o["y"], "a"))
    return s


def parts(symbols):
    return [
        half_adder(symbols),
        full_adder(symbols),
        adder_stack(symbols, "adder4", ["a", "b", "ci", "s", "co"]),
        decoder2to4(symbols),
        mux4to1(symbols),
    ]


# --- samples -----------------------------------------------------------------


def fulladd(symbols):
    """A full adder from gates: S = A xor B xor CI, CO = A.B + (A xor B).CI."""
    s = Sheet("fulladd", symbols)
    x1 = s.place("_exor2", "X1", 136, 64)
    x2 = s.place("_exor2", "X2", 232, 68)
    g1 = s.place("_and2", "G1", 136, 160)
    g2 = s.place("_and2", "G2", 232, 128)
    o1 = s.place("_or2", "O1", 312, 132)
    i = pins_in(s, ["A", "B", "CI"], 40, [60, 84, 192])
    o = pins_out(s, ["S", "CO"], 368, [68, 132])
    s.wire("A", (i["A"], "y"), (x1, "a"))
    s.wire("A", (88, 60), (88, 156), (g1, "a"))
    s.wire("B", (i["B"], "y"), (104, 84), (104, 68), (x1, "b"))
    s.wire("B", (104, 84), (104, 164), (g1, "b"))
    s.wire("t", (x1, "y"), (x2, "a"), name="T")
    s.wire("t", (184, 64), (184, 124), (g2, "a"))
    s.wire("CI", (i["CI"], "y"), (200, 192), (200, 132), (g2, "b"))
    s.wire("CI", (200, 132), (200, 72), (x2, "b"))
    s.wire("g", (g1, "y"), (280, 160), (280, 136), (o1, "b"), name="AB")
    s.wire("p", (g2, "y"), (o1, "a"), name="TC")
    s.wire("S", (x2, "y"), (o["S"], "a"))
    s.wire("CO", (o1, "y"), (o["CO"], "a"))
    return s


def fulladd_pattern():
    """The eight rows of the truth table, CI changing fastest."""
    p = Pattern()
    for k in range(8):
        t = 50 * k
        for name, bit in (("A", 4), ("B", 2), ("CI", 1)):
            if k == 0 or (k & bit) != ((k - 1) & bit):
                p.set(name, t, 1 if k & bit else 0)
    return p


def add4_pattern():
    """Sums a class can check by hand, with the carries that matter."""
    cases = [(0, 0, 0), (1, 1, 0), (3, 5, 0), (7, 8, 0), (9, 6, 1), (15, 1, 0), (10, 5, 0),
             (12, 12, 0), (8, 8, 0), (6, 9, 1), (2, 3, 1), (4, 11, 0), (14, 3, 0), (5, 5, 1),
             (15, 15, 0), (15, 15, 1)]
    p = Pattern()
    last = None
    for k, case in enumerate(cases):
        for name, value, old in zip(("A", "B", "CI"), case, last or (None,) * 3):
            if value != old:
                p.set(name, 50 * k, "%x" % value)
        last = case
    return p


def counter4(symbols):
    """A synchronous 4-bit counter from JK flip-flops: each flip-flop toggles
    on the falling clock edge when every lower bit is 1."""
    s = Sheet("counter4", symbols)
    xs = [160 + 160 * k for k in range(4)]
    y = 152
    ff = [s.place("_jkffr", "FF%d" % k, x, y) for k, x in enumerate(xs)]
    one = s.place("_1", "HI", 120, 116)
    g1 = s.place("_and2", "G1", 424, 96)
    g2 = s.place("_and2", "G2", 584, 96)
    i = pins_in(s, ["CLK", "nRST"], 40, [200, 216])
    rows = [24, 40, 56, 72]
    o = pins_out(s, ["Q0", "Q1", "Q2", "Q3"], 752, rows)
    # J and K of each flip-flop are tied together.
    enables = ["one", "Q0", "J2", "J3"]
    for k, x in enumerate(xs):
        tie = x - 40
        s.wire(enables[k], (tie, y - 12), (ff[k], "j"))
        s.wire(enables[k], (tie, y - 12), (tie, y + 12), (ff[k], "k"))
        s.wire("CLK", (x - 32, 200), (x - 32, y), (ff[k], "t"))
        s.wire("nRST", (x, 216), (ff[k], "r"))
    s.wire("one", (one, "y"), (120, 140))
    s.wire("CLK", (i["CLK"], "y"), (xs[3] - 32, 200))
    s.wire("nRST", (i["nRST"], "y"), (xs[3], 216))
    # Q0 drives J1/K1 directly and the first AND gate.
    s.wire("Q0", (ff[0], "q"), (280, 140))
    s.wire("Q0", (200, 140), (200, rows[0]), (o["Q0"], "a"))
    s.wire("Q0", (200, 92), (g1, "a"))
    s.wire("Q1", (ff[1], "q"), (360, 140), (360, rows[1]), (o["Q1"], "a"))
    s.wire("Q1", (360, 100), (g1, "b"))
    s.wire("J2", (g1, "y"), (440, 96), (440, 140), name="J2")
    s.wire("J2", (440, 96), (440, 92), (g2, "a"))
    s.wire("Q2", (ff[2], "q"), (520, 140), (520, rows[2]), (o["Q2"], "a"))
    s.wire("Q2", (520, 100), (g2, "b"))
    s.wire("J3", (g2, "y"), (600, 96), (600, 140), name="J3")
    s.wire("Q3", (ff[3], "q"), (680, 140), (680, rows[3]), (o["Q3"], "a"))
    return s


def counter4_pattern():
    """Reset, then twenty falling clock edges: the count wraps after 15."""
    p = Pattern()
    p.waveform("nRST", [(0, 0), (20, 1)])
    p.set("CLK", 0, 1)
    for k in range(20):
        p.set("CLK", 40 + 40 * k, 0)
        p.set("CLK", 60 + 40 * k, 1)
    return p


def regmem(symbols):
    """Register transfers: the counter PC addresses the memory M; what M
    reads goes to the register R on LOAD; WR writes DIN at the address."""
    s = Sheet("regmem", symbols)
    pc = s.place("_cnt", "PC", 136, 96)
    mem = s.place("_mem", "M", 264, 96)
    reg = s.place("_reg", "R", 392, 108)
    zero = s.place("_0", "LO1", 80, 96)
    zero_r = s.place("_0", "LO2", 392, 148)
    names = ["CLK", "CLR", "DIN", "RD", "WR", "LOAD"]
    i = pins_in(s, names, 40, [132, 148, 164, 180, 196, 212])
    o = pins_out(s, ["ADDR", "DOUT", "REG"], 472, [40, 56, 100])
    s.wire("zero", (zero, "y"), (pc, "l"))
    s.wire("zero", (92, 96), (92, 84), (pc, "d"))
    s.wire("CLK", (i["CLK"], "y"), (100, 132), (100, 108), (pc, "t"))
    s.wire("CLR", (i["CLR"], "y"), (136, 148), (pc, "r"))
    s.wire("DIN", (i["DIN"], "y"), (208, 164), (208, 100), (mem, "d"))
    s.wire("RD", (i["RD"], "y"), (256, 180), (mem, "r"))
    s.wire("WR", (i["WR"], "y"), (272, 196), (mem, "w"))
    s.wire("LOAD", (i["LOAD"], "y"), (352, 212), (352, 116), (reg, "k"))
    s.wire("ADDR", (pc, "q"), (mem, "a"), name="A")
    s.wire("ADDR", (192, 84), (192, 40), (o["ADDR"], "a"))
    s.wire("DOUT", (mem, "q"), (reg, "d"), name="D")
    s.wire("DOUT", (320, 100), (320, 56), (o["DOUT"], "a"))
    s.wire("REG", (reg, "q"), (o["REG"], "a"))
    s.wire("zero2", (reg, "r"), (zero_r, "y"))
    return s


def regmem_pattern():
    """Read words 0 and 1 into R, write 9a over word 2, read it back into R,
    then read word 3. Something happens every 20 time units. The memory
    data fill M before the run."""
    p = Pattern()
    p.waveform("CLR", [(0, 1), (20, 0)])
    p.waveform("RD", [(0, 0), (40, 1), (300, 0), (320, 1)])
    p.waveform("LOAD", [(0, 0), (80, 1), (100, 0), (160, 1), (180, 0), (340, 1), (360, 0),
                        (420, 1), (440, 0)])
    p.waveform("CLK", [(0, 0), (120, 1), (140, 0), (200, 1), (220, 0), (380, 1), (400, 0)])
    p.waveform("DIN", [(0, "00"), (240, "9a")])
    p.waveform("WR", [(0, 0), (260, 1), (280, 0)])
    p.memory("M", [("0", "12"), ("1", "34"), ("2", "56"), ("3", "78")])
    return p


def tribus(symbols):
    """Two tristate buffers drive one bus: A while EA is 1, B while EBn is
    0, and nothing (z) while neither is enabled."""
    s = Sheet("tribus", symbols)
    ta = s.place("_ptri", "TA", 160, 72)
    tb = s.place("_ntri", "TB", 160, 152)
    i = pins_in(s, ["EA", "A", "EBn", "B"], 40, [40, 72, 120, 152])
    o = pins_out(s, ["Y"], 272, [112])
    s.wire("EA", (i["EA"], "y"), (152, 40), (ta, "c"))
    s.wire("A", (i["A"], "y"), (ta, "a"))
    s.wire("EBn", (i["EBn"], "y"), (152, 120), (tb, "c"))
    s.wire("B", (i["B"], "y"), (tb, "a"))
    s.wire("bus", (ta, "y"), (208, 72), (208, 152), (tb, "y"), name="BUS%")
    s.wire("bus", (208, 112), (o["Y"], "a"))
    return s


def tribus_pattern():
    """The data arrive after the enables, so neither buffer passes data it
    should not while the enables are still unknown."""
    p = Pattern()
    p.waveform("A", [(10, 1), (240, 0)])
    p.waveform("B", [(10, 0), (160, 1)])
    p.waveform("EA", [(0, 0), (40, 1), (80, 0), (240, 1), (280, 0)])
    p.waveform("EBn", [(0, 1), (120, 0), (200, 1)])
    return p


NANDXOR = UserSymbol("nandxor", 42, 34, [("a", -24, -8, RIGHT, "A"), ("b", -24, 8, RIGHT, "B"),
                                         ("y", 24, 0, LEFT, "Y")], "nandxor")


def nandxor(symbols):
    """Exclusive-OR from four NAND gates; its symbol is nandxor.lsy."""
    s = Sheet("nandxor", symbols)
    n1 = s.place("_nand2", "N1", 112, 80)
    n2 = s.place("_nand2", "N2", 192, 56)
    n3 = s.place("_nand2", "N3", 192, 104)
    n4 = s.place("_nand2", "N4", 272, 80)
    i = pins_in(s, ["a", "b"], 40, [52, 108])
    o = pins_out(s, ["y"], 328, [80])
    s.wire("a", (i["a"], "y"), (n2, "a"))
    s.wire("a", (72, 52), (72, 76), (n1, "a"))
    s.wire("b", (i["b"], "y"), (n3, "b"))
    s.wire("b", (72, 108), (72, 84), (n1, "b"))
    s.wire("n1", (n1, "y"), (144, 80), (144, 60), (n2, "b"))
    s.wire("n1", (144, 80), (144, 100), (n3, "a"))
    s.wire("n2", (n2, "y"), (232, 56), (232, 76), (n4, "a"))
    s.wire("n3", (n3, "y"), (232, 104), (232, 84), (n4, "b"))
    s.wire("y", (n4, "y"), (o["y"], "a"))
    return s


def all_combinations_pattern(names, period):
    """Every combination of the inputs, the last name changing fastest."""
    p = Pattern()
    n = len(names)
    for k in range(1 << n):
        for index, name in enumerate(names):
            bit = 1 << (n - 1 - index)
            if k == 0 or (k & bit) != ((k - 1) & bit):
                p.set(name, period * k, 1 if k & bit else 0)
    return p


def parity4(symbols):
    """The parity of four bits from three nandxor sub-circuits."""
    s = Sheet("parity4", symbols)
    x1 = s.place("nandxor", "X1", 136, 64)
    x2 = s.place("nandxor", "X2", 136, 160)
    x3 = s.place("nandxor", "X3", 232, 112)
    i = pins_in(s, ["D0", "D1", "D2", "D3"], 40, [56, 72, 152, 168])
    o = pins_out(s, ["P"], 296, [112])
    for name, x, pin in (("D0", x1, "a"), ("D1", x1, "b"), ("D2", x2, "a"), ("D3", x2, "b")):
        s.wire(name, (i[name], "y"), (x, pin))
    s.wire("p01", (x1, "y"), (184, 64), (184, 104), (x3, "a"), name="P01")
    s.wire("p23", (x2, "y"), (184, 160), (184, 120), (x3, "b"), name="P23")
    s.wire("P", (x3, "y"), (o["P"], "a"))
    return s


def bus8(symbols):
    """Eight bits merged into the byte bus B by a _line8, split again by a
    second _line8, and their halves crossed into a third _line8: SWAP is the
    byte with its nibbles exchanged. The two _line8 meeting on B become
    eight plain wires when the circuit is expanded."""
    s = Sheet("bus8", symbols)
    pack = s.place("_line8", "PK", 136, 96)
    unpack = s.place("_line8", "UP", 240, 96, MIRRORED)
    swap = s.place("_line8", "SW", 376, 160)
    names = ["D%d" % k for k in range(8)]
    i = pins_in(s, names, 40, [40 + 16 * k for k in range(8)])
    o = pins_out(s, ["SWAP"], 424, [160])
    lines = "abcdefgh"
    for k in range(8):
        x = [112, 104, 96, 88, 88, 96, 104, 112][k]
        s.wire(names[k], (i[names[k]], "y"), (x, 40 + 16 * k), (x, 68 + 8 * k),
               (pack, lines[k]))
        target = (k + 4) % 8
        x = [352, 344, 336, 328, 312, 304, 296, 288][k]
        s.wire("w%d" % k, (unpack, lines[k]), (x, 68 + 8 * k), (x, 132 + 8 * target),
               (swap, lines[target]))
    s.wire("B", (pack, "y"), (unpack, "y"), name="B")
    s.wire("SWAP", (swap, "y"), (o["SWAP"], "a"))
    return s


def bus8_pattern():
    """A walking one, then bytes whose halves differ."""
    values = [0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0xFF, 0xA5, 0x3C, 0x00]
    p = Pattern()
    for k, value in enumerate(values):
        for bit in range(8):
            old = values[k - 1] >> bit & 1 if k else None
            if value >> bit & 1 != old:
                p.set("D%d" % bit, 40 * k, value >> bit & 1)
    return p


def select4(symbols):
    """The library's mux4to1 picks one of D0-D3 by S1 S0, and its
    decoder2to4 lights the lamp L0-L3 of the input picked."""
    s = Sheet("select4", symbols)
    mux = s.place("mux4to1", "MX", 200, 96)
    dec = s.place("decoder2to4", "DC", 200, 224)
    names = ["D0", "D1", "D2", "D3"]
    i = pins_in(s, names + ["S0", "S1"], 40, [40, 56, 72, 88, 152, 168])
    o = pins_out(s, ["Y", "L0", "L1", "L2", "L3"], 272, [92, 200, 216, 232, 248])
    for k, name in enumerate(names):
        x = 160 - 8 * k
        s.wire(name, (i[name], "y"), (x, 40 + 16 * k), (x, 72 + 12 * k), (mux, "d%d" % k))
    # The selects leave their pins sideways, clear of the symbol's name.
    s.wire("S0", (mux, "s0"), (168, 128), (168, 216), (dec, "a0"))
    s.wire("S0", (i["S0"], "y"), (168, 152))
    s.wire("S1", (mux, "s1"), (232, 128), (232, 168), (i["S1"], "y"))
    s.wire("S1", (152, 168), (152, 232), (dec, "a1"))
    s.wire("Y", (mux, "y"), (o["Y"], "a"))
    for k in range(4):
        s.wire("L%d" % k, (dec, "y%d" % k), (o["L%d" % k], "a"))
    return s


def select4_pattern():
    """Each select value with data that make the chosen input 1, then 0."""
    p = Pattern()
    last = {}
    k = 0
    for select in range(4):
        for data in (1 << select, 0xF ^ (1 << select)):
            values = {"S0": select & 1, "S1": select >> 1}
            values.update({"D%d" % b: data >> b & 1 for b in range(4)})
            for name, value in values.items():
                if last.get(name) != value:
                    p.set(name, 40 * k, value)
            last = values
            k += 1
    return p


def hazard(symbols):
    """Y = (A + S)(B + not S): 0 while A and B are 0, but when S rises the
    inverter's output falls one gate delay late and Y pulses to 1."""
    s = Sheet("hazard", symbols)
    o1 = s.place("_or2", "O1", 184, 64)
    inv = s.place("_not", "INV", 136, 136)
    o2 = s.place("_or2", "O2", 184, 144)
    g = s.place("_and2", "G", 248, 108)
    i = pins_in(s, ["A", "S", "B"], 40, [60, 104, 148])
    o = pins_out(s, ["Y"], 300, [108])
    s.wire("A", (i["A"], "y"), (o1, "a"))
    s.wire("S", (i["S"], "y"), (120, 104), (120, 68), (o1, "b"))
    s.wire("S", (120, 104), (inv, "a"))
    s.wire("n", (inv, "y"), (156, 136), (156, 140), (o2, "a"), name="N")
    s.wire("B", (i["B"], "y"), (o2, "b"))
    s.wire("p", (o1, "y"), (216, 64), (216, 104), (g, "a"), name="P")
    s.wire("q", (o2, "y"), (220, 144), (220, 112), (g, "b"), name="Q")
    s.wire("Y", (g, "y"), (o["Y"], "a"))
    return s


def hazard_pattern():
    """A and B stay 0; S rises at 40 (the glitch) and falls at 80 (none)."""
    p = Pattern()
    p.set("A", 0, 0)
    p.set("B", 0, 0)
    for time, value in ((0, 0), (40, 1), (80, 0), (120, 1)):
        p.set("S", time, value)
    return p


def samples(symbols):
    """Each sample with its input pattern."""
    return [
        (fulladd(symbols), fulladd_pattern()),
        (adder_stack(symbols, "add4", ["A", "B", "CI", "S", "CO"]), add4_pattern()),
        (counter4(symbols), counter4_pattern()),
        (regmem(symbols), regmem_pattern()),
        (tribus(symbols), tribus_pattern()),
        (nandxor(symbols), all_combinations_pattern(["a", "b"], 40)),
        (parity4(symbols), all_combinations_pattern(["D0", "D1", "D2", "D3"], 40)),
        (bus8(symbols), bus8_pattern()),
        (select4(symbols), select4_pattern()),
        (hazard(symbols), hazard_pattern()),
    ]


# Sub-circuits of other samples: their circuit files ship beside them, so a
# sample that places them simulates before they were ever opened.
SAMPLE_SUB_CIRCUITS = ["nandxor"]


def convert(lumo, schematic, circuit):
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([lumo, "convert", schematic, circuit, "--sys", SYSTEM, "--work", work],
                       check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--lumo", help="the lumo program, to convert the shipped circuit files")
    args = parser.parse_args()

    symbols = read_symbols(os.path.join(SYSTEM, "LumoCAD.lib"))
    symbols[NANDXOR.name] = NANDXOR.shape()
    write_text(os.path.join(SAMPLE, NANDXOR.name + ".lsy"), NANDXOR.text())

    for sheet in parts(symbols):
        write_text(os.path.join(PARTS, sheet.title + ".ldr"), sheet.text())
    for sheet, pattern in samples(symbols):
        write_text(os.path.join(SAMPLE, sheet.title + ".ldr"), sheet.text())
        write_text(os.path.join(SAMPLE, sheet.title + "[0].lpt"), pattern.text())

    if args.lumo:
        for sheet in parts(symbols):
            base = os.path.join(PARTS, sheet.title)
            convert(args.lumo, base + ".ldr", base + ".lcr")
        for title in SAMPLE_SUB_CIRCUITS:
            base = os.path.join(SAMPLE, title)
            convert(args.lumo, base + ".ldr", base + ".lcr")


if __name__ == "__main__":
    main()
