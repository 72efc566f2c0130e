#!/usr/bin/env python3
"""Generates the exact-result vectors for the arithmetic core tests.

Run once; the output is committed as arith/tests/data/core_vectors.txt and
the tests only read it. Every expected result is computed here with Python
integers from the rules the procedures follow, never with the C++ code:

  add / sub   exact a + b, a - b; a zero result is "0".
  mul         exact a * b; "-" when exactly one operand text starts with "-"
              (so a zero product can be "-0").
  div         precision p is raised to 10, then to len(b) + 1 when
              len(a) + p < len(b) (lengths without sign and leading zeros,
              point included); the quotient |a| / |b| truncated to
              2 * (fraction digits of a) + p places; "-" when exactly one
              operand text starts with "-".
  mod         remainder of the integer parts (truncating division), with the
              sign of a's text ("-0" possible).
  pow         base ** n for a whole exponent n >= 2 (the sign is "-" when the
              base text starts with "-" and n is odd); a negative exponent
              gives div("1", base ** |n|, 10).
  lt/le/gt/ge the relation on the values, except that a text starting with
              "-" is below every text that does not.

Line format (tab separated):  op  a  b  expected          (add sub mul mod pow lt le gt ge)
                              div a  b  precision expected precision_after
Results are in normal form: no leading zeros (".5"), no trailing fraction
zeros, no bare point, "0" for zero.

Usage: gen_core.py [output-file]
"""
import math
import random
import sys

sys.set_int_max_str_digits(0)

SEED = 20261207


def parse(text):
    """(negative, integer digits value, fraction count) of a decimal string."""
    neg = text.startswith("-")
    body = text[1:] if neg else text
    if "." in body:
        ip, fp = body.split(".", 1)
    else:
        ip, fp = body, ""
    digits = ip + fp
    return neg, int(digits) if digits else 0, len(fp)


def fmt(neg, mag, scale):
    """Normal form of (-1)^neg * mag / 10^scale, mag >= 0."""
    sign = "-" if neg else ""
    if mag == 0:
        return sign + "0"
    while scale > 0 and mag % 10 == 0:
        mag //= 10
        scale -= 1
    s = str(mag)
    if scale == 0:
        return sign + s
    if len(s) <= scale:
        return sign + "." + "0" * (scale - len(s)) + s
    return sign + s[:-scale] + "." + s[-scale:]


def signed(text):
    neg, m, f = parse(text)
    return (-m if neg else m), f


def add(a, b, sub=False):
    x, fa = signed(a)
    y, fb = signed(b)
    f = max(fa, fb)
    x *= 10 ** (f - fa)
    y *= 10 ** (f - fb)
    r = x - y if sub else x + y
    return fmt(r < 0, abs(r), f)


def mul(a, b):
    na, x, fa = parse(a)
    nb, y, fb = parse(b)
    return fmt(na != nb, x * y, fa + fb)


def stripped_len(body):
    s = body.lstrip("0")
    if body and not s:
        return 1
    return len(s)


def div(a, b, prec):
    na, x, fa = parse(a)
    nb, y, fb = parse(b)
    assert y != 0
    if x == 0:
        return "0", prec
    p = max(prec, 10)
    la = stripped_len(a[1:] if na else a)
    lb = stripped_len(b[1:] if nb else b)
    if la + p < lb:
        p = lb + 1
    places = 2 * fa + p
    # |a|/|b| * 10^places = x * 10^(fb - fa + places) / y
    q = (x * 10 ** (fb - fa + places)) // y
    return fmt(na != nb, q, places), p


def mod(a, b):
    na = a.startswith("-")
    x = int(parse(a.split(".")[0])[1])
    y = int(parse(b.split(".")[0])[1])
    r = x % y
    return fmt(na, r, 0)


def power(base, n):
    neg, m, f = parse(base)
    if n < 0:
        p = power(base, -n)
        return div("1", p, 10)[0]
    return fmt(neg and n % 2 == 1, m ** n, f * n)


def compare(op, a, b):
    na, nb = a.startswith("-"), b.startswith("-")
    if na and not nb:
        return op in ("lt", "le")
    if nb and not na:
        return op in ("gt", "ge")
    x, fa = signed(a.lstrip("-"))
    y, fb = signed(b.lstrip("-"))
    f = max(fa, fb)
    x *= 10 ** (f - fa)
    y *= 10 ** (f - fb)
    if na and nb:
        x, y = y, x
    return {"lt": x < y, "le": x <= y, "gt": x > y, "ge": x >= y}[op]


