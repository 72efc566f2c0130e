#!/usr/bin/env python3
"""Writes words/tests/data/scale_names.tsv, the expected scale names.

Reads the same reference list as make_scale_table.py but on its own terms,
so that a fault in either reading shows up as a test failure: the names are
picked out word by word rather than split at ", ", the ranges must follow on
one another without gap, and every entry the section's prose quotes
(entry N is "Name", entries A, B and C ... "x", "y", "z") is checked against
the list before anything is written.

    python3 words/gen/make_expected_scales.py NAMES.md > words/tests/data/scale_names.tsv

Output: one line per group number 2 .. 1,005: the number, a tab, the name.
"""
import re
import sys

NAME = re.compile(r"[A-Za-z]+(?: / [A-Za-z]+)?")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    m = re.search(r"^# [^\n]*Scale names\n(.*?)(?=^# )", text, re.S | re.M)
    section = m.group(1)

    names = {}
    expected_next = 2
    for line in section.splitlines():
        r = re.match(r"\s+- (\d+(?:,\d{3})?)\u2013(\d+(?:,\d{3})?): (.*)", line)
        if not r:
            continue
        lo, hi = (int(x.replace(",", "")) for x in r.group(1, 2))
        found = NAME.findall(r.group(3))
        assert lo == expected_next, (lo, expected_next)
        assert len(found) == hi - lo + 1, (lo, hi, found)
        # nothing but the names and their ", " separators on the line
        assert ", ".join(found) == r.group(3).rstrip(), line
        for k, name in enumerate(found):
            names[lo + k] = name
        expected_next = hi + 1
    assert expected_next == 1006, expected_next

    prose = section.replace("\n", " ")
    checked = 0
    for num, name in re.findall(r'[Ee]ntry ([\d,]+)(?: is)? "([^"]+)"', prose):
        if name.startswith(" ") and name.endswith(", "):  # quoted as stored
            name = name[1:-2]
        assert names[int(num.replace(",", ""))] == name, (num, name)
        checked += 1
    for nums, quoted in re.findall(
            r'entries ((?:\d+, )*\d+ and \d+)[^"]*?((?:"[^"]+"(?:, | and )?)+)', prose):
        nums = [int(x) for x in re.findall(r"\d+", nums)]
        quoted = re.findall(r'"([^"]+)"', quoted)
        assert len(nums) == len(quoted), (nums, quoted)
        for n, q in zip(nums, quoted):
            assert names[n] == q, (n, q)
            checked += 1
    print(f"prose cross-checks passed: {checked}", file=sys.stderr)

    for g in range(2, 1006):
        print(f"{g}\t{names[g]}")


if __name__ == "__main__":
    main()
