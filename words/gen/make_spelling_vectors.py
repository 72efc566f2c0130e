#!/usr/bin/env python3
"""Writes words/tests/data/spelling_vectors.tsv: display strings and their words.

An independent reference for NumberToWords on well-formed display strings:
numbers are Python ints, grouped with Python's own "{:,}" formatting, and
spelled from divmod(n, 1000) with the word lists below and the expected
scale names (words/tests/data/scale_names.tsv). Run once and commit:

    python3 words/gen/make_spelling_vectors.py > words/tests/data/spelling_vectors.tsv

Output: one line per case: the display string, a tab, the expected words.
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "tests", "data")

ONES = "One Two Three Four Five Six Seven Eight Nine".split()
TEENS = ("Ten Eleven Twelve Thirteen Fourteen Fifteen Sixteen Seventeen "
         "Eighteen Nineteen").split()
TENS = "Twenty Thirty Forty Fifty Sixty Seventy Eighty Ninety".split()


def scale_names():
    names = {1: None}
    with open(os.path.join(DATA, "scale_names.tsv"), encoding="utf-8") as f:
        for line in f:
            g, name = line.rstrip("\n").split("\t")
            names[int(g)] = name
    return names


def below_thousand(v):
    h, r = divmod(v, 100)
    out = []
    if h:
        out += [ONES[h - 1], "Hundred"]
    if 10 <= r <= 19:
        out.append(TEENS[r - 10])
    else:
        t, o = divmod(r, 10)
        if t:
            out.append(TENS[t - 2])
        if o:
            out.append(ONES[o - 1])
    return " ".join(out)


def spell(n, names):
    if n == 0:
        body = "Zero"
    else:
        groups = []
        while n:
            n, v = divmod(n, 1000)
            groups.append(v)
        parts = []
        for g in range(len(groups), 0, -1):
            v = groups[g - 1]
            if v == 0:
                continue
            parts.append(below_thousand(v) if g == 1
                         else f"{below_thousand(v)} {names[g]},")
        body = " ".join(parts)
        if body.endswith(","):
            body = body[:-1]
    return body


def case(n, negative, names):
    display = f"{n:,}"
    words = spell(n, names)
    if negative:
        display, words = "-" + display, "(Minus) " + words
    return display, words


def main():
    rng = random.Random(20261207)
    names = scale_names()
    nums = []
    for v in range(0, 1000, 7):          # every shape of a single group
        nums.append((v, False))
    for _ in range(250):                 # dense numbers of up to 60 digits
        d = rng.randint(1, 60)
        nums.append((rng.randrange(10 ** (d - 1), 10 ** d), rng.random() < 0.2))
    for _ in range(80):                  # sparse: many zero groups
        g = rng.randint(2, 120)
        n = sum(rng.choice([0, 0, 0, 1, 100, 10, 999, 20, 15]) * 1000 ** k
                for k in range(g)) + 10 ** (3 * (g - 1))
        nums.append((n, rng.random() < 0.2))
    for g in (1004, 1005):               # up to the last spelled group
        nums.append((rng.randrange(10 ** (3 * g - 3), 10 ** (3 * g)), g == 1004))
    for n, negative in nums:
        print("\t".join(case(n, negative, names)))


if __name__ == "__main__":
    main()
