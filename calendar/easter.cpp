// Easter computus and the movable feasts; see easter.h.
#include "calendar/easter.h"

#include "calendar/calendar.h"

namespace quendal {

namespace {
bool gregorianleap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
}  // namespace

int eastersundaygregorian(int year) {
  if (year < 100 || year > 10000) return -1;
  if (year < 1583) return eastersundayjulian(year);
  const int a = year % 19, b = year % 4, c = year % 7;
  const int k = year / 100;
  const int p = (8 * k + 13) / 25;
  const int q = k / 4;
  const int m = (15 + k - p - q) % 30;
  const int n = (4 + k - q) % 7;
  const int d = (19 * a + m) % 30;
  const int e = (2 * b + 4 * c + 6 * d + n) % 7;
  int s = 22 + d + e;
  if (s == 57) s = 50;
  if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19) s = 49;
  return s;
}

int eastersundayjulian(int year) {
  if (year < 100 || year > 10000) return -1;
  const int d = (19 * (year % 19) + 15) % 30;
  return d - ((year / 4 + year + d) % 7) + 28;
}

int epact(int year) {
  const int c = year / 100 + 1;
  const int g = year % 19 + 1;
  int e = (11 * g + ((8 * c + 5) / 25 - 5) + 20 + (12 - 3 * c / 4)) % 30;
  if (e < 0) e += 30;
  if ((e == 25 && g > 11) || e == 24) ++e;
  return e;
}

int goldennumber(int year) { return year % 19 + 1; }

DayMonth feastdate(int s, int offset, int year) {
  // Day of the year counted from 0 March, then back to a (day, month) pair.
  const int feb = 28 + (gregorianleap(year) ? 1 : 0);
  int n = s + offset;  // days after 0 March
  int month = 3;
  const int lengths[13] = {0, 31, feb, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  while (n < 1) {
    --month;
    n += lengths[month];
  }
  while (n > lengths[month]) {
    n -= lengths[month];
    ++month;
  }
  return {n, month};
}

void adventsundays(int year, DayMonth sundays[4]) {
  int f = 4 - dayofweek(24, 12, year);
  int month = 12;
  if (f < 1) {
    f += 30;
    month = 11;
  }
  sundays[0] = {f, month};
  int d2 = f + 7, m2 = month;
  if (m2 == 11 && d2 > 30) {
    d2 -= 30;
    m2 = 12;
  }
  sundays[1] = {d2, m2};
  sundays[2] = {d2 + 7, 12};
  sundays[3] = {d2 + 14, 12};
}

std::vector<int> identicalyears(int year) {
  std::vector<int> years;
  const bool leap = gregorianleap(year);
  const int w = dayofweek(1, 1, year);
  const int e = eastersundaygregorian(year);
  for (int y = 1583; y <= 9999; ++y)
    if (gregorianleap(y) == leap && dayofweek(1, 1, y) == w && eastersundaygregorian(y) == e) years.push_back(y);
  return years;
}

}  // namespace quendal
