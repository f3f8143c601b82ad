#!/usr/bin/env python3
"""Writes a large list file that is one expression, to measure the peak memory
of reading it (`lumo list FILE`, under /usr/bin/time -v).

Usage: big_list.py FILE [megabytes [shape]]  (default 40 MB, shape "records")
  records: ((G0 _nand2 (a s0) (b s1) (y s2) 3 2.5) ...), element-like rows
  short:   (a b c ... ), one-byte names, the densest a file can be
  numbers: (0 1 2 ... ), small integers"""
import sys


def records(i):
    return "(G%d _nand2 (a s%d) (b s%d) (y s%d) %d 2.5)" % (i, i, i + 1, i + 2, i % 7)


def short(i):
    return "abcdefghijklmnopqrstuvwxyz"[i % 26]


def numbers(i):
    return str(i % 10)


def main():
    path = sys.argv[1]
    size = int(float(sys.argv[2]) * 1000000) if len(sys.argv) > 2 else 40000000
    shape = {"records": records, "short": short, "numbers": numbers}[
        sys.argv[3] if len(sys.argv) > 3 else "records"]
    written = 0
    with open(path, "w") as out:
        out.write("(")
        i = 0
        chunk = []
        while written < size:
            item = shape(i) + (" " if i % 16 != 15 else "\n")
            chunk.append(item)
            written += len(item)
            i += 1
            if len(chunk) == 4096:
                out.write("".join(chunk))
                chunk = []
        out.write("".join(chunk) + ")\n")


if __name__ == "__main__":
    main()
