#!/usr/bin/env python3
"""Writes the operands of the scale benchmark as decimal text, one number per
file, into the folder given (the same numbers on every run: fixed seed).

  mul_a_N, mul_b_N   two N-digit factors, N = 10^4 .. 10^7
  div_a_N, div_b_N   a 2N-digit dividend and an N-digit divisor, N = 10^4 .. 10^6
  add_a_N, add_b_N   N digits each with a point: a has N/2 fraction digits,
                     b three more (and three fewer whole digits, so a > b),
                     N = 10^6, 10^7
"""
import os
import random
import sys


def digits(rng, n):
    return str(rng.randrange(1, 10)) + "".join(rng.choices("0123456789", k=n - 1))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rng = random.Random(20261207)
    files = {}
    for n in (10_000, 100_000, 1_000_000, 10_000_000):
        files[f"mul_a_{n}"] = digits(rng, n)
        files[f"mul_b_{n}"] = digits(rng, n)
    for n in (10_000, 100_000, 1_000_000):
        files[f"div_a_{n}"] = digits(rng, 2 * n)
        files[f"div_b_{n}"] = digits(rng, n)
    for n in (1_000_000, 10_000_000):
        a, b = digits(rng, n), digits(rng, n)
        files[f"add_a_{n}"] = a[: n // 2] + "." + a[n // 2 :]
        files[f"add_b_{n}"] = b[: n // 2 - 3] + "." + b[n // 2 - 3 :]
    for name, text in files.items():
        with open(os.path.join(out, name + ".txt"), "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
