#!/usr/bin/python3
"""Reference values of the Earth's orientation and of refraction, for the tests.

Made by python3-erfa (Debian; the ERFA library, the IAU's SOFA routines).
Writes tests/data/earth_erfa.txt:

kind 0, every 37.1 days from 1900 to 2100 (JD taken as dynamical time for
the nutation and obliquity, as universal time for the sidereal time): the
IAU 1980 nutation in longitude and obliquity (eraNut80), the IAU 1976 mean
obliquity (eraObl80), the IAU 1982 Greenwich mean sidereal time (eraGmst82)
and the IAU 1994 equation of the equinoxes (eraEqeq94);

kind 1, every ten years from 1000 to 3000: the IAU 1976 mean obliquity;

kind 2: the refraction at apparent altitudes from 15 to 89 degrees for four
atmospheres, by the constants of eraRefco (dry air, 0.55 micrometres):
R = A tan z + B tan^3 z;

kind 3: azimuth (from north through east) and altitude for hour angles,
declinations and latitudes (eraHd2ae).

    /usr/bin/python3 tools/gen_erfa_reference.py

Needs python3-erfa (apt-get install python3-erfa).
"""
import math
import os

import erfa

from gen_common import ROOT, write

ARCSEC = math.degrees(1.0) * 3600.0


def main():
    rows = ["# Earth orientation and refraction by python3-erfa %s (ERFA %s)." % (erfa.__version__,
                                                                                 erfa.version.erfa_version),
            "# Made by tools/gen_erfa_reference.py; do not edit.",
            "# kind 0: JD, nutation in longitude and obliquity (arcsec, Nut80), mean obliquity (arcsec, Obl80),",
            "#   mean sidereal time (hours, Gmst82), equation of the equinoxes (seconds of time, Eqeq94)",
            "# kind 1: JD, mean obliquity (arcsec, Obl80)",
            "# kind 2: pressure (hPa), temperature (C), apparent altitude (degrees), refraction (arcmin)",
            "# kind 3: latitude, hour angle (hours), declination, azimuth, altitude (degrees)"]
    for i in range(1969):
        jd = round(2415020.5 + 37.1 * i, 5)  # the JD as written
        dpsi, deps = erfa.nut80(jd, 0.0)
        gmst = math.degrees(erfa.gmst82(jd, 0.0)) / 15.0
        eqeq = math.degrees(erfa.eqeq94(jd, 0.0)) / 15.0 * 3600.0
        rows.append("0 %.5f %.6f %.6f %.5f %.10f %.6f" % (jd, dpsi * ARCSEC, deps * ARCSEC,
                                                          erfa.obl80(jd, 0.0) * ARCSEC, gmst, eqeq))
    jd = 2451545.0 - 365250.0
    while jd <= 2451545.0 + 365250.0:
        rows.append("1 %.2f %.5f" % (jd, erfa.obl80(jd, 0.0) * ARCSEC))
        jd += 3652.5
    for pressure, temperature in ((1010.0, 10.0), (1013.0, 15.0), (950.0, -20.0), (1050.0, 35.0)):
        a, b = erfa.refco(pressure, temperature, 0.0, 0.55)
        for h in range(15, 90):
            t = math.tan(math.radians(90.0 - h))
            rows.append("2 %.1f %.1f %d %.5f" % (pressure, temperature, h, math.degrees(a * t + b * t ** 3) * 60.0))
    for lat in range(-80, 81, 20):
        for ha in [k * 1.5 for k in range(16)]:
            for dec in range(-60, 61, 30):
                az, alt = erfa.hd2ae(math.radians(ha * 15.0), math.radians(dec), math.radians(lat))
                rows.append("3 %d %.1f %d %.9f %.9f" % (lat, ha, dec, math.degrees(az), math.degrees(alt)))
    write(os.path.join(ROOT, "tests", "data"), "earth_erfa.txt", rows)


if __name__ == "__main__":
    main()
