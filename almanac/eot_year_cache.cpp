// The cache of the equation of time's turning points; see eot_year_cache.h.
#include "almanac/eot_year_cache.h"

namespace quendal {

int findeotyear(YearEventCache& cache, int year) {
  for (int i = 1; i <= eotyearslots; ++i) {
    EotYearSlot& slot = cache.entries[static_cast<std::size_t>(i)];
    if (slot.usecount > 0 && slot.year == year) {
      ++slot.usecount;
      return i;
    }
  }
  return 0;
}

int storeeotyear(YearEventCache& cache, int year, const EotYearTurningPoints& events) {
  int chosen = 1;
  for (int i = 2; i <= eotyearslots; ++i)
    if (cache.entries[static_cast<std::size_t>(i)].usecount < cache.entries[static_cast<std::size_t>(chosen)].usecount)
      chosen = i;
  cache.entries[static_cast<std::size_t>(chosen)] = {year, 1, events};
  return chosen;
}

const EotYearSlot& eotyearslot(const YearEventCache& cache, int slot) {
  return cache.entries[slot >= 1 && slot <= eotyearslots ? static_cast<std::size_t>(slot) : 0];
}

}  // namespace quendal
