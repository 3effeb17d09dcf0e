// The equation of time: its report (golden texts, value and step
// formatting, the statistics interval, the year's turning points and their
// cache) and its graph (size rule, month markers, extremes, the scale's room,
// footers); the sky chart's projection, labels, zoom and instant bounds; the
// solar system; the position dialog's report; the contrast of the painted
// windows' colours to their canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "almanac/eot_year_cache.h"
#include "astro/sun.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"
#include "reports/chart_position.h"
#include "reports/eot_graph.h"
#include "reports/eot_report.h"
#include "reports/sky_chart.h"
#include "support.h"

using namespace quendal;

// A client area below 480 x 240 grows to at least 550 x 280.
TEST(ReportsEotGraph, SizeRule) {
  const int cases[][5] = {
      {400, 200, 550, 280, 1}, {479, 300, 550, 300, 1}, {600, 239, 600, 280, 1}, {480, 240, 480, 240, 0}};
  for (const auto& c : cases) {
    const EotGraphSize s = eotgraphsize(c[0], c[1]);
    EXPECT_EQ((std::array{s.width, s.height, int(s.enlarged)}), (std::array{c[2], c[3], c[4]})) << c[0] << " " << c[1];
  }
}

// With 900 pixels a half day is one pixel: the January marker lies 24 pixels
// right of the start, the March marker 118 further, 120 in a leap year (the
// Julian rule before 1583, the Gregorian one after).
TEST(ReportsEotGraph, MarkersOneDayFurtherInLeapYears) {
  for (const auto& [year, march] :
       {std::pair{2023, 118}, {2024, 120}, {1900, 118}, {2000, 120}, {1500, 120}, {1501, 118}}) {
    const EotGraph g = buildeotgraph(year, 900, 500, english);
    const int x0 = g.markers[0].from.x;
    EXPECT_EQ((std::array{x0, g.markers[1].from.x - x0, g.markers[6].from.x - x0}),
              (std::array{50 + 24, march, march == 120 ? 732 : 730}))
        << year;
  }
  const EotGraph at = buildeotgraph(2024, 900, 500, austrian);
  EXPECT_EQ(at.markerlabels[0].text + "|" + at.markerlabels[1].text + "|" + at.markerlabels[6].text,
            "1. Jän.|1. März|1. Jän.");
  EXPECT_EQ(buildeotgraph(2024, 900, 500, german).markerlabels[6].text, "1. Jan.");
}

// The curve's extremes are the year's great maximum and great minimum
// (sampled every half day), and the grid stays inside the curve's extent.
TEST(ReportsEotGraph, CurveMeetsTurningPoints) {
  YearEventCache cache;
  const EotYearTurningPoints& e = eotyearslot(cache, EotYearEvents(cache, 2000)).events;
  const EotGraph g = buildeotgraph(2000, 900, 600, english);
  EXPECT_NEAR(g.largestvalue, e[6].value, 0.01);
  EXPECT_NEAR(g.smallestvalue, e[0].value, 0.01);
  EXPECT_EQ(g.zeroline, 275);
  EXPECT_EQ(g.gridlabels[0].text, " 0");
  for (const GraphLine& l : g.grid) EXPECT_TRUE(l.from.y >= g.smallestrow && l.from.y <= g.largestrow) << l.from.y;
  EXPECT_EQ(g.grid.size(), 1u + 4u + 3u);  // +4 .. +16 and -4 .. -12 minutes
  // Each label of the scale keeps off the window's edge and leaves 30 pixels
  // (wider than "-12" in a 12-point font) before its grid line begins.
  for (std::size_t i = 0; i < g.grid.size(); ++i) {
    EXPECT_GE(g.gridlabels[i].at.x, 2) << g.gridlabels[i].text;
    EXPECT_GE(g.grid[i].from.x - g.gridlabels[i].at.x, 30) << g.gridlabels[i].text;
  }
}

