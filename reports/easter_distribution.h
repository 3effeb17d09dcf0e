// The distribution of a movable feast over the calendar dates of a range of
// Gregorian years: how often it falls on each date, as a count and a
// percentage, and for ranges of fewer than 1002 years the years themselves.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

// The dialog selector of the feast.
enum EasterDistributionFeast {
  distributioneaster = 0,         // Easter Sunday
  distributionascension = 1,      // Easter + 39
  distributionwhitsunday = 2,     // Easter + 49
  distributioncorpuschristi = 3,  // Easter + 60
};

struct EasterDistributionInputs {
  int firstyear = 0, lastyear = 0;  // clamped to 1583..9999, swapped when backwards
  int feast = distributioneaster;   // 0..3
};

struct EasterDistributionReport {
  std::string text;
  int firstyear = 0, lastyear = 0;  // as corrected
  const char* icon = "easter";      // the icon's name
};

EasterDistributionReport buildeasterdistribution(const EasterDistributionInputs& in, Language language);

}  // namespace quendal
