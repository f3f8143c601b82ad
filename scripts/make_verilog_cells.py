#!/usr/bin/env python3
"""Writes data/sys/lumocad_cells.v, the Verilog cells lumo export writes its
modules over:

    python3 scripts/make_verilog_cells.py data/sys/lumocad_cells.v

Each cell is written once here as plain Verilog with tasks; the script then
turns every delayed output into a change queued in the module's lumo_control
and writes every task call inline (a task call may let another process run
before it does). tests/export runs Icarus on the result against the
simulator.
"""
import sys
out = []
P = out.append
P("""// LumoCAD cell library: one module per primitive, behaving as the LumoCAD
// simulator does, for the structural modules `lumo export` writes.
//
// How the cells follow the simulator:
//  - Every output is a transport delay: a change computed at time t waits
//    in a queue and is delivered at t + delay; nothing scheduled is ever
//    cancelled. lumo_ctl delivers the changes of all outputs one by one,
//    by time and at one time in the order they were made, with a #0 after
//    each, so that the receivers see every one, also several changes at
//    one time (non-blocking assignments with intra-assignment delays would
//    show them only the last, in an order of the simulator's choosing). A
//    cell's ID parameter tells its outputs apart. The delay of a
//    value is the delay to 0 or to 1 of its bits, the larger of the two for
//    x or z, and the largest over all bits.
//  - A testbench's inputs at a time come before the changes the cells
//    deliver then: lumo_ctl.ready holds them back until the testbench has
//    set its inputs.
//  - A cell keeps the value its output was last given (not the one last
//    delivered) and schedules only when a new value differs from it.
//  - Every input keeps the last value delivered to it that holds no x or z:
//    such values are not passed on. An input never reached stays x, which
//    the logic reads as 0.
//  - Before time 0 the circuit settles: the first value of every input pin
//    and constant reaches the gates, multiplexers and buses it feeds, and
//    what they compute is delivered that long before the pin's time. The
//    testbench steps this through lumo_ctl (below); the other cells ignore
//    their inputs meanwhile.
//
// A module written by lumo export holds one lumo_control instance named
// lumo_ctl; the cells find it by name. Without a testbench that steps it,
// the constants simply drive their value from time 0.
`timescale 1ns/1ns

module lumo_control;
  reg settle = 1'b0;        // 1 while the testbench settles the circuit
  integer settle_time = 0;  // the time of the pin value being settled
  integer origin = 0;       // the simulation time that stands for time 0
  reg constants = 1'b0;     // constants drive their value while 1
  reg managed = 1'b0;       // set at time 0 by a testbench that steps the run
  integer ready = 32'h7fffffff;  // changes up to this time may be delivered:
                            // the testbench's inputs at a time come first
  initial #0 if (!managed) constants = 1'b1;
  // Every change waiting for its time, from every output of the module, in
  // the order of delivery: by time, then in the order the changes were
  // made, which is the order of what caused them (`cause` counts the
  // deliveries, the testbench's inputs too), of the receivers on the
  // signal that brought it (`rank`), and of the outputs of one element.
  // When `tick` changes, the output numbered `current` takes `now_value`.
  integer at[0:4095];
  integer id[0:4095];
  integer by[0:4095];
  integer rank_of[0:4095];
  reg [63:0] value[0:4095];
  integer count = 0;
  integer cause = 0;
  integer current = -1;
  reg [63:0] now_value;
  reg tick = 1'b0;
  always begin : deliver
    integer i;
    wait (count > 0);
    wait (ready >= $time);
    if (at[0] > $time) begin
      // Until the first change is due, or a new one may be due earlier.
      fork : nap
        begin
          #(at[0] - $time);
          disable nap;
        end
        begin
          @(count);
          disable nap;
        end
      join
    end else begin
      current = id[0];
      now_value = value[0];
      for (i = 1; i < count; i = i + 1) begin
        at[i - 1] = at[i];
        id[i - 1] = id[i];
        by[i - 1] = by[i];
        rank_of[i - 1] = rank_of[i];
        value[i - 1] = value[i];
      end
      count = count - 1;
      cause = cause + 1;
      tick = ~tick;
      #0;
    end
  end
endmodule
""")

