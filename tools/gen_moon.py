#!/usr/bin/env python3
"""Generate the C++ tables of the lunar theories.

Reads, from the coefficient folder (default /work/shared/data/moon):
  de404/          S. L. Moshier's harmonic series fitted to JPL DE404: the longitude/radius and the
                  latitude table (HarmonicSeriesTable records, argument and coefficient streams) and
                  their 18 fundamental-argument polynomials
  libration/      Moshier's two libration series (14 argument slots) and their arguments
  classical1900/  Meeus' lunar theory of Astronomical Formulae for Calculators, epoch 1900 Jan 0.5
and writes astro/data/moon_de404_data.{h,cpp}, astro/data/libration_data.{h,cpp} and
astro/data/moon_classical_data.{h,cpp}.

Choices:
  * DE404 slot 13 (the Moon's mean anomaly): the data carry two lines, ARG (an evaluation with a
    misplaced parenthesis, T^7 folded into T^6) and ARG_ORIGINAL (Moshier's own polynomial, the
    one the series were fitted with). ARG_ORIGINAL is used; the two differ by at most 0.011" in
    longitude at -1369 and not measurably near 2000.
  * Libration: the ARG lines (the evaluation the libration series were fitted with).
  * The {-1} placeholder lists of the single-series tables become null pointers.

Usage: python3 tools/gen_moon.py [data_folder] [repository_root]
Standard library only. Numbers are copied as the files print them.
"""
import os
import re
import sys

from gen_common import ASTRO_DATA, SHARED_DATA, write

DEFAULT_DATA = os.path.join(SHARED_DATA, 'moon')


def fail(message):
    sys.exit('gen_moon.py: ' + message)


def strip_comment(line):
    return line.split('#', 1)[0].strip()


def double_literal(token):
    float(token)
    if re.fullmatch(r'[+-]?\d+', token):
        return token + '.0'
    return token


def read_ints(path):
    out = []
    with open(path) as f:
        for line in f:
            if not line.startswith('#'):
                out.extend(int(t) for t in line.split())
    return out


# --------------------------------------------------------------------------- harmonic series
def read_tables(folder):
    tables, cur = {}, None
    with open(os.path.join(folder, 'tables.txt')) as f:
        for raw in f:
            line = strip_comment(raw)
            if not line:
                continue
            key, *vals = line.split()
            if key == 'TABLE':
                cur = {'name': vals[0]}
            elif key == 'END':
                tables[cur['name']] = cur
                cur = None
            elif key == 'max_harmonic':
                cur[key] = [int(v) for v in vals]
            elif key == 'max_power_of_t':
                cur[key] = int(vals[0])
            elif key.endswith('_tbl'):
                cur[key] = read_ints(os.path.join(folder, vals[0]))
            else:
                cur[key] = vals[0]
    return tables


def check_stream(table, lists):
    """Walk the argument stream as the evaluator does; every list must be consumed exactly."""
    args = table['arg_tbl']
    slots = len(table['max_harmonic'])
    pos = {k: 0 for k in lists}
    i = 0
    while True:
        n = args[i]
        i += 1
        if n < 0:
            break
        if n == 0:
            degree = args[i]
            i += 1
            for k in lists:
                pos[k] += degree + 1
            continue
        for _ in range(n):
            j, m = args[i], args[i + 1]
            i += 2
            if j == 0 or not 1 <= m <= slots or abs(j) > table['max_harmonic'][m - 1]:
                fail('%s: harmonic %d of slot %d outside the table' % (table['name'], j, m))
        degree = args[i]
        i += 1
        if degree > table['max_power_of_t']:
            fail('%s: degree %d above the maximum power' % (table['name'], degree))
        for k in lists:
            pos[k] += 2 * (degree + 1)
    if i != len(args):
        fail('%s: integers after the end marker' % table['name'])
    for k in lists:
        if pos[k] != len(table[k]):
            fail('%s: %s consumed %d of %d integers' % (table['name'], k, pos[k], len(table[k])))
    for v in args:
        if not -32768 <= v <= 32767:
            fail('%s: argument integer %d beyond 16 bits' % (table['name'], v))
    for k in lists:
        for v in table[k]:
            if not -2147483648 <= v <= 2147483647:
                fail('%s: coefficient %d beyond 32 bits' % (table['name'], v))


def read_arguments(folder):
    """tag -> {slot: (name, c0, c1, {power: coefficient})}, coefficients as printed."""
    out = {}
    with open(os.path.join(folder, 'fundamental_arguments.txt')) as f:
        for raw in f:
            line = strip_comment(raw)
            if not line:
                continue
            tag, slot, name, c0, c1, *rest = line.split()
            powers = {}
            for r in rest:
                p, c = r.split(':')
                float(c)
                powers[int(p)] = c
            out.setdefault(tag, {})[int(slot)] = (name, c0, c1, powers)
    return out


