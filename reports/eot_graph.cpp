// The equation-of-time graph; see eot_graph.h.
#include "reports/eot_graph.h"

#include <algorithm>

#include "astro/sun.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

// Days from the first point (20 December of the year before) to the 1st of
// January, March, May, July, September, November and January of the next year.
std::array<int, eotgraphmarkers> markerdays(bool leap) {
  std::array<int, eotgraphmarkers> days{12, 59, 61, 61, 62, 61, 61};
  if (leap) ++days[1];
  for (int i = 1; i < eotgraphmarkers; ++i) days[static_cast<std::size_t>(i)] += days[static_cast<std::size_t>(i - 1)];
  return days;
}

const char* markermonth(int marker, Language language) {
  const bool january = marker == 0 || marker == eotgraphmarkers - 1;
  if (january && language == austrian) return axismonthnames[0][6];
  return axismonthnames[namerow(language)][january ? 0 : marker];
}

// Date and time of a turning point, rounded by half a second.
struct Moment {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
Moment moment(double jd) {
  Moment m;
  jdtodate(jd + 0.5 / 86400.0, m.year, m.month, m.day, m.hour, m.minute, m.second);
  return m;
}

std::string value(const EotTurningPoint& p) { return formatdecimal(p.value, 7, 0, 3); }

// " am %2d. %s %d um %02d:%02d UTC" with the full month name.
std::string when(const EotTurningPoint& p, Language language) {
  const Moment m = moment(p.jd);
  if (language == english)
    return strprintf(" on %s %d%s, %d at %02d:%02d UTC", monthname(m.month, language), m.day, ordinal(m.day), m.year,
                     m.hour, m.minute);
  return strprintf(" am %2d. %s %d um %02d:%02d UTC", m.day, monthname(m.month, language), m.year, m.hour, m.minute);
}

// A zero crossing with the short month name, after " am" (first) or " /".
std::string crossing(const EotTurningPoint& p, bool first, Language language) {
  const Moment m = moment(p.jd);
  if (language == english)
    return strprintf(first ? " on %s %d%s, %d %02d:%02d UTC" : " / %s %d%s, %d %02d:%02d UTC",
                     shortmonthname(m.month, language), m.day, ordinal(m.day), m.year, m.hour, m.minute);
  return strprintf(first ? " am %2d. %s %d %02d:%02d UTC" : " / %2d. %s %d %02d:%02d UTC", m.day,
                   shortmonthname(m.month, language), m.year, m.hour, m.minute);
}

// Indices of the events in the year cache.
enum { greatminimum = 0, littlemaximum = 2, littleminimum = 4, greatmaximum = 6 };

// The scale's labels begin scaleleft pixels from the window's edge; the grid
// lines begin at gridleft, clear of a label as wide as "-12" in a text font
// of up to 12 points, and end gridright pixels from the right edge.
constexpr int scaleleft = 4;
constexpr int gridleft = 36;
constexpr int gridright = 20;

}  // namespace

EotGraphSize eotgraphsize(int width, int height) {
  EotGraphSize s{width, height, false};
  if (width < 480 || height < 240) {
    if (width < 480) s.width = 550;
    if (height < 240) s.height = 280;
    s.enlarged = true;
  }
  return s;
}