def helpers(W='W'):
    return f"""  function [{W}-1:0] ones;  // bits that are 1; x and z read as 0
    input [{W}-1:0] v;
    integer i;
    begin
      for (i = 0; i < {W}; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [{W}-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < {W}; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
"""

WAIT = """  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
"""

# Loading a register or counter: the new value waits the delay of its bit 0.
LOAD = """  task load;
    input [W-1:0] n;
    begin
      if (n !== qv) begin
        qv = n;
        qr <= #(wait_for(n[0] === 1'b0 ? Q0 : n[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1))) n;
      end
    end
  endtask
"""

def known(x): return f"(^{x}) !== 1'bx"

LETTERS = "abcd"
# Gates
for op, n in [(o, n) for o in ["and", "nand", "or", "nor", "exor"] for n in (2, 3, 4)] + [("not", 1)]:
    name = f"_{op}{n}" if op != "not" else "_not"
    ins = LETTERS[:n]
    P(f"\n// {name}: {'inverter' if op == 'not' else op.upper() + ' of ' + str(n) + ' inputs'}; "
      "settles before time 0.")
    P(f"module lumo{name} #(parameter W = 1, Y0 = 1, Y1 = 1) (")
    P(f"    input [W-1:0] {', '.join(ins)},\n    output [W-1:0] y);")
    P("  reg [W-1:0] " + ", ".join(f"{c}v = {{W{{1'bx}}}}" for c in ins) + ";")
    P("  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};")
    P("  assign y = yr;")
    P(helpers() + WAIT, )
    if op == "not": expr = "~ones(av)"
    else:
        sym = {"and": "&", "nand": "&", "or": "|", "nor": "|", "exor": "^"}[op]
        expr = f" {sym} ".join(f"ones({c}v)" for c in ins)
        if op in ("nand", "nor"): expr = f"~({expr})"
    P("  task evaluate;\n    reg [W-1:0] n;\n    begin\n      n = " + expr + ";")
    P("      if (n !== yv) begin\n        yv = n;\n        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;\n      end\n    end\n  endtask")
    for c in ins:
        P(f"  always @({c}) if ({known(c)}) begin\n    {c}v = {c};\n    evaluate;\n  end")
    P("endmodule")

# Tristates
for name, high, inv in [("_ptri", True, False), ("_ntri", False, False), ("_ptriinv", True, True), ("_ntriinv", False, True)]:
    P(f"\n// {name}: tristate {'inverter' if inv else 'buffer'}, enable c active {'1' if high else '0 (and while c was never driven)'}.")
    P(f"module lumo{name} #(parameter W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);")
    P("  reg [W-1:0] av = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};\n  reg cv = 1'bx;\n  assign y = yr;")
    P(helpers() + WAIT)
    P("  task drive;\n    input [W-1:0] n;\n    begin\n      if (n !== yv) begin\n        yv = n;\n        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;\n      end\n    end\n  endtask")
    passv = "~ones(av)" if inv else "av"
    P(f"  always @(a) if (!lumo_ctl.settle && {known('a')}) begin\n    av = a;")
    if high: P(f"    if (cv === 1'b1) drive({passv});")
    else: P(f"    if (cv === 1'b0 || cv === 1'bx) drive({passv});")
    P("  end")
    P(f"  always @(c) if (!lumo_ctl.settle && {known('c')}) begin\n    cv = c;")
    if high: P(f"    if (cv === 1'b1) drive({passv});\n    else drive({{W{{1'bz}}}});")
    else: P(f"    if (cv === 1'b0) drive({passv});\n    else if (cv === 1'b1) drive({{W{{1'bz}}}});")
    P("  end\nendmodule")

# Comparator
P("""
// _cmp: magnitude comparator of a and b.
module lumo_cmp #(parameter W = 1, EQ0 = 4, EQ1 = 4, GT0 = 4, GT1 = 4, LT0 = 4, LT1 = 4) (
    input [W-1:0] a, b,
    output eq, gt, lt);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg eqv = 1'bx, gtv = 1'bx, ltv = 1'bx, eqr = 1'bx, gtr = 1'bx, ltr = 1'bx;
  assign eq = eqr;
  assign gt = gtr;
  assign lt = ltr;""")
