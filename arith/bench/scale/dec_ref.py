#!/usr/bin/env python3
"""Reference timing with libmpdec through Python's decimal module, decimal
text in and out, exact (the context's precision at its maximum).

  dec_ref.py <task> <input dir> <output dir>

Prints "<task> <median CPU seconds> <runs>" and writes the result text to
<output dir>/<task>.txt. Tasks: mul_N, div_N, add_N, sub_N, pow2, fact_N (see
run.sh). The module has no factorial: fact_N multiplies 2..N pairwise in a
balanced tree, the usual way to build one on its products.
"""
import decimal
import os
import sys

from decimal import Decimal

from py_ref import read, time_and_write

CTX = decimal.Context(prec=decimal.MAX_PREC, Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN,
                      rounding=decimal.ROUND_DOWN)
decimal.setcontext(CTX)


def product(lo, hi):
    """lo * (lo + 1) * ... * hi as a Decimal, halves multiplied together."""
    if hi - lo < 8:
        r = Decimal(lo)
        for k in range(lo + 1, hi + 1):
            r *= k
        return r
    mid = (lo + hi) // 2
    return product(lo, mid) * product(mid + 1, hi)


def main():
    task, inp, out = sys.argv[1:4]
    kind, _, size = task.partition("_")
    # The operands' files, for the tasks that read operands.
    prefix = {"mul": "mul", "div": "div", "add": "add", "sub": "add"}.get(kind)
    a, b = (read(inp, f"{prefix}_a_{size}"), read(inp, f"{prefix}_b_{size}")) if prefix else (None, None)
    works = {
        "mul": lambda: str(Decimal(a) * Decimal(b)),
        # floor(a * 10^N / b): the quotient's digits to N places
        "div": lambda: str(Decimal(a).scaleb(int(size)) // Decimal(b)),
        "add": lambda: str(Decimal(a) + Decimal(b)),
        "sub": lambda: str(Decimal(a) - Decimal(b)),
        "pow2": lambda: str(Decimal(2) ** 1_000_000),
        "fact": lambda: str(product(2, int(size))),
    }
    if kind not in works:
        raise SystemExit(f"unknown task {task}")
    work = works[kind]
    time_and_write(task, work, out)

if __name__ == "__main__":
    main()
