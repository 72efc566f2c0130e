#!/usr/bin/env python3
"""Prints the scale benchmark table from one run of run.sh.

  table.py <work dir>

Reads <work>/ours.json and, if present, <work>/before.json (Google
Benchmark, median CPU time of the repetitions), <work>/{gmp,dec,py,bc}.txt
("<task> <seconds> <runs>" or "<task> timeout <limit>") and the result texts
in <work>/{ours,before,gmp,dec,py,bc}/<task>.txt, checks that every result
has the same value as GMP's, and prints times, ratios and goals.
"""
import json
import os
import sys

TASKS = [
    ("mul_10000", "multiply 10^4 x 10^4 digits", "Scale/Multiply/10000"),
    ("mul_100000", "multiply 10^5 x 10^5 digits", "Scale/Multiply/100000"),
    ("mul_1000000", "multiply 10^6 x 10^6 digits", "Scale/Multiply/1000000"),
    ("mul_10000000", "multiply 10^7 x 10^7 digits", "Scale/Multiply/10000000"),
    ("div_10000", "divide 2*10^4 / 10^4 digits to 10^4 places", "Scale/Divide/10000"),
    ("div_100000", "divide 2*10^5 / 10^5 digits to 10^5 places", "Scale/Divide/100000"),
    ("div_1000000", "divide 2*10^6 / 10^6 digits to 10^6 places", "Scale/Divide/1000000"),
    ("add_1000000", "add 10^6 + 10^6 digits with fractions", "Scale/Add/1000000"),
    ("add_10000000", "add 10^7 + 10^7 digits with fractions", "Scale/Add/10000000"),
    ("sub_1000000", "subtract 10^6 - 10^6 digits with fractions", "Scale/Subtract/1000000"),
    ("sub_10000000", "subtract 10^7 - 10^7 digits with fractions", "Scale/Subtract/10000000"),
    ("pow2", "2^1,000,000 in full", "Scale/Power2"),
    ("fact_100000", "100,000! in full", "Scale/Factorial/100000"),
    ("fact_1000000", "1,000,000! in full", "Scale/Factorial/1000000"),
]
FLOOR = {"add_1000000": "Scale/Floor/1000000", "add_10000000": "Scale/Floor/10000000",
         "sub_1000000": "Scale/Floor/1000000", "sub_10000000": "Scale/Floor/10000000"}
# Largest allowed time relative to GMP, to libmpdec and to the floor.
GMP_GOAL = {"mul": 1.5, "div": 1.0, "pow2": 2.0, "fact": 0.8}
DEC_GOAL = 0.5
FLOOR_GOAL = 5.0
PLACES = {"div_10000": 10000, "div_100000": 100000, "div_1000000": 1000000}


def read_times(path):
    times = {}
    if os.path.exists(path):
        for line in open(path):
            parts = line.split()
            if len(parts) >= 2:
                times[parts[0]] = None if parts[1] == "timeout" else float(parts[1])
    return times


def bench_times(path):
    times = {}
    if not os.path.exists(path):
        return times
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            times[b.get("run_name", b["name"])] = b["cpu_time"] * scale
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
    if sec == "absent":
        return "-"
    if sec < 1e-3:
        return f"{sec * 1e6:.0f} us"
    if sec < 1:
        return f"{sec * 1e3:.2f} ms"
    return f"{sec:.2f} s"


def ratio(x, y):
    return f"{x / y:.2f}" if isinstance(x, float) and isinstance(y, float) and y > 0 else "-"


def main():
    work = sys.argv[1]
    ours = bench_times(os.path.join(work, "ours.json"))
    before = bench_times(os.path.join(work, "before.json"))
    refs = {k: read_times(os.path.join(work, k + ".txt")) for k in ("gmp", "dec", "py", "bc")}
    cols = ["task", "ours", "before", "GMP", "/GMP", "libmpdec", "/mpdec", "floor", "/floor",
            "Python", "bc", "same", "goal"]
    widths = [44, 10, 10, 10, 6, 10, 6, 9, 6, 10, 10, 5, 6]
    line = lambda vals: " ".join(f"{v:>{w}}" if i else f"{v:{w}}" for i, (v, w) in enumerate(zip(vals, widths)))
    print(line(cols))
    print("-" * (sum(widths) + len(widths)))
    missed = 0
    for task, label, bench in TASKS:
        o = ours.get(bench)
        b = before.get(bench, "absent") if before else "absent"
        g = refs["gmp"].get(task)
        d = refs["dec"].get(task, "absent")
        p = refs["py"].get(task, "absent")
        c = refs["bc"].get(task, "absent")
        f = ours.get(FLOOR.get(task, ""), "absent")
        kind = task.split("_")[0]
        same = "?"
        gpath = os.path.join(work, "gmp", task + ".txt")
        if os.path.exists(gpath):
            want = normal(task, open(gpath).read())
            ok = True
            for who in ("ours", "before", "dec", "py", "bc"):
                path = os.path.join(work, who, task + ".txt")
                if os.path.exists(path) and os.path.getsize(path) > 0:
                    ok &= normal(task, open(path).read()) == want
                elif who == "ours":
                    ok = False
            same = "yes" if ok else "NO"
        goals = []
        if kind in GMP_GOAL and kind not in ("add", "sub") and o and g:
            goals.append(o / g <= GMP_GOAL[kind])
        if isinstance(d, float) and o:
            goals.append(o / d <= DEC_GOAL)
        if isinstance(f, float) and o:
            goals.append(o / f <= FLOOR_GOAL)
        met = bool(goals) and all(goals) and same == "yes"
        missed += not met
        print(line([label, fmt(o), fmt(b), fmt(g), ratio(o, g), fmt(d), ratio(o, d), fmt(f), ratio(o, f),
                    fmt(p), fmt(c), same, "met" if met else "MISSED"]))
    print()
    print("goals: ours/GMP at most 1.5 (multiply), 1.0 (divide), 2 (power), 0.8 (factorial);")
    print("       ours/libmpdec at most 0.5 on every row; addition and subtraction at most 5x the floor")
    print("       (reading both texts once and writing a text as long as the result).")
    print("ours, before, floor: median CPU time of the Google Benchmark repetitions; GMP, libmpdec,")
    print("Python: median CPU time of their runs; bc: one run (wall time of the whole process).")
    print("'same': every result has GMP's value. libmpdec has no factorial: its row multiplies 2..N")
    print("in a balanced tree.")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
