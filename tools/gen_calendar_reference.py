#!/usr/bin/python3
"""Reference dates for the calendar tests, from an independent library.

Writes two tables made by python3-convertdate (Debian; its Julian, Gregorian
and ISO calendars and its Easter computus):

tests/data/calendar_convertdate.txt, one row per year (every seventh year from
100 to 9999, and each century year with its neighbours): the Julian Day
Numbers of 1 January, 1 March and 31 December of the civil calendar (Julian
before 15 October 1582, Gregorian from then on), and from 1584 on the ISO
week-year and week of 1 January and of 31 December (0 0 before).

tests/data/easter_convertdate.txt, one row per year from 100 to 9999: Easter
Sunday of the Gregorian computus (from 1583, else 0) and of the Julian
computus in its own calendar, each as a day of March (32 = 1 April).

    /usr/bin/python3 tools/gen_calendar_reference.py

Needs python3-convertdate (apt-get install python3-convertdate).
"""
import convertdate
from convertdate import gregorian, holidays, iso, julian

from gen_common import ROOT, write
import os

DATA = os.path.join(ROOT, "tests", "data")


def civil_jdn(y, m, d):
    if (y, m, d) >= (1582, 10, 15):
        return int(gregorian.to_jd(y, m, d) + 0.5)
    return int(julian.to_jd(y, m, d) + 0.5)


def march_day(month, day):
    return day if month == 3 else day + 31


def main():
    version = "python3-convertdate %s" % convertdate.__version__
    years = sorted(set(range(100, 10000, 7)) |
                   {c + k for c in range(100, 10000, 100) for k in (-1, 0, 1) if 100 <= c + k <= 9999} |
                   {1582, 1583, 1584, 1585})
    rows = ["# Civil calendar by %s (Julian before 1582-10-15, Gregorian after)." % version,
            "# Made by tools/gen_calendar_reference.py; do not edit.",
            "# columns: year, JDN of 1 Jan, 1 Mar, 31 Dec; ISO year and week of 1 Jan and of 31 Dec (from 1584)"]
    for y in years:
        weeks = [0, 0, 0, 0]
        if y >= 1584:
            a, b = iso.from_gregorian(y, 1, 1)[:2], iso.from_gregorian(y, 12, 31)[:2]
            weeks = [a[0], a[1], b[0], b[1]]
        rows.append("%d %d %d %d %d %d %d %d" % ((y, civil_jdn(y, 1, 1), civil_jdn(y, 3, 1), civil_jdn(y, 12, 31)) +
                                                 tuple(weeks)))
    write(DATA, "calendar_convertdate.txt", rows)

    rows = ["# Easter Sunday by %s: Gregorian computus (from 1583) and Julian computus" % version,
            "# (in the Julian calendar), as days of March (32 = 1 April).",
            "# Made by tools/gen_calendar_reference.py; do not edit.",
            "# columns: year, Gregorian Easter, Julian Easter"]
    for y in range(100, 10000):
        g = march_day(*holidays.easter(y)[1:]) if y >= 1583 else 0
        j = march_day(*julian.from_gregorian(*holidays.easter(y, "orthodox"))[1:])
        rows.append("%d %d %d" % (y, g, j))
    write(DATA, "easter_convertdate.txt", rows)


if __name__ == "__main__":
    main()
