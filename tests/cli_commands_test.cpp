// quendal-report run as a process: one table of command lines with their
// exit status and a piece of their standard output and standard error, and
// the few checks a table cannot hold (whole texts, laws over many lines,
// files that are not regular, a full disk). The report texts themselves are
// checked by the report tests; here: that every option reaches its report,
// every refusal names the option with status 2 and empty output, and the
// output contracts of the script-oriented subcommands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/timescales.h"
#include "cli_run.h"
#include "support.h"

using clitest::Result;
using clitest::run;

namespace {

// Five places (two beginning alike) and a personal date.
std::string places() {
  static const std::string path = clitest::file(
      "places.ini",
      "48 N 12   016E 22 Wien\r\n47 N 49   016E 15 Wiener Neustadt\r\n52 N 31   013E 24 Berlin\r\n"
      "40 N 43   074W 00 New York\r\n69 N 39   018E 57 Troms\xC3\xB8\r\n1970-05-17 Birthday\r\n");
  return "--ini " + path + " ";
}

struct Case {
  std::string args;
  int status;
  std::string out;  // a piece of stdout ("" for a refusal: stdout must be empty)
  std::string err;  // a piece of stderr ("" when nothing may be written there)
  std::string env;  // environment assignments for this case
};

const std::string en = "--lang en ";
const std::string de = "--lang de ";

const Case cases[] = {
    // The global options.
    {"--version", 0, "quendal-report (Quendal) 6.0\n", ""},
    {"--help", 0, "--place N|NAME ", ""},
    {"main --help", 0, "--page P", ""},
    {"", 2, "", "quendal-report: no subcommand given"},
    {"nosuchcommand", 2, "", "quendal-report: 'nosuchcommand': unknown subcommand"},
    {"--frobnicate main", 2, "", "quendal-report: --frobnicate: unknown global option (valid: --lang,"},
    {"--lang fr main", 2, "", "quendal-report: --lang: 'fr' is not a language (valid: en, de, at)"},
    {"--lang --today 2024-03-15 main", 2, "", "quendal-report: --lang: needs a value"},
    {"--today", 2, "", "quendal-report: --today: needs a value"},
    {"--today 1582-12-31 main", 2, "", "--today: the year 1582 is out of range (valid: dates of the years 1583..9999)"},
    {"--today 10000-01-01 main", 2, "", "--today: the year 10000 is out of range"},
    {"--today 2024-02-30 main", 2, "", "--today: 2024-02-30 is not a date of the calendar"},
    {"--today yesterday main", 2, "", "--today: 'yesterday' is not a date (valid: Y-M-D"},
    {"--ini= main", 2, "", "quendal-report: --ini: the file name is empty"},
    {"--ini /nonexistent/q.ini main", 2, "", "--ini: /nonexistent/q.ini: No such file or directory"},
    {"--ini /tmp main", 2, "", "--ini: /tmp: not a regular file"},
    {"--crlf=yes main", 2, "", "--crlf: takes no value"},
    {"main 2024", 2, "", "quendal-report main: '2024': unexpected argument"},
    {"main --yeer 2025", 2, "", "quendal-report main: --yeer: unknown option (see quendal-report main --help)"},
    {"main --year 2024 --lang de", 2, "", "main: --lang: a global option: give it before the subcommand"},
    {"main --year", 2, "", "main: --year: needs a value"},
    {"main --year 2024 --year 2025", 2, "", "main: --year: given twice"},
    {"main --year 20x4", 2, "", "main: --year: '20x4' is not a whole number"},
    {"main --year 99999999999999999999", 2, "", "is not a whole number"},
    {"main --year 99", 2, "", "main: --year: 99 is out of range (valid: 100..9999)"},
    {"main --year 2024 --page 31", 2, "", "main: --page: 31 is not a page (valid: 0..30, 66, 97..99)"},
    {"moon --seconds=1", 2, "", "moon: --seconds: takes no value ('1' given)"},
    // main: pages, languages, line ends and code page; the year defaults to --today's.
    {"--lang at main --year 2024 --page 1", 0, "Jänner 2024", ""},
    {de + "main --year 1582 --page 10", 0, "  4  15  16  17 ", ""},
    {en + "main --year 2024 --page=3", 0, "March 2024 (greg.)", ""},
    {"main --year 2024 --page 3", 0, "März", "", "LC_ALL= LC_MESSAGES= LANG=de_AT.UTF-8"},
    {en + "main --year 2024 --page 66", 0, "Feiertage", ""},
    {en + "--today 2031-05-01 main", 0, " is on Sunday April 13th, 2031\n", ""},
    {de + "--crlf main --year 2024 --page 14", 0, "\r\n Ostern So 31.3. ", ""},
    {de + "--cp1252 main --year 2024 --page 14", 0, "Kurz\xFC" "bersicht f\xFC" "r das Jahr 2024", ""},
    // Refused instead of limited.
    {"rises --date 1599-01-01", 2, "", "rises: --date: the year 1599 is out of range (valid: dates of the years 1600..2400)"},
    {"rises --date 1000-06-01 --precise", 0, " Date: Saturday, June 1st, 1000 ", ""},
    {"rises --date 2024-03-15 --planets venus", 2, "", "rises: --planets: needs --precise"},
    {"rises --indiv 31", 2, "", "rises: --indiv: 31 is out of range (valid: -30..30)"},
    {"month-overview --month 13", 2, "", "month-overview: --month: 13 is out of range (valid: 1..12)"},
    // calendar: the display list line by line; with --colors the colour codes, trailing blanks kept.
    {en + "calendar --year 2024 --month 3", 0, " March 2024 \n Fri  1 WK  9 ", ""},
    {en + "calendar --year 2024 --month 11 --view 1 --colors", 0,
     "10| November 2024 \n12:0,0,0,0,0,0,0,1| WK     Mon Tue Wed Thu Fri Sat Sun\n"
     "12:0,0,0,0,0,1,7,1| 44                      1   2   3  \n", ""},
    {en + "calendar --year 2024 --month 1 --view 2 --colors", 0, "\n0| Mon  1. Jan. New Year's Day\n", ""},
    {"calendar --year 2024 --month 3 --view 4", 2, "", "calendar: --view: 4 is out of range (valid: 0..3)"},
    {"calendar --year 1582", 2, "", "calendar: --year: 1582 is out of range (valid: 1583..9999)"},
    {"calendar --place 3", 2, "", "calendar: --place: 3 is not a configured place"},
    {"month-overview --year 1582", 2, "", "--year: 1582 is out of range (valid: 1583..9999)"},
    {"date-shift --days -5", 2, "", "date-shift: --days: -5 is out of range (valid: 0..999999)"},
    {"date-shift --date 2023-02-29 --days 1", 2, "", "--date: 2023-02-29 is not a date of the calendar"},
    {"date-shift --date 1582-10-10 --days 1", 2, "", "does not exist (the calendar reform skipped 5..14 October 1582)"},
    {"dish --satellite 999.9E", 2, "", "dish: --satellite: 999.9E is out of range (valid: 0.0..180.0 degrees"},
    {"dish --satellite 180.1W", 2, "", "--satellite: 180.1W is out of range"},
    {"dish --satellite 19.25E", 2, "", "--satellite: '19.25E' is not an orbital position"},
    {"large-view --page 13", 2, "", "large-view: --page: 13 is out of range (valid: 0..12)"},
    {"moon --page 7", 2, "", "moon: --page: 7 is out of range (valid: 0..6)"},
    {"eot --mode list --hour 24", 2, "", "eot: --hour: 24 is out of range (valid: 0..23)"},
    {"eot --mode list --step 0", 2, "", "eot: --step: 0 is out of range (valid: 1..9999)"},
    {"eot --mode graph", 2, "", "eot: --mode: 'graph' is not a mode (valid: list, statistics, year)"},
    {"planets --temp 201", 2, "", "planets: --temp: 201 is out of range (valid: -99..200)"},
    {"planets --pressure -1", 2, "", "--pressure: -1 is out of range (valid: 0..3000)"},
    {"planets --delta-t 100000", 2, "", "--delta-t: 100000 is out of range (valid: -9999..99999)"},
    {"planets --bodies venus,vulcan", 2, "", "--bodies: 'vulcan' is not a body"},
    {"ephemeris --step 0", 2, "", "ephemeris: --step: 0 is out of range (valid: 1..99999)"},
    {"sidereal --date 3001-01-01", 2, "", "sidereal: --date: the year 3001 is out of range"},
    {"sidereal --time 25:00", 2, "", "--time: '25:00' is not a time of day (valid: HH:MM or HH:MM:SS)"},
    {"sidereal --time 12:00:30", 2, "", "--time: 12:00:30 has seconds, which this report does not take"},
    {"easter-distribution --from-year 1 --to-year 2000", 2, "", "--from-year: 1 is out of range (valid: 1583..9999)"},
    {"easter-distribution --from-year 2001 --to-year 2000", 2, "", "--to-year: 2000 lies before --from-year 2001"},
    {"easter-distribution --from-year 2000 --to-year 2001 --feast whit", 2, "", "--feast: 'whit' is not a feast"},
    {"weekday-distribution --from 2024-1 --to 2023-12 --day 1", 2, "", "--to: 2023-12 lies before --from 2024-1"},
    {"weekday-distribution --year 2024 --day 32", 2, "", "--day: 32 is out of range (valid: 1..31)"},
    {"weekday-distribution --from 2024 --to 2024-2 --day 1", 2, "", "--from: '2024' is not a month"},
    {"day-difference --from 99-12-31", 2, "", "--from: the year 99 is out of range (valid: dates of the years 100..9999)"},
    {"events --what tides", 2, "", "events: --what: 'tides' is not a kind of event"},
    {"events --what phases --from 2024-12-31 --to 2024-01-01", 2, "", "--to: 2024-01-01 lies before --from 2024-12-31"},
    {"events --what phases --zone 1", 2, "", "events: --zone: unknown option"},
    {"position --body earth", 2, "", "position: --body: 'earth' is not a body"},
    {"position --body mars --date 0-01-01", 2, "", "--date: there is no year 0"},
    {"position --body pluto --date -4713-12-31", 2, "", "--date: the year -4713 is out of range"},
    {"ics --from-year 1700 --to-year 1701", 2, "", "ics: --from-year: moon phases, seasons and eclipses are computed"},
    {"ics --from-year 2000 --to-year 2200 --what holidays", 2, "", "--to-year: 201 years from --from-year 2000 are too many"},
    // Defaults: today and now (the clock is 2024-03-15 10:30 UTC).
    {en + "moon", 0, "\n Moon's Illumination at 10:30 UTC (World Time):", ""},
    {en + "sidereal --zone 1", 0, " Deg. East at 10:30 UTC+1 (CET)", ""},
    {en + "day-difference --to 2024-03-25", 0, "\n         10 Days   Difference \n", ""},
    {"position --body sun", 0, "jd_ut 2460384.9375\n", ""},
    {"events --what phases --from 2024-03-10", 0, "2024-03-10T09:00:", ""},
    // Places: each syntax on each subcommand that takes one.
    {en + places() + "rises --place wiener", 0, " For the Location Wiener Neustadt \n", ""},
    {en + places() + "rises --place wie", 2, "", "rises: --place: 'wie' names several places: Wien, Wiener Neustadt"},
    {en + places() + "rises --place 5", 2, "", "--place: 5 is not a configured place (valid: 0..4 or a name: 0 Wien,"},
    {en + places() + "rises --lat 48.2 --lon 16.37", 0, " For the Coordinates \n  48 Deg. 12 Min. North =  48.200", ""},
    {en + places() + "rises --lat 48:12:30N --lon 016:22:30E", 0, "  16 Deg. 22 Min. East  =  16.375 Deg. East ", ""},
    {en + places() + "rises --lat 0:00N --lon 0:00E --zone 0", 0,
     " For the Coordinates \n   0 Deg.  0 Min. North =   0.000 Deg. North \n   0 Deg.  0 Min. East ", ""},
    {en + "rises --lat 48:12N", 2, "", "rises: --lat: needs --lat and --lon together"},
    {en + "rises --place 0 --lat 1 --lon 1", 2, "", "--place: give either --place or --lat and --lon"},
    {en + "rises --lat 91 --lon 0", 2, "", "--lat: 91 is out of range (valid: decimal degrees -90..90"},
    {en + "rises --lat 0 --lon 181", 2, "", "--lon: 181 is out of range (valid: decimal degrees -180..180"},
    {en + places() + "sidereal --place berlin", 0, " For the Location Berlin \n", ""},
    {en + "sidereal --lat -33.5 --lon 151.2 --zone 10", 0, "  33 Deg. 30 Min. South ", ""},
    {en + places() + "planets --place new --bodies sun", 0, " For the Location New York \n", ""},
    {en + "planets --lat 0 --lon 0 --bodies sun", 0, " For the Coordinates \n", ""},
    {en + places() + "ephemeris --place 2 --bodies moon --step 60", 0, "\n Moon Mar. 15, 2024 10:30 ", ""},
    {en + "ephemeris --lat 52.52 --lon 13.405 --bodies moon --step 60 --details", 0, " 13.405 Deg. East", ""},
    {en + places() + "dish --satellite 19.2E --place berlin", 0, "\n For the Location Berlin \n  52 Deg. 31 Min. North ", ""},
    {en + "dish --satellite 19.2e --lat 48:00N --lon 016:00E --azimuth-north", 0,
     "\n Azimuth:    175.70 Degree \n Elevation:   34.78 Degree ", ""},
    {en + places() + "distance --from wien --to 2", 0, "\n = Wien\n", ""},
    {en + places() + "distance --from 48.2,16.3667 --to 52:31N,013:24E", 0, "Degree East \n = Berlin\n", ""},
    {en + "distance --from 48:12:00N,015:37:00E --to 0,0", 0, "\n = Sankt Pölten (Austria)\n", ""},
    {en + "distance --from 48:12N --to 0,0", 2, "", "distance: --from: '48:12N' is not a configured place"},
    {en + places() + "month-overview --place troms", 0, " for Tromsø\n", ""},
    {en + "month-overview --year 2024 --month 6 --lat 0:00N --lon 0:00E", 0, " for \n  0 Deg.  0 Min. South   0 Deg.  0 Min. West", ""},
    {en + places() + "dayevents --place wien --zone 2 --date 2024-06-21 --event 0", 0, "rise_time 04:54:0", ""},
    {en + "dayevents --lat 48:12N --lon 016:22:12E --zone 2 --date 2024-06-21 --event 0", 0, "rise_time 04:54:0", ""},
    // Zones: each syntax on each subcommand that takes one.
    {en + "rises --zone 5.5", 0, "(Time in UTC+5 1/2)", ""},
    {en + "rises --zone auto --date 2024-07-01", 0, "(Time in UTC+2 (CEST))", ""},
    {en + "rises --tz America/New_York --date 2024-07-01", 0, "(Time in UTC-4)", ""},
    {en + "rises --zone +5:45", 2, "", "rises: --zone: +5:45 cannot be shown by this report (valid: whole hours"},
    {en + "rises --zone 1h", 2, "", "--zone: '1h' is not a zone"},
    {en + "rises --tz Asia/Kathmandu", 2, "", "--tz: Asia/Kathmandu is UTC+05:45 on 2024-03-15, which this report cannot show"},
    {en + "rises --tz Mars/Olympus", 2, "", "--tz: 'Mars/Olympus' is not a time zone of the system's database"},
    {en + "rises --zone 1 --tz Europe/Vienna", 2, "", "--tz: give either --zone or --tz, not both"},
    {en + "rises --zone 0 --half-zone", 2, "", "--half-zone: no half hour beside the zone 0"},
    {en + "rises --zone 5:30 --half-zone", 2, "", "--half-zone: belongs to a whole-hour --zone"},
    {en + "sidereal --zone 5:30", 0, " Deg. East at 10:30 UTC+5 1/2", ""},
    {en + "sidereal --zone auto --date 2024-07-01", 0, " Deg. East at 10:30 UTC+2 (CEST)", ""},
    {en + "planets --zone -9.5 --bodies sun", 0, " at 10:30 UTC-9 1/2", ""},
    {en + "planets --tz Asia/Kolkata --bodies sun", 0, " at 10:30 UTC+5 1/2", ""},
    {en + "ephemeris --zone 2 --bodies sun --step 60", 0, "\n Sun  Mar. 15, 2024 10:30 ", ""},
    {en + "ephemeris --tz Europe/Berlin --bodies sun --step 60", 0, " UTC+1 (CET)", ""},
    {en + "moon --zone -5 --half-zone", 0, " at 10:30 UTC-5 1/2:", ""},
    {de + "moon --date 2024-07-15 --time 12:00 --zone auto", 0, " um 12:00 MESZ:", ""},
    {en + "moon --tz America/New_York --date 2024-07-04 --time 12:00", 0, " at 12:00 UTC-4:", ""},
    {en + "moon --zone auto --half-zone", 2, "", "moon: --half-zone: no half hour beside the zone auto"},
    {en + "eot --mode list --zone -5", 0, " 12:00 UTC-5 ", ""},
    {en + "eot --mode list --zone auto --date 2024-07-01", 0, " 12:00 UTC+2 (CEST) ", ""},
    {en + "eot --mode list --tz America/New_York --date 2024-07-01", 0, " 2024-07-01 12:00 UTC-4 ", ""},
    {en + "eot --mode list --zone 5:30", 2, "", "eot: --zone: 5:30 cannot be shown by this report (valid: whole hours -12..12"},
    {en + "eot --mode list --half-zone", 2, "", "eot: --half-zone: unknown option"},
    {en + "dayevents --lat 27.7 --lon 85.3 --zone +5:45 --date 2024-06-21 --event 0", 0, "zone +05:45\nrise_time 05:0", ""},
    {en + "dayevents --lat 27.7 --lon 85.3 --tz Asia/Kathmandu --date 2024-06-21 --event 0", 0, "zone +05:45\ntz Asia/Kathmandu\n", ""},
    {en + "dayevents --lat 48.2 --lon 16.37 --zone auto --date 2024-07-01 --event 0", 0, "zone +02:00\n", ""},
    {en + "dayevents --lat 48.2 --lon 16.37 --zone 15 --event 0", 2, "", "dayevents: --zone: 15 cannot be shown by this report (valid: hours -14..14"},
    {en + "dayevents --lat 48.2 --lon 16.37 --event 0", 2, "", "dayevents: --zone: missing (give --zone Z or --tz NAME)"},
    // --tz across a summer-time change: Vienna's clocks go from UTC+1 to UTC+2 at 2:00 on 31 March 2024.
    {en + "dayevents --lat 48.2 --lon 16.37 --tz Europe/Vienna --date 2024-03-30 --event 0", 0, "zone +01:00\ntz Europe/Vienna\nrise_time 05:3", ""},
    {en + "dayevents --lat 48.2 --lon 16.37 --tz Europe/Vienna --date 2024-03-31 --event 0", 0, "zone +02:00\ntz Europe/Vienna\nrise_time 06:3", ""},
    {en + "sidereal --tz Europe/Vienna --date 2024-03-31 --time 01:59", 0, " at 01:59 UTC+1 (CET)", ""},
    {en + "sidereal --tz Europe/Vienna --date 2024-03-31 --time 03:00", 0, " at 03:00 UTC+2 (CEST)", ""},
    {en + "sidereal --tz Europe/Vienna --date 2024-03-31 --time 02:30", 2, "",
     "--tz: 2024-03-31 02:30 does not exist in Europe/Vienna (the clocks go from UTC+01:00 to UTC+02:00)"},
    {en + "sidereal --tz Europe/Vienna --date 2024-10-27 --time 02:30", 2, "",
     "--tz: 2024-10-27 02:30 occurs twice in Europe/Vienna (UTC+02:00, then UTC+01:00) (valid: --zone +02:00 or --zone +01:00)"},
    // The date tools and the other reports reach their texts.
    {de + "day-difference --from 2024-01-01 --to 2025-01-01", 0, "\n           366 Tage    Differenz \n", ""},
    {en + "day-difference --from 2024-01-01 --to 2025-01-01 --reverse", 0, "\n       -366 Days   Difference \n", ""},
    {en + "date-shift --date 2023-02-28 --days 7", 0, "\n Feb. 28th, 2023 (greg) is a Tuesday \n Julian Date: 2460004 \n\n 7 Days into the Past: ", ""},
    {en + "easter-distribution --from-year 2024 --to-year 2024 --feast ascension", 0, ": Ascension Day for", ""},
    {en + "weekday-distribution --year 2024 --day 13", 0, "\n Saturday:         3x  25.000 Percent (Jan., Apr., July)", ""},
    {de + "weekday-distribution --from 2023-3 --to 2024-12 --day 31", 0, "\n des Zeitraumes von März 2023 bis Dez. 2024: \n", ""},
    {de + "large-view --year 2057", 0, "\n Do 31. 5. Christi Himmelfahrt \n So 10. 6. Pfingstsonntag \n", ""},
    {en + "large-view --year 2024 --page 11", 0, "    February 2025\n", ""},
    {en + "moon --date 2024-03-15 --time 12:00 --zone 0 --page 2 --seconds", 0, "\n March 10th (Sun) approx. 09:00:18 UTC ", ""},
    {de + "eot --date 2000-06-01 --mode year", 0, "\n Jahresauswertung für das Jahr 2000: \n", ""},
    {en + "--crlf eot --date 2024-06-01 --step 4 --mode statistics", 0, "\r\n\r\n Number of Calculations: 349 ", ""},
    {de + "planets --date 2024-03-15 --time 21:30 --zone 1 --bodies jupiter", 0, " | Differenz TDB <-> UTC deltaT (Sek.): 74.0\n", ""},
    {en + "planets --bodies jupiter --delta-t 700", 0, " | Difference TDB <-> UTC deltaT (Sec.): 70.0\n", ""},
    {en + "planets --orbit --bodies all", 0, "\n\n Data of Earth:   \n Longitude: ", ""},
    {de + "about", 0, "Quendal and More\n\n\n Version 6.0, 2009-08-20 \n", ""},
    // Events and the iCalendar export.
    {"events --what seasons --from 2024-01-01 --to 2024-12-31", 0, "2024-03-20T03:06:", ""},
    {"events --what eclipses --from 2024-01-01 --to 2024-12-31", 0, "2024-04-08T18:1", ""},
    {"events --what apsides --from 2024-01-01 --to 2024-01-31", 0, "2024-01-13T10:35:37Z,perigee,362266.5\n", ""},
    {"events --what phases --from 2024-02-10 --to 2024-02-15", 0, "", ""},
    // Printed as found: the first of 9,900 years of apsides at once (all of them take minutes).
    {"events --what apsides --from 100-01-01 --to 9999-12-31 | head -n 1", 0, "0100-01-0", ""},
    {"--lang de ics --from-year 2025 --what holidays", 0, "SUMMARY:Ostersonntag\r\n", ""},
    {"ics --from-year 2201 --to-year 2202 --what holidays", 0, "BEGIN:VCALENDAR", ""},
    {"ics --from-year 9999 --to-year 9999 --what holidays", 0, "BEGIN:VCALENDAR", ""},
    {"ics --from-year 1582 --to-year 1590", 2, "", "ics: --from-year: 1582 is out of range (valid: 1583..9999)"},
    {"ics --from-year 2025 --to-year 2024", 2, "", "--to-year: 2024 lies before --from-year 2025"},
    {"ics --from-year 2025 --what moons", 2, "", "ics: --what: 'moons' is not a kind of entry"},
    // dayevents: what its events, altitudes and modes allow.
    {"dayevents --lat 48.2 --lon 16.37 --zone 1 --event 13", 2, "", "dayevents: --event: 13 is not an event (valid: -4..1, 11, 12, 14..19)"},
    {"dayevents --lat 48.2 --lon 16.37 --zone 1 --event -4", 2, "", "dayevents: --event: -4 needs --altitude (degrees)"},
    {"dayevents --lat 48.2 --lon 16.37 --zone 1 --event 0 --altitude 3", 2, "", "dayevents: --altitude"},
    {"dayevents --lat 48.2 --lon 16.37 --zone 1 --event 0 --mode 5", 2, "", "dayevents: --mode: 5 is not a mode (valid: 0, 1, 10, 11, 20, 21)"},
};

TEST(CliCommands, Table) {
  for (const Case& c : cases) {
    const Result r = run(c.args, c.env);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.out.find(c.out), std::string::npos) << c.args << "\n" << r.out;
    if (c.status == 2) {
      EXPECT_EQ(r.out, "") << c.args;
      EXPECT_EQ(r.err.back(), '\n') << c.args;
      EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.args << "\n" << r.err;  // one line
    } else {
      EXPECT_EQ(r.err, "") << c.args;
      if (!r.out.empty()) {
        EXPECT_EQ(r.out.back(), '\n') << c.args;  // every text ends with a line end
      }
    }
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
  }
}

