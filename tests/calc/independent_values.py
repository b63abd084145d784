#!/usr/bin/env python3
"""The plume model once more, written apart from calc/ in Python, for the
expected values of the core's tests.

Python floats are IEEE doubles and every step below is done in the order the
model prescribes, each square the correctly rounded product x * x, so the
results agree to the last bit with a correct implementation. Singles are made
with struct (round to nearest, ties to even) and the printed texts with
"%.nG", both correctly rounded.

  independent_values.py cited     every value the tests beside this file cite
                                  from here, derived again from their own
                                  inputs; fails when one differs (ctest runs it)
  independent_values.py overflow  the last row written before each overflow
  independent_values.py tie       a run whose file carries a two-decimal tie
"""
import math
import re
import struct
import sys
from pathlib import Path

PI = 3.141592654
E = 2.71828182845904
CLASSES = "ABCDEF"

URBAN = {  # sigmaY (a, b, c), sigmaZ (a, b, c); c None: no bracket
    "A": ((0.32, 0.0004, -0.5), (0.24, 0.0001, 0.5)),
    "C": ((0.22, 0.0004, -0.5), (0.20, 0, None)),
    "D": ((0.16, 0.0004, -0.5), (0.14, 0.0003, -0.5)),
    "E": ((0.11, 0.0004, -0.5), (0.08, 0.0015, -0.5)),
}
URBAN["B"], URBAN["F"] = URBAN["A"], URBAN["E"]

SIGMA_Y = {"A": (24.167, 2.5335), "B": (18.333, 1.8096), "C": (12.5, 1.0857),
           "D": (8.3333, 0.72382), "E": (6.25, 0.54287), "F": (4.167, 0.36191)}

# class, lower (exclusive), upper (inclusive), a, b, fixed
SIGMA_Z = [
    ("A", 3.11, None, 0, 0, 5000), ("A", 0.5, 3.11, 453.85, 2.1166, None),
    ("A", 0.4, 0.5, 346.75, 1.7283, None), ("A", 0.3, 0.4, 258.89, 1.4094, None),
    ("A", 0.25, 0.3, 217.41, 1.2644, None), ("A", 0.2, 0.25, 179.52, 1.1262, None),
    ("A", 0.15, 0.2, 170.22, 1.0932, None), ("A", 0.1, 0.15, 158.08, 1.0542, None),
    ("A", None, 0.1, 122.8, 0.9447, None),
    ("B", 35, None, 0, 0, 5000), ("B", 0.4, 35, 109.3, 1.0971, None),
    ("B", 0.2, 0.4, 98.483, 0.98332, None), ("B", None, 0.2, 90.673, 0.93198, None),
    ("C", None, None, 61.141, 0.91465, None),
    ("D", 30, None, 44.053, 0.51179, None), ("D", 10, 30, 36.65, 0.56589, None),
    ("D", 3, 10, 33.504, 0.60486, None), ("D", 1, 3, 32.093, 0.64403, None),
    ("D", 0.3, 1, 32.093, 0.81006, None), ("D", None, 0.3, 34.459, 0.86974, None),
    ("E", 40, None, 47.618, 0.29592, None), ("E", 20, 40, 35.42, 0.37615, None),
    ("E", 10, 20, 26.97, 0.46713, None), ("E", 4, 10, 24.703, 0.50527, None),
    ("E", 2, 4, 22.534, 0.57154, None), ("E", 1, 2, 21.628, 0.63077, None),
    ("E", 0.3, 1, 21.628, 0.7566, None), ("E", 0.1, 0.3, 23.331, 0.81956, None),
    ("E", None, 0.1, 24.26, 0.8366, None),
    ("F", 60, None, 34.219, 0.21716, None), ("F", 30, 60, 27.074, 0.27436, None),
    ("F", 15, 30, 22.651, 0.32681, None), ("F", 7, 15, 17.836, 0.415, None),
    ("F", 3, 7, 16.187, 0.4649, None), ("F", 2, 3, 14.823, 0.54503, None),
    ("F", 1, 2, 13.953, 0.63227, None), ("F", 0.7, 1, 13.953, 0.68465, None),
    ("F", 0.2, 0.7, 14.457, 0.78407, None), ("F", None, 0.2, 15.209, 0.8158, None),
]


class Fault(Exception):
    pass


def urban_law(law, X):
    a, b, c = law
    p = (a * X) * 1000
    if c is None:
        return p
    return p * math.pow(1 + ((b * X) * 1000), c)


def sigma_y(cls, X):
    c, d = SIGMA_Y[cls]
    T = c - (math.log(X) * d) / math.log(E)
    return ((1000 / 2.15) * X) * math.tan((PI / 180) * T)


def sigma_z(cls, X):
    for k, lower, upper, a, b, fixed in SIGMA_Z:
        if k == cls and (lower is None or lower < X) and (upper is None or X <= upper):
            return fixed if fixed is not None else a * math.pow(X, b)
    raise ValueError(X)


def spread(area, cls, X):
    if area == "urban":
        y, z = URBAN[cls]
        return urban_law(y, X), urban_law(z, X)
    return sigma_y(cls, X), sigma_z(cls, X)


def checked(x):
    if math.isinf(x) or math.isnan(x):
        raise Fault("overflow" if math.isinf(x) else "invalid")
    return x


def square(x):
    return checked(x * x)


def power(x, y):
    try:
        return checked(math.pow(x, y))
    except OverflowError:
        raise Fault("overflow")


def concentration(Q, u, H, sy, sz, Y):
    Z, half = 0, -1 / 2
    d4 = checked(checked(checked(2 * PI * u) * sy) * sz)
    q = checked(Q / d4)
    g = power(E, half * square(Y / sy))
    qg = checked(q * g)
    t1 = power(E, half * checked(square(Z - H) / square(sz)))
    t2 = power(E, half * checked(square(Z + H) / square(sz)))
    return checked(qg * (t1 + t2))


