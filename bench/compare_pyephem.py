#!/usr/bin/env python3
"""The month of the moon table and of the sun table, timed side by side with
PyEphem in one run.

Usage: bench/compare_pyephem.py [BENCH_PROGRAM] [--months N] [--require R]

BENCH_PROGRAM is the astronomy benchmark (default build/bench/korvane_bench_astro).
It is run for the month benchmarks of Tokyo and of Greenwich; PyEphem then
does the same work for the same months: for every day the moon's apparent
position and parallax at 0h UT and its rise, transit and set on the
almanac's horizons (the sun: rise, transit and set).  Prints the time of
each side per month and the ratio; with --require the exit status is 1 when
a moon ratio is below R.  Both sides are timed in processor time, so that
other work on the machine weighs on neither.

Needs python3-ephem (the Debian package) or `pip install ephem`.
"""
import calendar
import json
import math
import os
import subprocess
import sys
import time

import ephem

EARTH_RADIUS_KM = 6378.14

PLACES = {
    # name: latitude, longitude, UTC offset, our benchmarks (moon, sun)
    'Tokyo': ('35:39', '139:45', 9, 'BM_MoonTableMonth', 'BM_SunTimesMonth'),
    'Greenwich': ('51.4779', '-0.0015', 0, 'BM_MoonTableMonthGreenwich',
                  'BM_SunTimesMonthGreenwich'),
}


def months_of_cycle(count):
    """The months the benchmarks cycle through: 2000-01, 2000-02, ..."""
    return [(2000 + i // 12 % 50, i % 12 + 1) for i in range(count)]


def events_in_day(finder, body, day_start):
    try:
        when = finder(body, start=day_start)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return when if when < day_start + 1 else None


def moon_month(observer, year, month, offset):
    moon = ephem.Moon()
    for day in range(1, calendar.monthrange(year, month)[1] + 1):
        moon.compute(ephem.Date((year, month, day)))
        math.asin(EARTH_RADIUS_KM / (moon.earth_distance * ephem.meters_per_au / 1000.0))
        day_start = ephem.Date((year, month, day)) - offset * ephem.hour
        observer.horizon = '-0:35:08'
        events_in_day(lambda b, start: observer.next_rising(b, start=start, use_center=True),
                      moon, day_start)
        events_in_day(lambda b, start: observer.next_setting(b, start=start, use_center=True),
                      moon, day_start)
        observer.horizon = '0'
        events_in_day(lambda b, start: observer.next_transit(b, start=start), moon, day_start)


def sun_month(observer, year, month, offset):
    sun = ephem.Sun()
    for day in range(1, calendar.monthrange(year, month)[1] + 1):
        day_start = ephem.Date((year, month, day)) - offset * ephem.hour
        observer.horizon = '-0:51'
        events_in_day(lambda b, start: observer.next_rising(b, start=start, use_center=True),
                      sun, day_start)
        events_in_day(lambda b, start: observer.next_setting(b, start=start, use_center=True),
                      sun, day_start)
        observer.horizon = '0'
        events_in_day(lambda b, start: observer.next_transit(b, start=start), sun, day_start)


def pyephem_ms_per_month(work, lat, lon, offset, months):
    observer = ephem.Observer()
    observer.lat, observer.lon = lat, lon
    observer.elevation = 0
    observer.pressure = 0
    begin = time.process_time()
    for year, month in months:
        work(observer, year, month, offset)
    return (time.process_time() - begin) * 1000.0 / len(months)


def ours_ms_per_month(program, names):
    pattern = '^(' + '|'.join(names) + ')$'
    out = subprocess.run([program, '--benchmark_filter=' + pattern, '--benchmark_format=json',
                          '--benchmark_min_time=0.5'],
                         check=True, capture_output=True, text=True).stdout
    result = {}
    for bench in json.loads(out)['benchmarks']:
        scale = {'ns': 1e-6, 'us': 1e-3, 'ms': 1.0, 's': 1e3}[bench['time_unit']]
        result[bench['name']] = bench['cpu_time'] * scale
    return result


def main():
    args = sys.argv[1:]
    months_count, require = 24, None
    if '--months' in args:
        i = args.index('--months')
        months_count = int(args[i + 1])
        del args[i:i + 2]
    if '--require' in args:
        i = args.index('--require')
        require = float(args[i + 1])
        del args[i:i + 2]
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    program = args[0] if args else os.path.join(root, 'build', 'bench', 'korvane_bench_astro')
    months = months_of_cycle(months_count)

    names = [n for p in PLACES.values() for n in p[3:]]
    ours = ours_ms_per_month(program, names)
    print('%-10s %-5s %12s %12s %8s' % ('place', 'table', 'ours ms', 'PyEphem ms', 'ratio'))
    worst_moon = None
    for place, (lat, lon, offset, moon_bench, sun_bench) in PLACES.items():
        for table, work, bench in (('moon', moon_month, moon_bench), ('sun', sun_month, sun_bench)):
            theirs = pyephem_ms_per_month(work, lat, lon, offset, months)
            ratio = theirs / ours[bench]
            if table == 'moon':
                worst_moon = ratio if worst_moon is None else min(worst_moon, ratio)
            print('%-10s %-5s %12.3f %12.3f %7.1fx' % (place, table, ours[bench], theirs, ratio))
    print('PyEphem %s, %d months from 2000-01; processor time per month' %
          (ephem.__version__, len(months)))
    if require is not None and worst_moon < require:
        print('moon ratio %.1f is below %.1f' % (worst_moon, require))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
