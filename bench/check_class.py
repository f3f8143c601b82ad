#!/usr/bin/env python3
"""Times `lumo check --class` over generated class folders.

Each class holds N submissions copied from the samples (counter4 and
fulladd), every tenth with a fault (an AND gate drawn as an OR). The
counter's expected file is written from the sample with --write-expect;
the full adder is checked against its truth table. Prints one line per
class size with the wall time, the time per submission and the load of
the machine before the run.

    python3 bench/check_class.py --lumo build/release/tools/lumo/lumo [--sizes 50 100 200] [--jobs 2]
"""

import argparse
import os
import shutil
import subprocess
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLES = os.path.join(ROOT, "data", "sample")

FULLADD_TABLE = """(LumoExpect 1)
(table (settle 100) (dontcare 40)
 (inputs A B CI) (outputs S CO)
 (line 0 0 0 0 0) (line 0 0 1 1 0) (line 0 1 0 1 0) (line 0 1 1 0 1)
 (line 1 0 0 1 0) (line 1 0 1 0 1) (line 1 1 0 0 1) (line 1 1 1 1 1))
"""


def make_class(folder, sample, count):
    text = open(os.path.join(SAMPLES, sample + ".ldr"), encoding="latin-1").read()
    faulty = text.replace(" _and2 ", " _or2 ", 1)
    assert faulty != text
    for k in range(count):
        student = os.path.join(folder, "student%03d" % k)
        os.makedirs(student)
        with open(os.path.join(student, sample + ".ldr"), "w", encoding="latin-1") as out:
            out.write(faulty if k % 10 == 9 else text)


def run(lumo, args):
    started = time.monotonic()
    result = subprocess.run([lumo] + args, capture_output=True, text=True)
    return time.monotonic() - started, result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lumo", required=True)
    parser.add_argument("--sizes", type=int, nargs="+", default=[50, 100, 200])
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    options = parser.parse_args()
    lumo = os.path.abspath(options.lumo)

    with tempfile.TemporaryDirectory(prefix="lumo-bench-") as work:
        reference = os.path.join(work, "reference")
        os.makedirs(reference)
        for name in ("counter4.ldr", "counter4[0].lpt"):
            shutil.copy(os.path.join(SAMPLES, name), reference)
        counter_lex = os.path.join(work, "counter4.lex")
        _, result = run(lumo, ["check", os.path.join(reference, "counter4.ldr"),
                               "--write-expect", counter_lex])
        assert result.returncode == 0, result.stderr
        fulladd_lex = os.path.join(work, "fulladd.lex")
        with open(fulladd_lex, "w") as out:
            out.write(FULLADD_TABLE)

        print("jobs %d, cores %d" % (options.jobs, os.cpu_count() or 1))
        for sample, lex in (("counter4", counter_lex), ("fulladd", fulladd_lex)):
            for size in options.sizes:
                folder = os.path.join(work, "%s-%d" % (sample, size))
                make_class(folder, sample, size)
                load = os.getloadavg()[0]
                seconds, result = run(lumo, ["check", "--class", folder, "--expect", lex,
                                             "--jobs", str(options.jobs),
                                             "--out", folder + "-summary"])
                lines = result.stdout.strip().splitlines()
                passed = lines[-1].split(" of ")[0] if lines else "?"
                print("%-8s %4d submissions: %6.2f s (%5.1f ms each), %s pass, exit %d, "
                      "load before %.2f" % (sample, size, seconds, 1000 * seconds / size, passed,
                                            result.returncode, load))
                shutil.rmtree(folder)


if __name__ == "__main__":
    main()
