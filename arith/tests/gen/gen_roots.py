#!/usr/bin/env python3
"""Reference vectors for the square and cube roots and the logarithm.

Run once from the repository root:  python3 arith/tests/gen/gen_roots.py
Writes arith/tests/data/roots_sqrt.txt, roots_cbrt.txt and roots_log.txt.

Every row is  group<TAB>x<TAB>tolerance or base<TAB>result ; the groups are
the tables the tests report one by one. The results come from exact
references that share nothing with the C++ code:

- square root: math.isqrt of floor(x * 10^16), written with 8 decimals,
  trailing zeros and a bare point trimmed, no "0" before a leading point,
  "0" for a root that cuts to zero;
- cube root: the integer cube root of floor(|x| * 10^24) (Newton's iteration
  on Python integers, checked r^3 <= n < (r + 1)^3), the same text, "-" in
  front for a negative x unless the text is "0";
- logarithm: Python's decimal ln / log10 at a precision widened until the
  truncated digits are certain (the result is the text of the exact value
  cut to its first 22 characters, "0" before a leading point, a bare
  trailing point dropped), and rational logarithms found exactly: log_b x =
  p / q exactly when b^p == x^q, tried for every q up to the bit length of
  b's numerator or denominator (b must be a q-th power). A rational value
  whose expansion ends is written without trailing zeros ("3", "1.5").

The tolerance never changes a root; the rows use several to show it.
"""
from decimal import Decimal, localcontext
from fractions import Fraction
import math
import random
from pathlib import Path

LOG_CHARACTERS = 22