bool eotgraphleapyear(int year) {
  if (year < 1583) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

EotGraph buildeotgraph(int year, int width, int height, Language language) {
  EotGraph g;
  const int ph = std::max(height - 50, 50);
  const int y0 = ph / 2;
  g.plotheight = ph;
  g.zeroline = y0;
  const double dx = width / 900.0;  // pixels per half day
  const double start = datetojd(year - 1, 12, 20);

  g.smallestrow = ph;
  g.largestrow = 0;
  g.largestvalue = -1000.0;
  g.smallestvalue = 1000.0;
  for (int i = 0; i < eotgraphpointcount; ++i) {
    double e = 0.0;
    const int row = EquationOfTimeRow(start + 0.5 * i, ph, e);
    g.curve[static_cast<std::size_t>(i)] = {roundnearest(50 + i * dx), row};
    if (i == 0) continue;
    g.smallestrow = std::min(g.smallestrow, row);
    g.largestrow = std::max(g.largestrow, row);
    g.largestvalue = std::max(g.largestvalue, e);
    g.smallestvalue = std::min(g.smallestvalue, e);
  }

  // Zero line, then the grid every 4 minutes within the curve's extent.
  auto gridline = [&](int y, int minutes) {
    g.grid.push_back({{gridleft, y}, {width - gridright, y}});
    g.gridlabels.push_back({{scaleleft, y - 10}, strprintf("%2d", minutes)});
  };
  gridline(y0, 0);
  if (g.largestvalue > 0) {
    const double perminute = (y0 - g.smallestrow) / g.largestvalue;
    for (int i = 1; i <= 4; ++i) {
      const int y = y0 - roundnearest(4 * i * perminute);
      if (y > g.smallestrow) gridline(y, 4 * i);
    }
  }
  if (g.smallestvalue < 0) {
    const double perminute = (y0 - g.largestrow) / g.smallestvalue;
    for (int i = 1; i <= 3; ++i) {
      const int y = y0 - roundnearest(-4 * i * perminute);
      if (y < g.largestrow) gridline(y, -4 * i);
    }
  }

  const std::array<int, eotgraphmarkers> days = markerdays(eotgraphleapyear(year));
  for (int m = 0; m < eotgraphmarkers; ++m) {
    const int x = g.curve[2 * static_cast<std::size_t>(days[static_cast<std::size_t>(m)])].x;
    g.markers[static_cast<std::size_t>(m)] = {{x, g.smallestrow - 5}, {x, g.largestrow + 5}};
    g.markerlabels[static_cast<std::size_t>(m)] = {{x - 30, g.largestrow + 10},
                                                   strprintf("1. %s", markermonth(m, language))};
  }

  g.title = {
      {40, 15},
      strprintf(language == english ? "Equation of Time for the Year %d" : "Zeitgleichung für das Jahr %d", year)};
  return g;
}

EotGraphFooter buildeotgraphfooter(const EotYearTurningPoints& e, int width, int height, int th, Language language) {
  EotGraphFooter f;
  const bool german = language != english;
  if (width > 450 && height > 350 && height < 630) {
    const int y = height - 75;
    f.turningpoints.push_back({{50, y},
                               (german ? "Großes Maximum: " : "Great Maximum:  ") + value(e[greatmaximum]) +
                                   (german ? " - Kleines Maximum: " : " - Little Maximum:  ") +
                                   value(e[littlemaximum])});
    f.turningpoints.push_back({{50, y + th},
                               (german ? "Großes Minimum:  " : "Great Minimum:   ") + value(e[greatminimum]) +
                                   (german ? " - Kleines Minimum:  " : " - Little Minimum:   ") +
                                   value(e[littleminimum])});
  } else if (width > 450 && height >= 630) {
    const int y = height - 110;
    struct Row {
      int event;
      const char* german;
      const char* english;
    };
    static const Row rows[4] = {{greatminimum, "Großes Minimum:  ", "Great Minimum:   "},
                                {littlemaximum, "Kleines Maximum: ", "Little Maximum:  "},
                                {littleminimum, "Kleines Minimum:  ", "Little Minimum:   "},
                                {greatmaximum, "Großes Maximum: ", "Great Maximum:  "}};
    for (int i = 0; i < 4; ++i) {
      const Row& r = rows[i];
      const EotTurningPoint& p = e[static_cast<std::size_t>(r.event)];
      f.turningpoints.push_back({{50, y + i * th}, (german ? r.german : r.english) + value(p) + when(p, language)});
    }
    std::string zeros = german ? "Nulldurchgänge:       " : "Zero-Crossings:      ";
    for (int i = 0; i < 4; ++i) zeros += crossing(e[2 * static_cast<std::size_t>(i) + 1], i == 0, language);
    f.turningpoints.push_back({{50, y + 4 * th}, zeros});
  }
  const int sizey = height < 630 ? static_cast<int>(height - 75 + 2.5 * th) : static_cast<int>(height - 110 + 5.5 * th);
  f.size = {{50, sizey},
            strprintf(german ? "Größe Ausgabefeld: %d x %d   " : "Size of Window: %d x %d   ", width, height)};
  return f;
}

}  // namespace quendal
