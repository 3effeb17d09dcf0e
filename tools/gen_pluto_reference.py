#!/usr/bin/python3
"""Reference places of Pluto from an independent ephemeris, for the tests.

Writes tests/data/pluto_pyephem.txt: Pluto's apparent geocentric right
ascension and declination (equator and equinox of date, with light time,
aberration and nutation) at instants of dynamical time from 1885 to 2099,
computed by PyEphem (Debian's python3-ephem, the XEphem library; Pluto from
Chapront's 1995 theory of the outer planets). The engine's Pluto model is
compared with these places in tests/astro_vsop87d_test.cpp.

PyEphem takes universal time and applies its own Delta T; the UT handed to it
is found from the TT instant by iteration, so both programs see the same
dynamical instant.

    /usr/bin/python3 tools/gen_pluto_reference.py [OUTPUT]

Needs python3-ephem (apt-get install python3-ephem).
"""
import math
import os
import sys

import ephem

from gen_common import ROOT

DEFAULT_OUTPUT = os.path.join(ROOT, "tests", "data", "pluto_pyephem.txt")
FIRST_TT = 2409542.5   # 1885 January 1.0
LAST_TT = 2488069.5    # 2099 December 31.0
STEP = 120.0           # days
DUBLIN_JD = 2415020.0  # PyEphem counts days from 1899 December 31.5


def apparent_place(tt):
    ut = tt
    for _ in range(4):
        ut = tt - ephem.delta_t(ephem.Date(ut - DUBLIN_JD)) / 86400.0
    pluto = ephem.Pluto()
    pluto.compute(ephem.Date(ut - DUBLIN_JD))
    return math.degrees(pluto.g_ra) / 15.0, math.degrees(pluto.g_dec)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    lines = [
        "# Pluto's apparent geocentric place (equator and equinox of date: light time,",
        "# aberration, nutation) by PyEphem %s (python3-ephem, XEphem's library, Chapront 1995)." % ephem.__version__,
        "# Made by tools/gen_pluto_reference.py; do not edit.",
        "# columns: JD (dynamical time), right ascension (hours), declination (degrees)",
    ]
    tt = FIRST_TT
    while tt <= LAST_TT:
        ra, dec = apparent_place(tt)
        lines.append("%.1f %.9f %.8f" % (tt, ra, dec))
        tt += STEP
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w") as f:
        f.write("\n".join(lines) + "\n")
    print("gen_pluto_reference: %d places written to %s" % (len(lines) - 4, output))


if __name__ == "__main__":
    main()