P(helpers() + WAIT)
P("""  task evaluate;
    reg n;
    begin
      n = ones(av) > ones(bv);
      if (n !== gtv) begin
        gtv = n;
        gtr <= #(wait_for(delay_for(n, GT0, GT1))) n;
      end
      n = ones(av) == ones(bv);
      if (n !== eqv) begin
        eqv = n;
        eqr <= #(wait_for(delay_for(n, EQ0, EQ1))) n;
      end
      n = ones(av) < ones(bv);
      if (n !== ltv) begin
        ltv = n;
        ltr <= #(wait_for(delay_for(n, LT0, LT1))) n;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if (!lumo_ctl.settle && (^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule""")

DRIVEQ = """  task drive_q;  // Q, then its inverse
    input [W-1:0] n;
    begin
      if (n !== qv) begin
        qv = n;
        qr <= #(wait_for(delay_for(n, Q0, Q1))) n;
        if (~ones(n) !== qnv) begin
          qnv = ~ones(n);
          qnr <= #(wait_for(delay_for(qnv, QN0, QN1))) qnv;
        end
      end
    end
  endtask
"""
QREGS = "  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};\n  assign q = qr;\n  assign qn = qnr;"

def store(c, evaluate=True):
    body = f"    {c}v = {c};\n" + ("    evaluate;\n" if evaluate else "")
    return f"  always @({c}) if (!lumo_ctl.settle && {known(c)}) begin\n{body}  end"

# RS latch
P("""
// _rslatch: RS latch, r and s active at 0 (and while never driven); both
// active keep the old state.
module lumo_rslatch #(parameter W = 1, Q0 = 2, Q1 = 2, QN0 = 2, QN1 = 2) (
    output [W-1:0] q, qn,
    input [W-1:0] r, s);
  reg [W-1:0] rv = {W{1'bx}}, sv = {W{1'bx}};""")
P(QREGS)
P(helpers() + WAIT + DRIVEQ)
P("""  task evaluate;
    reg [W-1:0] n;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1)
        n[i] = rv[i] !== 1'b1 && sv[i] === 1'b1 ? 1'b0 : sv[i] !== 1'b1 && rv[i] === 1'b1 ? 1'b1 : qv[i];
      drive_q(n);
    end
  endtask""")
P(store("r") + "\n" + store("s") + "\nendmodule")

# D flip-flops
for name, with_set in [("_dffr", False), ("_dffrs", True)]:
    P(f"\n// {name}: D flip-flop{' with set' if with_set else ''}; takes d while t is 1 whenever r, "
      f"{'s ' if with_set else ''}or t receives a value. r{' and s' if with_set else ''} active at 0 (and while never driven); r wins.")
    ports = "input [W-1:0] d,\n    output [W-1:0] q, qn,\n    input r,\n" + ("    input [W-1:0] s,\n" if with_set else "") + "    input t"
    P(f"module lumo{name} #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (\n    {ports});")
    P("  reg [W-1:0] dv = {W{1'bx}}" + (", sv = {W{1'bx}}" if with_set else "") + ";\n  reg rv = 1'bx, tv = 1'bx;")
    P(QREGS)
    P(helpers() + WAIT + DRIVEQ)
    setline = "        else if (sv[i] !== 1'b1) n[i] = 1'b1;\n" if with_set else ""
    P(f"""  task evaluate;
    reg [W-1:0] n;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
{setline}        else if (tv === 1'b1 && (dv[i] === 1'b0 || dv[i] === 1'b1)) n[i] = dv[i];
        else n[i] = qv[i];
      drive_q(n);
    end
  endtask""")
    P(store("d", False) + "\n" + store("r") + ("\n" + store("s") if with_set else "") + "\n" + store("t") + "\nendmodule")

