#!/usr/bin/python3
"""Reference azimuths and altitudes of the Sun, the Moon and the planets, for the tests.

Made by PyEphem (Debian's python3-ephem, the XEphem library: VSOP87 planets,
ELP 2000-82 Moon). Writes tests/data/topocentric_pyephem.txt: for 200 places
(latitudes 70 S..70 N, longitudes 180 W..180 E, whole arcminutes, at sea level)
and instants (whole minutes of universal time, 1900..2100), drawn from a
random generator with a fixed seed, the topocentric azimuth (from north,
through east) and altitude of the centre of each body: without refraction, and
refracted for 10 degrees Celsius and 1015 mbar (what the planet report and the
sky chart take unless told otherwise). The topocentric altitude holds the
parallax (for the Moon up to a degree), the apparent place aberration and
nutation; PyEphem applies its own Delta T.

    /usr/bin/python3 tools/gen_topocentric_reference.py

Needs python3-ephem (apt-get install python3-ephem).
"""
import math
import os
import random

import ephem

from gen_common import ROOT, write

DATA = os.path.join(ROOT, "tests", "data")
DUBLIN_JD = 2415020.0  # PyEphem counts days from 1899 December 31.5
FIRST_JD = 2415020.5   # 1900 January 1, 0h UT
LAST_JD = 2488433.5    # 2100 December 31, 0h UT
TEMPERATURE = 10.0     # degrees Celsius
PRESSURE = 1015.0      # mbar
# The bodies by the reports' numbering (1..9 Mercury..Pluto without the Earth, 10 Sun, 11 Moon).
BODIES = [(1, ephem.Mercury), (2, ephem.Venus), (4, ephem.Mars), (5, ephem.Jupiter), (6, ephem.Saturn),
          (7, ephem.Uranus), (8, ephem.Neptune), (9, ephem.Pluto), (10, ephem.Sun), (11, ephem.Moon)]


def observer(latitude_minutes, longitude_minutes, jd, pressure):
    o = ephem.Observer()
    o.lat = math.radians(latitude_minutes / 60.0)
    o.lon = math.radians(longitude_minutes / 60.0)
    o.elevation = 0.0
    o.temp = TEMPERATURE
    o.pressure = pressure
    o.date = ephem.Date(jd - DUBLIN_JD)
    return o


def main():
    generator = random.Random(20261207)
    rows = ["# Topocentric azimuth and altitude of the centre of each body by PyEphem %s (python3-ephem)."
            % ephem.__version__,
            "# Made by tools/gen_topocentric_reference.py; do not edit.",
            "# body: 1 Mercury, 2 Venus, 4 Mars .. 9 Pluto, 10 Sun, 11 Moon",
            "# columns: JD (universal time, a whole minute), latitude and longitude (arcminutes, north and east",
            "#   positive), body, azimuth (degrees from north through east), altitude without refraction",
            "#   (degrees), altitude refracted for %g degrees Celsius and %g mbar (degrees)"
            % (TEMPERATURE, PRESSURE)]
    for _ in range(200):
        latitude = generator.randint(-70 * 60, 70 * 60)
        longitude = generator.randint(-180 * 60, 180 * 60)
        minutes = generator.randint(0, round((LAST_JD - FIRST_JD) * 1440))
        jd = FIRST_JD + minutes / 1440.0
        plain = observer(latitude, longitude, jd, 0.0)
        refracting = observer(latitude, longitude, jd, PRESSURE)
        for code, kind in BODIES:
            body = kind(plain)
            refracted = kind(refracting)
            rows.append("%.6f %d %d %d %.6f %.6f %.6f" % (jd, latitude, longitude, code, math.degrees(body.az),
                                                          math.degrees(body.alt), math.degrees(refracted.alt)))
    write(DATA, "topocentric_pyephem.txt", rows)


if __name__ == "__main__":
    main()
