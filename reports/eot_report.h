// The equation of time report: a list of 30 values at a chosen step, the
// statistics of the interval those 30 steps span (sampled every 5 minutes),
// and the eight turning points of a calendar year, which the equation-of-time
// graph reads as well (EotYearEvents with the 31-slot year cache its caller
// owns).
//
// The equation of time is W. M. Smart's formula (EquationOfTime, astro/sun.h),
// in minutes, apparent minus mean solar time.
#pragma once

#include <string>
#include <vector>

#include "almanac/eot_year_cache.h"
#include "calendar/text.h"

namespace quendal {

// The three forms of the report, chosen by the dialog's buttons.
enum EotReportMode { eotlist = 0, eotstatistics = 1, eotyear = 2 };

struct EquationOfTimeInputs {
  int year = 2000;  // 1000..4000
  int month = 1;    // 1..12
  int day = 1;      // 1..31, lowered until the date is valid
  int hour = 12;    // 0..23, local time
  int zone = 0;     // -12..12 whole hours
  int step = 12;    // 1..9999 quarter hours (list step; the statistics span 29 steps)
  int mode = eotlist;
};

// An instant (JD UT) with the equation of time there (minutes).
struct EotValue {
  double jd = 0.0;
  double minutes = 0.0;
};

struct EquationOfTimeReport {
  std::string text;
  EquationOfTimeInputs corrected;  // the inputs as clamped (write-back)
  int evaluations = 0;             // statistics: number of samples
  // The numbers of the text: the list's 30 values or the year's eight
  // turning points; the statistics' interval (JD UT), its least and
  // greatest sample and the mean (minutes).
  std::vector<EotValue> values;
  double start = 0.0, end = 0.0;
  EotValue minimum, maximum;
  double mean = 0.0;
};

EquationOfTimeReport buildequationoftimereport(const EquationOfTimeInputs& in, Language language);

// ---- Turning points of a year -------------------------------------------------

// The eight turning points of the year (any year the equation of time is
// defined for), in the order of almanac/eot_year_cache.h: eight searches with
// EquationOfTimeExtremum from 1 January 0h UT, each 5 days after the previous
// point. evaluations is increased by the number of equation-of-time
// evaluations.
EotYearTurningPoints eotturningpoints(int year, int& evaluations);

// The slot (1..31) of the cache holding the turning points of the year,
// computed on a miss. A hit increments the slot's use count; a miss replaces
// the slot with the smallest use count (lowest-numbered among equals) and
// gives it count 1. evaluations is increased as above (0 on a hit).
int EotYearEvents(YearEventCache& cache, int year, int& evaluations);
int EotYearEvents(YearEventCache& cache, int year);

// ---- Formatting shared with the graph window -------------------------------------

// "  -3.999 Min.=  4 Min. 00 Sek. - ": E (minutes) with 3 decimals, then as
// whole minutes and rounded seconds with the sign word.
std::string formateotvalue(double minutes, Language language);
// "\r\n JD 2451586.50694 (Sa) 2000-02-12 00:10 UTC": jd (UT) shown in the
// local time of the zone (hours), rounded by half a second.
std::string formateotinstant(double jd, int zone, Language language);

}  // namespace quendal