TEST(ReportsEotGraph, FooterBySize) {
  YearEventCache cache;
  const EotYearTurningPoints& e = eotyearslot(cache, EotYearEvents(cache, 2000)).events;
  EXPECT_EQ(buildeotgraphfooter(e, 900, 350, 15, german).turningpoints.size(), 0u);
  const EotGraphFooter two = buildeotgraphfooter(e, 900, 500, 15, german);
  ASSERT_EQ(two.turningpoints.size(), 2u);
  EXPECT_EQ(two.turningpoints[0].text + "|" + two.size.text,
            "Großes Maximum:  16.469 - Kleines Maximum:   3.677|Größe Ausgabefeld: 900 x 500   ");
  EXPECT_EQ(two.size.at.y, 500 - 75 + 37);
  const EotGraphFooter five = buildeotgraphfooter(e, 900, 630, 16, english);
  ASSERT_EQ(five.turningpoints.size(), 5u);
  EXPECT_EQ(five.turningpoints[0].text, "Great Minimum:   -14.277 on February 12th, 2000 at 00:10 UTC");
  EXPECT_EQ(five.turningpoints[4].at.y, 630 - 110 + 64);
  EXPECT_EQ(five.turningpoints[4].text.rfind("Zero-Crossings:       on Apr. 15th, 2000 ", 0), 0u);
  EXPECT_EQ(buildeotgraphfooter(e, 450, 500, 15, german).turningpoints.size(), 0u);
}

// Whatever the orientation, a body toward the compass point named at the
// top lies straight above the centre, one toward the left name to the left.
TEST(ReportsSkyChart, OrientationsMatchCompass) {
  const double directions[4][2] = {{180, 90}, {90, 0}, {0, 270}, {270, 180}};  // top, left azimuths
  for (int o = 0; o < 4; ++o) {
    const ChartPoint top = skychartpoint(directions[o][0], 45, 200, 1.0, o),
                     left = skychartpoint(directions[o][1], 1, 200, 1.0, o);
    EXPECT_TRUE(top.drawn && top.x == 200 && top.y < 200) << o;
    EXPECT_TRUE(left.x < 200 && std::abs(left.y - 200) <= 4) << o;
  }
  const SkyChart chart = buildskychart({.orientation = 2, .fullcircle = true}, 200, german);
  EXPECT_EQ(chart.compass, (std::array<std::string, 4>{"Nord", "West", "Ost", "Süd"}));
  EXPECT_TRUE(chart.info.empty());
}

TEST(ReportsSkyChart, HorizonZoomAndBounds) {
  EXPECT_FALSE(skychartpoint(120, 0.0, 200, 1.0, 0).drawn);
  EXPECT_FALSE(skychartpoint(120, -5, 200, 1.0, 0).drawn);
  EXPECT_TRUE(skychartpoint(120, 1e-9, 200, 1.0, 0).drawn);
  EXPECT_EQ((std::array{initialorientation(48.2), initialorientation(-33.5), initialorientation(0.0)}),
            (std::array{0, 2, 2}));
  double zoom = 1.0;
  for (int i = 0; i < 50; ++i) zoom = zoomedin(zoom);
  EXPECT_NEAR(zoom, 4.0, 1e-9);
  for (int i = 0; i < 50; ++i) zoom = zoomedout(zoom);
  EXPECT_NEAR(zoom, 0.3, 1e-9);
  EXPECT_EQ((std::array{steppedinstant(2000000.5, -1), steppedinstant(2000000.0, -1),
                        steppedinstant(1500000.0, -30, 1000000.0), steppedinstant(3000000.0, 1)}),
            (std::array{1999999.5, 2000000.0, 1499970.0, 3000000.0}));
  const ChartDisplayWord w = unpackdisplayword(1015 | (-20 + 200) << 12 | 1 << 24);
  EXPECT_EQ((std::array{w.pressure, w.temperature, int(w.azimuthnorth), int(w.sexagesimal)}),
            (std::array{1015, -20, 1, 0}));
}

// Labels at one point stack 15 pixels apart; one 15 pixels to the side or
// 15 below stays; a body below the horizon neither moves nor is moved.
TEST(ReportsSkyChart, LabelsPushedApart) {
  auto body = [](int x, int y, bool drawn = true) {
    ChartBody b;
    b.point = {drawn, x, y};
    b.labelx = x;
    b.labely = y;
    return b;
  };
  std::vector<ChartBody> bodies = {body(100, 100), body(100, 100), body(105, 110),
                                   body(115, 100), body(100, 115), body(100, 100, false)};
  pushlabels(bodies);
  EXPECT_EQ(bodies[1].labely, 115);
  EXPECT_EQ(bodies[2].labely, 130);  // below the first, then below the second
  EXPECT_EQ(bodies[3].labely, 100);
  EXPECT_EQ(bodies[4].labely, 145);  // 15 below the first, but level with the second
  EXPECT_EQ(bodies[5].labely, 100);
  EXPECT_EQ(bodies[0].point.y, 100);
}

