#!/usr/bin/env python3
"""Reference vectors for the square and cube roots and the logarithm.

Run once from the repository root:  python3 arith/tests/gen/gen_roots.py
Writes arith/tests/data/roots_sqrt.txt, roots_cbrt.txt and roots_log.txt.

The model below works on decimal strings the way the calculator's own
procedures are defined, step by step, with Python's exact integers and
fractions underneath:

- every sum and product is exact and comes out in normal form;
- a division a / b is truncated to 2 * (fraction digits of a, as written)
  + precision places, where the precision is first raised to 10 and then
  to len(b) + 1 when len(a) + precision < len(b) (lengths of the operands
  without sign and leading zeros, points included);
- the cut to 8 decimals is done with the text shifts of the point;
- the cube root's division precision is round-half-even(0.6 * len(sq))
  with len counting every character of the normal-form square.

It shares no code with the C++ implementation.
"""
from fractions import Fraction
import random
import sys
from pathlib import Path

sys.setrecursionlimit(10000)


# ---- text helpers ----------------------------------------------------
def strip_leading_zeros(s):
    while len(s) >= 2 and s[0] == '0':
        s = s[1:]
    return s


def strip_trailing_zeros(s):
    i = len(s)
    while i > 0 and s[i - 1] == '0':
        i -= 1
    if i > 0 and s[i - 1] == '.':
        i -= 1
    return s[:i]


def integer_part(s):
    return s.split('.', 1)[0] if '.' in s else s


def value(s):
    neg = s.startswith('-')
    if neg:
        s = s[1:]
    if '.' in s:
        ip, fp = s.split('.', 1)
    else:
        ip, fp = s, ''
    v = Fraction(int(ip or '0')) + (Fraction(int(fp), 10 ** len(fp)) if fp else 0)
    return -v if neg else v


