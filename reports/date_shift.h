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
};

DateShiftReport builddateshift(const DateShiftInputs& in, Language language);

}  // namespace quendal