// Information lines: one per body above the horizon, each of them drawn.
TEST(ReportsSkyChart, InformationLines) {
  const SkyChartInputs in{.instant = datetojd(2024, 5, 10) + 8 / 24.0, .longitude = 15.0 + 37 / 60.0, .latitude = 48.2};
  const SkyChart chart = buildskychart(in, 300, german);
  EXPECT_EQ(chart.bodies.size(), 10u);
  int drawn = 0;
  for (const ChartBody& b : chart.bodies) drawn += b.point.drawn;
  EXPECT_EQ(chart.info.size(), 4u + drawn + 3u);
  EXPECT_EQ(chart.info[2], "Für die Koordinaten 48.2000 Grad Nord / 15.6167 Grad Ost  = Sankt Pölten (Austria)");
  EXPECT_EQ(chart.info.back(), "(Für Refraktion: 10 Grad Celsius - 1015 mBar Luftdruck)");
  EXPECT_EQ(chart.time, "08:00 UTC ");
  EXPECT_EQ(skycharttitle(in.instant, english), "Julian Date: 2460440.83 = May 10th, 2024 ");
}

// Near the March equinox the Sun stands at longitude 0 seen from the Earth,
// so the Earth lies at 180 degrees: straight above the Sun in the drawing.
TEST(ReportsSkyChart, SolarSystem) {
  const SolarSystem all = buildsolarsystem(datetojd(2024, 3, 20), solarsystemview, 300);
  const SolarSystem inner = buildsolarsystem(datetojd(2024, 3, 20), innersolarsystemview, 300);
  EXPECT_EQ((std::array{all.planets.size(), inner.planets.size()}), (std::array<std::size_t, 2>{9, 6}));
  const SolarBody& earth = inner.planets[2];
  EXPECT_EQ(earth.label, "EAR");
  EXPECT_NEAR(earth.x, 300, 2);
  EXPECT_NEAR(earth.y, 300 - 300 / 1.1 / 4, 3);
  EXPECT_EQ(earth.labelx, earth.x <= 300 ? earth.x - 45 : earth.x + 15);
  EXPECT_NEAR(std::hypot(inner.moonx - earth.x, inner.moony - earth.y), 0, 300 / 1.1 / 4 / 7 + 2);
}

// The position dialog: the day lowered until valid, the zone with half an
// hour, a configured place recognised, the place loaded with seconds 0.
TEST(ReportsChartPosition, Report) {
  ChartPositionInputs in{.place = {48, 12, 0, 1, 15, 37, 0, 1},
                         .year = 2009,
                         .month = 2,
                         .day = 31,
                         .hour = 12,
                         .minute = 30,
                         .zone = 5,
                         .halfzone = 1};
  const ChartPosition r = buildchartposition(in, german);
  EXPECT_EQ(r.corrected.day, 28);
  EXPECT_DOUBLE_EQ(r.instant, datetojd(2009, 2, 28) + 12.5 / 24.0 - 5.5 / 24.0);
  EXPECT_EQ(r.placename, "Sankt Pölten (Austria)");
  for (const char* line : {"\r\n\r\n = Sankt Pölten (Austria)", "\r\n = 28. Februar 2009 - 07:00 UTC ",
                           "\r\n\r\n Breite:    48.20000 Grad Nord "})
    EXPECT_TRUE(r.text.find(line) != std::string::npos) << line;
  in.zone = 0;
  in.place = {33, 27, 30, 0, 70, 40, 0, 0};
  in.placeindex = -1;
  const ChartPosition south = buildchartposition(in, english);
  EXPECT_EQ(south.corrected.halfzone, 0);
  EXPECT_DOUBLE_EQ(south.latitude, -(33 + 27 / 60.0 + 30 / 3600.0));
  EXPECT_NE(south.text.find("South "), std::string::npos);
  EXPECT_EQ(south.placename, "");
  in.placeindex = 5;  // not in use: entry 0, seconds 0
  const ChartPosition loaded = buildchartposition(in, english);
  EXPECT_EQ((std::array{loaded.corrected.place.latitudedegrees, loaded.corrected.place.latitudeseconds,
                        loaded.corrected.placeindex}),
            (std::array{48, 0, -1}));
}

