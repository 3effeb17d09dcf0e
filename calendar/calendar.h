// Calendar arithmetic: civil dates in the Julian and Gregorian calendars,
// Julian Dates (JD), Modified Julian Dates (MJD = JD - 2400000.5), weekday,
// day of the year, week number, month length, European summer time.
//
// Dates before 15 October 1582 are Julian-calendar dates, later ones
// Gregorian; 5..14 October 1582 do not exist. Years are astronomical numbers
// (the operations that take a historical year pass it through
// astronomicalyear). Calendar-rule operations take (day, month, year), the
// day-number conversions (year, month, day). Failure is a return value:
// 0 for an impossible date, -1 for a year out of range.
#pragma once

namespace quendal {

// Days per month of a common year; index 0 is not a month.
extern const int monthdays[13];

// The years the calendar covers (dayofweek) and the first wholly Gregorian
// year (the calendar window, the large view and the month overview start there).
inline constexpr int firstcalendaryear = 100;
inline constexpr int lastcalendaryear = 9999;
inline constexpr int firstgregorianyear = 1583;

// A civil date: Julian before 15 October 1582, Gregorian from then on.
struct CivilDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const CivilDate&) const = default;
};

// 1 if (y, m, d) is on or after 15 October 1582, else 0.
int isgregorian(int year, int month, int day);
// Historical year numbering has no year 0: year + 1 for year < 1, else year.
int astronomicalyear(int year);

// Integer MJD of 0h of the civil date (Julian before the reform).
int datetomjd(int year, int month, int day);
// Integer MJD of 0h of a date read in the Julian calendar, whatever the year.
int juliancalendartomjd(int year, int month, int day);
// JD of 0h of a civil date / of a Julian-calendar date (historical years).
double datetojd(int year, int month, int day);
double juliancalendartojd(int year, int month, int day);

// Civil date and time of a JD (Meeus ch. 7); Julian before JD day 2299161.
// Seconds are truncated.
void jdtodate(double jd, int& year, int& month, int& day, int& hour, int& minute, int& second);
// The same in the Julian calendar, whatever the JD.
void jdtojuliancalendar(double jd, int& year, int& month, int& day, int& hour, int& minute, int& second);
// Civil date of an integer Julian Day Number (JDN of the noon), also for JDN < 0.
void jdntodate(int jdn, int& year, int& month, int& day);
// Civil date and time of an MJD; seconds truncated.
void mjdtodatetime(double mjd, int& year, int& month, int& day, int& hour, int& minute, int& second);

// JD moved to the nearest whole minute.
double roundjdtominute(double jd);
// Whole minutes, seconds set to 0; 24h wraps to 0 without advancing the date.
void roundtominute(int& hour, int& minute, int& second);
// Replaces a Julian-calendar date (year >= 1582) by the civil date of the same day.
void juliancalendartogregorian(int& year, int& month, int& day);

// Julian centuries from J2000.0 of an MJD.
double centuriessincej2000(double mjd);

// 1 = Sunday .. 7 = Saturday; 0 invalid date (also 5..14 October 1582);
// -1 year outside 100..10000.
int dayofweek(int day, int month, int year);
// The same in the Julian calendar (no gap in October 1582).
int dayofweekjulian(int day, int month, int year);
// 1..366 (Gregorian leap rule); 0 invalid month or day; -1 year outside 1583..10000.
int dayofyear(int day, int month, int year);
// Week number 1..53 (weeks from Monday, week 1 holds the first Thursday);
// 0 invalid; -1 year outside 1583..10000.
int weeknumber(int day, int month, int year);
// Last valid day of the month (28..31); 0 for a month outside 1..12.
int daysinmonth(int month, int year);
// 1 if the whole civil day counts as European summer time.
int summertime(int day, int month, int year);

// The date one day later (direction > 0) or earlier (otherwise), across the
// reform of 1582 (4 October is followed by 15 October), the year wrapping
// within firstyear..lastyear: after 31 December of lastyear comes 1 January
// of firstyear, before 1 January of firstyear 31 December of lastyear. A
// month outside 1..12 or a day outside the month is brought into it first.
CivilDate stepday(CivilDate date, int direction, int firstyear, int lastyear);
// Whether the year stepped by step years stays at least two years within
// firstgregorianyear..lastcalendaryear (the calendar window's decade and
// century keys).
bool yearstepfits(int year, int step);

}  // namespace quendal