def single(x):
    try:
        y = struct.unpack("f", struct.pack("f", x))[0]
    except OverflowError:
        raise Fault("overflow")
    if math.isinf(y) and not math.isinf(x):
        raise Fault("overflow")
    return y


def reported(C, ties_away=False):
    w = single(C) * 1e9
    n = math.floor(w * 100 + 0.5) if ties_away else round(w * 100)
    return single(n / 100)


def grid(xmax):
    X = 0.1
    while X <= xmax:
        yield X
        X += 0.1


def run(xmax, u, H, Q, cls, area, ties_away=False):
    """The file's row lines, and the fault that stopped the run if any."""
    lines = []
    try:
        for X in grid(xmax):
            sy, sz = spread(area, cls, X)
            for Y in range(0, 501, 100):
                value = reported(concentration(Q, u, H, sy, sz, Y), ties_away)
                lines.append("%s,%d,%s" % (text(X * 1000, 15), Y, text(value, 7)))
    except Fault as fault:
        return lines, str(fault)
    return lines, None


def text(x, digits):
    return "0" if x == 0 else "%.*G" % (digits, x)


def grid_distance(k):
    """The k-th distance of the grid, as the runs reach it."""
    for n, X in enumerate(grid(20), 1):
        if n == k:
            return X
    raise ValueError(k)


def distance(text):
    """A distance as the tests write it: a literal, GridDistance(k) or xk
    (the k-th grid distance), or std::nextafter(from, towards)."""
    if m := re.fullmatch(r"(?:x|GridDistance\()(\d+)\)?", text):
        return grid_distance(int(m[1]))
    if m := re.fullmatch(r"std::nextafter\(([\d.]+), ([\d.]+)\)", text):
        return math.nextafter(float(m[1]), float(m[2]))
    return float(text)


NUMBER = r"([-+\d.e]+)"
DISTANCE = r"(std::nextafter\([^)]*\)|GridDistance\(\d+\)|x?[\d.]+)"

# The tables that cite this model, in the test files beside it: the shape of
# a row, how many of its last fields are cited values, and the values the
# model derives from the row's other fields.
CITING_TABLES = [
    ("urban_spread_test.cpp", rf"\{{([A-F]), {DISTANCE}, {NUMBER}, {NUMBER}\}}", 2,
     lambda cls, X: spread("urban", cls, distance(X))),
    ("rural_spread_test.cpp", rf"\{{([A-F]), {DISTANCE}, {NUMBER}\}}", 1,
     lambda cls, X: [sigma_z(cls, distance(X))]),
    # Golden values: a 50 m stack, 5 m/s.
    ("concentration_test.cpp",
     rf"\{{k(Urban|Rural), ([A-F]), {DISTANCE}, (\d+), {NUMBER}, {NUMBER}\}}", 1,
     lambda area, cls, X, Y, Q: [concentration(
         float(Q), 5, 50, *spread(area.lower(), cls, distance(X)), int(Y))]),
    # Squares: the written value of a point given its spread.
    ("concentration_test.cpp",
     rf'\{{"[^"]*", {NUMBER}, {NUMBER}, {NUMBER}, (\d+), {NUMBER}, {NUMBER}, "(\d+)"\}}', 1,
     lambda Q, u, H, Y, sy, sz: [text(reported(concentration(
         float(Q), float(u), float(H), float(sy), float(sz), int(Y))), 7)]),
]


def same(value, written):
    return value == (written if isinstance(value, str) else float(written))


def cited():
    """Prints every cited row with the model's values; 1 when one differs."""
    differing = 0
    for file, shape, count, derive in CITING_TABLES:
        rows = re.findall(shape, (Path(__file__).parent / file).read_text(encoding="utf-8"))
        if not rows:
            print(f"{file}: no row of the shape {shape}")
            differing += 1
        for fields in rows:
            inputs, written = fields[:-count], fields[-count:]
            values = derive(*inputs)
            line = f"{file}: {', '.join(inputs)} -> {', '.join(repr(v) for v in values)}"
            if not all(map(same, values, written)):
                line += f"   DIFFERS: the test has {', '.join(written)}"
                differing += 1
            print(line)
    print(f"{differing} rows differ" if differing else "every cited value matches")
    return 1 if differing else 0


def main(what):
    if what == "cited":
        return cited()
    if what == "overflow":
        for args in [(20, 1e-30, 50, 1e40, "D", "urban"), (20, 1, 1000, 1e40, "A", "urban"),
                     (20, 1, 1000, 1e40, "A", "rural"), (20, 5, 1e200, 1, "D", "urban")]:
            lines, fault = run(*args)
            print(args, len(lines), "rows, then", fault, "; last:", lines[-1] if lines else "-")
    elif what == "tie":
        # The first point of an urban class D run at 0.1 km: find Q so that
        # C rounds to the single 17/4096 kg/m3, whose microgram value times
        # 100 is exactly halfway between two integers.
        sy, sz = spread("urban", "D", 0.1)
        per_unit = concentration(1, 5, 50, sy, sz, 0)
        guess = 17 / 4096 / per_unit
        for digits in range(4, 12):
            Q = float("%.*g" % (digits, guess))
            if single(concentration(Q, 5, 50, sy, sz, 0)) == 17 / 4096:
                even, away = run(0.1, 5, 50, Q, "D", "urban"), run(0.1, 5, 50, Q, "D", "urban", True)
                print("Q", "%.*g" % (digits, Q), "even:", even[0][0], "away:", away[0][0])
                break


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "cited"))
