#!/usr/bin/env python3
"""Writes the reference vectors of the calc tests (run once, output committed).

  format_vectors.txt      input <TAB> display string <TAB> whole-number format
  conversion_vectors.txt  button <TAB> direction <TAB> keys <TAB> readout <TAB> sentence
  factorial_vectors.txt   n <TAB> readout

The references are Python's decimal and int arithmetic; grouping is done with
a regular expression, rounding with ROUND_HALF_UP, truncating division with
ROUND_DOWN at the number of places the division procedure promises
(2 x fraction digits of the dividend + 10).
"""
import math
import random
import re
from decimal import Decimal, ROUND_DOWN, ROUND_HALF_UP, getcontext
from pathlib import Path

getcontext().prec = 400
OUT = Path(__file__).resolve().parent.parent / "data"
rng = random.Random(20261207)


def group(int_digits):
    return re.sub(r"(?<=\d)(?=(\d{3})+$)", ",", int_digits)


def display(text):
    """The display string of a decimal string (grouping, "0" before a bare point)."""
    neg = text.startswith("-")
    t = text[1:] if neg else text
    t = t.replace(",", "")
    if "." in t:
        whole, frac = t.split(".", 1)
        if whole == "":
            whole = "0"
    else:
        whole, frac = t, ""
    out = ("-" if neg else "") + group(whole)
    return out + ("." + frac if frac else "")


def normal(d):
    """Normal form text of a Decimal value (no exponent, no trailing zeros)."""
    s = format(d, "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    neg = s.startswith("-")
    mag = s[1:] if neg else s
    if mag.startswith("0.") :
        mag = mag[1:]
    if mag in ("", "0"):
        return "0"
    return ("-" if neg else "") + mag


def result_text(s):
    return display(s) if "." in s else display(s) + "."


def whole_format(text):
    d = Decimal(text.replace(",", ""))
    q = d.quantize(Decimal(1), rounding=ROUND_HALF_UP)
    s = format(q, "f")
    if s in ("-0",):
        s = "0"
    return s + "."


def frac_digits(s):
    return len(s.split(".", 1)[1]) if "." in s else 0


def divide(x, factor):
    places = 2 * frac_digits(x) + 10
    q = (Decimal(x) / Decimal(factor)).quantize(Decimal(1).scaleb(-places), rounding=ROUND_DOWN)
    s = normal(q)
    if s == "0" and x.startswith("-"):
        s = "-0"
    return s


def multiply(x, factor):
    s = normal(Decimal(x) * Decimal(factor))
    if s == "0" and x.startswith("-") != factor.startswith("-"):
        s = "-0"
    return s


def random_number():
    kind = rng.randrange(4)
    whole = str(rng.randrange(1, 10)) + "".join(rng.choice("0123456789") for _ in range(rng.randrange(0, 14)))
    if kind == 0:
        return whole
    frac = "".join(rng.choice("0123456789") for _ in range(rng.randrange(1, 7)))
    if frac.endswith("0"):
        frac = frac[:-1] + "7"
    if kind == 1:
        return whole + "." + frac
    if kind == 2:
        return "0." + frac
    return "-" + whole


def format_vectors():
    rows = []
    fixed = ["0", "1", "12", "123", "1234", "12345", "123456", "1234567", "0001234", "1000",
             "999.5", "1.5", "2.4", "-7", "-1234.5", "-0.5", "0.5", "99999999999999999999.5",
             "1234567.891", "-1234", "12.", ".5", "-.5"]
    for s in fixed:
        rows.append(s)
    for _ in range(120):
        n = rng.randrange(1, 60)
        digits = "".join(rng.choice("0123456789") for _ in range(n))
        s = digits
        if rng.random() < 0.5:
            s += "." + "".join(rng.choice("0123456789") for _ in range(rng.randrange(1, 12)))
        if rng.random() < 0.3:
            s = "-" + s
        rows.append(s)
    with open(OUT / "format_vectors.txt", "w") as f:
        f.write("# input\tAddCommas\twhole-number format\n")
        for s in rows:
            f.write(f"{s}\t{display(s)}\t{whole_format(s)}\n")


CONVERSIONS = [
    # word, factor, metric divides, metric from/to, imperial from/to
    ("mm-in", "25.4", True, " Millimeters", " Inches", " Inches", " Millimeters"),
    ("cm-ft", "30.48", True, " Centimeters", " Feet", " Feet", " Centimeters"),
    ("m-yd", "1.09361", False, " Meters", " Yards", " Yards", " Meters"),
    ("km-mile", "0.621371", False, " Kilometers", " Miles", " Miles", " Kilometers"),
    ("ml-oz", "29.5735", True, " Milliliters", " Ounces", " Ounces", " Milliliters"),
    ("l-qt", "1.05669", False, " Liters", " Quarts", " Quarts", " Liters"),
    ("l-gal", "3.78541", True, " Liters", " Gallons", " Gallons", " Liters"),
    ("l-cuin", "61.0237", False, " Liters", " Cubic Inches ", " Cubic Inches", "  Liters"),
    ("g-oz", "28.3495", True, " Grams", " Ounces", " Ounces", " Grams"),
    ("kg-lb", "2.20462", False, " Kilograms", " Pounds", " Pounds", " Kilograms"),
]


def keys_for(x):
    """The button words that type x (a leading "-" is the sign key)."""
    if x.startswith("-"):
        return "- " + x[1:]
    return x


def conversion_vectors():
    with open(OUT / "conversion_vectors.txt", "w") as f:
        f.write("# button\tdirection\tkeys\treadout\tsentence\n")
        inputs = ["100", "0", "1000", "212", "1", "2.5"] + [random_number() for _ in range(14)]
        for word, factor, mdiv, mf, mt, imf, imt in CONVERSIONS:
            for direction in ("metric", "imperial"):
                for x in inputs:
                    divide_it = (direction == "metric") == mdiv
                    r = divide(x, factor) if divide_it else multiply(x, factor)
                    readout = result_text(r)
                    fu, tu = (mf, mt) if direction == "metric" else (imf, imt)
                    f.write(f"{word}\t{direction}\t{keys_for(x)}\t{readout}\t{x}{fu} equals {readout}{tu}\n")
        for direction in ("metric", "imperial"):
            for x in ["100", "212", "0", "-40", "37.5"] + [random_number() for _ in range(10)]:
                if direction == "metric":
                    r = normal(Decimal(x) * Decimal("1.8") + Decimal(32))
                    fu, tu = " Celsius", " Fahrenheit"
                else:
                    r = multiply(normal(Decimal(x) - Decimal(32)), "0.55556")
                    fu, tu = " Fahrenheit", " Celsius"
                readout = result_text(r)
                f.write(f"c-f\t{direction}\t{keys_for(x)}\t{readout}\t{x}{fu} equals {readout}{tu}\n")


def factorial_vectors():
    with open(OUT / "factorial_vectors.txt", "w") as f:
        f.write("# n\treadout of n!\n")
        for n in list(range(1, 31)) + [50, 100, 250, 500, 999]:
            f.write(f"{n}\t{result_text(str(math.factorial(n)))}\n")


if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    format_vectors()
    conversion_vectors()
    factorial_vectors()
