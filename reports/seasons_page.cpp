// Page 28 of the main report: the beginnings of the four seasons of a year,
// in universal time.
#include "astro/seasons.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/main_report.h"

namespace quendal {

namespace {

const char* const seasonnames[2][4] = {{"Frühling ", "Sommer ", "Herbst ", "Winter "},
                                       {"Spring ", "Summer ", "Autumn ", "Winter "}};

}  // namespace

std::string buildseasonspage(int year, Language language) {
  const bool german = language != english;
  ReportBuffer b;
  if (german) {
    b.append("\r\n Beginn der Jahreszeiten ");
    b.printf("\r\n\r\n für das Jahr %d: ", year);
  } else {
    b.append("\r\n Begin of the Seasons ");
    b.printf("\r\n\r\n for the Year %d: ", year);
  }
  b.append("\r\n");
  for (int s = 1; s <= 4; ++s) {
    const double jd = roundjdtominute(SeasonBegin(year, s));
    int y, m, d, h, mi, sec;
    mjdtodatetime(jd - 2400000.5, y, m, d, h, mi, sec);
    const char* weekday = shortweekdayname(dayofweek(d, m, y), language);
    if (german)
      b.printf("\r\n %02d. %s (%s.) ca. %02d:%02d UTC ", d, shortmonthname(m, language), weekday, h, mi);
    else
      b.printf("\r\n %s %2d%s (%s) approx. %02d:%02d UTC ", shortmonthname(m, language), d, ordinal(d), weekday, h, mi);
    b.append(seasonnames[namerow(language)][s - 1]);
  }
  if (german) {
    b.append("\r\n\r\n Typische Genauigkeit von 1/4 - 1 1/2 Minuten!");
    b.append("\r\n (Innerhalb von 1900 bis 2100) ");
  } else {
    b.append("\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes!");
    b.append("\r\n (Within from 1900 to 2100) ");
  }
  return b.text();
}

}  // namespace quendal