def int_rows(values, per_line, width):
    rows = []
    for k in range(0, len(values), per_line):
        rows.append('    ' + ' '.join(('%d,' % v).rjust(width) for v in values[k:k + per_line]).rstrip())
    return rows


def argument_rows(argdef, slots, used):
    rows = []
    for s in range(1, slots + 1):
        if s in argdef and used[s - 1]:
            name, c0, c1, powers = argdef[s]
            top = max(powers) if powers else 0
            if top > 10:
                fail('argument %s has a power above 10' % name)
            cs = ['0.0'] * 11
            for p, c in powers.items():
                cs[p] = double_literal(c)
            rows.append('    {%s, %s, %d, {%s}},  // %d %s' % (double_literal(c0), double_literal(c1), top,
                                                             ', '.join(cs), s, name))
        else:
            rows.append('    {0.0, 0.0, 0, {0.0}},  // %d not used' % s)
    return rows


def table_record(var, table, slots, args, lists, comment):
    mh = table['max_harmonic'] + [0] * (18 - len(table['max_harmonic']))
    names = [lists.get(k, 'nullptr') for k in ('lon_tbl', 'lat_tbl', 'rad_tbl')]
    return ['// ' + comment,
            'const HarmonicSeriesTable %s = {' % var,
            '    {%s},' % ', '.join(str(v) for v in mh),
            '    %d,' % slots,
            '    %d,' % table['max_power_of_t'],
            '    %s,' % args,
            '    %s,' % names[0],
            '    %s,' % names[1],
            '    %s,' % names[2],
            '    %s,' % double_literal(table['distance']),
            '    %s,' % double_literal(table['timescale']),
            '    %s};' % double_literal(table['trunclvl'])]


def write_de404(folder, out):
    tables = read_tables(folder)
    lr, lat = tables['moonlr'], tables['moonlat']
    check_stream(lr, ('lon_tbl', 'rad_tbl'))
    check_stream(lat, ('lon_tbl',))
    if lr['lat_tbl'] != [-1] or lat['lat_tbl'] != [-1] or lat['rad_tbl'] != [-1]:
        fail('unexpected placeholder lists')
    argdefs = read_arguments(folder)
    arg = dict(argdefs['ARG'])
    arg[13] = argdefs['ARG_ORIGINAL'][13]
    if argdefs['MEANLON'][14][1:] != argdefs['ARG'][14][1:]:
        fail('the mean longitude differs from slot 14')
    used = [max(a, b) > 0 for a, b in zip(lr['max_harmonic'], lat['max_harmonic'])]
    for s, u in enumerate(used, 1):
        if u and s not in arg:
            fail('slot %d is used but has no polynomial' % s)
    src = 'de404/tables.txt, de404/*_args.txt, *_lon.txt, *_rad.txt, fundamental_arguments.txt'
    h = ['// Lunar series of S. L. Moshier fitted to the JPL DE404 ephemeris (valid -1369..2950):',
         '// longitude with radius, and latitude, with their fundamental arguments.',
         '// Generated by tools/gen_moon.py from the lunar data (%s). Do not edit.' % 'de404/',
         '#pragma once',
         '',
         '#include "astro/harmonic_series.h"',
         '',
         'namespace quendal {',
         '',
         '// Longitude (arcseconds about the mean longitude) and radius (relative to the mean',
         '// distance, arcseconds as radians / 4.848e-6) share one argument list.',
         'extern const HarmonicSeriesTable MoonLongitudeRadiusTable;',
         '// Latitude (arcseconds), stored in the longitude list of the record.',
         'extern const HarmonicSeriesTable MoonLatitudeTable;',
         '// The 18 argument slots of both tables (arcseconds; T in Julian centuries).',
         'extern const FundamentalArgument MoonArguments[18];',
         '// Slot of the Moon\'s mean longitude of date, added to the longitude sum.',
         'inline constexpr int MoonMeanLongitudeSlot = 14;',
         '',
         '}  // namespace quendal']
    c = ['// Generated by tools/gen_moon.py from the lunar data (%s). Do not edit.' % src,
         '#include "astro/data/moon_de404_data.h"',
         '',
         'namespace quendal {',
         '',
         'namespace {',
         '']
    for name, values, ctype, per, width in (('moonLrArguments', lr['arg_tbl'], 'short', 16, 4),
                                            ('moonLrLongitude', lr['lon_tbl'], 'int', 10, 8),
                                            ('moonLrRadius', lr['rad_tbl'], 'int', 10, 8),
                                            ('moonLatArguments', lat['arg_tbl'], 'short', 16, 4),
                                            ('moonLatLatitude', lat['lon_tbl'], 'int', 10, 8)):
        c.append('const %s %s[%d] = {' % (ctype, name, len(values)))
        c.extend(int_rows(values, per, width))
        c.append('};')
        c.append('')
    c.append('}  // namespace')
    c.append('')
    c.extend(table_record('MoonLongitudeRadiusTable', lr, 18, 'moonLrArguments',
                          {'lon_tbl': 'moonLrLongitude', 'rad_tbl': 'moonLrRadius'},
                          '631 periodic terms and one polynomial term'))
    c.append('')
    c.extend(table_record('MoonLatitudeTable', lat, 18, 'moonLatArguments', {'lon_tbl': 'moonLatLatitude'},
                          '360 periodic terms and one polynomial term'))
    c.append('')
    c.append('// c0, c1 (the linear part, reduced modulo 1296000"), highest further power, coefficients of')
    c.append('// T^1..T^10 added after the reduction. Slot 13 is Moshier\'s polynomial.')
    c.append('const FundamentalArgument MoonArguments[18] = {')
    c.extend(argument_rows(arg, 18, used))
    c.append('};')
    c.append('')
    c.append('}  // namespace quendal')
    write(out, 'moon_de404_data.h', h)
    write(out, 'moon_de404_data.cpp', c)


