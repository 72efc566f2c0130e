#!/usr/bin/env python3
"""Reference timing with Python's int, decimal text in and out (CPU time).

  py_ref.py <task> <input dir> <output dir>

Prints "<task> <median seconds> <runs>" and writes the result text to
<output dir>/<task>.txt. Tasks: mul_N, div_N, pow2, fact_N (see run.sh).
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


def time_and_write(task, work, out):
    """Runs work at least once, up to three times while the runs take under
    a second in all; prints the median CPU time and writes the last result."""
    times = []
    while True:
        t0 = time.process_time()
        result = work()
        times.append(time.process_time() - t0)
        if len(times) >= 3 or sum(times) >= 1.0:
            break
    print(f"{task} {statistics.median(times):.9f} {len(times)}", flush=True)
    with open(os.path.join(out, task + ".txt"), "w") as f:
        f.write(result)


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
        work = lambda: str(math.factorial(int(size)))
    else:
        raise SystemExit(f"unknown task {task}")
    time_and_write(task, work, out)

if __name__ == "__main__":
    main()