// The whole main report as the report tests know it (tests/golden/), with
// the line ends of the system.
TEST(CliCommands, MainReportWholeText) {
  const Result r = run("--lang de --today 2024-03-15 main --year 2024");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, testsupport::lf(testsupport::golden("main_year_de.txt")) + "\n");
}

// The configuration file: --ini, the working directory, ~/.config/quendal
// ($XDG_CONFIG_HOME), its language line against --lang; the file named.
TEST(CliCommands, ConfigurationFile) {
  const std::string ini = clitest::file("my.ini", "E \r\n1970-05-17 Birthday\r\n");
  EXPECT_EQ(run("--today 2024-06-01 --ini '" + ini + "' config").out,
            " Today is Saturday June 1st, 2024 \n\n May 17th, 1970 - Sunday - Birthday "
            "\n 19739 Days; 2819.86 Weeks; 648.5 Months; 54.04 Years Difference \n\n\n File: " + ini + "\n");
  EXPECT_EQ(run("--lang de --today 2024-06-01 --ini '" + ini + "' config").out.rfind(" Heute ist Samstag", 0), 0u);
  // Nothing found: the files looked for are named.
  const std::string home = clitest::directory();
  EXPECT_EQ(run("--lang en config").out, "\n INI-File \"QUENDAL6.INI\" not found! \n\n Looked for: ./QUENDAL6.INI "
                                         "./QUENDAL5.INI " + home + "/.config/quendal/QUENDAL6.INI " + home +
                                         "/.config/quendal/QUENDAL5.INI\n");
  // $XDG_CONFIG_HOME/quendal/QUENDAL5.INI, with its language line.
  mkdir((home + "/xdg").c_str(), 0700);
  mkdir((home + "/xdg/quendal").c_str(), 0700);
  clitest::file("xdg/quendal/QUENDAL5.INI", "D \n");
  const std::string xdg = "XDG_CONFIG_HOME=" + home + "/xdg";
  EXPECT_NE(run("--today 2024-06-01 main --year 2024", xdg).out.find("Ostern"), std::string::npos);
  EXPECT_EQ(run("--lang en --today 2024-06-01 main --year 2024", xdg).out.find("Ostern"), std::string::npos);
  EXPECT_NE(run("config", xdg).out.find(" Datei: " + home + "/xdg/quendal/QUENDAL5.INI\n"), std::string::npos);
  // The working directory comes first.
  clitest::file("QUENDAL6.INI", "E \n");
  EXPECT_NE(run("config", xdg).out.find(" File: ./QUENDAL6.INI\n"), std::string::npos);
  std::remove((home + "/QUENDAL6.INI").c_str());
}

