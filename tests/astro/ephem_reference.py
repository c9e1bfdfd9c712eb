#!/usr/bin/env python3
"""Reference rise, transit and set times and moon phase instants from PyEphem.

Used by the astronomy tests as an independent ephemeris.  Prints one line per
event, every time in Japan Standard Time (UT + 9 h) as hours of the JST day:

  moon   YEAR MONTH DAY RISE TRANSIT SET     (99 where the day has none)
  sun    YEAR MONTH DAY RISE TRANSIT SET
  phase  YEAR MONTH DAY KIND JST_HOURS       (KIND 0 new, 1 first quarter,
                                              2 full, 3 last quarter)

Arguments: latitude and longitude in degrees, then one or more YEAR-MONTH;
optionally --utc-offset H to give the times in another fixed offset from UT
instead of JST, and --compact NAME to print one line per month and body,
"moon NAME YEAR MONTH" followed by the rise, transit and set of every day
(the form of the stored world table; no phases).
The horizons match the almanac's: the centre of the sun at zenith distance
90 deg 51', the centre of the moon at topocentric zenith distance
90 deg 35' 08" (the almanac takes the parallax off the geocentric one), and
no atmosphere model beyond that (refraction is in the horizon depression).
"""
import calendar
import sys

import ephem

NO_EVENT = 99.0


def jst_hours(date, day_start):
    return (ephem.Date(date) - day_start) * 24.0


def events(observer, body, day_start, finder):
    """All events of one kind inside the JST day starting at day_start."""
    found = []
    observer.date = day_start
    while True:
        try:
            when = finder(body, start=observer.date)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            break
        if when >= day_start + 1:
            break
        found.append(jst_hours(when, day_start))
        observer.date = ephem.Date(when + ephem.minute)
    return found


def first_or_none(values):
    return values[0] if values else NO_EVENT


def take_option(args, name, default):
    if name in args:
        i = args.index(name)
        value = args[i + 1]
        del args[i:i + 2]
        return value
    return default


def main():
    args = sys.argv[1:]
    offset = float(take_option(args, '--utc-offset', '9'))
    compact = take_option(args, '--compact', None)
    lat, lon = args[0], args[1]
    observer = ephem.Observer()
    observer.lat = str(lat)
    observer.lon = str(lon)
    observer.elevation = 0
    observer.pressure = 0
    moon = ephem.Moon()
    sun = ephem.Sun()
    for arg in args[2:]:
        year, month = (int(x) for x in arg.split('-'))
        days = calendar.monthrange(year, month)[1]
        lines = {'moon': [], 'sun': []}
        for day in range(1, days + 1):
            # 0h JST is 15h UT of the previous day.
            day_start = ephem.Date((year, month, day)) - offset * ephem.hour
            observer.horizon = '-0:35:08'
            rise = events(observer, moon, day_start, lambda b, start: observer.next_rising(b, start=start, use_center=True))
            sett = events(observer, moon, day_start, lambda b, start: observer.next_setting(b, start=start, use_center=True))
            observer.horizon = '0'
            transit = events(observer, moon, day_start, lambda b, start: observer.next_transit(b, start=start))
            lines['moon'].append((first_or_none(rise), first_or_none(transit), first_or_none(sett)))
            observer.horizon = '-0:51'
            srise = events(observer, sun, day_start, lambda b, start: observer.next_rising(b, start=start, use_center=True))
            sset = events(observer, sun, day_start, lambda b, start: observer.next_setting(b, start=start, use_center=True))
            observer.horizon = '0'
            stransit = events(observer, sun, day_start, lambda b, start: observer.next_transit(b, start=start))
            lines['sun'].append((first_or_none(srise), first_or_none(stransit), first_or_none(sset)))
        for body in ('moon', 'sun'):
            if compact:
                print('%s %s %d %d %s' % (body, compact, year, month, ' '.join(
                    '%.4f' % v for day in lines[body] for v in day)))
                continue
            for day, values in enumerate(lines[body], 1):
                print('%s %d %d %d %.5f %.5f %.5f' % ((body, year, month, day) + values))
        if compact:
            continue
        month_start = ephem.Date((year, month, 1)) - 9 * ephem.hour
        month_end = ephem.Date((year + (month == 12), month % 12 + 1, 1)) - 9 * ephem.hour
        for kind, finder in ((0, ephem.next_new_moon), (1, ephem.next_first_quarter_moon),
                             (2, ephem.next_full_moon), (3, ephem.next_last_quarter_moon)):
            when = finder(month_start - 1)
            while when < month_end:
                if when >= month_start:
                    jst = ephem.Date(when + 9 * ephem.hour).tuple()
                    hours = jst[3] + jst[4] / 60.0 + jst[5] / 3600.0
                    print('phase %d %d %d %d %.5f' % (jst[0], jst[1], jst[2], kind, hours))
                when = finder(when + 1)


if __name__ == '__main__':
    main()
