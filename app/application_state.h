// The process-wide state of the program: everything the dialogs, windows and
// the start-up loop share between calls. The engine keeps no state of its
// own; one ApplicationState object is created by main() of the desktop
// program (the command line creates what it needs of it) and handed to
// whoever reads or writes it. Members are named as the program's texts name
// them.
#pragma once

#include <string>

#include "almanac/eot_year_cache.h"
#include "almanac/events.h"
#include "app/configuration.h"
#include "calendar/holidays.h"
#include "calendar/text.h"

namespace quendal {

// The sky chart's instant and place, written by the planet report and edited
// by the position dialog.
struct ChartState {
  double chartInstant = 0.0;    // JD (UT)
  double chartLongitude = 0.0;  // degrees, east positive
  double chartLatitude = 0.0;   // degrees, north positive
  // bits 0-11 pressure (mbar), 12-23 temperature + 200 (degrees Celsius),
  // 24 azimuth from north, 28 angles in degrees, minutes and seconds
  int chartDisplayWord = 0;
  // The position dialog's working copy: JD (UT) and degrees.
  double enteredInstant = 0.0;
  double enteredLongitude = 0.0;
  double enteredLatitude = 0.0;
};

// What the start-up loop shows (the numbers are the program's own).
enum class AppMode {
  maindialog = 0,          // the main dialog
  calendarfrommain = 1,    // the calendar window, then the main dialog again
  calendaronly = 2,        // the calendar window only (CAL, KAL)
  equationoftimeonly = 4,  // the equation-of-time graph only (BIO)
};

struct ApplicationState {
  // Language: languagemode automatic or forced; languageoverride 0 or the
  // configuration file's choice (3079, 1031, 2000); userlanguage the user's
  // default language id, taken at start-up.
  LanguageMode languagemode = LanguageMode::automatic;
  int languageoverride = 0;
  int userlanguage = 1033;

  // The language the three values above give.
  Language language() const { return currentlanguage(languagemode, languageoverride, userlanguage); }
  // The language toggle of the commands and keys.
  void togglelanguage() { languagemode = quendal::togglelanguage(languagemode, languageoverride, userlanguage); }

  // The configuration file as last read (readConfiguration), re-read at every
  // use.
  Configuration configuration;
  // Keeps a reading: a language line of the file sets languageoverride;
  // nothing clears it.
  void storeconfiguration(const Configuration& c) {
    configuration = c;
    if (c.languageoverride != 0) languageoverride = c.languageoverride;
  }

  AppMode appMode = AppMode::maindialog;
  bool printingEnabled = true;
  bool zodiacEnabled = true;

  // The calendar position shared by the main dialog and the calendar window:
  // the current year and the report page (0 the whole year, 1..12 a month,
  // further pages of the main report).
  int currentyear = 0;
  int reportpage = 0;
  // The position taken before the large view and the month overview open,
  // restored when they close; the main dialog starts from it when the year
  // is not 0.
  int savedyear = 0;
  int savedmonth = 0;

  // Shared with the tool dialogs; reset to 0 when a tool dialog returns.
  int locationindex = 0;
  int dialogselector = 0;

  // Report field fonts.
  int fixedFontToggle = 1;
  int linuxFontToggle = 0;

  // The text of the last report (the print preview starts from it).
  std::string reportBuffer;

  // The day-difference dialog's "+ <--> -" direction, the planet dialog's
  // delta T hand-shake, the sky chart's state, and whether a graph window is
  // open.
  int differenceDirection = 0;
  bool deltaTPending = false;
  ChartState chart;
  bool graphWindowOpen = false;

  // The year's holiday and event tables the calendar views share, and 1 when
  // they must be rebuilt before a view draws (the actions that may change the
  // shown year set it; rebuilding clears it).
  HolidayTable holidayTable{};
  EventTable eventTable{};
  int tablesStale = 1;

  // The turning points of the equation of time of recent years, shared by
  // the equation-of-time report and graph (EotYearEvents).
  YearEventCache yearEventCache;
};

}  // namespace quendal
