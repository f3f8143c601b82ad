#!/usr/bin/env python3
"""Writes a hierarchy of circuit files whose flat circuit is large, to measure
the expander's memory: `levels` levels of `fanout` instances each above a leaf
of `gates` chained _nand2 gates (three terminals each). With the defaults the
flat circuit has 10^5 leaves, 6.7 million elements and 20.1 million terminals.

Usage: wide_hierarchy.py FOLDER [levels fanout gates]; expand FOLDER/top.lcr
with --parts FOLDER. Circuit files list their entries in reverse, which does
not matter here."""
import os
import sys


def circuit(name, elements, connections, signals):
    lines = ["(%s)" % name]
    lines.append("  " + " ".join("(%s %s)" % e for e in elements) + " ()")
    lines.append("  " + " ".join("(%s)" % s for s in signals) + " ()")
    lines.append("  " + " ".join("(%s %s %s)" % c for c in connections) + " ()")
    return "\n".join(lines) + "\n"


def leaf(gates):
    elements = [("leaf", "leaf")] + [("G%d" % i, "_nand2") for i in range(gates)]
    connections = [("leaf", "a", "s0"), ("leaf", "y", "s%d" % gates)]
    for i in range(gates):
        connections += [("G%d" % i, "a", "s%d" % i), ("G%d" % i, "b", "s%d" % i),
                        ("G%d" % i, "y", "s%d" % (i + 1))]
    return circuit("leaf", elements, connections, ["s%d" % i for i in range(gates + 1)])


def level(name, inner, fanout):
    elements = [(name, name)] + [("U%d" % i, inner) for i in range(fanout)]
    connections = [(name, "a", "s0"), (name, "y", "s%d" % fanout)]
    for i in range(fanout):
        connections += [("U%d" % i, "a", "s%d" % i), ("U%d" % i, "y", "s%d" % (i + 1))]
    return circuit(name, elements, connections, ["s%d" % i for i in range(fanout + 1)])


def main():
    folder = sys.argv[1]
    levels, fanout, gates = (int(v) for v in (sys.argv[2:5] if len(sys.argv) > 4 else (5, 10, 67)))
    os.makedirs(folder, exist_ok=True)
    files = {"leaf": leaf(gates)}
    inner = "leaf"
    for n in range(levels):
        name = "top" if n == levels - 1 else "l%d" % n
        files[name] = level(name, inner, fanout)
        inner = name
    for name, text in files.items():
        with open(os.path.join(folder, name + ".lcr"), "w") as out:
            out.write(text)


main()
