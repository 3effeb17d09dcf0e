// The moon report: the state of the Moon at an instant and the coming phases
// and apsides (page 0), the phases of a year (pages 1..4), the next eclipses
// (page 5) and the beginnings of the seasons (page 6).
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

enum MoonReportPage {
  moonnow = 0,
  moonfullmoons = 1,
  moonnewmoons = 2,
  moonfirstquarters = 3,
  moonlastquarters = 4,
  mooneclipses = 5,
  moonseasons = 6,
};

constexpr int automaticzone = 99;  // Central European time with summer time

struct MoonReportInputs {
  int year = 0, month = 0, day = 0;  // the date; the year 1600..2400
  int hour = 0, minute = 0;          // local time of day
  int zone = 0;                      // hours east of UTC (-12..12), or 99 = automatic CET/CEST
  int half = 0;                      // 1: half an hour more in the direction of the zone
  int page = 0;                      // a MoonReportPage; other values show page 0
  int seconds = 0;                   // 1: times with seconds, angles in degrees, minutes, seconds
};

struct MoonReport {
  std::string text;
  // The inputs as corrected, for the dialog to write back: limited values,
  // the day lowered until the date exists, the zone 99 kept, the half-hour
  // flag cleared for the zones 0, 12, -12 and 99, the page 0..6.
  MoonReportInputs corrected;
  int automatic = 0;         // 1 when the zone is 99
  const char* caption = "";  // "Mondphasen berechnen" / "Moon Phase Calculation", ...
};

// Decimals use the
// decimal comma in German.
MoonReport buildmoonreport(const MoonReportInputs& in, Language language);

}  // namespace quendal
