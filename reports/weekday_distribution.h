// The distribution of one day of the month (the 13th, say) over the weekdays
// for a range of months of the civil calendar (years 100..9999): a count and
// a percentage per weekday, and for a single whole year the months
// themselves.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

struct WeekdayDistributionInputs {
  int firstyear = 0, firstmonth = 1;  // years clamped to 100..9999, months to 1..12
  int lastyear = 0, lastmonth = 12;   // swapped with the first when earlier
  int day = 1;                        // 1..31
  bool singleyear = false;            // the whole of firstyear (the last year and months ignored)
};

struct WeekdayDistributionReport {
  std::string text;
  int firstyear = 0, firstmonth = 0, lastyear = 0, lastmonth = 0, day = 0;  // as corrected
  int count[8] = {};              // months per weekday 1 (Sunday) .. 7 (Saturday)
  int total = 0;                  // months counted
  const char* icon = "calendar";  // the icon's name
};

// A range from January to
// December of one year is reported as that single year.
WeekdayDistributionReport buildweekdaydistribution(const WeekdayDistributionInputs& in, Language language);

}  // namespace quendal