TEST(ReportsChartPosition, LocalTime) {
  // 30 seconds raise the minute, with carry into the year; summer time from
  // 1980 only.
  const ChartLocalTime t = chartlocaltime(datetojd(2024, 12, 31) + (23 * 3600 + 59 * 60 + 30) / 86400.0, english);
  EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.zone}), (std::array{2025, 1, 1, 0, 0, 0}));
  const ChartLocalTime summer = chartlocaltime(datetojd(2024, 7, 1) + 0.5, german);
  EXPECT_EQ((std::array{summer.zone, summer.hour}), (std::array{2, 14}));
  EXPECT_EQ((std::array{chartzone(1900, 7, 1, german), chartzone(2024, 1, 1, german)}), (std::array{0, 1}));
}

using namespace testsupport;

namespace {

EquationOfTimeReport report(int year, int month, int day, int hour, int zone, int step, int mode, Language language) {
  return buildequationoftimereport({year, month, day, hour, zone, step, mode}, language);
}

}  // namespace

TEST(ReportsEot, Year2000) {
  EXPECT_EQ(report(2000, 6, 1, 12, 0, 12, eotyear, german).text, golden("eot_year_2000_de.txt"));
  // English, the same instants shown in UTC+1.
  EXPECT_TRUE(contains(report(2000, 1, 1, 0, 1, 12, eotyear, english).text,
                       "\r\n Evaluation for the Year 2000: \r\n\r\n\r\n Great  Minimum: "
                       "\r\n JD 2451586.50695 (Sat) 2000-02-12 01:10 UTC+1 (CET) -14.277 Min.= 14 Min. 17 Sec. - "));
}

TEST(ReportsEot, ListGolden) {
  const std::string t = report(2024, 3, 15, 12, 1, 9, eotlist, german).text;
  expectpieces(t, "eot_pieces.txt", "ListGolden/t");
  EXPECT_EQ(countof(t, "\r\n JD "), 30);
  // The last line is 29 steps of 2 1/4 hours later.
  const std::string e = report(2024, 3, 15, 12, -5, 96, eotlist, english).text;
  expectpieces(e, "eot_pieces.txt", "ListGolden/e");
}

TEST(ReportsEot, StepLines) {
  auto stepline = [](int step, Language language) {
    const std::string t = report(2024, 1, 1, 12, 0, step, eotlist, language).text;
    return t.substr(0, t.find("\r\n", 2) + 2);
  };
  EXPECT_EQ(stepline(4, german), "\r\n Schrittweite: 1 Stunde \r\n");
  EXPECT_EQ(stepline(6, german), "\r\n Schrittweite: 1 1/2 Stunde \r\n");
  EXPECT_EQ(stepline(2, german), "\r\n Schrittweite: 1/2 Stunde \r\n");
  EXPECT_EQ(stepline(9999, english), "\r\n Step Size: 2499 3/4 Hours \r\n");
}

TEST(ReportsEot, ValueFormatting) {
  EXPECT_EQ(formateotvalue(0.0, german), "   0.000 Min.=  0 Min. 00 Sek. ");
  EXPECT_EQ(formateotvalue(-3.9999, german), "  -4.000 Min.=  4 Min. 00 Sek. - ");
  EXPECT_EQ(formateotvalue(3.9999, english), "   4.000 Min.=  4 Min. 00 Sec. + ");
  EXPECT_EQ(formateotvalue(16.4708, english), "  16.471 Min.= 16 Min. 28 Sec. + ");
  // 0.5 s and more rounds up to a second; just below half a second stays 0.
  EXPECT_EQ(formateotvalue(-0.0084, german), "  -0.008 Min.=  0 Min. 01 Sek. - ");
  EXPECT_EQ(formateotvalue(-0.0082, german), "  -0.008 Min.=  0 Min. 00 Sek. ");
  EXPECT_EQ(formateotvalue(-14.2845, german), " -14.285 Min.= 14 Min. 17 Sek. - ");
}

