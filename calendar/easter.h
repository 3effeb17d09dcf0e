// Easter computus and the movable feasts.
//
// Easter is a day-of-March number s: s <= 31 is March s, s >= 32 is
// April s - 31. Gregorian Easter by Gauss's rule (with its two exceptions)
// from 1583 on, Julian Easter before.
#pragma once

#include <vector>

namespace quendal {

// Offsets of the movable feasts from Easter Sunday, in days.
enum FeastOffset {
  ashwednesday = -46,
  palmsunday = -7,
  maundythursday = -3,
  goodfriday = -2,
  eastersunday = 0,
  eastermonday = 1,
  ascensionday = 39,
  whitsunday = 49,
  whitmonday = 50,
  corpuschristi = 60,
};

struct DayMonth {
  int day = 0;
  int month = 0;
};

// Day-of-March number of Easter Sunday; Julian for years before 1583;
// -1 for a year outside 100..10000.
int eastersundaygregorian(int year);
// Julian-calendar day-of-March number; -1 outside 100..10000.
int eastersundayjulian(int year);
// Gregorian epact 0..29 (Knuth's algorithm E, with the 25/26 rule).
int epact(int year);
// year mod 19 + 1.
int goldennumber(int year);
// (day, month) of Easter + offset days, Easter given as day-of-March number s.
// The leap rule for February is the Gregorian one of the year.
DayMonth feastdate(int s, int offset, int year);
// The four Sundays of Advent.
void adventsundays(int year, DayMonth sundays[4]);
// The years 1583..9999 with the same leap status, weekday of 1 January and
// Easter as the year, in ascending order.
std::vector<int> identicalyears(int year);

}  // namespace quendal
