// LumoCAD cell library: one module per primitive, behaving as the LumoCAD
// simulator does, for the structural modules `lumo export` writes.
//
// How the cells follow the simulator:
//  - Every output is a transport delay: a change computed at time t is
//    delivered at t + delay by a non-blocking assignment with an
//    intra-assignment delay, and nothing scheduled is ever cancelled. The
//    delay of a value is the delay to 0 or to 1 of its bits, the larger of
//    the two for x or z, and the largest over all bits.
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
  initial #0 if (!managed) constants = 1'b1;
endmodule


// _and2: AND of 2 inputs; settles before time 0.
module lumo_and2 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) & ones(bv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule

// _and3: AND of 3 inputs; settles before time 0.
module lumo_and3 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) & ones(bv) & ones(cv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
endmodule

// _and4: AND of 4 inputs; settles before time 0.
module lumo_and4 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}}, dv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) & ones(bv) & ones(cv) & ones(dv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
  always @(d) if ((^d) !== 1'bx) begin
    dv = d;
    evaluate;
  end
endmodule

// _nand2: NAND of 2 inputs; settles before time 0.
module lumo_nand2 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) & ones(bv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule

// _nand3: NAND of 3 inputs; settles before time 0.
module lumo_nand3 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) & ones(bv) & ones(cv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
endmodule

// _nand4: NAND of 4 inputs; settles before time 0.
module lumo_nand4 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}}, dv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) & ones(bv) & ones(cv) & ones(dv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
  always @(d) if ((^d) !== 1'bx) begin
    dv = d;
    evaluate;
  end
endmodule

// _or2: OR of 2 inputs; settles before time 0.
module lumo_or2 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) | ones(bv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule

// _or3: OR of 3 inputs; settles before time 0.
module lumo_or3 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) | ones(bv) | ones(cv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
endmodule

// _or4: OR of 4 inputs; settles before time 0.
module lumo_or4 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}}, dv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) | ones(bv) | ones(cv) | ones(dv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
  always @(d) if ((^d) !== 1'bx) begin
    dv = d;
    evaluate;
  end
endmodule

// _nor2: NOR of 2 inputs; settles before time 0.
module lumo_nor2 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) | ones(bv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule

// _nor3: NOR of 3 inputs; settles before time 0.
module lumo_nor3 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) | ones(bv) | ones(cv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
endmodule

// _nor4: NOR of 4 inputs; settles before time 0.
module lumo_nor4 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}}, dv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~(ones(av) | ones(bv) | ones(cv) | ones(dv));
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
  always @(d) if ((^d) !== 1'bx) begin
    dv = d;
    evaluate;
  end
endmodule

// _exor2: EXOR of 2 inputs; settles before time 0.
module lumo_exor2 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) ^ ones(bv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
endmodule

// _exor3: EXOR of 3 inputs; settles before time 0.
module lumo_exor3 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) ^ ones(bv) ^ ones(cv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
endmodule

// _exor4: EXOR of 4 inputs; settles before time 0.
module lumo_exor4 #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, cv = {W{1'bx}}, dv = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ones(av) ^ ones(bv) ^ ones(cv) ^ ones(dv);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
  always @(b) if ((^b) !== 1'bx) begin
    bv = b;
    evaluate;
  end
  always @(c) if ((^c) !== 1'bx) begin
    cv = c;
    evaluate;
  end
  always @(d) if ((^d) !== 1'bx) begin
    dv = d;
    evaluate;
  end
endmodule

// _not: inverter; settles before time 0.
module lumo_not #(parameter W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}};
  reg [W-1:0] yv = {W{1'bx}}, yr = {W{1'bx}};
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
    reg [W-1:0] n;
    begin
      n = ~ones(av);
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if ((^a) !== 1'bx) begin
    av = a;
    evaluate;
  end
endmodule

// _ptri: tristate buffer, enable c active 1.
module lumo_ptri #(parameter W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg cv = 1'bx;
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task drive;
    input [W-1:0] n;
    begin
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    if (cv === 1'b1) drive(av);
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    cv = c;
    if (cv === 1'b1) drive(av);
    else drive({W{1'bz}});
  end
endmodule

// _ntri: tristate buffer, enable c active 0 (and while c was never driven).
module lumo_ntri #(parameter W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg cv = 1'bx;
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task drive;
    input [W-1:0] n;
    begin
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    if (cv === 1'b0 || cv === 1'bx) drive(av);
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    cv = c;
    if (cv === 1'b0) drive(av);
    else if (cv === 1'b1) drive({W{1'bz}});
  end
endmodule

// _ptriinv: tristate inverter, enable c active 1.
module lumo_ptriinv #(parameter W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg cv = 1'bx;
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task drive;
    input [W-1:0] n;
    begin
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    if (cv === 1'b1) drive(~ones(av));
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    cv = c;
    if (cv === 1'b1) drive(~ones(av));
    else drive({W{1'bz}});
  end
endmodule

// _ntriinv: tristate inverter, enable c active 0 (and while c was never driven).
module lumo_ntriinv #(parameter W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg cv = 1'bx;
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task drive;
    input [W-1:0] n;
    begin
      if (n !== yv) begin
        yv = n;
        yr <= #(wait_for(delay_for(n, Y0, Y1))) n;
      end
    end
  endtask
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    av = a;
    if (cv === 1'b0 || cv === 1'bx) drive(~ones(av));
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    cv = c;
    if (cv === 1'b0) drive(~ones(av));
    else if (cv === 1'b1) drive({W{1'bz}});
  end
endmodule

// _cmp: magnitude comparator of a and b.
module lumo_cmp #(parameter W = 1, EQ0 = 4, EQ1 = 4, GT0 = 4, GT1 = 4, LT0 = 4, LT1 = 4) (
    input [W-1:0] a, b,
    output eq, gt, lt);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}};
  reg eqv = 1'bx, gtv = 1'bx, ltv = 1'bx, eqr = 1'bx, gtr = 1'bx, ltr = 1'bx;
  assign eq = eqr;
  assign gt = gtr;
  assign lt = ltr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task evaluate;
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
endmodule

// _rslatch: RS latch, r and s active at 0 (and while never driven); both
// active keep the old state.
module lumo_rslatch #(parameter W = 1, Q0 = 2, Q1 = 2, QN0 = 2, QN1 = 2) (
    output [W-1:0] q, qn,
    input [W-1:0] r, s);
  reg [W-1:0] rv = {W{1'bx}}, sv = {W{1'bx}};
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1)
        n[i] = rv[i] !== 1'b1 && sv[i] === 1'b1 ? 1'b0 : sv[i] !== 1'b1 && rv[i] === 1'b1 ? 1'b1 : qv[i];
      drive_q(n);
    end
  endtask
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    sv = s;
    evaluate;
  end
endmodule

// _dffr: D flip-flop; takes d while t is 1 whenever r, or t receives a value. r active at 0 (and while never driven); r wins.
module lumo_dffr #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] d,
    output [W-1:0] q, qn,
    input r,
    input t);
  reg [W-1:0] dv = {W{1'bx}};
  reg rv = 1'bx, tv = 1'bx;
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
        else if (tv === 1'b1 && (dv[i] === 1'b0 || dv[i] === 1'b1)) n[i] = dv[i];
        else n[i] = qv[i];
      drive_q(n);
    end
  endtask
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) begin
    dv = d;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    evaluate;
  end
endmodule

// _dffrs: D flip-flop with set; takes d while t is 1 whenever r, s or t receives a value. r and s active at 0 (and while never driven); r wins.
module lumo_dffrs #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] d,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  reg [W-1:0] dv = {W{1'bx}}, sv = {W{1'bx}};
  reg rv = 1'bx, tv = 1'bx;
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
        else if (sv[i] !== 1'b1) n[i] = 1'b1;
        else if (tv === 1'b1 && (dv[i] === 1'b0 || dv[i] === 1'b1)) n[i] = dv[i];
        else n[i] = qv[i];
      drive_q(n);
    end
  endtask
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) begin
    dv = d;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    sv = s;
    evaluate;
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    evaluate;
  end
endmodule

// _jkffr: JK flip-flop, falling clock (t at 0, or never driven); r active at 0 (and while never driven); r wins.
module lumo_jkffr #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input t);
  reg [W-1:0] jv = {W{1'bx}}, kv = {W{1'bx}};
  reg rv = 1'bx, tv = 1'bx;
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n, kk;
    integer i;
    begin
      kk = kv;
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
        else if (!(tv !== 1'b1)) n[i] = qv[i];
        else if ((jv[i] !== 1'b0 && jv[i] !== 1'b1) || (kk[i] !== 1'b0 && kk[i] !== 1'b1)) n[i] = qv[i];
        else if (jv[i] === 1'b0) n[i] = kk[i] === 1'b0 ? qv[i] : 1'b0;
        else n[i] = kk[i] === 1'b0 ? 1'b1 : qv[i] === 1'b1 ? 1'b0 : 1'b1;
      drive_q(n);
    end
  endtask
  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    evaluate;
  end
endmodule

// _jkffrs: JK flip-flop with set, falling clock (t at 0, or never driven); r and s active at 0 (and while never driven); r wins.
module lumo_jkffrs #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  reg [W-1:0] jv = {W{1'bx}}, kv = {W{1'bx}}, sv = {W{1'bx}};
  reg rv = 1'bx, tv = 1'bx;
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n, kk;
    integer i;
    begin
      kk = kv;
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
        else if (sv[i] !== 1'b1) n[i] = 1'b1;
        else if (!(tv !== 1'b1)) n[i] = qv[i];
        else if ((jv[i] !== 1'b0 && jv[i] !== 1'b1) || (kk[i] !== 1'b0 && kk[i] !== 1'b1)) n[i] = qv[i];
        else if (jv[i] === 1'b0) n[i] = kk[i] === 1'b0 ? qv[i] : 1'b0;
        else n[i] = kk[i] === 1'b0 ? 1'b1 : qv[i] === 1'b1 ? 1'b0 : 1'b1;
      drive_q(n);
    end
  endtask
  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    sv = s;
    evaluate;
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    evaluate;
  end
endmodule

// _jkffrs2: JK flip-flop with set, J and inverted K, rising clock; r and s active at 0 (and while never driven); r wins.
module lumo_jkffrs2 #(parameter W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  reg [W-1:0] jv = {W{1'bx}}, kv = {W{1'bx}}, sv = {W{1'bx}};
  reg rv = 1'bx, tv = 1'bx;
  reg [W-1:0] qv = {W{1'bx}}, qr = {W{1'bx}}, qnv = {W{1'bx}}, qnr = {W{1'bx}};
  assign q = qr;
  assign qn = qnr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction
  task drive_q;  // Q, then its inverse
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

  task evaluate;
    reg [W-1:0] n, kk;
    integer i;
    begin
      kk = ~ones(kv);
      for (i = 0; i < W; i = i + 1)
        if (rv !== 1'b1) n[i] = 1'b0;
        else if (sv[i] !== 1'b1) n[i] = 1'b1;
        else if (!(tv === 1'b1)) n[i] = qv[i];
        else if ((jv[i] !== 1'b0 && jv[i] !== 1'b1) || (kk[i] !== 1'b0 && kk[i] !== 1'b1)) n[i] = qv[i];
        else if (jv[i] === 1'b0) n[i] = kk[i] === 1'b0 ? qv[i] : 1'b0;
        else n[i] = kk[i] === 1'b0 ? 1'b1 : qv[i] === 1'b1 ? 1'b0 : 1'b1;
      drive_q(n);
    end
  endtask
  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    evaluate;
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    sv = s;
    evaluate;
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    tv = t;
    evaluate;
  end
endmodule

// _mux: 2-to-1 multiplexer; while s was never driven, the input that
// changed last passes. Settles before time 0.
module lumo_mux #(parameter W = 1, Y0 = 3, Y1 = 3) (
    input [W-1:0] a, b,
    input s,
    output [W-1:0] y);
  reg [W-1:0] av = {W{1'bx}}, bv = {W{1'bx}}, yv = {W{1'bx}}, yr = {W{1'bx}};
  reg sv = 1'bx;
  assign y = yr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task drive;
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
endmodule

// _line2: 2 lines and the bus y, both ways and without delay: line a
// is bit 0, line b the bits from 1 up (LW of them). Settles before time 0.
module lumo_line2 #(parameter LW = 1) (
    inout a,
    inout [LW-1:0] b,
    inout [LW+0:0] y);
  localparam BW = LW + 1;
  reg av = 1'bx, ar = 1'bz;
  reg [LW-1:0] bv = {LW{1'bx}}, br = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({bv, av} !== yv) begin
        yv = {bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[BW-1:1] !== bv) begin
        bv = v[BW-1:1];
        br <= #(wait_for(0)) bv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line3: 3 lines and the bus y, both ways and without delay: line a
// is bit 0, line c the bits from 2 up (LW of them). Settles before time 0.
module lumo_line3 #(parameter LW = 1) (
    inout a, b,
    inout [LW-1:0] c,
    inout [LW+1:0] y);
  localparam BW = LW + 2;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg [LW-1:0] cv = {LW{1'bx}}, cr = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({cv, bv, av} !== yv) begin
        yv = {cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[BW-1:2] !== cv) begin
        cv = v[BW-1:2];
        cr <= #(wait_for(0)) cv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line4: 4 lines and the bus y, both ways and without delay: line a
// is bit 0, line d the bits from 3 up (LW of them). Settles before time 0.
module lumo_line4 #(parameter LW = 1) (
    inout a, b, c,
    inout [LW-1:0] d,
    inout [LW+2:0] y);
  localparam BW = LW + 3;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg cv = 1'bx, cr = 1'bz;
  reg [LW-1:0] dv = {LW{1'bx}}, dr = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign d = dr;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({dv, cv, bv, av} !== yv) begin
        yv = {dv, cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[2] !== cv) begin
        cv = v[2];
        cr <= #(wait_for(0)) cv;
      end
      if (v[BW-1:3] !== dv) begin
        dv = v[BW-1:3];
        dr <= #(wait_for(0)) dv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    dv = d;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line5: 5 lines and the bus y, both ways and without delay: line a
// is bit 0, line e the bits from 4 up (LW of them). Settles before time 0.
module lumo_line5 #(parameter LW = 1) (
    inout a, b, c, d,
    inout [LW-1:0] e,
    inout [LW+3:0] y);
  localparam BW = LW + 4;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg cv = 1'bx, cr = 1'bz;
  reg dv = 1'bx, dr = 1'bz;
  reg [LW-1:0] ev = {LW{1'bx}}, er = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign d = dr;
  assign e = er;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[2] !== cv) begin
        cv = v[2];
        cr <= #(wait_for(0)) cv;
      end
      if (v[3] !== dv) begin
        dv = v[3];
        dr <= #(wait_for(0)) dv;
      end
      if (v[BW-1:4] !== ev) begin
        ev = v[BW-1:4];
        er <= #(wait_for(0)) ev;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    dv = d;
    merge;
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    ev = e;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line6: 6 lines and the bus y, both ways and without delay: line a
// is bit 0, line f the bits from 5 up (LW of them). Settles before time 0.
module lumo_line6 #(parameter LW = 1) (
    inout a, b, c, d, e,
    inout [LW-1:0] f,
    inout [LW+4:0] y);
  localparam BW = LW + 5;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg cv = 1'bx, cr = 1'bz;
  reg dv = 1'bx, dr = 1'bz;
  reg ev = 1'bx, er = 1'bz;
  reg [LW-1:0] fv = {LW{1'bx}}, fr = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign d = dr;
  assign e = er;
  assign f = fr;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[2] !== cv) begin
        cv = v[2];
        cr <= #(wait_for(0)) cv;
      end
      if (v[3] !== dv) begin
        dv = v[3];
        dr <= #(wait_for(0)) dv;
      end
      if (v[4] !== ev) begin
        ev = v[4];
        er <= #(wait_for(0)) ev;
      end
      if (v[BW-1:5] !== fv) begin
        fv = v[BW-1:5];
        fr <= #(wait_for(0)) fv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    dv = d;
    merge;
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    ev = e;
    merge;
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    fv = f;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line7: 7 lines and the bus y, both ways and without delay: line a
// is bit 0, line g the bits from 6 up (LW of them). Settles before time 0.
module lumo_line7 #(parameter LW = 1) (
    inout a, b, c, d, e, f,
    inout [LW-1:0] g,
    inout [LW+5:0] y);
  localparam BW = LW + 6;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg cv = 1'bx, cr = 1'bz;
  reg dv = 1'bx, dr = 1'bz;
  reg ev = 1'bx, er = 1'bz;
  reg fv = 1'bx, fr = 1'bz;
  reg [LW-1:0] gv = {LW{1'bx}}, gr = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign d = dr;
  assign e = er;
  assign f = fr;
  assign g = gr;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[2] !== cv) begin
        cv = v[2];
        cr <= #(wait_for(0)) cv;
      end
      if (v[3] !== dv) begin
        dv = v[3];
        dr <= #(wait_for(0)) dv;
      end
      if (v[4] !== ev) begin
        ev = v[4];
        er <= #(wait_for(0)) ev;
      end
      if (v[5] !== fv) begin
        fv = v[5];
        fr <= #(wait_for(0)) fv;
      end
      if (v[BW-1:6] !== gv) begin
        gv = v[BW-1:6];
        gr <= #(wait_for(0)) gv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    dv = d;
    merge;
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    ev = e;
    merge;
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    fv = f;
    merge;
  end
  always @(g) if ((^g) !== 1'bx && g !== gr) begin
    gv = g;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _line8: 8 lines and the bus y, both ways and without delay: line a
// is bit 0, line h the bits from 7 up (LW of them). Settles before time 0.
module lumo_line8 #(parameter LW = 1) (
    inout a, b, c, d, e, f, g,
    inout [LW-1:0] h,
    inout [LW+6:0] y);
  localparam BW = LW + 7;
  reg av = 1'bx, ar = 1'bz;
  reg bv = 1'bx, br = 1'bz;
  reg cv = 1'bx, cr = 1'bz;
  reg dv = 1'bx, dr = 1'bz;
  reg ev = 1'bx, er = 1'bz;
  reg fv = 1'bx, fr = 1'bz;
  reg gv = 1'bx, gr = 1'bz;
  reg [LW-1:0] hv = {LW{1'bx}}, hr = {LW{1'bz}};
  reg [BW-1:0] yv = {BW{1'bx}}, yr = {BW{1'bz}};
  assign a = ar;
  assign b = br;
  assign c = cr;
  assign d = dr;
  assign e = er;
  assign f = fr;
  assign g = gr;
  assign h = hr;
  assign y = yr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task merge;
    begin
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        yr <= #(wait_for(0)) yv;
      end
    end
  endtask
  task split;
    reg [BW-1:0] v;
    integer i;
    begin
      for (i = 0; i < BW; i = i + 1) v[i] = yv[i] === 1'b1;
      if (v[0] !== av) begin
        av = v[0];
        ar <= #(wait_for(0)) av;
      end
      if (v[1] !== bv) begin
        bv = v[1];
        br <= #(wait_for(0)) bv;
      end
      if (v[2] !== cv) begin
        cv = v[2];
        cr <= #(wait_for(0)) cv;
      end
      if (v[3] !== dv) begin
        dv = v[3];
        dr <= #(wait_for(0)) dv;
      end
      if (v[4] !== ev) begin
        ev = v[4];
        er <= #(wait_for(0)) ev;
      end
      if (v[5] !== fv) begin
        fv = v[5];
        fr <= #(wait_for(0)) fv;
      end
      if (v[6] !== gv) begin
        gv = v[6];
        gr <= #(wait_for(0)) gv;
      end
      if (v[BW-1:7] !== hv) begin
        hv = v[BW-1:7];
        hr <= #(wait_for(0)) hv;
      end
    end
  endtask
  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    av = a;
    merge;
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    bv = b;
    merge;
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    cv = c;
    merge;
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    dv = d;
    merge;
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    ev = e;
    merge;
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    fv = f;
    merge;
  end
  always @(g) if ((^g) !== 1'bx && g !== gr) begin
    gv = g;
    merge;
  end
  always @(h) if ((^h) !== 1'bx && h !== hr) begin
    hv = h;
    merge;
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    yv = y;
    split;
  end
endmodule

// _reg: register; k at 1 loads d, r at 1 clears to 0. A load is delayed
// by the delay of the new value's bit 0.
module lumo_reg #(parameter W = 1, DW = 1, Q0 = 3, Q1 = 3) (
    input [DW-1:0] d,
    input k,
    output [W-1:0] q,
    input r);
  reg [W-1:0] dv = {W{1'bx}}, qv = {W{1'bx}}, qr = {W{1'bx}};
  reg kv = 1'bx, rv = 1'bx;
  assign q = qr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task load;
    input [W-1:0] n;
    begin
      if (n !== qv) begin
        qv = n;
        qr <= #(wait_for(n[0] === 1'b0 ? Q0 : n[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1))) n;
      end
    end
  endtask
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    kv = k;
    if (kv === 1'b1) load(dv);
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rv = r;
    if (rv === 1'b1) load({W{1'b0}});
  end
endmodule

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
  assign q = qr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  task load;
    input [W-1:0] n;
    begin
      if (n !== qv) begin
        qv = n;
        qr <= #(wait_for(n[0] === 1'b0 ? Q0 : n[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1))) n;
      end
    end
  endtask
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
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
endmodule

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
  assign q = qr;
  function [W-1:0] ones;  // bits that are 1; x and z read as 0
    input [W-1:0] v;
    integer i;
    begin
      for (i = 0; i < W; i = i + 1) ones[i] = v[i] === 1'b1;
    end
  endfunction
  function integer delay_for;  // the largest delay over the value's bits
    input [W-1:0] v;
    input integer d0, d1;
    integer i, r, c;
    begin
      r = d0 < d1 ? d0 : d1;
      for (i = 0; i < W; i = i + 1) begin
        c = v[i] === 1'b0 ? d0 : v[i] === 1'b1 ? d1 : (d0 > d1 ? d0 : d1);
        if (c > r) r = c;
      end
      delay_for = r;
    end
  endfunction
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  function [SW-1:0] index;
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
endmodule

// _0: the constant 0, driven from time 0.
module lumo_0 (output y);
  reg yr = 1'bx;
  assign y = yr;
  always @(lumo_ctl.constants) yr = lumo_ctl.constants === 1'b1 ? 1'b0 : 1'bx;
endmodule

// _1: the constant 1, driven from time 0.
module lumo_1 (output y);
  reg yr = 1'bx;
  assign y = yr;
  always @(lumo_ctl.constants) yr = lumo_ctl.constants === 1'b1 ? 1'b1 : 1'bx;
endmodule
