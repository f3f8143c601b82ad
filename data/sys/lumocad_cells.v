// LumoCAD cell library: one module per primitive, behaving as the LumoCAD
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


// _and2: AND of 2 inputs; settles before time 0.
module lumo_and2 #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) & ones(bv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) & ones(bv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _and3: AND of 3 inputs; settles before time 0.
module lumo_and3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) & ones(bv) & ones(cv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) & ones(bv) & ones(cv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) & ones(bv) & ones(cv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _and4: AND of 4 inputs; settles before time 0.
module lumo_and4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) & ones(bv) & ones(cv) & ones(dv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) & ones(bv) & ones(cv) & ones(dv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) & ones(bv) & ones(cv) & ones(dv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
    begin : evaluate_7
      reg [W-1:0] n_7;
      n_7 = ones(av) & ones(bv) & ones(cv) & ones(dv);
      if (n_7 !== yv) begin
        yv = n_7;
        begin : schedule_y_8
          reg [W-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_7;
          delay_8 = wait_for(delay_for(n_7, Y0, Y1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nand2: NAND of 2 inputs; settles before time 0.
module lumo_nand2 #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) & ones(bv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) & ones(bv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nand3: NAND of 3 inputs; settles before time 0.
module lumo_nand3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) & ones(bv) & ones(cv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) & ones(bv) & ones(cv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ~(ones(av) & ones(bv) & ones(cv));
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nand4: NAND of 4 inputs; settles before time 0.
module lumo_nand4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) & ones(bv) & ones(cv) & ones(dv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) & ones(bv) & ones(cv) & ones(dv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ~(ones(av) & ones(bv) & ones(cv) & ones(dv));
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
    begin : evaluate_7
      reg [W-1:0] n_7;
      n_7 = ~(ones(av) & ones(bv) & ones(cv) & ones(dv));
      if (n_7 !== yv) begin
        yv = n_7;
        begin : schedule_y_8
          reg [W-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_7;
          delay_8 = wait_for(delay_for(n_7, Y0, Y1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _or2: OR of 2 inputs; settles before time 0.
module lumo_or2 #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) | ones(bv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) | ones(bv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _or3: OR of 3 inputs; settles before time 0.
module lumo_or3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) | ones(bv) | ones(cv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) | ones(bv) | ones(cv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) | ones(bv) | ones(cv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _or4: OR of 4 inputs; settles before time 0.
module lumo_or4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) | ones(bv) | ones(cv) | ones(dv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) | ones(bv) | ones(cv) | ones(dv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) | ones(bv) | ones(cv) | ones(dv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
    begin : evaluate_7
      reg [W-1:0] n_7;
      n_7 = ones(av) | ones(bv) | ones(cv) | ones(dv);
      if (n_7 !== yv) begin
        yv = n_7;
        begin : schedule_y_8
          reg [W-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_7;
          delay_8 = wait_for(delay_for(n_7, Y0, Y1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nor2: NOR of 2 inputs; settles before time 0.
module lumo_nor2 #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) | ones(bv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) | ones(bv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nor3: NOR of 3 inputs; settles before time 0.
module lumo_nor3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) | ones(bv) | ones(cv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) | ones(bv) | ones(cv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ~(ones(av) | ones(bv) | ones(cv));
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _nor4: NOR of 4 inputs; settles before time 0.
module lumo_nor4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~(ones(av) | ones(bv) | ones(cv) | ones(dv));
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ~(ones(av) | ones(bv) | ones(cv) | ones(dv));
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ~(ones(av) | ones(bv) | ones(cv) | ones(dv));
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
    begin : evaluate_7
      reg [W-1:0] n_7;
      n_7 = ~(ones(av) | ones(bv) | ones(cv) | ones(dv));
      if (n_7 !== yv) begin
        yv = n_7;
        begin : schedule_y_8
          reg [W-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_7;
          delay_8 = wait_for(delay_for(n_7, Y0, Y1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _exor2: EXOR of 2 inputs; settles before time 0.
module lumo_exor2 #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) ^ ones(bv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) ^ ones(bv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _exor3: EXOR of 3 inputs; settles before time 0.
module lumo_exor3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) ^ ones(bv) ^ ones(cv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) ^ ones(bv) ^ ones(cv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) ^ ones(bv) ^ ones(cv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _exor4: EXOR of 4 inputs; settles before time 0.
module lumo_exor4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a, b, c, d,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ones(av) ^ ones(bv) ^ ones(cv) ^ ones(dv);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_3
      reg [W-1:0] n_3;
      n_3 = ones(av) ^ ones(bv) ^ ones(cv) ^ ones(dv);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    begin : evaluate_5
      reg [W-1:0] n_5;
      n_5 = ones(av) ^ ones(bv) ^ ones(cv) ^ ones(dv);
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
    begin : evaluate_7
      reg [W-1:0] n_7;
      n_7 = ones(av) ^ ones(bv) ^ ones(cv) ^ ones(dv);
      if (n_7 !== yv) begin
        yv = n_7;
        begin : schedule_y_8
          reg [W-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_7;
          delay_8 = wait_for(delay_for(n_7, Y0, Y1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _not: inverter; settles before time 0.
module lumo_not #(parameter ID = 0, R_a = 0, W = 1, Y0 = 1, Y1 = 1) (
    input [W-1:0] a,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg [W-1:0] n_1;
      n_1 = ~ones(av);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _ptri: tristate buffer, enable c active 1.
module lumo_ptri #(parameter ID = 0, R_a = 0, R_c = 0, W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    if (cv === 1'b1) begin : drive_1
      reg [W-1:0] n_1;
      n_1 = av;
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    if (cv === 1'b1) begin : drive_3
      reg [W-1:0] n_3;
      n_3 = av;
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
    else begin : drive_5
      reg [W-1:0] n_5;
      n_5 = {W{1'bz}};
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _ntri: tristate buffer, enable c active 0 (and while c was never driven).
module lumo_ntri #(parameter ID = 0, R_a = 0, R_c = 0, W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    if (cv === 1'b0 || cv === 1'bx) begin : drive_1
      reg [W-1:0] n_1;
      n_1 = av;
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    if (cv === 1'b0) begin : drive_3
      reg [W-1:0] n_3;
      n_3 = av;
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
    else if (cv === 1'b1) begin : drive_5
      reg [W-1:0] n_5;
      n_5 = {W{1'bz}};
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _ptriinv: tristate inverter, enable c active 1.
module lumo_ptriinv #(parameter ID = 0, R_a = 0, R_c = 0, W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    if (cv === 1'b1) begin : drive_1
      reg [W-1:0] n_1;
      n_1 = ~ones(av);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    if (cv === 1'b1) begin : drive_3
      reg [W-1:0] n_3;
      n_3 = ~ones(av);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
    else begin : drive_5
      reg [W-1:0] n_5;
      n_5 = {W{1'bz}};
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _ntriinv: tristate inverter, enable c active 0 (and while c was never driven).
module lumo_ntriinv #(parameter ID = 0, R_a = 0, R_c = 0, W = 1, Y0 = 2, Y1 = 2) (input [W-1:0] a, input c, output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    if (cv === 1'b0 || cv === 1'bx) begin : drive_1
      reg [W-1:0] n_1;
      n_1 = ~ones(av);
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if (!lumo_ctl.settle && (^c) !== 1'bx) begin
    rank = R_c;
    cv = c;
    if (cv === 1'b0) begin : drive_3
      reg [W-1:0] n_3;
      n_3 = ~ones(av);
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
    else if (cv === 1'b1) begin : drive_5
      reg [W-1:0] n_5;
      n_5 = {W{1'bz}};
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _cmp: magnitude comparator of a and b.
module lumo_cmp #(parameter ID = 0, R_a = 0, R_b = 0, W = 1, EQ0 = 4, EQ1 = 4, GT0 = 4, GT1 = 4, LT0 = 4, LT1 = 4) (
    input [W-1:0] a, b,
    output eq, gt, lt);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : evaluate_1
      reg n_1;
      n_1 = ones(av) > ones(bv);
      if (n_1 !== gtv) begin
        gtv = n_1;
        begin : schedule_gt_2
          reg [1-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, GT0, GT1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      n_1 = ones(av) == ones(bv);
      if (n_1 !== eqv) begin
        eqv = n_1;
        begin : schedule_eq_3
          reg [1-1:0] n_3;
          integer delay_3;
          integer i_3, at_3, cause_3, order_3;
          n_3 = n_1;
          delay_3 = wait_for(delay_for(n_1, EQ0, EQ1));
          at_3 = $time + delay_3;
          cause_3 = lumo_ctl.cause;
          order_3 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
               (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
               i_3 = i_3 - 1) begin
            lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
            lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
            lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
            lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
            lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
          end
          lumo_ctl.at[i_3] = at_3;
          lumo_ctl.id[i_3] = ID * 16 + 1;
          lumo_ctl.by[i_3] = cause_3;
          lumo_ctl.rank_of[i_3] = order_3;
          lumo_ctl.value[i_3] = n_3;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      n_1 = ones(av) < ones(bv);
      if (n_1 !== ltv) begin
        ltv = n_1;
        begin : schedule_lt_4
          reg [1-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_1;
          delay_4 = wait_for(delay_for(n_1, LT0, LT1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 2;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if (!lumo_ctl.settle && (^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    begin : evaluate_5
      reg n_5;
      n_5 = ones(av) > ones(bv);
      if (n_5 !== gtv) begin
        gtv = n_5;
        begin : schedule_gt_6
          reg [1-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, GT0, GT1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      n_5 = ones(av) == ones(bv);
      if (n_5 !== eqv) begin
        eqv = n_5;
        begin : schedule_eq_7
          reg [1-1:0] n_7;
          integer delay_7;
          integer i_7, at_7, cause_7, order_7;
          n_7 = n_5;
          delay_7 = wait_for(delay_for(n_5, EQ0, EQ1));
          at_7 = $time + delay_7;
          cause_7 = lumo_ctl.cause;
          order_7 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
               (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
               i_7 = i_7 - 1) begin
            lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
            lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
            lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
            lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
            lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
          end
          lumo_ctl.at[i_7] = at_7;
          lumo_ctl.id[i_7] = ID * 16 + 1;
          lumo_ctl.by[i_7] = cause_7;
          lumo_ctl.rank_of[i_7] = order_7;
          lumo_ctl.value[i_7] = n_7;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      n_5 = ones(av) < ones(bv);
      if (n_5 !== ltv) begin
        ltv = n_5;
        begin : schedule_lt_8
          reg [1-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = n_5;
          delay_8 = wait_for(delay_for(n_5, LT0, LT1));
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 2;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) gtr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) eqr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) ltr = lumo_ctl.now_value;
endmodule

// _rslatch: RS latch, r and s active at 0 (and while never driven); both
// active keep the old state.
module lumo_rslatch #(parameter ID = 0, R_r = 0, R_s = 0, W = 1, Q0 = 2, Q1 = 2, QN0 = 2, QN1 = 2) (
    output [W-1:0] q, qn,
    input [W-1:0] r, s);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1;
      integer i_1;
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        n_1[i_1] = rv[i_1] !== 1'b1 && sv[i_1] === 1'b1 ? 1'b0 : sv[i_1] !== 1'b1 && rv[i_1] === 1'b1 ? 1'b1 : qv[i_1];
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    rank = R_s;
    sv = s;
    begin : evaluate_5
      reg [W-1:0] n_5;
      integer i_5;
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        n_5[i_5] = rv[i_5] !== 1'b1 && sv[i_5] === 1'b1 ? 1'b0 : sv[i_5] !== 1'b1 && rv[i_5] === 1'b1 ? 1'b1 : qv[i_5];
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _dffr: D flip-flop; takes d while t is 1 whenever r, or t receives a value. r active at 0 (and while never driven); r wins.
module lumo_dffr #(parameter ID = 0, R_d = 0, R_r = 0, R_t = 0, W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] d,
    output [W-1:0] q, qn,
    input r,
    input t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1;
      integer i_1;
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        if (rv !== 1'b1) n_1[i_1] = 1'b0;
        else if (tv === 1'b1 && (dv[i_1] === 1'b0 || dv[i_1] === 1'b1)) n_1[i_1] = dv[i_1];
        else n_1[i_1] = qv[i_1];
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    begin : evaluate_5
      reg [W-1:0] n_5;
      integer i_5;
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        if (rv !== 1'b1) n_5[i_5] = 1'b0;
        else if (tv === 1'b1 && (dv[i_5] === 1'b0 || dv[i_5] === 1'b1)) n_5[i_5] = dv[i_5];
        else n_5[i_5] = qv[i_5];
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _dffrs: D flip-flop with set; takes d while t is 1 whenever r, s or t receives a value. r and s active at 0 (and while never driven); r wins.
module lumo_dffrs #(parameter ID = 0, R_d = 0, R_r = 0, R_s = 0, R_t = 0, W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] d,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) begin
    rank = R_d;
    dv = d;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1;
      integer i_1;
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        if (rv !== 1'b1) n_1[i_1] = 1'b0;
        else if (sv[i_1] !== 1'b1) n_1[i_1] = 1'b1;
        else if (tv === 1'b1 && (dv[i_1] === 1'b0 || dv[i_1] === 1'b1)) n_1[i_1] = dv[i_1];
        else n_1[i_1] = qv[i_1];
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    rank = R_s;
    sv = s;
    begin : evaluate_5
      reg [W-1:0] n_5;
      integer i_5;
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        if (rv !== 1'b1) n_5[i_5] = 1'b0;
        else if (sv[i_5] !== 1'b1) n_5[i_5] = 1'b1;
        else if (tv === 1'b1 && (dv[i_5] === 1'b0 || dv[i_5] === 1'b1)) n_5[i_5] = dv[i_5];
        else n_5[i_5] = qv[i_5];
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    begin : evaluate_9
      reg [W-1:0] n_9;
      integer i_9;
      for (i_9 = 0; i_9 < W; i_9 = i_9 + 1)
        if (rv !== 1'b1) n_9[i_9] = 1'b0;
        else if (sv[i_9] !== 1'b1) n_9[i_9] = 1'b1;
        else if (tv === 1'b1 && (dv[i_9] === 1'b0 || dv[i_9] === 1'b1)) n_9[i_9] = dv[i_9];
        else n_9[i_9] = qv[i_9];
      begin : drive_q_10
        reg [W-1:0] n_10;
        n_10 = n_9;
        if (n_10 !== qv) begin
          qv = n_10;
          begin : schedule_q_11
            reg [W-1:0] n_11;
            integer delay_11;
            integer i_11, at_11, cause_11, order_11;
            n_11 = n_10;
            delay_11 = wait_for(delay_for(n_10, Q0, Q1));
            at_11 = $time + delay_11;
            cause_11 = lumo_ctl.cause;
            order_11 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_11 = lumo_ctl.count; i_11 > 0 && (lumo_ctl.at[i_11 - 1] > at_11 || lumo_ctl.at[i_11 - 1] == at_11 &&
                 (lumo_ctl.by[i_11 - 1] > cause_11 || lumo_ctl.by[i_11 - 1] == cause_11 && lumo_ctl.rank_of[i_11 - 1] > order_11));
                 i_11 = i_11 - 1) begin
              lumo_ctl.at[i_11] = lumo_ctl.at[i_11 - 1];
              lumo_ctl.id[i_11] = lumo_ctl.id[i_11 - 1];
              lumo_ctl.by[i_11] = lumo_ctl.by[i_11 - 1];
              lumo_ctl.rank_of[i_11] = lumo_ctl.rank_of[i_11 - 1];
              lumo_ctl.value[i_11] = lumo_ctl.value[i_11 - 1];
            end
            lumo_ctl.at[i_11] = at_11;
            lumo_ctl.id[i_11] = ID * 16 + 0;
            lumo_ctl.by[i_11] = cause_11;
            lumo_ctl.rank_of[i_11] = order_11;
            lumo_ctl.value[i_11] = n_11;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_10) !== qnv) begin
            qnv = ~ones(n_10);
            begin : schedule_qn_12
              reg [W-1:0] n_12;
              integer delay_12;
              integer i_12, at_12, cause_12, order_12;
              n_12 = qnv;
              delay_12 = wait_for(delay_for(qnv, QN0, QN1));
              at_12 = $time + delay_12;
              cause_12 = lumo_ctl.cause;
              order_12 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
                   (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
                   i_12 = i_12 - 1) begin
                lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
                lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
                lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
                lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
                lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
              end
              lumo_ctl.at[i_12] = at_12;
              lumo_ctl.id[i_12] = ID * 16 + 1;
              lumo_ctl.by[i_12] = cause_12;
              lumo_ctl.rank_of[i_12] = order_12;
              lumo_ctl.value[i_12] = n_12;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _jkffr: JK flip-flop, falling clock (t at 0, or never driven); r active at 0 (and while never driven); r wins.
module lumo_jkffr #(parameter ID = 0, R_j = 0, R_k = 0, R_r = 0, R_t = 0, W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    rank = R_j;
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    rank = R_k;
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1, kk_1;
      integer i_1;
      kk_1 = kv;
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        if (rv !== 1'b1) n_1[i_1] = 1'b0;
        else if (!(tv !== 1'b1)) n_1[i_1] = qv[i_1];
        else if ((jv[i_1] !== 1'b0 && jv[i_1] !== 1'b1) || (kk_1[i_1] !== 1'b0 && kk_1[i_1] !== 1'b1)) n_1[i_1] = qv[i_1];
        else if (jv[i_1] === 1'b0) n_1[i_1] = kk_1[i_1] === 1'b0 ? qv[i_1] : 1'b0;
        else n_1[i_1] = kk_1[i_1] === 1'b0 ? 1'b1 : qv[i_1] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    begin : evaluate_5
      reg [W-1:0] n_5, kk_5;
      integer i_5;
      kk_5 = kv;
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        if (rv !== 1'b1) n_5[i_5] = 1'b0;
        else if (!(tv !== 1'b1)) n_5[i_5] = qv[i_5];
        else if ((jv[i_5] !== 1'b0 && jv[i_5] !== 1'b1) || (kk_5[i_5] !== 1'b0 && kk_5[i_5] !== 1'b1)) n_5[i_5] = qv[i_5];
        else if (jv[i_5] === 1'b0) n_5[i_5] = kk_5[i_5] === 1'b0 ? qv[i_5] : 1'b0;
        else n_5[i_5] = kk_5[i_5] === 1'b0 ? 1'b1 : qv[i_5] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _jkffrs: JK flip-flop with set, falling clock (t at 0, or never driven); r and s active at 0 (and while never driven); r wins.
module lumo_jkffrs #(parameter ID = 0, R_j = 0, R_k = 0, R_r = 0, R_s = 0, R_t = 0, W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    rank = R_j;
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    rank = R_k;
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1, kk_1;
      integer i_1;
      kk_1 = kv;
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        if (rv !== 1'b1) n_1[i_1] = 1'b0;
        else if (sv[i_1] !== 1'b1) n_1[i_1] = 1'b1;
        else if (!(tv !== 1'b1)) n_1[i_1] = qv[i_1];
        else if ((jv[i_1] !== 1'b0 && jv[i_1] !== 1'b1) || (kk_1[i_1] !== 1'b0 && kk_1[i_1] !== 1'b1)) n_1[i_1] = qv[i_1];
        else if (jv[i_1] === 1'b0) n_1[i_1] = kk_1[i_1] === 1'b0 ? qv[i_1] : 1'b0;
        else n_1[i_1] = kk_1[i_1] === 1'b0 ? 1'b1 : qv[i_1] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    rank = R_s;
    sv = s;
    begin : evaluate_5
      reg [W-1:0] n_5, kk_5;
      integer i_5;
      kk_5 = kv;
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        if (rv !== 1'b1) n_5[i_5] = 1'b0;
        else if (sv[i_5] !== 1'b1) n_5[i_5] = 1'b1;
        else if (!(tv !== 1'b1)) n_5[i_5] = qv[i_5];
        else if ((jv[i_5] !== 1'b0 && jv[i_5] !== 1'b1) || (kk_5[i_5] !== 1'b0 && kk_5[i_5] !== 1'b1)) n_5[i_5] = qv[i_5];
        else if (jv[i_5] === 1'b0) n_5[i_5] = kk_5[i_5] === 1'b0 ? qv[i_5] : 1'b0;
        else n_5[i_5] = kk_5[i_5] === 1'b0 ? 1'b1 : qv[i_5] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    begin : evaluate_9
      reg [W-1:0] n_9, kk_9;
      integer i_9;
      kk_9 = kv;
      for (i_9 = 0; i_9 < W; i_9 = i_9 + 1)
        if (rv !== 1'b1) n_9[i_9] = 1'b0;
        else if (sv[i_9] !== 1'b1) n_9[i_9] = 1'b1;
        else if (!(tv !== 1'b1)) n_9[i_9] = qv[i_9];
        else if ((jv[i_9] !== 1'b0 && jv[i_9] !== 1'b1) || (kk_9[i_9] !== 1'b0 && kk_9[i_9] !== 1'b1)) n_9[i_9] = qv[i_9];
        else if (jv[i_9] === 1'b0) n_9[i_9] = kk_9[i_9] === 1'b0 ? qv[i_9] : 1'b0;
        else n_9[i_9] = kk_9[i_9] === 1'b0 ? 1'b1 : qv[i_9] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_10
        reg [W-1:0] n_10;
        n_10 = n_9;
        if (n_10 !== qv) begin
          qv = n_10;
          begin : schedule_q_11
            reg [W-1:0] n_11;
            integer delay_11;
            integer i_11, at_11, cause_11, order_11;
            n_11 = n_10;
            delay_11 = wait_for(delay_for(n_10, Q0, Q1));
            at_11 = $time + delay_11;
            cause_11 = lumo_ctl.cause;
            order_11 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_11 = lumo_ctl.count; i_11 > 0 && (lumo_ctl.at[i_11 - 1] > at_11 || lumo_ctl.at[i_11 - 1] == at_11 &&
                 (lumo_ctl.by[i_11 - 1] > cause_11 || lumo_ctl.by[i_11 - 1] == cause_11 && lumo_ctl.rank_of[i_11 - 1] > order_11));
                 i_11 = i_11 - 1) begin
              lumo_ctl.at[i_11] = lumo_ctl.at[i_11 - 1];
              lumo_ctl.id[i_11] = lumo_ctl.id[i_11 - 1];
              lumo_ctl.by[i_11] = lumo_ctl.by[i_11 - 1];
              lumo_ctl.rank_of[i_11] = lumo_ctl.rank_of[i_11 - 1];
              lumo_ctl.value[i_11] = lumo_ctl.value[i_11 - 1];
            end
            lumo_ctl.at[i_11] = at_11;
            lumo_ctl.id[i_11] = ID * 16 + 0;
            lumo_ctl.by[i_11] = cause_11;
            lumo_ctl.rank_of[i_11] = order_11;
            lumo_ctl.value[i_11] = n_11;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_10) !== qnv) begin
            qnv = ~ones(n_10);
            begin : schedule_qn_12
              reg [W-1:0] n_12;
              integer delay_12;
              integer i_12, at_12, cause_12, order_12;
              n_12 = qnv;
              delay_12 = wait_for(delay_for(qnv, QN0, QN1));
              at_12 = $time + delay_12;
              cause_12 = lumo_ctl.cause;
              order_12 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
                   (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
                   i_12 = i_12 - 1) begin
                lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
                lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
                lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
                lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
                lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
              end
              lumo_ctl.at[i_12] = at_12;
              lumo_ctl.id[i_12] = ID * 16 + 1;
              lumo_ctl.by[i_12] = cause_12;
              lumo_ctl.rank_of[i_12] = order_12;
              lumo_ctl.value[i_12] = n_12;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _jkffrs2: JK flip-flop with set, J and inverted K, rising clock; r and s active at 0 (and while never driven); r wins.
module lumo_jkffrs2 #(parameter ID = 0, R_j = 0, R_k = 0, R_r = 0, R_s = 0, R_t = 0, W = 1, Q0 = 3, Q1 = 3, QN0 = 3, QN1 = 3) (
    input [W-1:0] j, k,
    output [W-1:0] q, qn,
    input r,
    input [W-1:0] s,
    input t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(j) if (!lumo_ctl.settle && (^j) !== 1'bx) begin
    rank = R_j;
    jv = j;
  end
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    rank = R_k;
    kv = k;
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : evaluate_1
      reg [W-1:0] n_1, kk_1;
      integer i_1;
      kk_1 = ~ones(kv);
      for (i_1 = 0; i_1 < W; i_1 = i_1 + 1)
        if (rv !== 1'b1) n_1[i_1] = 1'b0;
        else if (sv[i_1] !== 1'b1) n_1[i_1] = 1'b1;
        else if (!(tv === 1'b1)) n_1[i_1] = qv[i_1];
        else if ((jv[i_1] !== 1'b0 && jv[i_1] !== 1'b1) || (kk_1[i_1] !== 1'b0 && kk_1[i_1] !== 1'b1)) n_1[i_1] = qv[i_1];
        else if (jv[i_1] === 1'b0) n_1[i_1] = kk_1[i_1] === 1'b0 ? qv[i_1] : 1'b0;
        else n_1[i_1] = kk_1[i_1] === 1'b0 ? 1'b1 : qv[i_1] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_2
        reg [W-1:0] n_2;
        n_2 = n_1;
        if (n_2 !== qv) begin
          qv = n_2;
          begin : schedule_q_3
            reg [W-1:0] n_3;
            integer delay_3;
            integer i_3, at_3, cause_3, order_3;
            n_3 = n_2;
            delay_3 = wait_for(delay_for(n_2, Q0, Q1));
            at_3 = $time + delay_3;
            cause_3 = lumo_ctl.cause;
            order_3 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_3 = lumo_ctl.count; i_3 > 0 && (lumo_ctl.at[i_3 - 1] > at_3 || lumo_ctl.at[i_3 - 1] == at_3 &&
                 (lumo_ctl.by[i_3 - 1] > cause_3 || lumo_ctl.by[i_3 - 1] == cause_3 && lumo_ctl.rank_of[i_3 - 1] > order_3));
                 i_3 = i_3 - 1) begin
              lumo_ctl.at[i_3] = lumo_ctl.at[i_3 - 1];
              lumo_ctl.id[i_3] = lumo_ctl.id[i_3 - 1];
              lumo_ctl.by[i_3] = lumo_ctl.by[i_3 - 1];
              lumo_ctl.rank_of[i_3] = lumo_ctl.rank_of[i_3 - 1];
              lumo_ctl.value[i_3] = lumo_ctl.value[i_3 - 1];
            end
            lumo_ctl.at[i_3] = at_3;
            lumo_ctl.id[i_3] = ID * 16 + 0;
            lumo_ctl.by[i_3] = cause_3;
            lumo_ctl.rank_of[i_3] = order_3;
            lumo_ctl.value[i_3] = n_3;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_2) !== qnv) begin
            qnv = ~ones(n_2);
            begin : schedule_qn_4
              reg [W-1:0] n_4;
              integer delay_4;
              integer i_4, at_4, cause_4, order_4;
              n_4 = qnv;
              delay_4 = wait_for(delay_for(qnv, QN0, QN1));
              at_4 = $time + delay_4;
              cause_4 = lumo_ctl.cause;
              order_4 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
                   (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
                   i_4 = i_4 - 1) begin
                lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
                lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
                lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
                lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
                lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
              end
              lumo_ctl.at[i_4] = at_4;
              lumo_ctl.id[i_4] = ID * 16 + 1;
              lumo_ctl.by[i_4] = cause_4;
              lumo_ctl.rank_of[i_4] = order_4;
              lumo_ctl.value[i_4] = n_4;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(s) if (!lumo_ctl.settle && (^s) !== 1'bx) begin
    rank = R_s;
    sv = s;
    begin : evaluate_5
      reg [W-1:0] n_5, kk_5;
      integer i_5;
      kk_5 = ~ones(kv);
      for (i_5 = 0; i_5 < W; i_5 = i_5 + 1)
        if (rv !== 1'b1) n_5[i_5] = 1'b0;
        else if (sv[i_5] !== 1'b1) n_5[i_5] = 1'b1;
        else if (!(tv === 1'b1)) n_5[i_5] = qv[i_5];
        else if ((jv[i_5] !== 1'b0 && jv[i_5] !== 1'b1) || (kk_5[i_5] !== 1'b0 && kk_5[i_5] !== 1'b1)) n_5[i_5] = qv[i_5];
        else if (jv[i_5] === 1'b0) n_5[i_5] = kk_5[i_5] === 1'b0 ? qv[i_5] : 1'b0;
        else n_5[i_5] = kk_5[i_5] === 1'b0 ? 1'b1 : qv[i_5] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_6
        reg [W-1:0] n_6;
        n_6 = n_5;
        if (n_6 !== qv) begin
          qv = n_6;
          begin : schedule_q_7
            reg [W-1:0] n_7;
            integer delay_7;
            integer i_7, at_7, cause_7, order_7;
            n_7 = n_6;
            delay_7 = wait_for(delay_for(n_6, Q0, Q1));
            at_7 = $time + delay_7;
            cause_7 = lumo_ctl.cause;
            order_7 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
                 (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
                 i_7 = i_7 - 1) begin
              lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
              lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
              lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
              lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
              lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
            end
            lumo_ctl.at[i_7] = at_7;
            lumo_ctl.id[i_7] = ID * 16 + 0;
            lumo_ctl.by[i_7] = cause_7;
            lumo_ctl.rank_of[i_7] = order_7;
            lumo_ctl.value[i_7] = n_7;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_6) !== qnv) begin
            qnv = ~ones(n_6);
            begin : schedule_qn_8
              reg [W-1:0] n_8;
              integer delay_8;
              integer i_8, at_8, cause_8, order_8;
              n_8 = qnv;
              delay_8 = wait_for(delay_for(qnv, QN0, QN1));
              at_8 = $time + delay_8;
              cause_8 = lumo_ctl.cause;
              order_8 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
                   (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
                   i_8 = i_8 - 1) begin
                lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
                lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
                lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
                lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
                lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
              end
              lumo_ctl.at[i_8] = at_8;
              lumo_ctl.id[i_8] = ID * 16 + 1;
              lumo_ctl.by[i_8] = cause_8;
              lumo_ctl.rank_of[i_8] = order_8;
              lumo_ctl.value[i_8] = n_8;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    begin : evaluate_9
      reg [W-1:0] n_9, kk_9;
      integer i_9;
      kk_9 = ~ones(kv);
      for (i_9 = 0; i_9 < W; i_9 = i_9 + 1)
        if (rv !== 1'b1) n_9[i_9] = 1'b0;
        else if (sv[i_9] !== 1'b1) n_9[i_9] = 1'b1;
        else if (!(tv === 1'b1)) n_9[i_9] = qv[i_9];
        else if ((jv[i_9] !== 1'b0 && jv[i_9] !== 1'b1) || (kk_9[i_9] !== 1'b0 && kk_9[i_9] !== 1'b1)) n_9[i_9] = qv[i_9];
        else if (jv[i_9] === 1'b0) n_9[i_9] = kk_9[i_9] === 1'b0 ? qv[i_9] : 1'b0;
        else n_9[i_9] = kk_9[i_9] === 1'b0 ? 1'b1 : qv[i_9] === 1'b1 ? 1'b0 : 1'b1;
      begin : drive_q_10
        reg [W-1:0] n_10;
        n_10 = n_9;
        if (n_10 !== qv) begin
          qv = n_10;
          begin : schedule_q_11
            reg [W-1:0] n_11;
            integer delay_11;
            integer i_11, at_11, cause_11, order_11;
            n_11 = n_10;
            delay_11 = wait_for(delay_for(n_10, Q0, Q1));
            at_11 = $time + delay_11;
            cause_11 = lumo_ctl.cause;
            order_11 = rank * 16 + 0;
            if (lumo_ctl.count == 4096) begin
              $display("lumocad_cells: more than 4096 changes pending in %m");
              $finish;
            end
            for (i_11 = lumo_ctl.count; i_11 > 0 && (lumo_ctl.at[i_11 - 1] > at_11 || lumo_ctl.at[i_11 - 1] == at_11 &&
                 (lumo_ctl.by[i_11 - 1] > cause_11 || lumo_ctl.by[i_11 - 1] == cause_11 && lumo_ctl.rank_of[i_11 - 1] > order_11));
                 i_11 = i_11 - 1) begin
              lumo_ctl.at[i_11] = lumo_ctl.at[i_11 - 1];
              lumo_ctl.id[i_11] = lumo_ctl.id[i_11 - 1];
              lumo_ctl.by[i_11] = lumo_ctl.by[i_11 - 1];
              lumo_ctl.rank_of[i_11] = lumo_ctl.rank_of[i_11 - 1];
              lumo_ctl.value[i_11] = lumo_ctl.value[i_11 - 1];
            end
            lumo_ctl.at[i_11] = at_11;
            lumo_ctl.id[i_11] = ID * 16 + 0;
            lumo_ctl.by[i_11] = cause_11;
            lumo_ctl.rank_of[i_11] = order_11;
            lumo_ctl.value[i_11] = n_11;
            lumo_ctl.count = lumo_ctl.count + 1;
          end
          if (~ones(n_10) !== qnv) begin
            qnv = ~ones(n_10);
            begin : schedule_qn_12
              reg [W-1:0] n_12;
              integer delay_12;
              integer i_12, at_12, cause_12, order_12;
              n_12 = qnv;
              delay_12 = wait_for(delay_for(qnv, QN0, QN1));
              at_12 = $time + delay_12;
              cause_12 = lumo_ctl.cause;
              order_12 = rank * 16 + 1;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
                   (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
                   i_12 = i_12 - 1) begin
                lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
                lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
                lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
                lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
                lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
              end
              lumo_ctl.at[i_12] = at_12;
              lumo_ctl.id[i_12] = ID * 16 + 1;
              lumo_ctl.by[i_12] = cause_12;
              lumo_ctl.rank_of[i_12] = order_12;
              lumo_ctl.value[i_12] = n_12;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) qnr = lumo_ctl.now_value;
endmodule

// _mux: 2-to-1 multiplexer; while s was never driven, the input that
// changed last passes. Settles before time 0.
module lumo_mux #(parameter ID = 0, R_a = 0, R_b = 0, R_s = 0, W = 1, Y0 = 3, Y1 = 3) (
    input [W-1:0] a, b,
    input s,
    output [W-1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(a) if ((^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    if (sv === 1'b0 || sv === 1'bx) begin : drive_1
      reg [W-1:0] n_1;
      n_1 = av;
      if (n_1 !== yv) begin
        yv = n_1;
        begin : schedule_y_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(delay_for(n_1, Y0, Y1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx) begin
    rank = R_b;
    bv = b;
    if (sv === 1'b1 || sv === 1'bx) begin : drive_3
      reg [W-1:0] n_3;
      n_3 = bv;
      if (n_3 !== yv) begin
        yv = n_3;
        begin : schedule_y_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(delay_for(n_3, Y0, Y1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(s) if ((^s) !== 1'bx) begin
    rank = R_s;
    sv = s;
    begin : drive_5
      reg [W-1:0] n_5;
      n_5 = sv === 1'b0 ? av : bv;
      if (n_5 !== yv) begin
        yv = n_5;
        begin : schedule_y_6
          reg [W-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = n_5;
          delay_6 = wait_for(delay_for(n_5, Y0, Y1));
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
endmodule

// _line2: 2 lines and the bus y, both ways and without delay: line a
// is bit 0, line b the bits from 1 up (LW of them). Settles before time 0.
module lumo_line2 #(parameter ID = 0, R_a = 0, R_b = 0, R_y = 0, LW = 1) (
    inout a,
    inout [LW-1:0] b,
    inout [LW+0:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({bv, av} !== yv) begin
        yv = {bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({bv, av} !== yv) begin
        yv = {bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_5
      reg [BW-1:0] v_5;
      integer i_5;
      for (i_5 = 0; i_5 < BW; i_5 = i_5 + 1) v_5[i_5] = yv[i_5] === 1'b1;
      if (v_5[0] !== av) begin
        av = v_5[0];
        begin : schedule_a_6
          reg [1-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = av;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 1;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_5[BW-1:1] !== bv) begin
        bv = v_5[BW-1:1];
        begin : schedule_b_7
          reg [LW-1:0] n_7;
          integer delay_7;
          integer i_7, at_7, cause_7, order_7;
          n_7 = bv;
          delay_7 = wait_for(0);
          at_7 = $time + delay_7;
          cause_7 = lumo_ctl.cause;
          order_7 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
               (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
               i_7 = i_7 - 1) begin
            lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
            lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
            lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
            lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
            lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
          end
          lumo_ctl.at[i_7] = at_7;
          lumo_ctl.id[i_7] = ID * 16 + 2;
          lumo_ctl.by[i_7] = cause_7;
          lumo_ctl.rank_of[i_7] = order_7;
          lumo_ctl.value[i_7] = n_7;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
endmodule

// _line3: 3 lines and the bus y, both ways and without delay: line a
// is bit 0, line c the bits from 2 up (LW of them). Settles before time 0.
module lumo_line3 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_y = 0, LW = 1) (
    inout a, b,
    inout [LW-1:0] c,
    inout [LW+1:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({cv, bv, av} !== yv) begin
        yv = {cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({cv, bv, av} !== yv) begin
        yv = {cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({cv, bv, av} !== yv) begin
        yv = {cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_7
      reg [BW-1:0] v_7;
      integer i_7;
      for (i_7 = 0; i_7 < BW; i_7 = i_7 + 1) v_7[i_7] = yv[i_7] === 1'b1;
      if (v_7[0] !== av) begin
        av = v_7[0];
        begin : schedule_a_8
          reg [1-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = av;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 1;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_7[1] !== bv) begin
        bv = v_7[1];
        begin : schedule_b_9
          reg [1-1:0] n_9;
          integer delay_9;
          integer i_9, at_9, cause_9, order_9;
          n_9 = bv;
          delay_9 = wait_for(0);
          at_9 = $time + delay_9;
          cause_9 = lumo_ctl.cause;
          order_9 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_9 = lumo_ctl.count; i_9 > 0 && (lumo_ctl.at[i_9 - 1] > at_9 || lumo_ctl.at[i_9 - 1] == at_9 &&
               (lumo_ctl.by[i_9 - 1] > cause_9 || lumo_ctl.by[i_9 - 1] == cause_9 && lumo_ctl.rank_of[i_9 - 1] > order_9));
               i_9 = i_9 - 1) begin
            lumo_ctl.at[i_9] = lumo_ctl.at[i_9 - 1];
            lumo_ctl.id[i_9] = lumo_ctl.id[i_9 - 1];
            lumo_ctl.by[i_9] = lumo_ctl.by[i_9 - 1];
            lumo_ctl.rank_of[i_9] = lumo_ctl.rank_of[i_9 - 1];
            lumo_ctl.value[i_9] = lumo_ctl.value[i_9 - 1];
          end
          lumo_ctl.at[i_9] = at_9;
          lumo_ctl.id[i_9] = ID * 16 + 2;
          lumo_ctl.by[i_9] = cause_9;
          lumo_ctl.rank_of[i_9] = order_9;
          lumo_ctl.value[i_9] = n_9;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_7[BW-1:2] !== cv) begin
        cv = v_7[BW-1:2];
        begin : schedule_c_10
          reg [LW-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = cv;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 3;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
endmodule

// _line4: 4 lines and the bus y, both ways and without delay: line a
// is bit 0, line d the bits from 3 up (LW of them). Settles before time 0.
module lumo_line4 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, R_y = 0, LW = 1) (
    inout a, b, c,
    inout [LW-1:0] d,
    inout [LW+2:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({dv, cv, bv, av} !== yv) begin
        yv = {dv, cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({dv, cv, bv, av} !== yv) begin
        yv = {dv, cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({dv, cv, bv, av} !== yv) begin
        yv = {dv, cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    rank = R_d;
    dv = d;
    begin : merge_7
      if ({dv, cv, bv, av} !== yv) begin
        yv = {dv, cv, bv, av};
        begin : schedule_y_8
          reg [BW-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = yv;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_9
      reg [BW-1:0] v_9;
      integer i_9;
      for (i_9 = 0; i_9 < BW; i_9 = i_9 + 1) v_9[i_9] = yv[i_9] === 1'b1;
      if (v_9[0] !== av) begin
        av = v_9[0];
        begin : schedule_a_10
          reg [1-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = av;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 1;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_9[1] !== bv) begin
        bv = v_9[1];
        begin : schedule_b_11
          reg [1-1:0] n_11;
          integer delay_11;
          integer i_11, at_11, cause_11, order_11;
          n_11 = bv;
          delay_11 = wait_for(0);
          at_11 = $time + delay_11;
          cause_11 = lumo_ctl.cause;
          order_11 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_11 = lumo_ctl.count; i_11 > 0 && (lumo_ctl.at[i_11 - 1] > at_11 || lumo_ctl.at[i_11 - 1] == at_11 &&
               (lumo_ctl.by[i_11 - 1] > cause_11 || lumo_ctl.by[i_11 - 1] == cause_11 && lumo_ctl.rank_of[i_11 - 1] > order_11));
               i_11 = i_11 - 1) begin
            lumo_ctl.at[i_11] = lumo_ctl.at[i_11 - 1];
            lumo_ctl.id[i_11] = lumo_ctl.id[i_11 - 1];
            lumo_ctl.by[i_11] = lumo_ctl.by[i_11 - 1];
            lumo_ctl.rank_of[i_11] = lumo_ctl.rank_of[i_11 - 1];
            lumo_ctl.value[i_11] = lumo_ctl.value[i_11 - 1];
          end
          lumo_ctl.at[i_11] = at_11;
          lumo_ctl.id[i_11] = ID * 16 + 2;
          lumo_ctl.by[i_11] = cause_11;
          lumo_ctl.rank_of[i_11] = order_11;
          lumo_ctl.value[i_11] = n_11;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_9[2] !== cv) begin
        cv = v_9[2];
        begin : schedule_c_12
          reg [1-1:0] n_12;
          integer delay_12;
          integer i_12, at_12, cause_12, order_12;
          n_12 = cv;
          delay_12 = wait_for(0);
          at_12 = $time + delay_12;
          cause_12 = lumo_ctl.cause;
          order_12 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
               (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
               i_12 = i_12 - 1) begin
            lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
            lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
            lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
            lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
            lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
          end
          lumo_ctl.at[i_12] = at_12;
          lumo_ctl.id[i_12] = ID * 16 + 3;
          lumo_ctl.by[i_12] = cause_12;
          lumo_ctl.rank_of[i_12] = order_12;
          lumo_ctl.value[i_12] = n_12;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_9[BW-1:3] !== dv) begin
        dv = v_9[BW-1:3];
        begin : schedule_d_13
          reg [LW-1:0] n_13;
          integer delay_13;
          integer i_13, at_13, cause_13, order_13;
          n_13 = dv;
          delay_13 = wait_for(0);
          at_13 = $time + delay_13;
          cause_13 = lumo_ctl.cause;
          order_13 = rank * 16 + 4;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_13 = lumo_ctl.count; i_13 > 0 && (lumo_ctl.at[i_13 - 1] > at_13 || lumo_ctl.at[i_13 - 1] == at_13 &&
               (lumo_ctl.by[i_13 - 1] > cause_13 || lumo_ctl.by[i_13 - 1] == cause_13 && lumo_ctl.rank_of[i_13 - 1] > order_13));
               i_13 = i_13 - 1) begin
            lumo_ctl.at[i_13] = lumo_ctl.at[i_13 - 1];
            lumo_ctl.id[i_13] = lumo_ctl.id[i_13 - 1];
            lumo_ctl.by[i_13] = lumo_ctl.by[i_13 - 1];
            lumo_ctl.rank_of[i_13] = lumo_ctl.rank_of[i_13 - 1];
            lumo_ctl.value[i_13] = lumo_ctl.value[i_13 - 1];
          end
          lumo_ctl.at[i_13] = at_13;
          lumo_ctl.id[i_13] = ID * 16 + 4;
          lumo_ctl.by[i_13] = cause_13;
          lumo_ctl.rank_of[i_13] = order_13;
          lumo_ctl.value[i_13] = n_13;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 4) dr = lumo_ctl.now_value;
endmodule

// _line5: 5 lines and the bus y, both ways and without delay: line a
// is bit 0, line e the bits from 4 up (LW of them). Settles before time 0.
module lumo_line5 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, R_e = 0, R_y = 0, LW = 1) (
    inout a, b, c, d,
    inout [LW-1:0] e,
    inout [LW+3:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    rank = R_d;
    dv = d;
    begin : merge_7
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        begin : schedule_y_8
          reg [BW-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = yv;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    rank = R_e;
    ev = e;
    begin : merge_9
      if ({ev, dv, cv, bv, av} !== yv) begin
        yv = {ev, dv, cv, bv, av};
        begin : schedule_y_10
          reg [BW-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = yv;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 0;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_11
      reg [BW-1:0] v_11;
      integer i_11;
      for (i_11 = 0; i_11 < BW; i_11 = i_11 + 1) v_11[i_11] = yv[i_11] === 1'b1;
      if (v_11[0] !== av) begin
        av = v_11[0];
        begin : schedule_a_12
          reg [1-1:0] n_12;
          integer delay_12;
          integer i_12, at_12, cause_12, order_12;
          n_12 = av;
          delay_12 = wait_for(0);
          at_12 = $time + delay_12;
          cause_12 = lumo_ctl.cause;
          order_12 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
               (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
               i_12 = i_12 - 1) begin
            lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
            lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
            lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
            lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
            lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
          end
          lumo_ctl.at[i_12] = at_12;
          lumo_ctl.id[i_12] = ID * 16 + 1;
          lumo_ctl.by[i_12] = cause_12;
          lumo_ctl.rank_of[i_12] = order_12;
          lumo_ctl.value[i_12] = n_12;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_11[1] !== bv) begin
        bv = v_11[1];
        begin : schedule_b_13
          reg [1-1:0] n_13;
          integer delay_13;
          integer i_13, at_13, cause_13, order_13;
          n_13 = bv;
          delay_13 = wait_for(0);
          at_13 = $time + delay_13;
          cause_13 = lumo_ctl.cause;
          order_13 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_13 = lumo_ctl.count; i_13 > 0 && (lumo_ctl.at[i_13 - 1] > at_13 || lumo_ctl.at[i_13 - 1] == at_13 &&
               (lumo_ctl.by[i_13 - 1] > cause_13 || lumo_ctl.by[i_13 - 1] == cause_13 && lumo_ctl.rank_of[i_13 - 1] > order_13));
               i_13 = i_13 - 1) begin
            lumo_ctl.at[i_13] = lumo_ctl.at[i_13 - 1];
            lumo_ctl.id[i_13] = lumo_ctl.id[i_13 - 1];
            lumo_ctl.by[i_13] = lumo_ctl.by[i_13 - 1];
            lumo_ctl.rank_of[i_13] = lumo_ctl.rank_of[i_13 - 1];
            lumo_ctl.value[i_13] = lumo_ctl.value[i_13 - 1];
          end
          lumo_ctl.at[i_13] = at_13;
          lumo_ctl.id[i_13] = ID * 16 + 2;
          lumo_ctl.by[i_13] = cause_13;
          lumo_ctl.rank_of[i_13] = order_13;
          lumo_ctl.value[i_13] = n_13;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_11[2] !== cv) begin
        cv = v_11[2];
        begin : schedule_c_14
          reg [1-1:0] n_14;
          integer delay_14;
          integer i_14, at_14, cause_14, order_14;
          n_14 = cv;
          delay_14 = wait_for(0);
          at_14 = $time + delay_14;
          cause_14 = lumo_ctl.cause;
          order_14 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_14 = lumo_ctl.count; i_14 > 0 && (lumo_ctl.at[i_14 - 1] > at_14 || lumo_ctl.at[i_14 - 1] == at_14 &&
               (lumo_ctl.by[i_14 - 1] > cause_14 || lumo_ctl.by[i_14 - 1] == cause_14 && lumo_ctl.rank_of[i_14 - 1] > order_14));
               i_14 = i_14 - 1) begin
            lumo_ctl.at[i_14] = lumo_ctl.at[i_14 - 1];
            lumo_ctl.id[i_14] = lumo_ctl.id[i_14 - 1];
            lumo_ctl.by[i_14] = lumo_ctl.by[i_14 - 1];
            lumo_ctl.rank_of[i_14] = lumo_ctl.rank_of[i_14 - 1];
            lumo_ctl.value[i_14] = lumo_ctl.value[i_14 - 1];
          end
          lumo_ctl.at[i_14] = at_14;
          lumo_ctl.id[i_14] = ID * 16 + 3;
          lumo_ctl.by[i_14] = cause_14;
          lumo_ctl.rank_of[i_14] = order_14;
          lumo_ctl.value[i_14] = n_14;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_11[3] !== dv) begin
        dv = v_11[3];
        begin : schedule_d_15
          reg [1-1:0] n_15;
          integer delay_15;
          integer i_15, at_15, cause_15, order_15;
          n_15 = dv;
          delay_15 = wait_for(0);
          at_15 = $time + delay_15;
          cause_15 = lumo_ctl.cause;
          order_15 = rank * 16 + 4;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_15 = lumo_ctl.count; i_15 > 0 && (lumo_ctl.at[i_15 - 1] > at_15 || lumo_ctl.at[i_15 - 1] == at_15 &&
               (lumo_ctl.by[i_15 - 1] > cause_15 || lumo_ctl.by[i_15 - 1] == cause_15 && lumo_ctl.rank_of[i_15 - 1] > order_15));
               i_15 = i_15 - 1) begin
            lumo_ctl.at[i_15] = lumo_ctl.at[i_15 - 1];
            lumo_ctl.id[i_15] = lumo_ctl.id[i_15 - 1];
            lumo_ctl.by[i_15] = lumo_ctl.by[i_15 - 1];
            lumo_ctl.rank_of[i_15] = lumo_ctl.rank_of[i_15 - 1];
            lumo_ctl.value[i_15] = lumo_ctl.value[i_15 - 1];
          end
          lumo_ctl.at[i_15] = at_15;
          lumo_ctl.id[i_15] = ID * 16 + 4;
          lumo_ctl.by[i_15] = cause_15;
          lumo_ctl.rank_of[i_15] = order_15;
          lumo_ctl.value[i_15] = n_15;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_11[BW-1:4] !== ev) begin
        ev = v_11[BW-1:4];
        begin : schedule_e_16
          reg [LW-1:0] n_16;
          integer delay_16;
          integer i_16, at_16, cause_16, order_16;
          n_16 = ev;
          delay_16 = wait_for(0);
          at_16 = $time + delay_16;
          cause_16 = lumo_ctl.cause;
          order_16 = rank * 16 + 5;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_16 = lumo_ctl.count; i_16 > 0 && (lumo_ctl.at[i_16 - 1] > at_16 || lumo_ctl.at[i_16 - 1] == at_16 &&
               (lumo_ctl.by[i_16 - 1] > cause_16 || lumo_ctl.by[i_16 - 1] == cause_16 && lumo_ctl.rank_of[i_16 - 1] > order_16));
               i_16 = i_16 - 1) begin
            lumo_ctl.at[i_16] = lumo_ctl.at[i_16 - 1];
            lumo_ctl.id[i_16] = lumo_ctl.id[i_16 - 1];
            lumo_ctl.by[i_16] = lumo_ctl.by[i_16 - 1];
            lumo_ctl.rank_of[i_16] = lumo_ctl.rank_of[i_16 - 1];
            lumo_ctl.value[i_16] = lumo_ctl.value[i_16 - 1];
          end
          lumo_ctl.at[i_16] = at_16;
          lumo_ctl.id[i_16] = ID * 16 + 5;
          lumo_ctl.by[i_16] = cause_16;
          lumo_ctl.rank_of[i_16] = order_16;
          lumo_ctl.value[i_16] = n_16;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 4) dr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 5) er = lumo_ctl.now_value;
endmodule

// _line6: 6 lines and the bus y, both ways and without delay: line a
// is bit 0, line f the bits from 5 up (LW of them). Settles before time 0.
module lumo_line6 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, R_e = 0, R_f = 0, R_y = 0, LW = 1) (
    inout a, b, c, d, e,
    inout [LW-1:0] f,
    inout [LW+4:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    rank = R_d;
    dv = d;
    begin : merge_7
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_8
          reg [BW-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = yv;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    rank = R_e;
    ev = e;
    begin : merge_9
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_10
          reg [BW-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = yv;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 0;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    rank = R_f;
    fv = f;
    begin : merge_11
      if ({fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {fv, ev, dv, cv, bv, av};
        begin : schedule_y_12
          reg [BW-1:0] n_12;
          integer delay_12;
          integer i_12, at_12, cause_12, order_12;
          n_12 = yv;
          delay_12 = wait_for(0);
          at_12 = $time + delay_12;
          cause_12 = lumo_ctl.cause;
          order_12 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
               (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
               i_12 = i_12 - 1) begin
            lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
            lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
            lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
            lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
            lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
          end
          lumo_ctl.at[i_12] = at_12;
          lumo_ctl.id[i_12] = ID * 16 + 0;
          lumo_ctl.by[i_12] = cause_12;
          lumo_ctl.rank_of[i_12] = order_12;
          lumo_ctl.value[i_12] = n_12;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_13
      reg [BW-1:0] v_13;
      integer i_13;
      for (i_13 = 0; i_13 < BW; i_13 = i_13 + 1) v_13[i_13] = yv[i_13] === 1'b1;
      if (v_13[0] !== av) begin
        av = v_13[0];
        begin : schedule_a_14
          reg [1-1:0] n_14;
          integer delay_14;
          integer i_14, at_14, cause_14, order_14;
          n_14 = av;
          delay_14 = wait_for(0);
          at_14 = $time + delay_14;
          cause_14 = lumo_ctl.cause;
          order_14 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_14 = lumo_ctl.count; i_14 > 0 && (lumo_ctl.at[i_14 - 1] > at_14 || lumo_ctl.at[i_14 - 1] == at_14 &&
               (lumo_ctl.by[i_14 - 1] > cause_14 || lumo_ctl.by[i_14 - 1] == cause_14 && lumo_ctl.rank_of[i_14 - 1] > order_14));
               i_14 = i_14 - 1) begin
            lumo_ctl.at[i_14] = lumo_ctl.at[i_14 - 1];
            lumo_ctl.id[i_14] = lumo_ctl.id[i_14 - 1];
            lumo_ctl.by[i_14] = lumo_ctl.by[i_14 - 1];
            lumo_ctl.rank_of[i_14] = lumo_ctl.rank_of[i_14 - 1];
            lumo_ctl.value[i_14] = lumo_ctl.value[i_14 - 1];
          end
          lumo_ctl.at[i_14] = at_14;
          lumo_ctl.id[i_14] = ID * 16 + 1;
          lumo_ctl.by[i_14] = cause_14;
          lumo_ctl.rank_of[i_14] = order_14;
          lumo_ctl.value[i_14] = n_14;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_13[1] !== bv) begin
        bv = v_13[1];
        begin : schedule_b_15
          reg [1-1:0] n_15;
          integer delay_15;
          integer i_15, at_15, cause_15, order_15;
          n_15 = bv;
          delay_15 = wait_for(0);
          at_15 = $time + delay_15;
          cause_15 = lumo_ctl.cause;
          order_15 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_15 = lumo_ctl.count; i_15 > 0 && (lumo_ctl.at[i_15 - 1] > at_15 || lumo_ctl.at[i_15 - 1] == at_15 &&
               (lumo_ctl.by[i_15 - 1] > cause_15 || lumo_ctl.by[i_15 - 1] == cause_15 && lumo_ctl.rank_of[i_15 - 1] > order_15));
               i_15 = i_15 - 1) begin
            lumo_ctl.at[i_15] = lumo_ctl.at[i_15 - 1];
            lumo_ctl.id[i_15] = lumo_ctl.id[i_15 - 1];
            lumo_ctl.by[i_15] = lumo_ctl.by[i_15 - 1];
            lumo_ctl.rank_of[i_15] = lumo_ctl.rank_of[i_15 - 1];
            lumo_ctl.value[i_15] = lumo_ctl.value[i_15 - 1];
          end
          lumo_ctl.at[i_15] = at_15;
          lumo_ctl.id[i_15] = ID * 16 + 2;
          lumo_ctl.by[i_15] = cause_15;
          lumo_ctl.rank_of[i_15] = order_15;
          lumo_ctl.value[i_15] = n_15;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_13[2] !== cv) begin
        cv = v_13[2];
        begin : schedule_c_16
          reg [1-1:0] n_16;
          integer delay_16;
          integer i_16, at_16, cause_16, order_16;
          n_16 = cv;
          delay_16 = wait_for(0);
          at_16 = $time + delay_16;
          cause_16 = lumo_ctl.cause;
          order_16 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_16 = lumo_ctl.count; i_16 > 0 && (lumo_ctl.at[i_16 - 1] > at_16 || lumo_ctl.at[i_16 - 1] == at_16 &&
               (lumo_ctl.by[i_16 - 1] > cause_16 || lumo_ctl.by[i_16 - 1] == cause_16 && lumo_ctl.rank_of[i_16 - 1] > order_16));
               i_16 = i_16 - 1) begin
            lumo_ctl.at[i_16] = lumo_ctl.at[i_16 - 1];
            lumo_ctl.id[i_16] = lumo_ctl.id[i_16 - 1];
            lumo_ctl.by[i_16] = lumo_ctl.by[i_16 - 1];
            lumo_ctl.rank_of[i_16] = lumo_ctl.rank_of[i_16 - 1];
            lumo_ctl.value[i_16] = lumo_ctl.value[i_16 - 1];
          end
          lumo_ctl.at[i_16] = at_16;
          lumo_ctl.id[i_16] = ID * 16 + 3;
          lumo_ctl.by[i_16] = cause_16;
          lumo_ctl.rank_of[i_16] = order_16;
          lumo_ctl.value[i_16] = n_16;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_13[3] !== dv) begin
        dv = v_13[3];
        begin : schedule_d_17
          reg [1-1:0] n_17;
          integer delay_17;
          integer i_17, at_17, cause_17, order_17;
          n_17 = dv;
          delay_17 = wait_for(0);
          at_17 = $time + delay_17;
          cause_17 = lumo_ctl.cause;
          order_17 = rank * 16 + 4;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_17 = lumo_ctl.count; i_17 > 0 && (lumo_ctl.at[i_17 - 1] > at_17 || lumo_ctl.at[i_17 - 1] == at_17 &&
               (lumo_ctl.by[i_17 - 1] > cause_17 || lumo_ctl.by[i_17 - 1] == cause_17 && lumo_ctl.rank_of[i_17 - 1] > order_17));
               i_17 = i_17 - 1) begin
            lumo_ctl.at[i_17] = lumo_ctl.at[i_17 - 1];
            lumo_ctl.id[i_17] = lumo_ctl.id[i_17 - 1];
            lumo_ctl.by[i_17] = lumo_ctl.by[i_17 - 1];
            lumo_ctl.rank_of[i_17] = lumo_ctl.rank_of[i_17 - 1];
            lumo_ctl.value[i_17] = lumo_ctl.value[i_17 - 1];
          end
          lumo_ctl.at[i_17] = at_17;
          lumo_ctl.id[i_17] = ID * 16 + 4;
          lumo_ctl.by[i_17] = cause_17;
          lumo_ctl.rank_of[i_17] = order_17;
          lumo_ctl.value[i_17] = n_17;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_13[4] !== ev) begin
        ev = v_13[4];
        begin : schedule_e_18
          reg [1-1:0] n_18;
          integer delay_18;
          integer i_18, at_18, cause_18, order_18;
          n_18 = ev;
          delay_18 = wait_for(0);
          at_18 = $time + delay_18;
          cause_18 = lumo_ctl.cause;
          order_18 = rank * 16 + 5;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_18 = lumo_ctl.count; i_18 > 0 && (lumo_ctl.at[i_18 - 1] > at_18 || lumo_ctl.at[i_18 - 1] == at_18 &&
               (lumo_ctl.by[i_18 - 1] > cause_18 || lumo_ctl.by[i_18 - 1] == cause_18 && lumo_ctl.rank_of[i_18 - 1] > order_18));
               i_18 = i_18 - 1) begin
            lumo_ctl.at[i_18] = lumo_ctl.at[i_18 - 1];
            lumo_ctl.id[i_18] = lumo_ctl.id[i_18 - 1];
            lumo_ctl.by[i_18] = lumo_ctl.by[i_18 - 1];
            lumo_ctl.rank_of[i_18] = lumo_ctl.rank_of[i_18 - 1];
            lumo_ctl.value[i_18] = lumo_ctl.value[i_18 - 1];
          end
          lumo_ctl.at[i_18] = at_18;
          lumo_ctl.id[i_18] = ID * 16 + 5;
          lumo_ctl.by[i_18] = cause_18;
          lumo_ctl.rank_of[i_18] = order_18;
          lumo_ctl.value[i_18] = n_18;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_13[BW-1:5] !== fv) begin
        fv = v_13[BW-1:5];
        begin : schedule_f_19
          reg [LW-1:0] n_19;
          integer delay_19;
          integer i_19, at_19, cause_19, order_19;
          n_19 = fv;
          delay_19 = wait_for(0);
          at_19 = $time + delay_19;
          cause_19 = lumo_ctl.cause;
          order_19 = rank * 16 + 6;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_19 = lumo_ctl.count; i_19 > 0 && (lumo_ctl.at[i_19 - 1] > at_19 || lumo_ctl.at[i_19 - 1] == at_19 &&
               (lumo_ctl.by[i_19 - 1] > cause_19 || lumo_ctl.by[i_19 - 1] == cause_19 && lumo_ctl.rank_of[i_19 - 1] > order_19));
               i_19 = i_19 - 1) begin
            lumo_ctl.at[i_19] = lumo_ctl.at[i_19 - 1];
            lumo_ctl.id[i_19] = lumo_ctl.id[i_19 - 1];
            lumo_ctl.by[i_19] = lumo_ctl.by[i_19 - 1];
            lumo_ctl.rank_of[i_19] = lumo_ctl.rank_of[i_19 - 1];
            lumo_ctl.value[i_19] = lumo_ctl.value[i_19 - 1];
          end
          lumo_ctl.at[i_19] = at_19;
          lumo_ctl.id[i_19] = ID * 16 + 6;
          lumo_ctl.by[i_19] = cause_19;
          lumo_ctl.rank_of[i_19] = order_19;
          lumo_ctl.value[i_19] = n_19;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 4) dr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 5) er = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 6) fr = lumo_ctl.now_value;
endmodule

// _line7: 7 lines and the bus y, both ways and without delay: line a
// is bit 0, line g the bits from 6 up (LW of them). Settles before time 0.
module lumo_line7 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, R_e = 0, R_f = 0, R_g = 0, R_y = 0, LW = 1) (
    inout a, b, c, d, e, f,
    inout [LW-1:0] g,
    inout [LW+5:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    rank = R_d;
    dv = d;
    begin : merge_7
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_8
          reg [BW-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = yv;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    rank = R_e;
    ev = e;
    begin : merge_9
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_10
          reg [BW-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = yv;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 0;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    rank = R_f;
    fv = f;
    begin : merge_11
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_12
          reg [BW-1:0] n_12;
          integer delay_12;
          integer i_12, at_12, cause_12, order_12;
          n_12 = yv;
          delay_12 = wait_for(0);
          at_12 = $time + delay_12;
          cause_12 = lumo_ctl.cause;
          order_12 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
               (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
               i_12 = i_12 - 1) begin
            lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
            lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
            lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
            lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
            lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
          end
          lumo_ctl.at[i_12] = at_12;
          lumo_ctl.id[i_12] = ID * 16 + 0;
          lumo_ctl.by[i_12] = cause_12;
          lumo_ctl.rank_of[i_12] = order_12;
          lumo_ctl.value[i_12] = n_12;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(g) if ((^g) !== 1'bx && g !== gr) begin
    rank = R_g;
    gv = g;
    begin : merge_13
      if ({gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_14
          reg [BW-1:0] n_14;
          integer delay_14;
          integer i_14, at_14, cause_14, order_14;
          n_14 = yv;
          delay_14 = wait_for(0);
          at_14 = $time + delay_14;
          cause_14 = lumo_ctl.cause;
          order_14 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_14 = lumo_ctl.count; i_14 > 0 && (lumo_ctl.at[i_14 - 1] > at_14 || lumo_ctl.at[i_14 - 1] == at_14 &&
               (lumo_ctl.by[i_14 - 1] > cause_14 || lumo_ctl.by[i_14 - 1] == cause_14 && lumo_ctl.rank_of[i_14 - 1] > order_14));
               i_14 = i_14 - 1) begin
            lumo_ctl.at[i_14] = lumo_ctl.at[i_14 - 1];
            lumo_ctl.id[i_14] = lumo_ctl.id[i_14 - 1];
            lumo_ctl.by[i_14] = lumo_ctl.by[i_14 - 1];
            lumo_ctl.rank_of[i_14] = lumo_ctl.rank_of[i_14 - 1];
            lumo_ctl.value[i_14] = lumo_ctl.value[i_14 - 1];
          end
          lumo_ctl.at[i_14] = at_14;
          lumo_ctl.id[i_14] = ID * 16 + 0;
          lumo_ctl.by[i_14] = cause_14;
          lumo_ctl.rank_of[i_14] = order_14;
          lumo_ctl.value[i_14] = n_14;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_15
      reg [BW-1:0] v_15;
      integer i_15;
      for (i_15 = 0; i_15 < BW; i_15 = i_15 + 1) v_15[i_15] = yv[i_15] === 1'b1;
      if (v_15[0] !== av) begin
        av = v_15[0];
        begin : schedule_a_16
          reg [1-1:0] n_16;
          integer delay_16;
          integer i_16, at_16, cause_16, order_16;
          n_16 = av;
          delay_16 = wait_for(0);
          at_16 = $time + delay_16;
          cause_16 = lumo_ctl.cause;
          order_16 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_16 = lumo_ctl.count; i_16 > 0 && (lumo_ctl.at[i_16 - 1] > at_16 || lumo_ctl.at[i_16 - 1] == at_16 &&
               (lumo_ctl.by[i_16 - 1] > cause_16 || lumo_ctl.by[i_16 - 1] == cause_16 && lumo_ctl.rank_of[i_16 - 1] > order_16));
               i_16 = i_16 - 1) begin
            lumo_ctl.at[i_16] = lumo_ctl.at[i_16 - 1];
            lumo_ctl.id[i_16] = lumo_ctl.id[i_16 - 1];
            lumo_ctl.by[i_16] = lumo_ctl.by[i_16 - 1];
            lumo_ctl.rank_of[i_16] = lumo_ctl.rank_of[i_16 - 1];
            lumo_ctl.value[i_16] = lumo_ctl.value[i_16 - 1];
          end
          lumo_ctl.at[i_16] = at_16;
          lumo_ctl.id[i_16] = ID * 16 + 1;
          lumo_ctl.by[i_16] = cause_16;
          lumo_ctl.rank_of[i_16] = order_16;
          lumo_ctl.value[i_16] = n_16;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[1] !== bv) begin
        bv = v_15[1];
        begin : schedule_b_17
          reg [1-1:0] n_17;
          integer delay_17;
          integer i_17, at_17, cause_17, order_17;
          n_17 = bv;
          delay_17 = wait_for(0);
          at_17 = $time + delay_17;
          cause_17 = lumo_ctl.cause;
          order_17 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_17 = lumo_ctl.count; i_17 > 0 && (lumo_ctl.at[i_17 - 1] > at_17 || lumo_ctl.at[i_17 - 1] == at_17 &&
               (lumo_ctl.by[i_17 - 1] > cause_17 || lumo_ctl.by[i_17 - 1] == cause_17 && lumo_ctl.rank_of[i_17 - 1] > order_17));
               i_17 = i_17 - 1) begin
            lumo_ctl.at[i_17] = lumo_ctl.at[i_17 - 1];
            lumo_ctl.id[i_17] = lumo_ctl.id[i_17 - 1];
            lumo_ctl.by[i_17] = lumo_ctl.by[i_17 - 1];
            lumo_ctl.rank_of[i_17] = lumo_ctl.rank_of[i_17 - 1];
            lumo_ctl.value[i_17] = lumo_ctl.value[i_17 - 1];
          end
          lumo_ctl.at[i_17] = at_17;
          lumo_ctl.id[i_17] = ID * 16 + 2;
          lumo_ctl.by[i_17] = cause_17;
          lumo_ctl.rank_of[i_17] = order_17;
          lumo_ctl.value[i_17] = n_17;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[2] !== cv) begin
        cv = v_15[2];
        begin : schedule_c_18
          reg [1-1:0] n_18;
          integer delay_18;
          integer i_18, at_18, cause_18, order_18;
          n_18 = cv;
          delay_18 = wait_for(0);
          at_18 = $time + delay_18;
          cause_18 = lumo_ctl.cause;
          order_18 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_18 = lumo_ctl.count; i_18 > 0 && (lumo_ctl.at[i_18 - 1] > at_18 || lumo_ctl.at[i_18 - 1] == at_18 &&
               (lumo_ctl.by[i_18 - 1] > cause_18 || lumo_ctl.by[i_18 - 1] == cause_18 && lumo_ctl.rank_of[i_18 - 1] > order_18));
               i_18 = i_18 - 1) begin
            lumo_ctl.at[i_18] = lumo_ctl.at[i_18 - 1];
            lumo_ctl.id[i_18] = lumo_ctl.id[i_18 - 1];
            lumo_ctl.by[i_18] = lumo_ctl.by[i_18 - 1];
            lumo_ctl.rank_of[i_18] = lumo_ctl.rank_of[i_18 - 1];
            lumo_ctl.value[i_18] = lumo_ctl.value[i_18 - 1];
          end
          lumo_ctl.at[i_18] = at_18;
          lumo_ctl.id[i_18] = ID * 16 + 3;
          lumo_ctl.by[i_18] = cause_18;
          lumo_ctl.rank_of[i_18] = order_18;
          lumo_ctl.value[i_18] = n_18;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[3] !== dv) begin
        dv = v_15[3];
        begin : schedule_d_19
          reg [1-1:0] n_19;
          integer delay_19;
          integer i_19, at_19, cause_19, order_19;
          n_19 = dv;
          delay_19 = wait_for(0);
          at_19 = $time + delay_19;
          cause_19 = lumo_ctl.cause;
          order_19 = rank * 16 + 4;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_19 = lumo_ctl.count; i_19 > 0 && (lumo_ctl.at[i_19 - 1] > at_19 || lumo_ctl.at[i_19 - 1] == at_19 &&
               (lumo_ctl.by[i_19 - 1] > cause_19 || lumo_ctl.by[i_19 - 1] == cause_19 && lumo_ctl.rank_of[i_19 - 1] > order_19));
               i_19 = i_19 - 1) begin
            lumo_ctl.at[i_19] = lumo_ctl.at[i_19 - 1];
            lumo_ctl.id[i_19] = lumo_ctl.id[i_19 - 1];
            lumo_ctl.by[i_19] = lumo_ctl.by[i_19 - 1];
            lumo_ctl.rank_of[i_19] = lumo_ctl.rank_of[i_19 - 1];
            lumo_ctl.value[i_19] = lumo_ctl.value[i_19 - 1];
          end
          lumo_ctl.at[i_19] = at_19;
          lumo_ctl.id[i_19] = ID * 16 + 4;
          lumo_ctl.by[i_19] = cause_19;
          lumo_ctl.rank_of[i_19] = order_19;
          lumo_ctl.value[i_19] = n_19;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[4] !== ev) begin
        ev = v_15[4];
        begin : schedule_e_20
          reg [1-1:0] n_20;
          integer delay_20;
          integer i_20, at_20, cause_20, order_20;
          n_20 = ev;
          delay_20 = wait_for(0);
          at_20 = $time + delay_20;
          cause_20 = lumo_ctl.cause;
          order_20 = rank * 16 + 5;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_20 = lumo_ctl.count; i_20 > 0 && (lumo_ctl.at[i_20 - 1] > at_20 || lumo_ctl.at[i_20 - 1] == at_20 &&
               (lumo_ctl.by[i_20 - 1] > cause_20 || lumo_ctl.by[i_20 - 1] == cause_20 && lumo_ctl.rank_of[i_20 - 1] > order_20));
               i_20 = i_20 - 1) begin
            lumo_ctl.at[i_20] = lumo_ctl.at[i_20 - 1];
            lumo_ctl.id[i_20] = lumo_ctl.id[i_20 - 1];
            lumo_ctl.by[i_20] = lumo_ctl.by[i_20 - 1];
            lumo_ctl.rank_of[i_20] = lumo_ctl.rank_of[i_20 - 1];
            lumo_ctl.value[i_20] = lumo_ctl.value[i_20 - 1];
          end
          lumo_ctl.at[i_20] = at_20;
          lumo_ctl.id[i_20] = ID * 16 + 5;
          lumo_ctl.by[i_20] = cause_20;
          lumo_ctl.rank_of[i_20] = order_20;
          lumo_ctl.value[i_20] = n_20;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[5] !== fv) begin
        fv = v_15[5];
        begin : schedule_f_21
          reg [1-1:0] n_21;
          integer delay_21;
          integer i_21, at_21, cause_21, order_21;
          n_21 = fv;
          delay_21 = wait_for(0);
          at_21 = $time + delay_21;
          cause_21 = lumo_ctl.cause;
          order_21 = rank * 16 + 6;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_21 = lumo_ctl.count; i_21 > 0 && (lumo_ctl.at[i_21 - 1] > at_21 || lumo_ctl.at[i_21 - 1] == at_21 &&
               (lumo_ctl.by[i_21 - 1] > cause_21 || lumo_ctl.by[i_21 - 1] == cause_21 && lumo_ctl.rank_of[i_21 - 1] > order_21));
               i_21 = i_21 - 1) begin
            lumo_ctl.at[i_21] = lumo_ctl.at[i_21 - 1];
            lumo_ctl.id[i_21] = lumo_ctl.id[i_21 - 1];
            lumo_ctl.by[i_21] = lumo_ctl.by[i_21 - 1];
            lumo_ctl.rank_of[i_21] = lumo_ctl.rank_of[i_21 - 1];
            lumo_ctl.value[i_21] = lumo_ctl.value[i_21 - 1];
          end
          lumo_ctl.at[i_21] = at_21;
          lumo_ctl.id[i_21] = ID * 16 + 6;
          lumo_ctl.by[i_21] = cause_21;
          lumo_ctl.rank_of[i_21] = order_21;
          lumo_ctl.value[i_21] = n_21;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_15[BW-1:6] !== gv) begin
        gv = v_15[BW-1:6];
        begin : schedule_g_22
          reg [LW-1:0] n_22;
          integer delay_22;
          integer i_22, at_22, cause_22, order_22;
          n_22 = gv;
          delay_22 = wait_for(0);
          at_22 = $time + delay_22;
          cause_22 = lumo_ctl.cause;
          order_22 = rank * 16 + 7;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_22 = lumo_ctl.count; i_22 > 0 && (lumo_ctl.at[i_22 - 1] > at_22 || lumo_ctl.at[i_22 - 1] == at_22 &&
               (lumo_ctl.by[i_22 - 1] > cause_22 || lumo_ctl.by[i_22 - 1] == cause_22 && lumo_ctl.rank_of[i_22 - 1] > order_22));
               i_22 = i_22 - 1) begin
            lumo_ctl.at[i_22] = lumo_ctl.at[i_22 - 1];
            lumo_ctl.id[i_22] = lumo_ctl.id[i_22 - 1];
            lumo_ctl.by[i_22] = lumo_ctl.by[i_22 - 1];
            lumo_ctl.rank_of[i_22] = lumo_ctl.rank_of[i_22 - 1];
            lumo_ctl.value[i_22] = lumo_ctl.value[i_22 - 1];
          end
          lumo_ctl.at[i_22] = at_22;
          lumo_ctl.id[i_22] = ID * 16 + 7;
          lumo_ctl.by[i_22] = cause_22;
          lumo_ctl.rank_of[i_22] = order_22;
          lumo_ctl.value[i_22] = n_22;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 4) dr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 5) er = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 6) fr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 7) gr = lumo_ctl.now_value;
endmodule

// _line8: 8 lines and the bus y, both ways and without delay: line a
// is bit 0, line h the bits from 7 up (LW of them). Settles before time 0.
module lumo_line8 #(parameter ID = 0, R_a = 0, R_b = 0, R_c = 0, R_d = 0, R_e = 0, R_f = 0, R_g = 0, R_h = 0, R_y = 0, LW = 1) (
    inout a, b, c, d, e, f, g,
    inout [LW-1:0] h,
    inout [LW+6:0] y);
  integer rank = 0;  // of the input an arrival is delivered to
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

  // A line or the bus changing because this cell drives it is no arrival.
  always @(a) if ((^a) !== 1'bx && a !== ar) begin
    rank = R_a;
    av = a;
    begin : merge_1
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_2
          reg [BW-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = yv;
          delay_2 = wait_for(0);
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(b) if ((^b) !== 1'bx && b !== br) begin
    rank = R_b;
    bv = b;
    begin : merge_3
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_4
          reg [BW-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = yv;
          delay_4 = wait_for(0);
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(c) if ((^c) !== 1'bx && c !== cr) begin
    rank = R_c;
    cv = c;
    begin : merge_5
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_6
          reg [BW-1:0] n_6;
          integer delay_6;
          integer i_6, at_6, cause_6, order_6;
          n_6 = yv;
          delay_6 = wait_for(0);
          at_6 = $time + delay_6;
          cause_6 = lumo_ctl.cause;
          order_6 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
               (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
               i_6 = i_6 - 1) begin
            lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
            lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
            lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
            lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
            lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
          end
          lumo_ctl.at[i_6] = at_6;
          lumo_ctl.id[i_6] = ID * 16 + 0;
          lumo_ctl.by[i_6] = cause_6;
          lumo_ctl.rank_of[i_6] = order_6;
          lumo_ctl.value[i_6] = n_6;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if ((^d) !== 1'bx && d !== dr) begin
    rank = R_d;
    dv = d;
    begin : merge_7
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_8
          reg [BW-1:0] n_8;
          integer delay_8;
          integer i_8, at_8, cause_8, order_8;
          n_8 = yv;
          delay_8 = wait_for(0);
          at_8 = $time + delay_8;
          cause_8 = lumo_ctl.cause;
          order_8 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_8 = lumo_ctl.count; i_8 > 0 && (lumo_ctl.at[i_8 - 1] > at_8 || lumo_ctl.at[i_8 - 1] == at_8 &&
               (lumo_ctl.by[i_8 - 1] > cause_8 || lumo_ctl.by[i_8 - 1] == cause_8 && lumo_ctl.rank_of[i_8 - 1] > order_8));
               i_8 = i_8 - 1) begin
            lumo_ctl.at[i_8] = lumo_ctl.at[i_8 - 1];
            lumo_ctl.id[i_8] = lumo_ctl.id[i_8 - 1];
            lumo_ctl.by[i_8] = lumo_ctl.by[i_8 - 1];
            lumo_ctl.rank_of[i_8] = lumo_ctl.rank_of[i_8 - 1];
            lumo_ctl.value[i_8] = lumo_ctl.value[i_8 - 1];
          end
          lumo_ctl.at[i_8] = at_8;
          lumo_ctl.id[i_8] = ID * 16 + 0;
          lumo_ctl.by[i_8] = cause_8;
          lumo_ctl.rank_of[i_8] = order_8;
          lumo_ctl.value[i_8] = n_8;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(e) if ((^e) !== 1'bx && e !== er) begin
    rank = R_e;
    ev = e;
    begin : merge_9
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_10
          reg [BW-1:0] n_10;
          integer delay_10;
          integer i_10, at_10, cause_10, order_10;
          n_10 = yv;
          delay_10 = wait_for(0);
          at_10 = $time + delay_10;
          cause_10 = lumo_ctl.cause;
          order_10 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_10 = lumo_ctl.count; i_10 > 0 && (lumo_ctl.at[i_10 - 1] > at_10 || lumo_ctl.at[i_10 - 1] == at_10 &&
               (lumo_ctl.by[i_10 - 1] > cause_10 || lumo_ctl.by[i_10 - 1] == cause_10 && lumo_ctl.rank_of[i_10 - 1] > order_10));
               i_10 = i_10 - 1) begin
            lumo_ctl.at[i_10] = lumo_ctl.at[i_10 - 1];
            lumo_ctl.id[i_10] = lumo_ctl.id[i_10 - 1];
            lumo_ctl.by[i_10] = lumo_ctl.by[i_10 - 1];
            lumo_ctl.rank_of[i_10] = lumo_ctl.rank_of[i_10 - 1];
            lumo_ctl.value[i_10] = lumo_ctl.value[i_10 - 1];
          end
          lumo_ctl.at[i_10] = at_10;
          lumo_ctl.id[i_10] = ID * 16 + 0;
          lumo_ctl.by[i_10] = cause_10;
          lumo_ctl.rank_of[i_10] = order_10;
          lumo_ctl.value[i_10] = n_10;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(f) if ((^f) !== 1'bx && f !== fr) begin
    rank = R_f;
    fv = f;
    begin : merge_11
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_12
          reg [BW-1:0] n_12;
          integer delay_12;
          integer i_12, at_12, cause_12, order_12;
          n_12 = yv;
          delay_12 = wait_for(0);
          at_12 = $time + delay_12;
          cause_12 = lumo_ctl.cause;
          order_12 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_12 = lumo_ctl.count; i_12 > 0 && (lumo_ctl.at[i_12 - 1] > at_12 || lumo_ctl.at[i_12 - 1] == at_12 &&
               (lumo_ctl.by[i_12 - 1] > cause_12 || lumo_ctl.by[i_12 - 1] == cause_12 && lumo_ctl.rank_of[i_12 - 1] > order_12));
               i_12 = i_12 - 1) begin
            lumo_ctl.at[i_12] = lumo_ctl.at[i_12 - 1];
            lumo_ctl.id[i_12] = lumo_ctl.id[i_12 - 1];
            lumo_ctl.by[i_12] = lumo_ctl.by[i_12 - 1];
            lumo_ctl.rank_of[i_12] = lumo_ctl.rank_of[i_12 - 1];
            lumo_ctl.value[i_12] = lumo_ctl.value[i_12 - 1];
          end
          lumo_ctl.at[i_12] = at_12;
          lumo_ctl.id[i_12] = ID * 16 + 0;
          lumo_ctl.by[i_12] = cause_12;
          lumo_ctl.rank_of[i_12] = order_12;
          lumo_ctl.value[i_12] = n_12;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(g) if ((^g) !== 1'bx && g !== gr) begin
    rank = R_g;
    gv = g;
    begin : merge_13
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_14
          reg [BW-1:0] n_14;
          integer delay_14;
          integer i_14, at_14, cause_14, order_14;
          n_14 = yv;
          delay_14 = wait_for(0);
          at_14 = $time + delay_14;
          cause_14 = lumo_ctl.cause;
          order_14 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_14 = lumo_ctl.count; i_14 > 0 && (lumo_ctl.at[i_14 - 1] > at_14 || lumo_ctl.at[i_14 - 1] == at_14 &&
               (lumo_ctl.by[i_14 - 1] > cause_14 || lumo_ctl.by[i_14 - 1] == cause_14 && lumo_ctl.rank_of[i_14 - 1] > order_14));
               i_14 = i_14 - 1) begin
            lumo_ctl.at[i_14] = lumo_ctl.at[i_14 - 1];
            lumo_ctl.id[i_14] = lumo_ctl.id[i_14 - 1];
            lumo_ctl.by[i_14] = lumo_ctl.by[i_14 - 1];
            lumo_ctl.rank_of[i_14] = lumo_ctl.rank_of[i_14 - 1];
            lumo_ctl.value[i_14] = lumo_ctl.value[i_14 - 1];
          end
          lumo_ctl.at[i_14] = at_14;
          lumo_ctl.id[i_14] = ID * 16 + 0;
          lumo_ctl.by[i_14] = cause_14;
          lumo_ctl.rank_of[i_14] = order_14;
          lumo_ctl.value[i_14] = n_14;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(h) if ((^h) !== 1'bx && h !== hr) begin
    rank = R_h;
    hv = h;
    begin : merge_15
      if ({hv, gv, fv, ev, dv, cv, bv, av} !== yv) begin
        yv = {hv, gv, fv, ev, dv, cv, bv, av};
        begin : schedule_y_16
          reg [BW-1:0] n_16;
          integer delay_16;
          integer i_16, at_16, cause_16, order_16;
          n_16 = yv;
          delay_16 = wait_for(0);
          at_16 = $time + delay_16;
          cause_16 = lumo_ctl.cause;
          order_16 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_16 = lumo_ctl.count; i_16 > 0 && (lumo_ctl.at[i_16 - 1] > at_16 || lumo_ctl.at[i_16 - 1] == at_16 &&
               (lumo_ctl.by[i_16 - 1] > cause_16 || lumo_ctl.by[i_16 - 1] == cause_16 && lumo_ctl.rank_of[i_16 - 1] > order_16));
               i_16 = i_16 - 1) begin
            lumo_ctl.at[i_16] = lumo_ctl.at[i_16 - 1];
            lumo_ctl.id[i_16] = lumo_ctl.id[i_16 - 1];
            lumo_ctl.by[i_16] = lumo_ctl.by[i_16 - 1];
            lumo_ctl.rank_of[i_16] = lumo_ctl.rank_of[i_16 - 1];
            lumo_ctl.value[i_16] = lumo_ctl.value[i_16 - 1];
          end
          lumo_ctl.at[i_16] = at_16;
          lumo_ctl.id[i_16] = ID * 16 + 0;
          lumo_ctl.by[i_16] = cause_16;
          lumo_ctl.rank_of[i_16] = order_16;
          lumo_ctl.value[i_16] = n_16;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(y) if ((^y) !== 1'bx && y !== yr) begin
    rank = R_y;
    yv = y;
    begin : split_17
      reg [BW-1:0] v_17;
      integer i_17;
      for (i_17 = 0; i_17 < BW; i_17 = i_17 + 1) v_17[i_17] = yv[i_17] === 1'b1;
      if (v_17[0] !== av) begin
        av = v_17[0];
        begin : schedule_a_18
          reg [1-1:0] n_18;
          integer delay_18;
          integer i_18, at_18, cause_18, order_18;
          n_18 = av;
          delay_18 = wait_for(0);
          at_18 = $time + delay_18;
          cause_18 = lumo_ctl.cause;
          order_18 = rank * 16 + 1;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_18 = lumo_ctl.count; i_18 > 0 && (lumo_ctl.at[i_18 - 1] > at_18 || lumo_ctl.at[i_18 - 1] == at_18 &&
               (lumo_ctl.by[i_18 - 1] > cause_18 || lumo_ctl.by[i_18 - 1] == cause_18 && lumo_ctl.rank_of[i_18 - 1] > order_18));
               i_18 = i_18 - 1) begin
            lumo_ctl.at[i_18] = lumo_ctl.at[i_18 - 1];
            lumo_ctl.id[i_18] = lumo_ctl.id[i_18 - 1];
            lumo_ctl.by[i_18] = lumo_ctl.by[i_18 - 1];
            lumo_ctl.rank_of[i_18] = lumo_ctl.rank_of[i_18 - 1];
            lumo_ctl.value[i_18] = lumo_ctl.value[i_18 - 1];
          end
          lumo_ctl.at[i_18] = at_18;
          lumo_ctl.id[i_18] = ID * 16 + 1;
          lumo_ctl.by[i_18] = cause_18;
          lumo_ctl.rank_of[i_18] = order_18;
          lumo_ctl.value[i_18] = n_18;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[1] !== bv) begin
        bv = v_17[1];
        begin : schedule_b_19
          reg [1-1:0] n_19;
          integer delay_19;
          integer i_19, at_19, cause_19, order_19;
          n_19 = bv;
          delay_19 = wait_for(0);
          at_19 = $time + delay_19;
          cause_19 = lumo_ctl.cause;
          order_19 = rank * 16 + 2;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_19 = lumo_ctl.count; i_19 > 0 && (lumo_ctl.at[i_19 - 1] > at_19 || lumo_ctl.at[i_19 - 1] == at_19 &&
               (lumo_ctl.by[i_19 - 1] > cause_19 || lumo_ctl.by[i_19 - 1] == cause_19 && lumo_ctl.rank_of[i_19 - 1] > order_19));
               i_19 = i_19 - 1) begin
            lumo_ctl.at[i_19] = lumo_ctl.at[i_19 - 1];
            lumo_ctl.id[i_19] = lumo_ctl.id[i_19 - 1];
            lumo_ctl.by[i_19] = lumo_ctl.by[i_19 - 1];
            lumo_ctl.rank_of[i_19] = lumo_ctl.rank_of[i_19 - 1];
            lumo_ctl.value[i_19] = lumo_ctl.value[i_19 - 1];
          end
          lumo_ctl.at[i_19] = at_19;
          lumo_ctl.id[i_19] = ID * 16 + 2;
          lumo_ctl.by[i_19] = cause_19;
          lumo_ctl.rank_of[i_19] = order_19;
          lumo_ctl.value[i_19] = n_19;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[2] !== cv) begin
        cv = v_17[2];
        begin : schedule_c_20
          reg [1-1:0] n_20;
          integer delay_20;
          integer i_20, at_20, cause_20, order_20;
          n_20 = cv;
          delay_20 = wait_for(0);
          at_20 = $time + delay_20;
          cause_20 = lumo_ctl.cause;
          order_20 = rank * 16 + 3;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_20 = lumo_ctl.count; i_20 > 0 && (lumo_ctl.at[i_20 - 1] > at_20 || lumo_ctl.at[i_20 - 1] == at_20 &&
               (lumo_ctl.by[i_20 - 1] > cause_20 || lumo_ctl.by[i_20 - 1] == cause_20 && lumo_ctl.rank_of[i_20 - 1] > order_20));
               i_20 = i_20 - 1) begin
            lumo_ctl.at[i_20] = lumo_ctl.at[i_20 - 1];
            lumo_ctl.id[i_20] = lumo_ctl.id[i_20 - 1];
            lumo_ctl.by[i_20] = lumo_ctl.by[i_20 - 1];
            lumo_ctl.rank_of[i_20] = lumo_ctl.rank_of[i_20 - 1];
            lumo_ctl.value[i_20] = lumo_ctl.value[i_20 - 1];
          end
          lumo_ctl.at[i_20] = at_20;
          lumo_ctl.id[i_20] = ID * 16 + 3;
          lumo_ctl.by[i_20] = cause_20;
          lumo_ctl.rank_of[i_20] = order_20;
          lumo_ctl.value[i_20] = n_20;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[3] !== dv) begin
        dv = v_17[3];
        begin : schedule_d_21
          reg [1-1:0] n_21;
          integer delay_21;
          integer i_21, at_21, cause_21, order_21;
          n_21 = dv;
          delay_21 = wait_for(0);
          at_21 = $time + delay_21;
          cause_21 = lumo_ctl.cause;
          order_21 = rank * 16 + 4;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_21 = lumo_ctl.count; i_21 > 0 && (lumo_ctl.at[i_21 - 1] > at_21 || lumo_ctl.at[i_21 - 1] == at_21 &&
               (lumo_ctl.by[i_21 - 1] > cause_21 || lumo_ctl.by[i_21 - 1] == cause_21 && lumo_ctl.rank_of[i_21 - 1] > order_21));
               i_21 = i_21 - 1) begin
            lumo_ctl.at[i_21] = lumo_ctl.at[i_21 - 1];
            lumo_ctl.id[i_21] = lumo_ctl.id[i_21 - 1];
            lumo_ctl.by[i_21] = lumo_ctl.by[i_21 - 1];
            lumo_ctl.rank_of[i_21] = lumo_ctl.rank_of[i_21 - 1];
            lumo_ctl.value[i_21] = lumo_ctl.value[i_21 - 1];
          end
          lumo_ctl.at[i_21] = at_21;
          lumo_ctl.id[i_21] = ID * 16 + 4;
          lumo_ctl.by[i_21] = cause_21;
          lumo_ctl.rank_of[i_21] = order_21;
          lumo_ctl.value[i_21] = n_21;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[4] !== ev) begin
        ev = v_17[4];
        begin : schedule_e_22
          reg [1-1:0] n_22;
          integer delay_22;
          integer i_22, at_22, cause_22, order_22;
          n_22 = ev;
          delay_22 = wait_for(0);
          at_22 = $time + delay_22;
          cause_22 = lumo_ctl.cause;
          order_22 = rank * 16 + 5;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_22 = lumo_ctl.count; i_22 > 0 && (lumo_ctl.at[i_22 - 1] > at_22 || lumo_ctl.at[i_22 - 1] == at_22 &&
               (lumo_ctl.by[i_22 - 1] > cause_22 || lumo_ctl.by[i_22 - 1] == cause_22 && lumo_ctl.rank_of[i_22 - 1] > order_22));
               i_22 = i_22 - 1) begin
            lumo_ctl.at[i_22] = lumo_ctl.at[i_22 - 1];
            lumo_ctl.id[i_22] = lumo_ctl.id[i_22 - 1];
            lumo_ctl.by[i_22] = lumo_ctl.by[i_22 - 1];
            lumo_ctl.rank_of[i_22] = lumo_ctl.rank_of[i_22 - 1];
            lumo_ctl.value[i_22] = lumo_ctl.value[i_22 - 1];
          end
          lumo_ctl.at[i_22] = at_22;
          lumo_ctl.id[i_22] = ID * 16 + 5;
          lumo_ctl.by[i_22] = cause_22;
          lumo_ctl.rank_of[i_22] = order_22;
          lumo_ctl.value[i_22] = n_22;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[5] !== fv) begin
        fv = v_17[5];
        begin : schedule_f_23
          reg [1-1:0] n_23;
          integer delay_23;
          integer i_23, at_23, cause_23, order_23;
          n_23 = fv;
          delay_23 = wait_for(0);
          at_23 = $time + delay_23;
          cause_23 = lumo_ctl.cause;
          order_23 = rank * 16 + 6;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_23 = lumo_ctl.count; i_23 > 0 && (lumo_ctl.at[i_23 - 1] > at_23 || lumo_ctl.at[i_23 - 1] == at_23 &&
               (lumo_ctl.by[i_23 - 1] > cause_23 || lumo_ctl.by[i_23 - 1] == cause_23 && lumo_ctl.rank_of[i_23 - 1] > order_23));
               i_23 = i_23 - 1) begin
            lumo_ctl.at[i_23] = lumo_ctl.at[i_23 - 1];
            lumo_ctl.id[i_23] = lumo_ctl.id[i_23 - 1];
            lumo_ctl.by[i_23] = lumo_ctl.by[i_23 - 1];
            lumo_ctl.rank_of[i_23] = lumo_ctl.rank_of[i_23 - 1];
            lumo_ctl.value[i_23] = lumo_ctl.value[i_23 - 1];
          end
          lumo_ctl.at[i_23] = at_23;
          lumo_ctl.id[i_23] = ID * 16 + 6;
          lumo_ctl.by[i_23] = cause_23;
          lumo_ctl.rank_of[i_23] = order_23;
          lumo_ctl.value[i_23] = n_23;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[6] !== gv) begin
        gv = v_17[6];
        begin : schedule_g_24
          reg [1-1:0] n_24;
          integer delay_24;
          integer i_24, at_24, cause_24, order_24;
          n_24 = gv;
          delay_24 = wait_for(0);
          at_24 = $time + delay_24;
          cause_24 = lumo_ctl.cause;
          order_24 = rank * 16 + 7;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_24 = lumo_ctl.count; i_24 > 0 && (lumo_ctl.at[i_24 - 1] > at_24 || lumo_ctl.at[i_24 - 1] == at_24 &&
               (lumo_ctl.by[i_24 - 1] > cause_24 || lumo_ctl.by[i_24 - 1] == cause_24 && lumo_ctl.rank_of[i_24 - 1] > order_24));
               i_24 = i_24 - 1) begin
            lumo_ctl.at[i_24] = lumo_ctl.at[i_24 - 1];
            lumo_ctl.id[i_24] = lumo_ctl.id[i_24 - 1];
            lumo_ctl.by[i_24] = lumo_ctl.by[i_24 - 1];
            lumo_ctl.rank_of[i_24] = lumo_ctl.rank_of[i_24 - 1];
            lumo_ctl.value[i_24] = lumo_ctl.value[i_24 - 1];
          end
          lumo_ctl.at[i_24] = at_24;
          lumo_ctl.id[i_24] = ID * 16 + 7;
          lumo_ctl.by[i_24] = cause_24;
          lumo_ctl.rank_of[i_24] = order_24;
          lumo_ctl.value[i_24] = n_24;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
      if (v_17[BW-1:7] !== hv) begin
        hv = v_17[BW-1:7];
        begin : schedule_h_25
          reg [LW-1:0] n_25;
          integer delay_25;
          integer i_25, at_25, cause_25, order_25;
          n_25 = hv;
          delay_25 = wait_for(0);
          at_25 = $time + delay_25;
          cause_25 = lumo_ctl.cause;
          order_25 = rank * 16 + 8;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_25 = lumo_ctl.count; i_25 > 0 && (lumo_ctl.at[i_25 - 1] > at_25 || lumo_ctl.at[i_25 - 1] == at_25 &&
               (lumo_ctl.by[i_25 - 1] > cause_25 || lumo_ctl.by[i_25 - 1] == cause_25 && lumo_ctl.rank_of[i_25 - 1] > order_25));
               i_25 = i_25 - 1) begin
            lumo_ctl.at[i_25] = lumo_ctl.at[i_25 - 1];
            lumo_ctl.id[i_25] = lumo_ctl.id[i_25 - 1];
            lumo_ctl.by[i_25] = lumo_ctl.by[i_25 - 1];
            lumo_ctl.rank_of[i_25] = lumo_ctl.rank_of[i_25 - 1];
            lumo_ctl.value[i_25] = lumo_ctl.value[i_25 - 1];
          end
          lumo_ctl.at[i_25] = at_25;
          lumo_ctl.id[i_25] = ID * 16 + 8;
          lumo_ctl.by[i_25] = cause_25;
          lumo_ctl.rank_of[i_25] = order_25;
          lumo_ctl.value[i_25] = n_25;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) yr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 1) ar = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 2) br = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 3) cr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 4) dr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 5) er = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 6) fr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 7) gr = lumo_ctl.now_value;
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 8) hr = lumo_ctl.now_value;
endmodule

// _reg: register; k at 1 loads d, r at 1 clears to 0. A load is delayed
// by the delay of the new value's bit 0.
module lumo_reg #(parameter ID = 0, R_k = 0, R_r = 0, R_d = 0, W = 1, DW = 1, Q0 = 3, Q1 = 3) (
    input [DW-1:0] d,
    input k,
    output [W-1:0] q,
    input r);
  integer rank = 0;  // of the input an arrival is delivered to
  reg [W-1:0] dv = {W{1'bx}}, qv = {W{1'bx}}, qr = {W{1'bx}};
  reg kv = 1'bx, rv = 1'bx;
  assign q = qr;
  function integer wait_for;  // while settling, delivered before the pin's time
    input integer d;
    begin
      wait_for = lumo_ctl.settle ? lumo_ctl.origin + lumo_ctl.settle_time - d - $time : d;
    end
  endfunction

  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(k) if (!lumo_ctl.settle && (^k) !== 1'bx) begin
    rank = R_k;
    kv = k;
    if (kv === 1'b1) begin : load_1
      reg [W-1:0] n_1;
      n_1 = dv;
      if (n_1 !== qv) begin
        qv = n_1;
        begin : schedule_q_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(n_1[0] === 1'b0 ? Q0 : n_1[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    if (rv === 1'b1) begin : load_3
      reg [W-1:0] n_3;
      n_3 = {W{1'b0}};
      if (n_3 !== qv) begin
        qv = n_3;
        begin : schedule_q_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(n_3[0] === 1'b0 ? Q0 : n_3[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
endmodule

// _cnt: counter; t at 1 counts up (or loads d while l is 1), l at 1 loads
// d, r at 1 clears to 0. Counting from x gives 1. Loads and clears are
// delayed by the delay of bit 0 of the new value, counts by that of all
// its bits.
module lumo_cnt #(parameter ID = 0, R_l = 0, R_r = 0, R_t = 0, R_d = 0, W = 16, DW = 1, Q0 = 4, Q1 = 4) (
    input [DW-1:0] d,
    input l,
    output [W-1:0] q,
    input r, t);
  integer rank = 0;  // of the input an arrival is delivered to
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

  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(l) if (!lumo_ctl.settle && (^l) !== 1'bx) begin
    rank = R_l;
    lv = l;
    if (lv === 1'b1) begin : load_1
      reg [W-1:0] n_1;
      n_1 = dv;
      if (n_1 !== qv) begin
        qv = n_1;
        begin : schedule_q_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = n_1;
          delay_2 = wait_for(n_1[0] === 1'b0 ? Q0 : n_1[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    if (rv === 1'b1) begin : load_3
      reg [W-1:0] n_3;
      n_3 = {W{1'b0}};
      if (n_3 !== qv) begin
        qv = n_3;
        begin : schedule_q_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = n_3;
          delay_4 = wait_for(n_3[0] === 1'b0 ? Q0 : n_3[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(t) if (!lumo_ctl.settle && (^t) !== 1'bx) begin
    rank = R_t;
    tv = t;
    if (tv === 1'b1) begin
      if (lv === 1'b1) begin
        begin : load_5
          reg [W-1:0] n_5;
          n_5 = dv;
          if (n_5 !== qv) begin
            qv = n_5;
            begin : schedule_q_6
              reg [W-1:0] n_6;
              integer delay_6;
              integer i_6, at_6, cause_6, order_6;
              n_6 = n_5;
              delay_6 = wait_for(n_5[0] === 1'b0 ? Q0 : n_5[0] === 1'b1 ? Q1 : (Q0 > Q1 ? Q0 : Q1));
              at_6 = $time + delay_6;
              cause_6 = lumo_ctl.cause;
              order_6 = rank * 16 + 0;
              if (lumo_ctl.count == 4096) begin
                $display("lumocad_cells: more than 4096 changes pending in %m");
                $finish;
              end
              for (i_6 = lumo_ctl.count; i_6 > 0 && (lumo_ctl.at[i_6 - 1] > at_6 || lumo_ctl.at[i_6 - 1] == at_6 &&
                   (lumo_ctl.by[i_6 - 1] > cause_6 || lumo_ctl.by[i_6 - 1] == cause_6 && lumo_ctl.rank_of[i_6 - 1] > order_6));
                   i_6 = i_6 - 1) begin
                lumo_ctl.at[i_6] = lumo_ctl.at[i_6 - 1];
                lumo_ctl.id[i_6] = lumo_ctl.id[i_6 - 1];
                lumo_ctl.by[i_6] = lumo_ctl.by[i_6 - 1];
                lumo_ctl.rank_of[i_6] = lumo_ctl.rank_of[i_6 - 1];
                lumo_ctl.value[i_6] = lumo_ctl.value[i_6 - 1];
              end
              lumo_ctl.at[i_6] = at_6;
              lumo_ctl.id[i_6] = ID * 16 + 0;
              lumo_ctl.by[i_6] = cause_6;
              lumo_ctl.rank_of[i_6] = order_6;
              lumo_ctl.value[i_6] = n_6;
              lumo_ctl.count = lumo_ctl.count + 1;
            end
          end
        end
      end else begin
        qv = (^qv) === 1'bx ? {{W-1{1'b0}}, 1'b1} : qv + 1'b1;
        begin : schedule_q_7
          reg [W-1:0] n_7;
          integer delay_7;
          integer i_7, at_7, cause_7, order_7;
          n_7 = qv;
          delay_7 = wait_for(delay_for(qv, Q0, Q1));
          at_7 = $time + delay_7;
          cause_7 = lumo_ctl.cause;
          order_7 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_7 = lumo_ctl.count; i_7 > 0 && (lumo_ctl.at[i_7 - 1] > at_7 || lumo_ctl.at[i_7 - 1] == at_7 &&
               (lumo_ctl.by[i_7 - 1] > cause_7 || lumo_ctl.by[i_7 - 1] == cause_7 && lumo_ctl.rank_of[i_7 - 1] > order_7));
               i_7 = i_7 - 1) begin
            lumo_ctl.at[i_7] = lumo_ctl.at[i_7 - 1];
            lumo_ctl.id[i_7] = lumo_ctl.id[i_7 - 1];
            lumo_ctl.by[i_7] = lumo_ctl.by[i_7 - 1];
            lumo_ctl.rank_of[i_7] = lumo_ctl.rank_of[i_7 - 1];
            lumo_ctl.value[i_7] = lumo_ctl.value[i_7 - 1];
          end
          lumo_ctl.at[i_7] = at_7;
          lumo_ctl.id[i_7] = ID * 16 + 0;
          lumo_ctl.by[i_7] = cause_7;
          lumo_ctl.rank_of[i_7] = order_7;
          lumo_ctl.value[i_7] = n_7;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
endmodule

// _mem: memory of words of W bits at addresses a (the low 16 bits); r at 1
// reads the word at a to q, again whenever a changes while r is 1; w at 1
// writes d there. A word never written reads 0.
module lumo_mem #(parameter ID = 0, R_a = 0, R_r = 0, R_w = 0, R_d = 0, AW = 1, W = 1, Q0 = 5, Q1 = 5) (
    input [AW-1:0] a,
    input [W-1:0] d,
    output [W-1:0] q,
    input r, w);
  integer rank = 0;  // of the input an arrival is delivered to
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
  always @(a) if (!lumo_ctl.settle && (^a) !== 1'bx) begin
    rank = R_a;
    av = a;
    begin : read_1
      if (rv === 1'b1 && words[index(av)] !== qv) begin
        qv = words[index(av)];
        begin : schedule_q_2
          reg [W-1:0] n_2;
          integer delay_2;
          integer i_2, at_2, cause_2, order_2;
          n_2 = qv;
          delay_2 = wait_for(delay_for(qv, Q0, Q1));
          at_2 = $time + delay_2;
          cause_2 = lumo_ctl.cause;
          order_2 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_2 = lumo_ctl.count; i_2 > 0 && (lumo_ctl.at[i_2 - 1] > at_2 || lumo_ctl.at[i_2 - 1] == at_2 &&
               (lumo_ctl.by[i_2 - 1] > cause_2 || lumo_ctl.by[i_2 - 1] == cause_2 && lumo_ctl.rank_of[i_2 - 1] > order_2));
               i_2 = i_2 - 1) begin
            lumo_ctl.at[i_2] = lumo_ctl.at[i_2 - 1];
            lumo_ctl.id[i_2] = lumo_ctl.id[i_2 - 1];
            lumo_ctl.by[i_2] = lumo_ctl.by[i_2 - 1];
            lumo_ctl.rank_of[i_2] = lumo_ctl.rank_of[i_2 - 1];
            lumo_ctl.value[i_2] = lumo_ctl.value[i_2 - 1];
          end
          lumo_ctl.at[i_2] = at_2;
          lumo_ctl.id[i_2] = ID * 16 + 0;
          lumo_ctl.by[i_2] = cause_2;
          lumo_ctl.rank_of[i_2] = order_2;
          lumo_ctl.value[i_2] = n_2;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(r) if (!lumo_ctl.settle && (^r) !== 1'bx) begin
    rank = R_r;
    rv = r;
    begin : read_3
      if (rv === 1'b1 && words[index(av)] !== qv) begin
        qv = words[index(av)];
        begin : schedule_q_4
          reg [W-1:0] n_4;
          integer delay_4;
          integer i_4, at_4, cause_4, order_4;
          n_4 = qv;
          delay_4 = wait_for(delay_for(qv, Q0, Q1));
          at_4 = $time + delay_4;
          cause_4 = lumo_ctl.cause;
          order_4 = rank * 16 + 0;
          if (lumo_ctl.count == 4096) begin
            $display("lumocad_cells: more than 4096 changes pending in %m");
            $finish;
          end
          for (i_4 = lumo_ctl.count; i_4 > 0 && (lumo_ctl.at[i_4 - 1] > at_4 || lumo_ctl.at[i_4 - 1] == at_4 &&
               (lumo_ctl.by[i_4 - 1] > cause_4 || lumo_ctl.by[i_4 - 1] == cause_4 && lumo_ctl.rank_of[i_4 - 1] > order_4));
               i_4 = i_4 - 1) begin
            lumo_ctl.at[i_4] = lumo_ctl.at[i_4 - 1];
            lumo_ctl.id[i_4] = lumo_ctl.id[i_4 - 1];
            lumo_ctl.by[i_4] = lumo_ctl.by[i_4 - 1];
            lumo_ctl.rank_of[i_4] = lumo_ctl.rank_of[i_4 - 1];
            lumo_ctl.value[i_4] = lumo_ctl.value[i_4 - 1];
          end
          lumo_ctl.at[i_4] = at_4;
          lumo_ctl.id[i_4] = ID * 16 + 0;
          lumo_ctl.by[i_4] = cause_4;
          lumo_ctl.rank_of[i_4] = order_4;
          lumo_ctl.value[i_4] = n_4;
          lumo_ctl.count = lumo_ctl.count + 1;
        end
      end
    end
  end
  always @(d) if (!lumo_ctl.settle && (^d) !== 1'bx) dv = d;
  always @(w) if (!lumo_ctl.settle && (^w) !== 1'bx) begin
    rank = R_w;
    wv = w;
    if (wv === 1'b1) words[index(av)] = dv;
  end
  always @(lumo_ctl.tick) if (lumo_ctl.current == ID * 16 + 0) qr = lumo_ctl.now_value;
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
