#!/usr/bin/env python3
"""Reference timing with Python's int, decimal text in and out.

  py_ref.py <task> <input dir> <output dir>

Prints "<task> <median seconds> <runs>" and writes the result text to
<output dir>/<task>.txt. Tasks: mul_N, div_N, pow2, fact (see run.sh).
"""
import math
import os
import statistics
import sys
import time

sys.set_int_max_str_digits(0)


def read(folder, name):
    with open(os.path.join(folder, name + ".txt")) as f:
        return f.read().strip()


def main():
    task, inp, out = sys.argv[1:4]
    kind, _, size = task.partition("_")
    if kind == "mul":
        a, b = read(inp, f"mul_a_{size}"), read(inp, f"mul_b_{size}")
        work = lambda: str(int(a) * int(b))
    elif kind == "div":
        n = int(size)
        a, b = read(inp, f"div_a_{size}"), read(inp, f"div_b_{size}")
        work = lambda: str(int(a) * 10**n // int(b))
    elif kind == "pow2":
        work = lambda: str(2**1_000_000)
    elif kind == "fact":
        work = lambda: str(math.factorial(100_000))
    else:
        raise SystemExit(f"unknown task {task}")
    # At least one run; up to three while they take under a second in all.
    times = []
    while True:
        t0 = time.perf_counter()
        result = work()
        times.append(time.perf_counter() - t0)
        if len(times) >= 3 or sum(times) >= 1.0:
            break
    print(f"{task} {statistics.median(times):.9f} {len(times)}", flush=True)
    with open(os.path.join(out, task + ".txt"), "w") as f:
        f.write(result)


if __name__ == "__main__":
    main()