def rand_len(rng, top):
    """Mostly short, sometimes up to top digits (log-uniform)."""
    return int(round(10 ** rng.uniform(0, math.log10(top))))


def rand_number(rng, top=2000, allow_neg=True, allow_frac=True):
    ni = rand_len(rng, top) if rng.random() < 0.85 else 0
    nf = rand_len(rng, top) if allow_frac and rng.random() < 0.6 else 0
    ip = "".join(rng.choice("0123456789") for _ in range(ni))
    fp = "".join(rng.choice("0123456789") for _ in range(nf))
    style = rng.random()
    if ip and style < 0.6:
        ip = ip.lstrip("0") or "0"   # usual form
    elif style < 0.7:
        ip = "00" + ip                # leading zeros
    if rng.random() < 0.1 and fp:
        fp += "000"                   # trailing fraction zeros
    if rng.random() < 0.05:
        # a long run of zeros or nines makes borrows and carries travel
        run = rng.choice("09") * rand_len(rng, 200)
        ip = (ip or "1") + run
    if nf or rng.random() < 0.05:
        text = ip + "." + fp          # "5." and ".5" forms included
    else:
        text = ip or "0"
    if allow_neg and rng.random() < 0.45:
        text = "-" + text
    return text


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else "core_vectors.txt"
    rng = random.Random(SEED)
    lines = []
    for _ in range(300):
        a, b = rand_number(rng, 2000), rand_number(rng, 2000)
        if rng.random() < 0.1:
            b = a if rng.random() < 0.5 else "-" + a.lstrip("-")
        lines.append(("add", a, b, add(a, b)))
    for _ in range(300):
        a, b = rand_number(rng, 2000), rand_number(rng, 2000)
        if rng.random() < 0.1:
            b = a
        lines.append(("sub", a, b, add(a, b, sub=True)))
    for _ in range(250):
        a, b = rand_number(rng, 2000), rand_number(rng, 2000)
        lines.append(("mul", a, b, mul(a, b)))
    for _ in range(300):
        a, b = rand_number(rng, 2000), rand_number(rng, 1500)
        if parse(b)[1] == 0:
            b = "7"
        if rng.random() < 0.1:
            tail = b.lstrip("-").replace(".", "").lstrip("0") or "3"
            b = "." + "0" * rng.randint(1, 30) + tail  # divisors below 0.1
        if rng.random() < 0.05:
            a = "." + "0" * rng.randint(1, 50) + "1"   # tiny dividend
        prec = rng.choice([0, 5, 10, 10, 10, 35, 60, 200])
        q, p = div(a, b, prec)
        lines.append(("div", a, b, str(prec), q, str(p)))
    for _ in range(200):
        a, b = rand_number(rng, 1500), rand_number(rng, 1000)
        if int(parse(b.split(".")[0])[1]) == 0:
            b = "13"
        lines.append(("mod", a, b, mod(a, b)))
    for _ in range(120):
        base = rand_number(rng, 40)
        n = rng.randint(2, 120)
        if parse(base)[1] == 0 and rng.random() < 0.5:
            base = "3.7"
        if rng.random() < 0.12 and parse(base)[1] != 0:
            n = -rng.randint(1, 12)   # zero ** -n is a division by zero: not here
        lines.append(("pow", base, str(n), power(base, n)))
    for _ in range(120):
        base = rng.choice(["2", "-2", "3", "1.5", "-.5", "10", "0.001", "7.25"])
        n = rng.randint(200, 3000)
        lines.append(("pow", base, str(n), power(base, n)))
    for op in ("lt", "le", "gt", "ge"):
        for _ in range(100):
            a, b = rand_number(rng, 300), rand_number(rng, 300)
            r = rng.random()
            if r < 0.2:
                b = a
            elif r < 0.3:
                b = a + "000" if "." in a else a + ".000"
            lines.append((op, a, b, "1" if compare(op, a, b) else "0"))
    with open(out_path, "w") as fh:
        for line in lines:
            fh.write("\t".join(line) + "\n")


if __name__ == "__main__":
    main()
