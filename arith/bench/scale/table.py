#!/usr/bin/env python3
"""Prints the scale benchmark table from one run of run.sh.

  table.py <work dir>

Reads <work>/ours.json (Google Benchmark, median of the repetitions),
<work>/{gmp,py,bc}.txt ("<task> <seconds> <runs>" or "<task> timeout <limit>")
and the result texts in <work>/{ours,gmp,py,bc}/<task>.txt, checks that every
result has the same value as GMP's, and prints times, ratios and goals.
"""
import json
import os
import sys

TASKS = [
    ("mul_10000", "multiply 10,000 x 10,000 digits", "Scale/Multiply/10000"),
    ("mul_100000", "multiply 100,000 x 100,000 digits", "Scale/Multiply/100000"),
    ("mul_1000000", "multiply 1,000,000 x 1,000,000 digits", "Scale/Multiply/1000000"),
    ("div_10000", "divide 20,000 / 10,000 digits to 10,000 places", "Scale/Divide/10000"),
    ("div_100000", "divide 200,000 / 100,000 digits to 100,000 places", "Scale/Divide/100000"),
    ("pow2", "2^1,000,000 in full", "Scale/Power2"),
    ("fact", "100,000! in full", "Scale/Factorial"),
]
# Largest allowed time relative to GMP, and smallest speed-up over Python and bc.
GMP_GOAL = {"mul": 1.5, "div": 3.0, "pow2": 2.0, "fact": 2.0}
REF_GOAL = {"mul": 10.0}
PLACES = {"div_10000": 10000, "div_100000": 100000}


def read_times(path):
    times = {}
    if os.path.exists(path):
        for line in open(path):
            parts = line.split()
            if len(parts) >= 2:
                times[parts[0]] = None if parts[1] == "timeout" else float(parts[1])
    return times


def ours_times(path):
    times = {}
    data = json.load(open(path))
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            times[name] = b["real_time"] * scale
    return times


def normal(task, text):
    """The value of a result text as normal-form digits (point kept)."""
    t = text.strip().replace("\\\n", "").replace("\n", "")
    if task in PLACES and "." not in t:
        # integer digits of floor(a * 10^N / b): put the point N places left
        n = PLACES[task]
        t = t.rjust(n + 1, "0")
        t = t[:-n] + "." + t[-n:]
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    t = t.lstrip("0")
    return t or "0"


def fmt(sec):
    if sec is None:
        return "timeout"
    if sec < 1e-3:
        return f"{sec * 1e6:.0f} us"
    if sec < 1:
        return f"{sec * 1e3:.2f} ms"
    return f"{sec:.2f} s"


def main():
    work = sys.argv[1]
    ours = ours_times(os.path.join(work, "ours.json"))
    refs = {k: read_times(os.path.join(work, k + ".txt")) for k in ("gmp", "py", "bc")}
    head = f"{'task':50} {'ours':>10} {'GMP':>10} {'ours/GMP':>9} {'Python':>10} {'Py/ours':>8} {'bc':>10} {'bc/ours':>8}  same  goal"
    print(head)
    print("-" * len(head))
    missed = 0
    for task, label, bench in TASKS:
        o = ours.get(bench)
        g = refs["gmp"].get(task)
        p = refs["py"].get(task, "absent")
        c = refs["bc"].get(task, "absent")
        kind = task.split("_")[0]
        # Every result must have GMP's value.
        same = "?"
        gpath = os.path.join(work, "gmp", task + ".txt")
        if os.path.exists(gpath):
            want = normal(task, open(gpath).read())
            ok = True
            for who in ("ours", "py", "bc"):
                path = os.path.join(work, who, task + ".txt")
                if os.path.exists(path) and os.path.getsize(path) > 0:
                    ok &= normal(task, open(path).read()) == want
                elif who == "ours":
                    ok = False
            same = "yes" if ok else "NO"
        ratio = o / g if o and g else None
        py_x = p / o if isinstance(p, float) and o else None
        bc_x = c / o if isinstance(c, float) and o else None
        goals = []
        if ratio is not None:
            goals.append(ratio <= GMP_GOAL[kind])
        if kind in REF_GOAL:
            for x, t in ((py_x, p), (bc_x, c)):
                if t is None:  # timed out: slower than the limit, so faster than that
                    goals.append(True)
                elif x is not None:
                    goals.append(x >= REF_GOAL[kind])
        met = bool(goals) and all(goals) and same == "yes"
        missed += not met
        def ratio_txt(x, t):
            if t is None:
                return ">limit"
            return f"{x:.1f}x" if x is not None else "-"
        print(f"{label:50} {fmt(o):>10} {fmt(g):>10} {ratio:>8.2f}x "
              f"{fmt(p) if p != 'absent' else '-':>10} {ratio_txt(py_x, p) if p != 'absent' else '-':>8} "
              f"{fmt(c) if c != 'absent' else '-':>10} {ratio_txt(bc_x, c) if c != 'absent' else '-':>8}  "
              f"{same:4}  {'met' if met else 'MISSED'}")
    print()
    print("goals: ours/GMP at most 1.5 (multiply), 3 (divide), 2 (power, factorial);")
    print("       multiply at least 10x faster than Python int and bc (Py/ours, bc/ours).")
    print("ours: median of the Google Benchmark repetitions; GMP, Python: median of their runs;")
    print("bc: one run (whole process). 'same': every result has GMP's value.")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
