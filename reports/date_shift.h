// The date shift: a civil date moved a number of days into the past and into
// the future, each date with its weekday and integer Julian Day Number.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

struct DateShiftInputs {
  int year = 0, month = 0, day = 0;  // start date (corrected as in the day difference)
  int days = 0;                      // clamped to 0..999999
};

struct DateShiftReport {
  std::string text;
  int year = 0, month = 0, day = 0;  // the corrected start date (written back to the dialog)
  int days = 0;                      // the clamped day count
  int jdn = 0;                       // the start date's Julian Day Number
  // The dates days before and after, as Julian Day Numbers; shown only
  // within the years 100..9999 (else the text says the result is too far).
  int pastjdn = 0, futurejdn = 0;
  bool pastshown = false, futureshown = false;
  // The day count in weeks, months of 30.436875 days and years of 365.2425 days.
  double weeks = 0.0, months = 0.0, years = 0.0;
};

DateShiftReport builddateshift(const DateShiftInputs& in, Language language);

}  // namespace quendal