# JK flip-flops
for name, with_set, rising in [("_jkffr", False, False), ("_jkffrs", True, False), ("_jkffrs2", True, True)]:
    desc = "J and inverted K, rising clock" if rising else "falling clock (t at 0, or never driven)"
    P(f"\n// {name}: JK flip-flop{' with set' if with_set else ''}, {desc}; r{' and s' if with_set else ''} active at 0 (and while never driven); r wins.")
    ports = "input [W-1:0] j, k,\n    output [W-1:0] q, qn,\n    input r,\n" + ("    input [W-1:0] s,\n" if with_set else "") + "    input t"
    P(f"module lumo{name} #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (\n    {ports});")
    P("  reg [W-1:0] jv = {W{1'bx}}, kv = {W{1'bx}}" + (", sv = {W{1'bx}}" if with_set else "") + ";\n  reg rv = 1'bx, tv = 1'bx;")
    P(QREGS)
    P(helpers() + WAIT + DRIVEQ)
    kexpr = "~ones(kv)" if rising else "kv"
    clocked = "tv === 1'b1" if rising else "tv !== 1'b1"
    setline = "        else if (sv[i] !== 1'b1) n[i] = 1'b1;\n" if with_set else ""
    P(f"""  task evaluate;
    reg [W-1:0] n, kk;
    integer i;
    begin
      kk = {kexpr};
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
{setline}        else if (!({clocked})) n[i] = qv[i];
        else if ((jv[i] !== 1'b0 && jv[i] !== 1'b1) || (kk[i] !== 1'b0 && kk[i] !== 1'b1)) n[i] = qv[i];
        else if (jv[i] === 1'b0) n[i] = kk[i] === 1'b0 ? qv[i] : 1'b0;
        else n[i] = kk[i] === 1'b0 ? 1'b1 : qv[i] === 1'b1 ? 1'b0 : 1'b1;
      drive_q(n);
    end
  endtask""")
    P(store("j", False) + "\n" + store("k", False) + "\n" + store("r") + ("\n" + store("s") if with_set else "") + "\n" + store("t") + "\nendmodule")

# Mux
P("""
// _mux: 2-to-1 multiplexer; while s was never driven, the input that
// changed last passes. Settles before time 0.
module lumo_mux #(parameter W = 1, Y0 = 3, Y1 = 3) (
    input [W-1:0] a, b,
    input s,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg sv = 1'bx;
  assign y = yr;""")
P(helpers() + WAIT)
P("""  task drive;
    input [W-1:0] n;
    begin
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    if (sv === 1'b0 || sv === 1'bx) drive(av);
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    if (sv === 1'b1 || sv === 1'bx) drive(bv);
  end
  always @(s) if ((^s) !== 1'bx) begin
    sv = s;
    drive(sv === 1'b0 ? av : bv);
  end
endmodule""")

# Bus lines
for k in range(2, 9):
    lines = "abcdefgh"[:k]
    last = lines[-1]
    P(f"\n// _line{k}: {k} lines and the bus y, both ways and without delay: line a\n"
      f"// is bit 0, line {last} the bits from {k-1} up (LW of them). Settles before time 0.")
    P(f"module lumo_line{k} #(parameter LW = 1) (\n    inout {', '.join(lines[:-1])},\n    inout [LW-1:0] {last},\n    inout [LW+{k-2}:0] y);")
    P(f"  localparam BW = LW + {k-1};")
    for c in lines[:-1]:
        P(f"  reg {c}v = 1'bx, {c}r = 1'bz;")
    P(f"  reg [LW-1:0] {last}v = {{LW{{1'bx}}}}, {last}r = {{LW{{1'bz}}}};")
    P("  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};")
    for c in lines: P(f"  assign {c} = {c}r;")
    P("  assign y = yr;")
    P(WAIT)
    P("  task merge;\n    begin\n      if ({" + ", ".join(reversed([c + "v" for c in lines])) + "} !== yv) begin")
    P("        yv = {" + ", ".join(reversed([c + "v" for c in lines])) + "};\n        yr <= #(wait_for(0)) yv;\n      end\n    end\n  endtask")
    P("  task split;\n    reg [BW-1:0] v;\n    integer i;\n    begin\n      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;")
    for i, c in enumerate(lines[:-1]):
        P(f"      if (v[{i}] !== {c}v) begin\n        {c}v = v[{i}];\n        {c}r <= #(wait_for(0)) {c}v;\n      end")
    P(f"      if (v[BW-1:{k-1}] !== {last}v) begin\n        {last}v = v[BW-1:{k-1}];\n        {last}r <= #(wait_for(0)) {last}v;\n      end")
    P("    end\n  endtask")
    P("  // A line or the bus changing because this cell drives it is no arrival.")
    for c in lines:
        P(f"  always @({c}) if ({known(c)} && {c} !== {c}r) begin\n    {c}v = {c};\n    merge;\n  end")
    P(f"  always @(y) if ({known('y')} && y !== yr) begin\n    yv = y;\n    split;\n  end")
    P("endmodule")

