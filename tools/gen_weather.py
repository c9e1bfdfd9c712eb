#!/usr/bin/env python3
"""Writes resources/txtdata/weather.txt: Tokyo's normal daily temperatures.

The Japan Meteorological Agency publishes Tokyo's 1991-2020 normals as
monthly means of the daily maximum and minimum.  The day calendar wants one
value per calendar day, so the monthly values are spread over the year by a
mean-preserving periodic spline:

  * F(t), the running integral of the temperature from January 1, is known
    exactly at every month boundary (the monthly normal times the month's
    length, summed).
  * G(t) = F(t) - A t, with A the mean of the year, is periodic; a periodic
    cubic spline runs through G at the thirteen month boundaries.
  * The value of day d is A + G(d + 1) - G(d), the spline's mean over that
    day, so the days of every month add up to exactly the month's normal.

The days are rounded to tenths per month by largest remainder, which keeps
each month's mean of the rounded values equal to its normal.  February 29
(not part of the 365-day year) takes the mean of February 28 and March 1.

Each day's block in the file is a header "[MM:DD]" and two lines of ten
fields of five characters (four for the number, one blank): the minimum line
first, then the maximum line.  The program drops the highest and the lowest
of the ten and averages the other eight, so ten equal values give the day's
normal.  February 29 is averaged as the sum of the ten halved, so its lines
hold the value twice and eight zeros.

Usage: tools/gen_weather.py [OUTPUT]   (default resources/txtdata/weather.txt)
Standard library only.
"""

import os
import sys

# Tokyo (東京, station 47662), normals 1991-2020 of the Japan Meteorological
# Agency, degrees Celsius: monthly means of the daily maximum and minimum.
# Secondary quotations of October's maximum differ (21.9 and 22.0); the
# agency's table gives 22.0.
NORMAL_MAX = [9.8, 10.9, 14.2, 19.4, 23.6, 26.1, 29.9, 31.3, 27.5, 22.0, 16.7, 12.0]
NORMAL_MIN = [1.2, 2.1, 5.0, 9.8, 14.6, 18.5, 22.4, 23.5, 20.3, 14.8, 8.8, 3.8]

MONTH_DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


def solve(matrix, rhs):
    """Gaussian elimination with partial pivoting (the system is 12 x 12)."""
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(col + 1, n):
            f = a[r][col] / a[col][col]
            for c in range(col, n + 1):
                a[r][c] -= f * a[col][c]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (a[r][n] - sum(a[r][c] * x[c] for c in range(r + 1, n))) / a[r][r]
    return x


def periodic_spline(knots, values):
    """Second derivatives of the periodic cubic spline through the points.

    knots[0..n] with values[n] == values[0]; returns M[0..n-1] (M[n] = M[0]).
    """
    n = len(knots) - 1
    h = [knots[i + 1] - knots[i] for i in range(n)]
    matrix = [[0.0] * n for _ in range(n)]
    rhs = [0.0] * n
    for i in range(n):
        prev = (i - 1) % n  # interval ending at knot i
        matrix[i][prev] += h[prev] / 6
        matrix[i][i] += (h[prev] + h[i]) / 3
        matrix[i][(i + 1) % n] += h[i] / 6
        y_prev = values[i - 1] if i > 0 else values[n - 1]
        rhs[i] = (values[i + 1] - values[i]) / h[i] - (values[i] - y_prev) / h[prev]
    return solve(matrix, rhs)


def spline_at(knots, values, m, t):
    n = len(knots) - 1
    i = max(k for k in range(n) if knots[k] <= t) if t < knots[n] else n - 1
    h = knots[i + 1] - knots[i]
    a = (knots[i + 1] - t) / h
    b = (t - knots[i]) / h
    m0, m1 = m[i], m[(i + 1) % n]
    return (a * values[i] + b * values[i + 1]
            + ((a ** 3 - a) * m0 + (b ** 3 - b) * m1) * h * h / 6)


def round_month(values, total_tenths):
    """Tenths that add up to total_tenths, each as close to its value as can be."""
    scaled = [v * 10 for v in values]
    floors = [int(s // 1) for s in scaled]
    rest = total_tenths - sum(floors)
    order = sorted(range(len(values)), key=lambda i: scaled[i] - floors[i], reverse=True)
    for i in order[:rest]:
        floors[i] += 1
    return floors


def daily_tenths(monthly):
    knots = [0]
    for days in MONTH_DAYS:
        knots.append(knots[-1] + days)
    year_days = knots[-1]
    annual = sum(v * d for v, d in zip(monthly, MONTH_DAYS)) / year_days
    g = [0.0]
    for v, d in zip(monthly, MONTH_DAYS):
        g.append(g[-1] + (v - annual) * d)
    m = periodic_spline(knots, g)
    day_values = [annual + spline_at(knots, g, m, d + 1) - spline_at(knots, g, m, d)
                  for d in range(year_days)]
    tenths = []
    for month in range(12):
        part = day_values[knots[month]:knots[month + 1]]
        tenths.extend(round_month(part, round(monthly[month] * 10) * MONTH_DAYS[month]))
    return tenths


def field(tenths):
    text = "%.1f" % (tenths / 10)
    assert len(text) <= 4, text
    return "%4s " % text


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "resources", "txtdata", "weather.txt")
    low = daily_tenths(NORMAL_MIN)
    high = daily_tenths(NORMAL_MAX)
    lines = [
        "// 東京の平年気温(気象庁 1991～2020年の平年値による日ごとの値)",
        "// tools/gen_weather.py が月ごとの平年値から作ったファイルです。",
        "// 各日は [月:日] の行と、最低気温・最高気温の行の三行で一組です。",
        "// 値は五文字ごと(数字四文字と空白)に十個並べます。",
        "// 日めくりは十個から最高と最低を除いた八個の平均を表示します。",
        "// 2月29日だけは十個の合計の半分を使うので、値を二つだけ置きます。",
    ]
    day = 0
    for month in range(12):
        for d in range(MONTH_DAYS[month]):
            lines.append("[%02d:%02d]" % (month + 1, d + 1))
            lines.append("".join(field(low[day]) for _ in range(10)))
            lines.append("".join(field(high[day]) for _ in range(10)))
            day += 1
            if month == 1 and d == 27:
                # February 29: the program halves the sum of the ten values.
                leap_low = round((low[day - 1] + low[day]) / 2)
                leap_high = round((high[day - 1] + high[day]) / 2)
                lines.append("[02:29]")
                lines.append("".join(field(v) for v in [leap_low] * 2 + [0] * 8))
                lines.append("".join(field(v) for v in [leap_high] * 2 + [0] * 8))
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