TEST(ReportsEot, InstantFormatting) {
  // Half a second is added before the minute is cut (the JD shows 5 decimals).
  const double jd = datetojd(2024, 12, 31) + (23 * 60 + 59) / 1440.0 + 59.6 / 86400.0;
  EXPECT_EQ(formateotinstant(jd, 0, german), "\r\n JD 2460676.50000 (Mi) 2025-01-01 00:00 UTC");
  EXPECT_EQ(formateotinstant(jd, 2, english), "\r\n JD 2460676.50000 (Wed) 2025-01-01 02:00 UTC+2 (CEST)");
  EXPECT_EQ(formateotinstant(jd, -12, english), "\r\n JD 2460676.50000 (Tue) 2024-12-31 12:00 UTC-12");
}

TEST(ReportsEot, StatisticsGoldenEnglish) {
  // 29 steps of one hour from 2024-06-01 12:00 UTC: 29 x 12 + 1 samples.
  const EquationOfTimeReport r = report(2024, 6, 1, 12, 0, 4, eotstatistics, english);
  EXPECT_EQ(r.evaluations, 349);
  EXPECT_EQ(r.text, golden("eot_statistics_en.txt"));
}

TEST(ReportsEot, StatisticsOverOneTropicalYear) {
  // Step 1209: the interval is one tropical year, sampled about 105,000 times.
  const EquationOfTimeReport r = report(2024, 3, 15, 12, 0, 1209, eotstatistics, german);
  EXPECT_EQ(r.evaluations, 105190);
  expectpieces(r.text, "eot_pieces.txt", "StatisticsOverOneTropicalYear/r.text");
  // The year's extremes: the great maximum in early November, the great
  // minimum in mid-February.
  // From a date before a leap day the end is the same date of the next year.
  const std::string leap = report(2023, 3, 1, 12, 0, 1209, eotstatistics, german).text;
  expectpieces(leap, "eot_pieces.txt", "StatisticsOverOneTropicalYear/leap");
  // An evening start whose year ends after midnight is not stretched by a day.
  const std::string evening = report(2025, 3, 15, 20, 0, 1209, eotstatistics, german).text;
  expectpieces(evening, "eot_pieces.txt", "StatisticsOverOneTropicalYear/evening");
}

TEST(ReportsEot, InputsAreClamped) {
  const EquationOfTimeReport r = report(999, 2, 31, 25, 13, 0, 7, english);
  EXPECT_EQ(r.corrected.year, 1000);
  EXPECT_EQ(r.corrected.day, 29);  // 1000 is a leap year of the Julian calendar
  EXPECT_EQ((std::array{r.corrected.hour, r.corrected.zone, r.corrected.step}), (std::array{23, 12, 1}));
  EXPECT_EQ(r.corrected.mode, eotlist);
  const EquationOfTimeReport high = report(5000, 13, 0, -1, -13, 10000, eotlist, english);
  EXPECT_EQ((std::array{high.corrected.year, high.corrected.month, high.corrected.day, high.corrected.hour,
                        high.corrected.zone, high.corrected.step}),
            (std::array{4000, 12, 1, 0, -12, 9999}));
  EXPECT_EQ(report(2023, 2, 30, 12, 0, 12, eotlist, german).corrected.day, 28);
  EXPECT_EQ(report(2024, 4, 31, 12, 0, 12, eotlist, german).corrected.day, 30);
  EXPECT_EQ(report(1582, 10, 10, 12, 0, 12, eotlist, german).corrected.day, 4);
}

// The cache of the graph window holds 31 years: a year asked for again
// after 40 others still gets its own turning points.
TEST(ReportsEotYearCache, FullCacheKeepsEachYearsOwnEvents) {
  YearEventCache cache;
  int evaluations = 0;
  for (int year = 1990; year < 2030; ++year) EotYearEvents(cache, year, evaluations);
  for (int year = 1990; year < 2030; ++year) {
    YearEventCache fresh;
    const EotYearSlot& expected = eotyearslot(fresh, EotYearEvents(fresh, year));
    const EotYearSlot& got = eotyearslot(cache, EotYearEvents(cache, year));
    EXPECT_EQ(got.year, year);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(got.events[i].jd, expected.events[i].jd) << year << " " << i;
  }
  evaluations = 0;
  EotYearEvents(cache, 2029, evaluations);
  EXPECT_EQ(evaluations, 0);  // found, not computed again
}