# ---- roots ------------------------------------------------------------------
def icbrt(n):
    """floor(cbrt(n)) for a whole n >= 0."""
    if n == 0:
        return 0
    x = 1 << ((n.bit_length() + 2) // 3)  # above the root
    while True:
        y = (2 * x + n // (x * x)) // 3
        if y >= x:
            break
        x = y
    assert x ** 3 <= n < (x + 1) ** 3
    return x


def root_text(n):
    """The text of n * 10^-8 for a whole n >= 0."""
    whole, frac = divmod(n, 10 ** 8)
    text = ('' if whole == 0 else str(whole)) + '.' + f'{frac:08d}'
    text = text.rstrip('0').rstrip('.')
    return text or '0'


def square_root(x):
    v = Fraction(x)
    assert v >= 0
    return root_text(math.isqrt(math.floor(v * 10 ** 16)))


def cube_root(x):
    v = Fraction(x)
    text = root_text(icbrt(math.floor(abs(v) * 10 ** 24)))
    return '-' + text if v < 0 and text != '0' else text


# ---- logarithm ----------------------------------------------------------------
def exact_log(x, b):
    """log_b x as a Fraction when it is rational, else None (x, b > 0, b > 1)."""
    qmax = max(b.numerator.bit_length(), b.denominator.bit_length())
    lx = math.log(x.numerator) - math.log(x.denominator)
    lb = math.log(b.numerator) - math.log(b.denominator)
    for q in range(1, qmax + 1):
        p = round(q * lx / lb)
        # x^q = b^p: numerators and denominators agree (both are reduced).
        bn, bd = (b.numerator, b.denominator) if p >= 0 else (b.denominator, b.numerator)
        pairs = [(x.numerator, bn), (x.denominator, bd)]
        # Sizes first, so that no power is formed that cannot match.
        if any(abs(q * math.log(u) - abs(p) * math.log(v)) > 1e-6 * (1 + q * math.log(u)) for u, v in pairs):
            continue
        if all(u ** q == v ** abs(p) for u, v in pairs):
            return Fraction(p, q)
    return None


def cut(text):
    text = text[:LOG_CHARACTERS]
    return text[:-1] if text.endswith('.') else text


def rational_text(r):
    """The decimal text of r, "0" before a leading point, cut to 22 characters."""
    sign = '-' if r < 0 else ''
    r = abs(r)
    whole = r.numerator // r.denominator
    rest = r - whole
    digits = ''
    while rest and len(digits) < LOG_CHARACTERS + 2:
        rest *= 10
        d = rest.numerator // rest.denominator
        digits += str(d)
        rest -= d
    return cut(sign + str(whole) + ('.' + digits if digits else ''))


def big_log(x, base):
    xv, bv = Fraction(x), Fraction(base)
    assert xv > 0 and bv > 1
    exact = exact_log(xv, bv)
    if exact is not None:
        return rational_text(exact)
    negative = xv < 1
    sign = '-' if negative else ''
    precision = 40
    while True:
        with localcontext() as ctx:
            ctx.prec = precision + 10
            if bv == 10:
                value = Decimal(x).log10()
            else:
                value = Decimal(x).ln() / Decimal(base).ln()
        a = abs(Fraction(value))
        err = (a + 1) / Fraction(10) ** precision
        lo, hi = a - err, a + err
        whole = math.floor(lo)
        if math.floor(hi) == whole:
            d = LOG_CHARACTERS - len(sign) - len(str(whole)) - 1
            if d <= 0:
                return sign + str(whole)
            k = math.floor(lo * 10 ** d)
            if math.floor(hi * 10 ** d) == k:
                return sign + str(whole) + '.' + str(k - whole * 10 ** d).zfill(d)
        precision *= 2


# ---- inputs -----------------------------------------------------------------
def digits(rng, n):
    """n digits, the first one non-zero."""
    return str(rng.randint(1, 9)) + ''.join(rng.choice('0123456789') for _ in range(n - 1))


def spread(i, count, top):
    """Lengths from 1 to top, spread over count rows (squared, so that the
    short lengths are not too few)."""
    return max(1, round(1 + (top - 1) * (i / (count - 1)) ** 2))


def random_whole(rng, count, top=2000):
    return [digits(rng, spread(i, count, top)) for i in range(count)]


def random_fraction(rng, count, top=2000):
    out = []
    for i in range(count):
        n = max(2, spread(i, count, top))
        s = digits(rng, n)
        frac = rng.randint(1, min(n - 1, 60 if i % 3 else n - 1))
        out.append(s[:n - frac] + '.' + s[n - frac:])
    return out


def below_one(rng, count):
    out = []
    for i in range(count):
        zeros = rng.choice([0, 0, 1, 2, 3, 5, 8, 12, 15, 16, 17, 23, 24, 25, 40])
        tail = digits(rng, rng.randint(1, 30 if i % 4 else 300))
        out.append(rng.choice(['', '0']) + '.' + '0' * zeros + tail)
    return out


def with_point(n, places):
    """The text of n * 10^-places (places may be negative) with a point."""
    if places <= 0:
        return str(n) + '0' * -places
    s = str(n).rjust(places + 1, '0')
    return s[:-places] + '.' + s[-places:]


def powers_and_neighbours(rng, power, count):
    """k^power, k^power - 1 and k^power + 1 for random k, each also with the
    point moved by a multiple of `power` places and by other amounts."""
    perfect, neighbours = [], []
    for i in range(count):
        k = int(digits(rng, spread(i, count, 600 // power)))
        p = k ** power
        shift = power * rng.randint(-8, 8)
        perfect.append(with_point(p, shift))
        for n in (p - 1, p + 1):
            if n > 0:
                neighbours.append(with_point(n, rng.choice([0, 0, power * rng.randint(1, 8), rng.randint(1, 30)])))
    return perfect, neighbours


def near_multiples(rng, power, count):
    """x with its root just below and just above j * 10^-8, and at it."""
    out = []
    for i in range(count):
        j = int(digits(rng, spread(i, count, 120)))
        y = Fraction(j, 10 ** 8)
        base = y ** power
        eps = Fraction(1, 10 ** rng.choice([20, 30, 40, 60, 100]))
        for v in (base - eps, base, base + eps):
            if v > 0:
                f = 0
                while (v * 10 ** f).denominator != 1:
                    f += 1
                out.append(with_point((v * 10 ** f).numerator, f))
    return out


TOLERANCES = ['0.0001', '0.0001', '0.0001', '0', '-1', '7.5', '0.01', '0.00000001']


def write_roots(path, title, fn, groups):
    with open(path, 'w') as f:
        f.write(f'# {title}: group<TAB>input<TAB>tolerance<TAB>result; generated by arith/tests/gen/gen_roots.py\n')
        i = 0
        for name, inputs in groups:
            for x in inputs:
                f.write(f'{name}\t{x}\t{TOLERANCES[i % len(TOLERANCES)]}\t{fn(x)}\n')
                i += 1


def main():
    root = Path(__file__).resolve().parents[3]
    data = root / 'arith' / 'tests' / 'data'
    rng = random.Random(20261207)

    perfect, neighbours = powers_and_neighbours(rng, 2, 40)
    write_roots(data / 'roots_sqrt.txt', 'square roots', square_root, [
        ('examples', ['16', '100', '0.25', '2', '1', '3', '25.1', '2.50', '007', '5.', '.5', '99.990000',
                      '12345678987654321', '0', '-0', '0.000', '.0000000000001', '0.0000000000000099',
                      '0.00000000000000000001', '1.00000000001', '0.9999999999999999']),
        ('whole', random_whole(rng, 90)),
        ('fraction', random_fraction(rng, 90)),
        ('below_one', below_one(rng, 60)),
        ('perfect', perfect),
        ('neighbours', neighbours),
        ('near_multiple', near_multiples(rng, 2, 25)),
    ])

    perfect, neighbours = powers_and_neighbours(rng, 3, 40)
    negatives = ['-' + x for x in random_whole(rng, 10, 300) + random_fraction(rng, 10, 300) + below_one(rng, 10)]
    write_roots(data / 'roots_cbrt.txt', 'cube roots', cube_root, [
        ('examples', ['27', '8', '1000', '1', '2', '4.87', '1.000', '27.0', '0007', '0.125', '.5', '0.001',
                      '0.000001', '0.000000000001', '.0000000000000000001', '0.0000000000000000000000001',
                      '0.999', '0.123', '999999999999999999999999999999', '1000000000000000000000000000000',
                      '0', '-0', '-27', '-0.000000001', '-0.0000000000000000000000001']),
        ('whole', random_whole(rng, 90)),
        ('fraction', random_fraction(rng, 90)),
        ('below_one', below_one(rng, 60)),
        ('negative', negatives),
        ('perfect', perfect),
        ('neighbours', neighbours),
        ('near_multiple', near_multiples(rng, 3, 25)),
    ])

    tens = ['1', '10', '1000', '100000000000000000000', '1' + '0' * 1999, '.1', '0.001', '.' + '0' * 49 + '1',
            '1000.000', '00100', '10.', '.' + '0' * 1998 + '1']
    near = []
    for k in [0, 1, 2, 3, 6, 15, 20, 21, 40, 300, 1999]:
        p = 10 ** k
        near += [str(p + 1), str(p - 1) if p > 1 else '0.9', with_point(p * 10 ** 12 + 1, 12),
                 with_point(p * 10 ** 12 - 1, 12)]
    for k in [1, 2, 5, 12, 30, 300]:
        near += [with_point(10 ** 25 + 1, 25 + k), with_point(10 ** 25 - 1, 25 + k)]
    bases = []
    for x, b in [('8', '2'), ('1024', '2'), ('0.125', '2'), ('3', '2'), ('1000', '2'), ('8', '4'), ('2', '4'),
                 ('2', '8'), ('2', '16'), ('.0625', '4'), ('27', '9'), ('3', '9'), ('.5', '4'), ('4', '8'),
                 ('10', '100'), ('1000', '100'), ('5', '100'), ('5.0625', '1.5'), ('3', '1.5'), ('.75', '1.5'),
                 ('52.5625', '7.25'), ('100', '7.25'), ('2', '7.25'), ('1.25', '1.25'), ('1' + '0' * 60, '1.25'),
                 ('1' + '0' * 60, '3'), ('3' * 80, '2'), ('7' * 40 + '.5', '1.6'), ('2.5', '6.25'),
                 ('1.1', '1.0000001'), ('1000', '1.0000001'), ('0.999', '1.0000001'),
                 ('500000000000', '1000000000000'), ('123.000', '010.0')]:
        bases.append((x, b))
    for _ in range(12):
        x = digits(rng, rng.randint(1, 30))
        if rng.random() < 0.5:
            cut_at = rng.randint(1, len(x))
            x = x[:cut_at] + '.' + x[cut_at:]
        bases.append((x, rng.choice(['2', '3', '16', '1.5', '7.25', '123.456', '1000000'])))

    with open(data / 'roots_log.txt', 'w') as f:
        f.write('# logarithms: group<TAB>input<TAB>base<TAB>result; generated by arith/tests/gen/gen_roots.py\n')
        for name, inputs in [
            ('examples', ['2', '3', '9.99', '10.01', '0.5', '0010.50', '123456789.123456789', '1.5', '7']),
            ('powers_of_ten', tens),
            ('near_powers', near),
            ('whole', random_whole(rng, 60)),
            ('fraction', random_fraction(rng, 40)),
            ('below_one', below_one(rng, 40)),
        ]:
            for x in inputs:
                f.write(f'{name}\t{x}\t10\t{big_log(x, "10")}\n')
        for x, b in bases:
            f.write(f'bases\t{x}\t{b}\t{big_log(x, b)}\n')


if __name__ == '__main__':
    main()
