#!/usr/bin/env python3
"""Reference moon ages from PyEphem: days since the latest new moon at
0h UT (09h JST) and 12h UT (21h JST) of every day of the given years.

Arguments: one or more years.  Prints one line per day:

  YEAR MONTH DAY AGE09 AGE21
"""
import bisect
import calendar
import sys

import ephem


def main():
    years = [int(a) for a in sys.argv[1:]]
    for year in years:
        new_moons = []
        when = ephem.previous_new_moon(ephem.Date((year - 1, 12, 1)))
        while when < ephem.Date((year + 1, 1, 2)):
            new_moons.append(float(when))
            when = ephem.next_new_moon(ephem.Date(when + 1))

        def age(t):
            return t - new_moons[bisect.bisect_right(new_moons, t) - 1]

        for month in range(1, 13):
            for day in range(1, calendar.monthrange(year, month)[1] + 1):
                t = float(ephem.Date((year, month, day)))
                print('%d %d %d %.5f %.5f' % (year, month, day, age(t), age(t + 0.5)))


if __name__ == '__main__':
    main()