def write_libration(folder, out):
    tables = read_tables(folder)
    lon, lat = tables['liblon'], tables['liblat']
    check_stream(lon, ('lon_tbl',))
    check_stream(lat, ('lon_tbl',))
    argdefs = read_arguments(folder)
    arg = argdefs['ARG']
    used = [max(a, b) > 0 for a, b in zip(lon['max_harmonic'], lat['max_harmonic'])]
    for s, u in enumerate(used, 1):
        if u and s not in arg:
            fail('libration slot %d is used but has no polynomial' % s)
    h = ['// Lunar libration series of S. L. Moshier (fitted to JPL DE403), 14 argument slots.',
         '// Generated by tools/gen_moon.py from the lunar data (libration/). Do not edit.',
         '#pragma once',
         '',
         '#include "astro/harmonic_series.h"',
         '',
         'namespace quendal {',
         '',
         '// The libration in longitude (arcseconds, in the longitude list of the record).',
         'extern const HarmonicSeriesTable LibrationLongitudeTable;',
         '// The libration in latitude (arcseconds, in the longitude list of the record).',
         'extern const HarmonicSeriesTable LibrationLatitudeTable;',
         '// The 14 argument slots of both tables (arcseconds; T in Julian centuries).',
         'extern const FundamentalArgument LibrationArguments[14];',
         '',
         '}  // namespace quendal']
    c = ['// Generated by tools/gen_moon.py from the lunar data (libration/). Do not edit.',
         '#include "astro/data/libration_data.h"',
         '',
         'namespace quendal {',
         '',
         'namespace {',
         '']
    for name, values, ctype, per, width in (('librationLongitudeArguments', lon['arg_tbl'], 'short', 16, 4),
                                            ('librationLongitude', lon['lon_tbl'], 'int', 10, 8),
                                            ('librationLatitudeArguments', lat['arg_tbl'], 'short', 16, 4),
                                            ('librationLatitude', lat['lon_tbl'], 'int', 10, 8)):
        c.append('const %s %s[%d] = {' % (ctype, name, len(values)))
        c.extend(int_rows(values, per, width))
        c.append('};')
        c.append('')
    c.append('}  // namespace')
    c.append('')
    c.extend(table_record('LibrationLongitudeTable', lon, 14, 'librationLongitudeArguments',
                          {'lon_tbl': 'librationLongitude'}, '355 periodic terms and a constant'))
    c.append('')
    c.extend(table_record('LibrationLatitudeTable', lat, 14, 'librationLatitudeArguments',
                          {'lon_tbl': 'librationLatitude'}, '253 periodic terms and a constant'))
    c.append('')
    c.append('// c0, c1 (the linear part, reduced modulo 1296000"), highest further power, coefficients of')
    c.append('// T^1..T^10 added after the reduction.')
    c.append('const FundamentalArgument LibrationArguments[14] = {')
    c.extend(argument_rows(arg, 14, used))
    c.append('};')
    c.append('')
    c.append('}  // namespace quendal')
    write(out, 'libration_data.h', h)
    write(out, 'libration_data.cpp', c)


