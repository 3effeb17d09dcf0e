// The Easter date distribution; see easter_distribution.h.
#include "reports/easter_distribution.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calendar/easter.h"
#include "calendar/text.h"

namespace quendal {

namespace {

// Day-of-March numbers: Easter (22..56) plus at most 60 days.
constexpr int daysofmarch = 130;
// Ranges shorter than this list the years of each date.
constexpr int yearlistlimit = 1002;

const int feastoffsets[4] = {eastersunday, ascensionday, whitsunday, corpuschristi};
const char* const feastnames[2][4] = {{"Ostersonntag", "Christi Himmelfahrt", "Pfingstsonntag", "Fronleichnam"},
                                      {"Easter Sunday", "Ascension Day", "Whitsunday", "Corpus Christi"}};

// Day and month of a day-of-March number.
void dayofmarchdate(int s, int& day, int& month) {
  day = s;
  month = 3;
  if (day > 31) day -= 31, month = 4;
  if (month == 4 && day > 30) day -= 30, month = 5;
  if (month == 5 && day > 31) day -= 31, month = 6;
}

}  // namespace

EasterDistributionReport buildeasterdistribution(const EasterDistributionInputs& in, Language language) {
  EasterDistributionReport r;
  r.firstyear = std::clamp(in.firstyear, 1583, 9999);
  r.lastyear = std::clamp(in.lastyear, 1583, 9999);
  if (r.lastyear < r.firstyear) std::swap(r.firstyear, r.lastyear);
  const int n = r.lastyear - r.firstyear + 1;
  const int feast = std::clamp(in.feast, 0, 3);
  const bool german = language != english;

  ReportBuffer b;
  b.append(german ? "\r\n Verteilung der Tage: " : "\r\n Distibution of the Days: ");
  b.append(feastnames[namerow(language)][feast]);
  if (german) {
    b.printf(" auf die Jahre von %d bis %d ", r.firstyear, r.lastyear);
    b.printf(n == 1 ? "(= %d Jahr): " : "(= %d Jahre): ", n);
  } else {
    b.printf(" for the Years from %d to %d ", r.firstyear, r.lastyear);
    b.printf(n == 1 ? "(= %d Year): " : "(= %d Years): ", n);
  }
  b.append("\r\n");

  int count[daysofmarch] = {};
  std::vector<int> dates;  // the day-of-March number of each year, short ranges only
  for (int y = r.firstyear; y <= r.lastyear; ++y) {
    const int s = eastersundaygregorian(y) + feastoffsets[feast];
    ++count[s];
    if (n < yearlistlimit) dates.push_back(s);
  }

  for (int s = 0; s < daysofmarch; ++s) {
    if (count[s] == 0) continue;
    int day, month;
    dayofmarchdate(s, day, month);
    if (german)
      b.printf("\r\n %2d. %s %3dx", day, shortmonthname(month, language), count[s]);
    else
      b.printf("\r\n %s %2d%s %3dx", shortmonthname(month, language), day, ordinal(day), count[s]);
    const float percent = static_cast<float>(count[s]) * 100.0f / static_cast<float>(n);
    b.append(formatdecimalpadded(percent, 7, german ? 1 : 0, 2));
    b.append(" % ");
    if (n < yearlistlimit) {
      b.append("-");
      for (int i = 0; i < n; ++i)
        if (dates[static_cast<std::size_t>(i)] == s) b.printf(" %d", r.firstyear + i);
    }
  }
  r.text = b.text();
  return r;
}

}  // namespace quendal
