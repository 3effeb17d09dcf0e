#!/usr/bin/python3
"""Reference geodesic distances on the WGS84 ellipsoid, for the tests.

Made by Karney's method as implemented in python3-geographiclib (Debian),
accurate to a few nanometres. Writes tests/data/geodesics_geographiclib.txt:
lines between chosen places (along the equator and meridians, nearly
antipodal, over the poles) and between 300 pairs of places drawn at random
(fixed seed), in kilometres.

    /usr/bin/python3 tools/gen_geodesic_reference.py

Needs python3-geographiclib (apt-get install python3-geographiclib).
"""
import os
import random

import geographiclib
from geographiclib.geodesic import Geodesic

from gen_common import ROOT, write

CHOSEN = [
    (0.0, 0.0, 0.0, 1.0), (0.0, 0.0, 1.0, 0.0), (16.37, 48.21, 13.40, 52.52), (-74.0, 40.7, 151.2, -33.9),
    (0.0, 10.0, 179.0, -10.0), (0.0, 10.0, 180.0, -10.5), (0.0, 45.0, 170.0, -45.0), (0.0, 89.0, 180.0, -89.5),
    (0.0, 0.0, 179.5, 0.5), (0.0, 0.0, 179.9, 0.0), (0.0, 30.0, 179.99, -30.0), (10.0, 0.0, -170.0, 0.0),
    (16.37, 48.21, -163.63, -48.21), (0.0, 90.0, 35.0, -90.0), (7.0, -90.0, 7.0, 90.0), (7.0, -61.5, 7.0, 48.2),
    (7.0, 0.0, 7.0, 12.0), (7.0, 33.3, 7.0, 90.0), (0.0, -0.5, 0.0, 0.5), (0.0, 20.0, 179.0, -19.7),
]


def main():
    wgs84 = Geodesic.WGS84
    rows = ["# Geodesic distances on WGS84 by python3-geographiclib %s (Karney's method)." % geographiclib.__version__,
            "# Made by tools/gen_geodesic_reference.py; do not edit.",
            "# columns: longitude, latitude of the first place, of the second (degrees), distance (km)"]
    random.seed(20240611)
    pairs = list(CHOSEN) + [tuple(round(x, 6) for x in (random.uniform(-180, 180), random.uniform(-90, 90),
                                                         random.uniform(-180, 180), random.uniform(-90, 90)))
                            for _ in range(300)]
    for lon1, lat1, lon2, lat2 in pairs:
        s = wgs84.Inverse(lat1, lon1, lat2, lon2)["s12"] / 1000.0
        rows.append("%.6f %.6f %.6f %.6f %.9f" % (lon1, lat1, lon2, lat2, s))
    write(os.path.join(ROOT, "tests", "data"), "geodesics_geographiclib.txt", rows)


if __name__ == "__main__":
    main()