def normal(v):
    """Normal form of a value whose denominator is a product of 2s and 5s."""
    neg = v < 0
    v = abs(v)
    d = v.denominator
    f = 0
    while (10 ** f) % d:
        f += 1
    scaled = v.numerator * (10 ** f // d)
    if f == 0:
        text = str(scaled)
    else:
        digits = str(scaled).rjust(f + 1, '0')
        ip, fp = digits[:-f], digits[-f:].rstrip('0')
        ip = ip.lstrip('0')
        text = ip + ('.' + fp if fp else '')
        if text == '':
            text = '0'
    return ('-' if neg else '') + text


def fraction_count(s):
    return len(s) - s.index('.') - 1 if '.' in s else 0


# ---- the arithmetic, as defined ---------------------------------------
def big_add(a, b):
    return normal(value(a) + value(b))


def big_multiply(a, b):
    return normal(value(a) * value(b))


def big_divide(a, b, precision):
    neg = False
    if a.startswith('-'):
        a, neg = a[1:], not neg
    if b.startswith('-'):
        b, neg = b[1:], not neg
    a, b = strip_leading_zeros(a), strip_leading_zeros(b)
    if value(b) == 0:
        raise ZeroDivisionError
    if value(a) == 0:
        return '0'
    if precision < 10:
        precision = 10
    if len(a) + precision < len(b):
        precision = len(b) + 1
    places = 2 * fraction_count(a) + precision
    q = (value(a) * 10 ** places) // value(b)
    return ('-' if neg else '') + normal(Fraction(q, 10 ** places))


def shift_point_right(s, n):
    i = s.index('.') if '.' in s else len(s)
    t = s.replace('.', '') + '0' * n
    k = i + n
    return strip_trailing_zeros(t[:k] + '.' + t[k:])


def shift_point_left(s, n):
    i = s.index('.') if '.' in s else len(s)
    t = '0' * n + s.replace('.', '')
    return strip_leading_zeros(t[:i] + '.' + t[i:])


def truncate_to8(g):
    return shift_point_left(integer_part(shift_point_right(g, 8)), 8)


MAX_STEPS = 200000


def square_root(x, tol):
    old = x
    for _ in range(MAX_STEPS):
        q = big_divide(x, old, 10)
        new = big_multiply('0.5', big_add(old, q))
        new = truncate_to8(new)
        if abs(value(new) - value(old)) < value(tol):
            return strip_trailing_zeros(new)
        old = new
    raise RuntimeError('no stop')


def cube_root(x, tol):
    old = '1'
    for _ in range(MAX_STEPS):
        twice = big_multiply('2', old)
        sq = big_multiply(old, old)
        p = round(len(sq) * 0.6)  # float product, ties to even
        q = big_divide(x, sq, p)
        new = big_divide(big_add(twice, q), '3', 10)
        new = truncate_to8(new)
        if abs(value(new) - value(old)) < value(tol):
            return strip_trailing_zeros(new)
        old = new
    raise RuntimeError('no stop')


def cube_root_below_one(x, tol):
    """0 < x < 1: this module's own rule (the iteration above is defined for
    x >= 1). The root is taken of x * 1000^k >= 1, moved k places back and
    cut to 8 decimals."""
    k = 0
    while value(x) * 10 ** (3 * k) < 1:
        k += 1
    r = cube_root(normal(value(x) * 10 ** (3 * k)), tol)
    text = strip_trailing_zeros(truncate_to8(normal(value(r) / 10 ** k)))
    return text or '0'


def any_cube_root(x, tol):
    return cube_root(x, tol) if value(x) >= 1 else cube_root_below_one(x, tol)


def big_log(x, base):
    y, result = x, '0'
    while value(y) >= value(base):
        y = big_divide(y, base, 10)
        result = big_add(result, '1')
    bit, counter = '1', 0
    while counter <= 59:
        y = big_multiply(y, y)
        y = y[:20]
        bit = big_divide(bit, '2', 10)
        if value(y) >= value(base):
            result = big_add(result, bit)
            y = big_divide(y, base, 10)
        counter += 1
    if result.startswith('.'):
        result = '0' + result
    return result[:22]


# ---- inputs -----------------------------------------------------------
def random_number(rng, digits, with_fraction):
    """A decimal text with `digits` digits in all, the first one non-zero."""
    if not with_fraction or digits == 1:
        return str(rng.randint(1, 9)) + ''.join(rng.choice('0123456789') for _ in range(digits - 1))
    frac = rng.randint(1, min(digits - 1, 40))
    ip = digits - frac
    s = str(rng.randint(1, 9)) + ''.join(rng.choice('0123456789') for _ in range(digits - 1))
    return s[:ip] + '.' + s[ip:]


def small_fraction(rng):
    """A value below one: '.' followed by a few zeros and digits."""
    zeros = rng.randint(0, 6)
    tail = str(rng.randint(1, 9)) + ''.join(rng.choice('0123456789') for _ in range(rng.randint(0, 12)))
    return rng.choice(['', '0']) + '.' + '0' * zeros + tail


def root_inputs(rng, count):
    out = []
    for i in range(count):
        digits = 1 + (i * 199) // (count - 1) if i % 3 else rng.randint(1, 200)
        out.append(random_number(rng, digits, i % 2 == 1))
    return out


def main():
    root = Path(__file__).resolve().parents[3]
    data = root / 'arith' / 'tests' / 'data'
    rng = random.Random(20261207)

    tolerances = ['0.0001'] * 6 + ['0.01', '0.000001']
    header = '# {0}: input<TAB>tolerance<TAB>result; generated by arith/tests/gen/gen_roots.py\n'

    sq = root_inputs(rng, 240)
    sq += [small_fraction(rng) for _ in range(30)]
    sq += ['2.50', '007', '0.25', '1', '99.990000', '12345678987654321', '0.0000000001', '.000001', '1.00000000001']
    with open(data / 'roots_sqrt.txt', 'w') as f:
        f.write(header.format('square roots'))
        for i, x in enumerate(sq):
            tol = tolerances[i % len(tolerances)]
            f.write(f'{x}\t{tol}\t{square_root(x, tol)}\n')

    cb = root_inputs(rng, 200)
    cb += [small_fraction(rng) for _ in range(30)]
    cb += ['1', '1.000', '8', '27.0', '0007', '999999999999999999999999999999', '.5',
           '0.000001', '0.000000000001', '.0000000000000000001', '0.999', '0.123']
    with open(data / 'roots_cbrt.txt', 'w') as f:
        f.write(header.format('cube roots'))
        for i, x in enumerate(cb):
            tol = tolerances[i % len(tolerances)]
            f.write(f'{x}\t{tol}\t{any_cube_root(x, tol)}\n')

    lg = root_inputs(rng, 120) + [small_fraction(rng) for _ in range(5)]
    lg += ['1', '10', '1000', '2', '3', '9.99', '10.01', '0.5', '123456789.123456789']
    with open(data / 'roots_log.txt', 'w') as f:
        f.write('# logarithms: input<TAB>base<TAB>result; generated by arith/tests/gen/gen_roots.py\n')
        for x in lg:
            f.write(f'{x}\t10\t{big_log(x, "10")}\n')
        # Other bases. A division that does not end (by 3, 1.5, 7.25) doubles
        # the fraction of the working value, so inputs stay below base^4 for
        # those; bases of 2s and 5s take any short input.
        for base, inexact in [('2', False), ('16', False), ('100', False),
                              ('3', True), ('1.5', True), ('7.25', True)]:
            for _ in range(8):
                while True:
                    x = random_number(rng, rng.randint(1, 12), rng.random() < 0.5)
                    if not inexact or value(x) < value(base) ** 4:
                        break
                f.write(f'{x}\t{base}\t{big_log(x, base)}\n')
        # Long inputs to bases whose divisions end: the places of the working
        # value grow by one per division by 1.25 (x 0.8) and by 2.
        for x, base in [('1' + '0' * 60, '1.25'), ('3' * 80, '2'), ('7' * 40 + '.5', '1.6')]:
            f.write(f'{x}\t{base}\t{big_log(x, base)}\n')


if __name__ == '__main__':
    main()