// A FIFO is refused at once (opening it would wait for a writer), also as
// QUENDAL6.INI of the working directory, where it counts as no file.
TEST(CliCommands, FifoIsNeverOpened) {
  const std::string fifo = clitest::directory() + "/fifo.ini", cwd = clitest::directory() + "/QUENDAL6.INI";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(cwd.c_str(), 0600), 0);
  Result r = run("--ini " + fifo + " main --year 2024");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "quendal-report: --ini: " + fifo + ": not a regular file\n");
  r = run("--lang en config");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("\n INI-File \"QUENDAL6.INI\" not found! ", 0), 0u);
  std::remove(cwd.c_str());
  std::remove(fifo.c_str());
}

TEST(CliCommands, FailedWriteExitsWithOne) {
  const std::pair<const char*, const char*> writes[] = {
      {"main --year 2024 >/dev/full", "standard output"},
      {"events --what phases --from 2024-01-01 --to 2024-12-31 >/dev/full", "standard output"},
      {"ics --from-year 2025 --what holidays --output /dev/full", "/dev/full"}};
  for (const auto& [args, target] : writes) {
    const Result r = run(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.err, std::string("quendal-report: write error: ") + target + ": No space left on device\n") << args;
  }
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The lines of dayevents (the numbers themselves: astro_riseset_test):
// Vienna, 21 June 2024, the old lines first, then the zone and clock times.
TEST(CliCommands, DayEventsLines) {
  const std::string out = run("dayevents --date 2024-06-21 --lat 48.2 --lon 16.37 --zone 2 --event 0 --mode 21").out;
  std::string names;
  for (const std::string& line : lines(out)) names += line.substr(0, line.find(' ')) + ",";
  EXPECT_EQ(names, "status,rise,set,culmination,max_altitude,zone,rise_time,set_time,culmination_time,");
  for (const char* value : {"status 3\nrise 4.90", "\nset 20.97", "\nmax_altitude 65.2", "\nrise_time 04:54:0"})
    EXPECT_NE(out.find(value), std::string::npos) << value << "\n" << out;
  // Polar night at Tromsø.
  EXPECT_EQ(run("dayevents --date 2024-12-21 --lat 69.65 --lon 18.96 --zone 1 --event 0").out,
            "status 0\nrise none\nset none\nculmination none\nmax_altitude none\nzone +01:00\n"
            "rise_time none\nset_time none\nculmination_time none\n");
  // The individual twilight at -6 degrees is the civil one.
  EXPECT_EQ(run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -4 --altitude -6").out,
            run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -1").out);
}

// The phases of a month as the engine gives them; a year of apogees and
// perigees merged in time order, alternating (their laws: astro_lunar_events_test).
TEST(CliCommands, EventsInOrder) {
  EXPECT_EQ(run("events --what phases --from 2024-02-01 --to 2024-02-29").out,
            "2024-02-02T23:17:57Z,last\n2024-02-09T22:59:01Z,new\n"
            "2024-02-16T15:00:52Z,first\n2024-02-24T12:30:20Z,full\n");
  const std::vector<std::string> apsides = lines(run("events --what apsides --from 2024-01-01 --to 2024-12-31").out);
  EXPECT_GE(apsides.size(), 26u);
  for (std::size_t i = 1; i < apsides.size(); ++i) {
    EXPECT_LT(apsides[i - 1].substr(0, 20), apsides[i].substr(0, 20));
    EXPECT_NE(apsides[i - 1].substr(21, 6), apsides[i].substr(21, 6));
  }
}

TEST(CliCommands, PositionMatchesTheEngine) {
  using namespace quendal;
  const std::vector<std::string> got = lines(run("position --body saturn --date 2024-03-15 --time 21:30:15").out);
  ASSERT_EQ(got.size(), 14u);
  const double jdut = 2460384.5 + (21 * 3600 + 30 * 60 + 15) / 86400.0;
  const double jde = jdut + DeltaTForJD(jdut) / 86400.0;
  const ApparentPlace p = ReferenceBodyPosition(FrameAt({jdut, jde}), BodyCode::Saturn);
  const double v[14] = {jdut, jde, p.ra, p.dec, p.distance, p.lambda, p.beta, p.elongation, p.illuminated,
                        p.magnitude, p.diameter, p.heliocentric.l, p.heliocentric.b, p.heliocentric.r};
  const std::string names[14] = {"jd_ut", "jde", "ra_hours", "dec_deg", "distance_au", "lambda_deg", "beta_deg",
                                 "elongation_deg", "illuminated_percent", "magnitude", "diameter_arcsec",
                                 "helio_l_deg", "helio_b_deg", "helio_r_au"};
  for (std::size_t i = 0; i < 14; ++i) {
    EXPECT_EQ(got[i].substr(0, got[i].find(' ')), names[i]);
    EXPECT_EQ(std::strtod(got[i].c_str() + names[i].size(), nullptr), v[i]) << names[i];
  }
  // Dynamical time; the calendar reform; the Sun without heliocentric lines.
  EXPECT_EQ(lines(run("position --body mars --date 2000-01-01 --time 12:00 --tt").out)[1], "jde 2451545");
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-04 --time 00:00").out)[0], "jd_ut 2299159.5");
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-15 --time 00:00").out)[0], "jd_ut 2299160.5");
  EXPECT_EQ(run("position --body venus --date 1500-02-29 --time 00:00").status, 0);  // a Julian leap year
  EXPECT_EQ(lines(run("position --body sun --date 2000-01-01 --time 12:00").out).size(), 11u);
}

}  // namespace
