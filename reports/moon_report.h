// The moon report: the state of the Moon at an instant and the coming phases
// and apsides (page 0), the phases of a year (pages 1..4), the next eclipses
// (page 5) and the beginnings of the seasons (page 6).
#pragma once

#include <string>
#include <vector>

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

// The events a page lists (UT instants).
enum class MoonEventKind {
  newmoon,
  firstquarter,
  fullmoon,
  lastquarter,
  apogee,
  perigee,
  partialsolareclipse,
  totalsolareclipse,
  annularsolareclipse,
  partiallunareclipse,
  totallunareclipse,
  spring,
  summer,
  autumn,
  winter,
};

struct MoonEvent {
  MoonEventKind kind = MoonEventKind::newmoon;
  double jd = 0.0;          // UT; 0 for an eclipse not found
  double kilometres = 0.0;  // apogee and perigee: the distance from the Earth
};

// The Moon (and the Sun's place) at the report's instant, page 0.
struct MoonState {
  double illumination = 0.0;                                      // percent
  double age = 0.0;                                               // days since the last new moon
  int phase = 0;                                                  // index into moonphasenames
  double kilometres = 0.0;                                        // distance from the Earth
  double librationlongitude = 0.0, librationlatitude = 0.0;       // degrees
  double moonra = 0.0, moondec = 0.0, sunra = 0.0, sundec = 0.0;  // hours, degrees
  double magnitude = 0.0;
  double diameter = 0.0;  // arcseconds
  int lunation = 0;       // the k-value of the last new moon
};

struct MoonReport {
  std::string text;
  // The numbers the text shows, unrounded, for scripts: the instant of the
  // inputs (UT), the events the page lists in their order, page 0's state of
  // the Moon, and the phase lists' deltaT (seconds, pages 1..4).
  double jd = 0.0;
  std::vector<MoonEvent> events;
  MoonState state;
  double deltat = 0.0;
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