# --------------------------------------------------------------------------- classical series
ELEMENTS = ['Lp', 'M', 'Mp', 'D', 'F', 'Omega']
ANGLES = ['A', 'B', 'C', 'Omega']


def read_classical(folder):
    el = {'ELEMENT': {}, 'ANGLE': {}, 'ADD': []}
    with open(os.path.join(folder, 'elements.txt')) as f:
        for raw in f:
            line = strip_comment(raw)
            if not line:
                continue
            key, *v = line.split()
            if key == 'ELEMENT':
                el['ELEMENT'][v[0]] = v[1:]
            elif key in ('ANGLE', 'ANGLE_OMEGA'):
                el['ANGLE'][v[0]] = ['1' if key == 'ANGLE_OMEGA' else '0'] + v[1:]
            elif key == 'ADD':
                el['ADD'].append(v)
            else:
                el[key] = v
    if list(el['ELEMENT']) != ELEMENTS or sorted(el['ANGLE']) != ['A', 'B', 'C']:
        fail('unexpected classical elements or angles')
    series = {}
    for name, function, count in (('longitude', 'sin', 50), ('latitude', 'sin', 45), ('parallax', 'cos', 30)):
        rows = []
        with open(os.path.join(folder, name + '.csv')) as f:
            header = next(f).strip().split(',')
            if header[:8] != ['term', 'D', 'M', 'Mp', 'F', 'E_power', 'coefficient_deg', 'function']:
                fail('unexpected columns in %s.csv' % name)
            for line in f:
                if not line.strip():
                    continue
                c = line.rstrip('\n').split(',')
                if c[7] != function:
                    fail('%s.csv: expected %s terms' % (name, function))
                float(c[6])
                rows.append(([int(x) for x in c[1:6]], c[6]))
        if len(rows) != count:
            fail('%s.csv: %d terms, expected %d' % (name, len(rows), count))
        series[name] = rows
    return el, series


