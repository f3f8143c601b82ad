#!/usr/bin/env python3
"""Simulator benchmark: lumo simulate against Icarus Verilog on the same cases.

Generates the cases with the shared generator (gen.py), runs `lumo simulate`
and both Verilog models (gate primitives bench.v, transport bench_tr.v) in one
run on this machine, checks every product, and prints wall times, peak memory,
events per second and the ratios. With --ref it also compares the event count
of our statistics line with the reference kernel (refsim.py) on a prefix of
each case.

  bench/sim/run.py --generator DIR [--lumo build/release/tools/lumo/lumo]
                   [--only chain1000_k10000,...] [--repeats 3] [--ref]
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

CASES = [  # name, kind, size, vectors or toggles, refsim prefix
    ("chain1000_k10000", "chain", 1000, 10000, 200),
    ("chain10000_k1000", "chain", 10000, 1000, 20),
    ("mult8_k10000", "mult", 8, 10000, 200),
    ("mult16_k1000", "mult", 16, 1000, 5),
]


def timed(cmd, cwd, stdout=subprocess.DEVNULL):
    start = time.perf_counter()
    p = subprocess.run(["/usr/bin/time", "-v"] + cmd, cwd=cwd, stdout=stdout,
                       stderr=subprocess.PIPE, text=True)
    wall = time.perf_counter() - start
    if p.returncode != 0:
        raise RuntimeError("%s failed:\n%s" % (" ".join(cmd), p.stderr[-3000:]))
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", p.stderr).group(1))
    return wall, rss


def generate(generator, kind, size, count, folder):
    subprocess.run([sys.executable, os.path.join(generator, "gen.py"), kind, str(size), "-k",
                    str(count), "-o", folder, "-q"], check=True, stdout=subprocess.DEVNULL)


def lumo_run(lumo, case):
    cmd = [lumo, "simulate", "--delays", "bench.dly", "--circuit", "bench.lcr", "--pattern",
           "bench.lpt", "--commands", "bench.cmd", "--out", "LumoOut.tmp", "--stats", "stats.txt"]
    wall, rss = timed(cmd, case)
    with open(os.path.join(case, "stats.txt"), encoding="utf-8") as f:
        events = int(re.search(r"イベント総数 = (\d+)", f.read()).group(1))
    return wall, rss, events


def check(generator, case, flag, out):
    p = subprocess.run([sys.executable, os.path.join(generator, "check.py"), case, flag, out],
                       stdout=subprocess.PIPE, text=True)
    return p.returncode == 0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--generator", required=True,
                    help="the folder of the case generator (gen.py, check.py, refsim.py)")
    here = os.path.dirname(os.path.abspath(__file__))
    ap.add_argument("--lumo", default=os.path.join(here, "../../build/release/tools/lumo/lumo"))
    ap.add_argument("--only")
    ap.add_argument("--repeats", type=int, default=3)
    ap.add_argument("--ref", action="store_true")
    a = ap.parse_args()
    lumo = os.path.abspath(a.lumo)
    cases = [c for c in CASES if not a.only or c[0] in a.only.split(",")]
    rows = []
    with tempfile.TemporaryDirectory(prefix="lumo_bench_") as root:
        for name, kind, size, count, prefix in cases:
            case = os.path.join(root, name)
            generate(a.generator, kind, size, count, case)
            lumo_runs = [lumo_run(lumo, case) for _ in range(a.repeats)]
            ok = check(a.generator, case, "--lumo", os.path.join(case, "LumoOut.tmp"))
            row = {"case": name, "ok": ok, "events": lumo_runs[0][2],
                   "wall": statistics.median(r[0] for r in lumo_runs),
                   "rss": max(r[1] for r in lumo_runs) / 1024}
            for model, source in (("prim", "bench.v"), ("tr", "bench_tr.v")):
                subprocess.run(["iverilog", "-o", model + ".vvp", "tb.v", source], cwd=case,
                               check=True)
                runs = []
                for _ in range(a.repeats):
                    with open(os.path.join(case, model + ".out"), "w") as out:
                        runs.append(timed(["vvp", "-n", model + ".vvp"], case, out))
                row[model] = statistics.median(r[0] for r in runs)
                row[model + "_rss"] = max(r[1] for r in runs) / 1024
                row[model + "_ok"] = check(a.generator, case, "--vvp",
                                           os.path.join(case, model + ".out"))
            if a.ref:
                small = case + "_ref"
                generate(a.generator, kind, size, prefix, small)
                ref = subprocess.run([sys.executable, os.path.join(a.generator, "refsim.py"),
                                      small], stdout=subprocess.PIPE, text=True, check=True)
                row["ref"] = int(re.search(r"events (\d+)", ref.stdout).group(1))
                row["ours_on_prefix"] = lumo_run(lumo, small)[2]
            rows.append(row)
            print("%-17s lumo %6.2fs %6.1fMB %10d events %6.2fM ev/s products %s | "
                  "vvp prim %6.2fs %5.1fMB | tr %6.2fs %5.1fMB | lumo/prim %.2f lumo/tr %.2f%s"
                  % (name, row["wall"], row["rss"], row["events"], row["events"] / row["wall"] / 1e6,
                     "ok" if ok else "WRONG", row["prim"], row["prim_rss"], row["tr"], row["tr_rss"],
                     row["wall"] / row["prim"], row["wall"] / row["tr"],
                     "" if not a.ref else " | events on %d-prefix: ours %d ref %d %s" % (
                         prefix, row["ours_on_prefix"], row["ref"],
                         "equal" if row["ours_on_prefix"] == row["ref"] else "DIFFERENT")),
                  flush=True)
    return 0 if all(r["ok"] for r in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
