// Calendar arithmetic; see calendar.h.
#include "calendar/calendar.h"

#include <cmath>

namespace quendal {

const int monthdays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

// floor(30.6001 * (m' + 1)), m' = month + 12 for January and February.
const int mjdmonthoffset[13] = {0, 428, 459, 122, 153, 183, 214, 244, 275, 306, 336, 367, 397};
// The same rule indexed by E' = 3..14 (Meeus' E minus 1).
const int jdnmonthoffset[15] = {0, 0, 0, 122, 153, 183, 214, 244, 275, 306, 336, 367, 397, 428, 459};

int floordiv(int a, int b) {
  int q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

bool gregorianleap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int mjdfromparts(int y, int m, int d, bool gregorian) {
  const int yy = (m < 3) ? y - 1 : y;
  const int b = gregorian ? yy / 400 - yy / 100 + yy / 4 : floordiv(yy, 4) - 2;
  return 365 * yy + b + mjdmonthoffset[m] + d - 679004;
}

void jdtodateimpl(double jd, bool switchcalendar, int& year, int& month, int& day, int& hour, int& minute,
                  int& second) {
  const double z = std::trunc(jd + 0.5);
  const double f = (jd + 0.5) - z;
  double a = z;
  if (switchcalendar && z >= 2299161.0) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    a = z + 1.0 + alpha - std::trunc(alpha / 4.0);
  }
  const double b = a + 1524.0;
  const double c = std::trunc((b - 122.1) / 365.25);
  const double dd = std::trunc(365.25 * c);
  const double e = std::trunc((b - dd) / 30.6001);
  day = static_cast<int>(b - dd - std::trunc(30.6001 * e));
  month = static_cast<int>(e <= 13.0 ? e - 1.0 : e - 13.0);
  year = static_cast<int>(month > 2 ? c - 4716.0 : c - 4715.0);
  const int s = static_cast<int>(f * 86400.0);
  second = s % 60;
  minute = (s / 60) % 60;
  hour = s / 3600;
}

}  // namespace

int isgregorian(int year, int month, int day) {
  if (year < 1582) return 0;
  if (year >= 1583) return 1;
  return (month >= 10 && !(month == 10 && day < 15)) ? 1 : 0;
}

int astronomicalyear(int year) { return year < 1 ? year + 1 : year; }

int datetomjd(int year, int month, int day) {
  return mjdfromparts(year, month, day, isgregorian(year, month, day) != 0);
}

int juliancalendartomjd(int year, int month, int day) { return mjdfromparts(year, month, day, false); }

double datetojd(int year, int month, int day) { return datetomjd(astronomicalyear(year), month, day) + 2400000.5; }

double juliancalendartojd(int year, int month, int day) {
  return juliancalendartomjd(astronomicalyear(year), month, day) + 2400000.5;
}

void jdtodate(double jd, int& year, int& month, int& day, int& hour, int& minute, int& second) {
  jdtodateimpl(jd, true, year, month, day, hour, minute, second);
}

void jdtojuliancalendar(double jd, int& year, int& month, int& day, int& hour, int& minute, int& second) {
  jdtodateimpl(jd, false, year, month, day, hour, minute, second);
}

void jdntodate(int jdn, int& year, int& month, int& day) {
  // 64-bit intermediates: 20 * B overflows 32 bits for the largest JDN.
  long long j = jdn;
  long long k = 0;
  if (j < 0) {
    k = (-j) / 1461 + 2;
    j += 1461 * k;
  }
  long long b;
  if (j >= 2299161) {
    const long long a = (4 * j - 7468865) / 146097;
    b = j + 1525 + a - a / 4;
  } else {
    b = j + 1524;
  }
  long long c = (20 * b - 2442) / 7305;
  const long long d = 365 * c + c / 4;
  const long long r = b - d;
  const long long e = (10 * r - 1) / 306 - 1;
  day = static_cast<int>(r - jdnmonthoffset[e]);
  if (e >= 13) {
    month = static_cast<int>(e - 12);
    ++c;
  } else {
    month = static_cast<int>(e);
  }
  year = static_cast<int>(c - 4716 - 4 * k);
}

void mjdtodatetime(double mjd, int& year, int& month, int& day, int& hour, int& minute, int& second) {
  const double f = std::floor(mjd);
  const int s = static_cast<int>((mjd - f) * 86400.0);
  second = s % 60;
  minute = (s / 60) % 60;
  hour = s / 3600;
  jdntodate(static_cast<int>(f) + 2400001, year, month, day);
}

double roundjdtominute(double jd) {
  int y, m, d, h, mi, s;
  jdtodate(jd, y, m, d, h, mi, s);
  if (s >= 30) return jd + (60 - s) / 86400.0;
  return jd - s / 86400.0;
}

void roundtominute(int& hour, int& minute, int& second) {
  if (second >= 30) ++minute;
  if (minute > 59) {
    minute = 0;
    ++hour;
  }
  if (hour >= 24) hour = 0;
  second = 0;
}

