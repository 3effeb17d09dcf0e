// The large view of the Easter report: the holidays of a year (page 0) or
// four consecutive month calendars (pages 1..12), Gregorian years 1583..9999.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

struct LargeViewInputs {
  int year = 0;  // 1583..9999; other years build nothing
  int page = 0;  // 0 holiday list, 1..12 first month of four; limited to 0..12
};

struct LargeView {
  bool built = false;  // false: year outside 1583..9999, the field keeps its text
  std::string text;
  int page = 0;  // the page as limited to 0..12
};

LargeView buildlargeview(const LargeViewInputs& in, Language language);

}  // namespace quendal