// The eight turning points of a year in their order (a minimum first; in the
// far future, 4000, the last zero crossing falls into January of the next
// year): each an extremum of EquationOfTime within two minutes either side or a
// sign change within a minute, at its value.
TEST(ReportsEotYearCache, TurningPointsAreExtremaAndZeros) {
  const double minute = 1.0 / 1440.0;
  for (int year : {1000, 1583, 1850, 1900, 2000, 2024, 2100, 2500, 3000, 4000}) {
    YearEventCache cache;
    const EotYearSlot& slot = eotyearslot(cache, EotYearEvents(cache, year));
    for (int i = 0; i < 8; ++i) {
      const double jd = slot.events[i].jd, e = EquationOfTime(jd);
      const double before = EquationOfTime(jd - minute), after = EquationOfTime(jd + minute);
      const double far1 = EquationOfTime(jd - 2 * minute), far2 = EquationOfTime(jd + 2 * minute);
      if (i % 2 == 1) {  // a zero crossing: the sign changes within a minute
        EXPECT_LE(before * after, 0.0) << year << " event " << i;
        EXPECT_NEAR(slot.events[i].value, 0.0, 0.001) << year << " event " << i;
      } else {  // minima at 0 and 4, maxima at 2 and 6
        const double sign = i % 4 == 0 ? -1.0 : 1.0;
        EXPECT_GE(sign * (e - far1), 0.0) << year << " event " << i;
        EXPECT_GE(sign * (e - far2), 0.0) << year << " event " << i;
        EXPECT_NEAR(slot.events[i].value, e, 0.001) << year << " event " << i;
        EXPECT_GT(sign * e, 2.0) << year << " event " << i;
      }
      if (i > 0) {
        EXPECT_GT(jd - slot.events[i - 1].jd, 20.0) << year << " event " << i;
      }
    }
    EXPECT_LT(slot.events[0].jd, datetojd(year, 3, 1));
  }
}

namespace {

// The contrast ratio of two colours after WCAG 2: (L1 + 0.05) / (L2 + 0.05)
// with the relative luminances L1 of the lighter, L2 of the darker colour.
double relativeluminance(const Rgb& c) {
  auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrast(const Rgb& a, const Rgb& b) {
  const double la = relativeluminance(a), lb = relativeluminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Every colour a painted window draws text, lines or the edge of a disc in
// stands out from the light canvas by at least 3:1, dark grey text by 4.5:1;
// the calendar window's colours are all text, each at least 4.5:1. The ratio
// itself against the published ones: black on white 21:1, #808080 3.95:1,
// #767676 4.54:1.
TEST(ReportsWindowColours, ContrastToTheCanvas) {
  const Rgb white{255, 255, 255};
  EXPECT_NEAR(contrast({0, 0, 0}, white), 21.0, 1e-9);
  EXPECT_NEAR(contrast({128, 128, 128}, white), 3.95, 0.005);
  EXPECT_NEAR(contrast(white, {118, 118, 118}), 4.54, 0.005);
  EXPECT_GT(relativeluminance(canvasrgb), 0.9);

  for (int code = blackcolour; code <= celllinecolour + 1; ++code)
    EXPECT_GE(contrast(displayrgb(code), canvasrgb), 4.5) << "calendar code " << code;

  const EotGraphColours& e = eotgraphcolours;
  const SkyChartColours& k = skychartcolours;
  const struct {
    const char* what;
    Rgb colour;
    double least;
  } drawn[] = {
      {"graph curve", e.curve, 3.0},
      {"graph grid", e.grid, 3.0},
      {"graph text", e.text, 4.5},
      {"graph month names", e.markerlabel, 3.0},
      {"graph title", e.title, 3.0},
      {"graph turning points", e.turningpoint, 3.0},
      {"chart Mercury to Mars", k.inner, 3.0},
      {"chart Jupiter to Pluto", k.outer, 3.0},
      {"chart Sun and Moon", k.luminary, 3.0},
      {"solar-system Sun's edge", k.sunedge, 3.0},
      {"chart title", k.title, 3.0},
      {"chart lines and text", k.line, 4.5},
  };
  for (const auto& d : drawn) EXPECT_GE(contrast(d.colour, canvasrgb), d.least) << d.what;
}
