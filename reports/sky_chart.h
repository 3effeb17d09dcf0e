// The sky chart window's drawing as numbers and texts: the planets, the Sun
// and the Moon above the observer's horizon for one instant, projected for
// one of four orientations and a zoom, with their labels pushed apart and
// the information lines; and the two plan views of the solar system seen
// from the north pole of the ecliptic. The window paints them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"

namespace quendal {

enum SkyChartView { skychartview = 0, solarsystemview = 1, innersolarsystemview = 2 };
inline constexpr int skychartviews = 3;

// Which compass point is at the top: 0 south, 1 east, 2 north, 3 west.
inline constexpr int skychartorientations = 4;
// North at the top south of the equator, south at the top otherwise.
inline int initialorientation(double latitude) { return latitude > 0 ? 0 : 2; }

// The zoom steps of the chart: 0.1 down while above 0.3, up while below 4.0.
double zoomedout(double zoom);
double zoomedin(double zoom);

// The instant stepped by days (JD, UT): a step back only while the instant
// is above lower, forward only while it is below 3,000,000; else unchanged.
double steppedinstant(double instant, double days, double lower = 2000000.0);

// The display word the planet report writes: pressure, temperature and the
// two switches.
struct ChartDisplayWord {
  int pressure = 1015;        // mbar, bits 0-11
  int temperature = 10;       // degrees Celsius, bits 12-23 minus 200
  bool azimuthnorth = false;  // bit 24
  bool sexagesimal = false;   // bit 28
};
ChartDisplayWord unpackdisplayword(int word);

// The colours of the sky chart and the solar-system views on the canvas
// (canvasrgb). Every colour drawn as text, as a line or as the edge of a disc
// keeps a contrast of at least 3:1 to the canvas; the Sun of the
// solar-system views is a yellow disc with a dark yellow edge.
struct SkyChartColours {
  Rgb inner{20, 20, 250};     // Mercury, Venus, Mars; the Earth: blue
  Rgb outer{250, 20, 20};     // Jupiter .. Pluto, the planets of the solar-system views but the Earth, their Moon: red
  Rgb luminary{20, 140, 20};  // the Sun and the Moon of the chart: green
  Rgb sun{250, 250, 0};       // the Sun of the solar-system views: yellow ...
  Rgb sunedge{120, 120, 0};   // ... edged with dark yellow
  Rgb title{250, 50, 50};     // the title line
  Rgb line{50, 50, 50};       // the horizon, the meridian, the compass, the time, the information lines, labels
};
inline constexpr SkyChartColours skychartcolours{};

// A point of the sky chart for a body at azimuth A (degrees from north) and
// apparent altitude a (degrees): drawn only for a > 0; with s = C zoom 0.9
// the point is (C + x s, C + y s), rounded, where orientation 0: x = -sin A,
// y = sin a cos A; 1: x = -sin a cos A, y = -sin A; 2: x = sin A,
// y = -sin a cos A; 3: x = sin a cos A, y = sin A.
struct ChartPoint {
  bool drawn = false;
  int x = 0, y = 0;
};
ChartPoint skychartpoint(double azimuth, double altitude, int centre, double zoom, int orientation);

// One body of the sky chart (name-table index 1..11 without the Earth).
struct ChartBody {
  int body = 0;
  double azimuth = 0.0;   // degrees from north
  double altitude = 0.0;  // apparent, with parallax and refraction, degrees
  double magnitude = 0.0;
  ChartPoint point;            // the disc
  int labelx = 0, labely = 0;  // the label point, pushed apart
};

// Pushes label points apart, in the order given: a visible body's label
// point lying less than 15 pixels to either side of an earlier one's and 0
// to 14 pixels below it moves to 15 pixels below that point.
void pushlabels(std::vector<ChartBody>& bodies);

struct SkyChartInputs {
  double instant = 2451545.0;  // JD (UT)
  double longitude = 0.0;      // degrees, east positive
  double latitude = 0.0;       // degrees, north positive
  int displayword = 1015 | 210 << 12;
  int orientation = 0;
  double zoom = 1.0;
  bool fullcircle = false;
  LocationTable places = presetlocationtable();
};

struct SkyChart {
  std::vector<ChartBody> bodies;  // 11 down to 1 without the Earth; labels pushed
  // The compass names at the top, left, right and bottom.
  std::array<std::string, 4> compass;
  std::string time;               // "%02d:%02d UTC "
  std::vector<std::string> info;  // the information lines (none with the full circle)
};

// The sky chart for a drawing centred on (C, C).
SkyChart buildskychart(const SkyChartInputs& in, int centre, Language language);

// "Julian. Datum :  2460384.94 = 15. März 2024 " / "Julian Date:  2460384.94 =
// March 15th, 2024 ": the title of every view.
std::string skycharttitle(double instant, Language language);

// One planet of a solar-system view: its disc, its label and colour group.
struct SolarBody {
  int body = 0;  // 1..9
  int x = 0, y = 0, radius = 0;
  int labelx = 0, labely = 0;  // top left of the three-letter label
  std::string label;
};

struct SolarSystem {
  std::vector<SolarBody> planets;  // 1..9 (view 1) or 1..6 (view 2)
  int moonx = 0, moony = 0;        // the Moon's schematic place, radius 2
};

// The solar system at the instant (JD, UT) for a drawing centred on (C, C).
SolarSystem buildsolarsystem(double instant, int view, int centre);

}  // namespace quendal
