// The turning points of the equation of time in a calendar year (two
// minima, two maxima, four zero crossings) and the small cache of them that
// the equation-of-time report and graph share (YearEventCache). The cache is
// a value its owner keeps (the application state); the turning points are
// computed by EotYearEvents (reports/eot_report.h).
#pragma once

#include <array>

namespace quendal {

struct EotTurningPoint {
  double jd = 0.0;     // JD (UT) rounded to the whole minute
  double value = 0.0;  // equation of time, minutes (|E| for a zero crossing)
};

// Order of the eight events in a year: great minimum, first zero crossing,
// little maximum, second zero crossing, little minimum, third zero crossing,
// great maximum, fourth zero crossing.
inline constexpr int eotyeareventcount = 8;
using EotYearTurningPoints = std::array<EotTurningPoint, eotyeareventcount>;

// One slot of the cache: a year and its turning points.
struct EotYearSlot {
  int year = 0;
  int usecount = 0;  // 0 = empty
  EotYearTurningPoints events{};
};

inline constexpr int eotyearslots = 31;  // slots 1..31

// The cache: slots numbered 1..31; slot 0 stays empty.
struct YearEventCache {
  std::array<EotYearSlot, eotyearslots + 1> entries{};
};

// The slot (1..31) holding the year, its use count incremented; 0 when no
// slot holds it.
int findeotyear(YearEventCache& cache, int year);
// Stores the year's turning points in the slot with the smallest use count
// (the lowest-numbered among equals) with use count 1; returns that slot.
int storeeotyear(YearEventCache& cache, int year, const EotYearTurningPoints& events);
// The slot 1..31; the empty slot 0 for any other number.
const EotYearSlot& eotyearslot(const YearEventCache& cache, int slot);

}  // namespace quendal