void juliancalendartogregorian(int& year, int& month, int& day) {
  if (year < 1582) return;
  int h, mi, s;
  jdtodate(juliancalendartojd(year, month, day), year, month, day, h, mi, s);
}

double centuriessincej2000(double mjd) { return (mjd - 51544.5) / 36525.0; }

int dayofweek(int day, int month, int year) {
  if (year < 100 || year > 10000) return -1;
  if (month < 1 || month > 12) return 0;
  if (year == 1582 && month == 10 && day > 4 && day < 15) return 0;
  const bool gregorian = year > 1582 || (year == 1582 && month > 10) || (year == 1582 && month == 10 && day > 14);
  const bool leap = gregorian ? gregorianleap(year) : (year % 4 == 0);
  if (day < 1 || day > monthdays[month] + ((month == 2 && leap) ? 1 : 0)) return 0;
  int m = month, y = year;
  if (m >= 3) {
    m += 1;
  } else {
    m += 13;
    y -= 1;
  }
  const int s = gregorian ? day + 26 * m / 10 + y + y / 4 - y / 100 + y / 400 + 6 : day + 26 * m / 10 + y + y / 4 + 4;
  return s % 7 + 1;
}

int dayofweekjulian(int day, int month, int year) {
  if (year < 100 || year > 10000) return -1;
  if (month < 1 || month > 12) return 0;
  const bool leap = year % 4 == 0;
  if (day < 1 || day > monthdays[month] + ((month == 2 && leap) ? 1 : 0)) return 0;
  int m = month, y = year;
  if (m >= 3) {
    m += 1;
  } else {
    m += 13;
    y -= 1;
  }
  return (day + 26 * m / 10 + y + y / 4 + 4) % 7 + 1;
}

int dayofyear(int day, int month, int year) {
  if (year < 1583 || year > 10000) return -1;
  if (month < 1 || month > 12) return 0;
  const int leap = gregorianleap(year) ? 1 : 0;
  if (day < 1 || day > monthdays[month] + (month == 2 ? leap : 0)) return 0;
  int n = day;
  for (int m = 1; m < month; ++m) n += monthdays[m] + (m == 2 ? leap : 0);
  return n;
}

int weeknumber(int day, int month, int year) {
  const int n = dayofyear(day, month, year);
  if (n <= 0) return n;
  const int w = dayofweek(1, 1, year) - 2;
  const int v = (w < 4) ? w : w - 7;
  const int k = (v + n - 1) / 7 + 1;
  if (k == 1) {
    if (((w < 4 ? 0 : 7) - w) < day) return 1;
    // Last week of the previous year. Its day numbers exist only from 1584 on;
    // 1 and 2 January 1583 are counted as week 1.
    const int np = dayofyear(31, 12, year - 1);
    if (np <= 0) return 1;
    int wp = dayofweek(1, 1, year - 1) - 2;
    if (wp > 3) wp -= 7;
    return (wp + np - 1) / 7 + 1;
  }
  if (k == 53) {
    if (v == 3 || (v == 2 && gregorianleap(year))) return 53;
    return 1;
  }
  return k;
}

int daysinmonth(int month, int year) {
  if (month < 1 || month > 12) return 0;
  int day = 31;
  while (day > 0 && dayofweek(day, month, year) == 0) --day;
  return day;
}

int summertime(int day, int month, int year) {
  if (year < 1980) return 0;
  if ((month > 3 && month < 9) || (month > 3 && month < 10 && year > 1995)) return 1;
  if (month == 3) return day >= 32 - dayofweek(31, 3, year) ? 1 : 0;
  if (month == 9 && year <= 1995) return day < 31 - dayofweek(30, 9, year) ? 1 : 0;
  if (month == 10 && year >= 1996) return day < 32 - dayofweek(31, 10, year) ? 1 : 0;
  return 0;
}

CivilDate stepday(CivilDate date, int direction, int firstyear, int lastyear) {
  CivilDate d = date;
  d.month = d.month < 1 ? 1 : (d.month > 12 ? 12 : d.month);
  const int last = daysinmonth(d.month, d.year) < 1 ? 1 : daysinmonth(d.month, d.year);
  d.day = d.day < 1 ? 1 : (d.day > last ? last : d.day);
  if (direction > 0) {
    if (++d.day > daysinmonth(d.month, d.year)) {
      d.day = 1;
      if (++d.month > 12) {
        d.month = 1;
        ++d.year;
      }
    }
    if (d.year == 1582 && d.month == 10 && d.day == 5) d.day = 15;  // the reform
  } else {
    if (--d.day < 1) {
      if (--d.month < 1) {
        d.month = 12;
        --d.year;
      }
      d.day = daysinmonth(d.month, d.year);
    }
    if (d.year == 1582 && d.month == 10 && d.day == 14) d.day = 4;
  }
  if (d.year > lastyear) return {firstyear, 1, 1};
  if (d.year < firstyear) return {lastyear, 12, 31};
  return d;
}

bool yearstepfits(int year, int step) {
  return year + step >= firstgregorianyear + 2 && year + step <= lastcalendaryear - 2;
}

}  // namespace quendal
