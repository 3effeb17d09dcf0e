#!/usr/bin/python3
"""Reference places and events of the Sun, the Moon and the planets, for the tests.

Made by PyEphem (Debian's python3-ephem, the XEphem library: VSOP87 planets,
ELP 2000-82 Moon), with the sidereal time for the equation of time from
python3-erfa (IAU 1982/94 Greenwich apparent sidereal time). Writes:

tests/data/positions_pyephem.txt: apparent geocentric right ascension and
declination (equator and equinox of date: light time, aberration, nutation)
and distance of the Sun, the Moon and Mercury..Neptune every 97.3 days of
dynamical time from 1900 to 2100; for the Moon also its libration in latitude
and longitude and its illuminated fraction.

tests/data/events_pyephem.txt: the instants (dynamical time) of the new
moons, quarters and full moons from 1950 to 2050, of the equinoxes and
solstices from 1900 to 2100, and the equation of time every 7.3 days from
1900 to 2100 (JD in UT, minutes).

PyEphem takes and gives universal time and applies its own Delta T: the
instants are turned to and from dynamical time with PyEphem's own Delta T, so
that the tables hold what PyEphem computes for each dynamical instant.

    /usr/bin/python3 tools/gen_ephem_reference.py

Needs python3-ephem and python3-erfa (apt-get install python3-ephem python3-erfa).
"""
import math
import os

import ephem
import erfa

from gen_common import ROOT, write

DATA = os.path.join(ROOT, "tests", "data")
DUBLIN_JD = 2415020.0  # PyEphem counts days from 1899 December 31.5
# The program's body codes.
BODIES = [(0, ephem.Sun), (-1, ephem.Moon), (1, ephem.Mercury), (2, ephem.Venus), (4, ephem.Mars),
          (5, ephem.Jupiter), (6, ephem.Saturn), (7, ephem.Uranus), (8, ephem.Neptune)]


def ut_of_tt(tt):
    ut = tt
    for _ in range(4):
        ut = tt - ephem.delta_t(ephem.Date(ut - DUBLIN_JD)) / 86400.0
    return ut


def tt_of_ut(ut):
    return ut + ephem.delta_t(ephem.Date(ut - DUBLIN_JD)) / 86400.0


def positions(version):
    rows = ["# Apparent geocentric places (equator and equinox of date) by %s." % version,
            "# Made by tools/gen_ephem_reference.py; do not edit.",
            "# body: -1 Moon, 0 Sun, 1 Mercury, 2 Venus, 4 Mars .. 8 Neptune",
            "# columns: JD (dynamical time), body, right ascension (hours), declination (degrees),",
            "#   distance (AU); the Moon also libration in latitude and longitude (degrees), illuminated fraction"]
    for i in range(751):
        tt = round(2415020.5 + 97.3 * i, 5)  # the JD as written
        date = ephem.Date(ut_of_tt(tt) - DUBLIN_JD)
        for code, kind in BODIES:
            body = kind()
            body.compute(date)
            row = "%.5f %d %.9f %.8f %.9f" % (tt, code, math.degrees(body.g_ra) / 15.0,
                                              math.degrees(body.g_dec), body.earth_distance)
            if code == -1:
                row += " %.6f %.6f %.6f" % (math.degrees(body.libration_lat), math.degrees(body.libration_long),
                                            body.moon_phase)
            rows.append(row)
    write(DATA, "positions_pyephem.txt", rows)


def events(version):
    rows = ["# Lunar phases, seasons (dynamical time) and the equation of time by %s" % version,
            "# and python3-erfa %s (Greenwich apparent sidereal time, IAU 1982/94)." % erfa.__version__,
            "# Made by tools/gen_ephem_reference.py; do not edit.",
            "# columns: kind, JD, value. Kind 0..3: new moon, first quarter, full moon, last quarter",
            "# (JD dynamical time); 10..13: March equinox, June solstice, September equinox, December",
            "# solstice (JD dynamical time); 20: equation of time (JD universal time, value in minutes)."]
    finders = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
               ephem.next_last_quarter_moon]
    for kind, find in enumerate(finders):
        d = ephem.Date("1950/1/1")
        while True:
            d = find(d)
            if d >= ephem.Date("2050/1/1"):
                break
            rows.append("%d %.6f" % (kind, tt_of_ut(d + DUBLIN_JD)))
            d = ephem.Date(d + 1)
    seasons = [ephem.next_vernal_equinox, ephem.next_summer_solstice, ephem.next_autumnal_equinox,
               ephem.next_winter_solstice]
    for year in range(1900, 2101):
        for kind, find in enumerate(seasons):
            rows.append("%d %.6f" % (10 + kind, tt_of_ut(find("%d/1/1" % year) + DUBLIN_JD)))
    sun = ephem.Sun()
    for i in range(10007):
        jd = round(2415020.5 + 7.3 * i, 5)  # the JD as written
        sun.compute(ephem.Date(jd - DUBLIN_JD))
        gast = math.degrees(erfa.gst94(jd, 0.0)) / 15.0
        ut = (jd - 0.5) % 1.0 * 24.0
        e = (gast - math.degrees(sun.g_ra) / 15.0 - (ut - 12.0)) % 24.0
        if e > 12.0:
            e -= 24.0
        rows.append("20 %.5f %.5f" % (jd, e * 60.0))
    write(DATA, "events_pyephem.txt", rows)


def main():
    version = "PyEphem %s (python3-ephem)" % ephem.__version__
    positions(version)
    events(version)


if __name__ == "__main__":
    main()
