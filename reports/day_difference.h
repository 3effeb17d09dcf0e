// The day difference calculator: the difference between two civil dates
// (Julian before 15 October 1582, Gregorian from then on, years 100..9999)
// in days, hours, weeks, months of 30.436875 days and years of 365.2425 days.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

struct DayDifferenceInputs {
  int year1 = 0, month1 = 0, day1 = 0;  // first date (clamped, see correctcivildate)
  int year2 = 0, month2 = 0, day2 = 0;  // second date
  // differenceDirection: 1 negates the difference (first date minus second);
  // the dialog toggles it with its "+ <--> -" button.
  int direction = 0;
  int todayyear = 0, todaymonth = 0, todayday = 0;  // the local date
};

struct DayDifferenceReport {
  std::string text;
  int year1 = 0, month1 = 0, day1 = 0;  // the dates as corrected
  int year2 = 0, month2 = 0, day2 = 0;
  int days = 0;  // the signed difference in whole days
  // The same in weeks, months of 30.436875 days and years of 365.2425 days.
  double weeks = 0.0, months = 0.0, years = 0.0;
  bool todaymark = false;  // 31 December of last year to today
};

DayDifferenceReport builddaydifference(const DayDifferenceInputs& in, Language language);

// Clamps the year to 100..9999, the month to 1..12 and the day to 1..31, then
// lowers the day until the date exists (31 April -> 30 April, 29 February of
// a common year -> 28 February, 5..14 October 1582 -> 4 October 1582).
void correctcivildate(int& year, int& month, int& day);

// " 01. Jan. 2024 (greg) ist ein Montag ": the German date line of the date
// tools after its line break, with "(greg)" or "(jul.)" and the leading 0 of
// a one-digit day.
void germandateline(ReportBuffer& b, int year, int month, int day, Language language);

}  // namespace quendal