# Register
P("""
// _reg: register; k at 1 loads d, r at 1 clears to 0. A load is delayed
// by the delay of the new value's bit 0.
module lumo_reg #(parameter W = 1, DW = 1, Q0 = 3, Q1 = 3) (
    input [DW-1:0] d,
    input k,
    output [W-1:0] q,
    input r);
  reg [W-1:0] dv = {W{1'bx}}, qv = {W{1'bx}}, qr = {W{1'bx}};
  reg kv = 1'bx, rv = 1'bx;
  assign q = qr;""")
P(WAIT)
P(LOAD + """  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    kv = k;
    if (kv === 1'b1) load(dv);
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    if (rv === 1'b1) load({W{1'b0}});
  end
endmodule""")

# Counter
P("""
// _cnt: counter; t at 1 counts up (or loads d while l is 1), l at 1 loads
// d, r at 1 clears to 0. Counting from x gives 1. Loads and clears are
// delayed by the delay of bit 0 of the new value, counts by that of all
// its bits.
module lumo_cnt #(parameter W = 16, DW = 1, Q0 = 4, Q1 = 4) (
    input [DW-1:0] d,
    input l,
    output [W-1:0] q,
    input r, t);
  reg [W-1:0] dv = {W{1'bx}}, qv = {W{1'bx}}, qr = {W{1'bx}};
  reg lv = 1'bx, rv = 1'bx, tv = 1'bx;
  assign q = qr;""")
P(helpers() + WAIT)
P(LOAD + """  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(l) if (!lumo_ctl.settle && (^l) !== 1'bx) begin
    lv = l;
    if (lv === 1'b1) load(dv);
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    if (rv === 1'b1) load({W{1'b0}});
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    if (tv === 1'b1) begin
      if (lv === 1'b1) begin
        load(dv);
      end else begin
        qv = (^qv) === 1'bx ? {{W-1{1'b0}}, 1'b1} : qv + 1'b1;
        qr <= #(wait_for(delay_for(qv, Q0, Q1))) qv;
      end
    end
  end
endmodule""")

# Memory
P("""
// _mem: memory of words of W bits at addresses a (the low 16 bits); r at 1
// reads the word at a to q, again whenever a changes while r is 1; w at 1
// writes d there. A word never written reads 0.
module lumo_mem #(parameter AW = 1, W = 1, Q0 = 5, Q1 = 5) (
    input [AW-1:0] a,
    input [W-1:0] d,
    output [W-1:0] q,
    input r, w);
  localparam SW = AW > 16 ? 16 : AW;
  reg [W-1:0] words[0:(1 << SW) - 1];
  reg [AW-1:0] av = {AW{1'bx}};
  reg [W-1:0] dv = {W{1'bx}}, qv = {W{1'bx}}, qr = {W{1'bx}};
  reg rv = 1'bx, wv = 1'bx;
  integer i;
  initial for (i = 0; i < (1 << SW); i = i + 1) words[i] = {W{1'b0}};
  assign q = qr;""")