def write_classical(folder, out):
    el, series = read_classical(folder)
    if el['EPOCH_JD'] != ['2415020.0'] or el['CENTURY_DAYS'] != ['36525.0']:
        fail('unexpected epoch')
    h = ['// Classical lunar theory of J. Meeus, Astronomical Formulae for Calculators, epoch',
         '// 1900 January 0.5 (JD 2415020.0). Angles in degrees.',
         '// Generated by tools/gen_moon.py from the lunar data (classical1900/). Do not edit.',
         '#pragma once',
         '',
         'namespace quendal {',
         '',
         '// Mean element x = c0 + sign 360 Frac(rate d) + t2 T^2 + t3 T^3 (degrees), d in days from',
         '// the epoch, T = d / 36525, rate in revolutions per day.',
         'struct ClassicalElement {',
         '  double c0;',
         '  double rate;',
         '  int sign;',
         '  double t2, t3;',
         '};',
         '',
         '// Auxiliary angle c0 + c1 T + c2 T^2 (degrees), plus the node Omega when addOmega is 1.',
         'struct ClassicalAngle {',
         '  int addOmega;',
         '  double c0, c1, c2;',
         '};',
         '',
         '// element += coefficient sin(angle) (degrees); angle indexes A, B, C, Omega.',
         'struct ClassicalAdditiveTerm {',
         '  int element;',
         '  double coefficient;',
         '  int angle;',
         '};',
         '',
         '// coefficient E^ePower sin or cos(d D + m M + mp M\' + f F) (degrees).',
         'struct ClassicalMoonTerm {',
         '  signed char d, m, mp, f, ePower;',
         '  double coefficient;',
         '};',
         '',
         '// Elements in the order L\', M, M\', D, F, Omega; angles A, B, C.',
         'enum ClassicalElementIndex { ElementLp, ElementM, ElementMp, ElementD, ElementF, ElementOmega };',
         'enum ClassicalAngleIndex { AngleA, AngleB, AngleC, AngleOmega };',
         'extern const ClassicalElement ClassicalMoonElements[6];',
         'extern const ClassicalAngle ClassicalMoonAngles[3];',
         'inline constexpr int ClassicalAdditiveTermCount = %d;' % len(el['ADD']),
         'extern const ClassicalAdditiveTerm ClassicalMoonAdditiveTerms[ClassicalAdditiveTermCount];',
         'inline constexpr int ClassicalLongitudeTermCount = %d;' % len(series['longitude']),
         'inline constexpr int ClassicalLatitudeTermCount = %d;' % len(series['latitude']),
         'inline constexpr int ClassicalParallaxTermCount = %d;' % len(series['parallax']),
         '// Sine terms of the longitude and latitude, cosine terms of the horizontal parallax.',
         'extern const ClassicalMoonTerm ClassicalLongitudeTerms[ClassicalLongitudeTermCount];',
         'extern const ClassicalMoonTerm ClassicalLatitudeTerms[ClassicalLatitudeTermCount];',
         'extern const ClassicalMoonTerm ClassicalParallaxTerms[ClassicalParallaxTermCount];',
         '',
         'inline constexpr double ClassicalEpochJD = %s;' % double_literal(el['EPOCH_JD'][0]),
         '// E = 1 + e1 T + e2 T^2.',
         'inline constexpr double ClassicalEccentricity1 = %s;' % double_literal(el['E_FACTOR'][0]),
         'inline constexpr double ClassicalEccentricity2 = %s;' % double_literal(el['E_FACTOR'][1]),
         '// Latitude factor 1 - w1 cos Omega - w2 cos C.',
         'inline constexpr double ClassicalLatitudeFactor1 = %s;' % double_literal(el['LAT_FACTOR'][0]),
         'inline constexpr double ClassicalLatitudeFactor2 = %s;' % double_literal(el['LAT_FACTOR'][1]),
         '// Horizontal parallax = constant + series (degrees).',
         'inline constexpr double ClassicalParallaxConstant = %s;' % double_literal(el['PARALLAX_CONST'][0]),
         '// Distance = EarthRadiusAU / sin(parallax) in AU.',
         'inline constexpr double EarthRadiusAU = %s;' % double_literal(el['EARTH_RADIUS_AU'][0]),
         '// Light time in days per AU.',
         'inline constexpr double LightTimeDaysPerAU = %s;' % double_literal(el['LIGHT_TIME_DAYS_PER_AU'][0]),
         '// JD range of the DE404 series.',
         'inline constexpr double De404FirstJD = %s;' % double_literal(el['DE404_RANGE_JD'][0]),
         'inline constexpr double De404LastJD = %s;' % double_literal(el['DE404_RANGE_JD'][1]),
         '',
         '}  // namespace quendal']
    c = ['// Generated by tools/gen_moon.py from the lunar data (classical1900/). Do not edit.',
         '#include "astro/data/moon_classical_data.h"',
         '',
         'namespace quendal {',
         '',
         'const ClassicalElement ClassicalMoonElements[6] = {']
    for name in ELEMENTS:
        c0, period, sign, t2, t3 = el['ELEMENT'][name]
        rate = repr(1.0 / float(period))
        c.append('    {%s, %s, %d, %s, %s},  // %s, period %s days' % (
            double_literal(c0), rate, int(sign), double_literal(t2), double_literal(t3), name, period))
    c.append('};')
    c.append('')
    c.append('const ClassicalAngle ClassicalMoonAngles[3] = {')
    for name in ('A', 'B', 'C'):
        add, c0, c1, c2 = el['ANGLE'][name]
        c.append('    {%s, %s, %s, %s},  // %s' % (add, double_literal(c0), double_literal(c1), double_literal(c2),
                                                   name))
    c.append('};')
    c.append('')
    c.append('const ClassicalAdditiveTerm ClassicalMoonAdditiveTerms[ClassicalAdditiveTermCount] = {')
    for target, coef, function, angle in el['ADD']:
        if function != 'sin' or target not in ELEMENTS or angle not in ANGLES:
            fail('unexpected additive term %s' % ' '.join((target, coef, function, angle)))
        c.append('    {%d, %s, %d},  // %s += %s sin %s' % (ELEMENTS.index(target), double_literal(coef),
                                                          ANGLES.index(angle), target, coef, angle))
    c.append('};')
    for name, var in (('longitude', 'ClassicalLongitudeTerms'), ('latitude', 'ClassicalLatitudeTerms'),
                      ('parallax', 'ClassicalParallaxTerms')):
        c.append('')
        c.append('const ClassicalMoonTerm %s[Classical%sTermCount] = {' % (var, name.capitalize()))
        for (d, m, mp, f, e), coef in series[name]:
            c.append('    {%d, %d, %d, %d, %d, %s},' % (d, m, mp, f, e, double_literal(coef)))
        c.append('};')
    c.append('')
    c.append('}  // namespace quendal')
    write(out, 'moon_classical_data.h', h)
    write(out, 'moon_classical_data.cpp', c)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_DATA
    out = os.path.join(sys.argv[2], 'astro', 'data') if len(sys.argv) > 2 else ASTRO_DATA
    os.makedirs(out, exist_ok=True)
    write_de404(os.path.join(folder, 'de404'), out)
    write_libration(os.path.join(folder, 'libration'), out)
    write_classical(os.path.join(folder, 'classical1900'), out)


if __name__ == '__main__':
    main()