P(helpers() + WAIT)
P("""  function [SW-1:0] index;
    input [AW-1:0] v;
    integer b;
    begin
      for (b = 0; b < SW; b = b + 1) index[b] = v[b] === 1'b1;
    end
  endfunction
  task read;
    begin
      if (rv === 1'b1 && words[index(av)] !== qv) begin
        qv = words[index(av)];
        qr <= #(wait_for(delay_for(qv, Q0, Q1))) qv;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    read;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    read;
  end
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(w) if (!lumo_ctl.settle && (^w) !== 1'bx) begin
    wv = w;
    if (wv === 1'b1) words[index(av)] = dv;
  end
endmodule""")

# Constants
for v in "01":
    P(f"""
// _{v}: the constant {v}, driven from time 0.
module lumo_{v} (output y);
  reg yr = 1'bx;
  assign y = yr;
  always @(lumo_ctl.constants) yr = lumo_ctl.constants === 1'b1 ? 1'b{v} : 1'bx;
endmodule""")


import re
def balanced(text, start):
    depth = 0
    for i in range(start, len(text)):
        if text[i] == '(':
            depth += 1
        elif text[i] == ')':
            depth -= 1
            if depth == 0:
                return i
    raise ValueError(text[start:start+80])

def queue(name, width, number):
    return f"""  task schedule_{name};  // a change of {name}, due after `delay`
    input [{width}-1:0] n;
    input integer delay;
    integer i, at, cause, order;
    begin
      at = $time + delay;
      cause = lumo_ctl.cause;
      order = rank * 16 + {number};
      if (lumo_ctl.count == 4096) begin
        $display("lumocad_cells: more than 4096 changes pending in %m");
        $finish;
      end
      for (i = lumo_ctl.count; i > 0 && (lumo_ctl.at[i - 1] > at || lumo_ctl.at[i - 1] == at &&
           (lumo_ctl.by[i - 1] > cause || lumo_ctl.by[i - 1] == cause && lumo_ctl.rank_of[i - 1] > order));
           i = i - 1) begin
        lumo_ctl.at[i] = lumo_ctl.at[i - 1];
        lumo_ctl.id[i] = lumo_ctl.id[i - 1];
        lumo_ctl.by[i] = lumo_ctl.by[i - 1];
        lumo_ctl.rank_of[i] = lumo_ctl.rank_of[i - 1];
        lumo_ctl.value[i] = lumo_ctl.value[i - 1];
      end
      lumo_ctl.at[i] = at;
      lumo_ctl.id[i] = ID * 16 + {number};
      lumo_ctl.by[i] = cause;
      lumo_ctl.rank_of[i] = order;
      lumo_ctl.value[i] = n;
      lumo_ctl.count = lumo_ctl.count + 1;
    end
  endtask
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + {number}) {name}r = lumo_ctl.now_value;
"""

text = "\n".join(out) + "\n"
modules = text.split("\nmodule ")
result = [modules[0]]
for m in modules[1:]:
    m = "module " + m
    names = {}
    pos = 0
    pieces = []
    while True:
        k = m.find(" <= #(", pos)
        if k < 0:
            pieces.append(m[pos:])
            break
        line_start = m.rfind("\n", 0, k) + 1
        target = m[line_start:k].strip()
        end = balanced(m, k + 4)
        delay = m[k + 6:end]
        semi = m.find(";", end)
        value = m[end + 1:semi].strip()
        assert target.endswith("r"), target
        name = target[:-1]
        indent = m[line_start:k][:len(m[line_start:k]) - len(m[line_start:k].lstrip())]
        pieces.append(m[pos:line_start] + f"{indent}schedule_{name}({value}, {delay});")
        names[name] = None
        pos = semi + 1
    m = "".join(pieces)
    # widths of the output regs from their declarations
    for name in names:
        decl = re.search(r"reg (\[[^\]]*\] )?[^;]*\b" + name + r"r = ", m)
        width = "1"
        if decl and decl.group(1):
            width = decl.group(1).strip()[1:].split(":")[0].strip()
            width = f"({width}) + 1" if not width.endswith("-1") else width[:-2]
        m = m.replace("\nendmodule", "\n" + queue(name, width, list(names).index(name)) + "endmodule", 1)
    if names:
        # The receivers' rank: which of the terminals on a signal an arrival
        # is delivered to first, as the circuit lists them.
        ports = []
        def ranked(match):
            ports.append(match.group(1))
            return match.group(0) + "\n    rank = R_" + match.group(1) + ";"
        m = re.sub(r"always @\((\w+)\) if \([^\n]*\) begin", ranked, m)
        ports += re.findall(r"always @\((\w+)\)", m)
        params = "".join(f"R_{p} = 0, " for p in dict.fromkeys(ports))
        m = m.replace(" #(parameter ", " #(parameter ID = 0, " + params, 1)
        m = m.replace(");\n", ");\n  integer rank = 0;  // of the input an arrival is delivered to\n", 1)
    result.append(m)

# Tasks are written inline: a call to a task is a thread of its own in some
# simulators, and another process may run before it does.
def split_args(text):
    args, depth, cur = [], 0, ""
    for ch in text:
        if ch in "({": depth += 1
        if ch in ")}": depth -= 1
        if ch == "," and depth == 0:
            args.append(cur.strip()); cur = ""
        else:
            cur += ch
    if cur.strip(): args.append(cur.strip())
    return args

def inline_tasks(m):
    tasks = {}
    while True:
        k = m.find("\n  task ")
        if k < 0: break
        e = m.find("  endtask\n", k)
        block = m[k + 1:e].rstrip("\n")
        lines = block.split("\n")
        name = lines[0].split()[1].rstrip(";")
        b = lines.index("    begin")
        decls, inputs = [], []
        for line in lines[1:b]:
            line = line.strip()
            if line.startswith("input "):
                rest = line[len("input "):].rstrip(";")
                kind = "reg "
                if rest.startswith("integer "):
                    kind, rest = "integer ", rest[len("integer "):]
                elif rest.startswith("["):
                    rng = rest[:rest.index("]") + 1]
                    kind, rest = "reg " + rng + " ", rest[len(rng):].strip()
                for v in rest.split(","):
                    inputs.append(v.strip())
                decls.append(kind + rest + ";")
            elif line:
                decls.append(line)
        body = "\n".join(l[4:] for l in lines[b + 1:-1])  # without "    begin" ... "    end"
        assert lines[-1] == "    end", (name, lines[-1])
        tasks[name] = (decls, inputs, body)
        m = m[:k + 1] + m[e + len("  endtask\n"):]
    counter = [0]
    def expand(text, indent):
        out_lines = []
        for line in text.split("\n"):
            stripped = line.strip()
            call = re.search(r"(?:^|(?<=\s))(\w+)(\((.*)\))?;$", stripped)
            if call and call.group(1) in tasks:
                prefix = stripped[:call.start(1)]
                decls, inputs, body = tasks[call.group(1)]
                args = split_args(call.group(3) or "")
                lead = line[:len(line) - len(line.lstrip())]
                counter[0] += 1
                k = counter[0]
                # Locals get the block's number: a block's names would hide the caller's.
                local = set()
                for d in decls:
                    rest = re.sub(r"^(reg|integer)\s*(\[[^\]]*\])?", "", d).rstrip(";")
                    local.update(v.strip() for v in rest.split(","))
                rename = (lambda t: t) if not local else lambda t: re.sub(r"(?<![.\w])(" + "|".join(sorted(local)) + r")\b", lambda x: x.group(1) + "_" + str(k), t)
                out_lines.append(f"{lead}{prefix}begin : {call.group(1)}_{k}")
                for d in decls: out_lines.append(f"{lead}  {rename(d)}")
                for v, a in zip(inputs, args): out_lines.append(f"{lead}  {v}_{k} = {a};")
                inner = "\n".join(lead + "  " + rename(l[2:]) if l.startswith("  ") else lead + rename(l) for l in body.split("\n"))
                out_lines.append(expand(inner, lead))
                out_lines.append(f"{lead}end")
            else:
                out_lines.append(line)
        return "\n".join(out_lines)
    return expand(m, "")

result = [result[0]] + [inline_tasks(m) for m in result[1:]]
open(sys.argv[1], "w").write("\n".join(result))

